// The C interface of the POSIX host's window system (quorvel/window_system.h).
#if !defined(_WIN32)

#include "quorvel/multilanguage_c.h"
#include "quorvel/window_system.h"

namespace {

HWND Handle(qml_hwnd window) {
    return static_cast<HWND>(window);
}

}  // namespace

qml_hwnd qml_CreateWindow(const char* className, const char* text, qml_hwnd parent) {
    return quorvel::CreateWindow(className, text, Handle(parent));
}

int qml_DestroyWindow(qml_hwnd window) {
    return quorvel::DestroyWindow(Handle(window)) ? 1 : 0;
}

int qml_GetWindowText(qml_hwnd window, char* buffer, int maxCount) {
    return quorvel::GetWindowTextA(Handle(window), buffer, maxCount);
}

int qml_SetWindowText(qml_hwnd window, const char* text) {
    return quorvel::SetWindowTextA(Handle(window), text);
}

intptr_t qml_SendMessage(qml_hwnd window, unsigned int message, uintptr_t wParam, intptr_t lParam) {
    return quorvel::SendMessageA(Handle(window), message, wParam, lParam);
}

void qml_SetMessageBoxPresenter(qml_message_box_presenter presenter, void* context) {
    if (!presenter) {
        quorvel::SetMessageBoxPresenter(nullptr);
        return;
    }
    quorvel::SetMessageBoxPresenter([presenter, context](const quorvel::MessageBoxRequest& request) {
        return presenter(request.box, request.owner, request.caption.c_str(), request.text.c_str(),
                         request.style, context);
    });
}

void qml_SetApplicationName(const char* name) {
    quorvel::SetApplicationName(name);
}

#endif
