#include "platform/posix/profile_names.h"

#include <chrono>
#include <random>

namespace qml::posix {

namespace {

std::uint64_t ProcessSeed() {
    static const std::uint64_t seed = [] {
        std::random_device device;
        std::uint64_t value = (static_cast<std::uint64_t>(device()) << 32) ^ device();
        // random_device may be deterministic on some platforms; the clock adds variety.
        value ^= static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
        return value | 1;
    }();
    return seed;
}

// The final mix of a 64-bit hash, so that the low bits used for table slots depend on every
// byte of the name.
std::uint64_t Mix(std::uint64_t h) {
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdULL;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53ULL;
    h ^= h >> 33;
    return h;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

std::uint64_t HashNoCase(std::string_view text, std::uint64_t scope) {
    std::uint64_t h = ProcessSeed() ^ Mix(scope + 0x9e3779b97f4a7c15ULL);
    for (char c : text) {
        h ^= static_cast<unsigned char>(AsciiLower(c));
        h *= 0x100000001b3ULL;
    }
    return Mix(h ^ text.size());
}

}  // namespace qml::posix
