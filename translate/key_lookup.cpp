#include "translate/key_lookup.h"

#include <atomic>
#include <cstring>

#include "language/language_state.h"
#include "quorvel/lookup_observer.h"

namespace qml {

namespace {

// The retries work on a copy of at most 1023 bytes of the key.
constexpr std::size_t kRetryLimit = 1023;

// Observers are installed before lookups run on other threads (like the language set-up), so
// a pointer and its context are published as two atomics: context first, observer last.
std::atomic<quorvel::LookupObserver> g_observer{nullptr};
std::atomic<void*> g_observerContext{nullptr};

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsAsciiLower(char c) {
    return c >= 'a' && c <= 'z';
}
char ToLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char ToUpper(char c) {
    return IsAsciiLower(c) ? static_cast<char>(c - 'a' + 'A') : c;
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

KeyLookup::KeyLookup(const char* section)
    : m_section(section),
      m_reader(State().languageFile, section),
      m_english(State().languageType == LANGUAGE_TYPE_ENGLISH) {}

int KeyLookup::Try(std::string_view key, std::string& out, std::size_t valueLimit) {
    std::string_view value;
    if (!m_reader.Find(key, value)) return -1;
    value = value.substr(0, valueLimit);
    if (value == kNoSpecifyThisWord) return 0;
    if (value.empty()) return -1;

    std::size_t start = out.size();
    out += value;
    // In English the translation's first letter follows the case of the key's.
    if (m_english && IsAsciiLetter(out[start])) {
        bool lower = !key.empty() && IsAsciiLower(key[0]);
        out[start] = lower ? ToLower(out[start]) : ToUpper(out[start]);
    }
    return 1;
}

bool KeyLookup::Translate(std::string_view key, std::string& out, std::size_t valueLimit,
                          std::size_t fallbackLimit) {
    bool found = Try(key, out, valueLimit) >= 0;
    if (!found) {
        // A key cut by the retry copy is no longer a key of its own: the tries stay as they are.
        std::string_view retryKey = key.substr(0, kRetryLimit);
        m_retry.assign(retryKey.data(), retryKey.size());
        for (char& c : m_retry) c = ToLower(c);
        found = Try(m_retry, out, valueLimit) >= 0;
        if (!found) {
            for (char& c : m_retry) c = ToUpper(c);
            found = Try(m_retry, out, valueLimit) >= 0;
        }
    }
    if (!found) out += WithoutDisambiguator(key).substr(0, fallbackLimit);
    Notify(key, m_section, found);
    return found;
}

}  // namespace qml

namespace quorvel {

void SetLookupObserver(LookupObserver observer, void* context) {
    qml::g_observerContext.store(context);
    qml::g_observer.store(observer);
}

}  // namespace quorvel
