// The language chosen for the user's real locale. The test script runs this suite once more
// with a Traditional and a Simplified Chinese locale.
#include "win32_fixture.h"

namespace {

using UserLocale = qml_test::FrenchOnWindows;

TEST_F(UserLocale, AChineseLocaleTurnsARequestForTheOtherScriptIntoItsOwn) {
    const LCID locale = ::GetUserDefaultLCID() & 0xFFFF;
    struct Case {
        int requested;
        int chosen;
    };
    const Case traditional[] = {{1, 0}, {0, 0}, {2, 2}, {3, 3}, {5, 5}};
    const Case simplified[] = {{0, 1}, {1, 1}, {2, 2}, {3, 3}, {5, 5}};
    const Case other[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {5, 5}};
    const Case* cases = locale == 0x0404 ? traditional : locale == 0x0804 ? simplified : other;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(Set_MultiLanguage_Para(m_dir.path().c_str(), cases[i].requested, nullptr, nullptr),
                  cases[i].chosen)
            << "locale " << std::hex << locale << " requesting " << cases[i].requested;
    }
    RecordProperty("UserLocale", static_cast<int>(locale));
}

}  // namespace
