// GetMultiLngText_ByAutoPart against its model: an arbitrary text (handed over as "%s") and an
// arbitrary language file, DeleteSpace on and off, English or not, and every buffer size from
// 1 up. A smaller buffer holds exactly the first size - 1 bytes of the whole result.
//
// With no translation in the file, a text without markup comes back byte for byte (DeleteSpace
// off), or with at most one space of each row of spaces dropped (DeleteSpace on).
//
// Input: 4 parameter bytes (flags, size high, size low, spare), then the field text and the rest
// as the language file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "quorvel/multilanguage.h"
#include "support/check.h"
#include "support/fuzz_input.h"
#include "support/fuzz_language.h"
#include "support/guarded_buffer.h"

namespace {

using namespace qml_fuzz;

std::string Translate(const std::string& text, int size) {
    GuardedBuffer buffer(size);
    char* result = GetMultiLngText_ByAutoPart(buffer.data(), size, "%s", text.c_str());
    Check(result == buffer.data(), "GetMultiLngText_ByAutoPart returns its buffer");
    buffer.CheckClearedAfterText("GetMultiLngText_ByAutoPart");
    return buffer.Text("GetMultiLngText_ByAutoPart");
}

bool HasMarkup(const std::string& text) {
    return text.find_first_of("{}$(") != std::string::npos;
}

// Every row of spaces keeps all its spaces or all but one; nothing else changes.
void CheckSpacesOnly(const std::string& out, const std::string& in) {
    size_t i = 0, j = 0;
    while (i < in.size()) {
        if (in[i] != ' ') {
            if (j >= out.size() || out[j] != in[i]) CheckEqual(out, in, "untranslated byte lost");
            ++i, ++j;
            continue;
        }
        size_t row = 0, kept = 0;
        while (i < in.size() && in[i] == ' ') ++i, ++row;
        while (j < out.size() && out[j] == ' ') ++j, ++kept;
        if (kept != row && kept + 1 != row) CheckEqual(out, in, "more than one space of a row dropped");
    }
    if (j != out.size()) CheckEqual(out, in, "bytes added");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size, 4);
    const std::uint8_t flags = input.Parameter(0);
    const int bufferSize = 1 + static_cast<int>(input.Parameter16(1) % 1100);
    const std::string text = input.Field();
    std::string file = input.Rest();
    const bool noTranslations = (flags & 8) != 0;
    if (noTranslations) file.clear();

    FuzzLanguage& language = FuzzLanguage::Get();
    language.WriteLanguageFile(file);
    language.SetParameters((flags & 1) != 0, (flags & 2) != 0, true);

    constexpr int kWholeSize = 8192;
    const std::string expected = Cut(ReferencePhrase(language.Model(), text), kWholeSize - 1);
    const std::string whole = Translate(text, kWholeSize);
    if (whole != expected)
        Fail("GetMultiLngText_ByAutoPart: wrong text",
             "text \"" + Escape(text) + "\" DeleteSpace " + std::to_string((flags & 2) != 0) +
                 "\n  actual:   \"" + Escape(whole) + "\"\n  expected: \"" + Escape(expected) + "\"");
    CheckEqual(Translate(text, bufferSize), Cut(whole, bufferSize - 1),
               "cut result is not the head of the whole");
    if (!whole.empty())
        CheckEqual(Translate(text, static_cast<int>(whole.size())),
                   Cut(whole, static_cast<int>(whole.size()) - 1),
                   "a buffer one byte short cuts the last byte");

    if (noTranslations && !HasMarkup(text)) {
        const std::string copied = text.substr(0, 1023);
        if (flags & 2)
            CheckSpacesOnly(whole, copied);
        else
            CheckEqual(whole, copied, "untranslated text not copied byte for byte");
    }
    return 0;
}
