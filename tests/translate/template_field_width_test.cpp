// Widths and precisions of a template's conversion, as a language file may write them: a field
// of a billion bytes gives what printf would show in 1023 bytes, without producing the rest.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "translate/template_filling.h"

namespace {

using qml::FillIntegerConversion;
using qml::FillStringConversion;

// What printf shows of a field of the given width, cut to 1023 bytes like every working text.
std::string Field(const std::string& text, size_t width, bool left, char pad = ' ') {
    const size_t padding = width > text.size() ? width - text.size() : 0;
    std::string field = left ? text : std::string(std::min<size_t>(padding, 1023), pad) + text;
    if (left) field += std::string(std::min<size_t>(padding, 1023), pad);
    return field.substr(0, 1023);
}

TEST(TemplateFieldWidth, WideTextFieldsShowTheirFirst1023Bytes) {
    const struct {
        const char* conversion;
        size_t width;
        bool left;
    } cases[] = {
        {"%20s", 20, false},
        {"%1023s", 1023, false},
        {"%2046s", 2046, false},
        {"%2047s", 2047, false},
        {"%2048s", 2048, false},
        {"%5000s", 5000, false},
        {"%999999999s", 999999999, false},
        {"%-999999999s", 999999999, true},
        {"%-1500s", 1500, true},
    };
    for (const auto& c : cases) {
        for (const std::string& text : {std::string("x"), std::string(700, 'y'), std::string(1023, 'z')}) {
            std::string expected = Field(text, c.width, c.left);
            EXPECT_EQ(FillStringConversion(c.conversion, text.c_str()), expected)
                << c.conversion << " with " << text.size() << " bytes";
        }
    }
}

TEST(TemplateFieldWidth, LongPrecisionsOfTextsKeepTheWholeText) {
    const std::string text(1023, 't');
    EXPECT_EQ(FillStringConversion("%.999999999s", text.c_str()), text);
    EXPECT_EQ(FillStringConversion("%.3s", text.c_str()), "ttt");
    EXPECT_EQ(FillStringConversion("%5000.2s|", "abc"), std::string(1023, ' ') + "|");
}

TEST(TemplateFieldWidth, WideAndPreciseNumbers) {
    EXPECT_EQ(FillIntegerConversion("%999999999lu", 42), Field("42", 999999999, false));
    EXPECT_EQ(FillIntegerConversion("%-999999999d", 42), Field("42", 999999999, true));
    EXPECT_EQ(FillIntegerConversion("%0999999999d", 42), Field("42", 999999999, false, '0'));
    EXPECT_EQ(FillIntegerConversion("%.999999999u", 7), std::string(1023, '0'));
    EXPECT_EQ(FillIntegerConversion("%+.3000d", 7), "+" + std::string(1022, '0'));
    EXPECT_EQ(FillIntegerConversion("%#.2500x", 255), "0x" + std::string(1021, '0'));
    EXPECT_EQ(FillIntegerConversion("%08lu", 42), "00000042");
    EXPECT_EQ(FillIntegerConversion("%-6d|", 42), "42    |");
}

}  // namespace
