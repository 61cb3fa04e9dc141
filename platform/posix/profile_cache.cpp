#include "platform/posix/profile_cache.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/posix/path.h"
#include "platform/posix/profile_file.h"
#include "platform/profile_scope.h"

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

class ProfileCache {
  public:
    ProfileSnapshot Validate(const std::string& nativePath);
    ProfileCacheStats Stats();

  private:
    struct Entry {
        std::shared_ptr<const Snapshot> snapshot;
        std::size_t cost = 0;
        std::atomic<std::int64_t> lastUse{0};
    };

    std::shared_ptr<const Snapshot> Find(const std::string& nativePath);
    void Publish(const std::string& nativePath, std::shared_ptr<const Snapshot> snapshot);
    void Forget(const std::string& nativePath);
    void EvictFor(const std::string& keep);

    std::shared_mutex m_lock;
    std::unordered_map<std::string, Entry> m_entries;
    std::size_t m_bytes = 0;
    std::atomic<std::uint64_t> m_reads{0};
    std::atomic<std::uint64_t> m_parses{0};
};

ProfileCache& Cache() {
    // Never destroyed: lookups from other threads or from static destructors may outlive
    // any destruction order.
    static ProfileCache* cache = new ProfileCache;
    return *cache;
}

thread_local std::uint64_t t_fileChecks = 0;

// The files this thread has checked inside its current ProfileCallScope.
struct CallScopeState {
    static constexpr std::size_t kMaxFiles = 16;
    int depth = 0;
    std::vector<std::pair<std::string, ProfileSnapshot>> checked;
};
thread_local CallScopeState t_scope;

ProfileSnapshot ProfileCache::Validate(const std::string& nativePath) {
    ++t_fileChecks;
    std::optional<FileStamp> stamp = StatRegularFile(nativePath);
    if (!stamp) {
        Forget(nativePath);
        return nullptr;
    }
    std::shared_ptr<const Snapshot> current = Find(nativePath);
    if (current && current->stamp == *stamp && !current->NeedsContentCheck()) return current->profile;

    std::optional<FileRead> read = ReadRegularFile(nativePath);
    m_reads.fetch_add(1, std::memory_order_relaxed);
    if (!read) {
        Forget(nativePath);
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
    Publish(nativePath, std::move(snapshot));
    return profile;
}

std::shared_ptr<const Snapshot> ProfileCache::Find(const std::string& nativePath) {
    std::shared_lock<std::shared_mutex> lock(m_lock);
    auto it = m_entries.find(nativePath);
    if (it == m_entries.end()) return nullptr;
    // The recency is only approximate: refreshing it only when the coarse clock has moved
    // keeps concurrent readers from writing the same cache line at every lookup.
    std::int64_t now = RecencyNs();
    if (now != it->second.lastUse.load(std::memory_order_relaxed))
        it->second.lastUse.store(now, std::memory_order_relaxed);
    return it->second.snapshot;
}

void ProfileCache::Publish(const std::string& nativePath, std::shared_ptr<const Snapshot> snapshot) {
    std::size_t cost = snapshot->profile->MemoryUse() + nativePath.size() + sizeof(Snapshot);
    if (cost > kMaxCachedBytes) {
        Forget(nativePath);
        return;
    }
    std::unique_lock<std::shared_mutex> lock(m_lock);
    auto [it, inserted] = m_entries.try_emplace(nativePath);
    Entry& entry = it->second;
    // Two threads may have read the file at about the same time: keep the later read.
    if (!inserted && entry.snapshot->readStartNs > snapshot->readStartNs) return;
    // The same parse shared by two snapshots is counted once.
    if (!inserted && entry.snapshot->profile == snapshot->profile) cost = entry.cost;
    m_bytes = m_bytes - entry.cost + cost;
    entry.cost = cost;
    entry.snapshot = std::move(snapshot);
    entry.lastUse.store(RecencyNs(), std::memory_order_relaxed);
    EvictFor(nativePath);
}

void ProfileCache::EvictFor(const std::string& keep) {
    while (m_entries.size() > kMaxCachedFiles || m_bytes > kMaxCachedBytes) {
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->first == keep) continue;
            if (oldest == m_entries.end() || it->second.lastUse.load(std::memory_order_relaxed) <
                                                 oldest->second.lastUse.load(std::memory_order_relaxed))
                oldest = it;
        }
        if (oldest == m_entries.end()) return;
        m_bytes -= oldest->second.cost;
        m_entries.erase(oldest);
    }
}

void ProfileCache::Forget(const std::string& nativePath) {
    {
        std::shared_lock<std::shared_mutex> lock(m_lock);
        if (m_entries.find(nativePath) == m_entries.end()) return;
    }
    std::unique_lock<std::shared_mutex> lock(m_lock);
    auto it = m_entries.find(nativePath);
    if (it == m_entries.end()) return;
    m_bytes -= it->second.cost;
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

ProfileSnapshot AcquireProfile(const char* path) {
    if (!path || !*path) return nullptr;
    std::string_view raw(path);
    if (t_scope.depth > 0)
        for (const auto& [checkedPath, profile] : t_scope.checked)
            if (checkedPath == raw) return profile;
    ProfileSnapshot profile = Cache().Validate(NativePath(path));
    if (t_scope.depth > 0 && t_scope.checked.size() < CallScopeState::kMaxFiles)
        t_scope.checked.emplace_back(std::string(raw), profile);
    return profile;
}

ProfileCacheStats GetProfileCacheStats() {
    return Cache().Stats();
}

std::uint64_t ThisThreadFileChecks() {
    return t_fileChecks;
}

}  // namespace qml::posix

namespace qml::os {

ProfileCallScope::ProfileCallScope() noexcept {
    ++posix::t_scope.depth;
}

ProfileCallScope::~ProfileCallScope() {
    if (--posix::t_scope.depth == 0) posix::t_scope.checked.clear();
}

}  // namespace qml::os
