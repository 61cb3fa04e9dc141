// The system's own text for an error code.
#include "platform/os.h"

#include <string>

namespace qml::os {

std::string SystemErrorText(DWORD code) {
    char text[1024] = {};
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code,
                                    0, text, static_cast<DWORD>(sizeof text), nullptr);
    std::string result(text, length < sizeof text ? length : 0);
    // The system ends its texts with a line break.
    while (!result.empty() && (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
        result.pop_back();
    if (result.empty()) result = "Unknown error " + std::to_string(code) + ".";
    return result;
}

}  // namespace qml::os
