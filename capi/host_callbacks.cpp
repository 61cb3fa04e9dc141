#include "capi/host_callbacks.h"

#include <atomic>
#include <string>
#include <type_traits>

#include "capi/formatted_text.h"
#include "language/language_encoding.h"

namespace qml::capi {

namespace {

// The C host's callbacks, behind the C++ callbacks that the language state keeps. Each is a
// single value the host sets from any thread. Constant-initialised and never destroyed.
struct HostCallbacks {
    std::atomic<qml_log_callback> log{nullptr};
    std::atomic<qml_log_callback> utf8Log{nullptr};
    std::atomic<qml_parent_window_callback> parentWindow{nullptr};
};
static_assert(std::is_trivially_destructible_v<HostCallbacks>);

HostCallbacks g_callbacks;

// The library hands its callback finished texts under a format of "%s" conversions; the C
// callback gets the one line they make.
void RelayLog(unsigned int level, char* format, ...) {
    const qml_log_callback callback = g_callbacks.log.load();
    if (!callback || !format) return;
    va_list args;
    va_start(args, format);
    const std::string line = FormatText(format, args);
    va_end(args);
    callback(level, line.c_str());
}

void RelayUtf8Log(unsigned int level, char* format, ...) {
    const qml_log_callback callback = g_callbacks.utf8Log.load();
    if (!callback || !format) return;
    va_list args;
    va_start(args, format);
    const std::string line = FormatText(format, args);
    va_end(args);
    callback(level, LanguageEncoding().ToUtf8(line).c_str());
}

HWND RelayParentWindow(CWnd* parent) {
    const qml_parent_window_callback callback = g_callbacks.parentWindow.load();
    if (!callback) return nullptr;
    return static_cast<HWND>(callback(parent ? parent->GetSafeHwnd() : nullptr));
}

}  // namespace

MLLogCallback RelayLogTo(qml_log_callback callback, bool utf8) {
    if (!callback) return nullptr;
    (utf8 ? g_callbacks.utf8Log : g_callbacks.log).store(callback);
    return utf8 ? RelayUtf8Log : RelayLog;
}

MLParentWndCallback RelayParentWindowTo(qml_parent_window_callback callback) {
    if (!callback) return nullptr;
    g_callbacks.parentWindow.store(callback);
    return RelayParentWindow;
}

}  // namespace qml::capi
