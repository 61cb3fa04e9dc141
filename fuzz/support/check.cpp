#include "support/check.h"

#include <cstdio>
#include <cstdlib>

namespace qml_fuzz {

std::string Escape(const std::string& bytes) {
    constexpr size_t kShown = 600;
    std::string out;
    for (size_t i = 0; i < bytes.size() && i < kShown; ++i) {
        auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\\') {
            out += "\\\\";
        } else if (b >= 0x20 && b < 0x7F) {
            out += static_cast<char>(b);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        }
    }
    if (bytes.size() > kShown) out += "... (" + std::to_string(bytes.size()) + " bytes)";
    return out;
}

void Fail(const char* property, const std::string& detail) {
    std::fprintf(stderr, "\n*** property broken: %s\n%s\n", property, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

void CheckEqual(const std::string& actual, const std::string& expected, const char* property) {
    if (actual == expected) return;
    Fail(property, "  actual:   \"" + Escape(actual) + "\"\n  expected: \"" + Escape(expected) + "\"");
}

}  // namespace qml_fuzz
