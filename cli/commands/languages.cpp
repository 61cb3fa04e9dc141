// languages and init: the catalogue, and creating a language file.
#include "command.h"
#include "output.h"
#include "quorvel/multilanguage.h"
#include "session.h"
#include "system.h"

namespace cli {

namespace {

int RunLanguages(const Arguments& args) {
    Session session(args, false);
    CStringArray captions;
    GetAllLanguageTypeDesc(nullptr, 0, &captions);
    for (int type = 0; type < captions.GetSize(); ++type) {
        const char* mark = type == session.LanguageType() ? "*" : " ";
        session.Print(mark + std::to_string(type) + "  " + captions[type].GetString());
    }
    return 0;
}

int RunInit(const Arguments& args) {
    if (!args.lang) throw UsageError("init needs --lang N");
    Session session(args, true);
    if (session.LanguageFileExisted()) {
        WriteOut(session.LanguageFile() + " exists; left as it is\n");
        return 0;
    }
    if (!FileExists(session.LanguageFile()))
        throw RunError(session.LanguageFile() + ": could not create the language file");
    WriteOut("created " + session.LanguageFile() + "\n");
    return 0;
}

}  // namespace

Command LanguagesCommand() {
    return {"languages",
            "list the catalogue's languages under their captions",
            "Lists the languages of Language.ini, numbered, under their captions in the current\n"
            "language; * marks the current one.\n",
            "languages [OPTIONS]",
            {},
            RunLanguages};
}

Command InitCommand() {
    return {"init",
            "bind a language, creating its file with a header when missing",
            "Sets the library up on --lang N. A missing language file is created with the\n"
            "header and the sections a translator fills in. Nothing else is ever written.\n",
            "init --lang N [OPTIONS]",
            {},
            RunInit};
}

}  // namespace cli
