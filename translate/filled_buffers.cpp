#include "translate/filled_buffers.h"

#include "base/bounded_copy.h"
#include "translate/caption_translator.h"
#include "translate/formatting.h"
#include "translate/key_lookup.h"
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

bool Usable(const char* buffer, int size) {
    return buffer && size >= 1;
}

// The text a cleared buffer of size bytes shows after the text was copied in.
std::string AsBufferShows(std::string text, int size) {
    if (text.size() > Room(size)) text.resize(Room(size));
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

std::string LookedUpTranslation(const char* key, const char* section, int size) {
    KeyLookup lookup(section ? section : "");
    return lookup.Translate(key ? key : "", ValueRoom(size), Room(size)).ToString();
}

}  // namespace

char* FillKeyTranslation(char* buffer, int size, const char* key, const char* section) {
    if (!Usable(buffer, size)) return buffer;
    FillBounded(buffer, static_cast<std::size_t>(size), LookedUpTranslation(key, section, size));
    return buffer;
}

char* FillFormattedTranslation(char* buffer, int size, const char* format, va_list args) {
    if (!Usable(buffer, size)) return buffer;
    FillBounded(buffer, static_cast<std::size_t>(size), TranslateFormattedV(format, args));
    return buffer;
}

char* FillCaptionTranslation(char* buffer, int size, const char* caption) {
    if (!Usable(buffer, size)) return buffer;
    FillBounded(buffer, static_cast<std::size_t>(size), TranslateCaption(caption, ValueRoom(size)));
    return buffer;
}

char* FillTranslatedTemplate(char* buffer, int size, const char* templateText, const char* argFormat,
                             va_list args) {
    if (!Usable(buffer, size)) return buffer;
    WorkingText argument;
    FormatWorkingText(argument, argFormat, args);
    FillBounded(buffer, static_cast<std::size_t>(size), FormatTranslatedText(templateText, argument.data()));
    return buffer;
}

char* FillTranslatedNumber(char* buffer, int size, const char* templateText, unsigned long value) {
    if (!Usable(buffer, size)) return buffer;
    FillBounded(buffer, static_cast<std::size_t>(size), FormatTranslatedNumber(templateText, value));
    return buffer;
}

std::string KeyTranslationText(const char* key, const char* section, int size) {
    return AsBufferShows(LookedUpTranslation(key, section, size), size);
}

std::string CaptionTranslationText(const char* caption, int size) {
    return AsBufferShows(TranslateCaption(caption, ValueRoom(size)), size);
}

int DescriptionIndex(const char* const* descriptions, int count, const char* text, int* notFound,
                     bool compareUntranslated) {
    const int index = FindDescription(descriptions, count, text, compareUntranslated);
    if (notFound) *notFound = index < 0 ? 1 : 0;
    return index < 0 ? 0 : index;
}

}  // namespace qml
