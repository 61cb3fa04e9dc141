#include "translate/caption_translator.h"

#include <cstring>

#include "base/ascii.h"
#include "base/code_page_pairs.h"
#include "language/language_state.h"
#include "translate/phrase_translator.h"

namespace qml {

namespace {

// The working copy holds 255 bytes; a longer caption is cut before anything else.
constexpr size_t kCaptionLimit = 255;
constexpr char kWhiteSpace[] = " \t\n\v\f\r";

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || IsAsciiLetter(c);
}

std::string Trimmed(const std::string& text) {
    size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string::npos) return std::string();
    size_t last = text.find_last_not_of(kWhiteSpace);
    return text.substr(first, last - first + 1);
}

// Index of the first occurrence of the (upper-case) accelerator letter in the text,
// regardless of case; a double-byte character is one unit, so its trail byte never matches.
int FindLetterIgnoringCase(const std::string& text, char letter) {
    for (size_t i = 0; i < text.size(); ++i) {
        if (StartsDoubleByte(static_cast<unsigned char>(text[i]))) {
            ++i;
            continue;
        }
        if (AsciiUpper(text[i]) == letter) return static_cast<int>(i);
    }
    return -1;
}

struct CaptionParts {
    std::string core;
    std::string ellipsis;  // the blanks right before the first run of dots, and the dots
    std::string shortcut;  // the first tab and everything after it
};

// The caption taken apart for the rebuild: the ellipsis, the shortcut text, and what is left as
// the core.
CaptionParts SplitCaption(const std::string& work) {
    CaptionParts parts;
    size_t e = work.find("...");
    if (e != std::string::npos) {
        size_t s = e;
        while (s > 0 && work[s - 1] == ' ') --s;
        size_t f = e;
        while (f < work.size() && work[f] == '.') ++f;
        parts.core = work.substr(0, s);
        parts.ellipsis = work.substr(s, f - s);
        // Text after the dots, up to a tab, belongs to no part and is dropped.
    }
    size_t t = work.find('\t');
    if (t != std::string::npos) {
        if (parts.core.empty()) parts.core = work.substr(0, t);
        parts.shortcut = work.substr(t);
    }
    if (parts.core.empty()) parts.core = work;
    return parts;
}

// With IsAlpha the ampersand goes before the letter inside the translation, else where the
// English ampersand stood (clamped to the translation's last byte).
void PlaceAmpersand(std::string& translation, char letter, int englishPosition) {
    int length = static_cast<int>(translation.size());
    int position = FindLetterIgnoringCase(translation, letter);
    if (position < 0) position = englishPosition >= length ? length - 1 : englishPosition;
    if (position >= 0 && position < length) translation.insert(static_cast<size_t>(position), 1, '&');
}

}  // namespace

std::string TranslateCaption(const char* caption, std::size_t translationLimit) {
    if (!caption || !*caption) return std::string();
    std::string work(caption, strnlen(caption, kCaptionLimit));

    // The accelerator: the first ampersand and the letter or digit after it.
    char letter = 0;
    int accelerator = -1;
    size_t p = work.find('&');
    if (p != std::string::npos) {
        accelerator = static_cast<int>(p);
        // Already in the "(&X)" form that the rebuild produces: nothing to do.
        if (p > 0 && work[p - 1] == '(') return work;
        if (p + 1 < work.size() && IsAsciiAlnum(work[p + 1])) letter = AsciiUpper(work[p + 1]);
        work.erase(p, 1);
    }

    CaptionParts parts = SplitCaption(work);

    // The core is handed over as plain text: a percent sign in it is no conversion.
    std::string result = TranslateText(Trimmed(parts.core));
    if (result.size() > translationLimit) result.resize(translationLimit);

    if (letter != 0) {
        if (State().isAlpha != 0) {
            PlaceAmpersand(result, letter, accelerator);
        } else {
            const char accelerated[] = {'(', '&', letter, ')'};
            result.append(accelerated, sizeof accelerated);
        }
    }
    result += parts.ellipsis;
    result += parts.shortcut;
    return result;
}

}  // namespace qml
