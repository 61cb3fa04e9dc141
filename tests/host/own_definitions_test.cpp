// A host linked with the shared library that defines functions of the same names as exports of
// the library, as any program may: the library's own calls still reach the library's code.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "quorvel/multilanguage.h"

namespace {

int g_hostCalls = 0;
std::vector<std::string> g_lines;

void RecordLine(unsigned int /*level*/, char* format, ...) {
    char text[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    g_lines.emplace_back(text);
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

}  // namespace

// The host's functions of these names, which know nothing of the library.
char* GetMultiLanguageText(const char* /*key*/, char* buffer, int size, const char* /*section*/) {
    ++g_hostCalls;
    std::snprintf(buffer, static_cast<size_t>(size), "host");
    return buffer;
}

void LogML(unsigned int /*level*/, const char* /*format*/, ...) {
    ++g_hostCalls;
}

TEST(HostDefinitions, LeaveTheLibrarysOwnCallsAlone) {
    setenv("LC_ALL", "C", 1);  // no Chinese locale to overrule the language asked for
    char pattern[] = "/tmp/qml-host-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::filesystem::path dir = pattern;
    WriteFile(dir / "Language.ini", "[LanguageType]\n2=English\n3=Testish\n");
    WriteFile(dir / "Testish.lng",
              "[Lngpara]\nDeleteSpace=0\nIsAlpha=1\n\n[ProgramOutStr]\nOpen=Ouvrir\nfinished=fini\n");
    Set_MultiLanguage_Para((dir.string() + "/").c_str(), LANGUAGE_TYPE_OTHER, RecordLine, nullptr);

    char buffer[64];
    EXPECT_STREQ(GetMultiLngText_ByAutoPart(buffer, sizeof buffer, "Open"), "Ouvrir");
    EXPECT_STREQ(GetMultiLngTextForUI("&Open...", buffer, sizeof buffer), "&Ouvrir...");
    OutUninitObjectFinished("Cache");
    ASSERT_EQ(g_lines.size(), 1u);
    EXPECT_EQ(g_lines[0], "Uninit [ Cache ] fini");
    EXPECT_EQ(g_hostCalls, 0);
    std::filesystem::remove_all(dir);
}
