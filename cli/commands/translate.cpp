// translate, caption, key: the three ways of translating a text.
#include "command.h"
#include "texts.h"
#include "quorvel/multilanguage.h"
#include "session.h"

namespace cli {

namespace {

constexpr int kTextSize = 1024;

int RunTranslate(const Arguments& args) {
    Session session(args, false);
    ForEachText(args, [&](const std::string& text) {
        char translation[kTextSize];
        // The text is handed over as data: a percent sign in it is not a conversion.
        session.Print(GetMultiLngText_ByAutoPart(translation, kTextSize, "%s", session.Input(text).c_str()));
    });
    return 0;
}

int RunCaption(const Arguments& args) {
    Session session(args, false);
    ForEachText(args, [&](const std::string& text) {
        char translation[kTextSize];
        session.Print(GetMultiLngTextForUI(session.Input(text).c_str(), translation, kTextSize));
    });
    return 0;
}

int RunKey(const Arguments& args) {
    Session session(args, false);
    const std::string section = args.Get("section", "ProgramOutStr");
    ForEachText(args, [&](const std::string& key) {
        char translation[kTextSize];
        session.Print(
            GetMultiLanguageText(session.Input(key).c_str(), translation, kTextSize, section.c_str()));
    });
    return 0;
}

}  // namespace

Command TranslateCommand() {
    return {"translate",
            "translate sentences word by word and {phrase} by phrase",
            "Translates each TEXT as the library translates a host's sentences: every English\n"
            "word and every {braced phrase} is looked up in [ProgramOutStr]; $literal$\n"
            "stretches, numbers and punctuation are kept. A TEXT '-', or no TEXT at all, reads\n"
            "the lines of standard input, one translation per line, in constant memory.\n",
            "translate [OPTIONS] [TEXT...]",
            {},
            RunTranslate};
}

Command CaptionCommand() {
    return {"caption",
            "translate UI captions, keeping accelerator, ellipsis and shortcut",
            "Translates each CAPTION as a menu item or button text: \"&Open...<TAB>Ctrl+O\" keeps\n"
            "its accelerator, dots and shortcut text. A CAPTION '-', or none at all, reads the\n"
            "lines of standard input.\n",
            "caption [OPTIONS] [CAPTION...]",
            {},
            RunCaption};
}

Command KeyCommand() {
    return {"key",
            "look single keys up in a section of the language file",
            "Looks each KEY up as one key, with the case retries and the (#n) disambiguator\n"
            "fallback. A KEY '-', or none at all, reads the lines of standard input.\n"
            "  --section S            the section to search (default: ProgramOutStr)\n",
            "key [--section S] [OPTIONS] [KEY...]",
            {{"section", true}},
            RunKey};
}

}  // namespace cli
