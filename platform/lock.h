// The process-wide lock type: a critical section on Windows, a mutex elsewhere.
#pragma once

#if defined(_WIN32)
#include "quorvel/wintypes.h"
#else
#include <mutex>
#endif

namespace qml::os {

class CriticalSection {
  public:
#if defined(_WIN32)
    CriticalSection() {
        ::InitializeCriticalSection(&m_section);
    }
    ~CriticalSection() {
        ::DeleteCriticalSection(&m_section);
    }
    void Enter() {
        ::EnterCriticalSection(&m_section);
    }
    void Leave() {
        ::LeaveCriticalSection(&m_section);
    }
#else
    // Constant-initialised: a namespace-scope lock exists before any constructor runs.
    constexpr CriticalSection() noexcept = default;
    void Enter() {
        m_mutex.lock();
    }
    void Leave() {
        m_mutex.unlock();
    }
#endif
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

  private:
#if defined(_WIN32)
    CRITICAL_SECTION m_section;
#else
    std::mutex m_mutex;
#endif
};

// Holds a critical section for the life of the object.
class CriticalSectionLock {
  public:
    explicit CriticalSectionLock(CriticalSection& section) : m_section(section) { m_section.Enter(); }
    ~CriticalSectionLock() { m_section.Leave(); }
    CriticalSectionLock(const CriticalSectionLock&) = delete;
    CriticalSectionLock& operator=(const CriticalSectionLock&) = delete;

  private:
    CriticalSection& m_section;
};

}  // namespace qml::os
