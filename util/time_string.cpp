#include <ctime>

#include "util/shared_utility.h"

namespace qml {

unsigned long GetCurTimeString(char* buffer, long /*selector*/) {
    if (!buffer) return 0;
    std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    // 21 bytes hold the 19 characters of the stamp and the NUL with room to spare.
    return static_cast<unsigned long>(std::strftime(buffer, 21, "%Y-%m-%d %H:%M:%S", &local));
}

}  // namespace qml
