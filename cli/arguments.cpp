#include "arguments.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

namespace cli {

namespace {

const OptionSpec kCommon[] = {
    {"dir", true}, {"lang", true}, {"raw", false}, {"utf8", false}, {"input-encoding", true}, {"help", false},
};

const OptionSpec* FindSpec(const std::string& name, const std::vector<OptionSpec>& own) {
    for (const OptionSpec& option : kCommon)
        if (name == option.name) return &option;
    for (const OptionSpec& option : own)
        if (name == option.name) return &option;
    return nullptr;
}

}  // namespace

std::string Arguments::Get(const std::string& name, const std::string& fallback) const {
    auto found = options.find(name);
    return found == options.end() ? fallback : found->second;
}

int ParseNumber(const std::string& text, const std::string& what) {
    errno = 0;
    char* end = nullptr;
    long value = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        throw UsageError("bad number for " + what + ": '" + text + "'");
    return static_cast<int>(value);
}

Arguments ParseArguments(const std::vector<std::string>& args, const std::vector<OptionSpec>& own) {
    Arguments parsed;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            parsed.positional.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "-h") {
            parsed.help = true;
            continue;
        }
        if (word.compare(0, 2, "--") != 0) throw UsageError("unknown option '" + word + "'");

        std::string name = word.substr(2);
        std::optional<std::string> value;
        if (size_t equals = name.find('='); equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.erase(equals);
        }
        const OptionSpec* option = FindSpec(name, own);
        if (!option) throw UsageError("unknown option '--" + name + "'");
        if (option->takesValue && !value) {
            if (i + 1 >= args.size()) throw UsageError("option '--" + name + "' needs a value");
            value = args[++i];
        }
        if (!option->takesValue && value) throw UsageError("option '--" + name + "' takes no value");

        if (name == "dir")
            parsed.dir = *value;
        else if (name == "lang")
            parsed.lang = ParseNumber(*value, "--lang");
        else if (name == "raw")
            parsed.raw = true;
        else if (name == "utf8")
            parsed.utf8 = true;
        else if (name == "input-encoding")
            parsed.inputEncoding = *value;
        else if (name == "help")
            parsed.help = true;
        else
            parsed.options[name] = value.value_or("");
    }
    if (parsed.raw && parsed.utf8) throw UsageError("--raw and --utf8 exclude each other");
    return parsed;
}

}  // namespace cli
