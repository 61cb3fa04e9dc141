// The traditional-to-simplified mapping that makes GB-system text easier to recognise.
#include <climits>
#include <cstring>
#include <new>
#include <string>

#include "chinese/conversion_settings.h"
#include "platform/codepage.h"
#include "quorvel/multilanguage.h"

CString LCMapString_Auto(const char* text) {
    const char* source = text ? text : "";
    int system = 0;
    if (!qml::GetSystemCodeType(system)) return CString(source);
    const size_t length = std::strlen(source);
    if (length == 0) return CString();
    if (system != LANGUAGE_TYPE_GB || length > static_cast<size_t>(INT_MAX) - 2) return CString(source);

    std::string result;
    try {
        result.assign(length + 2, '\0');
    } catch (const std::bad_alloc&) {
        return CString(source);
    }
    int written = qml::os::LCMapStringA(2052, LCMAP_SIMPLIFIED_CHINESE, source, -1, &result[0],
                                        static_cast<int>(length) + 1);
    if (written == 0) return CString(source);
    result.resize(std::strlen(result.c_str()));
    // The mapping must keep the text's length; anything else is not trusted.
    if (result.size() != length) return CString(source);
    return CString(result);
}
