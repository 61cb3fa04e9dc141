// GetMultiLanguageText: one English key looked up in a section of the bound language file,
// retried lower-cased and upper-cased, and given back less its disambiguator when the file
// has no translation for it.
#include "translate/key_lookup.h"

#include <atomic>
#include <cstring>

#include "language/language_state.h"
#include "platform/crt.h"
#include "platform/os.h"
#include "platform/profile_scope.h"
#include "quorvel/lookup_observer.h"

namespace qml {

namespace {

// Observers are installed before lookups run on other threads (like the language set-up), so
// a pointer and its context are published as two atomics: context first, observer last.
std::atomic<testing::LookupObserver> g_testObserver{nullptr};
std::atomic<void*> g_testContext{nullptr};
std::atomic<quorvel::LookupObserver> g_observer{nullptr};
std::atomic<void*> g_observerContext{nullptr};

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsAsciiLower(char c) {
    return c >= 'a' && c <= 'z';
}

// One try. -1: not found; 0: found with the empty-translation marker (buffer all zeros);
// otherwise the length of the translation now in the buffer.
// The buffer is all zeros on entry: the caller cleared it, and a try that finds nothing leaves
// only the empty default behind.
int LookUp(const char* tryKey, char* buffer, int size, const char* section) {
    // size - 1 for the reader keeps the last byte of the buffer a NUL whatever it copies.
    DWORD n = os::GetPrivateProfileStringA(section, tryKey, "", buffer, static_cast<DWORD>(size - 1),
                                           State().languageFile);
    if (n == sizeof kNoSpecifyThisWord - 1 && std::strcmp(buffer, kNoSpecifyThisWord) == 0) {
        std::memset(buffer, 0, static_cast<size_t>(size));
        return 0;
    }
    if (n == 0) return -1;

    // In English the translation's first letter follows the case of the key's.
    if (State().languageType == LANGUAGE_TYPE_ENGLISH && IsAsciiLetter(buffer[0])) {
        char first = buffer[0];
        if (IsAsciiLower(tryKey[0]))
            buffer[0] = IsAsciiLower(first) ? first : static_cast<char>(first - 'A' + 'a');
        else
            buffer[0] = IsAsciiLower(first) ? static_cast<char>(first - 'a' + 'A') : first;
    }
    return static_cast<int>(n);
}

// The key as given, then lower-cased, then upper-cased; true when one of them was found.
bool TryKeyAndItsCases(const char* key, char* buffer, int size, const char* section) {
    if (LookUp(key, buffer, size, section) >= 0) return true;

    // The retries work on a copy of at most 1023 bytes.
    char retry[1024] = {};
    std::strncpy(retry, key, sizeof retry - 1);
    crt::_strlwr(retry);
    if (LookUp(retry, buffer, size, section) >= 0) return true;

    std::memset(retry, 0, sizeof retry);
    std::strncpy(retry, key, sizeof retry - 1);
    crt::_strupr(retry);
    return LookUp(retry, buffer, size, section) >= 0;
}

}  // namespace

void CopyKeyWithoutDisambiguator(const char* key, char* buffer, int size) {
    if (!buffer || size < 1) return;
    if (!key) key = "";
    size_t length = std::strlen(key);

    // A disambiguator is "(#" and digits at the end: the last '#' of the key, not its first
    // byte, right after a '(' and followed by at least two bytes that are all digits or ')'.
    const char* hash = std::strrchr(key, '#');
    if (hash && std::strlen(hash) >= 3 && hash != key && hash[-1] == '(') {
        bool onlyDigits = true;
        for (const char* p = hash + 1; *p; ++p)
            if (!((*p >= '0' && *p <= '9') || *p == ')')) onlyDigits = false;
        if (onlyDigits) length = static_cast<size_t>(hash - 1 - key);
    }

    size_t copied = length < static_cast<size_t>(size - 1) ? length : static_cast<size_t>(size - 1);
    std::memcpy(buffer, key, copied);
    buffer[copied] = '\0';
}

namespace testing {

void SetLookupObserver(LookupObserver observer, void* context) {
    g_testContext.store(context);
    g_testObserver.store(observer);
}

}  // namespace testing
}  // namespace qml

namespace quorvel {

void SetLookupObserver(LookupObserver observer, void* context) {
    qml::g_observerContext.store(context);
    qml::g_observer.store(observer);
}

}  // namespace quorvel

char* GetMultiLanguageText(const char* key, char* buffer, int size, const char* section) {
    using namespace qml;
    if (!buffer || size < 1) return buffer;
    if (!key) key = "";
    if (!section) section = "";

    if (testing::LookupObserver observer = g_testObserver.load())
        observer(key, section, g_testContext.load());

    // The three tries read one snapshot of the language file: one check instead of three.
    os::ProfileCallScope profileScope;
    std::memset(buffer, 0, static_cast<size_t>(size));
    const bool found = TryKeyAndItsCases(key, buffer, size, section);
    if (!found) CopyKeyWithoutDisambiguator(key, buffer, size);

    if (quorvel::LookupObserver observer = g_observer.load())
        observer(key, section, found, g_observerContext.load());
    return buffer;
}
