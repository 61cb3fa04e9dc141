// The phrase translator: one pass over a finished sentence, byte by byte, with the states
// Plain, Word (a word collected in the key) and Group (a {phrase} collected in the key).
// Words and groups are looked up; everything else is copied as it stands.
#include "translate/phrase_translator.h"

#include <array>
#include <cstring>

#include "language/language_state.h"
#include "translate/key_lookup.h"

namespace qml {

namespace {

// A word's translation has always been read through a buffer of 1023 bytes: its value is seen
// through its first 1021 bytes, an untranslated key through its first 1022.
constexpr std::size_t kWordValueLimit = 1021;
constexpr std::size_t kWordFallbackLimit = 1022;

bool IsLetter(unsigned char b) {
    return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}
bool IsWordByte(unsigned char b) {
    return IsLetter(b) || b == '_';
}
bool IsHighByte(unsigned char b) {
    return b >= 0x80;
}
// The neighbours that let DeleteSpace drop a space.
bool LetsSpaceDrop(unsigned char b) {
    return IsLetter(b) || b == '{' || b == '}' || b == '$';
}

// Bytes gathered for a key or for untranslated output. It holds a whole text, so no word,
// group or row of plain bytes is ever cut or overruns it.
class ByteCollector {
  public:
    void Add(char b) {
        if (m_length < kTextBufferSize - 1) m_bytes[static_cast<size_t>(m_length++)] = b;
    }
    void Add(const char* bytes, int count) {
        int room = kTextBufferSize - 1 - m_length;
        if (count > room) count = room;
        if (count <= 0) return;
        std::memcpy(m_bytes.data() + m_length, bytes, static_cast<size_t>(count));
        m_length += count;
    }
    bool IsEmpty() const { return m_length == 0; }
    std::string_view View() const { return std::string_view(m_bytes.data(), static_cast<size_t>(m_length)); }
    void Clear() { m_length = 0; }

  private:
    std::array<char, kTextBufferSize> m_bytes;  // valid up to m_length
    int m_length = 0;
};

class PhraseTranslator {
  public:
    // A text that holds a NUL (formatted from a "%c" of 0) gives keys that end at the NUL, as
    // the C strings that keys have always been.
    PhraseTranslator(std::string_view text, std::string& out)
        : m_text(text.data()),
          m_n(static_cast<int>(text.size())),
          m_keysEndAtNul(text.find('\0') != std::string_view::npos),
          m_out(out),
          m_lookup(kProgramOutStr) {}

    void Run() {
        int p = 0;
        while (p < m_n) p = HandleByte(p);
        EndStep();
    }

  private:
    // The byte at p; a NUL at p == n.
    unsigned char At(int p) const { return p < m_n ? static_cast<unsigned char>(m_text[p]) : 0; }

    // ---- the four operations ----

    void TranslateKey() {
        std::string_view key = m_key.View();
        if (m_keysEndAtNul) key = key.substr(0, key.find('\0'));
        m_lookup.Translate(key, m_out, kWordValueLimit, kWordFallbackLimit);
        m_key.Clear();
    }
    void AppendPlain() {
        m_out += m_plain.View();
        m_plain.Clear();
    }
    void CloseWord() {
        if (!m_wordOpen) return;
        m_wordOpen = false;
        TranslateKey();
    }

    // ---- the rules, the first that matches applies; each returns where to go on ----

    int HandleByte(int p) {
        unsigned char b = At(p);
        if (!m_inGroup && (b == '$' || IsHighByte(b))) return LiteralStretchOrRun(p);  // rule 1
        if (IsWordByte(b)) return WordBytes(p);                                        // rule 2
        if (b == '{') return OpeningBrace(p);                                          // rule 3
        if (b == '}') return ClosingBrace(p);                                          // rule 4
        return OtherByte(p);                                                           // rule 5
    }

    // Rule 1: a double-byte run, a $literal stretch$, "$$", or a dollar sign without a partner.
    int LiteralStretchOrRun(int p) {
        const char* start = m_text + p;
        if (IsHighByte(At(p))) {
            int length = static_cast<int>(FindDoubleByteRunEnd(start, m_text + m_n) - start);
            CopyUntranslated(start, length);
            return p + length;
        }
        const void* closing =
            p + 1 < m_n ? std::memchr(start + 1, '$', static_cast<size_t>(m_n - p - 1)) : nullptr;
        if (!closing) {
            DollarWithoutPartner();
            return p + 1;
        }
        int length = static_cast<int>(static_cast<const char*>(closing) - (start + 1));
        if (length == 0) {  // "$$" stands for one dollar sign
            m_afterWord = false;
            CloseWord();
            m_plain.Add('$');
            m_spaceDropped = false;
            return p + 2;
        }
        CopyUntranslated(start + 1, length);
        return p + length + 2;
    }

    // A stretch or run is copied whole, however long, after the key (even an empty one) and the
    // plain bytes before it. after-word keeps its value.
    void CopyUntranslated(const char* bytes, int length) {
        TranslateKey();
        AppendPlain();
        m_out.append(bytes, static_cast<size_t>(length));
        m_wordOpen = false;
        m_spaceDropped = false;
    }

    // A dollar sign without a partner: right after a word or group it belongs to a key.
    void DollarWithoutPartner() {
        if (m_afterWord) {
            JoinWord("$", 1);
            return;
        }
        CloseWord();
        m_plain.Add('$');
        m_spaceDropped = false;
    }

    // Rule 2, a word byte, taken with the word bytes that follow it: each of them would take
    // the same rule again and change nothing but the key.
    int WordBytes(int p) {
        int end = p + 1;
        while (end < m_n && IsWordByte(At(end))) ++end;
        JoinWord(m_text + p, end - p);
        return end;
    }
    void JoinWord(const char* bytes, int count) {
        m_spaceDropped = false;
        m_afterWord = true;
        if (!m_inGroup && !m_wordOpen) {  // a new word begins
            m_wordOpen = true;
            AppendPlain();
        }
        m_key.Add(bytes, count);
    }

    // Rule 3, an opening brace: a group, or a literal brace.
    int OpeningBrace(int p) {
        m_afterWord = false;
        if (p + 1 < m_n && At(p + 1) == '{') {  // "{{": one literal brace
            OrdinaryByte(p + 1);
            return p + 2;
        }
        if (m_inGroup) {  // braces do not nest
            OrdinaryByte(p);
            return p + 1;
        }
        m_spaceDropped = false;
        m_wordOpen = true;
        m_inGroup = true;
        if (p > 0) {
            // A word ending in a letter is looked up by itself; one ending in "_" or a joined
            // "$" stays in the key and leads the group's key.
            if (IsLetter(At(p - 1)))
                TranslateKey();
            else
                AppendPlain();
        }
        m_afterWord = true;
        return p + 1;
    }

    // Rule 4, a closing brace: the end of a group, or a literal brace.
    int ClosingBrace(int p) {
        m_afterWord = false;
        if (m_inGroup) {
            m_spaceDropped = false;
            m_wordOpen = false;
            TranslateKey();
            m_inGroup = false;
            m_afterWord = true;
            return p + 1;
        }
        if (p + 1 < m_n && At(p + 1) == '}') ++p;  // "}}": one literal brace
        CloseWord();
        m_plain.Add('}');
        m_spaceDropped = false;
        return p + 1;
    }

    // Rule 5, any other byte, with the disambiguator "(#...)" that stays attached to the key.
    int OtherByte(int p) {
        m_afterWord = false;
        if (At(p) == '(' && p < m_n - 3 && At(p + 1) == '#') {
            const void* found = std::memchr(m_text + p + 2, ')', static_cast<size_t>(m_n - p - 2));
            if (found) {
                int close = static_cast<int>(static_cast<const char*>(found) - m_text);
                m_key.Add(m_text + p, close - p + 1);
                OrdinaryByte(close + 1);  // the byte after ")" is not classified again
                return close + 2;
            }
        }
        OrdinaryByte(p);
        return p + 1;
    }

    // A byte that is no markup where it stands: inside a group it joins the key, outside one it
    // ends the word and goes to the plain bytes (a space by the space rule). At p == n, after a
    // disambiguator that ends the text, only the word is closed.
    void OrdinaryByte(int p) {
        char b = static_cast<char>(At(p));
        if (m_inGroup) {
            if (p >= m_n) return;
            m_key.Add(b);
            m_spaceDropped = false;
            return;
        }
        CloseWord();
        if (p >= m_n) return;
        if (b == ' ') {
            SpaceRule(p);
            return;
        }
        m_plain.Add(b);
        m_spaceDropped = false;
    }

    // With DeleteSpace on, one space next to a letter, a brace or a dollar sign of the English
    // text is dropped; in a row of spaces at most one goes.
    void SpaceRule(int p) {
        bool besideMarkup = (p > 0 && LetsSpaceDrop(At(p - 1))) || (p + 1 < m_n && LetsSpaceDrop(At(p + 1)));
        if (State().deleteSpace != 0 && !m_spaceDropped && besideMarkup) {
            m_spaceDropped = true;
            return;
        }
        m_plain.Add(' ');
    }

    void EndStep() {
        // A word at the end, a group that no "}" closed, or a disambiguator after no word.
        if (!m_key.IsEmpty()) TranslateKey();
        if (!m_plain.IsEmpty()) AppendPlain();
    }

    const char* m_text;
    int m_n;
    bool m_keysEndAtNul;
    std::string& m_out;
    KeyLookup m_lookup;
    ByteCollector m_key;
    ByteCollector m_plain;

    bool m_inGroup = false;
    bool m_wordOpen = false;
    bool m_afterWord = false;
    bool m_spaceDropped = false;
};

}  // namespace

const char* FindDoubleByteRunEnd(const char* start, const char* end) {
    const char* p = start;
    while (p < end && *p != '\0') {
        auto b = static_cast<unsigned char>(*p);
        if ((p - start) % 2 == 0 && b <= 127) break;
        ++p;
    }
    return p;
}

void TranslateText(std::string_view text, std::string& out) {
    out.clear();
    text = text.substr(0, kWorkingTextLimit);
    if (text.empty()) return;
    PhraseTranslator(text, out).Run();
}

std::string TranslateText(std::string_view text) {
    std::string out;
    TranslateText(text, out);
    return out;
}

}  // namespace qml
