// The keys that a host's translated calls make the library look up, found in its C and C++
// sources and resource scripts, each with the file and line it comes from.
#pragma once

#include <string>
#include <vector>

namespace cli {

struct ExtractedKey {
    std::string section;  // ProgramOutStr, or the section a direct key lookup names
    std::string key;
    std::string file;
    int line = 0;
    std::string source;  // the English text the key was cut from
};

struct Extraction {
    std::vector<ExtractedKey> keys;     // in source order, each (key, file, line) once
    std::vector<std::string> warnings;  // "file:line: text"
};

// Files are read whatever their name; directories are walked for C and C++ sources and .rc files.
Extraction ExtractKeys(const std::vector<std::string>& paths);

// Whether a language file can hold the key: not empty, no '=' or line break, not read as a
// comment or a section line.
bool StorableKey(const std::string& key);

// The keys, each once per section, in the order they first occur.
std::vector<ExtractedKey> DistinctKeys(const std::vector<ExtractedKey>& keys);

// The list that extract prints and update, stats and check read back: one line per key and
// place, "FILE:LINE<TAB>SECTION<TAB>KEY".
std::string FormatKeyList(const std::vector<ExtractedKey>& keys);
std::vector<ExtractedKey> ParseKeyList(const std::string& text, const std::string& name);

// A gettext template: one entry per key, the section as msgctxt, the places as references.
std::string FormatKeyTemplate(const std::vector<ExtractedKey>& keys);

}  // namespace cli
