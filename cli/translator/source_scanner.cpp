#include "translator/source_scanner.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "base/utf8.h"
#include "translator/escapes.h"

namespace cli {

namespace {

struct Token {
    enum Kind { kIdentifier, kString, kWideString, kNumber, kCharacter, kPunctuation };
    Kind kind;
    std::string text;  // kString: the decoded bytes
    int line;
};

bool IsIdentifierStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentifierChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

class Lexer {
  public:
    explicit Lexer(const std::string& source) {
        // Line splices go first, as in translation phase 2; each byte keeps its line.
        int line = 1;
        for (size_t i = 0; i < source.size(); ++i) {
            if (source[i] == '\\') {
                size_t j = i + 1;
                if (j < source.size() && source[j] == '\r') ++j;
                if (j < source.size() && source[j] == '\n') {
                    ++line;
                    i = j;
                    continue;
                }
            }
            m_text += source[i];
            m_lines.push_back(line);
            if (source[i] == '\n') ++line;
        }
    }

    std::vector<Token> Tokens() {
        std::vector<Token> tokens;
        bool lineStart = true;
        while (m_at < m_text.size()) {
            const char c = m_text[m_at];
            if (c == '\n') {
                lineStart = true;
                ++m_at;
            } else if (std::isspace(static_cast<unsigned char>(c))) {
                ++m_at;
            } else if (Starts("//")) {
                while (m_at < m_text.size() && m_text[m_at] != '\n') ++m_at;
            } else if (Starts("/*")) {
                const size_t close = m_text.find("*/", m_at + 2);
                m_at = close == std::string::npos ? m_text.size() : close + 2;
            } else if (c == '#' && lineStart && SkipsDirective()) {
                // #error and friends hold free text whose quotes pair with nothing.
            } else {
                lineStart = false;
                tokens.push_back(Next());
            }
        }
        return tokens;
    }

  private:
    bool Starts(const char* text) const {
        return m_text.compare(m_at, std::char_traits<char>::length(text), text) == 0;
    }
    int Line(size_t at) const { return m_lines.empty() ? 1 : m_lines[std::min(at, m_lines.size() - 1)]; }

    bool SkipsDirective() {
        size_t at = m_at + 1;
        while (at < m_text.size() && (m_text[at] == ' ' || m_text[at] == '\t')) ++at;
        size_t end = at;
        while (end < m_text.size() && IsIdentifierChar(m_text[end])) ++end;
        const std::string name = m_text.substr(at, end - at);
        if (name != "error" && name != "warning" && name != "pragma" && name != "include") return false;
        while (m_at < m_text.size() && m_text[m_at] != '\n') ++m_at;
        return true;
    }

    Token Next() {
        const size_t start = m_at;
        const int line = Line(start);
        const char c = m_text[m_at];
        if (IsIdentifierStart(c)) {
            while (m_at < m_text.size() && IsIdentifierChar(m_text[m_at])) ++m_at;
            const std::string word = m_text.substr(start, m_at - start);
            if (m_at < m_text.size() && m_text[m_at] == '"') {
                static const char* const kPrefixes[] = {"L", "u8", "u", "U", "R", "LR", "u8R", "uR", "UR"};
                for (const char* prefix : kPrefixes) {
                    if (word != prefix) continue;
                    const bool narrow = word == "u8" || word == "R" || word == "u8R";
                    std::string text = word.back() == 'R' ? RawString() : QuotedString('"');
                    return {narrow ? Token::kString : Token::kWideString, text, line};
                }
            }
            return {Token::kIdentifier, word, line};
        }
        if (std::isdigit(static_cast<unsigned char>(c)) ||
            (c == '.' && m_at + 1 < m_text.size() &&
             std::isdigit(static_cast<unsigned char>(m_text[m_at + 1])))) {
            // A pp-number: digit separators and exponent signs included.
            ++m_at;
            while (m_at < m_text.size()) {
                const char d = m_text[m_at];
                if ((d == '+' || d == '-') && std::strchr("eEpP", m_text[m_at - 1])) {
                    ++m_at;
                } else if (IsIdentifierChar(d) || d == '.' ||
                           (d == '\'' && m_at + 1 < m_text.size() && IsIdentifierChar(m_text[m_at + 1]))) {
                    ++m_at;
                } else {
                    break;
                }
            }
            return {Token::kNumber, m_text.substr(start, m_at - start), line};
        }
        if (c == '"') return {Token::kString, QuotedString('"'), line};
        if (c == '\'') return {Token::kCharacter, QuotedString('\''), line};
        ++m_at;
        return {Token::kPunctuation, std::string(1, c), line};
    }

    // From the opening quote at m_at to past the closing one, escapes decoded. An unclosed
    // literal ends at the end of its line.
    std::string QuotedString(char quote) {
        std::string out;
        ++m_at;
        while (m_at < m_text.size() && m_text[m_at] != quote && m_text[m_at] != '\n') {
            char c = m_text[m_at++];
            if (c != '\\' || m_at >= m_text.size()) {
                out += c;
                continue;
            }
            c = m_text[m_at++];
            if (const char byte = SimpleEscapeByte(c)) {
                out += byte;
                continue;
            }
            switch (c) {
                case 'x': {
                    unsigned long value = 0;
                    while (m_at < m_text.size() && HexDigit(m_text[m_at]) >= 0)
                        value = (value << 4 | static_cast<unsigned long>(HexDigit(m_text[m_at++]))) & 0xFFFF;
                    out += static_cast<char>(value & 0xFF);
                    break;
                }
                case 'u':
                case 'U': {
                    unsigned long value = 0;
                    for (int n = c == 'u' ? 4 : 8;
                         n > 0 && m_at < m_text.size() && HexDigit(m_text[m_at]) >= 0; --n)
                        value = value << 4 | static_cast<unsigned long>(HexDigit(m_text[m_at++]));
                    qml::AppendUtf8(out, value);
                    break;
                }
                default:
                    if (c >= '0' && c <= '7') {
                        unsigned value = static_cast<unsigned>(c - '0');
                        for (int n = 1;
                             n < 3 && m_at < m_text.size() && m_text[m_at] >= '0' && m_text[m_at] <= '7'; ++n)
                            value = value * 8 + static_cast<unsigned>(m_text[m_at++] - '0');
                        out += static_cast<char>(value & 0xFF);
                    } else {
                        out += c;  // \\ \" \' \? and unknown escapes
                    }
            }
        }
        if (m_at < m_text.size() && m_text[m_at] == quote) ++m_at;
        return out;
    }

    // R"delimiter( ... )delimiter": every byte as written.
    std::string RawString() {
        const size_t open = m_text.find('(', m_at);
        if (open == std::string::npos) return QuotedString('"');
        const std::string delimiter = ")" + m_text.substr(m_at + 1, open - m_at - 1) + "\"";
        const size_t close = m_text.find(delimiter, open + 1);
        const size_t end = close == std::string::npos ? m_text.size() : close;
        std::string text = m_text.substr(open + 1, end - open - 1);
        m_at = close == std::string::npos ? m_text.size() : close + delimiter.size();
        return text;
    }

    std::string m_text;
    std::vector<int> m_lines;
    size_t m_at = 0;
};

bool IsPunctuation(const Token& token, char c) {
    return token.kind == Token::kPunctuation && token.text[0] == c;
}

// An argument's tokens: literals (possibly in _T()/TEXT() or after a cast), a null pointer,
// or anything else.
CallArgument Classify(const std::vector<Token>& tokens, size_t begin, size_t end) {
    CallArgument argument;
    if (begin >= end) return argument;
    argument.line = tokens[begin].line;
    if (end - begin == 1 && tokens[begin].kind == Token::kIdentifier &&
        (tokens[begin].text == "NULL" || tokens[begin].text == "nullptr")) {
        argument.kind = CallArgument::kNull;
        return argument;
    }
    if (end - begin == 1 && tokens[begin].kind == Token::kNumber && tokens[begin].text == "0") {
        argument.kind = CallArgument::kNull;
        return argument;
    }
    // A cast such as (char*) or (LPSTR) before the literal.
    if (IsPunctuation(tokens[begin], '(')) {
        size_t close = begin + 1;
        while (close < end && (tokens[close].kind == Token::kIdentifier || IsPunctuation(tokens[close], '*')))
            ++close;
        if (close < end && close > begin + 1 && IsPunctuation(tokens[close], ')')) begin = close + 1;
    }
    // _T("...") and TEXT("...") are narrow in the builds this library serves.
    if (end - begin >= 4 && tokens[begin].kind == Token::kIdentifier &&
        (tokens[begin].text == "_T" || tokens[begin].text == "TEXT" || tokens[begin].text == "_TEXT") &&
        IsPunctuation(tokens[begin + 1], '(') && IsPunctuation(tokens[end - 1], ')')) {
        begin += 2;
        --end;
    }
    if (begin >= end) return argument;
    std::string text;
    for (size_t i = begin; i < end; ++i) {
        if (tokens[i].kind != Token::kString) return argument;
        text += tokens[i].text;
    }
    argument.kind = CallArgument::kLiteral;
    argument.text = text;
    argument.line = tokens[begin].line;
    return argument;
}

}  // namespace

std::vector<SourceCall> FindCalls(const std::string& source, const std::vector<std::string>& functions) {
    const std::vector<Token> tokens = Lexer(source).Tokens();
    std::vector<SourceCall> calls;
    for (size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i].kind != Token::kIdentifier || !IsPunctuation(tokens[i + 1], '(') ||
            std::find(functions.begin(), functions.end(), tokens[i].text) == functions.end())
            continue;
        SourceCall call;
        call.function = tokens[i].text;
        call.line = tokens[i].line;
        int depth = 0;
        size_t argumentStart = i + 2;
        for (size_t j = i + 2; j < tokens.size(); ++j) {
            const Token& token = tokens[j];
            if (IsPunctuation(token, '(') || IsPunctuation(token, '[') || IsPunctuation(token, '{')) {
                ++depth;
            } else if (IsPunctuation(token, ']') || IsPunctuation(token, '}')) {
                --depth;
            } else if (IsPunctuation(token, ')') && depth > 0) {
                --depth;
            } else if ((IsPunctuation(token, ')') || IsPunctuation(token, ',')) && depth == 0) {
                if (!(IsPunctuation(token, ')') && j == i + 2))
                    call.arguments.push_back(Classify(tokens, argumentStart, j));
                argumentStart = j + 1;
                if (IsPunctuation(token, ')')) break;
            } else if (IsPunctuation(token, ';') && depth == 0) {
                break;  // not a call after all: a cut-off declaration or macro
            }
        }
        calls.push_back(std::move(call));
    }
    return calls;
}

}  // namespace cli
