// Translated formatting, comparison and description tables: the phrase translator put to work
// for a host that formats, compares or indexes texts by their translations. Every
// intermediate text is a working text of at most 1023 bytes.
#pragma once

#include <cstdarg>
#include <string>
#include <string_view>

namespace qml {

// A sentence formatted like printf into a working text (every byte of the result, a NUL
// included, reaches the cutting into keys) and translated: the whole translation.
std::string TranslateFormattedV(const char* format, va_list args);
std::string TranslateFormatted(const char* format, ...);

// The translation of text cut, like every working text, to 1023 bytes.
std::string TranslateWorkingText(std::string_view text);

// A template with one doubled string conversion ("%%s") translated, filled with the
// translation of the finished argument text, and the sentence translated once more (whole).
std::string FormatTranslatedText(const char* templateText, const char* argumentText);

// The same with a doubled integer conversion ("%%lu") filled with value.
std::string FormatTranslatedNumber(const char* templateText, unsigned long value);

// The order of the translations of two texts (null ones are empty): bytes compared as
// unsigned values, or ASCII case ignored.
int CompareTranslated(const char* first, const char* second, bool ignoreCase);

// The index of the first description whose translation (or, with compareUntranslated, whose
// English) equals text byte for byte; -1 when none does.
int FindDescription(const char* const* descriptions, int count, const char* text, bool compareUntranslated);

// The translation of the description that number (read as by atoi) names, or of "Error".
std::string DescriptionOf(const char* number, const char* const* descriptions, int count);

}  // namespace qml
