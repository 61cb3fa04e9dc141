// The C host's callbacks behind the C++ callback types that the language state keeps.
#pragma once

#include "quorvel/multilanguage.h"
#include "quorvel/multilanguage_c.h"

namespace qml::capi {

// Keeps the C log callback (lines in the language's code page, or in UTF-8) and returns the
// relay to register in its place; null for a null callback.
MLLogCallback RelayLogTo(qml_log_callback callback, bool utf8);

// Keeps the C parent-window callback and returns the relay to register; null for null.
MLParentWndCallback RelayParentWindowTo(qml_parent_window_callback callback);

}  // namespace qml::capi
