// The language files of a language directory, as its catalogue Language.ini lists them, and
// the code page each is written in.
#pragma once

#include <string>
#include <vector>

#include "translator/language_document.h"

namespace cli {

struct LanguageFile {
    int type = -1;     // the catalogue's number; -1 when the catalogue does not list the file
    std::string name;  // the English name, which names the file
    std::string path;
    bool exists = false;
};

// Every language of the catalogue in dir, from type 0 up to the first gap, as the library
// lists them. RunError when dir has no catalogue.
std::vector<LanguageFile> LanguageFilesOf(const std::string& dir);

// The language file at path, its type looked up in the catalogue beside it.
LanguageFile DescribeLanguageFile(const std::string& path);

// Big5 (950) for type 0, GBK (936) for type 1, else the file's [Lngpara] CodePage, else 1252.
int CodePageOf(const LanguageFile& file, const LanguageDocument& document);

// The whole of a regular file; RunError for a missing file, a directory, a FIFO or a device.
std::string ReadFileBytes(const std::string& path);
// Writes through a temporary file in the same directory renamed over path, so that a failed
// write never leaves a half-written file behind.
void WriteFileSafely(const std::string& path, const std::string& bytes);

}  // namespace cli
