// Every size argument from -1 to 3 for every function that takes one: a size below 1 writes
// nothing, any other size gets a terminated text of at most size - 1 bytes, cut as documented,
// and no byte outside the buffer changes.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "hostile_fixture.h"
#include "quorvel/window_system.h"
#include "util/shared_utility.h"

namespace {

using qml_test::Guarded;
using qml_test::RawLanguage;

struct SizedCall {
    const char* name;
    std::function<void(char* buffer, int size)> call;
    // What a buffer of each size from 1 to 3 holds afterwards.
    std::vector<std::string> expected;
};

class SizeArguments : public ::testing::Test {
  protected:
    void SetUp() override { m_window = quorvel::CreateWindow("Static", "Window text", nullptr); }
    void TearDown() override {
        quorvel::DestroyWindow(m_window);
        SetGBAndBig5_Para(nullptr, nullptr);
    }

    RawLanguage m_language{
        "[Lngpara]\nDeleteSpace=0\nIsAlpha=1\n[ProgramOutStr]\nOpen=Fermer\ndisk=disque\nfailed=rate\n"};
    HWND m_window = nullptr;
};

TEST_F(SizeArguments, FromMinusOneToThree) {
    CGBAndBig5WndText texts;
    texts.SetWindowTextA(m_window, " Window text ");
    const SizedCall calls[] = {
        {"GetLanguageTypeEngName", [](char* b, int n) { GetLanguageTypeEngName(b, n); }, {"", "T", "Te"}},
        {"GetAllLanguageTypeDesc",
         [](char* b, int n) { GetAllLanguageTypeDesc(b, n, nullptr); },
         {"", "E", "En"}},
        {"GetLanguageTypeDescByType",
         [](char* b, int n) { GetLanguageTypeDescByType(3, b, n); },
         {"", "T", "Te"}},
        // Size 2 leaves the reader no room: the key's first letter. Size 3: one of the translation.
        {"GetMultiLanguageText",
         [](char* b, int n) { GetMultiLanguageText("Open", b, n, "ProgramOutStr"); },
         {"", "O", "F"}},
        {"GetMultiLngText_ByAutoPart",
         [](char* b, int n) { GetMultiLngText_ByAutoPart(b, n, "%s %s", "Open", "disk"); },
         {"", "F", "Fe"}},
        {"GetMultiLngTextForUI", [](char* b, int n) { GetMultiLngTextForUI("&Open", b, n); }, {"", "", "&F"}},
        {"GetMLFormatString (text)",
         [](char* b, int n) { GetMLFormatString(b, n, "%%s failed", "%s", "disk"); },
         {"", "d", "di"}},
        {"GetMLFormatString (value)",
         [](char* b, int n) { GetMLFormatString(b, n, "%%lu failed", 42UL); },
         {"", "4", "42"}},
        {"CGBAndBig5WndText::GetWindowTextA",
         [&](char* b, int n) { texts.GetWindowTextA(m_window, b, n); },
         {"", "W", "Wi"}},
        {"GetWindowTextA", [&](char* b, int n) { quorvel::GetWindowTextA(m_window, b, n); }, {"", "W", "Wi"}},
        {"GetClassNameA", [&](char* b, int n) { quorvel::GetClassNameA(m_window, b, n); }, {"", "S", "St"}},
        {"WM_GETTEXT",
         [&](char* b, int n) {
             if (n >= 0)
                 quorvel::SendMessageA(m_window, WM_GETTEXT, static_cast<WPARAM>(n),
                                       reinterpret_cast<LPARAM>(b));
         },
         {"", "W", "Wi"}},
        {"kvSnprintf", [](char* b, int n) { qml::kvSnprintf(b, n, "%s", "text"); }, {"", "t", "te"}},
    };
    for (const SizedCall& c : calls) {
        for (int size = -1; size <= 3; ++size) {
            Guarded buffer(size);
            c.call(buffer.data(), size);
            if (size < 1) {
                EXPECT_TRUE(buffer.Untouched()) << c.name << " wrote with size " << size;
                continue;
            }
            EXPECT_TRUE(buffer.GuardsIntact()) << c.name << ", size " << size;
            EXPECT_EQ(buffer.Text(), c.expected[static_cast<size_t>(size - 1)])
                << c.name << ", size " << size;
        }
    }
}

// The buffer form of the window-text converter answers -1 below size 1 and the count otherwise.
TEST_F(SizeArguments, WindowTextConverterCounts) {
    CGBAndBig5WndText texts;
    texts.SetWindowTextA(m_window, "abc");
    const int expected[] = {-1, -1, 0, 1, 2};
    for (int size = -1; size <= 3; ++size) {
        Guarded buffer(size);
        EXPECT_EQ(texts.GetWindowTextA(m_window, buffer.data(), size), expected[size + 1]) << size;
    }
}

// Sizes the caller gets wrong the other way: a buffer much larger than the text is cleared
// behind it where the function clears its buffer, and still written only inside.
TEST_F(SizeArguments, LargeSizesClearTheWholeBuffer) {
    for (int size : {1024, 4096, 100000}) {
        std::vector<char> buffer(static_cast<size_t>(size), 'q');
        GetMultiLanguageText("Open", buffer.data(), size, "ProgramOutStr");
        EXPECT_EQ(std::string(buffer.data()), "Fermer");
        EXPECT_EQ(std::string(buffer.begin() + 6, buffer.end()),
                  std::string(static_cast<size_t>(size - 6), '\0'));
        std::fill(buffer.begin(), buffer.end(), 'q');
        GetMultiLngText_ByAutoPart(buffer.data(), size, "%s", "Open disk");
        EXPECT_EQ(std::string(buffer.data()), "Fermer disque");
        EXPECT_EQ(buffer.back(), '\0');
    }
}

}  // namespace
