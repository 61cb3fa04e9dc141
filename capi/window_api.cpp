// The C interface of window localisation and message boxes: window handles in place of the
// framework's window objects.
#include "quorvel/multilanguage.h"
#include "quorvel/multilanguage_c.h"

namespace {

HWND Handle(qml_hwnd window) {
    return static_cast<HWND>(window);
}

}  // namespace

void qml_UpdateWndLanguage(qml_hwnd window) {
    CWnd object(Handle(window));
    UpdateWndLanguage(window ? &object : nullptr);
}

void qml_ComboBoxTanslate(qml_hwnd comboBox) {
    CComboBox box(Handle(comboBox));
    ComboBoxTanslate(box);
}

int qml_MsgBoxML(qml_hwnd parent, const char* caption, unsigned int style, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int result = qml_MsgBoxMLV(parent, caption, style, format, args);
    va_end(args);
    return result;
}

int qml_MsgBoxMLV(qml_hwnd parent, const char* caption, unsigned int style, const char* format,
                  va_list args) {
    // The parent-window callback sees the parent's handle again; a null parent stays null.
    CWnd object(Handle(parent));
    return MsgBoxMLV(parent ? &object : nullptr, caption, style, format, args);
}

int qml_CloseMsgBoxML(int buttonId) {
    return CloseMsgBoxML(buttonId);
}
