// The Win32 types and constants that the interface names. On Windows they come from the
// system headers; on POSIX this header gives the same names with the same values in namespace
// quorvel, so that host code written against the Win32 interface compiles unchanged.
//
// Names in the global namespace (POSIX): by default every name below is also brought into the
// global namespace, except one that the host has already taken:
//   - TRUE, FALSE and MAX_PATH are left alone when they are macros (<curses.h>, <jpeglib.h>,
//     and many ported programs define them);
//   - BOOL and BYTE are left alone after <X11/Xmd.h>, whose types of these names stay in force.
// The host includes such headers before this one. A host that defines Win32 names of its own
// defines QML_NO_GLOBAL_NAMES before including any of the library's headers: then nothing of
// this header or of framework.h enters the global namespace and the host writes quorvel::DWORD,
// quorvel::CString, ... (or a using-declaration of its own). The handle tags (HWND__, ...) keep
// their global names, as the system's headers declare them, so that a handle type declared
// the same way elsewhere is the same type.
#pragma once

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// The same names under the library's namespace, for host code that spells them so on every
// platform.
namespace quorvel {
using ::BOOL;
using ::BYTE;
using ::CHAR;
using ::DWORD;
using ::HGLOBAL;
using ::HINSTANCE;
using ::HKEY;
using ::HMODULE;
using ::HRSRC;
using ::HWND;
using ::LCID;
using ::LONG;
using ::LPARAM;
using ::LPBYTE;
using ::LPCSTR;
using ::LPDWORD;
using ::LPSTR;
using ::LPWSTR;
using ::LRESULT;
using ::REGSAM;
using ::UINT;
using ::WNDENUMPROC;
using ::WORD;
using ::WPARAM;
}  // namespace quorvel
#else
#include <cstdint>

struct HWND__;
struct HKEY__;
struct HINSTANCE__;
struct HRSRC__;

#ifndef CALLBACK
#define CALLBACK
#endif
#ifndef WINAPI
#define WINAPI
#endif

namespace quorvel {

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned int UINT;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef DWORD LCID;
typedef DWORD REGSAM;
typedef DWORD* LPDWORD;
typedef BYTE* LPBYTE;
typedef char CHAR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef wchar_t* LPWSTR;
typedef void* HGLOBAL;

typedef ::HWND__* HWND;
typedef ::HKEY__* HKEY;
typedef ::HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef ::HRSRC__* HRSRC;

typedef BOOL (*WNDENUMPROC)(HWND, LPARAM);

// A macro of the same name stands for these (with the same values) where a host header has
// defined one.
#ifndef FALSE
constexpr BOOL FALSE = 0;
#endif
#ifndef TRUE
constexpr BOOL TRUE = 1;
#endif

// Window messages.
constexpr UINT WM_SETTEXT = 0x000C;
constexpr UINT WM_GETTEXT = 0x000D;
constexpr UINT WM_GETTEXTLENGTH = 0x000E;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_COMMAND = 0x0111;

// Combo-box messages and results.
constexpr UINT CB_ADDSTRING = 0x0143;
constexpr UINT CB_DELETESTRING = 0x0144;
constexpr UINT CB_GETCOUNT = 0x0146;
constexpr UINT CB_GETCURSEL = 0x0147;
constexpr UINT CB_GETLBTEXT = 0x0148;
constexpr UINT CB_GETLBTEXTLEN = 0x0149;
constexpr UINT CB_INSERTSTRING = 0x014A;
constexpr UINT CB_RESETCONTENT = 0x014B;
constexpr UINT CB_SETCURSEL = 0x014E;
constexpr int CB_OKAY = 0;
constexpr int CB_ERR = -1;
constexpr int CB_ERRSPACE = -2;

// Message-box styles.
constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_ABORTRETRYIGNORE = 0x2;
constexpr UINT MB_YESNOCANCEL = 0x3;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_RETRYCANCEL = 0x5;
constexpr UINT MB_CANCELTRYCONTINUE = 0x6;
constexpr UINT MB_TYPEMASK = 0xF;
constexpr UINT MB_ICONHAND = 0x10;
constexpr UINT MB_ICONERROR = 0x10;
constexpr UINT MB_ICONSTOP = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONWARNING = 0x30;
constexpr UINT MB_ICONASTERISK = 0x40;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr UINT MB_ICONMASK = 0xF0;
constexpr UINT MB_DEFBUTTON1 = 0x000;
constexpr UINT MB_DEFBUTTON2 = 0x100;
constexpr UINT MB_DEFBUTTON3 = 0x200;
constexpr UINT MB_DEFBUTTON4 = 0x300;
constexpr UINT MB_DEFMASK = 0xF00;

// Dialog-box command ids.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDTRYAGAIN = 10;
constexpr int IDCONTINUE = 11;

// Registry.
inline const HKEY HKEY_CLASSES_ROOT = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000000u));
inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u));
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u));
inline const HKEY HKEY_USERS = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000003u));
constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_DWORD = 4;

// System error codes.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_INVALID_FUNCTION = 1;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_MORE_DATA = 234;
constexpr DWORD ERROR_INVALID_WINDOW_HANDLE = 1400;
constexpr DWORD ERROR_RESOURCE_DATA_NOT_FOUND = 1812;
constexpr DWORD ERROR_RESOURCE_TYPE_NOT_FOUND = 1813;
constexpr DWORD ERROR_RESOURCE_NAME_NOT_FOUND = 1814;

// Locale mapping flags of LCMapStringA.
constexpr DWORD LCMAP_SIMPLIFIED_CHINESE = 0x02000000;
constexpr DWORD LCMAP_TRADITIONAL_CHINESE = 0x04000000;

#ifndef MAX_PATH
constexpr int MAX_PATH = 260;
#endif

}  // namespace quorvel

// ---- the same names in the global namespace ---------------------------------------------------
// The library's own sources are written with them and always get them.
#if !defined(QML_NO_GLOBAL_NAMES) || defined(QML_BUILDING_LIBRARY)
#if !defined(XMD_H)
using quorvel::BOOL;
using quorvel::BYTE;
#endif
#ifndef FALSE
using quorvel::FALSE;
#endif
#ifndef TRUE
using quorvel::TRUE;
#endif
#ifndef MAX_PATH
using quorvel::MAX_PATH;
#endif
using quorvel::CHAR;
using quorvel::DWORD;
using quorvel::HGLOBAL;
using quorvel::HINSTANCE;
using quorvel::HKEY;
using quorvel::HMODULE;
using quorvel::HRSRC;
using quorvel::HWND;
using quorvel::LCID;
using quorvel::LONG;
using quorvel::LPARAM;
using quorvel::LPBYTE;
using quorvel::LPCSTR;
using quorvel::LPDWORD;
using quorvel::LPSTR;
using quorvel::LPWSTR;
using quorvel::LRESULT;
using quorvel::REGSAM;
using quorvel::UINT;
using quorvel::WNDENUMPROC;
using quorvel::WORD;
using quorvel::WPARAM;

using quorvel::WM_CLOSE;
using quorvel::WM_COMMAND;
using quorvel::WM_GETTEXT;
using quorvel::WM_GETTEXTLENGTH;
using quorvel::WM_SETTEXT;

using quorvel::CB_ADDSTRING;
using quorvel::CB_DELETESTRING;
using quorvel::CB_ERR;
using quorvel::CB_ERRSPACE;
using quorvel::CB_GETCOUNT;
using quorvel::CB_GETCURSEL;
using quorvel::CB_GETLBTEXT;
using quorvel::CB_GETLBTEXTLEN;
using quorvel::CB_INSERTSTRING;
using quorvel::CB_OKAY;
using quorvel::CB_RESETCONTENT;
using quorvel::CB_SETCURSEL;

using quorvel::MB_ABORTRETRYIGNORE;
using quorvel::MB_CANCELTRYCONTINUE;
using quorvel::MB_DEFBUTTON1;
using quorvel::MB_DEFBUTTON2;
using quorvel::MB_DEFBUTTON3;
using quorvel::MB_DEFBUTTON4;
using quorvel::MB_DEFMASK;
using quorvel::MB_ICONASTERISK;
using quorvel::MB_ICONERROR;
using quorvel::MB_ICONEXCLAMATION;
using quorvel::MB_ICONHAND;
using quorvel::MB_ICONINFORMATION;
using quorvel::MB_ICONMASK;
using quorvel::MB_ICONQUESTION;
using quorvel::MB_ICONSTOP;
using quorvel::MB_ICONWARNING;
using quorvel::MB_OK;
using quorvel::MB_OKCANCEL;
using quorvel::MB_RETRYCANCEL;
using quorvel::MB_TYPEMASK;
using quorvel::MB_YESNO;
using quorvel::MB_YESNOCANCEL;

using quorvel::IDABORT;
using quorvel::IDCANCEL;
using quorvel::IDCONTINUE;
using quorvel::IDIGNORE;
using quorvel::IDNO;
using quorvel::IDOK;
using quorvel::IDRETRY;
using quorvel::IDTRYAGAIN;
using quorvel::IDYES;

using quorvel::HKEY_CLASSES_ROOT;
using quorvel::HKEY_CURRENT_USER;
using quorvel::HKEY_LOCAL_MACHINE;
using quorvel::HKEY_USERS;
using quorvel::KEY_ALL_ACCESS;
using quorvel::KEY_QUERY_VALUE;
using quorvel::KEY_READ;
using quorvel::KEY_SET_VALUE;
using quorvel::REG_DWORD;
using quorvel::REG_NONE;
using quorvel::REG_SZ;

using quorvel::ERROR_ACCESS_DENIED;
using quorvel::ERROR_FILE_NOT_FOUND;
using quorvel::ERROR_INSUFFICIENT_BUFFER;
using quorvel::ERROR_INVALID_FUNCTION;
using quorvel::ERROR_INVALID_HANDLE;
using quorvel::ERROR_INVALID_PARAMETER;
using quorvel::ERROR_INVALID_WINDOW_HANDLE;
using quorvel::ERROR_MORE_DATA;
using quorvel::ERROR_NOT_ENOUGH_MEMORY;
using quorvel::ERROR_PATH_NOT_FOUND;
using quorvel::ERROR_RESOURCE_DATA_NOT_FOUND;
using quorvel::ERROR_RESOURCE_NAME_NOT_FOUND;
using quorvel::ERROR_RESOURCE_TYPE_NOT_FOUND;
using quorvel::ERROR_SUCCESS;

using quorvel::LCMAP_SIMPLIFIED_CHINESE;
using quorvel::LCMAP_TRADITIONAL_CHINESE;
#endif
#endif
