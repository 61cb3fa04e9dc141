// The texts of console.rc as the console shows them where there are no resources: the dialog
// built as windows and translated in place, menu items and strings through the caption
// translator, as on Windows after the resources are loaded.
#include <cstdio>

#include "console.h"
#include "quorvel/multilanguage.h"
#include "quorvel/window_system.h"

void ShowResources() {
    HWND about = quorvel::CreateWindow("#32770", "About Quorvel Console", nullptr);
    const struct {
        const char* className;
        const char* text;
    } controls[] = {
        {"Static", "Quorvel Console, version 1.0"}, {"Edit", ""},     {"Button", "Show at start-up"},
        {"SysDateTimePick32", "01/12/2026"},        {"Button", "OK"}, {"Button", "&Browse..."}};
    for (const auto& control : controls) quorvel::CreateWindow(control.className, control.text, about);
    UpdateWndLanguage(CWnd::FromHandle(about));
    quorvel::DestroyWindow(about);

    char text[256];
    for (const char* caption : {"&File", "&Open...\tCtrl+O", "E&xit", "&Call", "&Dial", "&Mute \"all\"",
                                "Ready", "{Line busy}, try again"})
        std::puts(GetMultiLngTextForUI(caption, text, sizeof text));
}
