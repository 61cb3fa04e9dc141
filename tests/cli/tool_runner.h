// Runs the quorvel-ml tool as a child process with a given standard input.
#pragma once

#include <string>
#include <vector>

namespace qml_test {

struct ToolResult {
    int status = -1;     // the exit status
    std::string out;     // standard output
    std::string err;     // standard error
    long peakRssKb = 0;  // the child's largest resident set
};

// Runs the tool with args; env entries "NAME=value" are added to a clean environment that
// has LC_ALL=C (so that the user's locale never decides a test). With outputFile, standard
// output goes to that file (e.g. /dev/full) instead of the result. A tool still running after
// 60 seconds is killed (status 128 + SIGKILL).
ToolResult RunTool(const std::vector<std::string>& args, const std::string& input = "",
                   const std::vector<std::string>& env = {}, const std::string& outputFile = "");

}  // namespace qml_test
