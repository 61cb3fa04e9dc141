// Calls of named functions in C and C++ source text, with their string-literal arguments
// decoded as the compiler would: escapes, adjacent literals joined, raw strings, comments and
// line splices skipped.
#pragma once

#include <string>
#include <vector>

namespace cli {

struct CallArgument {
    enum Kind { kOther, kLiteral, kNull };
    Kind kind = kOther;
    std::string text;  // kLiteral: the bytes of the narrow string
    int line = 0;      // where the argument begins
};

struct SourceCall {
    std::string function;
    int line = 0;
    std::vector<CallArgument> arguments;
};

// Every call of one of functions in source, nested calls included, in the order they begin.
std::vector<SourceCall> FindCalls(const std::string& source, const std::vector<std::string>& functions);

}  // namespace cli
