#include "capi/host_callbacks.h"

#include <atomic>
#include <string>

#include "capi/formatted_text.h"
#include "language/language_encoding.h"

namespace qml::capi {

namespace {

std::atomic<qml_log_callback> g_logCallback{nullptr};
std::atomic<qml_log_callback> g_utf8LogCallback{nullptr};
std::atomic<qml_parent_window_callback> g_parentWindowCallback{nullptr};

// The library hands its callback finished texts under a format of "%s" conversions; the C
// callback gets the one line they make.
void RelayLog(unsigned int level, char* format, ...) {
    const qml_log_callback callback = g_logCallback.load();
    if (!callback || !format) return;
    va_list args;
    va_start(args, format);
    const std::string line = FormatText(format, args);
    va_end(args);
    callback(level, line.c_str());
}

void RelayUtf8Log(unsigned int level, char* format, ...) {
    const qml_log_callback callback = g_utf8LogCallback.load();
    if (!callback || !format) return;
    va_list args;
    va_start(args, format);
    const std::string line = FormatText(format, args);
    va_end(args);
    callback(level, LanguageEncoding().ToUtf8(line).c_str());
}

HWND RelayParentWindow(CWnd* parent) {
    const qml_parent_window_callback callback = g_parentWindowCallback.load();
    if (!callback) return nullptr;
    return static_cast<HWND>(callback(parent ? parent->GetSafeHwnd() : nullptr));
}

}  // namespace

MLLogCallback RelayLogTo(qml_log_callback callback, bool utf8) {
    if (!callback) return nullptr;
    (utf8 ? g_utf8LogCallback : g_logCallback).store(callback);
    return utf8 ? RelayUtf8Log : RelayLog;
}

MLParentWndCallback RelayParentWindowTo(qml_parent_window_callback callback) {
    if (!callback) return nullptr;
    g_parentWindowCallback.store(callback);
    return RelayParentWindow;
}

}  // namespace qml::capi
