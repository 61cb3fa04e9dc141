// A set-up library used from eight threads at once: translating, logging, comparing and
// converting, every answer checked against the one the same call gave on a single thread.
// Built with -DQML_TSAN=ON the suite runs under ThreadSanitizer, which must stay silent.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "quorvel/multilanguage.h"
#include "quorvel/window_system.h"
#include "support/test_language.h"
#include "support/test_support.h"
#include "translate/key_lookup.h"

namespace {

using qml_test::TestLanguage;

constexpr int kThreads = 8;

const qml_test::Entries kFrench = {
    {"Open", "Ouvrir"},  {"file", "fichier"},     {"failed", "a echoue"}, {"Open file", "Ouvrir le fichier"},
    {"Exit", "Quitter"}, {"Save", "Enregistrer"}, {"As", "sous"},         {"disk", "disque"},
    {"Busy", "Occupe"},  {"Engaged", "Occupe"},   {"line", "ligne"},      {"Nothing", "/NoSpecifyThisWord/"},
};

// The last line each thread's log callback received: a host's callback may be entered by
// several threads at once, so it keeps what it gets per thread.
thread_local std::string t_lastLine;
thread_local unsigned t_lastLevel = 0;

void Callback(unsigned int level, char* format, ...) {
    va_list args;
    va_start(args, format);
    t_lastLine = qml_test::FormatLine(format, args);
    va_end(args);
    t_lastLevel = level;
}

// One call and what it must give: computed once on a single thread, then asked of every thread.
struct Call {
    const char* name;
    std::function<std::string(int iteration)> run;
    bool dependsOnIteration = false;
};

std::string Phrase(const char* text) {
    char buffer[1024];
    return GetMultiLngText_ByAutoPart(buffer, sizeof buffer, "%s", text);
}

std::string Caption(const char* caption) {
    char buffer[256];
    return GetMultiLngTextForUI(caption, buffer, sizeof buffer);
}

std::string Key(const char* key) {
    char buffer[64];
    return GetMultiLanguageText(key, buffer, sizeof buffer, "ProgramOutStr");
}

std::string Logged(std::function<void()> log) {
    t_lastLine.clear();
    log();
    return std::to_string(t_lastLevel) + ":" + t_lastLine;
}

const std::string kBig5 = "\xA4\xA4\xA4\xE5 \xB0\xEA\r\nline 2\t\xA4\xA4";      // Big5 text, two lines
const std::string kGb = "\xB9\xFA\xC3\xC7 \xA1\xB0\xD6\xD0\xA1\xB1\n\xC6\xA1";  // GB text

std::vector<Call> Calls() {
    return {
        {"phrase", [](int) { return Phrase("Open file failed: {Open file} $disk$ (#2)"); }},
        {"phrase, formatted",
         [](int i) {
             char buffer[1024];
             return std::string(
                 GetMultiLngText_ByAutoPart(buffer, sizeof buffer, "%s %d failed", "disk", i % 7));
         },
         true},
        {"caption", [](int) { return Caption("Save &As ...\tCtrl+S"); }},
        {"caption, no translation", [](int) { return Caption("&Print"); }},
        {"key", [](int) { return Key("Open"); }},
        {"key, case retry", [](int) { return Key("EXIT"); }},
        {"key, marker", [](int) { return Key("Nothing"); }},
        {"key, disambiguator", [](int) { return Key("Close(#3)"); }},
        {"LogML", [](int i) { return Logged([i] { LogML(1, "%s %d failed", "Open file", i % 5); }); }, true},
        {"Log", [](int) { return Logged([] { Log(0x203, "%s", "line failed"); }); }},
        {"diagnostic", [](int) { return Logged([] { OutInitObjectResult("disk", 0); }); }},
        {"StrcmpML", [](int) { return std::to_string(StrcmpML("Busy", "Engaged", 0)); }},
        {"StrcmpML, ignoring case",
         [](int) { return std::to_string(StrcmpML("open FILE", "Open file", 1)); }},
        {"GBAndBig5Convert, automatic", [](int) { return GBAndBig5Convert(kBig5.c_str(), 0).str(); }},
        {"Big2Gb", [](int) { return Big2Gb(CString(kBig5.c_str())).str(); }},
        {"Gb2Big", [](int) { return Gb2Big(CString(kGb.c_str())).str(); }},
        {"CalcStringCodeType", [](int) { return std::to_string(CalcStringCodeType(kGb.c_str(), nullptr)); }},
    };
}

class ConcurrentUse : public ::testing::Test {
  protected:
    void SetUp() override {
        // The recorder of TestLanguage is for one thread: switched off here.
        quorvel::SetLookupObserver(nullptr, nullptr);
        SetGBAndBig5_Para(&m_system, &m_switch);
    }
    void TearDown() override {
        SetGBAndBig5_Para(nullptr, nullptr);
        CGBAndBig5::DeleteInstance();
    }

    TestLanguage m_language{kFrench, 0, 0, Callback};
    _enum_language_type m_system = LANGUAGE_TYPE_GB;
    int m_switch = 1;
};

TEST_F(ConcurrentUse, EightThreadsGetWhatOneThreadGets) {
    const std::vector<Call> calls = Calls();
    // The answers of a single thread, for the iterations that differ.
    std::vector<std::vector<std::string>> expected(calls.size());
    for (size_t c = 0; c < calls.size(); ++c)
        for (int i = 0; i < (calls[c].dependsOnIteration ? 35 : 1); ++i)
            expected[c].push_back(calls[c].run(i));

    // The answers are what they should be at all, not only the same everywhere.
    EXPECT_EQ(expected[0][0], "Ouvrir fichier a echoue: Ouvrir le fichier disk ");
    EXPECT_EQ(expected[2][0], "Enregistrer sous(&A) ...\tCtrl+S");
    EXPECT_EQ(expected[6][0], "");
    EXPECT_EQ(expected[7][0], "Close");
    EXPECT_EQ(expected[8][3], "1:Ouvrir fichier 3 a echoue");
    EXPECT_EQ(expected[11][0], "0");

    constexpr int kIterations = 150;
    std::atomic<int> wrong{0};
    std::atomic<int> ready{0};
    std::vector<std::string> firstWrong(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            ++ready;
            while (ready.load() < kThreads) std::this_thread::yield();
            for (int i = 0; i < kIterations; ++i) {
                // Each thread walks the calls from a different start, so different calls overlap.
                for (size_t k = 0; k < calls.size(); ++k) {
                    const size_t c = (k + static_cast<size_t>(t) * 3) % calls.size();
                    const std::string& want = expected[c][calls[c].dependsOnIteration ? i % 35 : 0];
                    std::string got = calls[c].run(i % 35);
                    if (got != want) {
                        if (wrong++ == 0 || firstWrong[static_cast<size_t>(t)].empty())
                            firstWrong[static_cast<size_t>(t)] = std::string(calls[c].name) + ": " + got;
                    }
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong.load(), 0);
    for (const std::string& first : firstWrong) EXPECT_EQ(first, "");
}

// Window texts set through the conversion from several threads at once, each on its own
// windows and with its own converter of window texts; the conversions share the one converter.
TEST_F(ConcurrentUse, WindowTextsOfEachThread) {
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&] {
            CGBAndBig5WndText texts;
            CWnd window;
            window.Attach(quorvel::CreateWindow("Static", "", nullptr));
            for (int i = 0; i < 100; ++i) {
                texts.SetWindowTextA(window.GetSafeHwnd(), kBig5.c_str());
                CString shown;
                window.GetWindowText(shown);
                CString back;
                texts.GetWindowTextA(window.GetSafeHwnd(), back);
                if (shown.str() != GBAndBig5Convert(kBig5.c_str(), 0).str() || back.str() != kBig5) ++wrong;
            }
            quorvel::DestroyWindow(window.Detach());
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
