// GetMultiLngTextForUI against its model: an arbitrary caption and language file, IsAlpha on
// and off, DeleteSpace on and off, and every buffer size from 1 up.
//
// Input: 4 parameter bytes (flags, size high, size low, spare), then the field caption and the
// rest as the language file.
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

void CheckCaption(const std::string& caption, int size) {
    GuardedBuffer buffer(size);
    char* result = GetMultiLngTextForUI(caption.c_str(), buffer.data(), size);
    Check(result == buffer.data(), "GetMultiLngTextForUI returns its buffer");
    const std::string actual = buffer.Text("GetMultiLngTextForUI");
    const std::string expected = ReferenceCaption(FuzzLanguage::Get().Model(), caption, size);
    if (actual != expected)
        Fail("GetMultiLngTextForUI: wrong text",
             "caption \"" + Escape(caption) + "\" size " + std::to_string(size) + "\n  actual:   \"" +
                 Escape(actual) + "\"\n  expected: \"" + Escape(expected) + "\"");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size, 4);
    const std::uint8_t flags = input.Parameter(0);
    const int bufferSize = 1 + static_cast<int>(input.Parameter16(1) % 600);
    const std::string caption = input.Field();
    const std::string file = input.Rest();

    FuzzLanguage& language = FuzzLanguage::Get();
    language.WriteLanguageFile(file);
    language.SetParameters((flags & 1) != 0, (flags & 2) != 0, (flags & 4) != 0);

    CheckCaption(caption, bufferSize);
    CheckCaption(caption, 1);
    if (flags & 8) CheckCaption(caption, 1024);

    GuardedBuffer nullCaption(bufferSize);
    GetMultiLngTextForUI(nullptr, nullCaption.data(), bufferSize);
    CheckEqual(nullCaption.Text("GetMultiLngTextForUI"), std::string(),
               "a null caption gives the empty text");
    return 0;
}
