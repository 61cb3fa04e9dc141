// StrcmpML: two texts compared by their translations.
#include <array>

#include "platform/crt.h"
#include "platform/profile_scope.h"
#include "quorvel/multilanguage.h"
#include "translate/phrase_translator.h"

int StrcmpML(const char* first, const char* second, int ignoreCase) {
    using namespace qml;
    os::ProfileCallScope profileScope;
    std::array<char, kTextBufferSize> a{};
    std::array<char, kTextBufferSize> b{};
    TranslatePlainText(a.data(), kTextBufferSize, first);
    TranslatePlainText(b.data(), kTextBufferSize, second);
    if (ignoreCase != 0) return crt::_stricmp(a.data(), b.data());

    // Bytes compare as unsigned values, so double-byte text sorts after ASCII.
    for (size_t i = 0;; ++i) {
        auto x = static_cast<unsigned char>(a[i]);
        auto y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
        if (x == 0) return 0;
    }
}
