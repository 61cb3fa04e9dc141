#include "capi/sized_result.h"

#include "base/bounded_copy.h"
#include "base/code_page_pairs.h"
#include "base/utf8.h"

namespace qml::capi {

std::size_t WriteSizedResult(std::string_view text, char* buffer, std::size_t size) {
    if (buffer && size > 0) CopyBounded(buffer, size, text.substr(0, DoubleBytePrefixLength(text, size - 1)));
    return text.size();
}

std::size_t WriteSizedUtf8Result(std::string_view text, char* buffer, std::size_t size) {
    if (buffer && size > 0) CopyBounded(buffer, size, text.substr(0, Utf8PrefixLength(text, size - 1)));
    return text.size();
}

}  // namespace qml::capi
