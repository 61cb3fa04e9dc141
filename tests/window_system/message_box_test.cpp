// Message boxes: the box window, the presenter, and closing by answer, WM_CLOSE and WM_COMMAND,
// also from another thread while MessageBoxA blocks.
#include <gtest/gtest.h>

#include <future>
#include <stdexcept>
#include <thread>

#include "window_fixture.h"

using qml_test::ScopedWindow;
using qml_test::TextOf;

namespace {

class MessageBox : public ::testing::Test {
  protected:
    void TearDown() override { quorvel::SetMessageBoxPresenter(nullptr); }
};

struct StyleCase {
    UINT style;
    std::vector<int> buttons;
    int onClose;  // the result of WM_CLOSE, 0 when the box ignores it
};

const StyleCase kStyles[] = {
    {MB_OK, {IDOK}, IDOK},
    {MB_OKCANCEL, {IDOK, IDCANCEL}, IDCANCEL},
    {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}, 0},
    {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
    {MB_YESNO, {IDYES, IDNO}, 0},
    {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}, IDCANCEL},
    {MB_CANCELTRYCONTINUE, {IDCANCEL, IDTRYAGAIN, IDCONTINUE}, IDCANCEL},
};

TEST_F(MessageBox, PresenterSeesTheBoxAndItsAnswerClosesIt) {
    ScopedWindow owner("#32770", "Owner");
    for (const StyleCase& c : kStyles) {
        quorvel::MessageBoxRequest seen{};
        bool boxWasLive = false;
        quorvel::SetMessageBoxPresenter([&](const quorvel::MessageBoxRequest& request) {
            seen = request;
            boxWasLive = quorvel::IsWindow(request.box) && qml_test::ClassOf(request.box) == "#32770" &&
                         TextOf(request.box) == "Caption" &&
                         quorvel::FindWindowA(nullptr, "Caption") == request.box;
            return request.buttons.back();
        });
        UINT style = c.style | MB_ICONQUESTION;
        EXPECT_EQ(quorvel::MessageBoxA(owner, "Text", "Caption", style), c.buttons.back());
        EXPECT_TRUE(boxWasLive) << c.style;
        EXPECT_EQ(seen.owner, owner.get());
        EXPECT_EQ(seen.caption, "Caption");
        EXPECT_EQ(seen.text, "Text");
        EXPECT_EQ(seen.style, style);
        EXPECT_EQ(seen.buttons, c.buttons) << c.style;
        EXPECT_EQ(quorvel::IsWindow(seen.box), FALSE) << "the box outlived MessageBoxA";
        EXPECT_EQ(quorvel::FindWindowA(nullptr, "Caption"), nullptr);
    }
}

TEST_F(MessageBox, CloseRequestClosesOnlyBoxesWithCancelOrJustOk) {
    for (const StyleCase& c : kStyles) {
        bool stayedOpen = false;
        quorvel::SetMessageBoxPresenter([&](const quorvel::MessageBoxRequest& request) {
            EXPECT_EQ(quorvel::SendMessageA(request.box, WM_CLOSE, 0, 0), 0);
            // A box that ended is hidden but stays a window until MessageBoxA returns.
            EXPECT_TRUE(quorvel::IsWindow(request.box));
            stayedOpen = quorvel::IsWindowVisible(request.box) != FALSE;
            // A box that ignores the request is closed with its first button.
            if (stayedOpen)
                quorvel::SendMessageA(request.box, WM_COMMAND, static_cast<WPARAM>(request.buttons[0]), 0);
            return 0;
        });
        int expected = c.onClose ? c.onClose : c.buttons[0];
        EXPECT_EQ(quorvel::MessageBoxA(nullptr, "Text", "Close request", c.style), expected) << c.style;
        EXPECT_EQ(stayedOpen, c.onClose == 0) << c.style;
    }
}

TEST_F(MessageBox, CommandClosesOnlyWithOneOfTheBoxButtons) {
    bool survivedForeignIds = false;
    quorvel::SetMessageBoxPresenter([&](const quorvel::MessageBoxRequest& request) {
        for (int foreign : {0, IDOK, IDCANCEL, IDRETRY, 0x10000 | IDOK})
            quorvel::SendMessageA(request.box, WM_COMMAND, static_cast<WPARAM>(foreign), 0);
        survivedForeignIds = quorvel::IsWindowVisible(request.box) != FALSE;
        // The high word of wParam is the notification code; the low word is the id. As with a
        // dialog, a button pressed after the box ended, before MessageBoxA returns, replaces
        // the result.
        quorvel::SendMessageA(request.box, WM_COMMAND, static_cast<WPARAM>(IDNO), 0);
        quorvel::SendMessageA(request.box, WM_COMMAND, static_cast<WPARAM>(IDYES), 0);
        return 0;
    });
    EXPECT_EQ(quorvel::MessageBoxA(nullptr, "Text", "Command", MB_YESNO), IDYES);
    EXPECT_TRUE(survivedForeignIds);
}

TEST_F(MessageBox, FirstCloseWinsOverALaterAnswer) {
    quorvel::SetMessageBoxPresenter([](const quorvel::MessageBoxRequest& request) {
        quorvel::SendMessageA(request.box, WM_CLOSE, 0, 0);
        return IDOK;
    });
    EXPECT_EQ(quorvel::MessageBoxA(nullptr, "Text", "Closed twice", MB_OKCANCEL), IDCANCEL);
}

// The presenter leaves the box open and hands it to another thread, which closes it while
// MessageBoxA blocks.
int CloseFromAnotherThread(UINT style, UINT message, WPARAM wParam) {
    std::promise<HWND> shown;
    quorvel::SetMessageBoxPresenter([&shown](const quorvel::MessageBoxRequest& request) {
        shown.set_value(request.box);
        return 0;
    });
    std::thread closer([&shown, message, wParam] {
        HWND box = shown.get_future().get();
        quorvel::SendMessageA(box, message, wParam, 0);
    });
    int result = quorvel::MessageBoxA(nullptr, "Waiting", "Closed elsewhere", style);
    closer.join();
    return result;
}

TEST_F(MessageBox, ClosedFromAnotherThreadWhileBlocking) {
    struct Case {
        UINT style;
        UINT message;
        WPARAM wParam;
        int result;
    };
    const Case cases[] = {
        {MB_YESNO, WM_COMMAND, IDNO, IDNO},
        {MB_YESNOCANCEL, WM_CLOSE, 0, IDCANCEL},
        {MB_OK, WM_CLOSE, 0, IDOK},
        {MB_ABORTRETRYIGNORE, WM_COMMAND, IDIGNORE, IDIGNORE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CloseFromAnotherThread(c.style, c.message, c.wParam), c.result) << c.style;
}

TEST_F(MessageBox, FoundByItsCaptionFromAnotherThread) {
    std::promise<void> shown;
    quorvel::SetMessageBoxPresenter([&shown](const quorvel::MessageBoxRequest&) {
        shown.set_value();
        return 0;
    });
    std::thread closer([&shown] {
        shown.get_future().get();
        HWND box = quorvel::FindWindowA(nullptr, "[Host] - Question");
        quorvel::SendMessageA(box, WM_CLOSE, 0, 0);  // ignored by a Yes/No box
        quorvel::SendMessageA(box, WM_COMMAND, IDYES, 0);
    });
    EXPECT_EQ(quorvel::MessageBoxA(nullptr, "Go on?", "[Host] - Question", MB_YESNO), IDYES);
    closer.join();
}

TEST_F(MessageBox, AnswerThatIsNoButtonFailsTheCall) {
    const int answers[] = {IDCANCEL, -1, 99};
    for (int answer : answers) {
        HWND box = nullptr;
        quorvel::SetMessageBoxPresenter([&box, answer](const quorvel::MessageBoxRequest& request) {
            box = request.box;
            return answer;
        });
        quorvel::SetLastError(0);
        EXPECT_EQ(quorvel::MessageBoxA(nullptr, "Text", "Bad answer", MB_YESNO), 0) << answer;
        EXPECT_EQ(quorvel::GetLastError(), ERROR_INVALID_PARAMETER);
        EXPECT_EQ(quorvel::IsWindow(box), FALSE);
    }
}

TEST_F(MessageBox, PresenterThatThrowsFailsTheCall) {
    HWND box = nullptr;
    quorvel::SetMessageBoxPresenter([&box](const quorvel::MessageBoxRequest& request) -> int {
        box = request.box;
        throw std::runtime_error("no display");
    });
    EXPECT_EQ(quorvel::MessageBoxA(nullptr, "Text", "Throws", MB_OK), 0);
    EXPECT_EQ(quorvel::IsWindow(box), FALSE);
}

TEST_F(MessageBox, DestroyingTheBoxOrItsOwnerEndsTheCall) {
    ScopedWindow dialog("#32770", "Owner dialog");
    HWND owner = quorvel::CreateWindow("Button", "owner button", dialog);
    std::promise<HWND> shown;
    quorvel::SetMessageBoxPresenter([&shown](const quorvel::MessageBoxRequest& request) {
        shown.set_value(request.box);
        return 0;
    });
    std::thread destroyer([&shown, &dialog] {
        HWND box = shown.get_future().get();
        EXPECT_EQ(quorvel::IsWindow(box), TRUE);
        quorvel::DestroyWindow(dialog);  // owner's parent: the owner goes, and its box with it
        EXPECT_EQ(quorvel::IsWindow(box), FALSE);
    });
    quorvel::SetLastError(0);
    EXPECT_EQ(quorvel::MessageBoxA(owner, "Text", "Owned", MB_YESNO), 0);
    EXPECT_EQ(quorvel::GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    destroyer.join();

    quorvel::SetMessageBoxPresenter([](const quorvel::MessageBoxRequest& request) {
        quorvel::DestroyWindow(request.box);
        return IDYES;
    });
    EXPECT_EQ(quorvel::MessageBoxA(nullptr, "Text", "Destroyed", MB_YESNO), 0);
}

TEST_F(MessageBox, RefusesADeadOwnerAndAnUnknownType) {
    HWND dead = quorvel::CreateWindow("#32770", "gone", nullptr);
    quorvel::DestroyWindow(dead);
    int presented = 0;
    quorvel::SetMessageBoxPresenter([&presented](const quorvel::MessageBoxRequest&) {
        ++presented;
        return IDOK;
    });
    quorvel::SetLastError(0);
    EXPECT_EQ(quorvel::MessageBoxA(dead, "Text", "Dead owner", MB_OK), 0);
    EXPECT_EQ(quorvel::GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(quorvel::MessageBoxA(nullptr, "Text", "Unknown type", 7), 0);
    EXPECT_EQ(quorvel::GetLastError(), 1158u);
    EXPECT_EQ(presented, 0);
}

TEST_F(MessageBox, NullTextsAndCaption) {
    quorvel::MessageBoxRequest seen{};
    quorvel::SetMessageBoxPresenter([&seen](const quorvel::MessageBoxRequest& request) {
        seen = request;
        return IDOK;
    });
    EXPECT_EQ(quorvel::MessageBoxA(nullptr, nullptr, nullptr, MB_OK), IDOK);
    EXPECT_EQ(seen.caption, "Error");
    EXPECT_EQ(seen.text, "");
    EXPECT_EQ(seen.owner, nullptr);
}

TEST_F(MessageBox, DefaultPresenterWritesTheBoxAndAnswersTheDefaultButton) {
    struct Case {
        UINT style;
        int result;
    };
    const Case cases[] = {
        {MB_OK, IDOK},
        {MB_YESNO, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, IDNO},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_YESNO | MB_DEFBUTTON3, IDYES},  // no third button: the first
        {MB_OKCANCEL | MB_DEFBUTTON4 | MB_ICONERROR, IDOK},
    };
    for (const Case& c : cases) {
        ::testing::internal::CaptureStderr();
        int result = quorvel::MessageBoxA(nullptr, "Shown on the console", "Console box", c.style);
        std::string written = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(result, c.result) << c.style;
        EXPECT_NE(written.find("Console box"), std::string::npos) << written;
        EXPECT_NE(written.find("Shown on the console"), std::string::npos) << written;
    }
}

}  // namespace
