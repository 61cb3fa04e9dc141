// The host's conversion calls: line breaks at the end, trimming, the automatic direction, and
// many threads at once.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "conversion_settings_guard.h"
#include "quorvel/multilanguage.h"

namespace {

using qml_test::Bytes;
using qml_test::ConversionSettings;
using qml_test::Hex;

struct Case {
    const char* in;  // hexadecimal bytes
    const char* out;
    const char* why;
};

void ExpectAutomatic(const Case* cases, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const std::string in = Bytes(cases[i].in);
        EXPECT_EQ(Hex(GBAndBig5Convert(in.c_str(), 0)), Hex(Bytes(cases[i].out)))
            << cases[i].in << ": " << cases[i].why;
    }
}

TEST(GBAndBig5Convert, ConversionOffTrimsAndDropsTrailingLineBreaks) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 0);
    const Case cases[] = {
        {"20 20 616263 0D0A", "616263", "two spaces, abc and CR LF"},
        {"A4A4 0A 0A", "A4A4", "nothing is converted"},
        {"0A 0A 0A", "", "only line feeds"},
    };
    ExpectAutomatic(cases, std::size(cases));
    EXPECT_EQ(GBAndBig5Convert(nullptr, 0), "");
}

TEST(GBAndBig5Convert, KeepsTrailingLineBreaksAroundAConversion) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    const Case cases[] = {
        {"616263 0D0A 0D0A", "616263 0D0A 0D0A", "nothing to convert: trimmed text and its tail"},
        {"78 0A 0A", "78 0A 0A", "two line feeds"},
        {"61 0A", "61", "a text of two bytes keeps no line break"},
        {"0A 0A 0A", "0A 0A 0A", "only line feeds: all of them are the tail"},
        {"0D0A 0D0A", "0D0A 0D0A", "two CR LF pairs"},
        {"A4A4 0D0A 0D0A", "D6D0 0D0A 0D0A", "a converted text gets its tail back"},
        {"A4A4 0D0A 0A", "D6D0 0A 0A", "the unit is LF: both LFs are split off, the CR goes with the trim"},
        {"20 A4A4 09", "D6D0", "white space at both ends is trimmed"},
        {"A4A4 09 A4E5 0A A4A4 0D0A A4E5", "D6D0 2020202020202020 CEC4 0D0A D6D0 0D0D0A CEC4",
         "inside: a tab becomes eight spaces, LF becomes CR LF, CR LF becomes CR CR LF"},
    };
    ExpectAutomatic(cases, std::size(cases));
    EXPECT_EQ(GBAndBig5Convert(nullptr, 0), "");
}

TEST(GBAndBig5Convert, AutomaticDirectionConvertsTowardsTheSystemCodeType) {
    struct SystemCase {
        _enum_language_type system;
        const char* in;
        const char* out;
        const char* why;
    };
    const SystemCase cases[] = {
        {LANGUAGE_TYPE_GB, "A4A4 A4E5", "D6D0 CEC4", "Big5 text on a GB system"},
        {LANGUAGE_TYPE_GB, "D6D0 CEC4", "D6D0 CEC4", "GB text on a GB system"},
        {LANGUAGE_TYPE_GB, "A96F", "A96F", "﹐ reads as GB punctuation on a GB system"},
        {LANGUAGE_TYPE_GB, "B9FA C3C7", "B9FA C3C7", "undecided text"},
        {LANGUAGE_TYPE_BIG5, "D6D0 CEC4", "A4A4 A4E5", "GB text on a Big5 system"},
        {LANGUAGE_TYPE_BIG5, "B8F6 B9FA", "ADD3 B0EA", "个国: a forced-GB hanzi decides"},
        {LANGUAGE_TYPE_BIG5, "A4A4 A4E5", "A4A4 A4E5", "Big5 text on a Big5 system"},
        {LANGUAGE_TYPE_ENGLISH, "A4A4 A4E5", "A4A4 A4E5", "an English system converts nothing"},
        {LANGUAGE_TYPE_ENGLISH, "D6D0 CEC4", "D6D0 CEC4", "an English system converts nothing"},
        {LANGUAGE_TYPE_OTHER, "A4A4 A4E5", "A4A4 A4E5", "nor does any other"},
    };
    for (const SystemCase& c : cases) {
        ConversionSettings settings(c.system, 1);
        const std::string in = Bytes(c.in);
        EXPECT_EQ(Hex(GBAndBig5Convert(in.c_str(), 0)), Hex(Bytes(c.out))) << c.why;
        EXPECT_EQ(Hex(GBAndBig5Convert(in.c_str(), 9)), Hex(Bytes(c.out))) << c.why << " (unknown direction)";
    }
}

TEST(GBAndBig5Convert, WithoutASystemCodeTypeOnlyTrims) {
    int on = 1;
    CGBAndBig5::DeleteInstance();
    SetGBAndBig5_Para(nullptr, &on);
    const std::string in = Bytes("20 A4A4 09 41 0A 0A");
    EXPECT_EQ(Hex(GBAndBig5Convert(in.c_str(), 0)), Hex(Bytes("A4A4 09 41 0A 0A")));
    EXPECT_EQ(Hex(GBAndBig5Convert(in.c_str(), 1)), Hex(Bytes("A4A4 09 41 0A 0A")));
    SetGBAndBig5_Para(nullptr, nullptr);
    CGBAndBig5::DeleteInstance();
}

TEST(GBAndBig5Convert, SettingsAreReadAtEveryCall) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    const std::string big5 = Bytes("A4A4");
    const std::string gb = Bytes("D6D0");
    EXPECT_EQ(Hex(GBAndBig5Convert(big5.c_str(), 0)), "D6D0");
    settings.SetSystem(LANGUAGE_TYPE_BIG5);
    EXPECT_EQ(Hex(GBAndBig5Convert(gb.c_str(), 0)), "A4A4");
    settings.SetSwitch(0);
    EXPECT_EQ(Hex(GBAndBig5Convert(gb.c_str(), 0)), "D6D0");
}

// Each thread converts its own texts in all three ways and checks every result.
TEST(GBAndBig5Convert, ManyThreadsConvertAtOnce) {
    ConversionSettings settings(LANGUAGE_TYPE_GB, 1);
    struct Work {
        std::string in;
        char direction;
        std::string out;
    };
    const std::vector<Work> work = {
        {Bytes("B9FA C3C7 09 A1B0 41 A1B1"), 2, Bytes("B0EA ADCC 2020202020202020 A175 41 A176")},
        {Bytes("A4A4 0D0A 0D0A"), 1, Bytes("D6D0 0D0A 0D0A")},
        {Bytes("616263"), 0, Bytes("616263")},
        {Bytes("A4A4 A4E5 0A B0EA ADCC"), 0, Bytes("D6D0 CEC4 0D0A 87F8 8283")},  // 國們 stay traditional
    };
    constexpr int kThreads = 8;
    constexpr int kRounds = 400;
    std::vector<int> failures(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                const Work& w = work[static_cast<size_t>(t + round) % work.size()];
                if (GBAndBig5Convert(w.in.c_str(), w.direction).str() != w.out)
                    ++failures[static_cast<size_t>(t)];
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int t = 0; t < kThreads; ++t) EXPECT_EQ(failures[static_cast<size_t>(t)], 0) << "thread " << t;
}

// A host flips the switch while seven threads convert texts of many lines in all three ways:
// every caller gets its own text back, converted or unchanged, never another caller's.
TEST(GBAndBig5Convert, ASwitchFlippedMeanwhileNeverHandsOverAnotherCallersText) {
    _enum_language_type system = LANGUAGE_TYPE_GB;
    int on = 1;
    CGBAndBig5::DeleteInstance();
    SetGBAndBig5_Para(&system, &on);
    constexpr int kThreads = 7;
    struct Work {
        std::string in;
        char direction;
        std::string converted;
    };
    std::vector<Work> work;
    for (int t = 0; t < kThreads; ++t) {
        // Thread t's lines carry its number; a few thousand lines make each conversion long
        // enough for the switch to change in the middle of it.
        const char direction = static_cast<char>(t % 3);
        const std::string line = direction == 2 ? Bytes("B9FA C3C7 20") : Bytes("A4A4 A4E5 20");
        std::string in;
        for (int i = 0; i < 20000; ++i) in += line + std::to_string(t * 10000 + i) + "\n";
        work.push_back({in, direction, GBAndBig5Convert(in.c_str(), direction).str()});
        ASSERT_NE(work.back().converted, in) << "thread " << t << "'s text must change when converted";
    }
    std::atomic<bool> stop{false};
    std::thread host([&] {
        while (!stop.load()) {
            __atomic_store_n(&on, __atomic_load_n(&on, __ATOMIC_RELAXED) ^ 1, __ATOMIC_RELAXED);
            std::this_thread::sleep_for(std::chrono::microseconds(20));
        }
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    std::vector<std::string> wrong(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const Work& w = work[static_cast<size_t>(t)];
            std::string unchanged = w.in;
            while (!unchanged.empty() && unchanged.back() == '\n') unchanged.pop_back();
            for (int round = 0; round < 2000 && std::chrono::steady_clock::now() < deadline; ++round) {
                const std::string got = (w.direction == 1   ? Big2Gb(CString(w.in.c_str()))
                                         : w.direction == 2 ? Gb2Big(CString(w.in.c_str()))
                                                            : GBAndBig5Convert(w.in.c_str(), 0))
                                            .str();
                if (got != w.converted && got != unchanged && got != w.in) {
                    wrong[static_cast<size_t>(t)] = got.substr(0, 40);
                    break;
                }
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    stop = true;
    host.join();
    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(Hex(wrong[static_cast<size_t>(t)]), "") << "thread " << t << " got a text not its own";
    SetGBAndBig5_Para(nullptr, nullptr);
    CGBAndBig5::DeleteInstance();
}

}  // namespace
