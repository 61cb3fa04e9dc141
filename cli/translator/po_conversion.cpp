#include "translator/po_conversion.h"

#include <cstdio>
#include <cstdlib>
#include <set>
#include <vector>

#include "arguments.h"
#include "base/ascii.h"
#include "recode.h"
#include "translator/po_text.h"

namespace cli {

namespace {

const char kEntryMark[] = "@entry: ";

// The UTF-8 of a code-page text, and whether it converts back to the same bytes.
bool ToUtf8(const std::string& text, int codePage, std::string& utf8) {
    if (qml::IsAsciiText(text)) {
        utf8 = text;
        return true;
    }
    utf8 = Recode(text, CodePageName(codePage), "UTF-8");
    return Recode(utf8, "UTF-8", CodePageName(codePage)) == text;
}

std::string FromUtf8(const std::string& utf8, int codePage) {
    return qml::IsAsciiText(utf8) ? utf8 : Recode(utf8, "UTF-8", CodePageName(codePage));
}

// A line (and an end that differs from the usual one) for a "#." comment: UTF-8 text, C-like
// escapes for controls and for blanks at either end, and \xHH for bytes of the code page that have no UTF-8
// form.
std::string EncodeLine(const std::string& bytes, int codePage) {
    std::string utf8;
    const bool convertible = ToUtf8(bytes, codePage, utf8);
    const std::string& text = convertible ? utf8 : bytes;
    size_t trailing = text.size();
    while (trailing > 0 && text[trailing - 1] == ' ') --trailing;
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        char escaped[8];
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '@' && i == 0) {
            out += "\\@";
        } else if (qml::IsAsciiControl(text[i]) || (c >= 0x80 && !convertible) ||
                   (c == ' ' && (i == 0 || i >= trailing))) {
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string DecodeLine(const std::string& encoded, int codePage) {
    std::string out, utf8;
    auto flush = [&]() {
        out += FromUtf8(utf8, codePage);
        utf8.clear();
    };
    for (size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '\\' || i + 1 >= encoded.size()) {
            utf8 += encoded[i];
            continue;
        }
        const char c = encoded[++i];
        if (c == 'r')
            utf8 += '\r';
        else if (c == 'n')
            utf8 += '\n';
        else if (c == 't')
            utf8 += '\t';
        else if (c == 'x' && i + 2 < encoded.size()) {
            flush();
            out += static_cast<char>(std::strtol(encoded.substr(i + 1, 2).c_str(), nullptr, 16));
            i += 2;
        } else {
            utf8 += c;  // \\ and \@
        }
    }
    flush();
    return out;
}

bool NeedsQuotes(const std::string& value) {
    if (value.empty()) return false;
    const char first = value.front(), last = value.back();
    return first == ' ' || first == '\t' || last == ' ' || last == '\t' ||
           (value.size() > 1 && (first == '"' || first == '\'') && last == first);
}

std::string EntryLine(const std::string& key, const std::string& value) {
    if (value.empty()) return PlaceholderLine(key);
    return key + "=" + (NeedsQuotes(value) ? "\"" + value + "\"" : value);
}

struct OutLine {
    std::string text;
    std::string end;
    bool explicitEnd = false;
};

// A decoded "#." line: its text, and its end when it carried one.
OutLine SplitEnd(const std::string& decoded) {
    OutLine line{decoded, "", false};
    if (!line.text.empty() && line.text.back() == '\n') {
        line.text.pop_back();
        line.end = "\n";
        if (!line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.end = "\r\n";
        }
        line.explicitEnd = true;
    }
    return line;
}

// A carried entry line with a new value: its layout kept up to the '=', the value quoted when
// the reader would otherwise trim or unquote it.
std::string Relayout(const std::string& raw, const std::string& value) {
    std::string text = raw;
    const size_t first = text.find_first_not_of(" \t");
    if (first != std::string::npos && text[first] == ';') text.erase(first, 1);
    const size_t equals = text.find('=');
    if (equals == std::string::npos) return text;
    size_t trailing = text.size();
    while (trailing > equals + 1 && (text[trailing - 1] == ' ' || text[trailing - 1] == '\t')) --trailing;
    size_t start = equals + 1;
    while (start < trailing && (text[start] == ' ' || text[start] == '\t')) ++start;
    return text.substr(0, start) + (NeedsQuotes(value) ? "\"" + value + "\"" : value) + text.substr(trailing);
}

}  // namespace

std::string ExportPo(const LanguageDocument& document, int codePage) {
    const std::string usual = document.UsualLineEnd();
    const std::vector<DocumentLine>& lines = document.Lines();
    const bool finalWithoutEnd = !lines.empty() && lines.back().end.empty();
    std::string body, carried;
    std::set<std::pair<std::string, std::string>> exported;
    for (size_t i = 0; i < lines.size(); ++i) {
        const DocumentLine& line = lines[i];
        const std::string expectedEnd = i + 1 == lines.size() && finalWithoutEnd ? "" : usual;
        const std::string bytes = line.text + (line.end == expectedEnd ? "" : line.end);
        std::string section, key, value;
        bool entry = false;
        if (line.key.empty()) {
            // "=value" names no key; PO keeps its empty msgid for the header.
        } else if (line.kind == DocumentLine::kEntry && line.read && line.hasValue) {
            entry = true;
        } else if (line.kind == DocumentLine::kPlaceholder && !line.sectionRepeat &&
                   !document.Find(line.section, line.key)) {
            entry = true;
        }
        const bool textual = ToUtf8(line.section, codePage, section) && ToUtf8(line.key, codePage, key);
        if (entry && textual && exported.insert({LowerAscii(line.section), LowerAscii(line.key)}).second) {
            const bool exactValue = ToUtf8(line.value, codePage, value);
            body += "\n" + carried;
            carried.clear();
            const std::string canonical = line.kind == DocumentLine::kPlaceholder
                                              ? PlaceholderLine(line.key)
                                              : EntryLine(line.key, line.value);
            if (!exactValue || line.text != canonical || line.end != expectedEnd)
                body += "#. " + std::string(kEntryMark) + EncodeLine(bytes, codePage) + "\n";
            body += PoField("msgctxt", section) + PoField("msgid", key) + PoField("msgstr", value);
        } else {
            carried += "#. " + EncodeLine(bytes, codePage) + "\n";
        }
    }
    std::string header =
        "MIME-Version: 1.0\nContent-Type: text/plain; charset=UTF-8\nContent-Transfer-Encoding: 8bit\n";
    header += "X-Quorvel-Code-Page: " + std::to_string(codePage) + "\n";
    header += std::string("X-Quorvel-Line-End: ") + (usual == "\n" ? "LF" : "CRLF") + "\n";
    if (finalWithoutEnd) header += "X-Quorvel-Final-Line-End: no\n";
    if (document.HasByteOrderMark()) header += "X-Quorvel-Byte-Order-Mark: yes\n";
    return carried + PoField("msgid", "") + PoField("msgstr", header) + body;
}

std::string ImportPo(const std::string& poText, const std::string& name, int codePage) {
    std::vector<PoEntry> entries = ParsePo(poText, name);
    PoEntry header;
    if (!entries.empty() && entries.front().id.empty() && !entries.front().hasContext) {
        header = entries.front();
        entries.erase(entries.begin());
    }
    if (codePage == 0) codePage = std::atoi(PoHeaderField(header.translation, "X-Quorvel-Code-Page").c_str());
    if (codePage <= 0)
        throw RunError(name + ": the PO header names no X-Quorvel-Code-Page; give --code-page");
    const std::string usual = PoHeaderField(header.translation, "X-Quorvel-Line-End") == "LF" ? "\n" : "\r\n";

    std::vector<OutLine> lines;
    std::string section;
    auto carry = [&](const std::string& comment) {
        OutLine line = SplitEnd(DecodeLine(comment, codePage));
        const std::string trimmed = TrimBlanks(line.text);
        if (!trimmed.empty() && trimmed[0] == '[') {
            const size_t close = trimmed.rfind(']');
            section =
                TrimBlanks(close == std::string::npos ? trimmed.substr(1) : trimmed.substr(1, close - 1));
        }
        lines.push_back(line);
    };
    for (const PoEntry& entry : entries) {
        const std::string where = name + ":" + std::to_string(entry.line);
        std::string raw;
        bool hasRaw = false;
        for (const std::string& comment : entry.extractedComments) {
            if (comment.compare(0, sizeof kEntryMark - 1, kEntryMark) == 0) {
                raw = DecodeLine(comment.substr(sizeof kEntryMark - 1), codePage);
                hasRaw = true;
            } else {
                carry(comment);
            }
        }
        const std::string key = FromUtf8(entry.id, codePage);
        const std::string value = FromUtf8(entry.translation, codePage);
        if (entry.id.find_first_of("=\r\n") != std::string::npos || TrimBlanks(key).empty())
            throw RunError(where + ": the key '" + entry.id + "' cannot be written in a language file");
        if (entry.translation.find_first_of("\r\n") != std::string::npos)
            throw RunError(where + ": the translation of '" + entry.id + "' holds a line break");
        const std::string context = FromUtf8(entry.context, codePage);
        if (entry.hasContext && !SameName(TrimBlanks(context), section)) {
            lines.push_back({"[" + context + "]", "", false});
            section = TrimBlanks(context);
        }
        if (!hasRaw) {
            lines.push_back({EntryLine(key, value), "", false});
            continue;
        }
        OutLine line = SplitEnd(raw);
        const LanguageDocument parsed = LanguageDocument::Parse("[s]\n" + line.text);
        const DocumentLine& rawLine = parsed.Lines().back();
        std::string rawValue;
        ToUtf8(rawLine.value, codePage, rawValue);
        if (rawValue != entry.translation)
            line.text = value.empty() && rawLine.kind == DocumentLine::kPlaceholder
                            ? line.text
                            : Relayout(line.text, value);
        lines.push_back(line);
    }
    for (const std::string& comment : header.extractedComments) carry(comment);

    const bool finalWithoutEnd = PoHeaderField(header.translation, "X-Quorvel-Final-Line-End") == "no";
    std::string out =
        PoHeaderField(header.translation, "X-Quorvel-Byte-Order-Mark") == "yes" ? "\xEF\xBB\xBF" : "";
    for (size_t i = 0; i < lines.size(); ++i) {
        const bool last = i + 1 == lines.size();
        out += lines[i].text + (lines[i].explicitEnd ? lines[i].end : last && finalWithoutEnd ? "" : usual);
    }
    return out;
}

}  // namespace cli
