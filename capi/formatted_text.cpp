#include "capi/formatted_text.h"

#include <cstdio>

namespace qml::capi {

std::string FormatText(const char* format, va_list args) {
    if (!format) return {};
    va_list measure;
    va_copy(measure, args);
    const int length = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    std::vsnprintf(&text[0], text.size(), format, args);
    text.pop_back();
    return text;
}

}  // namespace qml::capi
