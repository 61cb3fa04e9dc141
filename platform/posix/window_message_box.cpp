// MessageBoxA: a top-level box window handed to the host's presenter; the call blocks until the
// presenter's answer or a message (from any thread) closes the box.
#include "platform/posix/window_system.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "platform/os.h"
#include "platform/process_storage.h"

namespace qml::os {

namespace posix {

namespace {

// The system reports a type it does not know with this code.
constexpr DWORD kErrorInvalidMessageBoxStyle = 1158;

std::vector<int> ButtonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OK:
            return {IDOK};
        case MB_OKCANCEL:
            return {IDOK, IDCANCEL};
        case MB_ABORTRETRYIGNORE:
            return {IDABORT, IDRETRY, IDIGNORE};
        case MB_YESNOCANCEL:
            return {IDYES, IDNO, IDCANCEL};
        case MB_YESNO:
            return {IDYES, IDNO};
        case MB_RETRYCANCEL:
            return {IDRETRY, IDCANCEL};
        case MB_CANCELTRYCONTINUE:
            return {IDCANCEL, IDTRYAGAIN, IDCONTINUE};
        default:
            return {};
    }
}

// MB_DEFBUTTONn names the n-th button; one the box does not have falls back to the first.
int DefaultButton(const std::vector<int>& buttons, UINT type) {
    std::size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons.front();
}

bool HasButton(const std::vector<int>& buttons, int id) {
    return std::find(buttons.begin(), buttons.end(), id) != buttons.end();
}

const char* ButtonLabel(int id) {
    switch (id) {
        case IDOK:
            return "OK";
        case IDCANCEL:
            return "Cancel";
        case IDABORT:
            return "Abort";
        case IDRETRY:
            return "Retry";
        case IDIGNORE:
            return "Ignore";
        case IDYES:
            return "Yes";
        case IDNO:
            return "No";
        case IDTRYAGAIN:
            return "Try Again";
        case IDCONTINUE:
            return "Continue";
        default:
            return "?";
    }
}

// Without a presenter of the host: the box on standard error, answered with its default button.
int PresentOnStandardError(const quorvel::MessageBoxRequest& request) {
    int answer = DefaultButton(request.buttons, request.style);
    std::string shown = "[" + request.caption + "]\n" + request.text + "\n";
    for (int id : request.buttons) {
        bool chosen = id == answer;
        shown += chosen ? "<" : " ";
        shown += ButtonLabel(id);
        shown += chosen ? "> " : "  ";
    }
    shown += "-> ";
    shown += ButtonLabel(answer);
    shown += "\n";
    std::fputs(shown.c_str(), stderr);
    std::fflush(stderr);
    return answer;
}

int Present(const quorvel::MessageBoxRequest& request) {
    quorvel::MessageBoxPresenter presenter;
    {
        ProcessStorage& storage = Storage();
        std::lock_guard<PermanentLock> hold(storage.presenterLock);
        presenter = storage.presenter;
    }
    return presenter ? presenter(request) : PresentOnStandardError(request);
}

}  // namespace

int MessageBoxCloseResult(const MessageBoxState& box, UINT message, WPARAM wParam) {
    if (message == WM_CLOSE) {
        if (HasButton(box.buttons, IDCANCEL)) return IDCANCEL;
        if (box.buttons.size() == 1 && box.buttons.front() == IDOK) return IDOK;
        return 0;
    }
    if (message == WM_COMMAND) {
        int id = static_cast<int>(wParam & 0xFFFF);
        return HasButton(box.buttons, id) ? id : 0;
    }
    return 0;
}

}  // namespace posix

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    std::vector<int> buttons = posix::ButtonsOf(type);
    if (buttons.empty()) {
        SetLastError(posix::kErrorInvalidMessageBoxStyle);
        return 0;
    }
    auto state = std::make_shared<posix::MessageBoxState>();
    state->buttons = buttons;
    quorvel::MessageBoxRequest request{nullptr,          owner, caption ? caption : "Error",
                                       text ? text : "", type,  buttons};

    posix::WindowTable& table = posix::WindowTable::Instance();
    {
        auto lock = table.Lock();
        if (owner && !table.FindLive(owner)) return 0;
        request.box = table.CreateMessageBox(request.caption, owner, state);
    }

    // The presenter runs unlocked: it may send messages to the box, or hand it to another thread.
    int answer = 0;
    bool presenterFailed = false;
    try {
        answer = posix::Present(request);
    } catch (...) {
        presenterFailed = true;
    }

    auto lock = table.Lock();
    if (!state->closed && (presenterFailed || answer != 0)) {
        if (presenterFailed || !posix::HasButton(buttons, answer)) {
            presenterFailed = true;
            answer = 0;
        }
        table.EndMessageBox(request.box, answer);
    }
    state->closedSignal.wait(lock, [&state] { return state->closed; });
    // The modal loop is over: the box, hidden since it ended, goes now.
    table.Destroy(request.box);
    if (state->result == 0)
        SetLastError(presenterFailed ? ERROR_INVALID_PARAMETER : ERROR_INVALID_WINDOW_HANDLE);
    return state->result;
}

}  // namespace qml::os
