// The phrase translator: one pass over a finished sentence, byte by byte, with the states
// Plain, Word (a word collected in the key) and Group (a {phrase} collected in the key).
// Words and groups are looked up; everything else is copied as it stands.
#include "translate/phrase_translator.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "base/ascii.h"
#include "base/code_page_pairs.h"
#include "language/language_state.h"
#include "translate/key_lookup.h"

namespace qml {

namespace {

// A word's translation has always been read through a buffer of 1023 bytes: its value is seen
// through its first 1021 bytes, an untranslated key through its first 1022.
constexpr std::size_t kWordValueLimit = 1021;
constexpr std::size_t kWordFallbackLimit = 1022;

// A table: the word bytes make up most of a sentence, and each is classified once.
struct WordByteTable {
    bool isWordByte[256] = {};
    constexpr WordByteTable() {
        for (int b = 0; b < 256; ++b) isWordByte[b] = IsAsciiLetter(static_cast<char>(b)) || b == '_';
    }
};
constexpr WordByteTable kWordBytes;
bool IsWordByte(unsigned char b) {
    return kWordBytes.isWordByte[b];
}
// The neighbours that let DeleteSpace drop a space.
bool LetsSpaceDrop(unsigned char b) {
    return IsAsciiLetter(b) || b == '{' || b == '}' || b == '$';
}

// Bytes gathered for a key or for untranslated output. It holds a whole text, so no word,
// group or row of plain bytes is ever cut or overruns it.
class ByteCollector {
  public:
    void Add(char b) {
        Own();
        if (m_length < kTextBufferSize - 1) m_bytes[static_cast<size_t>(m_length++)] = b;
    }
    // Most keys are one word, a run of bytes of the text: such a run is only pointed at (the
    // bytes outlive the collector), and copied when more bytes join it.
    void Add(const char* bytes, int count) {
        if (m_length == 0) {
            m_borrowed = bytes;
            m_length = count < kTextBufferSize - 1 ? count : kTextBufferSize - 1;
            return;
        }
        Own();
        int room = kTextBufferSize - 1 - m_length;
        if (count > room) count = room;
        if (count <= 0) return;
        std::memcpy(m_bytes.data() + m_length, bytes, static_cast<size_t>(count));
        m_length += count;
    }
    bool IsEmpty() const { return m_length == 0; }
    std::string_view View() const {
        return std::string_view(m_borrowed ? m_borrowed : m_bytes.data(), static_cast<size_t>(m_length));
    }
    void Clear() {
        m_length = 0;
        m_borrowed = nullptr;
    }

  private:
    void Own() {
        if (!m_borrowed) return;
        std::memcpy(m_bytes.data(), m_borrowed, static_cast<size_t>(m_length));
        m_borrowed = nullptr;
    }

    std::array<char, kTextBufferSize> m_bytes;  // valid up to m_length unless borrowed
    const char* m_borrowed = nullptr;
    int m_length = 0;
};

// The translation as it grows. Appending is the translator's most frequent step: a sentence's
// translation is gathered on the stack and only a longer one (translations can be longer
// than their English) moves to the string as it grows; the string gets the text at the end.
class TextOutput {
  public:
    explicit TextOutput(std::string& text) : m_text(text) {}
    ~TextOutput() {
        if (!m_spilled) m_text.assign(m_local.data(), m_length);
    }
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    void Append(std::string_view bytes) {
        // Most plain runs are one space.
        if (bytes.size() == 1 && !m_spilled && m_length < m_local.size()) {
            m_local[m_length++] = bytes[0];
            return;
        }
        if (m_spilled) {
            m_text += bytes;
            return;
        }
        if (bytes.size() <= m_local.size() - m_length) {
            std::memcpy(m_local.data() + m_length, bytes.data(), bytes.size());
            m_length += bytes.size();
            return;
        }
        m_text.assign(m_local.data(), m_length);
        m_text += bytes;
        m_spilled = true;
    }
    void Append(const KeyTranslation& translation) {
        if (translation.text.empty()) return;
        Append(translation.text);
        if (m_spilled)
            m_text[m_text.size() - translation.text.size()] = translation.first;
        else
            m_local[m_length - translation.text.size()] = translation.first;
    }

  private:
    std::string& m_text;
    std::array<char, kTextBufferSize> m_local;  // valid up to m_length
    std::size_t m_length = 0;
    bool m_spilled = false;
};

class PhraseTranslator {
  public:
    // A text that holds a NUL (formatted from a "%c" of 0) gives keys that end at the NUL, as
    // the C strings that keys have always been.
    PhraseTranslator(std::string_view text, KeyLookup& lookup, TextOutput& out)
        : m_text(text.data()),
          m_n(static_cast<int>(text.size())),
          m_keysEndAtNul(text.find('\0') != std::string_view::npos),
          m_out(out),
          m_lookup(lookup) {}

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
        m_out.Append(m_lookup.Translate(key, kWordValueLimit, kWordFallbackLimit));
        m_key.Clear();
    }
    void AppendPlain() {
        m_out.Append(m_plain.View());
        m_plain.Clear();
    }
    void CloseWord() {
        if (!m_wordOpen) return;
        m_wordOpen = false;
        TranslateKey();
    }

    // ---- what a byte starts, the first that matches applies; each returns where to go on ----

    int HandleByte(int p) {
        unsigned char b = At(p);
        if (!m_inGroup && (b == '$' || StartsDoubleByte(b))) return LiteralStretchOrRun(p);
        if (IsWordByte(b)) return WordBytes(p);
        if (b == '{') return OpeningBrace(p);
        if (b == '}') return ClosingBrace(p);
        return OtherByte(p);
    }

    // A double-byte run, a $literal stretch$, "$$", or a dollar sign without a partner.
    int LiteralStretchOrRun(int p) {
        const char* start = m_text + p;
        if (StartsDoubleByte(At(p))) {
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
        m_out.Append(std::string_view(bytes, static_cast<size_t>(length)));
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

    // A word byte, taken with the word bytes that follow it: each of them would be handled the
    // same way again and change nothing but the key.
    int WordBytes(int p) {
        const char* end = m_text + p + 1;
        const char* last = m_text + m_n;
        while (end < last && IsWordByte(static_cast<unsigned char>(*end))) ++end;
        JoinWord(m_text + p, static_cast<int>(end - (m_text + p)));
        return static_cast<int>(end - m_text);
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

    // An opening brace: a group, or a literal brace.
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
            if (IsAsciiLetter(At(p - 1)))
                TranslateKey();
            else
                AppendPlain();
        }
        m_afterWord = true;
        return p + 1;
    }

    // A closing brace: the end of a group, or a literal brace.
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

    // Any other byte, with the disambiguator "(#...)" that stays attached to the key.
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
    TextOutput& m_out;
    KeyLookup& m_lookup;
    ByteCollector m_key;
    ByteCollector m_plain;

    bool m_inGroup = false;
    bool m_wordOpen = false;
    bool m_afterWord = false;
    bool m_spaceDropped = false;
};

// How the short path for sentences without markup sees a byte: part of a word, one of the
// bytes between words, or markup (braces, dollar signs, the '#' of a disambiguator,
// double-byte text, and a NUL, which ends a key) that only the full pass handles.
enum ByteKind : unsigned char { kBetweenWords, kWordPart, kMarkup };
struct ByteKindTable {
    ByteKind kind[256] = {};
    constexpr ByteKindTable() {
        for (int b = 0; b < 256; ++b) {
            if (IsAsciiLetter(static_cast<char>(b)) || b == '_')
                kind[b] = kWordPart;
            else if (b == 0 || b == '{' || b == '}' || b == '$' || b == '#' ||
                     StartsDoubleByte(static_cast<unsigned char>(b)))
                kind[b] = kMarkup;
        }
    }
};
constexpr ByteKindTable kByteKinds;

// The runs of a sentence without markup, alternately words and the bytes between them, as
// the offsets where each run ends.
struct PlainRuns {
    bool startsWithWord = false;
    std::size_t count = 0;
    std::array<std::uint16_t, kTextBufferSize> ends;
};

// Cuts text (at most 1023 bytes) into its runs; false when it holds markup.
bool CutPlainSentence(std::string_view text, PlainRuns& runs) {
    const std::size_t n = text.size();
    const auto kindAt = [&](std::size_t i) { return kByteKinds.kind[static_cast<unsigned char>(text[i])]; };
    runs.startsWithWord = n > 0 && kindAt(0) == kWordPart;
    std::size_t i = 0;
    bool word = runs.startsWithWord;
    while (i < n) {
        if (word) {
            while (i < n && kindAt(i) == kWordPart) ++i;
        } else {
            while (i < n && kindAt(i) == kBetweenWords) ++i;
            if (i < n && kindAt(i) == kMarkup) return false;
        }
        runs.ends[runs.count++] = static_cast<std::uint16_t>(i);
        word = !word;
    }
    return true;
}

// The bytes between two words, with DeleteSpace: in each row of spaces the first space that
// stands next to a letter is dropped.
void AppendBetweenWords(std::string_view text, std::size_t begin, std::size_t end, TextOutput& out) {
    bool dropped = false;
    std::size_t kept = begin;
    for (std::size_t i = begin; i < end; ++i) {
        if (text[i] != ' ') {
            dropped = false;
            continue;
        }
        bool besideLetter =
            (i > 0 && IsAsciiLetter(text[i - 1])) || (i + 1 < text.size() && IsAsciiLetter(text[i + 1]));
        if (dropped || !besideLetter) continue;
        out.Append(text.substr(kept, i - kept));
        kept = i + 1;
        dropped = true;
    }
    out.Append(text.substr(kept, end - kept));
}

// A sentence without markup is words and the bytes between them: the same result as the
// translator's pass, in a fraction of its steps, for the plain lines that make up most logs.
void TranslatePlainSentence(std::string_view text, const PlainRuns& runs, bool deleteSpace, KeyLookup& lookup,
                            TextOutput& out) {
    std::size_t begin = 0;
    bool word = runs.startsWithWord;
    for (std::size_t r = 0; r < runs.count; ++r, word = !word) {
        std::size_t end = runs.ends[r];
        std::string_view run(text.data() + begin, end - begin);
        if (word)
            out.Append(lookup.Translate(run, kWordValueLimit, kWordFallbackLimit));
        else if (deleteSpace)
            AppendBetweenWords(text, begin, end, out);
        else
            out.Append(run);
        begin = end;
    }
}

}  // namespace

const char* FindDoubleByteRunEnd(const char* start, const char* end) {
    const char* p = start;
    while (p < end && *p != '\0') {
        auto b = static_cast<unsigned char>(*p);
        if ((p - start) % 2 == 0 && !StartsDoubleByte(b)) break;
        ++p;
    }
    return p;
}

void TranslateText(std::string_view text, std::string& out) {
    out.clear();
    text = text.substr(0, kWorkingTextLimit);
    if (text.empty()) return;
    KeyLookup lookup(kProgramOutStr);
    TextOutput output(out);
    PlainRuns runs;
    if (CutPlainSentence(text, runs))
        TranslatePlainSentence(text, runs, State().deleteSpace != 0, lookup, output);
    else
        PhraseTranslator(text, lookup, output).Run();
}

std::string TranslateText(std::string_view text) {
    std::string out;
    TranslateText(text, out);
    return out;
}

}  // namespace qml
