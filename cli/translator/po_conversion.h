// A language file as a gettext PO file and back. Every line that PO cannot hold as an entry
// (comments, blank lines, section headers, repeated keys) rides along in "#." comments before
// the entry that follows it, an entry whose line is not written the usual way carries that
// line as "#. @entry: ...", and the header names the code page and the line ends, so that
// export then import gives back the file byte for byte.
#pragma once

#include <string>

#include "translator/language_document.h"

namespace cli {

// The PO text (UTF-8) of a language file written in codePage.
std::string ExportPo(const LanguageDocument& document, int codePage);

// The language file of a PO text; codePage 0 takes the one the PO header names.
std::string ImportPo(const std::string& poText, const std::string& name, int codePage);

}  // namespace cli
