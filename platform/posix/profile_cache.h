// The process-wide cache of parsed profile files and what an open ProfileCallScope keeps of it
// on its thread; every lookup of the profile reader finds its file and section through here.
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
//
// An open call scope (ProfileCallScope, platform/os.h) remembers on its thread the snapshot taken of
// each file at its first lookup (up to kMaxFiles files; later files are checked at every
// lookup, as outside a scope), and the last few section searches made in those snapshots, so
// that the words of a sentence, looked up one by one in the same file and section, neither
// check the file again nor search for the section again. Paths and section names are compared
// as the caller spelled them, byte for byte: equal spellings mean the same file and the same
// trimmed name. A remembered section points into a snapshot that the memo itself keeps alive,
// and files are only ever added within a scope, so it cannot dangle. Everything is let go when
// the outermost scope closes.
#pragma once

#include <sys/stat.h>

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/posix/profile_parse.h"

namespace qml::os::posix {

// ---- the file on disk --------------------------------------------------------------------------

// What stat says of a file that changes when the file is edited, replaced or renamed over.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t mtimeNs = 0;
    std::int64_t ctimeNs = 0;

    static FileStamp Of(const struct stat& st);
    bool operator==(const FileStamp& other) const;
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// Makes every stamp report file times rounded down to a multiple of granularityNs, as file
// systems with coarse times (whole seconds, two seconds) do; 1 (the default) keeps them as
// they are. Lets tests produce the equal stamps of quick same-size edits on any machine.
void SetFileTimeGranularityForTesting(std::int64_t granularityNs);

// The largest profile file read; a larger one counts as unreadable.
constexpr std::int64_t kMaxProfileFileBytes = std::int64_t{256} << 20;

struct FileRead {
    std::string bytes;         // empty when sameAsKnown
    bool sameAsKnown = false;  // the content equals the known bytes the read was given
    FileStamp stamp;
    std::int64_t readStartNs = 0;        // wall clock just before the file was opened
    std::int64_t readStartSteadyNs = 0;  // the steady clock at the same moment
    std::int64_t readEndSteadyNs = 0;    // the steady clock once the stamp had been taken
    bool settled = true;                 // false when the file changed while it was being read
};

// The wall clock in nanoseconds, the clock file times are taken from.
std::int64_t WallClockNs();
// A clock that only moves forward, whatever is done to the wall clock.
std::int64_t SteadyClockNs();

// stat of a path: the stamp when it names a regular file, nothing otherwise (missing, a
// directory, a device, no permission to search its directories, a name too long).
std::optional<FileStamp> StatRegularFile(const char* nativePath);

// The whole content of a regular file, or nothing when it cannot be opened and read (or is
// not a regular file, or is larger than kMaxProfileFileBytes). Given the bytes it is known to
// have held (known), a content equal to them is compared as it is read and not kept: the read
// then reports sameAsKnown and allocates nothing.
std::optional<FileRead> ReadRegularFile(const char* nativePath, const std::string* known = nullptr);
inline std::optional<FileRead> ReadRegularFile(const std::string& nativePath) {
    return ReadRegularFile(nativePath.c_str());
}

// ---- the shared cache --------------------------------------------------------------------------

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
    // The snapshot the lease owns (empty when the open call scope keeps it), handed over.
    ProfileSnapshot ReleaseOwned() { return std::move(m_owned); }

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

// ---- the call scope's memo ---------------------------------------------------------------------

class CallScopeMemo;

namespace scope_detail {
// The memo while a scope is open on this thread. A plain pointer: reading it costs no
// initialisation check, as a thread-local object with a constructor would at every use.
inline thread_local CallScopeMemo* t_open = nullptr;
}  // namespace scope_detail

class CallScopeMemo {
  public:
    static constexpr std::uint32_t kNone = UINT32_MAX;
    static constexpr std::size_t kMaxFiles = 16;
    static constexpr std::size_t kMaxSections = 8;

    // The memo of the calling thread's open scope, or null when no scope is open (or the
    // thread is ending).
    static CallScopeMemo* OfThisThread() { return scope_detail::t_open; }

    // The slot of path, or kNone when this scope has not looked at it yet.
    std::uint32_t FindFile(const char* path);
    // Keeps the snapshot (null for a file that could not be read) for the rest of the scope;
    // its slot, or kNone when the memo is full.
    std::uint32_t RememberFile(const char* path, ProfileSnapshot profile);
    const ProfileSnapshot& File(std::uint32_t slot) const { return m_files[slot].profile; }

    // An earlier section search of this scope with the same file and section arguments: true
    // and the snapshot (null for a missing file) and the section found (null for none), or
    // false when there was none.
    bool FindSection(const char* path, const char* app, const ParsedProfile*& profile,
                     const ProfileSection*& section) {
        // The last search first: a sentence's words are looked up in the same section.
        if (m_sectionCount == 0) return false;
        const RememberedSection& last = m_sections[m_lastSection];
        if (!Matches(last, path, app)) return FindOtherSection(path, app, profile, section);
        profile = last.profile;
        section = last.section;
        return true;
    }
    // Remembers the search for app in the snapshot of a slot this scope holds.
    void RememberSection(std::uint32_t file, const char* app, const ProfileSection* section);

    // Opening and closing of ProfileCallScope objects on this thread.
    static void OpenScope() noexcept;
    static void CloseScope() noexcept;

  private:
    struct RememberedFile {
        std::string path;
        ProfileSnapshot profile;
    };
    struct RememberedSection {
        std::string app;
        const std::string* path = nullptr;  // of the file's slot; null: matches nothing
        const ParsedProfile* profile = nullptr;
        const ProfileSection* section = nullptr;
    };

    static bool Matches(const RememberedSection& memo, const char* path, const char* app) {
        return memo.path && std::strcmp(memo.app.c_str(), app) == 0 &&
               std::strcmp(memo.path->c_str(), path) == 0;
    }
    bool FindOtherSection(const char* path, const char* app, const ParsedProfile*& profile,
                          const ProfileSection*& section);
    void Clear() noexcept;

    std::array<RememberedFile, kMaxFiles> m_files;
    std::uint32_t m_fileCount = 0;
    std::uint32_t m_lastFile = 0;
    std::array<RememberedSection, kMaxSections> m_sections;
    std::uint32_t m_sectionCount = 0;
    std::uint32_t m_nextSection = 0;  // the one replaced next once all are in use
    std::uint32_t m_lastSection = 0;
};

// ---- one section of a file, as a lookup sees it ------------------------------------------------

// A file named without any directory is one the system looks for in its own Windows directory,
// absent here: it is never found.
inline bool HasDirectory(const char* path) {
    return std::strchr(path, '/') || std::strchr(path, '\\');
}

// The part of FindProfileSection below that the call scope did not answer: leases the file,
// searches the section and remembers the search in memo (the open scope's, or null).
void LeaseProfileSection(const char* path, const char* app, CallScopeMemo* memo, ProfileLease& lease,
                         const ParsedProfile*& profile, const ProfileSection*& section);

// The section app (as the caller spelled it) of the file at path, for a lookup by the value
// reader or a section reader: inside a call scope an earlier search of the same arguments
// answers, else the file is leased (lease keeps it alive when no scope does) and the section
// searched and remembered. profile is null for a missing file, section for a missing section.
// Inline: every word of a sentence takes this step, and the scope usually answers it.
inline void FindProfileSection(const char* path, const char* app, ProfileLease& lease,
                               const ParsedProfile*& profile, const ProfileSection*& section) {
    CallScopeMemo* memo = CallScopeMemo::OfThisThread();
    if (memo && memo->FindSection(path, app, profile, section)) return;
    LeaseProfileSection(path, app, memo, lease, profile, section);
}

}  // namespace qml::os::posix
