// Window texts through the calls and the text messages, and finding windows by title.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "window_fixture.h"

using qml_test::ScopedWindow;
using qml_test::TextOf;

namespace {

// Two double-byte characters, then an ASCII letter.
const char kDoubleByte[] = "\xB0\xA1\xB0\xA2x";
const std::string kLong(5000, 'w');

struct CopyCase {
    std::string text;
    int size;
    int copied;
    std::string expected;
};

const CopyCase kCopyCases[] = {
    {"Hello", 1, 0, ""},
    {"Hello", 2, 1, "H"},
    {"Hello", 5, 4, "Hell"},
    {"Hello", 6, 5, "Hello"},
    {"Hello", 100, 5, "Hello"},
    {"", 10, 0, ""},
    // A cut never keeps the first byte of a double-byte character without the second.
    {kDoubleByte, 2, 0, ""},
    {kDoubleByte, 3, 2, "\xB0\xA1"},
    {kDoubleByte, 4, 2, "\xB0\xA1"},
    {kDoubleByte, 5, 4, "\xB0\xA1\xB0\xA2"},
    {kDoubleByte, 6, 5, kDoubleByte},
    // A text of 5,000 characters, around its length.
    {kLong, 1, 0, ""},
    {kLong, 2, 1, kLong.substr(0, 1)},
    {kLong, 100, 99, kLong.substr(0, 99)},
    {kLong, 4999, 4998, kLong.substr(0, 4998)},
    {kLong, 5000, 4999, kLong.substr(0, 4999)},
    {kLong, 5001, 5000, kLong},
};

// The two ways to read a window's text into a buffer of a given size.
const struct {
    const char* name;
    const char* className;
    int (*read)(HWND window, char* buffer, int size);
} kReaders[] = {
    {"WM_GETTEXT", "Static",
     [](HWND window, char* buffer, int size) {
         return static_cast<int>(quorvel::SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(size),
                                                       reinterpret_cast<LPARAM>(buffer)));
     }},
    {"GetWindowTextA", "Button", quorvel::GetWindowTextA},
};

TEST(WindowText, ReadingIsBoundedByTheBufferSize) {
    constexpr size_t kGuard = 32;
    for (const auto& reader : kReaders) {
        for (const CopyCase& c : kCopyCases) {
            ScopedWindow window(reader.className, c.text.c_str());
            EXPECT_EQ(quorvel::GetWindowTextLengthA(window), static_cast<int>(c.text.size()));
            std::vector<char> buffer(static_cast<size_t>(c.size) + 2 * kGuard, '#');
            const std::string where =
                std::string(reader.name) + ", " + c.text.substr(0, 10) + " in " + std::to_string(c.size);
            EXPECT_EQ(reader.read(window, buffer.data() + kGuard, c.size), c.copied) << where;
            EXPECT_EQ(std::string(buffer.data() + kGuard), c.expected) << where;
            EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + kGuard), std::string(kGuard, '#'))
                << where;
            EXPECT_EQ(std::string(buffer.end() - kGuard, buffer.end()), std::string(kGuard, '#'))
                << "wrote past the buffer: " << where;
        }
    }
}

TEST(WindowText, NoBufferMeansNothingCopied) {
    ScopedWindow window("Static", "Hello");
    char buffer[8] = "keep";
    EXPECT_EQ(quorvel::SendMessageA(window, WM_GETTEXT, 0, reinterpret_cast<LPARAM>(buffer)), 0);
    EXPECT_STREQ(buffer, "keep");
    EXPECT_EQ(quorvel::SendMessageA(window, WM_GETTEXT, 8, 0), 0);
    for (int size : {0, -1, -100}) {
        quorvel::SetLastError(0);
        EXPECT_EQ(quorvel::GetWindowTextA(window, buffer, size), 0);
        EXPECT_STREQ(buffer, "keep");
        EXPECT_EQ(quorvel::GetLastError(), ERROR_INVALID_PARAMETER);
    }
    EXPECT_EQ(quorvel::GetWindowTextA(window, nullptr, 8), 0);
}

TEST(WindowText, SettingTextThroughCallAndMessage) {
    ScopedWindow window("Static", "old");
    EXPECT_EQ(quorvel::SetWindowTextA(window, "Set by call"), TRUE);
    EXPECT_EQ(TextOf(window), "Set by call");
    EXPECT_EQ(quorvel::GetWindowTextLengthA(window), 11);
    EXPECT_EQ(quorvel::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0), 11);

    EXPECT_EQ(quorvel::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("By message")), TRUE);
    EXPECT_EQ(TextOf(window), "By message");

    EXPECT_EQ(quorvel::SetWindowTextA(window, nullptr), TRUE);
    EXPECT_EQ(TextOf(window), "");
    quorvel::SetWindowTextA(window, "again");
    EXPECT_EQ(quorvel::SendMessageA(window, WM_SETTEXT, 0, 0), TRUE);
    EXPECT_EQ(quorvel::GetWindowTextLengthA(window), 0);
}

TEST(WindowText, MessagesAWindowDoesNotHandleAnswerZero) {
    ScopedWindow window("Static", "text");
    EXPECT_EQ(quorvel::SendMessageA(window, CB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(quorvel::SendMessageA(window, 0x7FFF, 1, 2), 0);
    EXPECT_EQ(quorvel::SendMessageA(window, WM_COMMAND, IDOK, 0), 0);
    EXPECT_EQ(TextOf(window), "text");
}

TEST(WindowText, CloseRequestDestroysAnOrdinaryWindow) {
    ScopedWindow frame("#32770", "frame");
    HWND panel = quorvel::CreateWindow("Static", "panel", frame);
    HWND inside = quorvel::CreateWindow("Static", "inside", panel);
    EXPECT_EQ(quorvel::SendMessageA(panel, WM_CLOSE, 0, 0), 0);
    EXPECT_EQ(quorvel::IsWindow(panel), FALSE);
    EXPECT_EQ(quorvel::IsWindow(inside), FALSE);
    EXPECT_EQ(quorvel::IsWindow(frame), TRUE);
}

TEST(FindWindow, FindsLiveTopLevelWindowsByTitle) {
    ScopedWindow older("#32770", "Find me");
    ScopedWindow other("Static", "Someone else");
    ScopedWindow child("Static", "Only a child", other);
    struct Case {
        const char* className;
        const char* title;
        HWND expected;
    };
    const Case cases[] = {
        {nullptr, "Find me", older},         {"#32770", "Find me", older},
        {"#32770", "Someone else", nullptr}, {"static", "Someone else", other},
        {nullptr, "find me", nullptr},       {nullptr, "Find me ", nullptr},
        {nullptr, "Only a child", nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quorvel::FindWindowA(c.className, c.title), c.expected)
            << (c.className ? c.className : "(any)") << " / " << c.title;

    // The newest window of a title is the one on top.
    HWND newer = quorvel::CreateWindow("#32770", "Find me", nullptr);
    EXPECT_EQ(quorvel::FindWindowA(nullptr, "Find me"), newer);
    quorvel::DestroyWindow(newer);
    EXPECT_EQ(quorvel::FindWindowA(nullptr, "Find me"), older.get());
    quorvel::DestroyWindow(older);
    EXPECT_EQ(quorvel::FindWindowA(nullptr, "Find me"), nullptr);
}

TEST(FindWindow, FindsATitleChangedAfterCreation) {
    ScopedWindow window("#32770", "Before");
    quorvel::SetWindowTextA(window, "After the change");
    EXPECT_EQ(quorvel::FindWindowA(nullptr, "Before"), nullptr);
    EXPECT_EQ(quorvel::FindWindowA(nullptr, "After the change"), window.get());
    ScopedWindow untitled("UntitledClassForSearch", "");
    EXPECT_EQ(quorvel::FindWindowA("UntitledClassForSearch", ""), untitled.get());
    EXPECT_EQ(quorvel::FindWindowA("UntitledClassForSearch", nullptr), untitled.get());
}

}  // namespace
