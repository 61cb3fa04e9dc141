#include "translator/language_document.h"

#include <map>

#include "base/ascii.h"

namespace cli {

namespace {

const char kByteOrderMark[] = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string Unquote(const std::string& value) {
    if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// ";Key=" with nothing after the '=': what update writes for a key without a translation.
bool ParsePlaceholder(const std::string& trimmed, std::string& key) {
    if (trimmed.size() < 3 || trimmed[0] != ';' || trimmed[1] == ';' || IsBlank(trimmed[1])) return false;
    const size_t equals = trimmed.find('=');
    if (equals == std::string::npos || !TrimBlanks(trimmed.substr(equals + 1)).empty()) return false;
    key = TrimBlanks(trimmed.substr(1, equals - 1));
    return !key.empty();
}

}  // namespace

std::string TrimBlanks(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string LowerAscii(std::string text) {
    return qml::AsciiLowered(text);
}

bool SameName(const std::string& a, const std::string& b) {
    return qml::EqualIgnoringAsciiCase(a, b);
}

std::string PlaceholderLine(const std::string& key) {
    return ";" + key + "=";
}

LanguageDocument LanguageDocument::Parse(const std::string& bytes) {
    LanguageDocument document;
    size_t start = 0;
    if (bytes.compare(0, 3, kByteOrderMark) == 0) {
        document.m_bom = true;
        start = 3;
    }
    while (start < bytes.size()) {
        DocumentLine line;
        size_t feed = bytes.find('\n', start);
        size_t textEnd = feed == std::string::npos ? bytes.size() : feed;
        if (feed != std::string::npos) {
            line.end = "\n";
            if (textEnd > start && bytes[textEnd - 1] == '\r') {
                --textEnd;
                line.end = "\r\n";
            }
        }
        line.text = bytes.substr(start, textEnd - start);
        document.m_lines.push_back(std::move(line));
        start = feed == std::string::npos ? bytes.size() : feed + 1;
    }
    document.Classify();
    return document;
}

void LanguageDocument::Classify() {
    std::map<std::string, bool> sectionsSeen;  // lower-cased names
    std::map<std::string, bool> keysSeen;      // in the current first section
    std::string section;
    bool inSection = false, repeat = false;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        DocumentLine& line = m_lines[i];
        line.number = static_cast<int>(i) + 1;
        line.key.clear();
        line.value.clear();
        line.hasValue = line.read = false;
        // The reader stops a line at a NUL byte.
        std::string trimmed = TrimBlanks(line.text.substr(0, line.text.find('\0')));
        line.section = section;
        line.sectionRepeat = repeat;
        if (trimmed.empty()) {
            line.kind = DocumentLine::kBlank;
        } else if (trimmed[0] == ';') {
            line.kind = inSection && ParsePlaceholder(trimmed, line.key) ? DocumentLine::kPlaceholder
                                                                         : DocumentLine::kComment;
        } else if (trimmed[0] == '[') {
            const size_t close = trimmed.rfind(']');
            section =
                TrimBlanks(close == std::string::npos ? trimmed.substr(1) : trimmed.substr(1, close - 1));
            inSection = true;
            repeat = sectionsSeen.count(LowerAscii(section)) != 0;
            sectionsSeen[LowerAscii(section)] = true;
            keysSeen.clear();
            line.kind = DocumentLine::kSection;
            line.section = section;
            line.sectionRepeat = repeat;
        } else if (!inSection) {
            line.kind = DocumentLine::kStray;
        } else {
            line.kind = DocumentLine::kEntry;
            const size_t equals = trimmed.find('=');
            line.hasValue = equals != std::string::npos;
            line.key = TrimBlanks(trimmed.substr(0, equals));
            if (line.hasValue) line.value = Unquote(TrimBlanks(trimmed.substr(equals + 1)));
            line.read = !repeat && keysSeen.count(LowerAscii(line.key)) == 0;
            keysSeen[LowerAscii(line.key)] = true;
        }
    }
}

std::string LanguageDocument::Serialize() const {
    std::string bytes = m_bom ? kByteOrderMark : "";
    for (const DocumentLine& line : m_lines) bytes += line.text + line.end;
    return bytes;
}

std::string LanguageDocument::UsualLineEnd() const {
    size_t crlf = 0, lf = 0;
    for (const DocumentLine& line : m_lines) {
        if (line.end == "\r\n") ++crlf;
        if (line.end == "\n") ++lf;
    }
    return lf > crlf ? "\n" : "\r\n";
}

const DocumentLine* LanguageDocument::Find(const std::string& section, const std::string& key) const {
    const std::string wantedSection = TrimBlanks(section), wantedKey = TrimBlanks(key);
    for (const DocumentLine& line : m_lines)
        if (line.kind == DocumentLine::kEntry && line.read && SameName(line.section, wantedSection) &&
            SameName(line.key, wantedKey))
            return &line;
    return nullptr;
}

bool LanguageDocument::Translated(const std::string& section, const std::string& key) const {
    const DocumentLine* line = Find(section, key);
    return line && !line->value.empty();
}

bool LanguageDocument::HasPlaceholder(const std::string& section, const std::string& key) const {
    for (const DocumentLine& line : m_lines)
        if (line.kind == DocumentLine::kPlaceholder && !line.sectionRepeat &&
            SameName(line.section, section) && SameName(line.key, TrimBlanks(key)))
            return true;
    return false;
}

void LanguageDocument::AddPlaceholders(const std::string& section, const std::vector<std::string>& keys) {
    if (keys.empty()) return;
    const std::string end = UsualLineEnd();
    // After the last entry, placeholder or stray line of the section: blank lines and comments
    // that follow belong to the next section.
    size_t at = m_lines.size();
    bool found = false;
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const DocumentLine& line = m_lines[i];
        if (line.sectionRepeat || !SameName(line.section, section)) continue;
        if (line.kind == DocumentLine::kSection || line.kind == DocumentLine::kEntry ||
            line.kind == DocumentLine::kPlaceholder) {
            at = i + 1;
            found = true;
        }
    }
    std::vector<DocumentLine> added;
    if (!found) {
        if (!m_lines.empty() && m_lines.back().end.empty()) m_lines.back().end = end;
        if (!m_lines.empty() && m_lines.back().kind != DocumentLine::kBlank) added.push_back({});
        DocumentLine header;
        header.text = "[" + section + "]";
        added.push_back(header);
        at = m_lines.size();
    } else if (at == m_lines.size() && m_lines.back().end.empty()) {
        m_lines.back().end = end;
    }
    for (const std::string& key : keys) {
        DocumentLine line;
        line.text = PlaceholderLine(key);
        added.push_back(line);
    }
    for (DocumentLine& line : added) line.end = end;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), added.begin(), added.end());
    Classify();
}

}  // namespace cli
