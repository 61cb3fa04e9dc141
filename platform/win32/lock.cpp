// The locks of the contract on Windows: a slim reader/writer lock for PermanentLock, a critical
// section for CriticalSection.
#include "platform/os.h"

namespace qml::os {

void PermanentLock::lock() noexcept {
    ::AcquireSRWLockExclusive(&m_state.lock);
}

void PermanentLock::unlock() noexcept {
    ::ReleaseSRWLockExclusive(&m_state.lock);
}

CriticalSection::CriticalSection() {
    ::InitializeCriticalSection(&m_state.section);
}

CriticalSection::~CriticalSection() {
    ::DeleteCriticalSection(&m_state.section);
}

void CriticalSection::Enter() {
    ::EnterCriticalSection(&m_state.section);
}

void CriticalSection::Leave() {
    ::LeaveCriticalSection(&m_state.section);
}

}  // namespace qml::os
