// The application name: what the host set, else the name of the program (each platform's
// ProgramFileName).
//
// The host's name is kept in the process storage, so exit handlers and threads still running
// at exit see it.
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "platform/os.h"
#include "platform/process_storage.h"
#include "quorvel/application_name.h"

namespace qml::os {

std::string GetApplicationName() {
    {
        ProcessStorage& storage = Storage();
        std::lock_guard<PermanentLock> hold(storage.hostNameLock);
        if (storage.hostName) return *storage.hostName;
    }
    return ProgramFileName();
}

}  // namespace qml::os

namespace quorvel {

void SetApplicationName(const char* name) {
    std::optional<std::string> replacement;
    if (name) replacement.emplace(name);
    qml::os::ProcessStorage& storage = qml::os::Storage();
    std::lock_guard<qml::os::PermanentLock> hold(storage.hostNameLock);
    storage.hostName.swap(replacement);  // the name replaced is freed once the lock is let go
}

}  // namespace quorvel
