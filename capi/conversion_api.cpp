// The C interface of the Chinese conversion, and the script of a UTF-8 text.
#include <string>

#include "capi/sized_result.h"
#include "chinese/chinese_conversion.h"
#include "chinese/conversion_settings.h"
#include "platform/os.h"
#include "quorvel/multilanguage_c.h"
#include "util/utf8_text.h"

namespace {

constexpr unsigned kGbCodePage = 936;
constexpr LCID kChinesePrc = 2052;

// A code-page-936 text in the other script, through the system's mapping; unmapped on failure.
std::string MapScript(const std::string& text, DWORD flag) {
    if (text.empty()) return text;
    const int length = static_cast<int>(text.size());
    const int needed = qml::os::LCMapStringA(kChinesePrc, flag, text.data(), length, nullptr, 0);
    if (needed <= 0) return text;
    std::string mapped(static_cast<size_t>(needed), '\0');
    if (qml::os::LCMapStringA(kChinesePrc, flag, text.data(), length, &mapped[0], needed) != needed)
        return text;
    return mapped;
}

// One run of UTF-8 through code page 936 and back; false when a character of the run has no
// code there (it would come back as '?').
bool ConvertRun(std::string_view run, DWORD flag, std::string& out) {
    std::string gbk;
    if (!qml::os::Utf8ToCodePage(kGbCodePage, run, gbk)) return false;
    size_t questionMarks = 0;
    for (char c : run) questionMarks += c == '?';
    for (char c : gbk) questionMarks -= c == '?';
    if (questionMarks != 0) return false;
    return qml::os::CodePageToUtf8(kGbCodePage, MapScript(gbk, flag), out);
}

size_t SequenceLength(unsigned char lead) {
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

// The whole text in one run; when some character lacks a code, character by character, so that
// such a character is kept as it is.
std::string ConvertScript(const std::string& utf8, DWORD flag) {
    std::string out;
    if (ConvertRun(utf8, flag, out)) return out;
    out.clear();
    for (size_t i = 0; i < utf8.size();) {
        const size_t length = SequenceLength(static_cast<unsigned char>(utf8[i]));
        const std::string_view character(utf8.data() + i, length);
        if (length == 1 || !ConvertRun(character, flag, out)) out.append(character);
        i += length;
    }
    return out;
}

}  // namespace

void qml_SetGBAndBig5_Para(int* systemCodeType, int* conversionSwitch) {
    // The enumeration is carried as an int, and the library only reads through the pointer.
    qml::SetConversionSettings(reinterpret_cast<_enum_language_type*>(systemCodeType), conversionSwitch);
}

size_t qml_GBAndBig5Convert(const char* text, char direction, char* buffer, size_t size) {
    return qml::capi::WriteSizedResult(qml::ConvertChineseText(text, direction), buffer, size);
}

size_t qml_Big2Gb(const char* text, char* buffer, size_t size) {
    return qml::capi::WriteSizedResult(qml::ConvertChineseText(text, 1), buffer, size);
}

size_t qml_Gb2Big(const char* text, char* buffer, size_t size) {
    return qml::capi::WriteSizedResult(qml::ConvertChineseText(text, 2), buffer, size);
}

size_t qml_LCMapString_Auto(const char* text, char* buffer, size_t size) {
    return qml::capi::WriteSizedResult(qml::MapToSimplifiedAuto(text), buffer, size);
}

int qml_CalcStringCodeType(const char* text, int* count) {
    return qml::StringCodeType(text, count);
}

size_t qml_ConvertChineseScript_utf8(const char* text, int script, char* buffer, size_t size) {
    const std::string utf8 = qml::ValidUtf8(text);
    if (script != QML_LANGUAGE_BIG5 && script != QML_LANGUAGE_GB)
        return qml::capi::WriteSizedUtf8Result(utf8, buffer, size);
    const DWORD flag = script == QML_LANGUAGE_BIG5 ? LCMAP_TRADITIONAL_CHINESE : LCMAP_SIMPLIFIED_CHINESE;
    return qml::capi::WriteSizedUtf8Result(ConvertScript(utf8, flag), buffer, size);
}
