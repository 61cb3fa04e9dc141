// The keys a translator command works with: extracted from its SOURCE arguments, or read from
// a list that extract wrote (--keys FILE, - for standard input).
#pragma once

#include <vector>

#include "arguments.h"
#include "translator/key_extractor.h"
#include "translator/language_set.h"

namespace cli {

// Each key once per section; warnings of the extraction go to standard error.
std::vector<ExtractedKey> KeysOfArguments(const Arguments& args, const char* command);

// The language files a command works on: its FILE arguments, else every file of --dir.
std::vector<LanguageFile> LanguageFilesOfArguments(const Arguments& args, bool filesAsArguments);

// The entries and placeholders of a file that no key asks for, in the sections the keys use
// (and [ProgramOutStr]).
std::vector<const DocumentLine*> UnusedLines(const LanguageDocument& document,
                                             const std::vector<ExtractedKey>& keys);

}  // namespace cli
