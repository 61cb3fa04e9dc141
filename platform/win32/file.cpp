// Files by their Windows paths, as they are.
#include <windows.h>

#include <atomic>
#include <string>

#include "platform/os.h"

namespace qml::os {

std::FILE* OpenFile(const char* path, const char* mode) {
    if (!path || !mode) return nullptr;
    return std::fopen(path, mode);
}

std::string SystemPath(const char* path) {
    return path ? path : "";
}

namespace {

FileCreation Outcome(FileCreation::Outcome outcome, DWORD error = ERROR_SUCCESS) {
    FileCreation result;
    result.outcome = outcome;
    if (error != ERROR_SUCCESS) result.reason = SystemErrorText(error);
    return result;
}

// A name no other call of any process uses at the same time, kept short because the whole
// path must stay within MAX_PATH: the process id and a counter. A name left by a killed
// process is skipped by CREATE_NEW.
std::string TemporaryPath(const std::string& directory) {
    static std::atomic<unsigned> counter{0};
    char name[32] = {};
    std::snprintf(name, sizeof name, "~%lx-%x.tmp", static_cast<unsigned long>(::GetCurrentProcessId()),
                  counter.fetch_add(1));
    return directory + name;
}

bool WriteAll(HANDLE file, const char* data, std::size_t length) {
    while (length > 0) {
        DWORD chunk = length > 0x10000000 ? 0x10000000 : static_cast<DWORD>(length);
        DWORD written = 0;
        if (!::WriteFile(file, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        length -= written;
    }
    return true;
}

}  // namespace

FileCreation CreateWholeFile(const char* path, const char* data, std::size_t length) {
    if (!path || (length > 0 && !data)) return Outcome(FileCreation::kFailed, ERROR_INVALID_PARAMETER);
    const std::string target(path);
    const std::size_t separator = target.find_last_of("\\/");
    const std::string directory = separator == std::string::npos ? "" : target.substr(0, separator + 1);

    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryPath(directory);
        file = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            DWORD error = ::GetLastError();
            if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
                return Outcome(FileCreation::kFailed, error);
        }
    }
    if (file == INVALID_HANDLE_VALUE) return Outcome(FileCreation::kFailed, ERROR_FILE_EXISTS);

    DWORD error = ERROR_SUCCESS;
    if (!WriteAll(file, data, length) || !::FlushFileBuffers(file)) {
        error = ::GetLastError();
        if (error == ERROR_SUCCESS) error = ERROR_WRITE_FAULT;
    }
    if (!::CloseHandle(file) && error == ERROR_SUCCESS) error = ::GetLastError();
    // Without MOVEFILE_REPLACE_EXISTING the move fails when anything stands at the target.
    if (error == ERROR_SUCCESS && !::MoveFileExA(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH))
        error = ::GetLastError();
    if (error == ERROR_SUCCESS) return Outcome(FileCreation::kCreated);

    ::DeleteFileA(temporary.c_str());
    const bool exists = error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS;
    return Outcome(exists ? FileCreation::kExists : FileCreation::kFailed, error);
}

}  // namespace qml::os
