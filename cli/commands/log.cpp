// log: a line through the library's translated log relay, as a host's logger receives it.
#include <cstdarg>
#include <cstdio>
#include <string>

#include "command.h"
#include "quorvel/multilanguage.h"
#include "session.h"

namespace cli {

namespace {

const Session* g_session = nullptr;

const char* LevelWord(unsigned int level) {
    static const char* const kWords[] = {"VERBOSE", "NORMAL", "WARNING", "ERROR", "DEBUG", "INVALID"};
    unsigned int severity = level & 0xFF;
    return severity < 6 ? kWords[severity] : "INVALID";
}

// The host's side: formats what the library hands over and prints it with its level.
void PrintLogLine(unsigned int level, char* format, ...) {
    char line[2048];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    g_session->Print(std::string("[") + LevelWord(level) + "] " + line);
}

int RunLog(const Arguments& args) {
    Session session(args, false);
    g_session = &session;
    Set_MultiLanguage_Para(nullptr, session.LanguageType(), PrintLogLine, nullptr);
    const unsigned int level = static_cast<unsigned int>(ParseNumber(args.Get("level", "1"), "--level"));
    const bool onlyDiagnostics = args.Has("diagnostics") && args.positional.empty();
    for (const std::string& text : onlyDiagnostics ? std::vector<std::string>() : TextsOrStdinLines(args)) {
        if (args.Has("plain"))
            Log(level, "%s", session.Input(text).c_str());
        else
            LogML(level, "%s", session.Input(text).c_str());
    }
    if (args.Has("diagnostics")) {
        OutInitObjectResult("Database", 1);
        OutInitObjectResult("Database", 0);
        OutNewObjectFailed("CallManager");
        OutNeedEndSystem("disk full");
    }
    return 0;
}

}  // namespace

Command LogCommand() {
    return {"log",
            "send lines through the translated log relay",
            "Sends each TEXT (or each line of standard input) through the log relay to a logger\n"
            "that prints the level word and the line, translated unless --plain.\n"
            "  --level N              the level word (default 1, NORMAL)\n"
            "  --plain                relay without translating\n"
            "  --diagnostics          also send a few ready-made diagnostics\n",
            "log [--level N] [--plain] [--diagnostics] [OPTIONS] [TEXT...]",
            {{"level", true}, {"plain", false}, {"diagnostics", false}},
            RunLog};
}

}  // namespace cli
