// Every GB2312 hanzi with a one-to-one traditional form survives GB -> Big5 -> GB: it comes
// back as its traditional form in code page 936, which the simplified mapping turns into the
// original character again.
#include <gtest/gtest.h>

#include <string>

#include "conversion_settings_guard.h"
#include "platform/codepage.h"
#include "quorvel/multilanguage.h"
#include "support/system_mapping.h"

namespace {

using qml_test::ConversionSettings;
using qml_test::Hex;

std::string Map(DWORD flags, const std::string& text) {
    char out[8] = {};
    if (qml::os::LCMapStringA(2052, flags, text.c_str(), -1, out, sizeof out) == 0) return {};
    return out;
}

TEST(RoundTrip, EveryGb2312HanziWithAOneToOneTraditionalForm) {
    if (!qml_test::SystemMapsChineseCharacters()) GTEST_SKIP() << qml_test::NoChineseMappingReason();
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    const std::string big5Placeholder = "\xA1\x40";  // the Big5 ideographic space: no counterpart
    int roundTrips = 0;
    int withoutBig5Form = 0;
    for (unsigned lead = 0xB0; lead <= 0xF7; ++lead) {
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            if (lead == 0xD7 && trail >= 0xFA) continue;  // not assigned
            const std::string gb{static_cast<char>(lead), static_cast<char>(trail)};
            const std::string traditional = Map(LCMAP_TRADITIONAL_CHINESE, gb);
            if (Map(LCMAP_SIMPLIFIED_CHINESE, traditional) != gb) continue;  // not one-to-one

            const std::string big5 = Gb2Big(gb.c_str()).str();
            ASSERT_EQ(big5.size(), 2u) << Hex(gb);
            if (big5 == big5Placeholder) {
                ++withoutBig5Form;
                continue;
            }
            const std::string back = Big2Gb(big5.c_str()).str();
            EXPECT_EQ(Hex(back), Hex(traditional)) << "GB " << Hex(gb) << " via Big5 " << Hex(big5);
            EXPECT_EQ(Hex(LCMapString_Auto(back.c_str())), Hex(gb)) << "GB " << Hex(gb);
            ++roundTrips;
        }
    }
    // GB2312 has 6763 hanzi; a few hundred have no Big5 form at all.
    EXPECT_GT(roundTrips, 6400);
    EXPECT_LT(withoutBig5Form, 300);
}

}  // namespace
