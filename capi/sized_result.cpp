#include "capi/sized_result.h"

#include "base/code_page_pairs.h"
#include "base/utf8.h"

namespace qml::capi {

std::size_t WriteSizedResult(std::string_view text, char* buffer, std::size_t size) {
    CopyBoundedDoubleByte(buffer, size, text);
    return text.size();
}

std::size_t WriteSizedUtf8Result(std::string_view text, char* buffer, std::size_t size) {
    CopyBoundedUtf8(buffer, size, text);
    return text.size();
}

}  // namespace qml::capi
