// A host built with UNICODE, as many Windows programs are: <windows.h> then turns the
// window-text members of CWnd into their ...W names. It links against the DLL, and the members
// reach the library's own. Exits 0 when every check holds.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "quorvel/multilanguage.h"

namespace {

int g_failures = 0;

void Check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "unicode host: %s\n", what);
        ++g_failures;
    }
}

}  // namespace

int main() {
    HWND window = ::CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    Check(window != nullptr, "no window");
    if (!window) return 1;
    Set_MultiLanguage_Para(QML_SOURCE_DIR "/examples/lang/", 3, nullptr, nullptr);  // French

    CWnd object(window);
    object.SetWindowText("Open");
    UpdateWndLanguage(&object);
    CString text;
    object.GetWindowText(text);
    Check(text == "Ouvrir", "the window's text read into a CString");
    char buffer[16] = {};
    Check(object.GetWindowText(buffer, sizeof buffer) == 6 && std::strcmp(buffer, "Ouvrir") == 0,
          "the window's text read into a buffer");
    Check(object.GetWindowTextLength() == 6, "the window's text length");
    ::DestroyWindow(window);

    std::printf("unicode host: %s\n", g_failures ? "failed" : "passed");
    return g_failures ? 1 : 0;
}
