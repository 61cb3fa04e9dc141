// The locks of the contract on Windows: a slim reader/writer lock for PermanentLock.
#include "platform/os.h"

namespace qml::os {

void PermanentLock::lock() noexcept {
    ::AcquireSRWLockExclusive(&m_state.lock);
}

void PermanentLock::unlock() noexcept {
    ::ReleaseSRWLockExclusive(&m_state.lock);
}

}  // namespace qml::os
