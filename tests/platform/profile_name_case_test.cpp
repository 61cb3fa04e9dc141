// Names match without regard to the case of ASCII letters and only that: the reader compares
// and hashes names eight bytes at a time, so the cases put the differing byte at every place
// of a word, at word boundaries and in the tail, and pair bytes that differ by the same bit as
// the two cases of a letter without being letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/posix/profile_parse.h"
#include "profile_fixture.h"

namespace {

using qml::os::posix::EqualNoCase;
using qml::os::posix::HashNoCase;

struct NamePair {
    std::string a;
    std::string b;
    bool same;
};

// Names of 1 to 20 bytes with one letter of the other case at each position.
std::vector<NamePair> OneLetterOfTheOtherCase() {
    std::vector<NamePair> pairs;
    for (std::size_t length = 1; length <= 20; ++length)
        for (std::size_t at = 0; at < length; ++at) {
            std::string lower;
            for (std::size_t i = 0; i < length; ++i) lower += static_cast<char>('a' + (i * 7) % 26);
            std::string mixed = lower;
            mixed[at] = static_cast<char>(mixed[at] - 'a' + 'A');
            pairs.push_back({lower, mixed, true});
        }
    return pairs;
}

// Bytes 0x20 apart that are no letters, or letters only in some other code page; and names
// that differ in one byte at each position.
std::vector<NamePair> OtherBytes() {
    std::vector<NamePair> pairs = {
        {"@", "`", false},
        {"[", "{", false},
        {"\\", "|", false},
        {"]", "}", false},
        {"^", "~", false},
        {"_", "\x7f", false},
        {"\xC1", "\xE1", false},
        {"\xDA", "\xFA", false},
        {"key@name", "key`name", false},
        {"keyword[1]", "keyword{1}", false},
        {"\xC4\xE3\xBA\xC3", "\xE4\xE3\xBA\xC3", false},
        {"Z", "z", true},
        {"A", "a", true},
        {"", "", true},
        {"a", "", false},
        {"ab", "a", false},
        {"name ", "name", false},
        {"ProgramOutStr", "PROGRAMOUTSTR", true},
        {"ProgramOutStr", "programoutstr", true},
        {"ProgramOutStr", "ProgramOutStx", false},
        {"0123456789", "0123456789", true},
    };
    for (std::size_t length = 1; length <= 20; ++length)
        for (std::size_t at = 0; at < length; ++at) {
            std::string a(length, 'm');
            std::string b = a;
            b[at] = 'n';
            pairs.push_back({a, b, false});
        }
    return pairs;
}

TEST(ProfileNameCase, EqualityIgnoresTheCaseOfAsciiLettersOnly) {
    for (const std::vector<NamePair>& table : {OneLetterOfTheOtherCase(), OtherBytes()})
        for (const NamePair& pair : table) {
            EXPECT_EQ(EqualNoCase(pair.a, pair.b), pair.same) << '"' << pair.a << "\" \"" << pair.b << '"';
            EXPECT_EQ(EqualNoCase(pair.b, pair.a), pair.same) << '"' << pair.b << "\" \"" << pair.a << '"';
            if (pair.same) {
                EXPECT_EQ(HashNoCase(pair.a), HashNoCase(pair.b)) << pair.a;
                EXPECT_EQ(HashNoCase(pair.a, 7), HashNoCase(pair.b, 7)) << pair.a;
            }
        }
}

// Equal names land in the same place of the index, different ones spread: a few hundred
// similar names give as many different hashes, and a scope changes them.
TEST(ProfileNameCase, SimilarNamesHashApart) {
    std::vector<std::uint64_t> seen;
    for (int i = 0; i < 500; ++i) {
        std::string name = "term" + std::to_string(i);
        seen.push_back(HashNoCase(name));
        EXPECT_NE(HashNoCase(name), HashNoCase(name, 1)) << name;
    }
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
}

class ProfileNameLookup : public qml_test::ProfileTest {};

// The same rules through the reader: every name written in lower case is found in its other
// spellings, and no other name is.
TEST_F(ProfileNameLookup, KeysAndSectionsAreFoundInAnyCaseOfTheirLetters) {
    std::string bytes;
    std::vector<NamePair> pairs = OneLetterOfTheOtherCase();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        bytes += "[" + pairs[i].a + "]\n";
        bytes += pairs[i].a + "=" + std::to_string(i) + "\n";
    }
    bytes += "[Other]\nkey@name=at\nkeyword[1]=bracket\n\xC1=upper\n";
    std::string file = Write("case.ini", bytes);
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        // The first section of a name wins, and the lower-case names repeat across lengths
        // only when equal; so the value is that of the first pair with this name.
        std::size_t first = i;
        while (first > 0 && pairs[first - 1].a == pairs[i].a) --first;
        EXPECT_EQ(Value(file, pairs[i].b.c_str(), pairs[i].b.c_str()), std::to_string(first)) << pairs[i].b;
    }
    EXPECT_EQ(Value(file, "other", "KEY@NAME"), "at");
    EXPECT_EQ(Value(file, "other", "key`name"), "<default>");
    EXPECT_EQ(Value(file, "OTHER", "KEYWORD[1]"), "bracket");
    EXPECT_EQ(Value(file, "Other", "keyword{1}"), "<default>");
    EXPECT_EQ(Value(file, "Other", "\xC1"), "upper");
    EXPECT_EQ(Value(file, "Other", "\xE1"), "<default>");
}

}  // namespace
