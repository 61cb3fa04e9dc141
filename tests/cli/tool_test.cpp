// The quorvel-ml tool on the sample language directory and on temporary directories.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "quorvel/version.h"
#include "support/test_support.h"
#include "tool_runner.h"

using qml_test::RunTool;
using qml_test::TempDir;
using qml_test::ToolResult;

namespace {

const std::string kBig5Chinese = "\xA4\xA4\xA4\xE5";  // the two characters for "Chinese" in Big5
const std::string kGbChinese = "\xD6\xD0\xCE\xC4";    // the same two in GB

bool Exists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

TEST(Tool, HelpForTheToolAndEachCommand) {
    ToolResult help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    const char* commands[] = {"translate", "caption", "key",     "format",  "log",   "languages",
                              "init",      "keys",    "missing", "convert", "detect"};
    for (const char* command : commands) {
        EXPECT_NE(help.out.find(std::string("  ") + command + " "), std::string::npos) << command;
        ToolResult own = RunTool({command, "--help"});
        EXPECT_EQ(own.status, 0) << command;
        EXPECT_EQ(own.out.find(std::string("usage: quorvel-ml ") + command), 0u) << own.out;
        EXPECT_NE(own.out.find("--dir DIR"), std::string::npos) << command;
    }
    EXPECT_EQ(RunTool({}).status, 2);
    EXPECT_EQ(RunTool({"--version"}).out, std::string("quorvel-ml ") + qml_version() + "\n");
}

TEST(Tool, TranslatesOnTheSampleLanguages) {
    const struct {
        std::vector<std::string> args;
        std::string out;
    } cases[] = {
        {{"translate", "--lang", "3", "--raw", "{Incoming call} from line 5 failed"},
         "Appel entrant de ligne 5 a \xE9\x63hou\xE9\n"},
        {{"translate", "--lang", "3", "--utf8", "{Incoming call} from line 5 failed"},
         "Appel entrant de ligne 5 a \xC3\xA9\x63hou\xC3\xA9\n"},
        {{"translate", "--lang", "3", "Open", "$Alice$ is busy"}, "Ouvrir\nAlice est occup\xE9\x65\n"},
        {{"translate", "--lang", "2", "Beacause"}, "Because\n"},
        {{"caption", "--lang", "3", "&File", "E&xit", "&Open...\tCtrl+O"},
         "&Fichier\nQ&uitter\n&Ouvrir...\tCtrl+O\n"},
        {{"caption", "--lang", "1", "&File"}, "\xCE\xC4\xBC\xFE(&F)\n"},
        {{"caption", "--lang", "1", "--utf8", "&File"}, "\xE6\x96\x87\xE4\xBB\xB6(&F)\n"},
        {{"key", "--lang", "3", "--section", "Lngpara", "CodePage", "IsAlpha"}, "1252\n1\n"},
        {{"key", "--lang", "3", "Hold(#2)", "Hold(#9)", "Nothing here"}, "En attente\nHold\nNothing here\n"},
        {{"format", "--lang", "3", "$%%lu$ {new} messages", "3"}, "3 nouveaux messages\n"},
        {{"format", "--lang", "3", "$%%s$ failed", "disk"}, "disque a \xE9\x63hou\xE9\n"},
        {{"log", "--lang", "3", "--level", "2", "Open file failed"},
         "[WARNING] Ouvrir Fichier a \xE9\x63hou\xE9\n"},
        {{"log", "--lang", "3", "--plain", "Open file"}, "[NORMAL] Open file\n"},
        {{"languages", "--lang", "3"},
         " 0  Chinois traditionnel\n 1  Chinois simplifi\xE9\n 2  Anglais\n*3  Fran\xE7\x61is\n 4  "
         "Allemand\n"},
    };
    for (const auto& c : cases) {
        ToolResult result = RunTool(c.args);
        EXPECT_EQ(result.status, 0) << c.args[0] << ": " << result.err;
        EXPECT_EQ(result.out, c.out) << c.args[0] << " " << c.args.back();
    }
}

TEST(Tool, ReadsLinesFromStandardInput) {
    ToolResult result = RunTool({"translate", "--lang", "4"}, "Open\r\nSave As\n\nHang up(#2)\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "\xD6\x66\x66nen\nSpeichern unter\n\nHang up\n");
    // "-" among the texts stands for the lines of standard input.
    result = RunTool({"translate", "--lang", "4", "Open", "-"}, "Save As\nFile");
    EXPECT_EQ(result.out, "\xD6\x66\x66nen\nSpeichern unter\nDatei\n");
}

TEST(Tool, ShowsTheKeysATextNeeds) {
    ToolResult keys = RunTool({"keys", "--lang", "3", "{Incoming call} from $Alice$ on line(#2) 5"});
    EXPECT_EQ(keys.status, 0);
    EXPECT_EQ(keys.out,
              "{Incoming call} from $Alice$ on line(#2) 5\n  found    Incoming call\n  found    from\n"
              "  found    on\n  missing  line(#2)\n");

    TempDir dir;
    // Format templates: their conversions ask for no key.
    qml_test::WriteFile(dir.file("a.txt"),
                        "Open file failed\nHang up now\nSaved %d files to %s (100%%) %lu\n");
    qml_test::WriteFile(dir.file("b.txt"), "Hang up later\r\n");
    ToolResult missing = RunTool({"missing", "--lang", "4", dir.file("a.txt"), dir.file("b.txt")});
    EXPECT_EQ(missing.status, 0) << missing.err;
    EXPECT_EQ(missing.out, "Hang\nup\nnow\nSaved\nfiles\nto\nlater\n");
}

TEST(Tool, InitCreatesALanguageFileAndNothingElseWrites) {
    TempDir dir;
    qml_test::WriteFile(dir.file("Language.ini"), "[LanguageType]\n2=English\n3=Klingon\n");
    for (const char* command : {"translate", "caption", "key", "languages", "keys"}) {
        ToolResult refused = RunTool({command, "--dir", dir.path(), "--lang", "3", "Open"});
        EXPECT_EQ(refused.status, 1) << command;
        EXPECT_NE(refused.err.find("init --lang 3"), std::string::npos) << refused.err;
    }
    EXPECT_EQ(qml_test::ReadFile(dir.file("Klingon.lng")), "");

    ToolResult created = RunTool({"init", "--dir", dir.path(), "--lang", "3"});
    EXPECT_EQ(created.status, 0) << created.err;
    EXPECT_EQ(created.out, "created " + dir.file("Klingon.lng") + "\n");
    const std::string header = qml_test::ReadFile(dir.file("Klingon.lng"));
    EXPECT_EQ(header.rfind(";Quorvel MultiLanguage File\r\n", 0), 0u);
    EXPECT_EQ(RunTool({"init", "--dir", dir.path(), "--lang", "3"}).out,
              dir.file("Klingon.lng") + " exists; left as it is\n");
    EXPECT_EQ(qml_test::ReadFile(dir.file("Klingon.lng")), header);
    EXPECT_EQ(RunTool({"translate", "--dir", dir.path(), "--lang", "3", "Open"}).out, "Open\n");
    EXPECT_EQ(RunTool({"init", "--dir", dir.path()}).status, 2);  // --lang is required
}

TEST(Tool, ConvertsAndDetectsChinese) {
    TempDir dir;
    qml_test::WriteFile(dir.file("big5.txt"), "  " + kBig5Chinese + "\tx\r\n\nabc");
    const struct {
        std::vector<std::string> args;
        std::string input;
        std::string out;
    } cases[] = {
        {{"convert", "--to", "gb", dir.file("big5.txt")}, "", "  " + kGbChinese + "\tx\r\n\nabc"},
        // Every byte that is not converted stays: NULs, CR runs, no line end at the end.
        {{"convert", "--to", "gb", "-"},
         std::string("a\0", 2) + kBig5Chinese + "\r\r\n" + kBig5Chinese + std::string("\0\r  ", 4) +
             kBig5Chinese,
         std::string("a\0", 2) + kGbChinese + "\r\r\n" + kGbChinese + std::string("\0\r  ", 4) + kGbChinese},
        {{"convert", "--to", "big5"}, kGbChinese + "\n", kBig5Chinese + "\n"},
        {{"convert", "--to", "auto", "--system", "gb"}, kBig5Chinese + "\n", kGbChinese + "\n"},
        {{"convert", "--to", "auto", "--system", "big5"}, kBig5Chinese + "\n", kBig5Chinese + "\n"},
        {{"convert", "--to", "auto", "--system", "english"}, kBig5Chinese + "\n", kBig5Chinese + "\n"},
        {{"convert", "--to", "gb", "--utf8"}, kBig5Chinese + "\n", "\xE4\xB8\xAD\xE6\x96\x87\n"},
        {{"convert", "--to", "gb", "--input-encoding", "utf8"},
         "\xE4\xB8\xAD\xE6\x96\x87\n",
         kGbChinese + "\n"},
        {{"detect", "--system", "gb"}, kBig5Chinese, "(stdin): big5 (2 double-byte characters counted)\n"},
        {{"detect", "--system", "gb"}, "plain", "(stdin): english (0 double-byte characters counted)\n"},
        {{"detect", dir.file("big5.txt"), "--system", "big5"},
         "",
         dir.file("big5.txt") + ": big5 (2 double-byte characters counted)\n"},
    };
    for (const auto& c : cases) {
        ToolResult result = RunTool(c.args, c.input);
        EXPECT_EQ(result.status, 0) << c.args[0] << ": " << result.err;
        EXPECT_EQ(result.out, c.out) << c.args[0] << " " << c.args[1] << " " << c.args[2];
    }
}

TEST(Tool, ErrorsGoToStandardErrorWithAStatus) {
    TempDir dir;
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"translate", "--bogus"}, 2, "unknown option '--bogus'"},
        {{"translate", "--lang", "x3"}, 2, "bad number for --lang"},
        {{"translate", "--lang"}, 2, "needs a value"},
        {{"log", "--level", "-"}, 2, "bad number for --level"},
        {{"frobnicate"}, 2, "unknown command 'frobnicate'"},
        {{"convert", "--to", "utf8"}, 2, "--to takes gb, big5 or auto"},
        {{"convert", "--to", "gb", "--system", "mars"}, 2, "--system takes"},
        {{"format", "--lang", "3", "only one"}, 2, "TEMPLATE and an ARG"},
        {{"missing", "--lang", "3"}, 2, "at least one FILE"},
        {{"missing", "--lang", "3", dir.file("nope.txt")}, 1, "nope.txt"},
        {{"convert", "--to", "gb", dir.path()}, 1, "is a directory"},
        {{"translate", "--dir", dir.file("none"), "x"}, 1, "no such language directory"},
        {{"translate", "--raw", "--utf8", "x"}, 2, "exclude each other"},
    };
    for (const auto& c : cases) {
        ToolResult result = RunTool(c.args, "");
        EXPECT_EQ(result.status, c.status) << c.args[0] << " " << c.args.back();
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(result.out, "") << c.args[0];
    }
}

// Every command finds the catalogue and the language file where the library finds them, and a
// read-only command never creates a file, however the catalogue is written.
TEST(Tool, ReadsTheCatalogueAsTheLibraryDoes) {
    const char* catalogues[] = {
        "\xEF\xBB\xBF[LanguageType]\n2=English\n3=Klingon\n",
        "[LanguageType] ; the languages\n2=English\n3=Klingon\n",
    };
    for (const char* catalogue : catalogues) {
        TempDir dir;
        qml_test::WriteFile(dir.file("Language.ini"), catalogue);
        qml_test::WriteFile(dir.file("English.lng"), "[ProgramOutStr]\n");
        for (const char* command : {"translate", "caption", "key", "keys", "missing", "languages"}) {
            ToolResult refused = RunTool({command, "--dir", dir.path(), "--lang", "3", "-"}, "Open\n");
            EXPECT_EQ(refused.status, 1) << command << " " << catalogue;
            EXPECT_NE(refused.err.find("Klingon.lng: no such language file"), std::string::npos)
                << refused.err;
            EXPECT_FALSE(Exists(dir.file("Klingon.lng"))) << command << " created it";
        }
        EXPECT_EQ(RunTool({"init", "--dir", dir.path(), "--lang", "3"}).status, 0);
        EXPECT_TRUE(Exists(dir.file("Klingon.lng")));
    }
    // Backslashes in a path separate its parts, as in the library.
    TempDir dir;
    ASSERT_EQ(::mkdir(dir.file("sub").c_str(), 0700), 0);
    qml_test::WriteFile(dir.path() + "/sub/Language.ini", "[LanguageType]\n3=Klingon\n");
    qml_test::WriteFile(dir.path() + "/sub/Klingon.lng", "[ProgramOutStr]\nOpen=Qapla\n");
    ToolResult result = RunTool({"translate", "--dir", dir.path() + "\\sub", "--lang", "3", "Open"});
    EXPECT_EQ(result.out, "Qapla\n") << result.err;
}

TEST(Tool, RefusesSpecialFilesAndOverlongDirectories) {
    const struct {
        const char* catalogue;  // "fifo", "dir", "urandom", or the catalogue's text
        const char* languageFile;
        const char* message;
    } cases[] = {
        {"fifo", nullptr, "Language.ini: the language catalogue is a FIFO"},
        {"urandom", nullptr, "Language.ini: the language catalogue is a character device"},
        {"dir", nullptr, "Language.ini: the language catalogue is a directory"},
        {"[LanguageType]\n3=Klingon\n", "fifo", "Klingon.lng: the language file is a FIFO"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string catalogue = dir.file("Language.ini");
        const std::string kind = c.catalogue;
        int made = 0;
        if (kind == "fifo") {
            made = ::mkfifo(catalogue.c_str(), 0600);
        } else if (kind == "urandom") {
            made = ::symlink("/dev/urandom", catalogue.c_str());
        } else if (kind == "dir") {
            made = ::mkdir(catalogue.c_str(), 0700);
        } else {
            qml_test::WriteFile(catalogue, c.catalogue);
        }
        if (c.languageFile) made = ::mkfifo(dir.file("Klingon.lng").c_str(), 0600);
        ASSERT_EQ(made, 0);
        qml_test::WriteFile(dir.file("English.lng"), "[ProgramOutStr]\n");
        for (const char* command : {"translate", "init"}) {
            ToolResult result = RunTool({command, "--dir", dir.path(), "--lang", "3", "Open"});
            EXPECT_EQ(result.status, 1) << command << " " << c.message;
            EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        }
    }
    // A directory longer than the library keeps would be cut to another one.
    TempDir dir;
    std::string deep = dir.path();
    while (deep.size() < 300) {
        deep += "/" + std::string(37, 'd');
        ASSERT_EQ(::mkdir(deep.c_str(), 0700), 0);
    }
    qml_test::WriteFile(deep + "/Language.ini", "[LanguageType]\n3=Klingon\n");
    qml_test::WriteFile(deep + "/Klingon.lng", "[ProgramOutStr]\nOpen=Qapla\n");
    ToolResult result = RunTool({"translate", "--dir", deep, "--lang", "3", "Open"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("longer than the library takes"), std::string::npos) << result.err;
}

TEST(Tool, AFailedWriteFailsTheCommand) {
    const struct {
        std::vector<std::string> args;
        std::string input;
    } cases[] = {
        {{"translate", "--lang", "3", "Open"}, ""}, {{"log", "--lang", "3", "-"}, "Open\n"},
        {{"convert", "--to", "gb"}, kBig5Chinese},  {{"detect"}, kBig5Chinese},
        {{"languages", "--lang", "3"}, ""},         {{"--version"}, ""},
    };
    for (const auto& c : cases) {
        ToolResult result = RunTool(c.args, c.input, {}, "/dev/full");
        EXPECT_EQ(result.status, 1) << c.args[0];
        EXPECT_NE(result.err.find("write error"), std::string::npos) << c.args[0] << ": " << result.err;
    }
}

// Input passes through line by line: memory does not grow with it. (The sanitizer's
// quarantine of freed memory is kept small so that it does not count as the tool's.)
TEST(Tool, StreamsInBoundedMemory) {
    const std::vector<std::string> env = {"ASAN_OPTIONS=quarantine_size_mb=4"};
    std::string lines;
    for (int i = 0; i < 800000; ++i) lines += "Open file\n";
    std::string chinese;
    while (chinese.size() < (size_t{24} << 20)) chinese += kBig5Chinese + "  " + kBig5Chinese + "\r\n";
    const struct {
        std::vector<std::string> args;
        const std::string& input;
    } cases[] = {
        {{"translate", "--lang", "3"}, lines},
        {{"convert", "--to", "gb"}, chinese},
    };
    for (const auto& c : cases) {
        const ToolResult small = RunTool(c.args, c.input.substr(0, 1000), env);
        const ToolResult large = RunTool(c.args, c.input, env);
        EXPECT_EQ(large.status, 0) << large.err;
        EXPECT_LT(large.peakRssKb - small.peakRssKb, 8 * 1024) << c.args[0];
    }
}

}  // namespace
