#include "support/reference_translation.h"

#include <cctype>
#include <optional>

#include "platform/os.h"
#include "util/utf8_text.h"

namespace qml_fuzz {

namespace {

constexpr const char kMarker[] = "/NoSpecifyThisWord/";
constexpr int kTextLimit = 1023;

bool IsLetter(unsigned char b) {
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

std::string Lowered(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Uppered(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

bool IsAsciiText(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

// A key as the file holds it: converted into UTF-8 for a UTF-8 file when it is not ASCII.
std::optional<std::string> InFileEncoding(const ReferenceLanguage& language, const std::string& key) {
    if (language.utf8FileCodePage == 0 || IsAsciiText(key)) return key;
    std::string utf8;
    if (!qml::os::CodePageToUtf8(language.utf8FileCodePage, key, utf8)) return std::nullopt;
    return utf8;
}

// A value of a UTF-8 file in the code page: invalid sequences read as U+FFFD first.
std::string ServedFromUtf8(const ReferenceLanguage& language, const std::string& value) {
    if (IsAsciiText(value)) return value;
    std::string text;
    qml::os::Utf8ToCodePage(language.utf8FileCodePage, qml::ValidUtf8(value.c_str()), text);
    return text;
}

// One try of the key lookup: the translation, "" for the marker, nothing when not found.
std::optional<std::string> Try(const ReferenceLanguage& language, const std::string& tryKey, int size,
                               const std::string& section) {
    if (!language.file) return std::nullopt;
    const std::optional<std::string> fileKey = InFileEncoding(language, tryKey);
    if (!fileKey) return std::nullopt;
    std::optional<std::string> value = language.file->Value(section, *fileKey);
    if (!value) return std::nullopt;
    if (language.utf8FileCodePage != 0) value = ServedFromUtf8(language, *value);
    // The reader is given size - 1 bytes: at most size - 2 characters arrive.
    std::string got = Cut(*value, size - 2);
    if (got == kMarker) return std::string();
    if (got.empty()) return std::nullopt;
    if (language.english && IsLetter(static_cast<unsigned char>(got[0]))) {
        const char first = tryKey.empty() ? '\0' : tryKey[0];
        const bool lower = first >= 'a' && first <= 'z';
        got[0] = lower ? static_cast<char>(std::tolower(static_cast<unsigned char>(got[0])))
                       : static_cast<char>(std::toupper(static_cast<unsigned char>(got[0])));
    }
    return got;
}

// The phrase translator's rules, one byte at a time, as a state machine over four flags.
class Phrase {
  public:
    Phrase(const ReferenceLanguage& language, const std::string& text) : m_language(language), m_text(text) {}

    std::string Run() {
        const int n = static_cast<int>(m_text.size());
        int p = 0;
        while (p < n) p = Byte(p);
        if (!m_key.empty()) TranslateKey();
        if (!m_plain.empty()) AppendPlain();
        return m_out;
    }

  private:
    int N() const { return static_cast<int>(m_text.size()); }
    unsigned char At(int p) const { return p < N() ? static_cast<unsigned char>(m_text[p]) : 0; }

    void TranslateKey() {
        m_out += ReferenceKeyLookup(m_language, m_key, kTextLimit, "ProgramOutStr");
        m_key.clear();
    }
    void AppendPlain() {
        m_out += m_plain;
        m_plain.clear();
    }
    void CloseWord() {
        if (!m_wordOpen) return;
        m_wordOpen = false;
        TranslateKey();
    }

    // A word byte (or a dollar sign that joins a word) joins the key.
    void WordByte(char b) {
        m_spaceDropped = false;
        m_afterWord = true;
        if (!m_inGroup && !m_wordOpen) {
            m_wordOpen = true;
            AppendPlain();
        }
        m_key += b;
    }

    // An ordinary byte at p (the terminating NUL when p == n): into the group's key, or, outside
    // a group, a space that DeleteSpace may drop, or a plain byte.
    void Ordinary(int p) {
        if (m_inGroup) {
            if (p >= N()) return;
            m_key += m_text[p];
            m_spaceDropped = false;
            return;
        }
        CloseWord();
        if (p >= N()) return;
        if (m_text[p] == ' ') {
            auto lets = [](unsigned char b) { return IsLetter(b) || b == '{' || b == '}' || b == '$'; };
            const bool beside = (p > 0 && lets(At(p - 1))) || (p + 1 < N() && lets(At(p + 1)));
            if (m_language.deleteSpace && !m_spaceDropped && beside) {
                m_spaceDropped = true;
            } else {
                m_plain += ' ';
            }
            return;
        }
        m_plain += m_text[p];
        m_spaceDropped = false;
    }

    // Copies a literal stretch or a double-byte run after the key and the plain bytes.
    void Untranslated(const std::string& bytes) {
        TranslateKey();
        AppendPlain();
        m_out += bytes;
        m_wordOpen = false;
        m_spaceDropped = false;
    }

    int Byte(int p) {
        const unsigned char b = At(p);
        if (!m_inGroup && b >= 0x80) {
            // The run: pairs whose first byte is high, up to the NUL.
            int end = p;
            while (end < N() && !((end - p) % 2 == 0 && At(end) <= 127)) ++end;
            Untranslated(m_text.substr(p, end - p));
            return end;
        }
        if (!m_inGroup && b == '$') {
            const size_t close = p + 1 < N() ? m_text.find('$', p + 1) : std::string::npos;
            if (close == std::string::npos) {
                if (m_afterWord) {
                    WordByte('$');
                } else {
                    CloseWord();
                    m_plain += '$';
                    m_spaceDropped = false;
                }
                return p + 1;
            }
            const int length = static_cast<int>(close) - p - 1;
            if (length == 0) {
                m_afterWord = false;
                CloseWord();
                m_plain += '$';
                m_spaceDropped = false;
                return p + 2;
            }
            Untranslated(m_text.substr(p + 1, length));
            return static_cast<int>(close) + 1;
        }
        if (IsLetter(b) || b == '_') {
            WordByte(static_cast<char>(b));
            return p + 1;
        }
        if (b == '{') {
            m_afterWord = false;
            if (p + 1 < N() && At(p + 1) == '{') {
                Ordinary(p + 1);
                return p + 2;
            }
            if (m_inGroup) {
                Ordinary(p);
                return p + 1;
            }
            m_spaceDropped = false;
            m_wordOpen = true;
            m_inGroup = true;
            if (p > 0) {
                if (IsLetter(At(p - 1)))
                    TranslateKey();
                else
                    AppendPlain();
            }
            m_afterWord = true;
            return p + 1;
        }
        if (b == '}') {
            m_afterWord = false;
            if (m_inGroup) {
                m_spaceDropped = false;
                m_wordOpen = false;
                TranslateKey();
                m_inGroup = false;
                m_afterWord = true;
                return p + 1;
            }
            if (p + 1 < N() && At(p + 1) == '}') ++p;
            CloseWord();
            m_plain += '}';
            m_spaceDropped = false;
            return p + 1;
        }
        m_afterWord = false;
        if (b == '(' && p < N() - 3 && At(p + 1) == '#') {
            const size_t close = m_text.find(')', p + 2);
            if (close != std::string::npos) {
                m_key += m_text.substr(p, close - p + 1);
                Ordinary(static_cast<int>(close) + 1);
                return static_cast<int>(close) + 2;
            }
        }
        Ordinary(p);
        return p + 1;
    }

    const ReferenceLanguage& m_language;
    const std::string m_text;
    std::string m_key, m_plain, m_out;
    bool m_inGroup = false, m_wordOpen = false, m_afterWord = false, m_spaceDropped = false;
};

std::string TrimmedWhiteSpace(const std::string& text) {
    const char* space = " \t\n\v\f\r";
    size_t first = text.find_first_not_of(space);
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(space) - first + 1);
}

}  // namespace

std::string Cut(const std::string& text, int n) {
    if (n <= 0) return std::string();
    return text.substr(0, static_cast<size_t>(n));
}

std::string ReferenceWithoutDisambiguator(const std::string& key) {
    const size_t hash = key.rfind('#');
    if (hash == std::string::npos || key.size() - hash < 3 || hash == 0 || key[hash - 1] != '(') return key;
    for (size_t i = hash + 1; i < key.size(); ++i)
        if (!((key[i] >= '0' && key[i] <= '9') || key[i] == ')')) return key;
    return key.substr(0, hash - 1);
}

std::string ReferenceKeyLookup(const ReferenceLanguage& language, const std::string& key, int size,
                               const std::string& section) {
    if (auto found = Try(language, key, size, section)) return *found;
    const std::string retry = Cut(key, 1023);
    if (auto found = Try(language, Lowered(retry), size, section)) return *found;
    if (auto found = Try(language, Uppered(retry), size, section)) return *found;
    return Cut(ReferenceWithoutDisambiguator(key), size - 1);
}

std::string ReferencePhrase(const ReferenceLanguage& language, const std::string& text) {
    return Phrase(language, Cut(text, kTextLimit)).Run();
}

std::string ReferenceCaption(const ReferenceLanguage& language, const std::string& caption, int size) {
    if (caption.empty()) return std::string();
    std::string work = Cut(caption, 255);

    char letter = 0;
    int accelerator = -1;
    const size_t amp = work.find('&');
    if (amp != std::string::npos) {
        accelerator = static_cast<int>(amp);
        if (amp > 0 && work[amp - 1] == '(') return Cut(work, size - 1);
        if (amp + 1 < work.size() && std::isalnum(static_cast<unsigned char>(work[amp + 1])) &&
            static_cast<unsigned char>(work[amp + 1]) < 0x80)
            letter = static_cast<char>(std::toupper(static_cast<unsigned char>(work[amp + 1])));
        work.erase(amp, 1);
    }

    std::string core, ellipsis, shortcut;
    const size_t e = work.find("...");
    if (e != std::string::npos) {
        size_t s = e;
        while (s > 0 && work[s - 1] == ' ') --s;
        size_t f = e;
        while (f < work.size() && work[f] == '.') ++f;
        core = work.substr(0, s);
        ellipsis = work.substr(s, f - s);
    }
    const size_t t = work.find('\t');
    if (t != std::string::npos) {
        if (core.empty()) core = work.substr(0, t);
        shortcut = work.substr(t);
    }
    if (core.empty()) core = work;

    std::string translation = Cut(ReferencePhrase(language, TrimmedWhiteSpace(core)), size - 2);
    if (letter != 0) {
        if (language.isAlpha) {
            int position = -1;
            for (size_t i = 0; i < translation.size(); ++i) {
                const auto c = static_cast<unsigned char>(translation[i]);
                if (c >= 0x80) {
                    ++i;  // a double-byte character is one unit
                    continue;
                }
                if (std::toupper(c) == static_cast<unsigned char>(letter)) {
                    position = static_cast<int>(i);
                    break;
                }
            }
            const int length = static_cast<int>(translation.size());
            if (position < 0) position = accelerator >= length ? length - 1 : accelerator;
            if (position >= 0 && position < length) translation.insert(static_cast<size_t>(position), 1, '&');
        } else {
            translation += std::string("(&") + letter + ")";
        }
    }
    translation += ellipsis + shortcut;
    return Cut(translation, size - 1);
}

}  // namespace qml_fuzz
