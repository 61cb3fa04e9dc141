// The installer's language, read from the registry stand-in.
#include <gtest/gtest.h>

#include <string>

#include "quorvel/multilanguage.h"
#include "quorvel/window_system.h"
#include "support/test_support.h"

using qml_test::ScopedEnv;
using qml_test::TempDir;

namespace {

class InstallerLanguage : public ::testing::Test {
  protected:
    void WriteRegistry(const std::string& body) { qml_test::WriteFile(m_dir.file("registry.ini"), body); }
    void TearDown() override { quorvel::SetApplicationName(nullptr); }

    TempDir m_dir;
    ScopedEnv m_registry{"QUORVEL_REGISTRY", m_dir.file("registry.ini").c_str()};
};

TEST_F(InstallerLanguage, ValueUnderTheApplicationsKey) {
    const struct {
        const char* entry;
        int type;
        int found;
    } cases[] = {
        {"InstallerLanguate=2052", 1, 1},
        {"InstallerLanguate=1028", 0, 1},
        {"InstallerLanguate=1033", 2, 1},
        {"InstallerLanguate=3076", 3, 1},
        {"InstallerLanguate=abc", 3, 1},
        {"InstallerLanguage=2052", 2, 0},
        {"", 2, 0},
    };
    quorvel::SetApplicationName("Console");
    for (const auto& c : cases) {
        WriteRegistry(std::string("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Console]\n") + c.entry + "\n");
        int found = -1;
        EXPECT_EQ(GetNISILanguageType(nullptr, &found), c.type) << c.entry;
        EXPECT_EQ(found, c.found) << c.entry;
        EXPECT_EQ(GetNISILanguageType("Console", nullptr), c.type) << c.entry;
    }
}

TEST_F(InstallerLanguage, MissingKeyOrFileGivesEnglish) {
    int found = -1;
    EXPECT_EQ(GetNISILanguageType("Console", &found), 2);  // no registry file
    EXPECT_EQ(found, 0);
    WriteRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Other]\nInstallerLanguate=2052\n");
    found = -1;
    EXPECT_EQ(GetNISILanguageType("Console", &found), 2);
    EXPECT_EQ(found, 0);
}

TEST_F(InstallerLanguage, OverlongValueCountsAsMissing) {
    WriteRegistry("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Console]\nInstallerLanguate=2052" + std::string(300, '0') +
                  "\n");
    int found = -1;
    EXPECT_EQ(GetNISILanguageType("Console", &found), 2);
    EXPECT_EQ(found, 0);
}

}  // namespace
