// The quorvel-ml tool on the sample language directory and on temporary directories.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"
#include "tool_runner.h"

using qml_test::RunTool;
using qml_test::TempDir;
using qml_test::ToolResult;

namespace {

const std::string kBig5Chinese = "\xA4\xA4\xA4\xE5";  // the two characters for "Chinese" in Big5
const std::string kGbChinese = "\xD6\xD0\xCE\xC4";    // the same two in GB

TEST(Tool, HelpForTheToolAndEachCommand) {
    ToolResult help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    const char* commands[] = {"translate", "caption", "key",  "format",  "log",    "languages",
                              "init",      "keys",    "missing", "convert", "detect"};
    for (const char* command : commands) {
        EXPECT_NE(help.out.find(std::string("  ") + command + " "), std::string::npos) << command;
        ToolResult own = RunTool({command, "--help"});
        EXPECT_EQ(own.status, 0) << command;
        EXPECT_EQ(own.out.find(std::string("usage: quorvel-ml ") + command), 0u) << own.out;
        EXPECT_NE(own.out.find("--dir DIR"), std::string::npos) << command;
    }
    EXPECT_EQ(RunTool({}).status, 2);
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
        {{"log", "--lang", "3", "--level", "2", "Open file failed"}, "[WARNING] Ouvrir Fichier a \xE9\x63hou\xE9\n"},
        {{"log", "--lang", "3", "--plain", "Open file"}, "[NORMAL] Open file\n"},
        {{"languages", "--lang", "3"},
         " 0  Chinois traditionnel\n 1  Chinois simplifi\xE9\n 2  Anglais\n*3  Fran\xE7\x61is\n 4  Allemand\n"},
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
}

TEST(Tool, ShowsTheKeysATextNeeds) {
    ToolResult keys = RunTool({"keys", "--lang", "3", "{Incoming call} from $Alice$ on line(#2) 5"});
    EXPECT_EQ(keys.status, 0);
    EXPECT_EQ(keys.out,
              "{Incoming call} from $Alice$ on line(#2) 5\n  found    Incoming call\n  found    from\n"
              "  found    on\n  missing  line(#2)\n");

    TempDir dir;
    qml_test::WriteFile(dir.file("a.txt"), "Open file failed\nHang up now\n");
    qml_test::WriteFile(dir.file("b.txt"), "Hang up later\r\n");
    ToolResult missing = RunTool({"missing", "--lang", "4", dir.file("a.txt"), dir.file("b.txt")});
    EXPECT_EQ(missing.status, 0) << missing.err;
    EXPECT_EQ(missing.out, "Hang\nup\nnow\nlater\n");
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
        {{"convert", "--to", "gb", dir.file("big5.txt")}, "", "  " + kGbChinese + "\tx\r\n\nabc\n"},
        {{"convert", "--to", "big5"}, kGbChinese + "\n", kBig5Chinese + "\n"},
        {{"convert", "--to", "auto", "--system", "gb"}, kBig5Chinese + "\n", kGbChinese + "\n"},
        {{"convert", "--to", "auto", "--system", "big5"}, kBig5Chinese + "\n", kBig5Chinese + "\n"},
        {{"convert", "--to", "auto", "--system", "english"}, kBig5Chinese + "\n", kBig5Chinese + "\n"},
        {{"convert", "--to", "gb", "--utf8"}, kBig5Chinese + "\n", "\xE4\xB8\xAD\xE6\x96\x87\n"},
        {{"convert", "--to", "gb", "--input-encoding", "utf8"}, "\xE4\xB8\xAD\xE6\x96\x87\n", kGbChinese + "\n"},
        {{"detect", "--system", "gb"}, kBig5Chinese, "(stdin): big5 (2 double-byte characters counted)\n"},
        {{"detect", "--system", "gb"}, "plain", "(stdin): english (0 double-byte characters counted)\n"},
        {{"detect", dir.file("big5.txt"), "--system", "big5"}, "",
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

}  // namespace
