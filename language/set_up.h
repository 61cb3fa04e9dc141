// The choices Set_MultiLanguage_Para makes before it binds a file, shared with the tools' way
// of asking what it would bind.
#pragma once

#include <string>

namespace qml {

// The language type a request binds: on a Chinese system (by the user's locale) a request for
// the other Chinese script yields the system's own.
int ChooseLanguageType(int requested);

// The directory as the state keeps it: a backslash added unless it ends in one, cut to the
// state's buffer. Empty for an empty dir (the stored directory stays).
std::string StoredDirectoryForm(const std::string& dir);

}  // namespace qml
