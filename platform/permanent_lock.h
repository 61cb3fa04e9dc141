// A lock that is never destroyed: constant-initialised and free of any destructor, so it works
// before the library's first constructor has run and after its last destructor, for a host's
// exit handlers and static destructors and for threads still running while the process exits.
#pragma once

#if defined(_WIN32)
#include "quorvel/wintypes.h"
#else
#include <pthread.h>
#endif

namespace qml::os {

class PermanentLock {
  public:
    constexpr PermanentLock() noexcept = default;
    PermanentLock(const PermanentLock&) = delete;
    PermanentLock& operator=(const PermanentLock&) = delete;

#if defined(_WIN32)
    void lock() noexcept {
        ::AcquireSRWLockExclusive(&m_lock);
    }
    void unlock() noexcept {
        ::ReleaseSRWLockExclusive(&m_lock);
    }

  private:
    SRWLOCK m_lock = SRWLOCK_INIT;
#else
    void lock() noexcept {
        ::pthread_mutex_lock(&m_lock);
    }
    void unlock() noexcept {
        ::pthread_mutex_unlock(&m_lock);
    }

  private:
    pthread_mutex_t m_lock = PTHREAD_MUTEX_INITIALIZER;
#endif
};

}  // namespace qml::os
