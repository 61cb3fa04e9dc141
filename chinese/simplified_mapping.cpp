// The traditional-to-simplified mapping that makes GB-system text easier to recognise.
#include <climits>
#include <cstring>
#include <new>
#include <string>

#include "chinese/chinese_conversion.h"
#include "chinese/code_type_detection.h"
#include "chinese/conversion_settings.h"
#include "platform/os.h"
#include "quorvel/multilanguage.h"

namespace qml {

bool MapToSimplified(const char* text, std::size_t length, std::string& out) {
    if (length > static_cast<std::size_t>(INT_MAX) - 2) return false;
    if (length == 0) return false;
    try {
        out.resize(length + 2);
    } catch (const std::bad_alloc&) {
        return false;
    }
    const int size = static_cast<int>(length);
    const int written = os::LCMapStringA(2052, LCMAP_SIMPLIFIED_CHINESE, text, size, &out[0], size + 1);
    // The mapping must keep the text's length; anything else is not trusted.
    if (written != size) return false;
    out.resize(length);
    return true;
}

std::string MapToSimplifiedAuto(const char* text) {
    const char* source = text ? text : "";
    int system = 0;
    if (!GetSystemCodeType(system)) return source;
    const std::size_t length = std::strlen(source);
    std::string mapped;
    if (length == 0) return mapped;
    if (system != LANGUAGE_TYPE_GB || !MapToSimplified(source, length, mapped)) return source;
    return mapped;
}

}  // namespace qml

CString LCMapString_Auto(const char* text) {
    return CString(qml::MapToSimplifiedAuto(text));
}
