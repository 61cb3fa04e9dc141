#include "translator/key_extractor.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <utility>

#include "arguments.h"
#include "base/utf8.h"
#include "quorvel/lookup_observer.h"
#include "quorvel/multilanguage.h"
#include "translator/language_document.h"
#include "translator/language_set.h"
#include "translator/po_text.h"
#include "translator/rc_scanner.h"
#include "translator/source_scanner.h"

namespace cli {

namespace fs = std::filesystem;

namespace {

const char kPhraseSection[] = "ProgramOutStr";

// A text a call hands to the library: fixed pieces, and holes where a run-time value goes.
struct Piece {
    bool hole;
    std::string text;
};
using Pattern = std::vector<Piece>;

std::string Fill(const Pattern& pattern, const std::string& filler) {
    std::string text;
    for (const Piece& piece : pattern) text += piece.hole ? filler : piece.text;
    return text;
}

bool HasHole(const Pattern& pattern) {
    return std::any_of(pattern.begin(), pattern.end(), [](const Piece& piece) { return piece.hole; });
}

Pattern Fixed(const std::string& text) {
    return {{false, text}};
}
Pattern Hole() {
    return {{true, ""}};
}
Pattern Join(std::initializer_list<Pattern> parts) {
    Pattern joined;
    for (const Pattern& part : parts) joined.insert(joined.end(), part.begin(), part.end());
    return joined;
}

// A plain-text argument: its text when it is a literal, what the C library prints for null.
Pattern TextOf(const std::vector<CallArgument>& arguments, size_t index) {
    if (index >= arguments.size()) return Hole();
    if (arguments[index].kind == CallArgument::kLiteral) return Fixed(arguments[index].text);
    if (arguments[index].kind == CallArgument::kNull) return Fixed("(null)");
    return Hole();
}

// What printf makes of a format: "%%" one percent sign, a "%s" of a literal argument that
// literal, every other conversion a hole.
Pattern FromFormat(const std::string& format, const std::vector<CallArgument>& arguments, size_t next) {
    Pattern pattern;
    std::string text;
    auto flushText = [&]() {
        if (!text.empty()) pattern.push_back({false, text});
        text.clear();
    };
    for (size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            text += format[i];
            continue;
        }
        if (i + 1 < format.size() && format[i + 1] == '%') {
            text += '%';
            ++i;
            continue;
        }
        size_t at = i + 1;
        bool precision = false;
        while (at < format.size() && std::string("-+ #0'").find(format[at]) != std::string::npos) ++at;
        auto skipNumber = [&]() {
            if (at < format.size() && format[at] == '*') {
                ++at;
                ++next;
            } else {
                while (at < format.size() && format[at] >= '0' && format[at] <= '9') ++at;
            }
        };
        skipNumber();
        if (at < format.size() && format[at] == '.') {
            precision = true;
            ++at;
            skipNumber();
        }
        for (const char* length : {"I64", "I32", "hh", "ll", "h", "l", "L", "q", "j", "z", "t", "I", "w"})
            if (format.compare(at, std::char_traits<char>::length(length), length) == 0) {
                at += std::char_traits<char>::length(length);
                break;
            }
        const bool converts =
            at < format.size() && std::string("diouxXeEfFgGaAcCsSpn").find(format[at]) != std::string::npos;
        flushText();
        if (converts && format[at] == 's' && !precision && next < arguments.size() &&
            arguments[next].kind == CallArgument::kLiteral)
            pattern.push_back({false, arguments[next].text});
        else
            pattern.push_back({true, ""});
        ++next;
        i = converts ? at : at - 1;
    }
    flushText();
    return pattern;
}

// The keys the library looks up for one text, in order, through its lookup observer.
std::vector<std::pair<std::string, std::string>> Observe(const std::string& text, bool caption) {
    std::vector<std::pair<std::string, std::string>> lookups;
    quorvel::SetLookupObserver(
        [](const char* key, const char* section, bool, void* context) {
            if (*key)
                static_cast<std::vector<std::pair<std::string, std::string>>*>(context)->emplace_back(section,
                                                                                                      key);
        },
        &lookups);
    char translation[1024];
    if (caption)
        GetMultiLngTextForUI(text.c_str(), translation, sizeof translation);
    else
        GetMultiLngText_ByAutoPart(translation, sizeof translation, "%s", text.c_str());
    quorvel::SetLookupObserver(nullptr, nullptr);
    return lookups;
}

std::vector<std::string> KeysOf(const std::string& text, bool caption) {
    std::vector<std::string> keys;
    for (const auto& lookup : Observe(text, caption)) keys.push_back(lookup.second);
    return keys;
}

class Collector {
  public:
    Collector(Extraction& extraction, std::string file) : m_extraction(extraction), m_file(std::move(file)) {}

    void Warn(int line, const std::string& message) {
        m_extraction.warnings.push_back(m_file + ":" + std::to_string(line) + ": " + message);
    }

    void Add(const std::string& section, const std::string& key, int line, const std::string& source) {
        if (!StorableKey(key)) {
            Warn(line, "the key '" + key + "' cannot be written in a language file; left out");
            return;
        }
        if (m_seen.insert({section, key, line}).second)
            m_extraction.keys.push_back({section, key, m_file, line, source});
    }

    // The keys that stay the same whatever the run-time values: those of the text with every
    // hole filled by a digit and with every hole filled by a letter.
    std::vector<std::string> SteadyKeys(const Pattern& pattern, int line, bool warn) {
        const std::vector<std::string> keys = KeysOf(Fill(pattern, "0"), false);
        if (!HasHole(pattern)) return keys;
        const std::vector<std::string> other = KeysOf(Fill(pattern, "x"), false);
        std::vector<std::string> steady;
        bool dropped = false;
        for (const std::string& key : keys) {
            if (std::find(other.begin(), other.end(), key) != other.end())
                steady.push_back(key);
            else
                dropped = true;
        }
        if (dropped && warn)
            Warn(line, "a key of '" + Fill(pattern, "%s") +
                           "' joins a run-time value (a conversion inside a {group} or a word); left out");
        return steady;
    }

    // source: the English text as the sources write it (default: the text with "%s" for holes).
    void AddPhrase(const Pattern& pattern, int line, std::string source = "") {
        if (source.empty()) source = Fill(pattern, "%s");
        for (const std::string& key : SteadyKeys(pattern, line, true)) Add(kPhraseSection, key, line, source);
    }

    void AddCaption(const std::string& caption, int line) {
        for (const auto& lookup : Observe(caption, true)) Add(lookup.first, lookup.second, line, caption);
    }

    // A template is first translated as a format without arguments ("%%s" becomes "%s"), so
    // its own keys are exact; the letters of its conversion are left out, a group that holds
    // the conversion is kept (its translation carries the conversion).
    void AddTemplate(const std::string& templateText, int line) {
        const Pattern first = FromFormat(templateText, {}, 0);
        if (HasHole(first)) Warn(line, "a template writes its conversion with a doubled percent sign");
        const std::vector<std::string> exact = SteadyKeys(first, line, true);
        const std::string once = Fill(first, "");
        const std::vector<std::string> filled = SteadyKeys(FromFormat(once, {}, 0), line, false);
        for (const std::string& key : exact)
            if (key.find('%') != std::string::npos ||
                std::find(filled.begin(), filled.end(), key) != filled.end())
                Add(kPhraseSection, key, line, once);
    }

  private:
    Extraction& m_extraction;
    std::string m_file;
    std::set<std::tuple<std::string, std::string, int>> m_seen;
};

const std::vector<std::string>& TranslatingFunctions() {
    static const std::vector<std::string> names = {"GetMultiLngText_ByAutoPart",
                                                   "GetMultiLngText_ByAutoPartV",
                                                   "GetMultiLngTextForUI",
                                                   "GetMLFormatString",
                                                   "GetMLFormatStringV",
                                                   "GetMultiLanguageText",
                                                   "StrcmpML",
                                                   "LogML",
                                                   "LogMLV",
                                                   "MsgBoxML",
                                                   "MsgBoxMLV",
                                                   "OutNewObjectFailed",
                                                   "OutInitObjectResult",
                                                   "OutUninitObjectFinished",
                                                   "OutCreateKernelObjectFailed",
                                                   "OutLastError",
                                                   "OutLastErrorV",
                                                   "OutNeedEndSystem"};
    return names;
}

bool IsLiteral(const std::vector<CallArgument>& arguments, size_t index) {
    return index < arguments.size() && arguments[index].kind == CallArgument::kLiteral;
}

void ExtractCall(const SourceCall& call, Collector& collector) {
    const std::vector<CallArgument>& a = call.arguments;
    const std::string& f = call.function;
    auto lineOf = [&](size_t index) { return index < a.size() && a[index].line ? a[index].line : call.line; };
    if (f == "GetMultiLngText_ByAutoPart" || f == "GetMultiLngText_ByAutoPartV") {
        if (IsLiteral(a, 2)) collector.AddPhrase(FromFormat(a[2].text, a, 3), lineOf(2), a[2].text);
    } else if (f == "GetMultiLngTextForUI") {
        if (IsLiteral(a, 0)) collector.AddCaption(a[0].text, lineOf(0));
    } else if (f == "GetMLFormatString" || f == "GetMLFormatStringV") {
        if (IsLiteral(a, 2)) collector.AddTemplate(a[2].text, lineOf(2));
        // The argument text is translated as a text of its own.
        if (IsLiteral(a, 3)) collector.AddPhrase(FromFormat(a[3].text, a, 4), lineOf(3), a[3].text);
    } else if (f == "GetMultiLanguageText") {
        if (!IsLiteral(a, 0)) return;
        if (IsLiteral(a, 3))
            collector.Add(a[3].text, a[0].text, lineOf(0), a[0].text);
        else
            collector.Warn(lineOf(0),
                           "the section of the key '" + a[0].text + "' is not a literal; left out");
    } else if (f == "StrcmpML") {
        for (size_t i = 0; i < 2; ++i)
            if (IsLiteral(a, i)) collector.AddPhrase(Fixed(a[i].text), lineOf(i));
    } else if (f == "LogML" || f == "LogMLV") {
        if (IsLiteral(a, 1)) collector.AddPhrase(FromFormat(a[1].text, a, 2), lineOf(1), a[1].text);
    } else if (f == "MsgBoxML" || f == "MsgBoxMLV") {
        // The title names the application before the caption; a null caption is "Message Prompt".
        if (IsLiteral(a, 1) || (a.size() > 1 && a[1].kind == CallArgument::kNull))
            collector.AddPhrase(Join({Fixed("["), Hole(), Fixed("] - "),
                                      IsLiteral(a, 1) ? Fixed(a[1].text) : Fixed("Message Prompt")}),
                                lineOf(1));
        if (IsLiteral(a, 3)) collector.AddPhrase(FromFormat(a[3].text, a, 4), lineOf(3), a[3].text);
    } else if (f == "OutNewObjectFailed") {
        collector.AddPhrase(
            Join({Fixed("Create object failed, memory {not enough}, object name : "), TextOf(a, 0)}),
            call.line);
    } else if (f == "OutInitObjectResult") {
        for (const char* outcome : {"succeed !", "failed !!!"})
            collector.AddPhrase(Join({Fixed("Initialize [ "), TextOf(a, 0), Fixed(" ] "), Fixed(outcome)}),
                                call.line);
    } else if (f == "OutUninitObjectFinished") {
        collector.AddPhrase(Join({Fixed("Uninit [ "), TextOf(a, 0), Fixed(" ] finished")}), call.line);
    } else if (f == "OutCreateKernelObjectFailed") {
        collector.AddPhrase(Join({Fixed("Create [ "), TextOf(a, 0), Fixed(" ] failed")}), call.line);
    } else if (f == "OutLastError" || f == "OutLastErrorV") {
        const Pattern message = IsLiteral(a, 0) ? FromFormat(a[0].text, a, 1) : Hole();
        collector.AddPhrase(Join({Fixed("Error occurred  :  "), message, Fixed(",  reason : ")}), call.line);
    } else if (f == "OutNeedEndSystem") {
        const Pattern ending = Fixed("[Quorvel(Enterprise)] would terminate");
        const bool empty =
            a.empty() || a[0].kind == CallArgument::kNull || (IsLiteral(a, 0) && a[0].text.empty());
        if (!IsLiteral(a, 0) || empty) collector.AddPhrase(ending, call.line);
        if (!empty)
            collector.AddPhrase(Join({Fixed("Beacause "), TextOf(a, 0), Fixed(", "), ending}), call.line);
    }
}

// A resource script in UTF-16 (as resource editors often save it), as UTF-8.
std::string EightBitScript(const std::string& bytes) {
    if (bytes.size() < 2 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
        static_cast<unsigned char>(bytes[1]) != 0xFE)
        return bytes;
    std::string out;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        const unsigned code = static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1])
                                                                         << 8;
        qml::AppendUtf8(out, code);
    }
    return out;
}

bool HasExtension(const fs::path& path, std::initializer_list<const char*> extensions) {
    const std::string extension = LowerAscii(path.extension().string());
    for (const char* wanted : extensions)
        if (extension == wanted) return true;
    return false;
}

void ExtractFile(const fs::path& path, Extraction& extraction) {
    const std::string name = path.generic_string();
    const std::string bytes = ReadFileBytes(path.string());
    Collector collector(extraction, name);
    if (HasExtension(path, {".rc", ".rc2", ".dlg"})) {
        for (const ResourceText& text : FindResourceTexts(EightBitScript(bytes)))
            collector.AddCaption(text.text, text.line);
        return;
    }
    for (const SourceCall& call : FindCalls(bytes, TranslatingFunctions())) ExtractCall(call, collector);
}

}  // namespace

bool StorableKey(const std::string& key) {
    const std::string trimmed = TrimBlanks(key);
    return !trimmed.empty() && trimmed[0] != ';' && trimmed[0] != '[' &&
           key.find_first_of(std::string("=\r\n\0", 4)) == std::string::npos;
}

Extraction ExtractKeys(const std::vector<std::string>& paths) {
    Extraction extraction;
    for (const std::string& given : paths) {
        std::error_code error;
        if (!fs::is_directory(given, error)) {
            ExtractFile(given, extraction);
            continue;
        }
        std::vector<fs::path> files;
        for (fs::recursive_directory_iterator it(given, error), end; !error && it != end; it.increment(error))
            if (it->is_regular_file(error) &&
                HasExtension(it->path(), {".c", ".cc", ".cpp", ".cxx", ".c++", ".h", ".hh", ".hpp", ".hxx",
                                          ".inl", ".ipp", ".rc", ".rc2", ".dlg"}))
                files.push_back(it->path());
        if (error) throw RunError(given + ": " + error.message());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) ExtractFile(file, extraction);
    }
    return extraction;
}

std::vector<ExtractedKey> DistinctKeys(const std::vector<ExtractedKey>& keys) {
    std::vector<ExtractedKey> distinct;
    std::set<std::pair<std::string, std::string>> seen;
    for (const ExtractedKey& key : keys)
        if (seen.insert({LowerAscii(TrimBlanks(key.section)), LowerAscii(TrimBlanks(key.key))}).second)
            distinct.push_back(key);
    return distinct;
}

std::string FormatKeyList(const std::vector<ExtractedKey>& keys) {
    std::string out;
    for (const ExtractedKey& key : keys)
        out += key.file + ":" + std::to_string(key.line) + "\t" + key.section + "\t" + key.key + "\n";
    return out;
}

std::vector<ExtractedKey> ParseKeyList(const std::string& text, const std::string& name) {
    std::vector<ExtractedKey> keys;
    size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const size_t tab = line.find('\t'),
                     second = tab == std::string::npos ? tab : line.find('\t', tab + 1);
        const size_t colon = tab == std::string::npos ? tab : line.rfind(':', tab);
        if (second == std::string::npos || colon == std::string::npos)
            throw RunError(name + ":" + std::to_string(number) + ": not a line of 'quorvel-ml extract'");
        ExtractedKey key;
        key.file = line.substr(0, colon);
        key.line = std::atoi(line.substr(colon + 1, tab - colon - 1).c_str());
        key.section = line.substr(tab + 1, second - tab - 1);
        key.key = line.substr(second + 1);
        if (!StorableKey(key.key) || TrimBlanks(key.section).empty())
            throw RunError(name + ":" + std::to_string(number) + ": a key that a language file cannot hold");
        keys.push_back(key);
    }
    return keys;
}

std::string FormatKeyTemplate(const std::vector<ExtractedKey>& keys) {
    std::string out =
        "msgid \"\"\nmsgstr \"\"\n\"MIME-Version: 1.0\\n\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n"
        "\"Content-Transfer-Encoding: 8bit\\n\"\n";
    for (const ExtractedKey& first : DistinctKeys(keys)) {
        out += "\n";
        std::vector<std::string> sources;
        for (const ExtractedKey& key : keys)
            if (SameName(TrimBlanks(key.section), TrimBlanks(first.section)) &&
                SameName(TrimBlanks(key.key), TrimBlanks(first.key))) {
                out += "#: " + key.file + ":" + std::to_string(key.line) + "\n";
                if (key.source != key.key &&
                    std::find(sources.begin(), sources.end(), key.source) == sources.end())
                    sources.push_back(key.source);
            }
        for (std::string source : sources) {
            std::replace(source.begin(), source.end(), '\n', ' ');
            std::replace(source.begin(), source.end(), '\r', ' ');
            out += "#. " + source + "\n";
        }
        out += PoField("msgctxt", first.section) + PoField("msgid", first.key) + "msgstr \"\"\n";
    }
    return out;
}

}  // namespace cli
