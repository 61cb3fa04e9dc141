// Names of the cases of parameterised suites, made from their data: a test's name can hold only
// letters, digits and underscores, and a name of bytes reads better than a number.
#pragma once

#include <cstdio>
#include <string>

namespace qml_test {

// Letters, digits and '_' stay; a space, '.', '-' or a path separator becomes '_'; any other byte
// "xHH". An empty text is "Empty", no text at all "Null". (A name that two cases share stops
// the test program at its start.)
inline std::string CaseName(const char* text) {
    if (!text) return "Null";
    if (!*text) return "Empty";
    std::string name;
    for (const char* p = text; *p; ++p) {
        const unsigned char c = static_cast<unsigned char>(*p);
        if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_') {
            name += static_cast<char>(c);
        } else if (c == ' ' || c == '.' || c == '-' || c == '\\' || c == '/') {
            name += '_';
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "x%02X", c);
            name += hex;
        }
    }
    return name;
}

inline std::string CaseName(const std::string& text) {
    return CaseName(text.c_str());
}

}  // namespace qml_test
