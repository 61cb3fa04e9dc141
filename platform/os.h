// The platform contract: every operating-system service the library uses, in one place.
//
// The library's logic calls these through qml::os with their Win32 names, argument orders and
// results. On Windows a name that the system has is the system's own (using ::X); the rest,
// and every body that calls the system, is in platform/win32/. On POSIX, platform/posix/
// stands in for each with the reference behaviour of the real one (platform/README.md lists
// what each stands for and where the two sides differ). A type whose storage differs per side
// takes its layout from one small header per side, included here; it holds no bodies.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "quorvel/wintypes.h"

#if defined(_WIN32)
#include <io.h>
#include <mbstring.h>
#include <stdio.h>
#include <string.h>

#include "platform/win32/os_layout.h"
#else
#include "platform/posix/os_layout.h"
#endif

namespace qml::os {

// ---- profile files (INI) -----------------------------------------------------------------------

// Reads key of section app from file into ret (at most size - 1 characters and a NUL), or def
// when there is none; returns the characters copied. A file that begins with the UTF-8 mark
// gives its names and values in UTF-8, as they stand.
DWORD GetPrivateProfileStringA(LPCSTR app, LPCSTR key, LPCSTR def, LPSTR ret, DWORD size, LPCSTR file);

// One check of each profile file per exported call.
//
// Every lookup of the profile reader makes sure that it answers from the file as it is now:
// on POSIX the parsed file is kept in memory and checked (stat, and the content itself while
// the file is freshly written) before it is trusted. One exported call may make many lookups
// in the same file (a sentence is translated word by word, each word in up to three tries),
// and checking the file for each of them buys nothing: the caller cannot tell the order of its
// lookups from an edit made meanwhile.
//
// So an exported function opens a ProfileCallScope at its top. While at least one scope is
// alive on the calling thread (scopes nest; only the outermost one counts), each file is
// checked at its first lookup and every later lookup of the same path on this thread answers
// from that same snapshot, without touching the file system or the shared cache; the sections
// searched in it are remembered too, so a sentence's further words cost a key lookup. An edit
// made while the scope is alive is therefore not seen inside it; the first lookup after the
// outermost scope has closed sees it. Outside any scope every lookup checks the file. A scope
// belongs to its thread: other threads are not affected, and a scope must be destroyed on the
// thread that created it (use it as a local variable only).
//
// On Windows the system's reader reads the file at each call and the scope does nothing.
class ProfileCallScope {
  public:
    ProfileCallScope() noexcept;
    ~ProfileCallScope();
    ProfileCallScope(const ProfileCallScope&) = delete;
    ProfileCallScope& operator=(const ProfileCallScope&) = delete;
};

// One section of a profile file, found once and then asked for many keys.
//
// The translators look up every word of a sentence in the same section of the same file.
// Through GetPrivateProfileStringA each word would pay for finding the file and the section
// again and for a caller-sized buffer; a reader finds them once and gives each value as it
// stands in the file. Names are matched as the profile reader matches them (blanks around them
// ignored, ASCII case ignored). A reader belongs to its thread and checks the file once, when it
// is made (not at all when an open ProfileCallScope has checked it already): it answers from
// that snapshot for its lifetime, and an edit made meanwhile is seen by the first lookup after
// it. Inside a scope it must not outlive the scope.
class ProfileSectionReader {
  public:
    // A null or empty file, and a file or section that cannot be found, give a reader that
    // finds nothing.
    ProfileSectionReader(const char* file, const char* section);
    ProfileSectionReader(const ProfileSectionReader&) = delete;
    ProfileSectionReader& operator=(const ProfileSectionReader&) = delete;

    // True and the value of key when the section has the key with a value (possibly empty);
    // false for a missing key or a key without "=". The view stays valid until the next Find
    // or the end of the reader.
    bool Find(std::string_view key, std::string_view& value);

    // Whether the file begins with the UTF-8 byte-order mark: its names and values are UTF-8.
    // The reader serves them as they stand; converting them is its user's business.
    bool Utf8Marked() const { return m_utf8Marked; }

  private:
    bool m_utf8Marked = false;
    ProfileSectionReaderState m_state;  // each side's (os_layout.h)
};

// ---- registry, locale, last error ----------------------------------------------------------------

#if defined(_WIN32)
using ::GetLastError;
using ::GetUserDefaultLCID;
using ::RegCloseKey;
using ::RegOpenKeyExA;
using ::RegQueryValueExA;
using ::SetLastError;
#else
// The user's locale identifier, from LC_ALL, LC_MESSAGES or LANG.
LCID GetUserDefaultLCID();

// The calling thread's last system error.
DWORD GetLastError();
void SetLastError(DWORD code);

// The registry, over a profile-format file (QUORVEL_REGISTRY or
// $XDG_CONFIG_HOME/quorvel/registry.ini).
LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD options, REGSAM access, HKEY* result);
LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size);
LONG RegCloseKey(HKEY key);
#endif

// A human-readable text for a system error code, without a trailing line break; never empty.
std::string SystemErrorText(DWORD code);

// ---- code pages ----------------------------------------------------------------------------------

#if defined(_WIN32)
using ::LCMapStringA;
using ::MultiByteToWideChar;
#else
// Code page 936 only, and only the count: with a null destination and size 0, returns the
// number of UTF-16 units of the text (length -1: up to and including its NUL). Each
// double-byte pair and each other byte is one unit. Anything else returns 0 and sets
// ERROR_INVALID_PARAMETER.
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int length, LPWSTR wide, int wideSize);

// Locale 2052 with exactly one of LCMAP_SIMPLIFIED_CHINESE or LCMAP_TRADITIONAL_CHINESE:
// writes the text with every character replaced by its simplified (traditional) form in code
// page 936, one character for one, so the length is kept. Length -1 takes the text up to and
// including its NUL. A destination size of 0 asks for the size needed. Returns the bytes
// written, 0 on failure (other locales or flags, destination too small).
int LCMapStringA(LCID locale, DWORD flags, LPCSTR source, int sourceLength, LPSTR destination,
                 int destinationSize);
#endif

// The code page of the file system's names: on Windows the system's ANSI code page, on POSIX
// UTF-8 (names are bytes there).
inline constexpr UINT kFileSystemCodePage = 0;
inline constexpr UINT kUtf8CodePage = 65001;

// Whether the system converts between UTF-8 and the code page.
bool IsCodePageSupported(UINT codePage);

// Valid UTF-8 into the code page, appended to text: a character that the code page lacks
// becomes '?', never a look-alike. False, and nothing appended, for a code page the system
// cannot convert.
bool Utf8ToCodePage(UINT codePage, std::string_view utf8, std::string& text);

// A text of the code page into UTF-8, appended to utf8: bytes that are no character of the
// code page become U+FFFD. False, and nothing appended, for a code page the system cannot
// convert.
bool CodePageToUtf8(UINT codePage, std::string_view text, std::string& utf8);

// ---- C runtime extras, with their MSVC meaning ---------------------------------------------------

#if defined(_WIN32)
using ::_access;
using ::_stricmp;
using ::_strlwr;
using ::_strupr;
using ::_vsnprintf;
#else
// Formats at most count bytes into buffer. A text that fits with room for the NUL is
// terminated and its length returned; a cut text is NOT terminated and -1 is returned.
int _vsnprintf(char* buffer, std::size_t count, const char* format, va_list args);
// Change ASCII letters only, in place; return the text.
char* _strlwr(char* text);
char* _strupr(char* text);
// Compares ignoring the case of ASCII letters.
int _stricmp(const char* a, const char* b);
// 0 when the path exists (mode 0) or is accessible as asked, -1 otherwise. Backslashes of a
// Windows path are taken as separators.
int _access(const char* path, int mode);
#endif
// Compares byte strings as unsigned, double-byte characters as units.
int _mbscmp(const char* a, const char* b);

// ---- files -------------------------------------------------------------------------------------

// fopen with the path in its Windows form (backslashes are separators on POSIX too).
std::FILE* OpenFile(const char* path, const char* mode);

// The path in the form the system opens (on POSIX every backslash a slash). The library keeps
// and returns the Windows form; only open, access and create see this one.
std::string SystemPath(const char* path);

// What became of a request to create a file.
struct FileCreation {
    enum Outcome { kCreated, kExists, kFailed };
    Outcome outcome = kFailed;
    std::string reason;  // the system's text for the error when not created
};

// Creates the file at path (Windows form) holding exactly length bytes of data, whole or not at
// all: the bytes go to a temporary file of a fresh name in the same directory, which is then
// linked or moved to path without replacing anything. Whatever already stands at path (a file,
// a directory, a symbolic link, dangling or not) is never written or followed: kExists. A
// process killed during the call leaves at most a temporary file, never a cut file at path.
FileCreation CreateWholeFile(const char* path, const char* data, std::size_t length);

// ---- locks -------------------------------------------------------------------------------------

// A lock that is never destroyed: constant-initialised and free of any destructor, so it works
// before the library's first constructor has run and after its last destructor, for a host's
// exit handlers and static destructors and for threads still running while the process exits.
class PermanentLock {
  public:
    constexpr PermanentLock() noexcept = default;
    PermanentLock(const PermanentLock&) = delete;
    PermanentLock& operator=(const PermanentLock&) = delete;
    void lock() noexcept;
    void unlock() noexcept;

  private:
    PermanentLockState m_state;  // each side's (os_layout.h)
};

// ---- resources and the library's module ----------------------------------------------------------

// An integer resource name or type, as MAKEINTRESOURCEA makes it.
inline LPCSTR IntResource(unsigned short id) {
    return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(id));
}
// The resource type RT_RCDATA.
inline LPCSTR RcDataType() {
    return IntResource(10);
}

#if defined(_WIN32)
using ::FindResourceA;
using ::LoadResource;
using ::LockResource;
using ::SizeofResource;
#else
// The library's resources (the converter's code tables, linked into it) are found only through
// its own module handle (OwnModuleHandle); any other module, a missing id or another type gives
// null and sets the Win32 error.
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
void* LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);
#endif

// The handle of the module that holds this code (the library itself; on POSIX the base address
// of the shared library, or of the program when the library is linked statically).
HMODULE OwnModuleHandle();

// True where the system calls the library's entry point at load and unload (the Windows DLL,
// whose DllMain runs start-up and shutdown). False on POSIX, and on Windows where this code is
// linked into a program: no entry point runs there, and a static object of the library does
// the same work at the start and the end of the program.
bool StartedByEntryPoint();

// What the library keeps for the whole process (the host's application name, window objects,
// on POSIX the window system, the profile cache and the open registry keys) is never destroyed
// at process exit: a host's exit handlers and static destructors, and threads still running
// then, may call the library after its own destructors have run. It is freed only when the
// library is unloaded for good (dlclose, FreeLibrary), when no thread of the host is inside
// the library and none calls it again. ReleaseProcessStorage frees all of it.
void ReleaseProcessStorage();

// ---- application name --------------------------------------------------------------------------

// The name of the host application: what the host set, else the program's file name (on
// Windows without its extension). Empty when it cannot be told.
std::string GetApplicationName();

// The program's file name, each platform's own (on Windows without its extension).
std::string ProgramFileName();

// ---- windows -----------------------------------------------------------------------------------

#if defined(_WIN32)
using ::EnumChildWindows;
using ::FindWindowA;
using ::GetClassNameA;
using ::GetWindowTextA;
using ::GetWindowTextLengthA;
using ::IsWindow;
using ::IsWindowVisible;
using ::MessageBoxA;
using ::SendMessageA;
using ::SetWindowTextA;
#else
// Calls callback for every descendant of parent, depth first, each child before its own
// children, in creation order; a null parent walks the top-level windows. Windows destroyed
// during the walk are skipped, windows created during it are not visited. Stops when the
// callback returns FALSE (result FALSE).
BOOL EnumChildWindows(HWND parent, WNDENUMPROC callback, LPARAM value);

// Handles the message on the calling thread: WM_GETTEXT, WM_SETTEXT, WM_GETTEXTLENGTH, WM_CLOSE,
// WM_COMMAND and, for combo boxes, the CB_ messages. 0 and ERROR_INVALID_WINDOW_HANDLE for a
// handle that is no window; 0 for a message the window does not handle.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows a box through the host's presenter and blocks until it is closed; the id of the button
// that closed it, or 0 on failure.
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

// The newest live top-level window with the title (exact bytes) and class (any case); a null
// argument matches every window.
HWND FindWindowA(LPCSTR className, LPCSTR windowName);

BOOL IsWindow(HWND window);
// False for a handle that is no window and for a message box that has ended (hidden until
// MessageBoxA returns).
BOOL IsWindowVisible(HWND window);

// Copy at most maxCount - 1 bytes and a NUL, never half a double-byte character; the number of
// bytes copied.
int GetClassNameA(HWND window, LPSTR buffer, int maxCount);
int GetWindowTextA(HWND window, LPSTR buffer, int maxCount);

int GetWindowTextLengthA(HWND window);
BOOL SetWindowTextA(HWND window, LPCSTR text);
#endif

// Whether a handle names a window the library may still work on: not null, and not destroyed.
inline bool IsLiveWindow(HWND window) {
    return window != nullptr && IsWindow(window) != FALSE;
}

// The text of item index of a combo box: its length, or CB_ERR (text empty) for a bad index.
// On POSIX it is read in one step (so that no other thread can change the item between its
// length and its text).
int GetComboBoxItemText(HWND comboBox, int index, std::string& text);

// The shown top-level windows of the calling process whose title is exactly the text, the
// foremost (newest) first. Windows of other processes are passed over, so a caller can never
// reach another program's window; hidden ones too, such as a message box that has ended.
std::vector<HWND> FindOwnShownWindows(LPCSTR title);

// Whether a box sent WM_CLOSE is still shown once the request has taken effect. A dialog of
// the system answers WM_CLOSE by posting itself a Cancel command, so it ends a moment after
// the call returns, when its own thread handles that command: this waits for it (a short
// while at most, and not at all on the box's own thread, which cannot handle it meanwhile).
// The in-process window system of POSIX handles the request before the call returns.
bool StillShownAfterCloseRequest(HWND box);

}  // namespace qml::os
