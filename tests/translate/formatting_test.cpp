// Templates filled with translated texts or numbers; texts compared and indexed by their
// translations.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "quorvel/multilanguage.h"
#include "support/test_language.h"
#include "translate/template_filling.h"

using qml_test::TestLanguage;

namespace {

// The translations are no keys themselves, so translating a sentence again changes nothing.
const qml_test::Entries kFrench = {
    {"disk", "disque"},       {"failed", "echoue"}, {"files found", "fichiers trouves"},
    {"Error", "Erreur"},      {"Idle", "Libre"},    {"Busy", "Occupe"},
    {"Start", "Debut"},       {"Begin", "Debut"},   {"Stopped", "Arrete"},
    {"Done", "%n%s fait %d"},
};

std::string WithText(const char* templateText, const char* argFormat, const char* argument, int size = 256) {
    std::string buffer(static_cast<size_t>(size) + 1, 'z');
    buffer[static_cast<size_t>(size)] = '#';
    std::string result = GetMLFormatString(buffer.data(), size, templateText, argFormat, argument);
    EXPECT_EQ(buffer[static_cast<size_t>(size)], '#') << "wrote past the buffer";
    return result;
}

std::string WithValue(const char* templateText, unsigned long value) {
    char buffer[256];
    return GetMLFormatString(buffer, sizeof buffer, templateText, value);
}

TEST(FormatString, FillsTheTranslatedTemplateWithTheTranslatedText) {
    for (int deleteSpace : {0, 1}) {
        TestLanguage language(kFrench, deleteSpace);
        EXPECT_EQ(WithText("$%%s$ failed", "%s", "disk"), deleteSpace ? "disqueechoue" : "disque echoue");
        EXPECT_EQ(WithValue("$%%lu$ {files found}", 3),
                  deleteSpace ? "3fichierstrouves" : "3 fichiers trouves");
    }
}

TEST(FormatString, PercentSignsNeverReadAMissingArgument) {
    TestLanguage language(kFrench, 0);
    const struct {
        const char* templateText;
        const char* text;
    } cases[] = {
        // A literal percent sign is doubled twice in a template.
        {"100%%%% $%%s$", "100% disque"},
        // A conversion that is not doubled stays for the final pass; only one is filled.
        {"$%%s$ $%s$", "disque %s"},
        {"$%%s %%s %%d$", "disque %s %d"},
        {"$%d of %%s$", "%d of disque"},
        // A translation may bring conversions of its own: they are copied.
        {"Done $%%s$", "%ndisque fait %d %s"},
        {"$%%8s|%%-6s|$", "  disque|%-6s|"},
        {"$%%*s$", "%*s"},
        {"50%", "50%"},
        {nullptr, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithText(c.templateText, "%s", "disk"), c.text)
            << (c.templateText ? c.templateText : "null");
    EXPECT_EQ(WithText("$%%s$ failed", nullptr, nullptr), " echoue");
}

TEST(FormatString, TheValueTakesTheTypeOfItsConversion) {
    TestLanguage language(kFrench, 0);
    const struct {
        const char* templateText;
        unsigned long value;
        const char* text;
    } cases[] = {
        {"$%%d$", 42, "42"},
        {"$%%d$", ULONG_MAX, "-1"},
#if ULONG_MAX > 0xFFFFFFFFUL
        {"$%%lu$", 4294967296UL, "4294967296"},
#else
        {"$%%lu$", ULONG_MAX, "4294967295"},
#endif
        {"$%%hu$", 65537, "1"},
        {"$%%5d|%%-4x|%%o$", 255, "  255|%-4x|%o"},
        {"$%%08lX$", 255, "000000FF"},
        {"$%%s and %%d$", 7, "%s and 7"},
        {"$%%*d %%d$", 7, "%*d 7"},
        {"{Stopped}", 7, "Arrete"},
    };
    for (const auto& c : cases) EXPECT_EQ(WithValue(c.templateText, c.value), c.text) << c.templateText;
}

TEST(FormatString, DestinationsBelowOneByteAreLeftAlone) {
    TestLanguage language(kFrench, 0);
    EXPECT_EQ(WithText("$%%s$ failed", "%s", "disk", 7), "disque");
    EXPECT_EQ(WithText("$%%s$ failed", "%s", "disk", 1), "");
    char untouched[2] = {'q', '\0'};
    EXPECT_EQ(GetMLFormatString(untouched, 0, "x", "%s", "y"), untouched);
    EXPECT_EQ(GetMLFormatString(untouched, 0, "x", 1UL), untouched);
    EXPECT_STREQ(untouched, "q");
}

TEST(TemplatePasses, TheFirstPassOnlyCollapsesDoubledPercentSigns) {
    EXPECT_EQ(qml::CollapseDoubledPercents("%%s %d %%%% %"), "%s %d %% %");
    EXPECT_EQ(qml::CollapseDoubledPercents(nullptr), "");
}

TEST(StrcmpML, ComparesTheTranslations) {
    TestLanguage language(kFrench, 0);
    const struct {
        const char* first;
        const char* second;
        int ignoreCase;
        int sign;
    } cases[] = {
        {"Start", "Begin", 0, 0},  // different English, same translation
        {nullptr, "", 0, 0},      {nullptr, nullptr, 1, 0}, {"ABC", "abd", 0, -1}, {"ABC", "abd", 1, -1},
        {"abc", "ABC", 1, 0},     {"\xB0\xA1", "Z", 0, 1},  // bytes above 127 sort after ASCII
        {"Z", "\xB0\xA1", 0, -1}, {"Idle", "Busy", 0, -1},  // Libre before Occupe, though Idle comes after
                                                            // Busy
    };
    for (const auto& c : cases) {
        int result = StrcmpML(c.first, c.second, c.ignoreCase);
        int sign = (result > 0) - (result < 0);
        EXPECT_EQ(sign, c.sign) << (c.first ? c.first : "null") << " / " << (c.second ? c.second : "null");
        if (!c.ignoreCase) {
            EXPECT_EQ(result, c.sign);
        }
    }
    // Only the first 1023 bytes of each translation take part.
    std::string a(1100, '.'), b(1100, '.');
    b[1050] = '!';
    EXPECT_EQ(StrcmpML(a.c_str(), b.c_str(), 0), 0);
}

TEST(DescriptionTable, FindsTheIndexOfAText) {
    TestLanguage language(kFrench, 0);
    const char* table[] = {"Idle", "Busy", "Busy"};
    const struct {
        const char* text;
        int compareUntranslated;
        int index;
        int notFound;
    } cases[] = {
        {"Occupe", 0, 1, 0},  // the first match wins
        {"Libre", 0, 0, 0},  {"Busy", 0, 0, 1}, {"Busy", 1, 1, 0}, {"Occupe", 1, 0, 1},
    };
    for (const auto& c : cases) {
        int notFound = -1;
        EXPECT_EQ(GetConstIndexByDescCpt(table, 3, c.text, &notFound, c.compareUntranslated), c.index)
            << c.text;
        EXPECT_EQ(notFound, c.notFound) << c.text;
        EXPECT_EQ(GetConstIndexByDescCpt(table, 3, c.text, nullptr, c.compareUntranslated), c.index)
            << c.text;
    }
    int notFound = 0;
    EXPECT_EQ(GetConstIndexByDescCpt(table, 0, "Libre", &notFound, 0), 0);
    EXPECT_EQ(notFound, 1);
    EXPECT_EQ(GetConstIndexByDescCpt(table, -2, "Libre", &notFound, 0), 0);
    EXPECT_EQ(notFound, 1);
}

TEST(DescriptionTable, GivesTheTranslatedDescriptionOfANumber) {
    TestLanguage language(kFrench, 0);
    const char* table[] = {"Idle", "Busy", "Stopped"};
    const struct {
        const char* number;
        const char* text;
    } cases[] = {
        {"2", "Arrete"},  {" 1x", "Occupe"}, {"3", "Erreur"},
        {"-1", "Erreur"}, {"abc", "Libre"},  {nullptr, "Libre"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(std::string(GetConstSignificativeDesc(c.number, table, 3)), c.text)
            << (c.number ? c.number : "null");
}

}  // namespace
