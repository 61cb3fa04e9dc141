// The locks of the contract on POSIX: a pthread mutex for PermanentLock.
#include "platform/os.h"

namespace qml::os {

void PermanentLock::lock() noexcept {
    ::pthread_mutex_lock(&m_state.mutex);
}

void PermanentLock::unlock() noexcept {
    ::pthread_mutex_unlock(&m_state.mutex);
}

}  // namespace qml::os
