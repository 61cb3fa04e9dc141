// The window tree: creation, the walk over descendants, destruction.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>

#include "window_fixture.h"

using qml_test::ScopedWindow;
using qml_test::TextOf;
using qml_test::WalkTexts;

namespace {

// A dialog with controls, a group box with nested controls and a child dialog.
struct NestedDialog {
    ScopedWindow dialog{"#32770", "Dialog"};
    HWND label = quorvel::CreateWindow("Static", "A", dialog);
    HWND group = quorvel::CreateWindow("Button", "B", dialog);
    HWND inner = quorvel::CreateWindow("Static", "B1", group);
    HWND innermost = quorvel::CreateWindow("Edit", "B1a", inner);
    HWND second = quorvel::CreateWindow("Button", "B2", group);
    HWND button = quorvel::CreateWindow("Button", "C", dialog);
    HWND page = quorvel::CreateWindow("#32770", "D", dialog);
    HWND pageLabel = quorvel::CreateWindow("Static", "D1", page);
};

TEST(WindowTree, WalksDescendantsDepthFirstInCreationOrder) {
    NestedDialog d;
    EXPECT_EQ(WalkTexts(d.dialog), (std::vector<std::string>{"A", "B", "B1", "B1a", "B2", "C", "D", "D1"}));
    EXPECT_EQ(WalkTexts(d.group), (std::vector<std::string>{"B1", "B1a", "B2"}));
    EXPECT_TRUE(WalkTexts(d.pageLabel).empty());
}

TEST(WindowTree, CallbackReturningFalseStopsTheWalk) {
    NestedDialog d;
    std::vector<HWND> seen;
    BOOL result = quorvel::EnumChildWindows(
        d.dialog,
        [](HWND child, LPARAM value) -> BOOL {
            auto* seenSoFar = reinterpret_cast<std::vector<HWND>*>(value);
            seenSoFar->push_back(child);
            return seenSoFar->size() < 3;
        },
        reinterpret_cast<LPARAM>(&seen));
    EXPECT_EQ(result, FALSE);
    EXPECT_EQ(seen, (std::vector<HWND>{d.label, d.group, d.inner}));
}

struct WalkChanges {
    NestedDialog* dialog;
    std::vector<std::string> texts;
    HWND created = nullptr;
};

TEST(WindowTree, WalkSkipsWindowsDestroyedAndIgnoresWindowsCreatedByTheCallback) {
    NestedDialog d;
    WalkChanges changes{&d, {}};
    quorvel::EnumChildWindows(
        d.dialog,
        [](HWND child, LPARAM value) -> BOOL {
            auto* walk = reinterpret_cast<WalkChanges*>(value);
            walk->texts.push_back(TextOf(child));
            if (child == walk->dialog->label) {
                quorvel::DestroyWindow(walk->dialog->group);
                walk->created = quorvel::CreateWindow("Static", "new", walk->dialog->dialog);
                quorvel::CreateWindow("Static", "new child", walk->dialog->page);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&changes));
    EXPECT_EQ(changes.texts, (std::vector<std::string>{"A", "C", "D", "D1"}));
    // The next walk sees the tree as the callback left it.
    EXPECT_EQ(WalkTexts(d.dialog), (std::vector<std::string>{"A", "C", "D", "D1", "new child", "new"}));
}

TEST(WindowTree, NullParentWalksTopLevelWindowsOnly) {
    ScopedWindow first("#32770", "top-level walk 1");
    ScopedWindow child("Static", "top-level walk child", first);
    ScopedWindow second("#32770", "top-level walk 2");
    std::vector<std::string> ours;
    for (const std::string& text : WalkTexts(nullptr))
        if (text.rfind("top-level walk", 0) == 0) ours.push_back(text);
    EXPECT_EQ(ours, (std::vector<std::string>{"top-level walk 1", "top-level walk 2"}));
}

TEST(WindowTree, WalkRefusesBadArguments) {
    ScopedWindow dialog("#32770", "Dialog");
    HWND dead = quorvel::CreateWindow("Static", "gone", nullptr);
    quorvel::DestroyWindow(dead);

    quorvel::SetLastError(0);
    EXPECT_EQ(quorvel::EnumChildWindows(
                  dead, [](HWND, LPARAM) -> BOOL { return TRUE; }, 0),
              FALSE);
    EXPECT_EQ(quorvel::GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(quorvel::EnumChildWindows(dialog, nullptr, 0), FALSE);
    EXPECT_EQ(quorvel::GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(WindowTree, DestroyingAWindowDestroysItsDescendantsOnly) {
    NestedDialog d;
    ASSERT_TRUE(quorvel::DestroyWindow(d.group));
    for (HWND gone : {d.group, d.inner, d.innermost, d.second}) EXPECT_EQ(quorvel::IsWindow(gone), FALSE);
    for (HWND alive : {d.dialog.get(), d.label, d.button, d.page, d.pageLabel})
        EXPECT_EQ(quorvel::IsWindow(alive), TRUE);
    EXPECT_EQ(WalkTexts(d.dialog), (std::vector<std::string>{"A", "C", "D", "D1"}));

    quorvel::SetLastError(0);
    EXPECT_FALSE(quorvel::DestroyWindow(d.group));
    EXPECT_EQ(quorvel::GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_FALSE(quorvel::DestroyWindow(nullptr));
}

TEST(WindowTree, DestroyedWindowsRefuseEveryCall) {
    HWND window = quorvel::CreateWindow("ComboBox", "text", nullptr);
    quorvel::SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
    quorvel::DestroyWindow(window);

    char buffer[16] = "untouched";
    struct Call {
        const char* name;
        LRESULT result;
    };
    quorvel::SetLastError(0);
    const Call calls[] = {
        {"WM_GETTEXT",
         quorvel::SendMessageA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer))},
        {"WM_GETTEXTLENGTH", quorvel::SendMessageA(window, WM_GETTEXTLENGTH, 0, 0)},
        {"WM_SETTEXT", quorvel::SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("new"))},
        {"CB_GETCOUNT", quorvel::SendMessageA(window, CB_GETCOUNT, 0, 0)},
        {"CB_ADDSTRING", quorvel::SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("x"))},
        {"SetWindowTextA", quorvel::SetWindowTextA(window, "new")},
        {"GetWindowTextLengthA", quorvel::GetWindowTextLengthA(window)},
        {"IsWindow", quorvel::IsWindow(window)},
    };
    for (const Call& call : calls) EXPECT_EQ(call.result, 0) << call.name;
    EXPECT_EQ(quorvel::GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_STREQ(buffer, "untouched");

    quorvel::SetLastError(0);
    EXPECT_EQ(quorvel::GetWindowTextA(window, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(quorvel::GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
    EXPECT_EQ(quorvel::GetClassNameA(window, buffer, sizeof buffer), 0);
}

TEST(WindowTree, HandlesAreNeverReused) {
    std::set<HWND> destroyed;
    for (int i = 0; i < 100; ++i) {
        HWND window = quorvel::CreateWindow("Static", "short-lived", nullptr);
        destroyed.insert(window);
        quorvel::DestroyWindow(window);
    }
    EXPECT_EQ(destroyed.size(), 100u);
    for (int i = 0; i < 100; ++i) {
        ScopedWindow window("Static", "later");
        EXPECT_EQ(destroyed.count(window), 0u);
    }
}

TEST(WindowTree, CreationNeedsAClassAndALiveParent) {
    HWND dead = quorvel::CreateWindow("#32770", "gone", nullptr);
    quorvel::DestroyWindow(dead);
    struct Case {
        const char* className;
        HWND parent;
        DWORD error;
    };
    const Case cases[] = {
        {nullptr, nullptr, 1407},
        {"", nullptr, 1407},
        {"Static", dead, ERROR_INVALID_WINDOW_HANDLE},
    };
    for (const Case& c : cases) {
        quorvel::SetLastError(0);
        EXPECT_EQ(quorvel::CreateWindow(c.className, "text", c.parent), nullptr);
        EXPECT_EQ(quorvel::GetLastError(), c.error);
    }
    ScopedWindow untitled("Static", nullptr);
    ASSERT_NE(untitled.get(), nullptr);
    EXPECT_EQ(quorvel::GetWindowTextLengthA(untitled), 0);
}

TEST(WindowTree, ClassNamesKeepTheCreatorsSpellingAndMatchInAnyCase) {
    struct Case {
        const char* className;
        bool comboBox;
    };
    const Case cases[] = {
        {"ComboBox", true}, {"combobox", true}, {"COMBOBOX", true},    {"ComboBoxEx32", false},
        {"edit", false},    {"#32770", false},  {"MyOwnPanel", false},
    };
    for (const Case& c : cases) {
        ScopedWindow window(c.className, "unique class-name probe");
        EXPECT_EQ(qml_test::ClassOf(window), c.className);
        // Only combo boxes count their items; other windows answer 0 to CB_ messages.
        quorvel::SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("item"));
        EXPECT_EQ(quorvel::SendMessageA(window, CB_GETCOUNT, 0, 0), c.comboBox ? 1 : 0) << c.className;
        std::string upper(c.className);
        for (char& ch : upper) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        EXPECT_EQ(quorvel::FindWindowA(upper.c_str(), "unique class-name probe"), window.get())
            << c.className;
    }
}

TEST(WindowTree, ClassNameIsCutToTheBuffer) {
    ScopedWindow window("SysListView32", "");
    struct Case {
        int size;
        int result;
        const char* text;
    };
    const Case cases[] = {{1, 0, ""},
                          {4, 3, "Sys"},
                          {13, 12, "SysListView3"},
                          {14, 13, "SysListView32"},
                          {64, 13, "SysListView32"}};
    for (const Case& c : cases) {
        char buffer[64];
        std::fill(std::begin(buffer), std::end(buffer), '#');
        EXPECT_EQ(quorvel::GetClassNameA(window, buffer, c.size), c.result) << c.size;
        EXPECT_STREQ(buffer, c.text);
        if (c.size < 64) {
            EXPECT_EQ(buffer[c.size], '#') << "wrote past the buffer of " << c.size;
        }
    }
    char buffer[4] = "abc";
    quorvel::SetLastError(0);
    EXPECT_EQ(quorvel::GetClassNameA(window, buffer, 0), 0);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(quorvel::GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(quorvel::GetClassNameA(window, nullptr, 10), 0);
}

}  // namespace
