// The DLL: its code tables are RCDATA resources of its own module, found through the handle
// that its entry point recorded.
#include <string>

#include "win32_fixture.h"

namespace {

std::string Resource(HMODULE module, WORD id, WORD language) {
    HRSRC found = ::FindResourceExA(module, MAKEINTRESOURCEA(10), MAKEINTRESOURCEA(id), language);
    if (!found) return {};
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (!data) return {};
    return std::string(static_cast<const char*>(data), ::SizeofResource(module, found));
}

TEST(ModuleResources, TheCodeTablesAreResourcesOfTheDll) {
    HMODULE dll = ::GetModuleHandleA("quorvelml.dll");
    ASSERT_NE(dll, nullptr);
    const WORD chinesePrc = MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED);
    ASSERT_EQ(chinesePrc, 2052);
    struct Table {
        WORD id;
        const char* file;
        size_t size;
    };
    const Table tables[] = {
        {11007, "big5_to_gb.bin", 35908},
        {11008, "gb_to_big5.bin", 16544},
        {11009, "big5_to_cp936.bin", 35908},
        {11010, "cp936_to_big5.bin", 48132},
    };
    for (const Table& table : tables) {
        const std::string data = Resource(dll, table.id, chinesePrc);
        EXPECT_EQ(data.size(), table.size) << table.id;
        // Byte for byte the committed tables.
        EXPECT_TRUE(data == qml_test::ReadFile(std::string(QML_SOURCE_DIR "/chinese/tables/") + table.file))
            << table.id;
    }
    // FindResourceA without a language finds them too; the program itself carries none.
    EXPECT_NE(::FindResourceA(dll, MAKEINTRESOURCEA(11007), MAKEINTRESOURCEA(10)), nullptr);
    EXPECT_EQ(::FindResourceA(nullptr, MAKEINTRESOURCEA(11007), MAKEINTRESOURCEA(10)), nullptr);
    EXPECT_EQ(::FindResourceA(dll, MAKEINTRESOURCEA(11011), MAKEINTRESOURCEA(10)), nullptr);
}

TEST(ModuleResources, TheConverterFindsThemThroughTheModuleHandle) {
    _enum_language_type system = LANGUAGE_TYPE_GB;
    int on = 1;
    CGBAndBig5::DeleteInstance();
    SetGBAndBig5_Para(&system, &on);
    EXPECT_EQ(std::string(Big2Gb("\xA4\xA4\xA4\xE5")), "\xD6\xD0\xCE\xC4");  // 中文
    EXPECT_EQ(std::string(Gb2Big("\xB9\xFA\xC3\xC7")), "\xB0\xEA\xAD\xCC");  // 国们 -> 國們
    // Bytes that are no character pass unchanged.
    EXPECT_EQ(std::string(Big2Gb("A\xA4 B\xA1\x7F")), "A\xA4 B\xA1\x7F");
    SetGBAndBig5_Para(nullptr, nullptr);
    CGBAndBig5::DeleteInstance();
}

}  // namespace
