// The registry stand-in: keys and values read from a profile-format file.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstring>
#include <string>

#include "platform/os.h"
#include "support/case_name.h"
#include "support/test_support.h"

namespace {

using qml::os::RegCloseKey;
using qml::os::RegOpenKeyExA;
using qml::os::RegQueryValueExA;

const char kRegistry[] =
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorvel]\n"
    "InstallerLanguate=2052\n"
    "Empty=\n"
    "Quoted=\"  spaced  \"\n"
    "@=the default value\n"
    "[HKEY_LOCAL_MACHINE\\Software\\MixedCase\\Deep\\Key]\n"
    "Name=deep\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Quorvel]\n"
    "InstallerLanguate=1028\n";

class Registry : public ::testing::Test {
  protected:
    Registry() : m_env("QUORVEL_REGISTRY", nullptr) {
        m_path = m_dir.file("registry.ini");
        qml_test::WriteFile(m_path, kRegistry);
        setenv("QUORVEL_REGISTRY", m_path.c_str(), 1);
    }

    // Opens root\subKey and reads one value into a buffer of the given size.
    struct Query {
        LONG open = -1;
        LONG query = -1;
        DWORD type = 0;
        DWORD size = 0;
        std::string data;
    };
    Query Read(HKEY root, const char* subKey, const char* value, DWORD size = 256) {
        Query q;
        HKEY key = nullptr;
        q.open = RegOpenKeyExA(root, subKey, 0, KEY_QUERY_VALUE, &key);
        if (q.open != ERROR_SUCCESS) {
            EXPECT_EQ(key, nullptr);
            return q;
        }
        std::string buffer(size, '\x7f');
        q.size = size;
        q.query =
            RegQueryValueExA(key, value, nullptr, &q.type, reinterpret_cast<LPBYTE>(buffer.data()), &q.size);
        if (q.query == ERROR_SUCCESS) q.data.assign(buffer.c_str());
        EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
        return q;
    }

    qml_test::TempDir m_dir;
    qml_test::ScopedEnv m_env;
    std::string m_path;
};

struct ValueCase {
    HKEY root;
    const char* subKey;
    const char* value;
    LONG open;
    LONG query;
    const char* data;
};

class RegistryValues : public Registry, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(RegistryValues, OpenAndQuery) {
    const ValueCase& c = GetParam();
    Query q = Read(c.root, c.subKey, c.value);
    EXPECT_EQ(q.open, c.open);
    if (c.open != ERROR_SUCCESS) return;
    EXPECT_EQ(q.query, c.query);
    if (c.query != ERROR_SUCCESS) return;
    EXPECT_EQ(q.data, c.data);
    EXPECT_EQ(q.type, REG_SZ);
    EXPECT_EQ(q.size, std::strlen(c.data) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegistryValues,
    ::testing::Values(
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", "InstallerLanguate", 0, 0, "2052"},
        ValueCase{HKEY_CURRENT_USER, "SOFTWARE\\Quorvel", "InstallerLanguate", 0, 0, "1028"},
        // paths and value names match without regard to case
        ValueCase{HKEY_LOCAL_MACHINE, "software\\QUORVEL", "installerlanguate", 0, 0, "2052"},
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\MIXEDCASE\\deep\\key", "NAME", 0, 0, "deep"},
        ValueCase{HKEY_LOCAL_MACHINE, "\\SOFTWARE\\Quorvel\\", "InstallerLanguate", 0, 0, "2052"},
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", "Empty", 0, 0, ""},
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", "Quoted", 0, 0, "  spaced  "},
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", nullptr, 0, 0, "the default value"},
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", "", 0, 0, "the default value"},
        // a key exists when a key below it does; it has no values of its own
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\MixedCase", "Name", 0, ERROR_FILE_NOT_FOUND, nullptr},
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE", "InstallerLanguate", 0, ERROR_FILE_NOT_FOUND, nullptr},
        // missing keys and values
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\Missing", "InstallerLanguate", ERROR_FILE_NOT_FOUND, 0,
                  nullptr},
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorve", "InstallerLanguate", ERROR_FILE_NOT_FOUND, 0,
                  nullptr},
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel\\Sub", "InstallerLanguate", ERROR_FILE_NOT_FOUND, 0,
                  nullptr},
        ValueCase{HKEY_USERS, "SOFTWARE\\Quorvel", "InstallerLanguate", ERROR_FILE_NOT_FOUND, 0, nullptr},
        ValueCase{HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", "Missing", 0, ERROR_FILE_NOT_FOUND, nullptr}),
    // Root, key and value: HKLM_SOFTWARE_Quorvel_InstallerLanguate.
    [](const ::testing::TestParamInfo<ValueCase>& info) {
        const ValueCase& c = info.param;
        const std::string root = c.root == HKEY_LOCAL_MACHINE  ? "HKLM"
                                 : c.root == HKEY_CURRENT_USER ? "HKCU"
                                                               : "HKU";
        const std::string value = !c.value   ? "NoValueName"
                                  : *c.value ? qml_test::CaseName(c.value)
                                             : "EmptyValueName";
        return root + "_" + qml_test::CaseName(c.subKey) + "_" + value;
    });

TEST_F(Registry, DataLongerThanTheBufferIsMoreData) {
    for (DWORD size : {0u, 1u, 4u}) {
        Query q = Read(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", "InstallerLanguate", size);
        EXPECT_EQ(q.query, ERROR_MORE_DATA) << size;
        EXPECT_EQ(q.size, 5u) << size;
    }
    Query exact = Read(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", "InstallerLanguate", 5);
    EXPECT_EQ(exact.query, ERROR_SUCCESS);
    EXPECT_EQ(exact.data, "2052");
}

TEST_F(Registry, ANullDataPointerAsksForTheSize) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    DWORD size = 1;
    DWORD type = REG_NONE;
    EXPECT_EQ(RegQueryValueExA(key, "InstallerLanguate", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5u);
    EXPECT_EQ(type, REG_SZ);
    BYTE data[8];
    EXPECT_EQ(RegQueryValueExA(key, "InstallerLanguate", nullptr, nullptr, data, nullptr),
              ERROR_INVALID_PARAMETER);
    DWORD reserved = 0;
    EXPECT_EQ(RegQueryValueExA(key, "InstallerLanguate", &reserved, nullptr, nullptr, &size),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(Registry, SubKeysOpenRelativeToAnOpenKey) {
    HKEY software = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, KEY_READ, &software), ERROR_SUCCESS);
    Query q = Read(software, "MixedCase\\Deep\\Key", "Name");
    EXPECT_EQ(q.open, ERROR_SUCCESS);
    EXPECT_EQ(q.data, "deep");
    EXPECT_EQ(Read(software, "Nothing", "Name").open, ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(software), ERROR_SUCCESS);
}

TEST_F(Registry, HandlesAreCheckedAndFreedOnce) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    DWORD size = 8;
    BYTE data[8];
    EXPECT_EQ(RegQueryValueExA(key, "InstallerLanguate", nullptr, nullptr, data, &size),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", 0, KEY_READ, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(Registry, AMissingFileFindsNoKey) {
    setenv("QUORVEL_REGISTRY", m_dir.file("absent.ini").c_str(), 1);
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", "InstallerLanguate").open, ERROR_FILE_NOT_FOUND);
}

TEST_F(Registry, AnEditOfTheFileIsSeenAtTheNextOpen) {
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", "InstallerLanguate").data, "2052");
    qml_test::WriteFile(m_path, "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quorvel]\nInstallerLanguate=1033\n");
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, "SOFTWARE\\Quorvel", "InstallerLanguate").data, "1033");
}

TEST_F(Registry, TheFileIsFoundInTheUsersConfigurationDirectory) {
    qml_test::ScopedEnv noExplicit("QUORVEL_REGISTRY", nullptr);
    std::string config = m_dir.file("config");
    ASSERT_EQ(::mkdir(config.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir((config + "/quorvel").c_str(), 0700), 0);
    qml_test::WriteFile(config + "/quorvel/registry.ini",
                        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\App]\nv=from xdg\n");
    {
        qml_test::ScopedEnv xdg("XDG_CONFIG_HOME", config.c_str());
        EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, "SOFTWARE\\App", "v").data, "from xdg");
    }
    std::string home = m_dir.file("home");
    ASSERT_EQ(::mkdir(home.c_str(), 0700), 0);
    ASSERT_EQ(::mkdir((home + "/.config").c_str(), 0700), 0);
    ASSERT_EQ(::mkdir((home + "/.config/quorvel").c_str(), 0700), 0);
    qml_test::WriteFile(home + "/.config/quorvel/registry.ini",
                        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\App]\nv=from home\n");
    qml_test::ScopedEnv noXdg("XDG_CONFIG_HOME", nullptr);
    qml_test::ScopedEnv homeEnv("HOME", home.c_str());
    EXPECT_EQ(Read(HKEY_LOCAL_MACHINE, "SOFTWARE\\App", "v").data, "from home");
}

}  // namespace
