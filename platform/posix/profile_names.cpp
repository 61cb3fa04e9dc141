#include "platform/posix/profile_names.h"

#include <chrono>
#include <random>

namespace qml::posix {

NameHashSeeds DrawNameHashSeeds() {
    std::random_device device;
    auto draw = [&device] { return (static_cast<std::uint64_t>(device()) << 32) ^ device(); };
    // random_device may be deterministic on some platforms; the clock adds variety.
    auto clock = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    NameHashSeeds seeds;
    seeds.start = draw() ^ clock;
    seeds.data = draw() | 1;
    seeds.state = draw() | 1;
    return seeds;
}

}  // namespace qml::posix
