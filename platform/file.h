// Opening and creating files by the library's Windows-form paths.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace qml::os {

// fopen with the path in its Windows form (backslashes are separators on POSIX too).
std::FILE* OpenFile(const char* path, const char* mode);

// The path in the form the system opens (on POSIX every backslash a slash).
std::string SystemPath(const char* path);

// What became of a request to create a file.
struct FileCreation {
    enum Outcome { kCreated, kExists, kFailed };
    Outcome outcome = kFailed;
    std::string reason;  // the system's text for the error when not created
};

// Creates the file at path (Windows form) holding exactly length bytes of data, whole or not at
// all: the bytes go to a temporary file of a fresh name in the same directory, which is then
// linked or moved to path without replacing anything. Whatever already stands at path (a file,
// a directory, a symbolic link, dangling or not) is never written or followed: kExists. A
// process killed during the call leaves at most a temporary file, never a cut file at path.
FileCreation CreateWholeFile(const char* path, const char* data, std::size_t length);

}  // namespace qml::os
