// translate, caption, key: the three ways of translating a text.
#include "command.h"
#include "quorvel/multilanguage.h"
#include "session.h"

namespace cli {

namespace {

constexpr int kTextSize = 1024;

int RunTranslate(const Arguments& args) {
    Session session(args, false);
    for (const std::string& text : TextsOrStdinLines(args)) {
        char translation[kTextSize];
        // The text is handed over as data: a percent sign in it is not a conversion.
        session.Print(GetMultiLngText_ByAutoPart(translation, kTextSize, "%s", session.Input(text).c_str()));
    }
    return 0;
}

int RunCaption(const Arguments& args) {
    Session session(args, false);
    for (const std::string& text : TextsOrStdinLines(args)) {
        char translation[kTextSize];
        session.Print(GetMultiLngTextForUI(session.Input(text).c_str(), translation, kTextSize));
    }
    return 0;
}

int RunKey(const Arguments& args) {
    Session session(args, false);
    const std::string section = args.Get("section", "ProgramOutStr");
    for (const std::string& key : TextsOrStdinLines(args)) {
        char translation[kTextSize];
        session.Print(
            GetMultiLanguageText(session.Input(key).c_str(), translation, kTextSize, section.c_str()));
    }
    return 0;
}

}  // namespace

Command TranslateCommand() {
    return {"translate",
            "translate sentences word by word and {phrase} by phrase",
            "Translates each TEXT (or each line of standard input) as the library translates a\n"
            "host's sentences: every English word and every {braced phrase} is looked up in\n"
            "[ProgramOutStr]; $literal$ stretches, numbers and punctuation are kept.\n",
            "translate [OPTIONS] [TEXT...]",
            {},
            RunTranslate};
}

Command CaptionCommand() {
    return {"caption",
            "translate UI captions, keeping accelerator, ellipsis and shortcut",
            "Translates each CAPTION (or each line of standard input) as a menu item or button\n"
            "text: \"&Open...<TAB>Ctrl+O\" keeps its accelerator, dots and shortcut text.\n",
            "caption [OPTIONS] [CAPTION...]",
            {},
            RunCaption};
}

Command KeyCommand() {
    return {"key",
            "look single keys up in a section of the language file",
            "Looks each KEY (or each line of standard input) up as one key, with the case\n"
            "retries and the (#n) disambiguator fallback.\n"
            "  --section S            the section to search (default: ProgramOutStr)\n",
            "key [--section S] [OPTIONS] [KEY...]",
            {{"section", true}},
            RunKey};
}

}  // namespace cli
