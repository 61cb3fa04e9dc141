// CalcStringCodeType and LCMapString_Auto on arbitrary texts with every system code type: the
// verdict and the count agree with the detector's rules, and the mapping keeps the length.
//
// Input: 4 parameter bytes (system, switch, count start x2), then the text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "quorvel/multilanguage.h"
#include "support/check.h"
#include "support/conversion_settings.h"
#include "support/fuzz_input.h"
#include "support/reference_detection.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace qml_fuzz;
    FuzzInput input(data, size, 4);
    FuzzConversionSettings settings(input.Parameter(0), input.Parameter(1));
    const int countStart = static_cast<int>(input.Parameter16(2)) - 32768;
    const std::string text = input.Field();

    int count = countStart;
    const int type = CalcStringCodeType(text.c_str(), &count);
    if (!settings.HasSystem()) {
        Check(type == LANGUAGE_TYPE_OTHER && count == countStart,
              "no system code type: 3 and nothing counted");
    } else {
        int expectedCount = countStart;
        const int expected = ReferenceCodeType(text, settings.System(), &expectedCount);
        if (type != expected || count != expectedCount)
            Fail("CalcStringCodeType",
                 "text \"" + Escape(text) + "\" system " + std::to_string(settings.System()) + ": " +
                     std::to_string(type) + " counted " + std::to_string(count - countStart) + ", expected " +
                     std::to_string(expected) + " counted " + std::to_string(expectedCount - countStart));
        Check(CalcStringCodeType(text.c_str(), nullptr) == type, "CalcStringCodeType without a count");
    }
    Check(CalcStringCodeType(nullptr, nullptr) == CalcStringCodeType("", nullptr),
          "a null text is the empty one");

    const std::string mapped = LCMapString_Auto(text.c_str()).GetString();
    if (!settings.HasSystem() || settings.System() != LANGUAGE_TYPE_GB) {
        CheckEqual(mapped, text, "LCMapString_Auto maps on a GB system only");
    } else {
        Check(mapped.size() == text.size(), "LCMapString_Auto keeps the length");
        for (size_t i = 0; i < text.size(); ++i)
            if ((static_cast<unsigned char>(text[i]) < 0x40 ||
                 static_cast<unsigned char>(mapped[i]) < 0x40) &&
                text[i] != mapped[i])
                Fail("LCMapString_Auto changed a byte below 0x40", Escape(text) + " -> " + Escape(mapped));
    }
    return 0;
}
