#include "platform/posix/profile_cache.h"

#include <algorithm>
#include <atomic>
#include <cstring>
#include <ctime>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/posix/profile_call_scope.h"
#include "platform/posix/profile_file.h"

namespace qml::posix {

namespace {

// A parsed file together with what tells whether it still is the file on disk.
struct Snapshot {
    ProfileSnapshot profile;
    FileStamp stamp;
    std::int64_t readStartNs = 0;
    bool settled = true;

    // True while an equal stamp does not prove equal content.
    bool NeedsContentCheck() const {
        if (!settled) return true;
        std::int64_t lastChange = std::max(stamp.mtimeNs, stamp.ctimeNs);
        return lastChange > readStartNs - kRacyMarginNs;
    }
};

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

class ProfileCache {
  public:
    ProfileSnapshot Validate(const char* path);
    ProfileCacheStats Stats();

  private:
    struct Entry {
        std::string nativePath;
        std::shared_ptr<const Snapshot> snapshot;
        std::size_t cost = 0;
        std::atomic<std::int64_t> lastUse{0};
    };

    Entry* FindLocked(std::string_view nativePath);
    void Publish(std::string_view nativePath, std::shared_ptr<const Snapshot> snapshot);
    void Forget(std::string_view nativePath);
    void EvictFor(const Entry* keep);

    std::shared_mutex m_lock;
    // At most kMaxCachedFiles (and one more while a new file is being added): a short list
    // searched in order is faster than hashing the path.
    std::vector<std::unique_ptr<Entry>> m_entries;
    std::size_t m_bytes = 0;
    std::atomic<std::uint64_t> m_reads{0};
    std::atomic<std::uint64_t> m_parses{0};
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

ProfileSnapshot ProfileCache::Validate(const char* path) {
    ++t_fileChecks;
    NativePathBuffer native(path);
    std::optional<FileStamp> stamp = StatRegularFile(native.c_str());
    if (!stamp) {
        Forget(native.view());
        return nullptr;
    }
    std::shared_ptr<const Snapshot> current;
    {
        std::shared_lock<std::shared_mutex> lock(m_lock);
        if (Entry* entry = FindLocked(native.view())) {
            // The recency is only approximate: refreshing it only when the coarse clock has
            // moved keeps concurrent readers from writing the same cache line at every check.
            std::int64_t now = RecencyNs();
            if (now != entry->lastUse.load(std::memory_order_relaxed))
                entry->lastUse.store(now, std::memory_order_relaxed);
            const Snapshot& cached = *entry->snapshot;
            if (cached.stamp == *stamp && !cached.NeedsContentCheck()) return cached.profile;
            current = entry->snapshot;
        }
    }

    std::optional<FileRead> read = ReadRegularFile(native.c_str());
    m_reads.fetch_add(1, std::memory_order_relaxed);
    if (!read) {
        Forget(native.view());
        return nullptr;
    }
    auto snapshot = std::make_shared<Snapshot>();
    if (current && current->profile->Bytes() == read->bytes) {
        snapshot->profile = current->profile;
    } else {
        snapshot->profile = std::make_shared<ParsedProfile>(std::move(read->bytes));
        m_parses.fetch_add(1, std::memory_order_relaxed);
    }
    snapshot->stamp = read->stamp;
    snapshot->readStartNs = read->readStartNs;
    snapshot->settled = read->settled;
    ProfileSnapshot profile = snapshot->profile;
    Publish(native.view(), std::move(snapshot));
    return profile;
}

ProfileCache::Entry* ProfileCache::FindLocked(std::string_view nativePath) {
    for (const std::unique_ptr<Entry>& entry : m_entries)
        if (entry->nativePath == nativePath) return entry.get();
    return nullptr;
}

void ProfileCache::Publish(std::string_view nativePath, std::shared_ptr<const Snapshot> snapshot) {
    std::size_t cost = snapshot->profile->MemoryUse() + nativePath.size() + sizeof(Snapshot);
    if (cost > kMaxCachedBytes) {
        Forget(nativePath);
        return;
    }
    std::unique_lock<std::shared_mutex> lock(m_lock);
    Entry* entry = FindLocked(nativePath);
    if (entry) {
        // Two threads may have read the file at about the same time: keep the later read.
        if (entry->snapshot->readStartNs > snapshot->readStartNs) return;
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

void ProfileCache::EvictFor(const Entry* keep) {
    while (m_entries.size() > kMaxCachedFiles || m_bytes > kMaxCachedBytes) {
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->get() == keep) continue;
            if (oldest == m_entries.end() || (*it)->lastUse.load(std::memory_order_relaxed) <
                                                 (*oldest)->lastUse.load(std::memory_order_relaxed))
                oldest = it;
        }
        if (oldest == m_entries.end()) return;
        m_bytes -= (*oldest)->cost;
        m_entries.erase(oldest);
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

}  // namespace

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

}  // namespace qml::posix
