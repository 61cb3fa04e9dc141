#include "translate/key_lookup.h"

#include <algorithm>
#include <atomic>
#include <unordered_map>

#include "base/ascii.h"
#include "language/language_encoding.h"
#include "language/language_state.h"
#include "platform/os.h"
#include "quorvel/lookup_observer.h"

namespace qml {

namespace {

constexpr std::size_t kRetryLimit = 1023;

// Observers are installed before lookups run on other threads (like the language set-up), so
// a pointer and its context are published as two atomics: context first, observer last.
std::atomic<quorvel::LookupObserver> g_observer{nullptr};
std::atomic<void*> g_observerContext{nullptr};

// The values of UTF-8 files in a code page, kept per thread: a sentence's words come again and
// again, and a conversion costs far more than a look in a table. Keyed by the UTF-8 text, so an
// edit of the file can never serve a stale value.
class ConvertedValues {
  public:
    const std::string& Get(unsigned codePage, std::string_view utf8) {
        if (codePage != m_codePage || m_values.size() >= kMaxValues) {
            m_values.clear();
            m_codePage = codePage;
        }
        m_probe.assign(utf8.data(), utf8.size());
        auto found = m_values.find(m_probe);
        if (found == m_values.end())
            found = m_values.emplace(m_probe, LanguageEncoding(codePage).FromUtf8(utf8)).first;
        return found->second;
    }

  private:
    static constexpr std::size_t kMaxValues = 4096;
    unsigned m_codePage = 0;
    std::string m_probe;
    std::unordered_map<std::string, std::string> m_values;
};

ConvertedValues& ValuesOfThisThread() {
    thread_local ConvertedValues values;
    return values;
}

void Notify(std::string_view key, const char* section, bool found) {
    quorvel::LookupObserver observer = g_observer.load();
    if (!observer) return;
    // The observer takes a C string; keys hold no NUL.
    std::string text(key);
    observer(text.c_str(), section, found, g_observerContext.load());
}

}  // namespace

std::string_view WithoutDisambiguator(std::string_view key) {
    // A disambiguator is "(#" and digits at the end: the last '#' of the key, not its first
    // byte, right after a '(' and followed by at least two bytes that are all digits or ')'.
    std::size_t hash = key.rfind('#');
    if (hash == std::string_view::npos || hash == 0 || key.size() - hash < 3 || key[hash - 1] != '(')
        return key;
    for (std::size_t i = hash + 1; i < key.size(); ++i)
        if (!((key[i] >= '0' && key[i] <= '9') || key[i] == ')')) return key;
    return key.substr(0, hash - 1);
}

KeyLookup::KeyLookup(const char* section, Serve serve)
    : m_section(section),
      m_reader(State().languageFile, section),
      m_english(State().languageType == LANGUAGE_TYPE_ENGLISH),
      m_convert(serve == Serve::kCodePage && m_reader.Utf8Marked()) {}

bool KeyLookup::Find(std::string_view key, std::string_view& value) {
    if (!m_convert) return m_reader.Find(key, value);
    if (m_codePage == 0) m_codePage = LanguageCodePage();
    if (!IsAsciiText(key)) {
        m_fileKey.clear();
        if (!os::CodePageToUtf8(m_codePage, key, m_fileKey)) return false;
        key = m_fileKey;
    }
    if (!m_reader.Find(key, value)) return false;
    if (IsAsciiText(value)) return true;
    // Copied: the table of the thread may be cleared by another lookup before this one's next.
    m_value = ValuesOfThisThread().Get(m_codePage, value);
    value = m_value;
    return true;
}

bool KeyLookup::Try(std::string_view key, std::size_t valueLimit, KeyTranslation& result) {
    std::string_view value;
    if (!Find(key, value)) return false;
    value = value.substr(0, valueLimit);
    if (value == kNoSpecifyThisWord) {
        result = KeyTranslation{std::string_view(), 0, true};
        return true;
    }
    if (value.empty()) return false;

    char first = value[0];
    // In English the translation's first letter follows the case of the key's.
    if (m_english && IsAsciiLetter(first)) {
        bool lower = !key.empty() && IsAsciiLower(key[0]);
        first = lower ? AsciiLower(first) : AsciiUpper(first);
    }
    result = KeyTranslation{value, first, true};
    return true;
}

KeyTranslation KeyLookup::Translate(std::string_view key, std::size_t valueLimit, std::size_t fallbackLimit) {
    KeyTranslation result;
    // The key as given, then lower-cased, then upper-cased; the retries work on a copy of at
    // most 1023 bytes of the key.
    std::string_view tried = key;
    for (int attempt = 0;; ++attempt) {
        if (Try(tried, valueLimit, result)) break;
        if (attempt == 2) {
            std::string_view fallback = WithoutDisambiguator(key).substr(0, fallbackLimit);
            result = KeyTranslation{fallback, fallback.empty() ? '\0' : fallback[0], false};
            break;
        }
        if (attempt == 0) m_retry.assign(key.data(), std::min(key.size(), kRetryLimit));
        for (char& c : m_retry) c = attempt == 0 ? AsciiLower(c) : AsciiUpper(c);
        tried = m_retry;
    }
    Notify(key, m_section, result.found);
    return result;
}

}  // namespace qml

namespace quorvel {

void SetLookupObserver(LookupObserver observer, void* context) {
    qml::g_observerContext.store(context);
    qml::g_observer.store(observer);
}

}  // namespace quorvel
