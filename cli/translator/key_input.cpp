#include "translator/key_input.h"

#include <cstdio>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>

#include "session.h"
#include "translator/language_set.h"

namespace cli {

std::vector<ExtractedKey> KeysOfArguments(const Arguments& args, const char* command) {
    std::vector<ExtractedKey> keys;
    if (args.Has("keys")) {
        const std::string path = args.Get("keys");
        std::string text;
        if (path == "-") {
            std::ostringstream in;
            in << std::cin.rdbuf();
            text = in.str();
        } else {
            text = ReadFileBytes(path);
        }
        keys = ParseKeyList(text, path);
    }
    if (!args.positional.empty()) {
        const Extraction extraction = ExtractKeys(args.positional);
        for (const std::string& warning : extraction.warnings)
            std::fprintf(stderr, "quorvel-ml %s: warning: %s\n", command, warning.c_str());
        keys.insert(keys.end(), extraction.keys.begin(), extraction.keys.end());
    }
    if (!args.Has("keys") && args.positional.empty())
        throw UsageError(std::string(command) + " needs SOURCE files or directories, or --keys FILE");
    return DistinctKeys(keys);
}

std::vector<LanguageFile> LanguageFilesOfArguments(const Arguments& args, bool filesAsArguments) {
    std::vector<LanguageFile> files;
    if (filesAsArguments && !args.positional.empty()) {
        for (const std::string& path : args.positional) files.push_back(DescribeLanguageFile(path));
        return files;
    }
    const std::string dir = args.dir.value_or(DefaultLanguageDir());
    for (const LanguageFile& file : LanguageFilesOf(dir)) {
        if (file.exists)
            files.push_back(file);
        else
            std::fprintf(stderr, "quorvel-ml: %s: no such language file, skipped\n", file.path.c_str());
    }
    return files;
}

std::vector<const DocumentLine*> UnusedLines(const LanguageDocument& document,
                                             const std::vector<ExtractedKey>& keys) {
    std::set<std::string> sections = {"programoutstr"};
    std::set<std::pair<std::string, std::string>> used;
    for (const ExtractedKey& key : keys) {
        sections.insert(LowerAscii(TrimBlanks(key.section)));
        used.insert({LowerAscii(TrimBlanks(key.section)), LowerAscii(TrimBlanks(key.key))});
    }
    std::vector<const DocumentLine*> unused;
    for (const DocumentLine& line : document.Lines()) {
        const bool candidate = (line.kind == DocumentLine::kEntry && line.read) ||
                               (line.kind == DocumentLine::kPlaceholder && !line.sectionRepeat);
        if (candidate && sections.count(LowerAscii(line.section)) &&
            !used.count({LowerAscii(line.section), LowerAscii(line.key)}))
            unused.push_back(&line);
    }
    return unused;
}

}  // namespace cli
