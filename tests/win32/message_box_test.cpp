// Real message boxes: shown by MsgBoxML, closed by CloseMsgBoxML from another thread.
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "foreign_window.h"
#include "win32_fixture.h"

namespace {

using MessageBoxes = qml_test::FrenchOnWindows;

// The program's file name without its extension, which the box's caption names.
std::string ProgramName() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path);
    name = name.substr(name.find_last_of("\\/") + 1);
    return name.substr(0, name.rfind('.'));
}

std::string BoxTitle(const char* translatedCaption) {
    return "[" + ProgramName() + "] - " + translatedCaption;
}

// Wine ends a message box with IDCANCEL at WM_CLOSE whatever its buttons; Windows ignores
// WM_CLOSE in a box without Cancel (Yes and No) and ends an OK box with IDOK.
bool RunningOnWine() {
    HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// The shown message box of this process with the title, or null.
HWND ShownBox(const std::string& title) {
    HWND box = nullptr;
    while ((box = ::FindWindowExA(nullptr, box, "#32770", title.c_str())) != nullptr) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(box, &process);
        if (process == ::GetCurrentProcessId() && ::IsWindowVisible(box)) return box;
    }
    return nullptr;
}

// The open message box of this process with the title, waited for up to 30 seconds.
HWND WaitForBox(const std::string& title) {
    for (int i = 0; i < 3000; ++i) {
        if (HWND box = ShownBox(title)) return box;
        ::Sleep(10);
    }
    return nullptr;
}

TEST_F(MessageBoxes, AnotherThreadClosesTheBoxAndItsResultComesBack) {
    const struct {
        unsigned style;
        const char* caption;
        const char* translated;
        int pressed;
        int result;
    } cases[] = {
        {MB_YESNO, "Question", "Demande", IDNO, IDNO},  // WM_CLOSE does nothing, No is pressed
        {MB_YESNO, "Question", "Demande", IDYES, IDYES},
        {MB_OKCANCEL, "Warning", "Avertissement", IDOK, IDCANCEL},  // WM_CLOSE cancels first
        {0, "Warning", "Avertissement", IDCANCEL, IDOK},            // OK alone: WM_CLOSE means OK
    };
    // The result is the system's: Wine ends every box with IDCANCEL at WM_CLOSE.
    const bool wine = RunningOnWine();
    for (const auto& c : cases) {
        const std::string title = BoxTitle(c.translated);
        std::atomic<int> closed{-1};
        std::thread closer([&] {
            if (WaitForBox(title)) closed = CloseMsgBoxML(c.pressed);
        });
        const int result = MsgBoxML(nullptr, c.caption, c.style, "The %s is %s", "Disk", "full");
        closer.join();
        EXPECT_EQ(closed, 1) << title;
        EXPECT_EQ(result, wine ? IDCANCEL : c.result) << title << " closed by " << c.pressed;
        // The box is gone: there is nothing left to close.
        EXPECT_EQ(CloseMsgBoxML(IDOK), 0);
    }
}

TEST_F(MessageBoxes, TheBoxShowsTheTranslatedTextAndBelongsToTheOwnerTheHostGives) {
    static HWND owner = nullptr;
    owner = Create(qml_test::PlainWindowClass(), "Owner", nullptr);
    Set_MultiLanguage_Para(nullptr, 3, nullptr, [](CWnd*) { return owner; });
    std::string text;
    HWND boxOwner = nullptr;
    std::thread closer([&] {
        if (HWND box = WaitForBox(BoxTitle("Avertissement"))) {
            // The message is the first static control of the box that holds text.
            HWND label = nullptr;
            while ((label = ::FindWindowExA(box, label, "Static", nullptr)) != nullptr) {
                text = Text(label);
                if (!text.empty()) break;
            }
            boxOwner = ::GetWindow(box, GW_OWNER);
            CloseMsgBoxML(IDOK);
        }
    });
    const int result = MsgBoxML(nullptr, "Warning", MB_OK, "%s {full}", "Disk");
    closer.join();
    if (!RunningOnWine()) {
        EXPECT_EQ(result, IDOK);
    }
    EXPECT_EQ(text, "Disque plein");
    EXPECT_EQ(boxOwner, owner);
    ::DestroyWindow(owner);
    owner = nullptr;  // the callback stays with the library: from now on it gives no owner
}

// Eight threads each show a box with a caption of its own, and once it is up each closes a
// box with CloseMsgBoxML. Each close ends one box that is still shown, so as many closes as
// boxes leave none open; WM_CLOSE ends a box with Cancel, and no button is pressed on a box
// that has ended (hidden, but a window until its modal loop is over), so every result is
// IDCANCEL. A close that picked a box another close was ending left boxes open in the very
// first run; a run takes seconds under Wine, so a few runs suffice here and the many runs
// live in the POSIX suite.
TEST_F(MessageBoxes, ThreadsClosingBoxesOfTheirOwnLeaveNoneOpen) {
    constexpr int kThreads = 8;
    constexpr int kRuns = 20;
    int orphaned = 0;
    for (int run = 0; run < kRuns && orphaned == 0; ++run) {
        std::atomic<int> results[kThreads];
        std::atomic<int> finished{0};
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            results[t] = -1;
            threads.emplace_back([t, &results, &finished] {
                const std::string caption = "Box " + std::to_string(t);
                const std::string title = BoxTitle(caption.c_str());
                std::atomic<bool> done{false};
                std::thread closer([&] {
                    // Once the box is up, or gone already (another thread's close ended it).
                    while (!done && !ShownBox(title)) ::Sleep(5);
                    CloseMsgBoxML(IDNO);
                });
                results[t] = MsgBoxML(nullptr, caption.c_str(), MB_YESNOCANCEL, "x");
                done = true;
                closer.join();
                ++finished;
            });
        }
        for (int wait = 0; wait < 2000 && finished < kThreads; ++wait) ::Sleep(5);
        // Boxes left open are closed, so that their threads end.
        for (int round = 0; finished < kThreads; ++round) {
            if (round == 0) orphaned = kThreads - finished;
            if (round == 200) {
                std::fprintf(stderr, "boxes cannot be closed: giving up\n");
                std::abort();  // the threads still use this frame: never return under them
            }
            for (int t = 0; t < kThreads; ++t)
                if (HWND box = ShownBox(BoxTitle(("Box " + std::to_string(t)).c_str())))
                    ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
            ::Sleep(50);
        }
        for (std::thread& thread : threads) thread.join();
        for (int t = 0; t < kThreads; ++t) EXPECT_EQ(results[t], IDCANCEL) << "run " << run << " box " << t;
    }
    EXPECT_EQ(orphaned, 0);
}

// Another program's window with the remembered title is never touched, neither when no box
// is open nor when it stands in front of the library's own box.
TEST_F(MessageBoxes, AWindowOfAnotherProcessWithTheSameTitleIsLeftAlone) {
    const std::string title = BoxTitle("Demande");
    std::thread closer([&] {
        if (WaitForBox(title)) CloseMsgBoxML(IDOK);
    });
    // WM_CLOSE cancels a box with a Cancel button, on Windows and on Wine alike.
    EXPECT_EQ(MsgBoxML(nullptr, "Question", MB_OKCANCEL, "Again?"), IDCANCEL);
    closer.join();

    {
        qml_test::ForeignWindow foreign(title);
        ASSERT_NE(foreign.window(), nullptr);
        EXPECT_EQ(CloseMsgBoxML(IDOK), 0);
        EXPECT_TRUE(::IsWindow(foreign.window()));
    }

    std::atomic<int> closed{-1};
    bool foreignSurvived = false;
    std::thread second([&] {
        if (!WaitForBox(title)) return;
        // Newer than the box, so the first window of that title that the system finds.
        qml_test::ForeignWindow foreign(title);
        closed = CloseMsgBoxML(IDOK);
        foreignSurvived = ::IsWindow(foreign.window()) != FALSE;
    });
    EXPECT_EQ(MsgBoxML(nullptr, "Question", MB_OKCANCEL, "Again?"), IDCANCEL);
    second.join();
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(foreignSurvived) << "another program's window was closed";
}

}  // namespace
