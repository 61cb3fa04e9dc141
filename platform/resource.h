// Resources of a module: the converter finds its code tables through the library's own
// module handle, as Win32 resources on Windows and as data linked into the library elsewhere.
#pragma once

#include <cstdint>

#include "quorvel/wintypes.h"

namespace qml::os {

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

// The handle of the module that holds this code (the library itself).
inline HMODULE OwnModuleHandle() {
    HMODULE module = nullptr;
    ::GetModuleHandleExA(
        GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
        reinterpret_cast<LPCSTR>(&OwnModuleHandle), &module);
    return module;
}
#else
// The library's resources are found only through its own module handle (OwnModuleHandle);
// any other module, a missing id or another type gives null and sets the Win32 error.
HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type);
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
void* LockResource(HGLOBAL data);
DWORD SizeofResource(HMODULE module, HRSRC resource);

// The handle of the module that holds this code: the base address of the shared library (of
// the program when the library is linked statically).
HMODULE OwnModuleHandle();
#endif

}  // namespace qml::os
