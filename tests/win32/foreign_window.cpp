#include "foreign_window.h"

#include <gtest/gtest.h>

#include <vector>

namespace qml_test {

namespace {

std::string EventName(const char* role) {
    return "QuorvelTest-" + std::to_string(::GetCurrentProcessId()) + "-" + role;
}

}  // namespace

ForeignWindow::ForeignWindow(const std::string& title) {
    const std::string ready = EventName("ready");
    const std::string stop = EventName("stop");
    HANDLE readyEvent = ::CreateEventA(nullptr, TRUE, FALSE, ready.c_str());
    m_stop = ::CreateEventA(nullptr, TRUE, FALSE, stop.c_str());
    char program[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string command =
        std::string("\"") + program + "\" --foreign-window \"" + title + "\" " + ready + " " + stop;
    std::vector<char> commandLine(command.begin(), command.end());
    commandLine.push_back('\0');
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    if (!::CreateProcessA(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &m_process)) {
        ADD_FAILURE() << "the other process did not start: " << ::GetLastError();
    } else if (::WaitForSingleObject(readyEvent, 30000) != WAIT_OBJECT_0) {
        ADD_FAILURE() << "the other process showed no window";
    } else {
        // Its window, found by title among the windows of that process.
        HWND window = nullptr;
        while ((window = ::FindWindowExA(nullptr, window, nullptr, title.c_str())) != nullptr) {
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == m_process.dwProcessId) break;
        }
        m_window = window;
    }
    ::CloseHandle(readyEvent);
}

ForeignWindow::~ForeignWindow() {
    ::SetEvent(m_stop);
    if (m_process.hProcess) {
        if (::WaitForSingleObject(m_process.hProcess, 30000) != WAIT_OBJECT_0)
            ::TerminateProcess(m_process.hProcess, 1);
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
    ::CloseHandle(m_stop);
}

int RunForeignWindow(const char* title, const char* readyEvent, const char* stopEvent) {
    HANDLE ready = ::OpenEventA(EVENT_MODIFY_STATE, FALSE, readyEvent);
    HANDLE stop = ::OpenEventA(SYNCHRONIZE, FALSE, stopEvent);
    if (!ready || !stop) return 2;
    HWND window = ::CreateWindowExA(0, "Static", title, WS_OVERLAPPED, 0, 0, 100, 50, nullptr, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    if (!window) return 3;
    ::SetEvent(ready);
    // Serve messages sent to the window until told to stop, for a minute at most.
    for (int waited = 0; waited < 600; ++waited) {
        if (::MsgWaitForMultipleObjects(1, &stop, FALSE, 100, QS_ALLINPUT) == WAIT_OBJECT_0) break;
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
    }
    ::DestroyWindow(window);
    return 0;
}

}  // namespace qml_test
