// The process-wide cache of parsed profile files.
//
// A lookup never re-parses a file that has not changed, and always sees the file as it is
// now. Each cached file keeps the stat stamp (device, inode, size, modification and change
// times with nanoseconds) it had when it was read. A lookup stats the path: a missing,
// unreadable or non-regular file is "not found" and drops out of the cache; a different stamp
// means read and parse again. An equal stamp is not enough while the file is freshly written:
// file times advance in clock ticks (or whole seconds on some file systems), so two edits
// within one tick that keep the size leave the stamp unchanged. A file whose modification or
// change time lies less than kRacyMarginNs before the moment the cache began reading it is
// therefore read again at each check and its bytes compared with the cached ones (parsed
// again only when they differ), until a check that starts more than the margin after the
// file's last change settles it.
//
// Threads share the cache under a reader-writer lock that is never held while a file is
// read or parsed: readers take a snapshot (a shared pointer to an immutable parsed file),
// and a new parse is published under the write lock. A check allocates nothing unless the
// file has to be read. The cache keeps at most
// kMaxCachedFiles files and about kMaxCachedBytes of memory, evicting the least recently
// used; a file larger than the whole budget is parsed for its call and not kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

#include "platform/posix/profile_parser.h"

namespace qml::posix {

constexpr std::int64_t kRacyMarginNs = std::int64_t{3} * 1000 * 1000 * 1000;
constexpr std::size_t kMaxCachedFiles = 16;
constexpr std::size_t kMaxCachedBytes = std::size_t{256} << 20;

using ProfileSnapshot = std::shared_ptr<const ParsedProfile>;

// The file at path (Windows form: backslashes are separators) as it is now, parsed, or null
// when it cannot be read. Inside a ProfileCallScope a path checked once is not checked again.
ProfileSnapshot AcquireProfile(const char* path);

// The same for the length of one lookup. Inside a ProfileCallScope the scope keeps the
// snapshot alive and the lease only points at it: no reference count is touched, so threads
// looking up words in the same file do not write to a shared cache line.
class ProfileLease {
  public:
    static constexpr std::uint32_t kNoSlot = UINT32_MAX;

    ProfileLease() = default;
    ProfileLease(const ParsedProfile* borrowed, std::uint32_t scopeSlot)
        : m_profile(borrowed), m_scopeSlot(scopeSlot) {}
    explicit ProfileLease(ProfileSnapshot owned) : m_profile(owned.get()), m_owned(std::move(owned)) {}

    const ParsedProfile* get() const { return m_profile; }
    const ParsedProfile* operator->() const { return m_profile; }
    explicit operator bool() const { return m_profile != nullptr; }
    // The slot of the thread's open call scope that holds the snapshot, or kNoSlot.
    std::uint32_t ScopeSlot() const { return m_scopeSlot; }

  private:
    const ParsedProfile* m_profile = nullptr;
    ProfileSnapshot m_owned;
    std::uint32_t m_scopeSlot = kNoSlot;
};
ProfileLease LeaseProfile(const char* path);

struct ProfileCacheStats {
    std::size_t files = 0;     // cached now
    std::size_t bytes = 0;     // their estimated memory
    std::uint64_t reads = 0;   // file reads since start
    std::uint64_t parses = 0;  // parses since start
};
ProfileCacheStats GetProfileCacheStats();

// How many times the calling thread has checked a file against the file system.
std::uint64_t ThisThreadFileChecks();

// Frees the cache and every file it holds, when the library is unloaded for good (never at
// process exit); no thread may use the cache at the same time or after.
void ReleaseProfileCache();

}  // namespace qml::posix
