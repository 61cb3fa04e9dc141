// The exported translation functions: adapters over the buffer-filling functions that the C
// interface shares, and over the core for comparison and description tables.
#include "quorvel/multilanguage.h"
#include "translate/filled_buffers.h"
#include "translate/formatting.h"

char* GetMultiLanguageText(const char* key, char* buffer, int size, const char* section) {
    return qml::FillKeyTranslation(buffer, size, key, section);
}

char* GetMultiLngText_ByAutoPartV(char* buffer, int size, const char* format, va_list args) {
    return qml::FillFormattedTranslation(buffer, size, format, args);
}

char* GetMultiLngText_ByAutoPart(char* buffer, int size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    qml::FillFormattedTranslation(buffer, size, format, args);
    va_end(args);
    return buffer;
}

char* GetMultiLngTextForUI(const char* caption, char* buffer, int size) {
    return qml::FillCaptionTranslation(buffer, size, caption);
}

char* GetMLFormatStringV(char* buffer, int size, const char* templateText, const char* argFormat,
                         va_list args) {
    return qml::FillTranslatedTemplate(buffer, size, templateText, argFormat, args);
}

char* GetMLFormatString(char* buffer, int size, const char* templateText, const char* argFormat, ...) {
    va_list args;
    va_start(args, argFormat);
    qml::FillTranslatedTemplate(buffer, size, templateText, argFormat, args);
    va_end(args);
    return buffer;
}

char* GetMLFormatString(char* buffer, int size, const char* templateText, unsigned long value) {
    return qml::FillTranslatedNumber(buffer, size, templateText, value);
}

int StrcmpML(const char* first, const char* second, int ignoreCase) {
    return qml::CompareTranslated(first, second, ignoreCase != 0);
}

int GetConstIndexByDescCpt(const char** descriptions, int count, const char* text, int* notFound,
                           int compareUntranslated) {
    return qml::DescriptionIndex(descriptions, count, text, notFound, compareUntranslated != 0);
}

CString GetConstSignificativeDesc(const char* number, const char** descriptions, int count) {
    return CString(qml::DescriptionOf(number, descriptions, count).c_str());
}
