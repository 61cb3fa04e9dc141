// The locks of the contract on POSIX: a pthread mutex for PermanentLock, std::mutex for
// CriticalSection.
#include "platform/os.h"

namespace qml::os {

void PermanentLock::lock() noexcept {
    ::pthread_mutex_lock(&m_state.mutex);
}

void PermanentLock::unlock() noexcept {
    ::pthread_mutex_unlock(&m_state.mutex);
}

void CriticalSection::Enter() {
    m_state.mutex.lock();
}

void CriticalSection::Leave() {
    m_state.mutex.unlock();
}

}  // namespace qml::os
