// The log relay and the diagnostics, seen from a host's log callback.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "language/language_state.h"
#include "platform/os.h"
#include "quorvel/multilanguage.h"
#include "support/test_language.h"
#include "support/test_support.h"
#include "translate/key_lookup.h"
#include "util/shared_utility.h"

using qml_test::TestLanguage;

namespace {

struct Line {
    unsigned int level;
    std::string format;
    std::string text;
};

std::vector<Line> g_lines;

// A host's log callback: formats what it receives as any host would.
void RecordLine(unsigned int level, char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string text = qml_test::FormatLine(format, args);
    va_end(args);
    g_lines.push_back({level, format, std::move(text)});
}

// A null text for a %s, out of the compiler's sight: what the formatting makes of it is tested.
const char* volatile g_noText = nullptr;

std::vector<Line> TakeLines() {
    return std::exchange(g_lines, {});
}

class LogRelay : public ::testing::Test {
  protected:
    void SetUp() override { g_lines.clear(); }

    // Without translations every word comes back as it is, so the English line shows.
    static constexpr int kDeleteSpaceOff = 0;
};

TEST_F(LogRelay, DiagnosticsSendTheirEnglishLinesWithTheirLevelWords) {
    TestLanguage language({}, kDeleteSpaceOff, 1, RecordLine);
    const struct {
        std::function<int()> call;
        int result;
        unsigned int level;
        const char* line;
    } cases[] = {
        {[] { return OutInitObjectResult("Database", 1); }, 1, 1, "Initialize [ Database ] succeed !"},
        {[] { return OutInitObjectResult("Database", 0); }, 0, 2, "Initialize [ Database ] failed !!!"},
        {[] { return OutInitObjectResult("Database", 7); }, 7, 1, "Initialize [ Database ] succeed !"},
        {[] { return OutCreateKernelObjectFailed("ExitEvent"); }, 0, 2, "Create [ ExitEvent ] failed"},
        {[] { return OutNeedEndSystem("disk full"); }, 0, 66051,
         "Beacause disk full, [Quorvel(Enterprise)] would terminate"},
        {[] { return OutNeedEndSystem(nullptr); }, 0, 66051, "[Quorvel(Enterprise)] would terminate"},
        {[] { return OutNeedEndSystem(""); }, 0, 66051, "[Quorvel(Enterprise)] would terminate"},
        {[] { return OutNewObjectFailed("Cache"); }, 0, 515,
         "Create object failed, memory not enough, object name : Cache"},
        {[] { return OutNewObjectFailed(nullptr); }, 0, 515,
         "Create object failed, memory not enough, object name : (null)"},
        {[] { return OutUninitObjectFinished("Cache"), 0; }, 0, 1, "Uninit [ Cache ] finished"},
        {[] { return OutCreateKernelObjectFailed(nullptr); }, 0, 2, "Create [ (null) ] failed"},
        {[] { return OutInitObjectResult(nullptr, 9); }, 9, 1, "Initialize [ (null) ] succeed !"},
        {[] { return OutUninitObjectFinished(nullptr), 0; }, 0, 1, "Uninit [ (null) ] finished"},
        // A null format is the empty line.
        {[] { return Log(1, nullptr), 0; }, 0, 1, ""},
        {[] { return LogML(2, nullptr), 0; }, 0, 2, ""},
        {[] { return LogML(2, "%s", g_noText), 0; }, 0, 2, "(null)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.call(), c.result) << c.line;
        std::vector<Line> lines = TakeLines();
        ASSERT_EQ(lines.size(), 1u) << c.line;
        EXPECT_EQ(lines[0].level, c.level) << c.line;
        EXPECT_EQ(lines[0].format, "%s") << c.line;
        EXPECT_EQ(lines[0].text, c.line);
    }
}

TEST_F(LogRelay, DiagnosticsAreTranslatedPhraseByPhrase) {
    TestLanguage language({{"not enough", "insuffisante"}, {"Create", "Creer"}}, kDeleteSpaceOff, 1,
                          RecordLine);
    OutNewObjectFailed("Cache");
    EXPECT_EQ(language.TakeKeys(), (std::vector<std::string>{"Create", "object", "failed", "memory",
                                                             "not enough", "object", "name", "Cache"}));
    ASSERT_EQ(g_lines.size(), 1u);
    EXPECT_EQ(g_lines[0].text, "Creer object failed, memory insuffisante, object name : Cache");
}

TEST_F(LogRelay, LogPassesTheLineAndLevelWordUntranslated) {
    TestLanguage language({{"Open", "Ouvrir"}}, kDeleteSpaceOff, 1, RecordLine);
    Log(0x10203, "Open %s", "file");
    LogML(0x10203, "Open %s", "file");
    std::vector<Line> lines = TakeLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].level, 66051u);
    EXPECT_EQ(lines[0].format, "%s");
    EXPECT_EQ(lines[0].text, "Open file");
    EXPECT_EQ(lines[1].level, 66051u);
    EXPECT_EQ(lines[1].text, "Ouvrir file");
    EXPECT_EQ(language.TakeKeys(), (std::vector<std::string>{"Open", "file"}));  // from LogML only
}

TEST_F(LogRelay, LinesAreCutTo1023Characters) {
    TestLanguage language({}, kDeleteSpaceOff, 1, RecordLine);
    const std::string digits(2000, '7');
    Log(1, "%s", digits.c_str());
    LogML(1, "%s", digits.c_str());
    const std::vector<Line> lines = TakeLines();
    ASSERT_EQ(lines.size(), 2u);
    for (const Line& line : lines) EXPECT_EQ(line.text, std::string(1023, '7'));
}

// A host whose callback logs again (say, to a second sink) still holds its own line after.
void RecordLineAndLogAgain(unsigned int level, char* format, ...) {
    va_list args;
    va_start(args, format);
    const char* text = va_arg(args, const char*);
    va_end(args);
    if (level == 1) LogML(2, "%s", "done");
    g_lines.push_back({level, format, text});
}

TEST_F(LogRelay, ACallbackMayLogAgain) {
    TestLanguage language({{"Open", "Ouvrir"}, {"done", "fait"}}, kDeleteSpaceOff, 1, RecordLineAndLogAgain);
    LogML(1, "%s", "Open");
    std::vector<Line> lines = TakeLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "fait");
    EXPECT_EQ(lines[1].text, "Ouvrir");
}

TEST_F(LogRelay, PercentSignsReachTheHostIntact) {
    TestLanguage language({{"done", "fait"}}, kDeleteSpaceOff, 1, RecordLine);
    LogML(1, "%d%% %s", 50, "done");
    Log(1, "%s", "100%s %n");
    std::vector<Line> lines = TakeLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].format, "%s");
    EXPECT_EQ(lines[0].text, "50% fait");
    EXPECT_EQ(lines[1].text, "100%s %n");
}

TEST_F(LogRelay, LastErrorIsTakenBeforeTheLanguageFileIsRead) {
    TestLanguage language({{"Open", "Ouvrir"}}, kDeleteSpaceOff, 1, RecordLine);
    // Each lookup overwrites the thread's last error, as a file read may.
    quorvel::SetLookupObserver(
        [](const char*, const char*, bool, void*) { qml::os::SetLastError(ERROR_ACCESS_DENIED); }, nullptr);
    qml::os::SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(OutLastError("Open %s", "a.txt"), 0);
    std::vector<Line> lines = TakeLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].level, 3u);
    EXPECT_EQ(lines[0].format, "%s %s");
    EXPECT_EQ(lines[0].text, std::string("Error occurred  :  Ouvrir a.txt,  reason :  ") +
                                 qml::kvFormatMessage(ERROR_FILE_NOT_FOUND).GetString());
}

TEST_F(LogRelay, OutLastErrorSentenceIsCutTo1023Characters) {
    TestLanguage language({}, kDeleteSpaceOff, 1, RecordLine);
    qml::os::SetLastError(ERROR_SUCCESS);
    OutLastError("%s", std::string(1500, '7').c_str());
    ASSERT_EQ(g_lines.size(), 1u);
    // The sentence is translated into 1023 bytes: its 19 leading bytes and 1004 of the digits.
    std::string expected = "Error occurred  :  " + std::string(1004, '7');
    EXPECT_EQ(g_lines[0].text.substr(0, expected.size() + 1), expected + " ");
}

TEST_F(LogRelay, NothingIsSentWithoutACallback) {
    TestLanguage language({}, kDeleteSpaceOff);
    qml::State().logCallback = nullptr;  // a callback once given cannot be taken back through the interface
    Log(1, "Open %s", "file");
    LogML(1, "Open %s", "file");
    EXPECT_EQ(OutNewObjectFailed("Cache"), 0);
    EXPECT_EQ(OutInitObjectResult("Database", 7), 7);
    EXPECT_EQ(OutInitObjectResult("Database", 0), 0);
    OutUninitObjectFinished("Cache");
    EXPECT_EQ(OutCreateKernelObjectFailed("ExitEvent"), 0);
    EXPECT_EQ(OutLastError("Open %s", "a.txt"), 0);
    EXPECT_EQ(OutNeedEndSystem("disk full"), 0);
    EXPECT_TRUE(g_lines.empty());
}

}  // namespace
