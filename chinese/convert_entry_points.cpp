// The host's way into the conversion: split off trailing line breaks, trim, convert under the
// conversion lock, and put the line breaks back.
#include <cstring>
#include <mutex>
#include <string>
#include <utility>

#include "chinese/chinese_conversion.h"
#include "chinese/conversion_settings.h"
#include "chinese/conversion_state.h"
#include "chinese/gb_big5_converter.h"

namespace {

bool EndsWith(const char* text, size_t length, const char* unit, size_t unitLength) {
    if (length < unitLength) return false;
    for (size_t i = 0; i < unitLength; ++i) {
        if (text[length - unitLength + i] != unit[i]) return false;
    }
    return true;
}

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

}  // namespace

namespace qml {

class ConverterAccess {
  public:
    // The converted text, read straight from the converter into a string with room for the
    // tail as well. The caller holds the conversion lock and has seen the switch on.
    static std::string Convert(CGBAndBig5& converter, const char* text, size_t length, char direction,
                               size_t tailLength) {
        CGBAndBig5::Impl& impl = *converter.m_impl;
        impl.Translate(text, length, direction, true);
        impl.TrimTrailingLineBreaks();  // as GetText does, without a copy
        std::string result;
        result.reserve(impl.m_strText.size() + tailLength);
        result.append(impl.m_strText);
        return result;
    }
};

std::string ConvertChineseText(const char* text, char direction) {
    const char* body = text ? text : "";
    size_t length = std::strlen(body);
    // Split off the run of trailing line breaks; texts of one or two bytes keep theirs for the
    // trim to take.
    size_t tailUnits = 0;
    const char* unit = "\n";
    size_t unitLength = 1;
    if (length > 2) {
        if (EndsWith(body, length, "\r\n", 2)) {
            unit = "\r\n";
            unitLength = 2;
        }
        while (length > 0 && EndsWith(body, length, unit, unitLength)) {
            length -= unitLength;
            ++tailUnits;
        }
    }
    // Trim white space from both ends.
    size_t first = 0;
    while (first < length && IsWhiteSpace(body[first])) ++first;
    while (length > first && IsWhiteSpace(body[length - 1])) --length;
    // The switch is read here and nowhere else in this conversion.
    if (!ConversionIsOn()) return std::string(body + first, length - first);

    std::string result;
    {
        std::lock_guard<os::PermanentLock> hold(ConversionLock());
        CGBAndBig5* converter = CGBAndBig5::GetInstance();
        if (converter == nullptr) return std::string(body + first, length - first);
        result = ConverterAccess::Convert(*converter, body + first, length - first, direction,
                                          tailUnits * unitLength);
    }
    for (size_t i = 0; i < tailUnits; ++i) result.append(unit, unitLength);
    return result;
}

}  // namespace qml

CString GBAndBig5Convert(const char* text, char direction) {
    return CString(qml::ConvertChineseText(text, direction));
}

CString Big2Gb(CString text) {
    return CString(qml::ConvertChineseText(text, 1));
}

CString Gb2Big(CString text) {
    return CString(qml::ConvertChineseText(text, 2));
}
