#include "translator/po_text.h"

#include <cstdio>

#include "arguments.h"
#include "base/ascii.h"
#include "translator/escapes.h"
#include "translator/language_document.h"

namespace cli {

namespace {

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                if (qml::IsAsciiControl(c)) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\%03o", c);
                    out += escaped;
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

// The text of one quoted PO string starting at text[at] == '"'; false when it is malformed.
bool Unquote(const std::string& text, size_t at, std::string& out) {
    if (at >= text.size() || text[at] != '"') return false;
    for (++at; at < text.size(); ++at) {
        char c = text[at];
        if (c == '"') return TrimBlanks(text.substr(at + 1)).empty();
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++at >= text.size()) return false;
        c = text[at];
        if (const char byte = SimpleEscapeByte(c)) {
            out += byte;
            continue;
        }
        if (c >= '0' && c <= '7') {
            int value = 0;
            for (int n = 0; n < 3 && at < text.size() && text[at] >= '0' && text[at] <= '7'; ++n, ++at)
                value = value * 8 + (text[at] - '0');
            --at;
            out += static_cast<char>(value);
        } else {
            out += c;
        }
    }
    return false;
}

}  // namespace

std::string PoField(const std::string& keyword, const std::string& text) {
    const size_t feed = text.find('\n');
    if (feed == std::string::npos || feed + 1 == text.size()) return keyword + " " + Quote(text) + "\n";
    std::string out = keyword + " \"\"\n";
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        out += Quote(text.substr(start, end - start)) + "\n";
        start = end;
    }
    return out;
}

std::vector<PoEntry> ParsePo(const std::string& text, const std::string& name) {
    std::vector<PoEntry> entries;
    PoEntry entry;
    std::string* field = nullptr;
    bool hasId = false, hasTranslation = false;
    auto finish = [&]() {
        if (hasId) {
            if (!hasTranslation)
                throw RunError(name + ":" + std::to_string(entry.line) + ": msgid without msgstr");
            entries.push_back(entry);
        }
        entry = PoEntry();
        field = nullptr;
        hasId = hasTranslation = false;
    };
    size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string trimmed = TrimBlanks(line);
        const std::string where = name + ":" + std::to_string(number);
        if (trimmed.empty()) continue;
        if (trimmed[0] == '#') {
            if (hasTranslation) finish();
            if (trimmed.compare(0, 2, "#.") == 0) {
                std::string comment = line.substr(line.find("#.") + 2);
                if (!comment.empty() && comment[0] == ' ') comment.erase(0, 1);
                entry.extractedComments.push_back(comment);
            } else if (trimmed.compare(0, 2, "#,") == 0) {
                std::string flags = trimmed.substr(2);
                size_t at = 0;
                while (at < flags.size()) {
                    size_t comma = flags.find(',', at);
                    if (comma == std::string::npos) comma = flags.size();
                    const std::string flag = TrimBlanks(flags.substr(at, comma - at));
                    if (!flag.empty()) entry.flags.push_back(flag);
                    at = comma + 1;
                }
            }
            continue;  // references, translator comments, previous msgids and obsolete entries
        }
        std::string value;
        if (trimmed[0] == '"') {
            if (!field || !Unquote(trimmed, 0, value))
                throw RunError(where + ": a string where none belongs");
            *field += value;
            continue;
        }
        const size_t space = trimmed.find_first_of(" \t");
        const std::string keyword = trimmed.substr(0, space);
        if (space == std::string::npos || !Unquote(trimmed, trimmed.find('"'), value))
            throw RunError(where + ": malformed line");
        if (keyword == "msgctxt") {
            if (hasId) finish();
            entry.hasContext = true;
            entry.context = value;
            field = &entry.context;
        } else if (keyword == "msgid") {
            if (hasId) finish();
            hasId = true;
            entry.line = number;
            entry.id = value;
            field = &entry.id;
        } else if (keyword == "msgstr" && hasId && !hasTranslation) {
            hasTranslation = true;
            entry.translation = value;
            field = &entry.translation;
        } else if (keyword == "msgid_plural" || keyword.compare(0, 7, "msgstr[") == 0) {
            throw RunError(where + ": plural forms have no place in a language file");
        } else {
            throw RunError(where + ": unexpected '" + keyword + "'");
        }
    }
    finish();
    return entries;
}

std::string PoHeaderField(const std::string& header, const std::string& field) {
    size_t start = 0;
    while (start < header.size()) {
        size_t end = header.find('\n', start);
        if (end == std::string::npos) end = header.size();
        const std::string line = header.substr(start, end - start);
        const size_t colon = line.find(':');
        if (colon != std::string::npos && SameName(TrimBlanks(line.substr(0, colon)), field))
            return TrimBlanks(line.substr(colon + 1));
        start = end + 1;
    }
    return "";
}

}  // namespace cli
