// The UTF-8 entry points of translation, formatting and logging: UTF-8 in, the plain function
// on the language's code page, UTF-8 out.
#include <string>
#include <vector>

#include "capi/formatted_text.h"
#include "capi/language_encoding.h"
#include "capi/sized_result.h"
#include "platform/profile_scope.h"
#include "quorvel/multilanguage.h"
#include "quorvel/multilanguage_c.h"

namespace {

using qml::capi::LanguageEncoding;
using qml::capi::WriteSizedUtf8Result;

// A sentence of the translators holds 1023 bytes; a single value of the language file may be
// longer.
constexpr int kTextSize = 1024;
constexpr int kValueSize = 4096;

}  // namespace

size_t qml_GetMultiLanguageText_utf8(const char* key, char* buffer, size_t size, const char* section) {
    qml::os::ProfileCallScope scope;
    const LanguageEncoding encoding;
    std::vector<char> translation(kValueSize);
    GetMultiLanguageText(encoding.FromUtf8(key).c_str(), translation.data(), kValueSize,
                         encoding.FromUtf8(section).c_str());
    return WriteSizedUtf8Result(encoding.ToUtf8(translation.data()), buffer, size);
}

size_t qml_GetMultiLngText_ByAutoPart_utf8(char* buffer, size_t size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const size_t length = qml_GetMultiLngText_ByAutoPartV_utf8(buffer, size, format, args);
    va_end(args);
    return length;
}

size_t qml_GetMultiLngText_ByAutoPartV_utf8(char* buffer, size_t size, const char* format, va_list args) {
    const std::string sentence = qml::capi::FormatText(format, args);
    qml::os::ProfileCallScope scope;
    const LanguageEncoding encoding;
    char translation[kTextSize] = {};
    GetMultiLngText_ByAutoPart(translation, kTextSize, "%s", encoding.FromUtf8(sentence.c_str()).c_str());
    return WriteSizedUtf8Result(encoding.ToUtf8(translation), buffer, size);
}

size_t qml_GetMultiLngTextForUI_utf8(const char* caption, char* buffer, size_t size) {
    qml::os::ProfileCallScope scope;
    const LanguageEncoding encoding;
    char translation[kTextSize] = {};
    GetMultiLngTextForUI(encoding.FromUtf8(caption).c_str(), translation, kTextSize);
    return WriteSizedUtf8Result(encoding.ToUtf8(translation), buffer, size);
}

size_t qml_GetMLFormatString_utf8(char* buffer, size_t size, const char* templateText, const char* argFormat,
                                  ...) {
    va_list args;
    va_start(args, argFormat);
    const size_t length = qml_GetMLFormatStringV_utf8(buffer, size, templateText, argFormat, args);
    va_end(args);
    return length;
}

size_t qml_GetMLFormatStringV_utf8(char* buffer, size_t size, const char* templateText, const char* argFormat,
                                   va_list args) {
    const std::string argument = qml::capi::FormatText(argFormat, args);
    qml::os::ProfileCallScope scope;
    const LanguageEncoding encoding;
    char result[kTextSize] = {};
    GetMLFormatString(result, kTextSize, encoding.FromUtf8(templateText).c_str(), "%s",
                      encoding.FromUtf8(argument.c_str()).c_str());
    return WriteSizedUtf8Result(encoding.ToUtf8(result), buffer, size);
}

size_t qml_GetMLFormatString_Value_utf8(char* buffer, size_t size, const char* templateText,
                                        unsigned long value) {
    qml::os::ProfileCallScope scope;
    const LanguageEncoding encoding;
    char result[kTextSize] = {};
    GetMLFormatString(result, kTextSize, encoding.FromUtf8(templateText).c_str(), value);
    return WriteSizedUtf8Result(encoding.ToUtf8(result), buffer, size);
}

void qml_LogML_utf8(unsigned int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    qml_LogMLV_utf8(level, format, args);
    va_end(args);
}

void qml_LogMLV_utf8(unsigned int level, const char* format, va_list args) {
    const std::string line = qml::capi::FormatText(format, args);
    qml::os::ProfileCallScope scope;
    LogML(level, "%s", LanguageEncoding().FromUtf8(line.c_str()).c_str());
}
