#include "quorvel/version.h"

// The library's own copy of the string, so a host that was built against other headers learns
// which library it loaded.
const char* qml_version() {
    return QUORVEL_ML_VERSION;
}
