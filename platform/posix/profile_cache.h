// The process-wide cache of parsed profile files.
//
// A lookup never re-parses a file that has not changed, and always sees the file as it is
// now. Each cached file keeps the stat stamp (device, inode, size, modification and change
// times with nanoseconds) it had when it was read: the file's identity. A lookup stats the
// path: a missing, unreadable or non-regular file is "not found" and drops out of the cache; a
// different stamp means read again (and parse again unless the bytes are the same). An equal
// stamp is not enough while the file is freshly written: file times advance in clock ticks (or
// whole seconds on some file systems), so two edits within one tick that keep the size leave
// the stamp unchanged. Until the content held was read more than kRacyMarginNs after the
// file's last change (told by the wall clock from the file's times, or by the steady clock
// from the moment the stamp was first seen, whichever settles it first: see Snapshot in the
// .cpp) the file is read again at each check and its bytes compared with the cached ones, as
// they are read, without a second copy; a time in the future thus keeps a file in that window
// for one margin, not for ever.
//
// Threads share the cache under a reader-writer lock that is never held while a file is
// read or parsed: readers take a snapshot (a shared pointer to an immutable parsed file),
// and a new parse is published under the write lock. Threads that need to read the same file
// at the same time share one read (and parse) of it. A check allocates nothing unless the
// file has to be read. The cache keeps at most kMaxCachedFiles files and about
// kMaxCachedBytes of memory besides its largest file, evicting the least recently used: a
// file larger than the whole budget (a language file of hundreds of megabytes) is kept too,
// and parsed once per change.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/posix/profile_parser.h"

namespace qml::posix {

constexpr std::int64_t kRacyMarginNs = std::int64_t{3} * 1000 * 1000 * 1000;
constexpr std::size_t kMaxCachedFiles = 16;
constexpr std::size_t kMaxCachedBytes = std::size_t{256} << 20;

using ProfileSnapshot = std::shared_ptr<const ParsedProfile>;

struct ProfileCacheStats {
    std::size_t files = 0;     // cached now
    std::size_t bytes = 0;     // their estimated memory
    std::uint64_t reads = 0;   // file reads since start
    std::uint64_t parses = 0;  // parses since start
};

struct ProfileCacheLimits {
    std::size_t maxFiles = kMaxCachedFiles;
    std::size_t maxBytes = kMaxCachedBytes;
    std::int64_t racyMarginNs = kRacyMarginNs;
};

// A cache of parsed files. The process has one (behind AcquireProfile and LeaseProfile); tests
// make their own with small limits.
class ProfileCache {
  public:
    explicit ProfileCache(ProfileCacheLimits limits = {});
    ~ProfileCache();
    ProfileCache(const ProfileCache&) = delete;
    ProfileCache& operator=(const ProfileCache&) = delete;

    // The file at path (Windows form) as it is now, parsed, or null when it cannot be read.
    ProfileSnapshot Validate(const char* path);
    ProfileCacheStats Stats();

  private:
    struct Snapshot;
    struct Entry;
    struct Loading;
    class LoadingLead;

    // Reads the file (comparing it with current's bytes when there is a current snapshot),
    // parses it when it differs and publishes it; null when it cannot be read.
    std::shared_ptr<const Snapshot> ReadAndPublish(const char* nativePath, std::string_view key,
                                                   const Snapshot* current);
    Entry* FindLocked(std::string_view nativePath);
    void Publish(std::string_view nativePath, std::shared_ptr<const Snapshot> snapshot);
    void Forget(std::string_view nativePath);
    void EvictFor(const Entry* keep);

    const ProfileCacheLimits m_limits;
    std::shared_mutex m_lock;
    // At most maxFiles (and one more while a new file is being added): a short list searched
    // in order is faster than hashing the path.
    std::vector<std::unique_ptr<Entry>> m_entries;
    std::size_t m_bytes = 0;
    // The reads in progress, by path (a few at most).
    std::vector<std::pair<std::string, std::shared_ptr<Loading>>> m_loadings;
    std::atomic<std::uint64_t> m_reads{0};
    std::atomic<std::uint64_t> m_parses{0};
};

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

// The process-wide cache's figures.
ProfileCacheStats GetProfileCacheStats();

// How many times the calling thread has checked a file against the file system.
std::uint64_t ThisThreadFileChecks();

// Frees the cache and every file it holds, when the library is unloaded for good (never at
// process exit); no thread may use the cache at the same time or after.
void ReleaseProfileCache();

}  // namespace qml::posix
