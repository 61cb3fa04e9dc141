// Host code around the library's headers. With QML_TEST_FOREIGN_HEADERS the headers of X11,
// curses and libjpeg come first, with their BOOL, TRUE and FALSE, and the host writes the
// interface's names unqualified; with QML_NO_GLOBAL_NAMES the host has Win32 names of its own
// and spells the library's in its namespace.
#if defined(QML_TEST_FOREIGN_HEADERS)
#include <X11/Xmd.h>
#include <curses.h>
#include <stdio.h>
#include <jpeglib.h>
#elif defined(QML_NO_GLOBAL_NAMES)
// A ported program's own stand-ins, unlike the library's.
typedef unsigned long DWORD;
typedef long BOOL;
typedef void* HWND;
#define TRUE 1
#define MAX_PATH 4096
class CString {};
class CWnd {};
#endif

#include "quorvel/application_name.h"
#include "quorvel/lookup_observer.h"
#include "quorvel/multilanguage.h"
#include "quorvel/window_system.h"

#if defined(QML_TEST_FOREIGN_HEADERS)
static_assert(sizeof(BOOL) == 1, "X11's BOOL stays in force");
static_assert(TRUE == 1 && FALSE == 0, "the host's macros still stand");

int Host(CWnd* window, CComboBox& combo) {
    CString caption = GetConstSignificativeDesc("0", nullptr, 0);
    DWORD error = quorvel::GetLastError();
    HWND handle = window ? window->GetSafeHwnd() : nullptr;
    quorvel::BOOL shown = quorvel::IsWindow(handle);
    char path[MAX_PATH];
    GetMultiLngText_ByAutoPart(path, sizeof path, "Open %s", caption.GetString());
    UpdateWndLanguage(window);
    ComboBoxTanslate(combo);
    return MsgBoxML(window, "Caption", MB_YESNO, "%lu", static_cast<unsigned long>(error)) == IDYES && shown;
}
#else
static_assert(sizeof(DWORD) == sizeof(unsigned long), "the host's DWORD stays in force");

int Host(quorvel::CWnd* window, quorvel::CComboBox& combo) {
    quorvel::CString caption = GetConstSignificativeDesc("0", nullptr, 0);
    quorvel::DWORD error = quorvel::GetLastError();
    quorvel::HWND handle = window ? window->GetSafeHwnd() : nullptr;
    quorvel::BOOL shown = quorvel::IsWindow(handle);
    char path[MAX_PATH];
    GetMultiLngText_ByAutoPart(path, sizeof path, "Open %s", caption.GetString());
    UpdateWndLanguage(window);
    ComboBoxTanslate(combo);
    return MsgBoxML(window, "Caption", quorvel::MB_YESNO, "%lu", static_cast<unsigned long>(error)) ==
               quorvel::IDYES &&
           shown == TRUE;
}
#endif
