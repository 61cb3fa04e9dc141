// The exported translation functions: each applies its buffer contract (the buffer cleared,
// at most size - 1 bytes written, always terminated) around the core that holds the rules.
#include <string>

#include "quorvel/multilanguage.h"
#include "translate/caller_buffer.h"
#include "translate/caption_translator.h"
#include "translate/formatting.h"
#include "translate/key_lookup.h"
#include "translate/phrase_translator.h"
#include "translate/working_text.h"

namespace qml {

namespace {

// What a buffer of size bytes has room for besides the terminator, and the two bytes that a
// value read into it leaves over.
std::size_t Room(int size) {
    return static_cast<std::size_t>(size - 1);
}
std::size_t ValueRoom(int size) {
    return size >= 2 ? static_cast<std::size_t>(size - 2) : 0;
}

}  // namespace

}  // namespace qml

char* GetMultiLanguageText(const char* key, char* buffer, int size, const char* section) {
    using namespace qml;
    if (!buffer || size < 1) return buffer;
    KeyLookup lookup(section ? section : "");
    return FillCallerBuffer(buffer, size,
                            lookup.Translate(key ? key : "", ValueRoom(size), Room(size)).ToString());
}

char* GetMultiLngText_ByAutoPartV(char* buffer, int size, const char* format, va_list args) {
    using namespace qml;
    if (!buffer || size < 1) return buffer;
    return FillCallerBuffer(buffer, size, TranslateFormattedV(format, args));
}

char* GetMultiLngText_ByAutoPart(char* buffer, int size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    char* result = GetMultiLngText_ByAutoPartV(buffer, size, format, args);
    va_end(args);
    return result;
}

char* GetMultiLngTextForUI(const char* caption, char* buffer, int size) {
    using namespace qml;
    if (!buffer || size < 1) return buffer;
    return FillCallerBuffer(buffer, size, TranslateCaption(caption, ValueRoom(size)));
}

char* GetMLFormatStringV(char* buffer, int size, const char* templateText, const char* argFormat,
                         va_list args) {
    using namespace qml;
    if (!buffer || size < 1) return buffer;
    WorkingText argument;
    FormatWorkingText(argument, argFormat, args);
    return FillCallerBuffer(buffer, size, FormatTranslatedText(templateText, argument.data()));
}

char* GetMLFormatString(char* buffer, int size, const char* templateText, const char* argFormat, ...) {
    va_list args;
    va_start(args, argFormat);
    char* result = GetMLFormatStringV(buffer, size, templateText, argFormat, args);
    va_end(args);
    return result;
}

char* GetMLFormatString(char* buffer, int size, const char* templateText, unsigned long value) {
    using namespace qml;
    if (!buffer || size < 1) return buffer;
    return FillCallerBuffer(buffer, size, FormatTranslatedNumber(templateText, value));
}

int StrcmpML(const char* first, const char* second, int ignoreCase) {
    return qml::CompareTranslated(first, second, ignoreCase != 0);
}

int GetConstIndexByDescCpt(const char** descriptions, int count, const char* text, int* notFound,
                           int compareUntranslated) {
    int index = qml::FindDescription(descriptions, count, text, compareUntranslated != 0);
    if (notFound) *notFound = index < 0 ? 1 : 0;
    return index < 0 ? 0 : index;
}

CString GetConstSignificativeDesc(const char* number, const char** descriptions, int count) {
    return CString(qml::DescriptionOf(number, descriptions, count).c_str());
}
