// Window texts set through the conversion read back as the host set them.
#include <gtest/gtest.h>

#include <string>

#include "conversion_settings_guard.h"
#include "quorvel/multilanguage.h"
#include "quorvel/window_system.h"

namespace {

using qml_test::Bytes;
using qml_test::ConversionSettings;
using qml_test::Hex;

std::string Shown(HWND window) {
    char text[256] = {};
    quorvel::GetWindowTextA(window, text, sizeof text);
    return text;
}

class WindowText : public ::testing::Test {
  protected:
    void SetUp() override { m_window = quorvel::CreateWindow("Static", "", nullptr); }
    void TearDown() override { quorvel::DestroyWindow(m_window); }

    std::string ReadBack(CGBAndBig5WndText& texts) {
        CString text("unchanged");
        texts.GetWindowTextA(m_window, text);
        return text.str();
    }

    HWND m_window = nullptr;
};

TEST_F(WindowText, ShowsTheConvertedTextAndReadsBackTheOriginal) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    CGBAndBig5WndText texts;
    const std::string big5 = Bytes("20 A4A4 A4E5 0D0A");
    texts.SetWindowTextA(m_window, big5.c_str());
    EXPECT_EQ(Hex(Shown(m_window)), Hex(Bytes("D6D0 CEC4 0D0A")));
    EXPECT_EQ(Hex(ReadBack(texts)), Hex(Bytes("A4A4 A4E5")));
}

TEST_F(WindowText, WithTheConversionOffShowsTheTrimmedText) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 0);
    CGBAndBig5WndText texts;
    texts.SetWindowTextA(m_window, "\t Hello \r\n");
    EXPECT_EQ(Shown(m_window), "Hello");
    EXPECT_EQ(ReadBack(texts), "Hello");
}

TEST_F(WindowText, TextChangedByOtherMeansBecomesBothForms) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    CGBAndBig5WndText texts;
    texts.SetWindowTextA(m_window, Bytes("A4A4").c_str());
    quorvel::SetWindowTextA(m_window, " changed ");
    EXPECT_EQ(ReadBack(texts), "changed");
    // The entry no longer remembers the Big5 original: the converted text now reads as itself.
    quorvel::SetWindowTextA(m_window, Bytes("D6D0").c_str());
    EXPECT_EQ(Hex(ReadBack(texts)), "D6D0");
}

TEST_F(WindowText, SettingTwiceKeepsTheSecondText) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    CGBAndBig5WndText texts;
    texts.SetWindowTextA(m_window, Bytes("A4A4").c_str());
    texts.SetWindowTextA(m_window, Bytes("A4E5").c_str());
    EXPECT_EQ(Hex(Shown(m_window)), "CEC4");
    EXPECT_EQ(Hex(ReadBack(texts)), "A4E5");
}

TEST_F(WindowText, WindowsNeverSetReadAsTheirOwnTextTrimmed) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    CGBAndBig5WndText texts;
    quorvel::SetWindowTextA(m_window, "\r\n own text \t");
    EXPECT_EQ(ReadBack(texts), "own text");
}

TEST_F(WindowText, NullTextIsEmpty) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    CGBAndBig5WndText texts;
    quorvel::SetWindowTextA(m_window, "before");
    texts.SetWindowTextA(m_window, nullptr);
    EXPECT_EQ(Shown(m_window), "");
    EXPECT_EQ(ReadBack(texts), "");
}

TEST_F(WindowText, HandlesThatAreNoWindowAreLeftAlone) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    CGBAndBig5WndText texts;
    HWND gone = quorvel::CreateWindow("Static", "x", nullptr);
    quorvel::DestroyWindow(gone);
    texts.SetWindowTextA(gone, "text");
    CString text("unchanged");
    texts.GetWindowTextA(gone, text);
    EXPECT_EQ(text, "unchanged");
    texts.GetWindowTextA(nullptr, text);
    EXPECT_EQ(text, "unchanged");
    char buffer[8] = "keep";
    EXPECT_EQ(texts.GetWindowTextA(gone, buffer, sizeof buffer), -1);
    EXPECT_STREQ(buffer, "keep");
}

TEST_F(WindowText, BufferFormCutsToTheBuffer) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 0);
    CGBAndBig5WndText texts;
    texts.SetWindowTextA(m_window, " abcdefgh ");
    char buffer[8] = {};
    EXPECT_EQ(texts.GetWindowTextA(m_window, buffer, 0), -1);
    EXPECT_EQ(texts.GetWindowTextA(m_window, nullptr, 8), -1);
    EXPECT_EQ(texts.GetWindowTextA(m_window, buffer, 5), 4);
    EXPECT_STREQ(buffer, "abcd");
    EXPECT_EQ(texts.GetWindowTextA(m_window, buffer, sizeof buffer), 7);
    EXPECT_STREQ(buffer, "abcdefg");
    char roomy[16] = {};
    EXPECT_EQ(texts.GetWindowTextA(m_window, roomy, sizeof roomy), 8);
    EXPECT_STREQ(roomy, "abcdefgh");
}

TEST_F(WindowText, KeepsOneEntryPerWindowAcrossManyWindows) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    CGBAndBig5WndText texts;
    std::vector<HWND> windows;
    for (int i = 0; i < 300; ++i) {  // past two growth steps
        windows.push_back(quorvel::CreateWindow("Static", "", nullptr));
        texts.SetWindowTextA(windows.back(), (Bytes("A4A4") + std::to_string(i)).c_str());
    }
    for (int i = 0; i < 300; ++i) {
        CString text;
        texts.GetWindowTextA(windows[static_cast<size_t>(i)], text);
        EXPECT_EQ(text.str(), Bytes("A4A4") + std::to_string(i));
    }
    for (HWND window : windows) quorvel::DestroyWindow(window);
}

}  // namespace
