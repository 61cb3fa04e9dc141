#include "icu_codec.h"

#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <stdexcept>
#include <vector>

namespace qml_tools {

namespace {

void Check(UErrorCode status, const std::string& what) {
    if (U_FAILURE(status)) throw std::runtime_error(what + ": " + u_errorName(status));
}

// The single code point of a UTF-16 text, nothing when it holds zero or several.
std::optional<UChar32> SingleCodePoint(const UChar* text, int32_t length) {
    if (length <= 0) return std::nullopt;
    int32_t at = 0;
    UChar32 ch;
    U16_NEXT(text, at, length, ch);
    if (at != length) return std::nullopt;
    return ch;
}

}  // namespace

bool IsPrivateUse(UChar32 ch) {
    return (ch >= 0xE000 && ch <= 0xF8FF) || (ch >= 0xF0000 && ch <= 0x10FFFF);
}

CodePage::CodePage(const char* name) {
    UErrorCode status = U_ZERO_ERROR;
    m_converter = ucnv_open(name, &status);
    Check(status, std::string("cannot open converter ") + name);
    // Stop at the first unmapped or illegal sequence instead of substituting.
    ucnv_setToUCallBack(m_converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    ucnv_setFromUCallBack(m_converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    Check(status, std::string("cannot set up converter ") + name);
}

CodePage::~CodePage() {
    ucnv_close(m_converter);
}

std::optional<UChar32> CodePage::Decode(DbcsCode code) const {
    const char bytes[2] = {static_cast<char>(code.lead), static_cast<char>(code.trail)};
    UChar out[8];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(m_converter);
    int32_t length = ucnv_toUChars(m_converter, out, 8, bytes, 2, &status);
    if (U_FAILURE(status)) return std::nullopt;
    return SingleCodePoint(out, length);
}

std::optional<DbcsCode> CodePage::Encode(UChar32 ch) const {
    UChar text[2];
    int32_t length = 0;
    UBool error = false;
    U16_APPEND(text, length, 2, ch, error);
    if (error) return std::nullopt;
    char out[8];
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(m_converter);
    int32_t bytes = ucnv_fromUChars(m_converter, out, 8, text, length, &status);
    if (U_FAILURE(status) || bytes != 2) return std::nullopt;
    DbcsCode code{static_cast<unsigned char>(out[0]), static_cast<unsigned char>(out[1])};
    if (Decode(code) != ch) return std::nullopt;  // a one-way fallback, not the character's own code
    return code;
}

Transform::Transform(const char* id) {
    std::vector<UChar> name(64);
    u_charsToUChars(id, name.data(), static_cast<int32_t>(std::char_traits<char>::length(id)) + 1);
    UErrorCode status = U_ZERO_ERROR;
    m_transform = utrans_openU(name.data(), -1, UTRANS_FORWARD, nullptr, 0, nullptr, &status);
    Check(status, std::string("cannot open transform ") + id);
}

Transform::~Transform() {
    utrans_close(m_transform);
}

std::optional<UChar32> Transform::Apply(UChar32 ch) const {
    UChar text[16];
    int32_t length = 0;
    UBool error = false;
    U16_APPEND(text, length, 2, ch, error);
    if (error) return std::nullopt;
    int32_t limit = length;
    UErrorCode status = U_ZERO_ERROR;
    utrans_transUChars(m_transform, text, &length, 16, 0, &limit, &status);
    if (U_FAILURE(status)) return std::nullopt;
    return SingleCodePoint(text, length);
}

}  // namespace qml_tools
