// GetMLFormatString: a template with one doubled conversion ("%%s", "%%lu") translated, filled
// with a translated text or a number, and the sentence translated once more.
#include <cstring>
#include <string>

#include "platform/profile_scope.h"
#include "quorvel/multilanguage.h"
#include "translate/phrase_translator.h"
#include "translate/template_filling.h"
#include "translate/working_text.h"

namespace qml {

namespace {

// The first pass: formatting a valid template without arguments only makes "%%" a "%"; any
// other "%" stays, so a stray conversion never reads an argument.
std::string TranslateTemplate(const char* templateText) {
    WorkingText translated;
    TranslatePlainText(translated.data(), kTextBufferSize, CollapseDoubledPercents(templateText).c_str());
    return translated.data();
}

}  // namespace

}  // namespace qml

char* GetMLFormatStringV(char* buffer, int size, const char* templateText, const char* argFormat,
                         va_list args) {
    using namespace qml;
    if (!buffer || size < 1) return buffer;
    os::ProfileCallScope profileScope;
    std::memset(buffer, 0, static_cast<size_t>(size));

    WorkingText argument;
    FormatWorkingText(argument, argFormat, args);
    std::string translatedTemplate = TranslateTemplate(templateText);
    WorkingText translatedArgument;
    TranslatePlainText(translatedArgument.data(), kTextBufferSize, argument.data());

    TranslatePlainText(buffer, size,
                       FillStringConversion(translatedTemplate, translatedArgument.data()).c_str());
    return buffer;
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
    os::ProfileCallScope profileScope;
    std::memset(buffer, 0, static_cast<size_t>(size));
    TranslatePlainText(buffer, size, FillIntegerConversion(TranslateTemplate(templateText), value).c_str());
    return buffer;
}
