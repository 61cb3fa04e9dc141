// Where the translator commands write: standard output, or a file replaced safely.
#pragma once

#include <string>

namespace cli {

// "-" is standard output; a write error is a RunError, never a silent success.
void WriteOutput(const std::string& path, const std::string& text);

}  // namespace cli
