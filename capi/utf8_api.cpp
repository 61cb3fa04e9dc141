// The UTF-8 entry points of translation, formatting and logging: UTF-8 in, the plain function
// on the language's code page, UTF-8 out.
#include <string>

#include "capi/formatted_text.h"
#include "capi/sized_result.h"
#include "language/language_encoding.h"
#include "platform/os.h"
#include "log/log_relay.h"
#include "quorvel/multilanguage_c.h"
#include "translate/filled_buffers.h"
#include "translate/formatting.h"
#include "translate/key_lookup.h"
#include "translate/phrase_translator.h"
#include "util/utf8_text.h"

namespace {

using qml::LanguageEncoding;
using qml::capi::WriteSizedUtf8Result;

// A sentence of the translators holds 1023 bytes; a single value of the language file may be
// longer.
constexpr int kTextSize = 1024;
constexpr int kValueSize = 4096;

// A text as a working text shows it: at most 1023 bytes, read up to its terminator.
std::string AsWorkingText(std::string text) {
    if (text.size() > qml::kWorkingTextLimit) text.resize(qml::kWorkingTextLimit);
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

}  // namespace

size_t qml_GetMultiLanguageText_utf8(const char* key, char* buffer, size_t size, const char* section) {
    qml::os::ProfileCallScope scope;
    {
        // A UTF-8 language file serves its own text: the key and the value pass no code page.
        const std::string validSection = qml::ValidUtf8(section);
        qml::KeyLookup lookup(validSection.c_str(), qml::KeyLookup::Serve::kFileText);
        if (lookup.FileIsUtf8()) {
            const qml::KeyTranslation found =
                lookup.Translate(qml::ValidUtf8(key), kValueSize - 2, kValueSize - 1);
            // Made valid: the file's bytes may hold a sequence that is not UTF-8, or a cut one.
            return WriteSizedUtf8Result(qml::ValidUtf8(found.ToString().c_str()), buffer, size);
        }
    }
    const LanguageEncoding encoding;
    const std::string translation = qml::KeyTranslationText(encoding.FromUtf8(key).c_str(),
                                                            encoding.FromUtf8(section).c_str(), kValueSize);
    return WriteSizedUtf8Result(encoding.ToUtf8(translation), buffer, size);
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
    const std::string translation =
        AsWorkingText(qml::TranslateWorkingText(encoding.FromUtf8(sentence.c_str())));
    return WriteSizedUtf8Result(encoding.ToUtf8(translation), buffer, size);
}

size_t qml_GetMultiLngTextForUI_utf8(const char* caption, char* buffer, size_t size) {
    qml::os::ProfileCallScope scope;
    const LanguageEncoding encoding;
    const std::string translation =
        qml::CaptionTranslationText(encoding.FromUtf8(caption).c_str(), kTextSize);
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
    const std::string result = AsWorkingText(qml::FormatTranslatedText(
        encoding.FromUtf8(templateText).c_str(), AsWorkingText(encoding.FromUtf8(argument.c_str())).c_str()));
    return WriteSizedUtf8Result(encoding.ToUtf8(result), buffer, size);
}

size_t qml_GetMLFormatString_Value_utf8(char* buffer, size_t size, const char* templateText,
                                        unsigned long value) {
    qml::os::ProfileCallScope scope;
    const LanguageEncoding encoding;
    const std::string result =
        AsWorkingText(qml::FormatTranslatedNumber(encoding.FromUtf8(templateText).c_str(), value));
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
    qml::SendTranslatedFormattedLine(level, "%s", LanguageEncoding().FromUtf8(line.c_str()).c_str());
}
