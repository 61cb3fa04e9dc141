// The two code tables as the library carries them, and the code-page-936 services over them.
#include <gtest/gtest.h>

#include <string>

#include "byte_pairs.h"
#include "chinese/code_tables.h"
#include "conversion_settings_guard.h"
#include "chinese/conversion_state.h"
#include "platform/os.h"

namespace {

using qml_test::Bytes;
using qml_test::Hex;

struct Table {
    const unsigned char* data = nullptr;
    DWORD size = 0;
};

Table LoadTable(unsigned short id) {
    HMODULE module = qml::ModuleInstance();
    HRSRC found = qml::os::FindResourceA(module, qml::os::IntResource(id), qml::os::RcDataType());
    if (found == nullptr) return {};
    HGLOBAL loaded = qml::os::LoadResource(module, found);
    return {static_cast<const unsigned char*>(qml::os::LockResource(loaded)),
            qml::os::SizeofResource(module, found)};
}

std::string Cell(const unsigned char* cell) {
    return Hex(std::string(reinterpret_cast<const char*>(cell), 2));
}

TEST(CodeTables, AreResourcesOfTheLibrarysOwnModule) {
    ASSERT_NE(qml::ModuleInstance(), nullptr);
    EXPECT_EQ(LoadTable(qml::kBig5ToGbResourceId).size, 35908u);
    EXPECT_EQ(LoadTable(qml::kGbToBig5ResourceId).size, 16544u);
    EXPECT_EQ(LoadTable(qml::kBig5ToCp936ResourceId).size, qml::kBig5ToCp936TableSize);
    EXPECT_EQ(LoadTable(qml::kCp936ToBig5ResourceId).size, qml::kCp936ToBig5TableSize);
    // Another module, another type or another id has no such resource. (On Windows a null
    // module is the program itself, which carries the tables when it links the library.)
#if !defined(_WIN32)
    EXPECT_EQ(qml::os::FindResourceA(nullptr, qml::os::IntResource(11007), qml::os::RcDataType()), nullptr);
#endif
    EXPECT_EQ(
        qml::os::FindResourceA(qml::ModuleInstance(), qml::os::IntResource(11007), qml::os::IntResource(6)),
        nullptr);
    EXPECT_EQ(qml::os::GetLastError(), ERROR_RESOURCE_TYPE_NOT_FOUND);
    EXPECT_EQ(
        qml::os::FindResourceA(qml::ModuleInstance(), qml::os::IntResource(11011), qml::os::RcDataType()),
        nullptr);
    EXPECT_EQ(qml::os::GetLastError(), ERROR_RESOURCE_NAME_NOT_FOUND);
}

TEST(CodeTables, Big5ToGbCells) {
    Table table = LoadTable(qml::kBig5ToGbResourceId);
    ASSERT_NE(table.data, nullptr);
    struct Case {
        unsigned short big5;
        const char* gb;
        const char* why;
    };
    const Case cases[] = {
        {0xA4A4, "D6D0", "中 is in both"},
        {0xB0EA, "B9FA", "國 gives its simplified form 国"},
        {0xADCC, "C3C7", "們 gives 们"},
        {0xA15F, "A6E0", "a vertical bracket form outside GB2312"},
        {0xA1C3, "A1A1", "￣ has no counterpart"},
        {0xA3C0, "A1A1", "unassigned"},
        {0xFA40, "A1A1", "user-defined area"},
        {0xFEFE, "A1A1", "user-defined area, last cell"},
        {0xA17F, "A17F", "a trail byte Big5 does not use keeps the pair"},
        {0xC8A0, "C8A0", "the same for trail 0xA0"},
        {0xB1D2, "C6F4", "啟 gives 启, like its variant 啓"},
        {0xB7C7, "D7BC", "準 gives 准"},
        {0xF9D8, "C0EF", "裏 gives 里"},
        {0xBDC6, "B8B4", "複 gives 复"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cell(table.data + qml::Big5ToGbCellOffset(c.big5 >> 8, c.big5 & 0xFF)), c.gb)
            << std::hex << c.big5 << ": " << c.why;
    }
    qml_test::ForEachPair(0xFA, 0xFE, 0xA1, 0xFE, [&](unsigned lead, unsigned trail) {
        ASSERT_EQ(Cell(table.data + qml::Big5ToGbCellOffset(lead, trail)), "A1A1") << lead << " " << trail;
    });
}

TEST(CodeTables, GbToBig5Cells) {
    Table table = LoadTable(qml::kGbToBig5ResourceId);
    ASSERT_NE(table.data, nullptr);
    struct Case {
        unsigned short gb;
        const char* big5;
    };
    // Simplified characters take their Taiwan-standard form even where Big5 holds their own
    // shape (机 后 于 据 准 范 复 体 并 台 里 着); 镎 takes its second variant, 坂 and 岙 the
    // form that only the ICU transform gives; the rest had no Big5 form at all before.
    const Case cases[] = {
        {0xA1A1, "A140"}, {0xA1A2, "A142"}, {0xB0A1, "B0DA"}, {0xB9FA, "B0EA"}, {0xC3C7, "ADCC"},
        {0xA8A1, "A140"}, {0xD7FA, "A140"}, {0xF8A1, "A140"}, {0xA6E0, "A15F"}, {0xBBFA, "BEF7"},
        {0xBAF3, "ABE1"}, {0xD3DA, "A9F3"}, {0xBEDD, "BEDA"}, {0xD7BC, "B7C7"}, {0xB7B6, "BD64"},
        {0xB8B4, "B45F"}, {0xCCE5, "C5E9"}, {0xB2A2, "A8C3"}, {0xCCA8, "BB4F"}, {0xC0EF, "B8CC"},
        {0xD7C5, "B5DB"}, {0xC6F4, "B1D2"}, {0xB9B3, "B95F"}, {0xCAFA, "BDDD"}, {0xB2A7, "B2DA"},
        {0xD4CD, "C1DF"}, {0xF6F9, "C673"}, {0xEFD5, "EBE5"}, {0xDBE0, "A8C1"}, {0xE1AE, "E96A"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cell(table.data + qml::GbToBig5CellOffset(c.gb >> 8, c.gb & 0xFF)), c.big5)
            << std::hex << c.gb;
    }
}

TEST(CodeTables, Big5ToCp936AndCp936ToBig5Cells) {
    Table toCp936 = LoadTable(qml::kBig5ToCp936ResourceId);
    Table toBig5 = LoadTable(qml::kCp936ToBig5ResourceId);
    ASSERT_NE(toCp936.data, nullptr);
    ASSERT_NE(toBig5.data, nullptr);
    struct Case {
        bool fromBig5;
        unsigned short code;
        const char* target;
        const char* why;
    };
    const Case cases[] = {
        {true, 0xADCC, "8283", "們 stays itself"},
        {true, 0xB1D2, "86A2", "啟, not 啓"},
        {true, 0xB7C7, "9CCA", "準, not 准"},
        {true, 0xACE9, "B56F", "祇, not 只"},
        {true, 0xF9D8, "D159", "裏, not 裡"},
        {true, 0xA4A4, "D6D0", "中 is in GB2312"},
        {true, 0xA1C3, "A3FE", "￣, which GB2312 lacks"},
        {true, 0xFA40, "A1A1", "user-defined area"},
        {true, 0xA17F, "A17F", "a trail byte Big5 does not use keeps the pair"},
        {false, 0x8283, "ADCC", "們"},
        {false, 0x8699, "B1D2", "啓 takes the Taiwan variant 啟, which Big5 holds"},
        {false, 0xD159, "F9D8", "裏 is no simplified form: it stays itself"},
        {false, 0x8357, "B9B2", "僕, never the raw bytes"},
        {false, 0xBBFA, "BEF7", "机 as in the GB-to-Big5 table"},
        {false, 0x8140, "A140", "丂, which Big5 lacks"},
        {false, 0xAAA1, "A140", "user-defined area"},
        {false, 0x817F, "0000", "trail 0x7F: not a character"},
    };
    for (const Case& c : cases) {
        const unsigned char lead = c.code >> 8;
        const unsigned char trail = c.code & 0xFF;
        const unsigned char* cell = c.fromBig5 ? toCp936.data + qml::Big5ToGbCellOffset(lead, trail)
                                               : toBig5.data + qml::Cp936ToBig5CellOffset(lead, trail);
        EXPECT_EQ(Cell(cell), c.target) << std::hex << c.code << ": " << c.why;
    }
}

// The POSIX stand-in's code-page services. On Windows the system's own answer (Wine's maps no
// character between the scripts).
#if !defined(_WIN32)
TEST(CodePageServices, TraditionalAndSimplifiedMappingsKeepTheLength) {
    struct Case {
        DWORD flags;
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {LCMAP_TRADITIONAL_CHINESE, "B9FA C3C7", "87F8 8283"},  // 国们 -> 國們
        {LCMAP_SIMPLIFIED_CHINESE, "87F8 8283", "B9FA C3C7"},
        {LCMAP_TRADITIONAL_CHINESE, "CCA8 C0EF D7C5", "C55F D165 D6F8"},  // 台里着 -> 臺裡著
        {LCMAP_SIMPLIFIED_CHINESE, "E1E1 C7AC D6F8", "BAF3 B8C9 D6F8"},   // 後乾著 -> 后干著
        {LCMAP_TRADITIONAL_CHINESE, "41 D6D0 42", "41 D6D0 42"},          // 中 has no other form
        {LCMAP_TRADITIONAL_CHINESE, "80 FF B9", "80 FF B9"},              // single bytes and a stray lead
        {LCMAP_TRADITIONAL_CHINESE, "B9 0A FA", "B9 0A FA"},              // a lead before a non-trail
    };
    for (const Case& c : cases) {
        const std::string in = Bytes(c.in);
        char out[16] = {};
        int written = qml::os::LCMapStringA(2052, c.flags, in.c_str(), -1, out, sizeof out);
        EXPECT_EQ(written, static_cast<int>(in.size()) + 1) << c.in;
        EXPECT_EQ(Hex(std::string(out)), Hex(Bytes(c.out))) << c.in;
    }
}

TEST(CodePageServices, LCMapStringRefusesWhatItCannotDo) {
    char out[8] = {};
    const char gb[] = "\xB9\xFA";
    EXPECT_EQ(qml::os::LCMapStringA(1028, LCMAP_TRADITIONAL_CHINESE, gb, -1, out, 8), 0);
    EXPECT_EQ(
        qml::os::LCMapStringA(2052, LCMAP_TRADITIONAL_CHINESE | LCMAP_SIMPLIFIED_CHINESE, gb, -1, out, 8), 0);
    EXPECT_EQ(qml::os::LCMapStringA(2052, 0, gb, -1, out, 8), 0);
    EXPECT_EQ(qml::os::LCMapStringA(2052, LCMAP_TRADITIONAL_CHINESE, gb, -1, out, 2),
              0);  // no room for the NUL
    EXPECT_EQ(qml::os::GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(qml::os::LCMapStringA(2052, LCMAP_TRADITIONAL_CHINESE, gb, -1, nullptr, 0), 3);  // size asked
    EXPECT_EQ(qml::os::LCMapStringA(2052, LCMAP_TRADITIONAL_CHINESE, gb, 2, out, 2), 2);  // no terminator
    EXPECT_EQ(Hex(std::string(out, 2)), "87F8");
}

TEST(CodePageServices, MultiByteToWideCharCountsCharacters) {
    struct Case {
        const char* bytes;
        int units;
    };
    const Case cases[] = {
        {"", 1},
        {"41 42", 3},
        {"B9FA C3C7", 3},
        {"41 B9", 3},           // a lead before the terminator is a character of its own
        {"B9 0A", 3},           // so is a lead before a byte that is no trail
        {"81 40 FE FE 80", 4},  // the whole double-byte range, and the single byte 0x80
    };
    for (const Case& c : cases) {
        EXPECT_EQ(qml::os::MultiByteToWideChar(936, 0, Bytes(c.bytes).c_str(), -1, nullptr, 0), c.units)
            << c.bytes;
    }
    EXPECT_EQ(qml::os::MultiByteToWideChar(950, 0, "a", -1, nullptr, 0), 0);
}
#endif

}  // namespace
