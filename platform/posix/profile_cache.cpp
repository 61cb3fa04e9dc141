// The profile cache: files read with their stamps, the shared cache of their parses with its
// freshness check and budget, and the call scope's per-thread memo (profile_cache.h tells why
// each is as it is).
#include "platform/posix/profile_cache.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <ctime>
#include <mutex>
#include <new>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/os.h"
#include "platform/posix/descriptor.h"

namespace qml::os::posix {

// ---- the file on disk --------------------------------------------------------------------------

namespace {

std::atomic<std::int64_t> g_timeGranularityNs{1};

std::int64_t Coarse(std::int64_t timeNs) {
    std::int64_t granularity = g_timeGranularityNs.load(std::memory_order_relaxed);
    if (granularity <= 1) return timeNs;
    std::int64_t rest = timeNs % granularity;
    return timeNs - (rest < 0 ? rest + granularity : rest);
}

std::int64_t Nanoseconds(const struct timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}

// Reads to the end of the file into read.bytes; false on a read error or when more than
// kMaxProfileFileBytes bytes come. While what comes equals known, nothing is kept: the part
// that matched is copied from known at the first difference.
bool ReadAll(int fd, std::int64_t expected, const std::string* known, FileRead& read) {
    std::string& bytes = read.bytes;
    bytes.clear();
    bool matching = known && static_cast<std::int64_t>(known->size()) == expected;
    std::size_t matched = 0;
    if (!matching) bytes.reserve(static_cast<std::size_t>(expected) + 1);
    char chunk[65536];
    for (;;) {
        ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) break;
        std::size_t count = static_cast<std::size_t>(n);
        if (matching) {
            if (count <= known->size() - matched && std::memcmp(known->data() + matched, chunk, count) == 0) {
                matched += count;
                continue;
            }
            matching = false;
            bytes.reserve(std::max(static_cast<std::size_t>(expected), matched + count) + 1);
            bytes.assign(*known, 0, matched);
        }
        if (static_cast<std::int64_t>(bytes.size() + count) > kMaxProfileFileBytes) return false;
        bytes.append(chunk, count);
    }
    // A file cut short while it was read matched only a part of known.
    if (matching && matched != known->size()) {
        matching = false;
        bytes.assign(*known, 0, matched);
    }
    read.sameAsKnown = matching;
    return true;
}

}  // namespace

FileStamp FileStamp::Of(const struct stat& st) {
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::int64_t>(st.st_size);
    stamp.mtimeNs = Coarse(Nanoseconds(st.st_mtim));
    stamp.ctimeNs = Coarse(Nanoseconds(st.st_ctim));
    return stamp;
}

bool FileStamp::operator==(const FileStamp& other) const {
    return device == other.device && inode == other.inode && size == other.size && mtimeNs == other.mtimeNs &&
           ctimeNs == other.ctimeNs;
}

void SetFileTimeGranularityForTesting(std::int64_t granularityNs) {
    g_timeGranularityNs.store(granularityNs > 1 ? granularityNs : 1, std::memory_order_relaxed);
}

std::int64_t WallClockNs() {
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    return Nanoseconds(now);
}

std::int64_t SteadyClockNs() {
    struct timespec now;
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return Nanoseconds(now);
}

std::optional<FileStamp> StatRegularFile(const char* nativePath) {
    struct stat st;
    if (!nativePath || !*nativePath || ::stat(nativePath, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileStamp::Of(st);
}

std::optional<FileRead> ReadRegularFile(const char* nativePath, const std::string* known) {
    if (!nativePath || !*nativePath) return std::nullopt;
    FileRead read;
    read.readStartNs = WallClockNs();
    read.readStartSteadyNs = SteadyClockNs();
    // O_NONBLOCK: a path swapped for a FIFO after the caller's stat must not hang the open.
    Descriptor fd(::open(nativePath, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) return std::nullopt;
    struct stat before;
    if (::fstat(fd.get(), &before) != 0 || !S_ISREG(before.st_mode)) return std::nullopt;
    if (before.st_size > kMaxProfileFileBytes) return std::nullopt;
    if (!ReadAll(fd.get(), before.st_size, known, read)) return std::nullopt;
    struct stat after;
    if (::fstat(fd.get(), &after) != 0) return std::nullopt;
    read.readEndSteadyNs = SteadyClockNs();
    read.stamp = FileStamp::Of(after);
    std::size_t size = read.sameAsKnown ? known->size() : read.bytes.size();
    read.settled = FileStamp::Of(before) == read.stamp && static_cast<std::int64_t>(size) == read.stamp.size;
    return read;
}

// ---- the shared cache --------------------------------------------------------------------------

// A parsed file together with what tells whether it still is the file on disk.
struct ProfileCache::Snapshot {
    ProfileSnapshot profile;
    FileStamp stamp;
    std::int64_t readStartNs = 0;        // wall clock
    std::int64_t readStartSteadyNs = 0;  // steady clock, the same moment
    std::int64_t stampSeenSteadyNs = 0;  // steady clock, once this stamp had been seen first
    bool settled = true;

    // True while an equal stamp does not prove equal content. Every change of a file stamps
    // it with the file system's clock rounded down to its granularity (at most the margin),
    // so an equal stamp proves equal content once the content held was read more than a
    // margin after the file's last change: any later change then gets a later time. Either
    // clock below tells that:
    // - the wall clock, when the file's times lie more than a margin before the read began:
    //   a file written long ago is settled by its first read;
    // - the steady clock, when the read began more than a margin after this stamp was first
    //   seen, since the change that gave the stamp came before it was seen. This holds
    //   whatever the file's times say: a time in the future (or a wall clock set back) is an
    //   identity like any other, compared at every check, and its window closes a margin
    //   after it was first seen instead of staying open.
    bool NeedsContentCheck(std::int64_t racyMarginNs) const {
        if (!settled) return true;
        std::int64_t lastChange = std::max(stamp.mtimeNs, stamp.ctimeNs);
        if (lastChange <= readStartNs - racyMarginNs) return false;
        return readStartSteadyNs - stampSeenSteadyNs < racyMarginNs;
    }
};

struct ProfileCache::Entry {
    std::string nativePath;
    std::shared_ptr<const Snapshot> snapshot;
    std::size_t cost = 0;
    std::atomic<std::int64_t> lastUse{0};
};

namespace {

// A coarse monotonic clock (a few milliseconds of resolution) is all the recency needs, and
// reading it costs a fraction of the precise one.
std::int64_t RecencyNs() {
    struct timespec now;
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The path with every backslash turned into a slash, as the file system wants it, built on
// the stack for the usual lengths so that a check allocates nothing.
class NativePathBuffer {
  public:
    explicit NativePathBuffer(const char* path) {
        std::size_t length = std::strlen(path);
        char* out = m_small;
        if (length >= sizeof m_small) {
            m_large.resize(length);
            out = m_large.data();
        }
        for (std::size_t i = 0; i < length; ++i) out[i] = path[i] == '\\' ? '/' : path[i];
        out[length] = '\0';
        m_path = std::string_view(out, length);
    }
    NativePathBuffer(const NativePathBuffer&) = delete;
    NativePathBuffer& operator=(const NativePathBuffer&) = delete;

    const char* c_str() const { return m_path.data(); }
    std::string_view view() const { return m_path; }

  private:
    char m_small[1024];
    std::string m_large;
    std::string_view m_path;
};

ProfileCache*& CachePointer() {
    // Never destroyed at exit: lookups from other threads or from static destructors may
    // outlive any destruction order. Freed only when the library is unloaded.
    static ProfileCache* cache = new ProfileCache;
    return cache;
}

ProfileCache& Cache() {
    return *CachePointer();
}

thread_local std::uint64_t t_fileChecks = 0;

}  // namespace

ProfileCache::ProfileCache(ProfileCacheLimits limits) : m_limits(limits) {}

ProfileCache::~ProfileCache() = default;

// A read of a file in progress. Threads that find the same file changed wait for it rather
// than read and parse the file once each (a large file would otherwise be parsed and held
// once per thread); the waiting threads hold no lock of the cache.
struct ProfileCache::Loading {
    std::int64_t startSteadyNs = 0;  // before the read began
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    std::shared_ptr<const Snapshot> result;  // null when the file could not be read

    std::shared_ptr<const Snapshot> Wait() {
        std::unique_lock<std::mutex> guard(lock);
        finished.wait(guard, [this] { return done; });
        return result;
    }
};

// Ends the read a thread leads and hands its result to the waiting threads, also when the
// read throws (the result is then null: the file reads as missing, as for the leader).
class ProfileCache::LoadingLead {
  public:
    LoadingLead(ProfileCache& cache, std::shared_ptr<Loading> loading)
        : m_cache(cache), m_loading(std::move(loading)) {}
    ~LoadingLead() {
        {
            std::unique_lock<std::shared_mutex> lock(m_cache.m_lock);
            auto& loadings = m_cache.m_loadings;
            for (auto it = loadings.begin(); it != loadings.end(); ++it)
                if (it->second == m_loading) {
                    loadings.erase(it);
                    break;
                }
        }
        std::lock_guard<std::mutex> guard(m_loading->lock);
        m_loading->done = true;
        m_loading->result = std::move(m_result);
        m_loading->finished.notify_all();
    }
    LoadingLead(const LoadingLead&) = delete;
    LoadingLead& operator=(const LoadingLead&) = delete;

    void Finish(std::shared_ptr<const Snapshot> result) { m_result = std::move(result); }

  private:
    ProfileCache& m_cache;
    std::shared_ptr<Loading> m_loading;
    std::shared_ptr<const Snapshot> m_result;
};

ProfileSnapshot ProfileCache::Validate(const char* path) {
    ++t_fileChecks;
    NativePathBuffer native(path);
    std::optional<FileStamp> stamp = StatRegularFile(native.c_str());
    if (!stamp) {
        Forget(native.view());
        return nullptr;
    }
    {
        std::shared_lock<std::shared_mutex> lock(m_lock);
        if (Entry* entry = FindLocked(native.view())) {
            // The recency is only approximate: refreshing it only when the coarse clock has
            // moved keeps concurrent readers from writing the same cache line at every check.
            std::int64_t now = RecencyNs();
            if (now != entry->lastUse.load(std::memory_order_relaxed))
                entry->lastUse.store(now, std::memory_order_relaxed);
            const Snapshot& cached = *entry->snapshot;
            if (cached.stamp == *stamp && !cached.NeedsContentCheck(m_limits.racyMarginNs))
                return cached.profile;
        }
    }

    // The file has to be read. Another thread's read answers for this call too when it began
    // after this call needed it (it shows the file as it was during this call), or when it
    // gives the stamp seen above and its times prove the content. A read that began earlier
    // and does not is waited for once; then a later one is led or joined.
    std::int64_t neededSinceNs = SteadyClockNs();
    for (int attempt = 0;; ++attempt) {
        std::shared_ptr<Loading> loading;
        std::shared_ptr<const Snapshot> current;
        bool leads = attempt == 2;  // after two reads of others, read without waiting again
        {
            std::unique_lock<std::shared_mutex> lock(m_lock);
            if (Entry* entry = FindLocked(native.view())) current = entry->snapshot;
            // A read of another thread may have been published meanwhile.
            if (current && current->stamp == *stamp && !current->NeedsContentCheck(m_limits.racyMarginNs))
                return current->profile;
            if (!leads) {
                for (const auto& [loadingPath, inProgress] : m_loadings)
                    if (loadingPath == native.view()) loading = inProgress;
                if (!loading) {
                    loading = std::make_shared<Loading>();
                    loading->startSteadyNs = SteadyClockNs();
                    m_loadings.emplace_back(std::string(native.view()), loading);
                    leads = true;
                }
            }
        }
        if (leads) {
            std::optional<LoadingLead> lead;
            if (loading) lead.emplace(*this, loading);
            std::shared_ptr<const Snapshot> read =
                ReadAndPublish(native.c_str(), native.view(), current.get());
            if (lead) lead->Finish(read);
            return read ? read->profile : nullptr;
        }
        std::shared_ptr<const Snapshot> result = loading->Wait();
        if (loading->startSteadyNs >= neededSinceNs) return result ? result->profile : nullptr;
        if (result && result->stamp == *stamp && !result->NeedsContentCheck(m_limits.racyMarginNs))
            return result->profile;
    }
}

std::shared_ptr<const ProfileCache::Snapshot> ProfileCache::ReadAndPublish(const char* nativePath,
                                                                           std::string_view key,
                                                                           const Snapshot* current) {
    // Content equal to the cached one (a check within the racy window, or a file touched)
    // is compared as it is read and keeps its parse.
    std::optional<FileRead> read =
        ReadRegularFile(nativePath, current ? &current->profile->Bytes() : nullptr);
    m_reads.fetch_add(1, std::memory_order_relaxed);
    if (!read) {
        Forget(key);
        return nullptr;
    }
    auto snapshot = std::make_shared<Snapshot>();
    if (read->sameAsKnown) {
        snapshot->profile = current->profile;
    } else {
        snapshot->profile = std::make_shared<ParsedProfile>(std::move(read->bytes));
        m_parses.fetch_add(1, std::memory_order_relaxed);
    }
    snapshot->stamp = read->stamp;
    snapshot->readStartNs = read->readStartNs;
    snapshot->readStartSteadyNs = read->readStartSteadyNs;
    snapshot->stampSeenSteadyNs =
        current && current->stamp == read->stamp ? current->stampSeenSteadyNs : read->readEndSteadyNs;
    snapshot->settled = read->settled;
    Publish(key, snapshot);
    return snapshot;
}

ProfileCache::Entry* ProfileCache::FindLocked(std::string_view nativePath) {
    for (const std::unique_ptr<Entry>& entry : m_entries)
        if (entry->nativePath == nativePath) return entry.get();
    return nullptr;
}

void ProfileCache::Publish(std::string_view nativePath, std::shared_ptr<const Snapshot> snapshot) {
    std::size_t cost = snapshot->profile->MemoryUse() + nativePath.size() + sizeof(Snapshot);
    std::unique_lock<std::shared_mutex> lock(m_lock);
    Entry* entry = FindLocked(nativePath);
    if (entry) {
        // Two threads may have read the file at about the same time: keep the later read.
        if (entry->snapshot->readStartSteadyNs > snapshot->readStartSteadyNs) return;
        // The same parse shared by two snapshots is counted once.
        if (entry->snapshot->profile == snapshot->profile) cost = entry->cost;
    } else {
        auto added = std::make_unique<Entry>();
        added->nativePath = std::string(nativePath);
        entry = added.get();
        m_entries.push_back(std::move(added));
    }
    m_bytes = m_bytes - entry->cost + cost;
    entry->cost = cost;
    entry->snapshot = std::move(snapshot);
    entry->lastUse.store(RecencyNs(), std::memory_order_relaxed);
    EvictFor(entry);
}

// The byte budget holds every file but the largest: one file of any size (in practice the
// bound language file, the only large file a process reads) is kept beside it, so that a file
// larger than the budget is parsed once per change and not at every lookup. The least recently
// used file goes first; the file just used stays, and the largest goes only when no other is
// left to go. The cache thus holds at most the budget and one file.
void ProfileCache::EvictFor(const Entry* keep) {
    for (;;) {
        const Entry* largest = nullptr;
        for (const std::unique_ptr<Entry>& entry : m_entries)
            if (!largest || entry->cost > largest->cost) largest = entry.get();
        if (m_entries.size() <= m_limits.maxFiles &&
            (!largest || m_bytes - largest->cost <= m_limits.maxBytes))
            return;
        auto victim = m_entries.end();
        for (const Entry* spared : {largest, static_cast<const Entry*>(nullptr)}) {
            for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
                if (it->get() == keep || it->get() == spared) continue;
                if (victim == m_entries.end() || (*it)->lastUse.load(std::memory_order_relaxed) <
                                                     (*victim)->lastUse.load(std::memory_order_relaxed))
                    victim = it;
            }
            if (victim != m_entries.end()) break;
        }
        if (victim == m_entries.end()) return;
        m_bytes -= (*victim)->cost;
        m_entries.erase(victim);
    }
}

void ProfileCache::Forget(std::string_view nativePath) {
    {
        std::shared_lock<std::shared_mutex> lock(m_lock);
        if (!FindLocked(nativePath)) return;
    }
    std::unique_lock<std::shared_mutex> lock(m_lock);
    auto it = std::find_if(m_entries.begin(), m_entries.end(), [&](const std::unique_ptr<Entry>& entry) {
        return entry->nativePath == nativePath;
    });
    if (it == m_entries.end()) return;
    m_bytes -= (*it)->cost;
    m_entries.erase(it);
}

ProfileCacheStats ProfileCache::Stats() {
    std::shared_lock<std::shared_mutex> lock(m_lock);
    ProfileCacheStats stats;
    stats.files = m_entries.size();
    stats.bytes = m_bytes;
    stats.reads = m_reads.load(std::memory_order_relaxed);
    stats.parses = m_parses.load(std::memory_order_relaxed);
    return stats;
}

ProfileLease LeaseProfile(const char* path) {
    if (!path || !*path) return ProfileLease();
    CallScopeMemo* memo = CallScopeMemo::OfThisThread();
    if (!memo) return ProfileLease(Cache().Validate(path));
    std::uint32_t slot = memo->FindFile(path);
    if (slot == CallScopeMemo::kNone) {
        ProfileSnapshot profile = Cache().Validate(path);
        slot = memo->RememberFile(path, profile);
        if (slot == CallScopeMemo::kNone) return ProfileLease(std::move(profile));
    }
    return ProfileLease(memo->File(slot).get(), slot);
}

ProfileSnapshot AcquireProfile(const char* path) {
    if (!path || !*path) return nullptr;
    CallScopeMemo* memo = CallScopeMemo::OfThisThread();
    if (!memo) return Cache().Validate(path);
    std::uint32_t slot = memo->FindFile(path);
    if (slot != CallScopeMemo::kNone) return memo->File(slot);
    ProfileSnapshot profile = Cache().Validate(path);
    memo->RememberFile(path, profile);
    return profile;
}

void LeaseProfileSection(const char* path, const char* app, CallScopeMemo* memo, ProfileLease& lease,
                         const ParsedProfile*& profile, const ProfileSection*& section) {
    lease = HasDirectory(path) ? LeaseProfile(path) : ProfileLease();
    profile = lease.get();
    section = profile ? profile->FindSection(TrimBlanks(app)) : nullptr;
    if (memo && lease.ScopeSlot() != ProfileLease::kNoSlot)
        memo->RememberSection(lease.ScopeSlot(), app, section);
}

ProfileCacheStats GetProfileCacheStats() {
    return Cache().Stats();
}

std::uint64_t ThisThreadFileChecks() {
    return t_fileChecks;
}

void ReleaseProfileCache() {
    ProfileCache*& cache = CachePointer();
    delete cache;
    cache = nullptr;
}

// ---- the call scope's memo ---------------------------------------------------------------------

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

}  // namespace qml::os::posix

namespace qml::os {

ProfileCallScope::ProfileCallScope() noexcept {
    posix::CallScopeMemo::OpenScope();
}

ProfileCallScope::~ProfileCallScope() {
    posix::CallScopeMemo::CloseScope();
}

}  // namespace qml::os
