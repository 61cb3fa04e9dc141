// Owns the two conversion settings that a host would own, hands them to the library for the
// life of a test and takes them back afterwards, with a fresh converter object each time.
#pragma once

#include <string>

#include "quorvel/multilanguage.h"

namespace qml_test {

class ConversionSettings {
  public:
    ConversionSettings(_enum_language_type system, int conversionOn)
        : m_system(system), m_switch(conversionOn) {
        CGBAndBig5::DeleteInstance();
        SetGBAndBig5_Para(&m_system, &m_switch);
    }
    ~ConversionSettings() {
        SetGBAndBig5_Para(nullptr, nullptr);
        CGBAndBig5::DeleteInstance();
    }
    ConversionSettings(const ConversionSettings&) = delete;
    ConversionSettings& operator=(const ConversionSettings&) = delete;

    void SetSystem(_enum_language_type system) { m_system = system; }
    void SetSwitch(int on) { m_switch = on; }

  private:
    _enum_language_type m_system;
    int m_switch;
};

// Bytes from a string of hexadecimal digits ("A4A4 0D0A"); blanks are ignored.
inline std::string Bytes(const char* hex) {
    std::string out;
    int high = -1;
    for (const char* at = hex; *at; ++at) {
        char c = *at;
        int digit = c >= '0' && c <= '9'   ? c - '0'
                    : c >= 'A' && c <= 'F' ? c - 'A' + 10
                    : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                           : -1;
        if (digit < 0) continue;
        if (high < 0) {
            high = digit;
        } else {
            out += static_cast<char>(high << 4 | digit);
            high = -1;
        }
    }
    return out;
}

// The bytes as upper-case hexadecimal, two digits each, for readable failures.
inline std::string Hex(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

inline std::string Hex(const CString& text) {
    return Hex(text.str());
}

}  // namespace qml_test
