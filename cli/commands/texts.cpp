// The texts a subcommand works on.
#include <iostream>

#include "command.h"

namespace cli {

std::vector<std::string> TextsOrStdinLines(const Arguments& args) {
    if (!args.positional.empty()) return args.positional;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

}  // namespace cli
