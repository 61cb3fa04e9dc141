#include "language/log_callback.h"

#include "language/language_state.h"

namespace qml {

bool HasLogCallback() {
    return State().logCallback != nullptr;
}

void SendLine(unsigned int level, const char* text) {
    MLLogCallback callback = State().logCallback;
    if (!callback) return;
    // The callback takes a writable format; it gets a copy of its own.
    char format[] = "%s";
    callback(level, format, text);
}

}  // namespace qml
