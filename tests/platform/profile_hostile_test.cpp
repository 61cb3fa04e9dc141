// Files and paths that a profile reader must survive: NUL bytes, very long lines, a 50 MB
// file, binary noise, directories, long paths; and many threads reading while the file
// changes under them.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <atomic>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "platform/os.h"
#include "profile_fixture.h"

namespace {

using namespace std::string_literals;

class ProfileHostile : public qml_test::ProfileTest {};

TEST_F(ProfileHostile, ANulByteEndsItsLine) {
    std::string file = Write("nul.ini", "[S]\nk=ab\0cd\nkey\0=hidden\n[Sec\0tion]\nafter=1\nnext=v\n"s);
    EXPECT_EQ(Value(file, "S", "k"), "ab");
    EXPECT_EQ(Value(file, "S", "key"), "<default>");  // a key without '=' before the NUL
    EXPECT_EQ(Value(file, "Sec", "after"), "1");
    EXPECT_EQ(Value(file, "Sec", "next"), "v");
}

TEST_F(ProfileHostile, LinesOfAHundredThousandCharacters) {
    std::string longValue(100000, 'v');
    std::string longKey(100000, 'K');
    std::string file = Write("long.ini", "[S]\nvalue=" + longValue + "\n" + longKey + "=short\nafter=1\n");
    EXPECT_EQ(Value(file, "S", "value", "", 200000), longValue);
    qml_test::ProfileRead cut = qml_test::ReadProfile("S", "value", "", 1023, file);
    EXPECT_EQ(cut.result, 1022u);
    EXPECT_EQ(cut.text, longValue.substr(0, 1022));
    EXPECT_EQ(Value(file, "S", longKey.c_str()), "short");
    EXPECT_EQ(Value(file, "S", "after"), "1");
}

TEST_F(ProfileHostile, AFiftyMegabyteFile) {
    std::string bytes = "[Big]\n";
    bytes.reserve(52u << 20);
    int count = 0;
    while (bytes.size() < (50u << 20)) {
        bytes +=
            "key" + std::to_string(count) + "=value number " + std::to_string(count) + " of a large file\n";
        ++count;
    }
    std::string file = Write("big.ini", bytes);
    std::string last = "key" + std::to_string(count - 1);
    EXPECT_EQ(Value(file, "Big", last.c_str()),
              "value number " + std::to_string(count - 1) + " of a large file");
    EXPECT_EQ(Value(file, "Big", "key0"), "value number 0 of a large file");
    EXPECT_EQ(Value(file, "Big", "missing"), "<default>");
}

TEST_F(ProfileHostile, BinaryNoise) {
    std::mt19937 random(7);
    std::string noise(1 << 20, '\0');
    for (char& c : noise) c = static_cast<char>(random());
    std::string file = Write("noise.ini", noise + "\n[S]\nk=v\n");
    EXPECT_EQ(Value(file, "S", "k"), "v");
    EXPECT_EQ(Value(file, "Nope", "k"), "<default>");
    // The section list holds the sections the noise happened to open, in file order, then S;
    // each of them is a section the reader finds.
    std::vector<char> list(1 << 20, '\x7f');
    DWORD length = qml::os::GetPrivateProfileStringA(nullptr, nullptr, "", list.data(),
                                                     static_cast<DWORD>(list.size()), file.c_str());
    ASSERT_LT(length, list.size() - 2);  // not cut
    ASSERT_GE(length, 2u);
    EXPECT_EQ(list[length - 1], '\0');
    EXPECT_EQ(list[length], '\0');
    std::vector<std::string> names;
    for (std::size_t at = 0; at < length; at += names.back().size() + 1) names.emplace_back(list.data() + at);
    EXPECT_EQ(names.back(), "S");
    for (const std::string& name : names) {
        EXPECT_FALSE(name.empty());
        qml_test::ProfileRead keys = qml_test::ReadProfile(name.c_str(), nullptr, "", 64, file);
        EXPECT_EQ(keys.lastError, ERROR_SUCCESS) << name;
    }
}

TEST_F(ProfileHostile, OddLines) {
    std::string file =
        Write("odd.ini", "[\n]\n=\n==\n[]\n=empty key\n[ \t ]\nx=blank name\n[S\nk=v\n[T]]\nt=1\n");
    EXPECT_EQ(Value(file, "", "x"), "<default>");  // only the first section named "" is searched
    EXPECT_EQ(Value(file, "S", "k"), "v");         // "[S" without ']' names S
    EXPECT_EQ(Value(file, "T]", "t"), "1");        // the name runs to the last ']'
}

TEST_F(ProfileHostile, APathThatIsADirectory) {
    EXPECT_EQ(Value(dir().path(), "S", "k"), "<default>");
    EXPECT_EQ(Value(dir().path() + "/", "S", "k"), "<default>");
}

TEST_F(ProfileHostile, PathsLongerThanTheWindowsLimit) {
    std::string path = dir().path();
    while (path.size() < 400) {
        path += "/" + std::string(40, 'd');
        ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    }
    std::string file = path + "/deep.ini";
    qml_test::WriteFile(file, "[S]\nk=deep\n");
    EXPECT_EQ(Value(file, "S", "k"), "deep");

    std::string tooLong = dir().path() + "/" + std::string(5000, 'x') + ".ini";
    EXPECT_EQ(Value(tooLong, "S", "k"), "<default>");
    std::string longComponent = dir().path() + "/" + std::string(300, 'y') + ".ini";
    EXPECT_EQ(Value(longComponent, "S", "k"), "<default>");
}

// Readers on several threads, with and without call scopes, while a writer alternates the
// file between two versions: every answer is one of the two values, never a mix or a crash.
TEST_F(ProfileHostile, ConcurrentReadersWhileTheFileChanges) {
    const std::string first = "[S]\nk=first value\nother=1\n";
    const std::string second = "[S]\nk=SECOND VALUE\nother=2\n";
    std::string file = Write("shared.ini", first);
    std::atomic<bool> stop{false};
    std::atomic<int> bad{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 4; ++t) {
        readers.emplace_back([&, t] {
            while (!stop.load()) {
                std::unique_ptr<qml::os::ProfileCallScope> scope;
                if (t % 2) scope = std::make_unique<qml::os::ProfileCallScope>();
                std::string value = Value(file, "S", "k");
                if (value != "first value" && value != "SECOND VALUE") ++bad;
            }
        });
    }
    for (int i = 0; i < 300; ++i) {
        std::string next = file + ".tmp";
        qml_test::WriteFile(next, i % 2 ? first : second);
        std::rename(next.c_str(), file.c_str());
    }
    stop = true;
    for (std::thread& reader : readers) reader.join();
    EXPECT_EQ(bad.load(), 0);
    EXPECT_EQ(Value(file, "S", "k"), "first value");
}

}  // namespace
