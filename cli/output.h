// Standard output, every write checked: a tool in a pipeline that lost its output must say so.
#pragma once

#include <cstddef>
#include <string>

namespace cli {

// Writes size bytes to standard output; a RunError when the system refused them.
void WriteOut(const char* data, size_t size);
inline void WriteOut(const std::string& text) {
    WriteOut(text.data(), text.size());
}

// Flushes standard output; the message of the first write error, or the empty text.
std::string FinishOutput();

}  // namespace cli
