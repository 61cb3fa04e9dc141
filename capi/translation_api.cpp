// The C interface of the translation functions, in the language's code page.
#include "capi/sized_result.h"
#include "quorvel/multilanguage.h"
#include "quorvel/multilanguage_c.h"

char* qml_GetMultiLanguageText(const char* key, char* buffer, int size, const char* section) {
    return GetMultiLanguageText(key, buffer, size, section);
}

char* qml_GetMultiLngText_ByAutoPart(char* buffer, int size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    GetMultiLngText_ByAutoPartV(buffer, size, format, args);
    va_end(args);
    return buffer;
}

char* qml_GetMultiLngText_ByAutoPartV(char* buffer, int size, const char* format, va_list args) {
    return GetMultiLngText_ByAutoPartV(buffer, size, format, args);
}

char* qml_GetMultiLngTextForUI(const char* caption, char* buffer, int size) {
    return GetMultiLngTextForUI(caption, buffer, size);
}

char* qml_GetMLFormatString(char* buffer, int size, const char* templateText, const char* argFormat, ...) {
    va_list args;
    va_start(args, argFormat);
    GetMLFormatStringV(buffer, size, templateText, argFormat, args);
    va_end(args);
    return buffer;
}

char* qml_GetMLFormatStringV(char* buffer, int size, const char* templateText, const char* argFormat,
                             va_list args) {
    return GetMLFormatStringV(buffer, size, templateText, argFormat, args);
}

char* qml_GetMLFormatString_Value(char* buffer, int size, const char* templateText, unsigned long value) {
    return GetMLFormatString(buffer, size, templateText, value);
}

int qml_StrcmpML(const char* first, const char* second, int ignoreCase) {
    return StrcmpML(first, second, ignoreCase);
}

int qml_GetConstIndexByDescCpt(const char** descriptions, int count, const char* text, int* notFound,
                               int compareUntranslated) {
    return GetConstIndexByDescCpt(descriptions, count, text, notFound, compareUntranslated);
}

size_t qml_GetConstSignificativeDesc(const char* number, const char** descriptions, int count, char* buffer,
                                     size_t size) {
    return qml::capi::WriteSizedResult(GetConstSignificativeDesc(number, descriptions, count).str(), buffer,
                                       size);
}
