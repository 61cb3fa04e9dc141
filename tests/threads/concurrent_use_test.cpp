// A set-up library used from eight threads at once: translating, logging, comparing and
// converting, every answer checked against the text the test language and the code pages give.
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

// One call and what it must give; a "%d" in the answer stands for the iteration's number
// modulo the given one.
struct Call {
    const char* name;
    std::function<std::string(int iteration)> run;
    std::string expected;
    int modulo = 1;
};

std::string Expected(const Call& call, int iteration) {
    if (call.expected.find("%d") == std::string::npos) return call.expected;
    char text[256];
    std::snprintf(text, sizeof text, call.expected.c_str(), iteration % call.modulo);
    return text;
}

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
// 中文 國 of code page 936 (國 is in its extension), CR LF as CR CR LF, the tab as spaces.
const std::string kBig5AsGb = "\xD6\xD0\xCE\xC4 \x87\xF8\r\r\nline 2        \xD6\xD0";
// 國們 「中文」 啤 in Big5, the quotation marks as corner brackets, LF as CR LF.
const std::string kGbAsBig5 = "\xB0\xEA\xAD\xCC \xA1\x75\xA4\xA4\xA1\x76\r\n\xB0\xE0";

std::vector<Call> Calls() {
    return {
        {"phrase", [](int) { return Phrase("Open file failed: {Open file} $disk$ (#2)"); },
         "Ouvrir fichier a echoue: Ouvrir le fichier disk "},
        {"phrase, formatted",
         [](int i) {
             char buffer[1024];
             return std::string(
                 GetMultiLngText_ByAutoPart(buffer, sizeof buffer, "%s %d failed", "disk", i % 7));
         },
         "disque %d a echoue", 7},
        {"caption", [](int) { return Caption("Save &As ...\tCtrl+S"); }, "Enregistrer sous(&A) ...\tCtrl+S"},
        {"caption, no translation", [](int) { return Caption("&Print"); }, "Print(&P)"},
        {"key", [](int) { return Key("Open"); }, "Ouvrir"},
        {"key, case retry", [](int) { return Key("EXIT"); }, "Quitter"},
        {"key, marker", [](int) { return Key("Nothing"); }, ""},
        {"key, disambiguator", [](int) { return Key("Close(#3)"); }, "Close"},
        {"LogML", [](int i) { return Logged([i] { LogML(1, "%s %d failed", "Open file", i % 5); }); },
         "1:Ouvrir fichier %d a echoue", 5},
        {"Log", [](int) { return Logged([] { Log(0x203, "%s", "line failed"); }); }, "515:line failed"},
        {"diagnostic", [](int) { return Logged([] { OutInitObjectResult("disk", 0); }); },
         "2:Initialize [ disque ] a echoue !!!"},
        {"StrcmpML", [](int) { return std::to_string(StrcmpML("Busy", "Engaged", 0)); }, "0"},
        {"StrcmpML, ignoring case", [](int) { return std::to_string(StrcmpML("open FILE", "Open file", 1)); },
         "0"},
        {"GBAndBig5Convert, automatic", [](int) { return GBAndBig5Convert(kBig5.c_str(), 0).str(); },
         kBig5AsGb},
        {"Big2Gb", [](int) { return Big2Gb(CString(kBig5.c_str())).str(); }, kBig5AsGb},
        {"Gb2Big", [](int) { return Gb2Big(CString(kGb.c_str())).str(); }, kGbAsBig5},
        {"CalcStringCodeType", [](int) { return std::to_string(CalcStringCodeType(kGb.c_str(), nullptr)); },
         std::to_string(LANGUAGE_TYPE_GB)},
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

TEST_F(ConcurrentUse, EightThreadsGetTheKnownAnswers) {
    const std::vector<Call> calls = Calls();
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
                    const std::string want = Expected(calls[c], i);
                    const std::string got = calls[c].run(i);
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
                if (shown.str() != kBig5AsGb || back.str() != kBig5) ++wrong;
            }
            quorvel::DestroyWindow(window.Detach());
        });
    }
    for (std::thread& thread : threads) thread.join();
    EXPECT_EQ(wrong.load(), 0);
}

}  // namespace
