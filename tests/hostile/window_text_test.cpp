// Window texts of 5,000 characters: the library reads at most what its buffers hold, translates
// that, and never writes past a buffer or loses the bytes it should keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "hostile_fixture.h"
#include "quorvel/window_system.h"

namespace {

using qml_test::Guarded;
using qml_test::RawLanguage;

constexpr size_t kLong = 5000;

std::string Shown(HWND window) {
    std::string text(static_cast<size_t>(quorvel::GetWindowTextLengthA(window)) + 1, '\0');
    int n = quorvel::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

class LongWindowTexts : public ::testing::Test {
  protected:
    void TearDown() override {
        for (HWND window : m_windows) quorvel::DestroyWindow(window);
        quorvel::SetMessageBoxPresenter(nullptr);
        SetGBAndBig5_Para(nullptr, nullptr);
        CGBAndBig5::DeleteInstance();
    }
    HWND Make(const char* className, const std::string& text, HWND parent = nullptr) {
        HWND window = quorvel::CreateWindow(className, text.c_str(), parent);
        if (!parent) m_windows.push_back(window);
        return window;
    }

    RawLanguage m_language{
        "[Lngpara]\nDeleteSpace=0\nIsAlpha=1\n[ProgramOutStr]\nOpen=Ouvrir\nSave=Enregistrer\n"};
    std::vector<HWND> m_windows;
};

TEST_F(LongWindowTexts, ADialogAndItsControlsAreTranslatedFromTheirFirstBytes) {
    const std::string caption = "Open " + std::string(kLong - 5, 'x');
    const std::string doubleByte = "Save " + std::string(kLong - 5, '\xA4');
    const std::string data = "Open " + std::string(kLong - 5, 'e');
    HWND dialog = Make("#32770", caption);
    HWND label = Make("Static", caption, dialog);
    HWND chinese = Make("Button", doubleByte, dialog);
    HWND edit = Make("Edit", data, dialog);
    HWND dots = Make("Static", std::string(kLong, '.'), dialog);

    CWnd window(dialog);
    UpdateWndLanguage(&window);

    // A caption is translated from its first 255 bytes.
    const std::string translated = "Ouvrir " + std::string(250, 'x');
    EXPECT_EQ(Shown(dialog), translated);
    EXPECT_EQ(Shown(label), translated);
    // The double-byte text after the word is kept whole as far as the caption goes, in pairs.
    EXPECT_EQ(Shown(chinese), "Enregistrer " + std::string(250, '\xA4'));
    EXPECT_EQ(Shown(edit), data) << "an edit control's text is data and stays";
    // A caption of dots only is cut and doubled like any other.
    EXPECT_EQ(Shown(dots).size(), 510u);
}

TEST_F(LongWindowTexts, ComboBoxItemsAreTranslatedFromTheirFirst1023Bytes) {
    HWND box = Make("ComboBox", "");
    CComboBox combo(box);
    const std::string item = "Open " + std::string(kLong - 5, 'i');
    combo.AddString(item.c_str());
    combo.AddString("Save");
    combo.AddString(std::string(kLong, 'z').c_str());
    ComboBoxTanslate(combo);
    ASSERT_EQ(combo.GetCount(), 3);
    CString text;
    combo.GetLBText(0, text);
    EXPECT_EQ(text.str(), "Ouvrir " + std::string(1016, 'i'));
    combo.GetLBText(1, text);
    EXPECT_EQ(text.str(), "Enregistrer");
    combo.GetLBText(2, text);
    EXPECT_EQ(text.str(), std::string(1022, 'z'));  // a word of 1023 bytes, cut by the lookup
}

TEST_F(LongWindowTexts, TextsSetThroughTheConversionReadBackWhole) {
    _enum_language_type system = LANGUAGE_TYPE_GB;
    int on = 1;
    SetGBAndBig5_Para(&system, &on);
    HWND window = Make("Static", "");
    std::string big5;
    for (size_t i = 0; i < kLong / 2; ++i) big5 += "\xA4\xA4";
    CGBAndBig5WndText texts;
    texts.SetWindowTextA(window, big5.c_str());
    std::string gb;
    for (size_t i = 0; i < kLong / 2; ++i) gb += "\xD6\xD0";
    EXPECT_EQ(Shown(window), gb);
    CString back;
    texts.GetWindowTextA(window, back);
    EXPECT_EQ(back.str(), big5);
    for (int size : {100, 4999, 5000, 5001, 8000}) {
        Guarded buffer(size);
        int n = texts.GetWindowTextA(window, buffer.data(), size);
        EXPECT_TRUE(buffer.GuardsIntact()) << size;
        const size_t kept = std::min<size_t>(static_cast<size_t>(size - 1), kLong);
        EXPECT_EQ(n, static_cast<int>(kept));
        EXPECT_EQ(buffer.Text(), big5.substr(0, kept));
    }
}

TEST_F(LongWindowTexts, MessageBoxesOfLongTexts) {
    quorvel::SetApplicationName("Console");
    std::vector<quorvel::MessageBoxRequest> shown;
    quorvel::SetMessageBoxPresenter([&](const quorvel::MessageBoxRequest& request) {
        shown.push_back(request);
        return 0;  // left open
    });
    const std::string caption = "Open " + std::string(kLong, 'c');
    const std::string message = "Save " + std::string(kLong, 'm');
    std::thread closer([] {
        // Closes the box once it is shown, as a user would.
        for (int i = 0; i < 5000 && !CloseMsgBoxML(IDOK); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    });
    int result = MsgBoxML(nullptr, caption.c_str(), MB_OK, "%s", message.c_str());
    closer.join();
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, ("[Console] - Ouvrir " + std::string(kLong, 'c')).substr(0, 255));
    EXPECT_EQ(shown[0].text, "Enregistrer " + std::string(1018, 'm'));  // from the first 1023 bytes
}

}  // namespace
