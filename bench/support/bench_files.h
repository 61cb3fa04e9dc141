// The files a benchmark sets up: a scratch directory, texts written whole, and a message
// catalogue of the C library compiled with msgfmt and made the one dgettext reads.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace qml_bench {

// A new directory under the system's temporary directory; throws when none can be made.
std::filesystem::path MakeScratchDirectory(const std::string& prefix);

void WriteText(const std::filesystem::path& path, const std::string& text);

// Compiles the messages into <dir>/locale/<language>/LC_MESSAGES/<domain>.mo and binds the
// domain there, in the C.UTF-8 locale with LANGUAGE set to the language. Throws when msgfmt
// or the locale is missing.
void InstallCatalogue(const std::filesystem::path& dir, const std::string& language, const char* domain,
                      const std::vector<std::pair<std::string, std::string>>& messages);

}  // namespace qml_bench
