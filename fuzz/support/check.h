// Failing a fuzz target: the property that broke and the bytes involved, then abort() so that
// libFuzzer keeps the input as a crash.
#pragma once

#include <string>

namespace qml_fuzz {

// Bytes as C escapes, cut to a readable length.
std::string Escape(const std::string& bytes);

[[noreturn]] void Fail(const char* property, const std::string& detail = std::string());

inline void Check(bool holds, const char* property) {
    if (!holds) Fail(property);
}

// Fails with both texts shown when they differ.
void CheckEqual(const std::string& actual, const std::string& expected, const char* property);

}  // namespace qml_fuzz
