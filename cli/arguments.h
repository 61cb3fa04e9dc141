// Command-line arguments: the options every subcommand takes, its own options and its
// positional arguments.
#pragma once

#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// A mistake in the command line: reported with the usage hint, exit status 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A failure while running (an unreadable file, ...): exit status 1.
struct RunError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct OptionSpec {
    const char* name;  // without the leading dashes
    bool takesValue;
};

struct Arguments {
    // Common options.
    std::optional<std::string> dir;
    std::optional<int> lang;
    bool raw = false;
    bool utf8 = false;
    std::string inputEncoding;  // empty: the language's own code page
    bool help = false;

    std::map<std::string, std::string> options;  // the subcommand's own, by name ("" for flags)
    std::vector<std::string> positional;

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::string Get(const std::string& name, const std::string& fallback = "") const;
};

// Parses args (the words after the subcommand's name) with the subcommand's own options.
Arguments ParseArguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& own);

// A decimal int, or a UsageError naming what it is for.
int ParseNumber(const std::string& text, const std::string& what);

}  // namespace cli
