// The translator commands (extract, update, stats, check, po-export, po-import) run as a
// process on temporary trees, and the whole chain on the example console.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_support.h"
#include "tool_runner.h"

using qml_test::ReadFile;
using qml_test::RunTool;
using qml_test::TempDir;
using qml_test::ToolResult;
using qml_test::WriteFile;

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// extract's list of one file as "LINE KEY" ("LINE [SECTION] KEY" outside ProgramOutStr), joined by '|'.
std::string Extracted(const std::string& path, std::string* warnings = nullptr) {
    ToolResult result = RunTool({"extract", path});
    EXPECT_EQ(result.status, 0) << result.err;
    if (warnings) *warnings = result.err;
    std::string joined;
    for (const std::string& line : Lines(result.out)) {
        const size_t colon = line.rfind(':', line.find('\t')), tab = line.find('\t'),
                     second = line.find('\t', tab + 1);
        const std::string section = line.substr(tab + 1, second - tab - 1);
        joined += (joined.empty() ? "" : "|") + line.substr(colon + 1, tab - colon - 1) + " " +
                  (section == "ProgramOutStr" ? "" : "[" + section + "] ") + line.substr(second + 1);
    }
    return joined;
}

TEST(Translator, ExtractReadsSourcesAsTheCompilerDoes) {
    const struct {
        const char* source;
        const char* keys;
    } cases[] = {
        {"LogML(1, \"Op\" /* joined */ \"en\"\n  \"ed\");", "1 Opened"},
        {"LogML(1, \"\\x41\\102c\\tdef \\\"q\\\"\");", "1 ABc|1 def|1 q"},
        {"LogML(1, R\"x(raw \"str)\" end)x\");", "1 raw|1 str|1 end"},
        {"// LogML(1, \"no\")\n/* LogML(1, \"no\")\n */ LogML(1, \"yes\");", "3 yes"},
        {"char c = '\"'; int n = 1'000; const char* s = \"LogML(1, \\\"no\\\")\"; LogML(1, \"yes\");",
         "1 yes"},
        {"#error don't\nLogML(1, \"sp\\\nlit\");\nLogML(1, \"after\");", "2 split|4 after"},
        {"LogML(1, L\"wide\"); LogML(1, u8\"narrow\");", "1 narrow"},
        {"MsgBoxML(NULL, _T(\"Notice\"), 0, (char*)\"Disk full\");", "1 Notice|1 Disk|1 full"},
        {"MsgBoxML(0, NULL, 0, \"Done\");", "1 Message|1 Prompt|1 Done"},
        {"LogML(1, \"%s\", GetMultiLngTextForUI(\"&Save As...\\tCtrl+S\", b, 9));", "1 Save|1 As"},
        {"GetMultiLngText_ByAutoPart(b, 9, \"%d files in %-10s, 100%% done\", n, s);", "1 files|1 in|1 done"},
        {"GetMultiLngText_ByAutoPart(b, 9, \"%s of %s\", \"Call\", who);", "1 Call|1 of"},
        {"GetMLFormatString(b, 9, \"{Copied %%lu files} now\", n);", "1 Copied %lu files|1 now"},
        {"GetMLFormatString(b, 9, \"$%%s$ failed\", \"%s\", \"disk\");", "1 failed|1 disk"},
        {"LogML(1, \"{Line %d} down\", n);", "1 down"},
        {"GetMultiLanguageText(\"CodePage\", b, 9, \"Lngpara\"); GetMultiLanguageText(k, b, 9, \"X\");",
         "1 [Lngpara] CodePage"},
        {"StrcmpML(\"Busy\", text, 1);", "1 Busy"},
        {"OutNeedEndSystem(\"disk full\");",
         "1 Beacause|1 disk|1 full|1 Quorvel|1 Enterprise|1 would|1 terminate"},
        {"OutCreateKernelObjectFailed(name);", "1 Create|1 failed"},
        {"int GetMultiLngTextForUI(const char* caption, char* b, int n);", ""},
    };
    TempDir dir;
    for (const auto& c : cases) {
        WriteFile(dir.file("host.cpp"), c.source);
        EXPECT_EQ(Extracted(dir.file("host.cpp")), c.keys) << c.source;
    }
    std::string warnings;
    WriteFile(dir.file("host.cpp"), "\n\nLogML(1, \"{Line %d} down\", n);");
    Extracted(dir.file("host.cpp"), &warnings);
    EXPECT_NE(warnings.find("host.cpp:3: a key of '{Line %s} down' joins a run-time value"),
              std::string::npos)
        << warnings;
}

TEST(Translator, ExtractReadsResourceScriptsAsCaptions) {
    const struct {
        const char* script;
        const char* keys;
    } cases[] = {
        {"IDD_X DIALOGEX 0,0,9,9\nCAPTION \"About &Console\"\nFONT 8, \"MS Shell Dlg\"\nBEGIN\n"
         "  LTEXT \"Line:\", -1, 1,1,1,1\n  EDITTEXT 10, 1,1,1,1\n  PUSHBUTTON \"&Browse...\", 11, "
         "1,1,1,1\nEND",
         "2 About|2 Console|5 Line|7 Browse"},
        {"CONTROL \"Data\", 1, \"Edit\", 0, 1,1,1,1\nCONTROL \"2026\", 2, WC_LISTVIEW, 0\n"
         "CONTROL \"&Remember\", 3, \"Button\", BS_AUTOCHECKBOX, 1,1,1,1\nLTEXT \"...\", 4, 1,1,1,1",
         "3 Remember"},
        {"// MENUITEM \"Gone\", 1\nM MENU\nBEGIN\n POPUP \"&File\"\n BEGIN\n  MENUITEM "
         "\"&Open...\\tCtrl+O\", 1\n"
         "  MENUITEM SEPARATOR\n  MENUITEM \"Say \"\"hi\"\"\", 2\n END\nEND",
         "4 File|6 Open|8 Say|8 hi"},
        {"STRINGTABLE\nBEGIN\n  1 \"{Line busy}, try again\"\n  2 \"Ready\"\nEND\nLTEXT \"After\", 1, "
         "1,1,1,1",
         "3 Line busy|3 try|3 again|4 Ready|6 After"},
    };
    TempDir dir;
    for (const auto& c : cases) {
        WriteFile(dir.file("host.rc"), c.script);
        EXPECT_EQ(Extracted(dir.file("host.rc")), c.keys) << c.script;
    }
}

// A language directory of two languages for update, stats and check.
struct Languages {
    TempDir dir;
    Languages(const std::string& alpha, const std::string& beta) {
        WriteFile(dir.file("Language.ini"), "[LanguageType]\r\n0=Alpha\r\n1=Beta\r\n");
        WriteFile(dir.file("Alpha.lng"), alpha);
        WriteFile(dir.file("Beta.lng"), beta);
    }
    std::string Keys(const std::string& keys) {
        std::string list;
        for (const std::string& key : Lines(keys)) list += "a.cpp:1\tProgramOutStr\t" + key + "\n";
        WriteFile(dir.file("keys.txt"), list);
        return dir.file("keys.txt");
    }
};

TEST(Translator, UpdateAddsUntranslatedKeysAndKeepsEverythingElse) {
    const struct {
        std::string before, keys, after;
    } cases[] = {
        // Present in another case, or empty: nothing to add; new keys go after the last entry.
        {"[ProgramOutStr]\r\nopen=Ouvrir\r\nEmpty=\r\n\r\n; next\r\n[Other]\r\nx=y\r\n",
         "Open\nEmpty\nNew one\nNew two",
         "[ProgramOutStr]\r\nopen=Ouvrir\r\nEmpty=\r\n;New one=\r\n;New two=\r\n\r\n; "
         "next\r\n[Other]\r\nx=y\r\n"},
        // Line feeds stay line feeds, and a missing final one is added before the new line.
        {"[ProgramOutStr]\nA=a", "B", "[ProgramOutStr]\nA=a\n;B=\n"},
        // No section yet: one at the end; a placeholder there already is enough.
        {"[Lngpara]\r\nIsAlpha=1\r\n", "C", "[Lngpara]\r\nIsAlpha=1\r\n\r\n[ProgramOutStr]\r\n;C=\r\n"},
        {"[ProgramOutStr]\r\n;C=\r\n", "C", "[ProgramOutStr]\r\n;C=\r\n"},
        // An entry of a repeated section is never read: the first section gets the key.
        {"[ProgramOutStr]\nA=a\n[ProgramOutStr]\nD=d\n", "D",
         "[ProgramOutStr]\nA=a\n;D=\n[ProgramOutStr]\nD=d\n"},
    };
    for (const auto& c : cases) {
        Languages languages(c.before, c.before);
        const std::string keys = languages.Keys(c.keys);
        ToolResult dry = RunTool({"update", "--dir", languages.dir.path(), "--dry-run", "--keys", keys});
        EXPECT_EQ(dry.status, 0) << dry.err;
        EXPECT_EQ(ReadFile(languages.dir.file("Alpha.lng")), c.before);
        ToolResult result = RunTool({"update", "--dir", languages.dir.path(), "--keys", keys});
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(ReadFile(languages.dir.file("Alpha.lng")), c.after) << c.before;
        EXPECT_EQ(ReadFile(languages.dir.file("Beta.lng")), c.after);
        EXPECT_EQ(dry.out.find("would add"), result.out.find("added")) << dry.out;
    }
    Languages languages("[ProgramOutStr]\nOld=Vieux\n", "");
    ToolResult result = RunTool({"update", "--dir", languages.dir.path(), "--keys", languages.Keys("New")});
    EXPECT_NE(result.out.find("Alpha.lng:2: unused: [ProgramOutStr] Old"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Alpha.lng:3: + ;New="), std::string::npos) << result.out;
    EXPECT_EQ(RunTool({"update", "--keys", languages.Keys("New")}).status, 2);  // --dir is required
}

TEST(Translator, StatsCountPerLanguageAsTableAndJson) {
    Languages languages("[ProgramOutStr]\r\nA=a\r\nB=\r\n;C=\r\nD=d\r\n", "[ProgramOutStr]\r\n");
    const std::string keys = languages.Keys("A\nB\nC\nE");
    ToolResult table = RunTool({"stats", "--dir", languages.dir.path(), "--keys", keys});
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_NE(table.out.find("   0  Alpha                         1            3       1   25%"),
              std::string::npos)
        << table.out;
    ToolResult json = RunTool({"stats", "--dir", languages.dir.path(), "--keys", keys, "--json"});
    EXPECT_NE(json.out.find("{\"keys\": 4, \"languages\": ["), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"language\": \"Alpha\", \"file\": \"" + languages.dir.file("Alpha.lng") +
                            "\", \"translated\": 1, \"untranslated\": 3, \"unused\": 1}"),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("\"language\": \"Beta\""), std::string::npos);
    EXPECT_NE(json.out.find("\"translated\": 0, \"untranslated\": 4, \"unused\": 0}"), std::string::npos);
}

TEST(Translator, CheckFindsWhatTranslatesWrongly) {
    Languages languages("[ProgramOutStr]\r\nBusy=\xA6\xA3\xFF\r\n",  // Big5 for type 0
                        "[ProgramOutStr]\r\nBusy=\xC3\xA6\r\n");     // GBK for type 1
    WriteFile(languages.dir.file("Language.ini"), "[LanguageType]\n0=Alpha\n1=Beta\n2=Gamma\n");
    const std::string alpha = languages.dir.file("Alpha.lng"), gamma = languages.dir.file("Gamma.lng");
    WriteFile(gamma,
              "[Lngpara]\nCodePage=1252\n[ProgramOutStr]\n"
              "Open %s in %d=Ouvrir %d dans %s\nCopied %lu=Copie %d\n&File=Fichier\nExit=&Quitter\n"
              "E&xit=&Quitter &maintenant\nCall=Appel {entrant\nTotal=Total $x\nPrice$=Prix$\n"
              "Tom & Jerry=Tom & Jerry\nLine=a\nLINE=b\nBad=\x81\n[programoutstr]\nZ=z\n");
    ToolResult result = RunTool({"check", "--dir", languages.dir.path()});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, alpha + ":2: text not valid in code page 950\n" +                      //
                              gamma + ":4: conversions %d %s differ from the English %s %d\n" +  //
                              gamma + ":5: conversions %d differ from the English %lu\n" +       //
                              gamma + ":6: accelerator '&' missing\n" +                          //
                              gamma + ":7: accelerator '&' doubled: the caption translator adds its own\n" +
                              gamma + ":8: accelerator '&' doubled\n" +                               //
                              gamma + ":9: unbalanced markup: '{' left open\n" +                      //
                              gamma + ":10: unbalanced markup: '$' without a partner\n" +             //
                              gamma + ":14: key 'LINE' repeats line 13; this line is never read\n" +  //
                              gamma + ":15: text not valid in code page 1252\n" + gamma +
                              ":16: section [programoutstr] repeats line 3; its entries are never read\n");
    WriteFile(gamma, "[ProgramOutStr]\nOpen %s=Ouvrir %s\nE&xit=&Quitter\nTom & Jerry=Tom && Jerry\n");
    EXPECT_EQ(RunTool({"check", gamma, languages.dir.file("Beta.lng")}).status, 0);
}

// Export then import must give back the file, also after gettext's own tools have rewritten
// the PO file; msgfmt, where installed, must accept it.
void ExpectRoundTrip(const std::string& lng, const TempDir& dir) {
    ToolResult exported = RunTool({"po-export", "--output", dir.file("x.po"), lng});
    ASSERT_EQ(exported.status, 0) << exported.err;
    ToolResult imported = RunTool({"po-import", dir.file("x.po")});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(imported.out, ReadFile(lng)) << lng;
    if (std::system("msgcat --version > /dev/null 2>&1") != 0) return;
    EXPECT_EQ(std::system(("msgfmt --check -o /dev/null " + dir.file("x.po") + " 2>/dev/null").c_str()), 0)
        << lng;
    ASSERT_EQ(std::system(("msgcat -o " + dir.file("y.po") + " " + dir.file("x.po")).c_str()), 0);
    EXPECT_EQ(RunTool({"po-import", dir.file("y.po")}).out, ReadFile(lng)) << lng;
}

TEST(Translator, PoRoundTripGivesBackTheFileByteForByte) {
    TempDir dir;
    for (const auto& entry : std::filesystem::directory_iterator(QML_SOURCE_DIR "/examples/lang"))
        if (entry.path().extension() == ".lng") ExpectRoundTrip(entry.path().string(), dir);
    // What PO cannot hold as entries: a byte-order mark, mixed line ends, no final line end,
    // quoted and spaced values, bare names, repeats, placeholders, bytes invalid in the code page.
    WriteFile(dir.file("Odd.lng"),
              "\xEF\xBB\xBF; head\\er \t\r\n@x\n[Lngpara]\r\nCodePage=1252\r\n[ProgramOutStr]\r\n  Sp aced = "
              "v  \r\n"
              "Q=\"  quoted \"\r\nBare\r\nA=\xE9t\xE9\r\na=dup\r\n;New=\r\n;A=\r\nBad=\x81x\r\n=novalue\r\n"
              "[ProgramOutStr]\r\nA=again\r\n; tail  ");
    ExpectRoundTrip(dir.file("Odd.lng"), dir);

    // A translation made in a PO editor lands in its line and nowhere else.
    WriteFile(dir.file("Edit.lng"),
              "[ProgramOutStr]\r\n; keep\r\nOpen=Ouvrir\r\n;New=\r\n  Save = Sauver\r\n");
    ToolResult exported = RunTool({"po-export", dir.file("Edit.lng")});
    std::string po = exported.out;
    for (const auto& edit :
         {std::make_pair("msgid \"New\"\nmsgstr \"\"", "msgid \"New\"\nmsgstr \"Nouveau \xC3\xA9\""),
          std::make_pair("msgstr \"Sauver\"", "msgstr \" Enregistrer\""),
          std::make_pair("msgstr \"Ouvrir\"", "msgstr \"\xC3\x89\x64iter\"")}) {
        ASSERT_NE(po.find(edit.first), std::string::npos) << po;
        po.replace(po.find(edit.first), std::string(edit.first).size(), edit.second);
    }
    WriteFile(dir.file("edited.po"), po);
    ToolResult imported = RunTool({"po-import", "--output", dir.file("Edit.lng"), dir.file("edited.po")});
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(ReadFile(dir.file("Edit.lng")),
              "[ProgramOutStr]\r\n; keep\r\nOpen=\xC9\x64iter\r\nNew=Nouveau \xE9\r\n  Save = \" "
              "Enregistrer\"\r\n");
    WriteFile(dir.file("bad.po"), "msgid \"A\"\nmsgstr \"two\\nlines\"\n");
    EXPECT_EQ(RunTool({"po-import", "--code-page", "1252", dir.file("bad.po")}).status, 1);
}

struct ConsoleRun {
    int status;
    std::string out;
};

ConsoleRun RunConsole(const std::string& dir, const std::string& type, bool lookups) {
    const std::string command = std::string(QML_EXAMPLE_CONSOLE_PATH) + " " + dir + " " + type +
                                (lookups ? " --lookups" : "") + " 2>/dev/null";
    ConsoleRun run{-1, ""};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return run;
    char chunk[4096];
    for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, pipe)) > 0;) run.out.append(chunk, n);
    run.status = ::pclose(pipe);
    return run;
}

// extract, update, check, stats and the PO round trip on the example console, measured against
// the keys that the console really makes the library look up.
TEST(Translator, ExampleConsoleChainMatchesWhatTheLibraryLooksUp) {
    for (const char* command : {"extract", "update", "stats", "check", "po-export", "po-import"}) {
        ToolResult help = RunTool({command, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.find(std::string("usage: quorvel-ml ") + command), 0u) << help.out;
    }
    TempDir dir;
    const std::string lang = dir.file("lang"), host = QML_SOURCE_DIR "/examples/host";
    std::filesystem::copy(QML_SOURCE_DIR "/examples/lang", lang);

    ToolResult extract = RunTool({"extract", "--output", dir.file("keys.txt"), host});
    ASSERT_EQ(extract.status, 0) << extract.err;
    std::set<std::string> extracted;
    for (const std::string& line : Lines(ReadFile(dir.file("keys.txt"))))
        extracted.insert(line.substr(line.find('\t') + 1));
    std::set<std::string> looked, found;  // "section<TAB>key", by the French console
    const ConsoleRun before = RunConsole(lang, "3", true);
    ASSERT_EQ(before.status, 0);
    for (const std::string& line : Lines(before.out)) {
        if (line.compare(0, 7, "lookup\t") != 0) continue;
        const size_t end = line.rfind('\t');
        looked.insert(line.substr(7, end - 7));
        if (line.substr(end + 1) == "found") found.insert(line.substr(7, end - 7));
    }
    for (const std::string& key : extracted) EXPECT_EQ(looked.count(key), 1u) << "extract invented: " << key;
    for (const char* key : {"ProgramOutStr\tIncoming call", "ProgramOutStr\tVoicemail of %s",
                            "ProgramOutStr\tLine busy", "ProgramOutStr\tBrowse", "Captions\tMailbox"})
        EXPECT_EQ(extracted.count(key), 1u) << key;
    for (const char* key : {"ProgramOutStr\ts", "ProgramOutStr\tlu", "ProgramOutStr\tAlice",
                            "ProgramOutStr\tQuoted", "ProgramOutStr\tCommented", "ProgramOutStr\tShow at"})
        EXPECT_EQ(extracted.count(key), 0u) << key;

    const ToolResult checkBefore = RunTool({"check", "--dir", lang});
    ToolResult update = RunTool({"update", "--dir", lang, "--keys", dir.file("keys.txt")});
    ASSERT_EQ(update.status, 0) << update.err;
    // Untranslated keys leave the console's texts as they were: the library falls back to English.
    const ConsoleRun after = RunConsole(lang, "3", false);
    EXPECT_EQ(after.out, RunConsole(QML_SOURCE_DIR "/examples/lang", "3", false).out);
    EXPECT_EQ(RunTool({"check", "--dir", lang}).out, checkBefore.out);

    // The library matches keys without regard to case, and so do the counts.
    std::set<std::string> distinct, translated;
    for (const std::string& key : extracted) {
        std::string lower = key;
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        distinct.insert(lower);
        if (found.count(key)) translated.insert(lower);
    }
    ToolResult stats = RunTool({"stats", "--dir", lang, "--keys", dir.file("keys.txt"), "--json"});
    EXPECT_NE(stats.out.find("\"language\": \"French\", \"file\": \"" + lang +
                             "/French.lng\", \"translated\": " + std::to_string(translated.size()) +
                             ", \"untranslated\": " + std::to_string(distinct.size() - translated.size())),
              std::string::npos)
        << stats.out;
    for (const auto& entry : std::filesystem::directory_iterator(lang))
        if (entry.path().extension() == ".lng") ExpectRoundTrip(entry.path().string(), dir);
}

}  // namespace
