// GetMLFormatString, both overloads: arbitrary templates and arguments, and language files whose
// translations hold "%" sequences of every kind. The result is terminated within the size, a
// smaller buffer holds the head of the whole result, and no "%" that a template or a
// translation brings along ever reads an argument that is not there (the sanitizers see that).
//
// Where the translated template is plain (no "%" but at most one conversion of the kind the
// overload fills), the result is known: the phrase translation of the filled template.
//
// Input: 8 parameter bytes (flags, size high, size low, value x4, spare), then the fields
// template and argument, and the rest as the language file.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "quorvel/multilanguage.h"
#include "support/check.h"
#include "support/fuzz_input.h"
#include "support/fuzz_language.h"
#include "support/guarded_buffer.h"

namespace {

using namespace qml_fuzz;

constexpr int kWholeSize = 8192;

std::string WithText(const std::string& templateText, const std::string& argument, int size) {
    GuardedBuffer buffer(size);
    char* result = GetMLFormatString(buffer.data(), size, templateText.c_str(), "%s", argument.c_str());
    Check(result == buffer.data(), "GetMLFormatString returns its buffer");
    buffer.CheckClearedAfterText("GetMLFormatString");
    return buffer.Text("GetMLFormatString");
}

std::string WithValue(const std::string& templateText, unsigned long value, int size) {
    GuardedBuffer buffer(size);
    char* result = GetMLFormatString(buffer.data(), size, templateText.c_str(), value);
    Check(result == buffer.data(), "GetMLFormatString returns its buffer");
    buffer.CheckClearedAfterText("GetMLFormatString");
    return buffer.Text("GetMLFormatString");
}

// The template's first pass: "%%" becomes "%", and the template is translated.
std::string TranslatedTemplate(const std::string& templateText) {
    std::string collapsed;
    for (size_t i = 0; i < templateText.size(); ++i) {
        collapsed += templateText[i];
        if (templateText[i] == '%' && i + 1 < templateText.size() && templateText[i + 1] == '%') ++i;
    }
    return Cut(ReferencePhrase(FuzzLanguage::Get().Model(), collapsed), 1023);
}

// The translated template with its one conversion replaced, when the template holds no other
// "%": the conversion is the first "%" and what follows it is one of the given spellings.
bool Fill(const std::string& translated, std::initializer_list<const char*> spellings, const std::string& by,
          std::string& filled) {
    const size_t percent = translated.find('%');
    if (percent == std::string::npos) {
        filled = translated;
        return true;
    }
    if (translated.find('%', percent + 1) != std::string::npos) return false;
    for (const char* spelling : spellings) {
        if (translated.compare(percent, std::string(spelling).size(), spelling) == 0) {
            filled = translated.substr(0, percent) + by +
                     translated.substr(percent + std::string(spelling).size());
            return true;
        }
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size, 8);
    const std::uint8_t flags = input.Parameter(0);
    const int bufferSize = 1 + static_cast<int>(input.Parameter16(1) % 1100);
    const unsigned long value = static_cast<unsigned long>(input.Parameter16(3)) << 16 | input.Parameter16(5);
    const std::string templateText = input.Field();
    const std::string argument = input.Field();
    const std::string file = input.Rest();

    FuzzLanguage& language = FuzzLanguage::Get();
    language.WriteLanguageFile(file);
    language.SetParameters((flags & 1) != 0, (flags & 2) != 0, true);
    const ReferenceLanguage& model = language.Model();

    std::string filled;
    if ((flags & 4) == 0) {
        const std::string withText = WithText(templateText, argument, kWholeSize);
        CheckEqual(WithText(templateText, argument, bufferSize), Cut(withText, bufferSize - 1),
                   "GetMLFormatString (text): cut result is not the head of the whole");
        const std::string translatedArgument = Cut(ReferencePhrase(model, argument), 1023);
        if (Fill(TranslatedTemplate(templateText), {"%s"}, translatedArgument, filled))
            CheckEqual(withText, Cut(ReferencePhrase(model, Cut(filled, 1023)), kWholeSize - 1),
                       "GetMLFormatString (text): wrong text");
        return 0;
    }
    const std::string withValue = WithValue(templateText, value, kWholeSize);
    CheckEqual(WithValue(templateText, value, bufferSize), Cut(withValue, bufferSize - 1),
               "GetMLFormatString (value): cut result is not the head of the whole");
    if (Fill(TranslatedTemplate(templateText), {"%lu", "%u"}, std::to_string(value), filled))
        CheckEqual(withValue, Cut(ReferencePhrase(model, Cut(filled, 1023)), kWholeSize - 1),
                   "GetMLFormatString (value): wrong text");
    return 0;
}
