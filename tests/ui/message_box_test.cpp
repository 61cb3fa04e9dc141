// Translated message boxes: captions, style, owner, and closing the box shown last.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "language/language_state.h"
#include "ui_fixture.h"

namespace {

using MessageBoxes = qml_test::FrenchWindows;

// Records every box the window system shows and answers with a fixed button (0: leave open,
// -1: the box's first button).
struct Recorder {
    std::mutex lock;
    std::vector<quorvel::MessageBoxRequest> boxes;
    std::promise<HWND> shown;
    bool signalled = false;

    quorvel::MessageBoxPresenter Presenter(int answer) {
        return [this, answer](const quorvel::MessageBoxRequest& request) {
            std::lock_guard<std::mutex> guard(lock);
            boxes.push_back(request);
            if (!signalled) {
                signalled = true;
                shown.set_value(request.box);
            }
            return answer < 0 ? request.buttons.front() : answer;
        };
    }
};

// Waits for the first box the recorder sees.
HWND WaitShown(Recorder& recorder) {
    return recorder.shown.get_future().get();
}

std::atomic<int> g_ownerCalls{0};
std::atomic<CWnd*> g_ownerArgument{reinterpret_cast<CWnd*>(1)};  // later tests show boxes on threads
HWND g_owner = nullptr;
HWND OwnerOf(CWnd* parent) {
    ++g_ownerCalls;
    g_ownerArgument = parent;
    return g_owner;
}

// Before any box was shown there is no caption to look for; recorded at start-up, before any
// test could show a box.
const int g_closeBeforeAnyBox = CloseMsgBoxML(IDOK);

TEST_F(MessageBoxes, NothingToCloseBeforeTheFirstBox) {
    EXPECT_EQ(g_closeBeforeAnyBox, 0);
}

TEST_F(MessageBoxes, CaptionTextAndStyle) {
    Recorder recorder;
    quorvel::SetMessageBoxPresenter(recorder.Presenter(-1));
    const struct {
        const char* application;
        const char* caption;
        unsigned style;
        const char* boxCaption;
        unsigned boxStyle;
        int result;
    } cases[] = {
        {"Console", nullptr, 0, "[Console] - Message Prompt", MB_ICONEXCLAMATION | MB_OK, IDOK},
        {"Console", "Warning", MB_OKCANCEL, "[Console] - Avertissement", MB_OKCANCEL, IDOK},
        {"Console", "", MB_YESNO, "[Console] - ", MB_YESNO, IDYES},
        {"50% Tool", "Warning", 0, "[50% Tool] - Avertissement", MB_ICONEXCLAMATION | MB_OK, IDOK},
    };
    for (const auto& c : cases) {
        quorvel::SetApplicationName(c.application);
        EXPECT_EQ(MsgBoxML(nullptr, c.caption, c.style, "Open %s: %d%%", "Disk", 5), c.result);
        ASSERT_FALSE(recorder.boxes.empty());
        const auto& box = recorder.boxes.back();
        EXPECT_EQ(box.caption, c.boxCaption);
        EXPECT_EQ(box.text, "Ouvrir Disque: 5%");
        EXPECT_EQ(box.style, c.boxStyle);
        EXPECT_EQ(box.owner, nullptr);
    }
}

TEST_F(MessageBoxes, OwnerComesFromTheParentWindowCallback) {
    Recorder recorder;
    quorvel::SetMessageBoxPresenter(recorder.Presenter(IDOK));
    g_owner = quorvel::CreateWindow("#32770", "Main", nullptr);
    Set_MultiLanguage_Para(nullptr, 3, nullptr, OwnerOf);

    g_ownerCalls = 0;
    MsgBoxML(nullptr, "Warning", 0, "x");
    EXPECT_EQ(g_ownerCalls, 1);
    EXPECT_EQ(g_ownerArgument.load(), nullptr);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].owner, g_owner);

    CWnd parent(g_owner);
    MsgBoxML(&parent, "Warning", 0, "x");
    EXPECT_EQ(g_ownerCalls, 2);
    EXPECT_EQ(g_ownerArgument.load(), &parent);
    // The owner stays: the callback cannot be taken back and later boxes ask it too.
}

TEST_F(MessageBoxes, CloseFindsTheBoxShownLast) {
    Recorder recorder;
    quorvel::SetMessageBoxPresenter(recorder.Presenter(0));  // boxes stay open
    auto result =
        std::async(std::launch::async, [] { return MsgBoxML(nullptr, "Warning", MB_YESNOCANCEL, "x"); });
    HWND box = WaitShown(recorder);
    ASSERT_TRUE(quorvel::IsWindow(box));

    EXPECT_EQ(CloseMsgBoxML(IDNO), 1);  // WM_CLOSE closes a box with a Cancel button
    EXPECT_EQ(result.get(), IDCANCEL);
    EXPECT_FALSE(quorvel::IsWindow(box));
    EXPECT_EQ(CloseMsgBoxML(IDNO), 0);  // gone
}

TEST_F(MessageBoxes, SecondBoxClosesAnOpenYesNoBoxByOkThenNo) {
    Recorder recorder;
    quorvel::SetMessageBoxPresenter(recorder.Presenter(0));
    auto first =
        std::async(std::launch::async, [] { return MsgBoxML(nullptr, "Warning", MB_YESNO, "first"); });
    ASSERT_NE(WaitShown(recorder), nullptr);

    // The second box comes from another thread; its presenter answers at once.
    quorvel::SetMessageBoxPresenter([](const quorvel::MessageBoxRequest&) { return IDOK; });
    EXPECT_EQ(std::async(std::launch::async, [] { return MsgBoxML(nullptr, "Warning", 0, "second"); }).get(),
              IDOK);
    EXPECT_EQ(first.get(), IDNO);
}

TEST_F(MessageBoxes, OkBoxClosesAtTheFirstWmClose) {
    Recorder recorder;
    quorvel::SetMessageBoxPresenter(recorder.Presenter(0));
    auto first = std::async(std::launch::async, [] { return MsgBoxML(nullptr, "Warning", MB_OK, "first"); });
    ASSERT_NE(WaitShown(recorder), nullptr);
    EXPECT_EQ(CloseMsgBoxML(IDCANCEL), 1);
    EXPECT_EQ(first.get(), IDOK);
}

// Eight threads each show a box with a caption of its own, and a handler that runs while the
// box is up closes a box with CloseMsgBoxML. Each close ends one box that is still shown, so
// as many closes as boxes leave none open; WM_CLOSE ends a box with Cancel, and no button is
// pressed on a box that has ended, so every result is IDCANCEL. Once every box has been shown
// and has made its close, a box still shown is one that no close will end.
std::atomic<int> g_closesMade{0};

TEST_F(MessageBoxes, ThreadsClosingBoxesOfTheirOwnLeaveNoneOpen) {
    constexpr int kThreads = 8;
    quorvel::SetMessageBoxPresenter([](const quorvel::MessageBoxRequest&) {
        CloseMsgBoxML(IDNO);
        ++g_closesMade;
        return 0;
    });
    int orphaned = 0;
    for (int run = 0; run < 200 && orphaned == 0; ++run) {
        g_closesMade = 0;
        std::vector<std::future<int>> results;
        std::atomic<int> ready{0};
        for (int t = 0; t < kThreads; ++t)
            results.push_back(std::async(std::launch::async, [t, &ready] {
                ++ready;  // all start together
                while (ready < kThreads) std::this_thread::yield();
                return MsgBoxML(nullptr, ("Box " + std::to_string(t)).c_str(), MB_YESNOCANCEL, "x");
            }));
        while (g_closesMade < kThreads) std::this_thread::yield();
        for (int t = 0; t < kThreads; ++t) {
            HWND box = quorvel::FindWindowA("#32770", ("[Console] - Box " + std::to_string(t)).c_str());
            if (box && quorvel::IsWindowVisible(box)) ++orphaned;
        }
        // Boxes left open are destroyed, so that their threads end.
        for (int t = 0; orphaned && t < kThreads; ++t)
            while (HWND box =
                       quorvel::FindWindowA("#32770", ("[Console] - Box " + std::to_string(t)).c_str()))
                quorvel::DestroyWindow(box);
        for (auto& result : results) {
            const int answer = result.get();  // 0: destroyed above
            EXPECT_TRUE(answer == IDCANCEL || (orphaned && answer == 0)) << "run " << run << ": " << answer;
        }
    }
    EXPECT_EQ(orphaned, 0);
}

TEST_F(MessageBoxes, LongTranslatedCaptionIsCutAndStillFound) {
    m_extraEntries = "Long=" + std::string(300, 'L') + "\n";
    SetUp();
    Recorder recorder;
    quorvel::SetMessageBoxPresenter(recorder.Presenter(0));
    auto result =
        std::async(std::launch::async, [] { return MsgBoxML(nullptr, "{Long}", MB_OKCANCEL, "x"); });
    ASSERT_NE(WaitShown(recorder), nullptr);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].caption.size(), 255u);
    EXPECT_EQ(recorder.boxes[0].caption.substr(0, 12), "[Console] - ");
    EXPECT_EQ(CloseMsgBoxML(IDOK), 1);
    EXPECT_EQ(result.get(), IDCANCEL);
}

}  // namespace
