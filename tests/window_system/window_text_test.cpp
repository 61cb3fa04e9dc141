// Window texts through the calls and the text messages, and finding windows by title.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "window_fixture.h"

using qml_test::ScopedWindow;
using qml_test::TextOf;

namespace {

// Two double-byte characters, then an ASCII letter.
const char kDoubleByte[] = "\xB0\xA1\xB0\xA2x";

struct CopyCase {
    const char* text;
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
};

TEST(WindowText, GetTextMessageIsBoundedByTheBufferSize) {
    for (const CopyCase& c : kCopyCases) {
        ScopedWindow window("Static", c.text);
        char buffer[128];
        std::fill(std::begin(buffer), std::end(buffer), '#');
        LRESULT copied = quorvel::SendMessageA(window, WM_GETTEXT, static_cast<WPARAM>(c.size),
                                               reinterpret_cast<LPARAM>(buffer));
        EXPECT_EQ(copied, c.copied) << c.text << " in " << c.size;
        EXPECT_EQ(std::string(buffer), c.expected) << c.text << " in " << c.size;
        EXPECT_EQ(buffer[c.size], '#') << "wrote past the buffer of " << c.size;
    }
}

TEST(WindowText, GetWindowTextIsBoundedByTheBufferSize) {
    for (const CopyCase& c : kCopyCases) {
        ScopedWindow window("Button", c.text);
        char buffer[128];
        std::fill(std::begin(buffer), std::end(buffer), '#');
        EXPECT_EQ(quorvel::GetWindowTextA(window, buffer, c.size), c.copied) << c.text << " in " << c.size;
        EXPECT_EQ(std::string(buffer), c.expected) << c.text << " in " << c.size;
        EXPECT_EQ(buffer[c.size], '#') << "wrote past the buffer of " << c.size;
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
