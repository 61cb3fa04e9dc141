// update: the extracted keys merged into every language file of a directory.
#include <cstdio>
#include <map>
#include <set>

#include "command.h"
#include "translator/key_input.h"
#include "translator/language_set.h"

namespace cli {

namespace {

int RunUpdate(const Arguments& args) {
    if (!args.dir) throw UsageError("update needs --dir DIR: the language directory to change");
    const std::vector<ExtractedKey> keys = KeysOfArguments(args, "update");
    const bool dryRun = args.Has("dry-run");
    // Every file is read and merged before the first is written: a file that cannot be read
    // stops the update with nothing changed.
    std::vector<std::pair<std::string, std::string>> writes;
    for (const LanguageFile& file : LanguageFilesOfArguments(args, false)) {
        const std::string before = ReadFileBytes(file.path);
        LanguageDocument document = LanguageDocument::Parse(before);

        // New keys by section, in the order they were found.
        std::vector<std::string> sections;
        std::map<std::string, std::vector<std::string>> added;
        for (const ExtractedKey& key : keys) {
            const std::string section = TrimBlanks(key.section);
            if (document.Find(section, key.key) || document.HasPlaceholder(section, key.key)) continue;
            if (!added.count(section)) sections.push_back(section);
            added[section].push_back(TrimBlanks(key.key));
        }
        size_t count = 0;
        for (const std::string& section : sections) {
            document.AddPlaceholders(section, added[section]);
            count += added[section].size();
        }
        const std::vector<const DocumentLine*> unused = UnusedLines(document, keys);
        std::printf("%s: %s %zu, unused %zu\n", file.path.c_str(), dryRun ? "would add" : "added", count,
                    unused.size());
        std::set<std::pair<std::string, std::string>> fresh;
        for (const auto& section : added)
            for (const std::string& key : section.second)
                fresh.insert({LowerAscii(section.first), LowerAscii(key)});
        for (const DocumentLine& line : document.Lines())
            if (line.kind == DocumentLine::kPlaceholder && !line.sectionRepeat &&
                fresh.count({LowerAscii(line.section), LowerAscii(line.key)}))
                std::printf("%s:%d: + %s\n", file.path.c_str(), line.number, line.text.c_str());
        for (const DocumentLine* line : unused)
            std::printf("%s:%d: unused: [%s] %s\n", file.path.c_str(), line->number, line->section.c_str(),
                        line->key.c_str());
        const std::string after = document.Serialize();
        if (!dryRun && after != before) writes.emplace_back(file.path, after);
    }
    for (const auto& write : writes) WriteFileSafely(write.first, write.second);
    if (std::fflush(stdout) != 0) throw RunError("standard output: write error");
    return 0;
}

}  // namespace

Command UpdateCommand() {
    return {"update",
            "merge extracted keys into every language file of a directory",
            "Adds every key of the SOURCEs (or of --keys FILE, a list that extract wrote) that a\n"
            "language file of --dir lacks, as an untranslated line ';Key=' at the end of its\n"
            "section: a comment, so the library keeps showing the English text until a\n"
            "translator removes the ';' and writes the translation after the '='. Nothing else\n"
            "changes: comments, order, line ends and code page stay, no line is removed. Lists\n"
            "the lines added and the entries that no key uses any more (they are kept).\n"
            "Files are replaced through a temporary file, never half-written.\n\n"
            "Options:\n"
            "  --keys FILE            the keys from a list of 'quorvel-ml extract' (- for stdin)\n"
            "  --dry-run              show what would change, change nothing\n",
            "update --dir DIR [--dry-run] [--keys FILE] [SOURCE...]",
            {{"keys", true}, {"dry-run", false}},
            RunUpdate};
}

}  // namespace cli
