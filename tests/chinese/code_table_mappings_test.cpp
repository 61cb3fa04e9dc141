// The committed code tables against sources that share no code with their generator: the code
// pages as the C library's iconv reads them, and OpenCC's character data as OpenCC's own
// dictionary tool prints it.
#include <gtest/gtest.h>

#if __has_include(<iconv.h>)
#include <iconv.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "chinese/code_tables.h"
#include "platform/os.h"
#include "platform/posix/embedded_data.h"
#include "byte_pairs.h"
#include "support/test_support.h"

namespace {

using Forms = std::map<std::string, std::vector<std::string>>;
const unsigned kBlank = 0xA140;

// One code page through iconv: two-byte codes to UTF-8 and back.
class CodePage {
  public:
    explicit CodePage(const char* name)
        : m_decode(iconv_open("UTF-8", name)), m_encode(iconv_open(name, "UTF-8")) {}
    ~CodePage() {
        if (m_decode != reinterpret_cast<iconv_t>(-1)) iconv_close(m_decode);
        if (m_encode != reinterpret_cast<iconv_t>(-1)) iconv_close(m_encode);
    }
    bool usable() const {
        return m_decode != reinterpret_cast<iconv_t>(-1) && m_encode != reinterpret_cast<iconv_t>(-1);
    }
    // The character of a code in UTF-8; empty when the code page has none there.
    std::string Decode(unsigned code) const {
        const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
        return Run(m_decode, std::string(bytes, 2));
    }
    // The two-byte code of a character; 0 when the code page lacks it.
    unsigned Encode(const std::string& utf8) const {
        const std::string out = Run(m_encode, utf8);
        if (out.size() != 2) return 0;
        return static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1]);
    }

  private:
    static std::string Run(iconv_t cd, std::string in) {
        char out[16];
        char* from = in.data();
        char* to = out;
        size_t left = in.size(), room = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &from, &left, &to, &room) == static_cast<size_t>(-1) || left != 0) return {};
        return std::string(out, to);
    }
    iconv_t m_decode;
    iconv_t m_encode;
};

bool IsPrivateUse(const std::string& utf8) {  // U+E000..U+F8FF
    if (utf8.size() != 3) return false;
    const auto b0 = static_cast<unsigned char>(utf8[0]), b1 = static_cast<unsigned char>(utf8[1]);
    return b0 == 0xEE || (b0 == 0xEF && b1 <= 0xA3);
}

// One of OpenCC's character dictionaries as OpenCC's own tool prints it ("key<TAB>form form");
// empty when it cannot be read.
const Forms& Dictionary(const std::string& name) {
    static std::map<std::string, Forms> read;
    auto found = read.find(name);
    if (found != read.end()) return found->second;
    Forms& forms = read[name];
#if defined(QML_OPENCC_DICT) && defined(QML_OPENCC_DATA_DIR)
    qml_test::TempDir dir;
    const std::string command = std::string("\"") + QML_OPENCC_DICT + "\" -f ocd2 -t text -i \"" +
                                QML_OPENCC_DATA_DIR + "/" + name + ".ocd2\" -o \"" + dir.file("out") + "\"";
    std::ifstream in(std::system(command.c_str()) == 0 ? dir.file("out") : std::string());
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line.substr(line.find('\t') + 1));
        std::vector<std::string>& list = forms[line.substr(0, line.find('\t'))];
        for (std::string form; fields >> form;) list.push_back(form);
    }
#endif
    return forms;
}

const std::vector<std::string>& FormsOf(const char* dictionary, const std::string& ch) {
    static const std::vector<std::string> kNone;
    const Forms& forms = Dictionary(dictionary);
    auto found = forms.find(ch);
    return found == forms.end() ? kNone : found->second;
}

// Taiwan's forms of a character by OpenCC, the standard one first: each traditional form,
// preceded by its Taiwan variants.
std::vector<std::string> TaiwanForms(const std::string& ch) {
    std::vector<std::string> bases = FormsOf("STCharacters", ch), forms;
    if (bases.empty()) bases.push_back(ch);
    for (const std::string& base : bases) {
        for (const std::string& variant : FormsOf("TWVariants", base)) forms.push_back(variant);
        forms.push_back(base);
    }
    return forms;
}

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

// A GB2312 character is the mainland shape, so any other Taiwan form makes it a simplified
// one; outside GB2312 only OpenCC's simplified characters are.
bool IsSimplifiedForm(const std::string& ch, bool inGb2312) {
    if (TaiwanForms(ch).front() == ch) return false;
    const std::vector<std::string>& traditional = FormsOf("STCharacters", ch);
    return inGb2312 || (!traditional.empty() && traditional.front() != ch);
}

unsigned CellAt(const unsigned char* table, std::size_t offset) {
    return table[offset] << 8 | table[offset + 1];
}

class CodeTableMappings : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!big5.usable() || !gbk.usable() || !gb2312.usable())
            GTEST_SKIP() << "iconv lacks CP950, CP936 or GB2312";
        for (const char* name : {"STCharacters", "TWVariants", "TSCharacters"}) {
            if (Dictionary(name).empty())
                GTEST_SKIP() << "OpenCC's " << name << " cannot be read with opencc_dict";
        }
    }
    CodePage big5{"CP950"}, gbk{"CP936"}, gb2312{"GB2312"};

    // Checks the Big5 cell of one code-page-936 character: itself when it is no simplified form
    // and Big5 holds it, else one of its Taiwan forms; the blank only when Big5 holds none, and
    // any other character only when Big5 holds none of OpenCC's (a form from ICU's transform).
    void ExpectBig5Cell(unsigned gb, const std::string& ch, unsigned cell, bool inGb2312) {
        const std::vector<std::string> forms = TaiwanForms(ch);
        const bool simplified = IsSimplifiedForm(ch, inGb2312);
        unsigned own = big5.Encode(ch), standard = big5.Encode(forms.front());
        bool anyHeld = own != 0;
        for (const std::string& form : forms) anyHeld = anyHeld || big5.Encode(form) != 0;
        const std::string out = big5.Decode(cell);
        if (!simplified && own != 0) {
            EXPECT_EQ(out, ch) << std::hex << gb << " is no simplified form";
        } else if (simplified && standard != 0) {
            EXPECT_EQ(out, forms.front()) << std::hex << gb << " " << ch;
        } else if (cell == kBlank) {
            EXPECT_FALSE(anyHeld) << std::hex << gb << " " << ch << " is blank though Big5 holds a form";
        } else if (anyHeld) {
            EXPECT_TRUE(Contains(forms, out) || out == ch) << std::hex << gb << " " << ch << " -> " << out;
        }
    }
};

TEST_F(CodeTableMappings, Cp936ToBig5GivesTaiwanStandardFormsAndNeverAnotherCharacter) {
    int taiwanForms = 0;
    qml_test::ForEachPair(0x81, 0xFE, 0x40, 0xFE, [&](unsigned lead, unsigned trail) {
        const unsigned gb = lead << 8 | trail;
        const unsigned cell = CellAt(qml::embedded::cp936_to_big5, qml::Cp936ToBig5CellOffset(lead, trail));
        if (qml::HasGbToBig5Cell(lead, trail)) {
            ASSERT_EQ(cell, CellAt(qml::embedded::gb_to_big5, qml::GbToBig5CellOffset(lead, trail)))
                << std::hex << gb << ": the two GB-to-Big5 tables disagree";
        }
        const std::string ch = gbk.Decode(gb);
        if (trail == 0x7F || ch.empty() || IsPrivateUse(ch)) {
            ASSERT_EQ(cell, trail == 0x7F ? 0 : kBlank) << std::hex << gb << ": no character";
            return;
        }
        const bool inGb2312 = !gb2312.Decode(gb).empty();
        ExpectBig5Cell(gb, ch, cell, inGb2312);
        const std::string standard = TaiwanForms(ch).front();
        taiwanForms += inGb2312 && standard != ch && cell == big5.Encode(standard);
    });
    // The hanzi of GB2312 that Taiwan writes otherwise and whose Taiwan form Big5 holds,
    // counted from OpenCC's data as it was when the tables were made; 2,088 before.
    EXPECT_GE(taiwanForms, 2249);
}

TEST_F(CodeTableMappings, Big5CharactersComeBackUnlessTheyAreSimplifiedForms) {
    int roundTrips = 0;
    qml_test::ForEachPair(0xA1, 0xF9, 0x40, 0xFE, [&](unsigned lead, unsigned trail) {
        const unsigned code = lead << 8 | trail;
        const std::string ch = big5.Decode(code);
        const unsigned gb = ch.empty() || IsPrivateUse(ch) ? 0 : gbk.Encode(ch);
        if (gb == 0) return;
        ASSERT_EQ(CellAt(qml::embedded::big5_to_cp936, qml::Big5ToGbCellOffset(lead, trail)), gb)
            << std::hex << code << " " << ch;
        const unsigned back =
            CellAt(qml::embedded::cp936_to_big5, qml::Cp936ToBig5CellOffset(gb >> 8, gb & 0xFF));
        // Big5 codes a few characters twice (兀, box drawings); code page 936 characters that
        // are also the simplified form of another (里 裡, 台 臺) go to that other.
        if (back != code && big5.Decode(back) != ch) {
            EXPECT_TRUE(IsSimplifiedForm(ch, gb2312.Encode(ch) != 0)) << std::hex << code << " " << ch;
        }
        roundTrips += back == code;
    });
    EXPECT_GT(roundTrips, 13000);
}

TEST_F(CodeTableMappings, Big5ToGbGivesGb2312SimplifiedForms) {
    qml_test::ForEachPair(0xA4, 0xF9, 0x40, 0xFE, [&](unsigned lead, unsigned trail) {
        const unsigned code = lead << 8 | trail;
        const std::string ch = big5.Decode(code);
        if (ch.empty() || IsPrivateUse(ch)) return;
        const unsigned cell = CellAt(qml::embedded::big5_to_gb, qml::Big5ToGbCellOffset(lead, trail));
        const std::vector<std::string>& simplified = FormsOf("TSCharacters", ch);
        if (unsigned own = gb2312.Encode(ch)) {
            EXPECT_EQ(cell, own) << std::hex << code << " " << ch;
        } else if (!simplified.empty() && gb2312.Encode(simplified.front()) != 0) {
            EXPECT_TRUE(Contains(simplified, gbk.Decode(cell))) << std::hex << code << " " << ch;
        }
    });
}

TEST_F(CodeTableMappings, SystemTraditionalMappingGivesTaiwanStandardForms) {
    qml_test::ForEachPair(0xB0, 0xF7, 0xA1, 0xFE, [&](unsigned lead, unsigned trail) {
        const std::string ch = gb2312.Decode(lead << 8 | trail);
        const unsigned standard = ch.empty() ? 0 : gbk.Encode(TaiwanForms(ch).front());
        if (standard == 0) return;
        const char in[3] = {static_cast<char>(lead), static_cast<char>(trail), 0};
        char out[3] = {};
        ASSERT_EQ(qml::os::LCMapStringA(2052, LCMAP_TRADITIONAL_CHINESE, in, -1, out, 3), 3);
        EXPECT_EQ(CellAt(reinterpret_cast<unsigned char*>(out), 0), standard) << ch;
    });
}

}  // namespace
#endif
