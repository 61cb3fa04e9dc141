// Reading a profile file from disk together with the facts that tell later whether it may
// have changed: its stat stamp and the time it was read.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <optional>
#include <string>

namespace qml::posix {

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

}  // namespace qml::posix
