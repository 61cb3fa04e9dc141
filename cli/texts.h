// The texts a line-by-line subcommand works on, handed over one at a time.
#pragma once

#include <functional>
#include <string>

#include "arguments.h"

namespace cli {

// Hands use the subcommand's arguments one by one, and for an argument "-" (or when there are
// none) the lines of standard input, each read as it is used: constant memory for any input.
void ForEachText(const Arguments& args, const std::function<void(const std::string&)>& use);

}  // namespace cli
