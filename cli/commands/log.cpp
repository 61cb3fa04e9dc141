// log: a line through the library's translated log relay, as a host's logger receives it.
#include <cstdarg>
#include <cstdio>
#include <exception>
#include <string>

#include "command.h"
#include "texts.h"
#include "quorvel/multilanguage.h"
#include "session.h"

namespace cli {

namespace {

const Session* g_session = nullptr;
std::string g_writeError;  // what failed inside the logger, raised once the library has returned

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
    // No exception may cross the library on its way back.
    try {
        if (g_writeError.empty()) g_session->Print(std::string("[") + LevelWord(level) + "] " + line);
    } catch (const std::exception& error) {
        g_writeError = error.what();
    }
}

void RaiseWriteError() {
    if (!g_writeError.empty()) throw RunError(g_writeError);
}

int RunLog(const Arguments& args) {
    Session session(args, false);
    g_session = &session;
    Set_MultiLanguage_Para(nullptr, session.LanguageType(), PrintLogLine, nullptr);
    const unsigned int level = static_cast<unsigned int>(ParseNumber(args.Get("level", "1"), "--level"));
    const bool onlyDiagnostics = args.Has("diagnostics") && args.positional.empty();
    if (!onlyDiagnostics) {
        ForEachText(args, [&](const std::string& text) {
            if (args.Has("plain"))
                Log(level, "%s", session.Input(text).c_str());
            else
                LogML(level, "%s", session.Input(text).c_str());
            RaiseWriteError();
        });
    }
    if (args.Has("diagnostics")) {
        OutInitObjectResult("Database", 1);
        OutInitObjectResult("Database", 0);
        OutNewObjectFailed("CallManager");
        OutNeedEndSystem("disk full");
        RaiseWriteError();
    }
    return 0;
}

}  // namespace

Command LogCommand() {
    return {"log",
            "send lines through the translated log relay",
            "Sends each TEXT through the log relay to a logger that prints the level word and\n"
            "the line, translated unless --plain. A TEXT '-', or none at all, reads the lines of\n"
            "standard input.\n"
            "  --level N              the level word (default 1, NORMAL)\n"
            "  --plain                relay without translating\n"
            "  --diagnostics          also send a few ready-made diagnostics\n",
            "log [--level N] [--plain] [--diagnostics] [OPTIONS] [TEXT...]",
            {{"level", true}, {"plain", false}, {"diagnostics", false}},
            RunLog};
}

}  // namespace cli
