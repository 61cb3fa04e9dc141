#include "translate/formatting.h"

#include "platform/os.h"
#include "translate/phrase_translator.h"
#include "translate/template_filling.h"
#include "translate/working_text.h"

namespace qml {

namespace {

// The first pass: formatting a valid template without arguments only makes "%%" a "%"; any
// other "%" stays, so a stray conversion never reads an argument.
std::string TranslateTemplate(const char* templateText) {
    return TranslateWorkingText(CollapseDoubledPercents(templateText));
}

}  // namespace

std::string TranslateFormattedV(const char* format, va_list args) {
    WorkingText text;
    int length = FormatWorkingText(text, format, args);
    return TranslateText(std::string_view(text.data(), static_cast<std::size_t>(length)));
}

std::string TranslateFormatted(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string translated = TranslateFormattedV(format, args);
    va_end(args);
    return translated;
}

std::string TranslateWorkingText(std::string_view text) {
    std::string translated = TranslateText(text);
    if (translated.size() > kWorkingTextLimit) translated.resize(kWorkingTextLimit);
    return translated;
}

std::string FormatTranslatedText(const char* templateText, const char* argumentText) {
    os::ProfileCallScope profileScope;  // one check of the language file for all passes
    std::string translatedTemplate = TranslateTemplate(templateText);
    std::string translatedArgument = TranslateWorkingText(argumentText ? argumentText : "");
    return TranslateText(FillStringConversion(translatedTemplate, translatedArgument.c_str()));
}

std::string FormatTranslatedNumber(const char* templateText, unsigned long value) {
    os::ProfileCallScope profileScope;  // one check of the language file for all passes
    return TranslateText(FillIntegerConversion(TranslateTemplate(templateText), value));
}

}  // namespace qml
