// GetUserDefaultLCID from the locale environment.
#include <gtest/gtest.h>

#include "platform/os.h"
#include "support/case_name.h"
#include "support/test_support.h"

namespace {

struct LocaleCase {
    const char* name;
    LCID id;
};

class UserLocale : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(UserLocale, MapsToTheWindowsIdentifier) {
    qml_test::ScopedEnv all("LC_ALL", nullptr);
    qml_test::ScopedEnv messages("LC_MESSAGES", nullptr);
    qml_test::ScopedEnv lang("LANG", GetParam().name);
    EXPECT_EQ(qml::os::GetUserDefaultLCID(), GetParam().id)
        << (GetParam().name ? GetParam().name : "(unset)");
}

INSTANTIATE_TEST_SUITE_P(
    Table, UserLocale,
    ::testing::Values(
        // the locales the library's language choice depends on
        LocaleCase{"zh_TW.UTF-8", 0x0404}, LocaleCase{"zh_TW.Big5", 0x0404},
        LocaleCase{"zh_CN.UTF-8", 0x0804}, LocaleCase{"zh_CN.GBK@euro", 0x0804},
        LocaleCase{"zh_CN.GB2312", 0x0804}, LocaleCase{"zh_HK.UTF-8", 0x0C04}, LocaleCase{"zh_SG", 0x1004},
        LocaleCase{"zh_MO", 0x1404}, LocaleCase{"zh", 0x0804}, LocaleCase{"en_US.UTF-8", 0x0409},
        LocaleCase{"en_US", 0x0409}, LocaleCase{"en_GB.ISO-8859-1", 0x0809}, LocaleCase{"en_AU", 0x0C09},
        LocaleCase{"en_CA", 0x1009}, LocaleCase{"en_IN", 0x4009},
        // other common locales
        LocaleCase{"fr_FR.UTF-8", 0x040C}, LocaleCase{"fr_CA", 0x0C0C}, LocaleCase{"fr_BE", 0x080C},
        LocaleCase{"de_DE@euro", 0x0407}, LocaleCase{"de_AT", 0x0C07}, LocaleCase{"de_CH", 0x0807},
        LocaleCase{"ja_JP.eucJP", 0x0411}, LocaleCase{"ko_KR.EUC-KR", 0x0412}, LocaleCase{"es_ES", 0x0C0A},
        LocaleCase{"es_MX", 0x080A}, LocaleCase{"it_IT", 0x0410}, LocaleCase{"pt_BR", 0x0416},
        LocaleCase{"pt_PT", 0x0816}, LocaleCase{"ru_RU.KOI8-R", 0x0419}, LocaleCase{"nl_NL", 0x0413},
        LocaleCase{"pl_PL", 0x0415}, LocaleCase{"sv_SE", 0x041D}, LocaleCase{"tr_TR", 0x041F},
        LocaleCase{"uk_UA", 0x0422}, LocaleCase{"vi_VN", 0x042A}, LocaleCase{"th_TH", 0x041E},
        LocaleCase{"sr_RS", 0x281A}, LocaleCase{"sr_RS@latin", 0x241A}, LocaleCase{"nb_NO", 0x0414},
        // spelling: hyphen, letter case
        LocaleCase{"zh-TW", 0x0404}, LocaleCase{"ZH_tw.utf8", 0x0404},
        // a language alone, or with a territory not in the table: the language's main locale
        LocaleCase{"fr", 0x040C}, LocaleCase{"de", 0x0407}, LocaleCase{"pt", 0x0416},
        LocaleCase{"es", 0x0C0A}, LocaleCase{"fr_XX", 0x040C}, LocaleCase{"en_ZZ.UTF-8", 0x0409},
        // C, POSIX, empty, unset, unknown: English (United States)
        LocaleCase{"C", 0x0409}, LocaleCase{"C.UTF-8", 0x0409}, LocaleCase{"POSIX", 0x0409},
        LocaleCase{"", 0x0409}, LocaleCase{nullptr, 0x0409}, LocaleCase{"xx_YY", 0x0409},
        LocaleCase{"@", 0x0409}, LocaleCase{"_.", 0x0409}),
    [](const ::testing::TestParamInfo<LocaleCase>& info) { return qml_test::CaseName(info.param.name); });

struct PrecedenceCase {
    const char* all;
    const char* messages;
    const char* lang;
    LCID id;
};

class LocalePrecedence : public ::testing::TestWithParam<PrecedenceCase> {};

TEST_P(LocalePrecedence, LcAllThenLcMessagesThenLang) {
    const PrecedenceCase& c = GetParam();
    qml_test::ScopedEnv all("LC_ALL", c.all);
    qml_test::ScopedEnv messages("LC_MESSAGES", c.messages);
    qml_test::ScopedEnv lang("LANG", c.lang);
    EXPECT_EQ(qml::os::GetUserDefaultLCID(), c.id);
}

INSTANTIATE_TEST_SUITE_P(Order, LocalePrecedence,
                         ::testing::Values(PrecedenceCase{"zh_TW", "zh_CN", "fr_FR", 0x0404},
                                           PrecedenceCase{nullptr, "zh_CN", "fr_FR", 0x0804},
                                           PrecedenceCase{"", "zh_CN", "fr_FR", 0x0804},
                                           PrecedenceCase{nullptr, nullptr, "fr_FR", 0x040C},
                                           PrecedenceCase{"", "", "fr_FR", 0x040C},
                                           PrecedenceCase{"C", "zh_CN", "fr_FR", 0x0409}),
                         [](const ::testing::TestParamInfo<PrecedenceCase>& info) {
                             return "All_" + qml_test::CaseName(info.param.all) + "_Messages_" +
                                    qml_test::CaseName(info.param.messages) + "_Lang_" +
                                    qml_test::CaseName(info.param.lang);
                         });

}  // namespace
