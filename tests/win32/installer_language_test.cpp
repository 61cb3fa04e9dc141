// The installer's language, read from the real registry below HKEY_LOCAL_MACHINE\SOFTWARE.
#include <string>
#include <vector>

#include "quorvel/application_name.h"
#include "win32_fixture.h"

namespace {

// A key of its own below SOFTWARE for the life of the test, removed afterwards.
class InstallerKey {
  public:
    InstallerKey() : m_name("QuorvelTest" + std::to_string(::GetCurrentProcessId())) {
        m_created = ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, Path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                      nullptr, &m_key, nullptr) == ERROR_SUCCESS;
    }
    ~InstallerKey() {
        if (!m_created) return;
        ::RegCloseKey(m_key);
        ::RegDeleteKeyA(HKEY_LOCAL_MACHINE, Path().c_str());
    }
    InstallerKey(const InstallerKey&) = delete;
    InstallerKey& operator=(const InstallerKey&) = delete;

    bool created() const { return m_created; }
    const std::string& name() const { return m_name; }
    void SetValue(DWORD type, const std::string& data) {
        ::RegSetValueExA(m_key, "InstallerLanguate", 0, type, reinterpret_cast<const BYTE*>(data.data()),
                         static_cast<DWORD>(data.size()));
    }
    void DeleteValue() { ::RegDeleteValueA(m_key, "InstallerLanguate"); }

  private:
    std::string Path() const { return "SOFTWARE\\" + m_name; }
    std::string m_name;
    HKEY m_key = nullptr;
    bool m_created = false;
};

TEST(InstallerLanguage, ReadsTheValueFromTheRegistry) {
    InstallerKey key;
    ASSERT_TRUE(key.created()) << "no key could be made below HKEY_LOCAL_MACHINE\\SOFTWARE";
    const struct {
        DWORD type;
        std::string data;
        int language;
        int found;
    } cases[] = {
        {REG_SZ, std::string("2052", 5), 1, 1},
        {REG_SZ, std::string("1028", 5), 0, 1},
        {REG_SZ, std::string("1033", 5), 2, 1},
        {REG_SZ, std::string("3076", 5), 3, 1},
        {REG_SZ, std::string("2052"), 1, 1},  // stored without its NUL
        {REG_SZ, std::string("French", 7), 3, 1},
        {REG_SZ, std::string(300, '1'), 2, 0},                  // longer than the library reads
        {REG_DWORD, std::string("\x04\x08\x00\x00", 4), 3, 1},  // 2052 as a number is no text
    };
    for (const auto& c : cases) {
        key.SetValue(c.type, c.data);
        int found = -1;
        EXPECT_EQ(GetNISILanguageType(key.name().c_str(), &found), c.language) << c.data.substr(0, 8);
        EXPECT_EQ(found, c.found) << c.data.substr(0, 8);
    }
    key.DeleteValue();
    int found = -1;
    EXPECT_EQ(GetNISILanguageType(key.name().c_str(), &found), 2);
    EXPECT_EQ(found, 0);
    EXPECT_EQ(GetNISILanguageType((key.name() + "Missing").c_str(), &found), 2);
    EXPECT_EQ(found, 0);
    EXPECT_EQ(GetNISILanguageType(key.name().c_str(), nullptr), 2);
}

TEST(InstallerLanguage, WithoutANameTheApplicationNameIsTheKey) {
    InstallerKey key;
    ASSERT_TRUE(key.created());
    key.SetValue(REG_SZ, std::string("2052", 5));
    quorvel::SetApplicationName(key.name().c_str());
    int found = 0;
    EXPECT_EQ(GetNISILanguageType(nullptr, &found), 1);
    EXPECT_EQ(found, 1);
    quorvel::SetApplicationName(nullptr);
    // The program's own name has no key.
    EXPECT_EQ(GetNISILanguageType(nullptr, &found), 2);
    EXPECT_EQ(found, 0);
}

}  // namespace
