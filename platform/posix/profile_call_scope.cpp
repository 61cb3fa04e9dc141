#include "platform/posix/profile_call_scope.h"

#include <cstring>
#include <new>
#include <utility>

#include "platform/os.h"

namespace qml::posix {

namespace {

// The memo keeps the storage of its strings from one scope to the next, up to this size;
// section names longer than it are searched without being remembered.
constexpr std::size_t kKeptNameCapacity = 1024;

// Plain thread-local values, reached without an initialisation check; the memo itself lives
// on the heap.
using scope_detail::t_open;
thread_local int t_depth = 0;
thread_local CallScopeMemo* t_storage = nullptr;  // created at the thread's first scope
thread_local bool t_ending = false;               // the thread's memo is gone for good

// Frees the thread's memo when the thread ends. Scopes opened after that (by destructors of
// other thread-local objects) work without a memo.
struct MemoOwner {
    ~MemoOwner() {
        delete t_storage;
        t_storage = nullptr;
        t_open = nullptr;
        t_ending = true;
    }
};

bool Remembered(const std::string& name, const char* text) {
    return std::strcmp(name.c_str(), text) == 0;
}

}  // namespace

std::uint32_t CallScopeMemo::FindFile(const char* path) {
    if (m_fileCount == 0) return kNone;
    if (Remembered(m_files[m_lastFile].path, path)) return m_lastFile;
    for (std::uint32_t slot = 0; slot < m_fileCount; ++slot)
        if (slot != m_lastFile && Remembered(m_files[slot].path, path)) return m_lastFile = slot;
    return kNone;
}

std::uint32_t CallScopeMemo::RememberFile(const char* path, ProfileSnapshot profile) {
    if (m_fileCount == kMaxFiles) return kNone;
    RememberedFile& file = m_files[m_fileCount];
    try {
        // The storage is kept from scope to scope, and usually holds this path already.
        if (!Remembered(file.path, path)) file.path.assign(path);
    } catch (const std::bad_alloc&) {
        return kNone;
    }
    file.profile = std::move(profile);
    m_lastFile = m_fileCount++;
    return m_lastFile;
}

bool CallScopeMemo::FindOtherSection(const char* path, const char* app, const ParsedProfile*& profile,
                                     const ProfileSection*& section) {
    for (std::uint32_t slot = 0; slot < m_sectionCount; ++slot) {
        if (slot == m_lastSection || !Matches(m_sections[slot], path, app)) continue;
        m_lastSection = slot;
        profile = m_sections[slot].profile;
        section = m_sections[slot].section;
        return true;
    }
    return false;
}

void CallScopeMemo::RememberSection(std::uint32_t file, const char* app, const ProfileSection* section) {
    if (file >= m_fileCount) return;
    std::uint32_t slot = m_sectionCount < kMaxSections ? m_sectionCount : m_nextSection;
    RememberedSection& memo = m_sections[slot];
    memo.path = nullptr;  // matches nothing until it is complete
    if (!Remembered(memo.app, app)) {
        if (std::strlen(app) > kKeptNameCapacity) return;
        try {
            memo.app.assign(app);
        } catch (const std::bad_alloc&) {
            return;
        }
    }
    memo.path = &m_files[file].path;
    memo.profile = m_files[file].profile.get();
    memo.section = section;
    if (m_sectionCount < kMaxSections)
        ++m_sectionCount;
    else
        m_nextSection = (m_nextSection + 1) % kMaxSections;
    m_lastSection = slot;
}

void CallScopeMemo::Clear() noexcept {
    for (std::uint32_t slot = 0; slot < m_fileCount; ++slot) {
        m_files[slot].profile.reset();
        if (m_files[slot].path.capacity() > kKeptNameCapacity) std::string().swap(m_files[slot].path);
    }
    // Sections past m_sectionCount are never read; each is complete again before it counts.
    m_fileCount = 0;
    m_lastFile = 0;
    m_sectionCount = 0;
    m_nextSection = 0;
    m_lastSection = 0;
}

void CallScopeMemo::OpenScope() noexcept {
    if (t_depth++ > 0) return;
    if (!t_storage && !t_ending) {
        try {
            static thread_local MemoOwner owner;
            (void)owner;
            t_storage = new CallScopeMemo;
        } catch (const std::bad_alloc&) {
            // Without a memo every lookup checks its file: slower, never wrong.
        }
    }
    t_open = t_storage;
}

void CallScopeMemo::CloseScope() noexcept {
    if (t_depth <= 0 || --t_depth > 0) return;
    if (t_open) t_open->Clear();
    t_open = nullptr;
}

}  // namespace qml::posix

namespace qml::os {

ProfileCallScope::ProfileCallScope() noexcept {
    posix::CallScopeMemo::OpenScope();
}

ProfileCallScope::~ProfileCallScope() {
    posix::CallScopeMemo::CloseScope();
}

}  // namespace qml::os
