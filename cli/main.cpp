// quorvel-ml: translate, inspect and convert texts with the library from a shell.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "command.h"
#include "session.h"

namespace cli {

const char kCommonOptionsHelp[] =
    "Common options:\n"
    "  --dir DIR              language directory (default: the sample languages)\n"
    "  --lang N               language type from Language.ini (default: from the user's locale)\n"
    "  --raw                  write texts in the language's code page, never re-encoded\n"
    "  --utf8                 re-encode output to UTF-8 even when it is not a terminal\n"
    "  --input-encoding ENC   the encoding of TEXT arguments and input (e.g. utf8)\n"
    "  -h, --help             this help\n";

namespace {

std::vector<Command> AllCommands() {
    return {TranslateCommand(), CaptionCommand(), KeyCommand(),    FormatCommand(),  LogCommand(),
            LanguagesCommand(), InitCommand(),    KeysCommand(),   MissingCommand(), ConvertCommand(),
            DetectCommand(),    ExtractCommand(), UpdateCommand(), StatsCommand(),   CheckCommand(),
            PoExportCommand(),  PoImportCommand()};
}

void PrintToolHelp(std::FILE* out) {
    std::fprintf(out,
                 "usage: quorvel-ml COMMAND [OPTIONS] [ARGS]\n\n"
                 "Translates English texts with a language directory, shows what a language file\n"
                 "needs, and converts Chinese text between GB and Big5.\n\nCommands:\n");
    for (const Command& command : AllCommands())
        std::fprintf(out, "  %-10s %s\n", command.name, command.summary);
    std::fprintf(out, "\n%s\nRun 'quorvel-ml COMMAND --help' for a command's own options.\n",
                 kCommonOptionsHelp);
}

void PrintCommandHelp(const Command& command) {
    std::printf("usage: quorvel-ml %s\n\n%s\n%s", command.usage, command.help, kCommonOptionsHelp);
}

}  // namespace
}  // namespace cli

int main(int argc, char** argv) {
    using namespace cli;
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        PrintToolHelp(stderr);
        return 2;
    }
    if (words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        PrintToolHelp(stdout);
        return 0;
    }
    for (const Command& command : AllCommands()) {
        if (words[0] != command.name) continue;
        try {
            Arguments args = ParseArguments({words.begin() + 1, words.end()}, command.options);
            if (args.help) {
                PrintCommandHelp(command);
                return 0;
            }
            int status = command.run(args);
            std::fflush(stdout);
            return status;
        } catch (const UsageError& error) {
            std::fprintf(stderr, "quorvel-ml %s: %s\nusage: quorvel-ml %s (--help for more)\n", command.name,
                         error.what(), command.usage);
            return 2;
        } catch (const RunError& error) {
            std::fprintf(stderr, "quorvel-ml %s: %s\n", command.name, error.what());
            return 1;
        } catch (const std::exception& error) {
            std::fprintf(stderr, "quorvel-ml %s: %s\n", command.name, error.what());
            return 1;
        }
    }
    std::fprintf(stderr, "quorvel-ml: unknown command '%s' (quorvel-ml --help lists them)\n",
                 words[0].c_str());
    return 2;
}
