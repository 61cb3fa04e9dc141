// Resources on POSIX: the library's RCDATA resources are the code tables linked into it.
#include <cstdint>

#include "platform/os.h"
#include "platform/posix/embedded_data.h"

namespace qml::os {

namespace {

struct ResourceEntry {
    unsigned short id;
    const unsigned char* data;
    const std::size_t* size;
};

const ResourceEntry kResources[] = {
    {11007, embedded::big5_to_gb, &embedded::big5_to_gb_size},
    {11008, embedded::gb_to_big5, &embedded::gb_to_big5_size},
    {11009, embedded::big5_to_cp936, &embedded::big5_to_cp936_size},
    {11010, embedded::cp936_to_big5, &embedded::cp936_to_big5_size},
};

// The value of an integer resource name or type; 0 for a string one.
unsigned IntResourceValue(LPCSTR name) {
    auto value = reinterpret_cast<std::uintptr_t>(name);
    return value <= 0xFFFF ? static_cast<unsigned>(value) : 0;
}

}  // namespace

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    if (module == nullptr || module != OwnModuleHandle()) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    if (IntResourceValue(type) != IntResourceValue(RcDataType())) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    unsigned id = IntResourceValue(name);
    for (const ResourceEntry& entry : kResources) {
        if (entry.id == id) {
            // The handle is the entry itself; nothing is ever written through it.
            return reinterpret_cast<HRSRC>(const_cast<ResourceEntry*>(&entry));
        }
    }
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
    if (resource == nullptr || module != OwnModuleHandle()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    const auto* entry = reinterpret_cast<const ResourceEntry*>(resource);
    return const_cast<unsigned char*>(entry->data);
}

void* LockResource(HGLOBAL data) {
    return data;
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
    if (resource == nullptr || module != OwnModuleHandle()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    return static_cast<DWORD>(*reinterpret_cast<const ResourceEntry*>(resource)->size);
}

}  // namespace qml::os
