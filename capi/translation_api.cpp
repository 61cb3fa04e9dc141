// The C interface of the translation functions, in the language's code page.
#include "capi/sized_result.h"
#include "quorvel/multilanguage_c.h"
#include "translate/filled_buffers.h"
#include "translate/formatting.h"

char* qml_GetMultiLanguageText(const char* key, char* buffer, int size, const char* section) {
    return qml::FillKeyTranslation(buffer, size, key, section);
}

char* qml_GetMultiLngText_ByAutoPart(char* buffer, int size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    qml::FillFormattedTranslation(buffer, size, format, args);
    va_end(args);
    return buffer;
}

char* qml_GetMultiLngText_ByAutoPartV(char* buffer, int size, const char* format, va_list args) {
    return qml::FillFormattedTranslation(buffer, size, format, args);
}

char* qml_GetMultiLngTextForUI(const char* caption, char* buffer, int size) {
    return qml::FillCaptionTranslation(buffer, size, caption);
}

char* qml_GetMLFormatString(char* buffer, int size, const char* templateText, const char* argFormat, ...) {
    va_list args;
    va_start(args, argFormat);
    qml::FillTranslatedTemplate(buffer, size, templateText, argFormat, args);
    va_end(args);
    return buffer;
}

char* qml_GetMLFormatStringV(char* buffer, int size, const char* templateText, const char* argFormat,
                             va_list args) {
    return qml::FillTranslatedTemplate(buffer, size, templateText, argFormat, args);
}

char* qml_GetMLFormatString_Value(char* buffer, int size, const char* templateText, unsigned long value) {
    return qml::FillTranslatedNumber(buffer, size, templateText, value);
}

int qml_StrcmpML(const char* first, const char* second, int ignoreCase) {
    return qml::CompareTranslated(first, second, ignoreCase != 0);
}

int qml_GetConstIndexByDescCpt(const char** descriptions, int count, const char* text, int* notFound,
                               int compareUntranslated) {
    return qml::DescriptionIndex(descriptions, count, text, notFound, compareUntranslated != 0);
}

size_t qml_GetConstSignificativeDesc(const char* number, const char** descriptions, int count, char* buffer,
                                     size_t size) {
    // Read up to its terminator, as the exported function's text holds it.
    return qml::capi::WriteSizedResult(qml::DescriptionOf(number, descriptions, count).c_str(), buffer, size);
}
