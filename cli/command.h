// A subcommand of the tool: its name, its help and what it runs.
#pragma once

#include <string>
#include <vector>

#include "arguments.h"

namespace cli {

struct Command {
    const char* name;
    const char* summary;  // one line for the tool's help
    const char* help;     // the subcommand's --help, after its usage line
    const char* usage;    // e.g. "translate [TEXT...]"
    std::vector<OptionSpec> options;
    int (*run)(const Arguments& args);
};

// The options every subcommand takes, for the help texts.
extern const char kCommonOptionsHelp[];

// Each subcommand, defined in commands/.
Command TranslateCommand();
Command CaptionCommand();
Command KeyCommand();
Command FormatCommand();
Command LogCommand();
Command LanguagesCommand();
Command InitCommand();
Command KeysCommand();
Command MissingCommand();
Command ConvertCommand();
Command DetectCommand();
Command ExtractCommand();
Command UpdateCommand();
Command StatsCommand();
Command CheckCommand();
Command PoExportCommand();
Command PoImportCommand();

// The texts a subcommand works on: its arguments, or the lines of standard input without them.
std::vector<std::string> TextsOrStdinLines(const Arguments& args);

}  // namespace cli
