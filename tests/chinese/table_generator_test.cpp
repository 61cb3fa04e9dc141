// The committed code tables are exactly what the generator makes of the published mappings
// and character data.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "support/test_support.h"

namespace {

TEST(CodeTableFiles, RebuildEqualsTheCommittedFiles) {
#ifndef QML_TABLE_GENERATOR
    GTEST_SKIP() << "ICU or OpenCC was not found at configure time: the table generator is not built";
#else
    qml_test::TempDir out;
    const std::string command =
        std::string("\"") + QML_TABLE_GENERATOR + "\" \"" + out.path() + "\" > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const char* files[] = {
        "chinese/tables/big5_to_gb.bin",
        "chinese/tables/gb_to_big5.bin",
        "chinese/tables/big5_to_cp936.bin",
        "chinese/tables/cp936_to_big5.bin",
        "platform/posix/data/cp936_to_traditional.bin",
        "platform/posix/data/cp936_to_simplified.bin",
    };
    for (const char* file : files) {
        const std::string committed = qml_test::ReadFile(std::string(QML_SOURCE_DIR) + "/" + file);
        const std::string rebuilt = qml_test::ReadFile(out.file(file));
        ASSERT_FALSE(committed.empty()) << file;
        EXPECT_TRUE(committed == rebuilt) << file << " differs from a fresh build (" << committed.size()
                                          << " vs " << rebuilt.size() << " bytes)";
    }
#endif
}

}  // namespace
