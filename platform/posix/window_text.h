// Bounded copies of window texts into callers' buffers.
#pragma once

#include <cstddef>
#include <string>

namespace qml::os::windows {

// Copies text into buffer of size bytes: at most size - 1 bytes and a NUL, and never the lead
// byte of a double-byte character without its trail byte (a cut text stays well formed).
// Returns the bytes copied; writes nothing when buffer is null or size is 0.
std::size_t CopyText(const std::string& text, char* buffer, std::size_t size);

}  // namespace qml::os::windows
