// stats: how far each language's translation has come.
#include <cstdio>
#include <string>

#include "command.h"
#include "translator/key_input.h"
#include "translator/language_set.h"
#include "translator/output.h"

namespace cli {

namespace {

struct LanguageStats {
    LanguageFile file;
    size_t translated = 0, untranslated = 0, unused = 0;
};

std::string JsonString(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

int RunStats(const Arguments& args) {
    const std::vector<ExtractedKey> keys = KeysOfArguments(args, "stats");
    std::vector<LanguageStats> all;
    for (const LanguageFile& file : LanguageFilesOfArguments(args, false)) {
        const LanguageDocument document = LanguageDocument::Parse(ReadFileBytes(file.path));
        LanguageStats stats{file};
        for (const ExtractedKey& key : keys)
            ++(document.Translated(key.section, key.key) ? stats.translated : stats.untranslated);
        stats.unused = UnusedLines(document, keys).size();
        all.push_back(stats);
    }
    std::string out;
    if (args.Has("json")) {
        out = "{\"keys\": " + std::to_string(keys.size()) + ", \"languages\": [";
        for (size_t i = 0; i < all.size(); ++i) {
            const LanguageStats& s = all[i];
            out += std::string(i ? ",\n  " : "\n  ") + "{\"type\": " + std::to_string(s.file.type) +
                   ", \"language\": " + JsonString(s.file.name) + ", \"file\": " + JsonString(s.file.path) +
                   ", \"translated\": " + std::to_string(s.translated) +
                   ", \"untranslated\": " + std::to_string(s.untranslated) +
                   ", \"unused\": " + std::to_string(s.unused) + "}";
        }
        out += "\n]}\n";
    } else {
        char line[512];
        std::snprintf(line, sizeof line, "%4s  %-20s %10s %12s %7s %5s\n", "type", "language", "translated",
                      "untranslated", "unused", "done");
        out = line;
        for (const LanguageStats& s : all) {
            const size_t percent = keys.empty() ? 100 : s.translated * 100 / keys.size();
            std::snprintf(line, sizeof line, "%4d  %-20s %10zu %12zu %7zu %4zu%%\n", s.file.type,
                          s.file.name.c_str(), s.translated, s.untranslated, s.unused, percent);
            out += line;
        }
        out += std::to_string(keys.size()) + " keys\n";
    }
    WriteOutput("-", out);
    return 0;
}

}  // namespace

Command StatsCommand() {
    return {"stats",
            "count translated, untranslated and unused keys per language",
            "For every language file of --dir: how many of the keys of the SOURCEs (or of --keys\n"
            "FILE) it translates, how many it leaves in English (missing, empty or ';Key='), and\n"
            "how many of its entries no key uses. A table, or JSON with --json:\n"
            "  {\"keys\": N, \"languages\": [{\"type\": 3, \"language\": \"French\", \"file\": ...,\n"
            "   \"translated\": N, \"untranslated\": N, \"unused\": N}, ...]}\n\n"
            "Options:\n"
            "  --keys FILE            the keys from a list of 'quorvel-ml extract' (- for stdin)\n"
            "  --json                 write JSON\n",
            "stats [--dir DIR] [--json] [--keys FILE] [SOURCE...]",
            {{"keys", true}, {"json", false}},
            RunStats};
}

}  // namespace cli
