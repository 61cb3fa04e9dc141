// check: what in a language file would translate wrongly or never be read.
#include <cstdio>
#include <map>

#include "base/ascii.h"
#include "command.h"
#include "recode.h"
#include "translator/key_input.h"
#include "translator/language_set.h"
#include "translator/text_checks.h"

namespace cli {

namespace {

std::string Joined(const std::vector<std::string>& conversions) {
    std::string text;
    for (const std::string& conversion : conversions) text += (text.empty() ? "%" : " %") + conversion;
    return text.empty() ? "none" : text;
}

bool ValidIn(const std::string& text, int codePage) {
    if (qml::IsAsciiText(text)) return true;
    const std::string name = CodePageName(codePage);
    return Recode(Recode(text, name, "UTF-8"), "UTF-8", name) == text;
}

// The problems of one entry: its translation measured against its English key.
std::vector<std::string> EntryProblems(const DocumentLine& line) {
    std::vector<std::string> problems;
    if (line.value.empty() || SameName(line.section, "Lngpara")) return problems;
    const std::vector<std::string> english = ConversionsOf(line.key), translated = ConversionsOf(line.value);
    if (english != translated)
        problems.push_back("conversions " + Joined(translated) + " differ from the English " +
                           Joined(english));
    const int englishMarks = AcceleratorCount(line.key), marks = AcceleratorCount(line.value);
    if (englishMarks > 0 && marks == 0) problems.push_back("accelerator '&' missing");
    if (marks > (englishMarks > 0 ? englishMarks : 0))
        problems.push_back(englishMarks > 0 ? "accelerator '&' doubled"
                                            : "accelerator '&' doubled: the caption translator adds its own");
    const std::string markup = MarkupProblem(line.value);
    if (!markup.empty() && MarkupProblem(line.key).empty())
        problems.push_back("unbalanced markup: " + markup);
    return problems;
}

int RunCheck(const Arguments& args) {
    size_t total = 0;
    for (const LanguageFile& file : LanguageFilesOfArguments(args, true)) {
        const LanguageDocument document = LanguageDocument::Parse(ReadFileBytes(file.path));
        const int codePage = CodePageOf(file, document);
        bool knownCodePage = true;
        try {
            Recode("\x80", CodePageName(codePage), "UTF-8");
        } catch (const UsageError&) {
            knownCodePage = false;
        }
        std::map<std::string, int> sections, keys;  // lower-cased, to their first line
        auto report = [&](int line, const std::string& problem) {
            std::printf("%s:%d: %s\n", file.path.c_str(), line, problem.c_str());
            ++total;
        };
        for (const DocumentLine& line : document.Lines()) {
            if (!knownCodePage && line.kind == DocumentLine::kEntry && SameName(line.section, "Lngpara") &&
                SameName(line.key, "CodePage"))
                report(line.number,
                       "code page " + std::to_string(codePage) + " is unknown here; texts not checked");
            if (knownCodePage && !ValidIn(line.text, codePage))
                report(line.number, "text not valid in code page " + std::to_string(codePage));
            if (line.kind == DocumentLine::kSection) {
                const std::string name = LowerAscii(line.section);
                if (sections.count(name))
                    report(line.number, "section [" + line.section + "] repeats line " +
                                            std::to_string(sections[name]) + "; its entries are never read");
                else
                    sections[name] = line.number;
            }
            if (line.kind != DocumentLine::kEntry || line.sectionRepeat) continue;
            const std::string id = LowerAscii(line.section) + "\n" + LowerAscii(line.key);
            if (!line.read)
                report(line.number, "key '" + line.key + "' repeats line " + std::to_string(keys[id]) +
                                        "; this line is never read");
            else
                keys[id] = line.number;
            for (const std::string& problem : EntryProblems(line)) report(line.number, problem);
        }
    }
    if (std::fflush(stdout) != 0) throw RunError("standard output: write error");
    if (total) std::fprintf(stderr, "quorvel-ml check: %zu problem%s\n", total, total == 1 ? "" : "s");
    return total ? 1 : 0;
}

}  // namespace

Command CheckCommand() {
    return {"check",
            "find what in language files would translate wrongly",
            "Checks each FILE (default: every language file of --dir) and lists, as FILE:LINE:\n"
            "  - text not valid in the language's code page (Big5 for type 0, GBK for type 1,\n"
            "    else [Lngpara] CodePage, else 1252);\n"
            "  - translations whose printf conversions differ from the English key's in number,\n"
            "    order or type;\n"
            "  - accelerators: a '&' missing where the English has one, or one too many (the\n"
            "    caption translator adds its own to a text without one);\n"
            "  - unbalanced markup: '{' left open, '}' without '{', '$' without a partner;\n"
            "  - keys and sections present twice (only the first is ever read).\n"
            "Exits with 1 when it finds anything, 0 when the files are clean.\n",
            "check [--dir DIR] [FILE...]",
            {},
            RunCheck};
}

}  // namespace cli
