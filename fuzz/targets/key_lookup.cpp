// GetMultiLanguageText against its model: an arbitrary language file, key and section, English
// or not, and every buffer size from 1 up. The result is terminated within the size, the rest of
// the buffer is cleared, and the text is the translation or the key less its disambiguator.
//
// Input: 4 parameter bytes (flags, size high, size low, spare), then the fields key, section,
// and the rest as the language file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/os.h"
#include "quorvel/multilanguage.h"
#include "support/check.h"
#include "support/fuzz_input.h"
#include "support/fuzz_language.h"
#include "support/guarded_buffer.h"

namespace {

using namespace qml_fuzz;

void CheckLookup(const std::string& key, const std::string& section, int size) {
    GuardedBuffer buffer(size);
    char* result = GetMultiLanguageText(key.c_str(), buffer.data(), size, section.c_str());
    Check(result == buffer.data(), "GetMultiLanguageText returns its buffer");
    buffer.CheckClearedAfterText("GetMultiLanguageText");
    const std::string expected = ReferenceKeyLookup(FuzzLanguage::Get().Model(), key, size, section);
    if (buffer.Text("GetMultiLanguageText") != expected)
        Fail("GetMultiLanguageText: wrong text", "key \"" + Escape(key) + "\" section \"" + Escape(section) +
                                                     "\" size " + std::to_string(size) + "\n  actual:   \"" +
                                                     Escape(buffer.Text("")) + "\"\n  expected: \"" +
                                                     Escape(expected) + "\"");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size, 4);
    const std::uint8_t flags = input.Parameter(0);
    const int bufferSize = 1 + static_cast<int>(input.Parameter16(1) % 1100);
    const std::string key = input.Field();
    std::string section = input.Field();
    if (flags & 4) section = "ProgramOutStr";
    const std::string file = input.Rest();

    FuzzLanguage& language = FuzzLanguage::Get();
    language.WriteLanguageFile(file);
    language.SetParameters((flags & 1) != 0, false, true);

    // As a host calls it: the file is checked at each of the three tries.
    CheckLookup(key, section, bufferSize);
    // As the translators call it, inside one check of the file per call.
    qml::os::ProfileCallScope scope;
    CheckLookup(key, section, 1);
    CheckLookup(key, section, 2);
    CheckLookup(key, section, 1023);
    return 0;
}
