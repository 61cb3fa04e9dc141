// The translation functions as the exported ones and the C interface present them: each
// writes into a caller's buffer under one contract (a null buffer or a size below 1 is left
// alone; else the buffer is cleared and holds at most size - 1 bytes, always terminated) and
// returns buffer. Both interfaces call these; the rules live in the core below them.
#pragma once

#include <cstdarg>
#include <string>

namespace qml {

char* FillKeyTranslation(char* buffer, int size, const char* key, const char* section);
char* FillFormattedTranslation(char* buffer, int size, const char* format, va_list args);
char* FillCaptionTranslation(char* buffer, int size, const char* caption);
char* FillTranslatedTemplate(char* buffer, int size, const char* templateText, const char* argFormat,
                             va_list args);
char* FillTranslatedNumber(char* buffer, int size, const char* templateText, unsigned long value);

// What the first two would leave in a buffer of size bytes, read up to its terminator.
std::string KeyTranslationText(const char* key, const char* section, int size);
std::string CaptionTranslationText(const char* caption, int size);

// The index of the description that text names, as the exported lookup reports it: 0 and
// *notFound set when none does.
int DescriptionIndex(const char* const* descriptions, int count, const char* text, int* notFound,
                     bool compareUntranslated);

}  // namespace qml
