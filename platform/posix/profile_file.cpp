#include "platform/posix/profile_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <ctime>

namespace qml::posix {

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

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

  private:
    int m_fd;
};

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
    FileDescriptor fd(::open(nativePath, O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
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

}  // namespace qml::posix
