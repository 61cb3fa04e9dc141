// The window system used from several threads at once.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "quorvel/framework.h"
#include "window_fixture.h"

using qml_test::ScopedWindow;
using qml_test::TextOf;

namespace {

constexpr int kThreads = 4;

TEST(WindowConcurrency, ThreadsBuildWalkAndTearDownTreesUnderOneParent) {
    ScopedWindow desktop("#32770", "shared parent");
    std::vector<std::vector<HWND>> created(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &desktop, &created] {
            for (int round = 0; round < 200; ++round) {
                std::string name = "t" + std::to_string(t) + "r" + std::to_string(round);
                HWND panel = quorvel::CreateWindow("#32770", name.c_str(), desktop);
                HWND label = quorvel::CreateWindow("Static", "label", panel);
                created[t].push_back(panel);
                created[t].push_back(label);
                quorvel::SetWindowTextA(label, name.c_str());
                EXPECT_EQ(TextOf(label), name);
                EXPECT_EQ(qml_test::WalkTexts(panel), std::vector<std::string>{name});
                qml_test::WalkTexts(desktop);  // walks while other threads change the tree
                if (round % 2) {
                    EXPECT_TRUE(quorvel::DestroyWindow(panel));
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();

    std::set<HWND> distinct;
    for (const auto& handles : created) distinct.insert(handles.begin(), handles.end());
    EXPECT_EQ(distinct.size(), static_cast<size_t>(kThreads * 400));
    // Every thread kept its even rounds: a panel and its label each.
    EXPECT_EQ(qml_test::WalkTexts(desktop).size(), static_cast<size_t>(kThreads * 100 * 2));
}

TEST(WindowConcurrency, ComboBoxChangedWhileItsItemsAreRead) {
    ScopedWindow handle("ComboBox", "");
    std::atomic<bool> writing{true};
    std::thread reader([&] {
        CComboBox comboBox(handle);
        CString item;
        while (writing) {
            int count = comboBox.GetCount();
            for (int i = 0; i < count; ++i) {
                comboBox.GetLBText(i, item);
                // An item is whole or, when it went meanwhile, empty.
                EXPECT_TRUE(item.IsEmpty() || item == "short" || item == "a much longer item text") << item;
            }
        }
    });
    std::vector<std::thread> writers;
    for (int t = 0; t < kThreads; ++t) {
        writers.emplace_back([&handle, t] {
            CComboBox comboBox(handle);
            for (int i = 0; i < 300; ++i) {
                comboBox.InsertString(0, (i + t) % 2 ? "short" : "a much longer item text");
                if (i % 3 == 0) comboBox.DeleteString(0);
            }
        });
    }
    for (std::thread& writer : writers) writer.join();
    writing = false;
    reader.join();
    EXPECT_EQ(CComboBox(handle).GetCount(), kThreads * 200);
}

TEST(WindowConcurrency, BoxesOnSeveralThreadsClosedByOneOtherThread) {
    std::mutex lock;
    std::condition_variable allShown;
    std::map<std::string, HWND> shown;
    quorvel::SetMessageBoxPresenter([&](const quorvel::MessageBoxRequest& request) {
        std::lock_guard<std::mutex> guard(lock);
        shown[request.caption] = request.box;
        allShown.notify_all();
        return 0;
    });
    std::vector<int> results(kThreads);
    std::vector<std::thread> askers;
    for (int t = 0; t < kThreads; ++t) {
        askers.emplace_back([t, &results] {
            std::string caption = "Question " + std::to_string(t);
            results[t] = quorvel::MessageBoxA(nullptr, "Go on?", caption.c_str(), MB_YESNOCANCEL);
        });
    }
    {
        std::unique_lock<std::mutex> guard(lock);
        allShown.wait(guard, [&] { return shown.size() == static_cast<size_t>(kThreads); });
    }
    for (int t = 0; t < kThreads; ++t) {
        HWND box = quorvel::FindWindowA("#32770", ("Question " + std::to_string(t)).c_str());
        EXPECT_EQ(box, shown["Question " + std::to_string(t)]);
        quorvel::SendMessageA(box, WM_COMMAND, t % 2 ? IDYES : IDNO, 0);
    }
    for (std::thread& asker : askers) asker.join();
    quorvel::SetMessageBoxPresenter(nullptr);
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(results[t], t % 2 ? IDYES : IDNO) << t;
}

}  // namespace
