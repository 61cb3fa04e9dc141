// The two code tables as the library carries them, and the code-page-936 services over them.
#include <gtest/gtest.h>

#include <string>

#include "chinese/code_tables.h"
#include "conversion_settings_guard.h"
#include "module/module_instance.h"
#include "platform/codepage.h"
#include "platform/os.h"
#include "platform/resource.h"
#include "support/system_mapping.h"

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
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cell(table.data + qml::Big5ToGbCellOffset(c.big5 >> 8, c.big5 & 0xFF)), c.gb)
            << std::hex << c.big5 << ": " << c.why;
    }
    for (unsigned lead = 0xFA; lead <= 0xFE; ++lead) {
        for (unsigned trail = 0xA1; trail <= 0xFE; ++trail) {
            ASSERT_EQ(Cell(table.data + qml::Big5ToGbCellOffset(lead, trail)), "A1A1")
                << lead << " " << trail;
        }
    }
}

TEST(CodeTables, GbToBig5Cells) {
    Table table = LoadTable(qml::kGbToBig5ResourceId);
    ASSERT_NE(table.data, nullptr);
    struct Case {
        unsigned short gb;
        const char* big5;
    };
    const Case cases[] = {
        {0xA1A1, "A140"}, {0xA1A2, "A142"}, {0xB0A1, "B0DA"}, {0xB9FA, "B0EA"}, {0xC3C7, "ADCC"},
        {0xA8A1, "A140"}, {0xD7FA, "A140"}, {0xF8A1, "A140"}, {0xA6E0, "A15F"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Cell(table.data + qml::GbToBig5CellOffset(c.gb >> 8, c.gb & 0xFF)), c.big5)
            << std::hex << c.gb;
    }
}

TEST(CodePageServices, TraditionalAndSimplifiedMappingsKeepTheLength) {
    if (!qml_test::SystemMapsChineseCharacters()) GTEST_SKIP() << qml_test::NoChineseMappingReason();
    struct Case {
        DWORD flags;
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {LCMAP_TRADITIONAL_CHINESE, "B9FA C3C7", "87F8 8283"},  // 国们 -> 國們
        {LCMAP_SIMPLIFIED_CHINESE, "87F8 8283", "B9FA C3C7"},
        {LCMAP_TRADITIONAL_CHINESE, "41 D6D0 42", "41 D6D0 42"},  // 中 has no other form
        {LCMAP_TRADITIONAL_CHINESE, "80 FF B9", "80 FF B9"},      // single bytes and a stray lead
        {LCMAP_TRADITIONAL_CHINESE, "B9 0A FA", "B9 0A FA"},      // a lead before a non-trail
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
#if defined(_WIN32)
    GTEST_SKIP() << "checks the POSIX stand-in's limits; Windows answers with its own code-page services";
#endif
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
#if defined(_WIN32)
    GTEST_SKIP() << "checks the POSIX stand-in's limits; Windows answers with its own code-page services";
#endif
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

}  // namespace
