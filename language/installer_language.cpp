// The language that the product's installer recorded in the registry.
#include <cstdlib>
#include <string>

#include "language/language_state.h"
#include "platform/os.h"

namespace qml {

int InstallerLanguageType(const char* keyName, int* found) {
    if (found) *found = 0;
    const std::string applicationName = keyName ? std::string() : os::GetApplicationName();
    if (!keyName) keyName = applicationName.c_str();

    CString keyPath;
    keyPath.Format("SOFTWARE\\%s", keyName);

    // Reading needs no more than the right to query values; asking for full access fails for
    // every user without administrator rights and would hide an existing value.
    HKEY key = nullptr;
    if (os::RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return 2;

    // One spare byte keeps the data terminated even when the value was stored without a NUL.
    char data[257] = {};
    DWORD dataSize = 256;
    DWORD type = 0;
    LONG result = os::RegQueryValueExA(key, "InstallerLanguate", nullptr, &type,
                                       reinterpret_cast<LPBYTE>(data), &dataSize);
    os::RegCloseKey(key);
    if (result != ERROR_SUCCESS) return 2;

    if (found) *found = 1;
    return LanguageTypeOfLocale(static_cast<unsigned long>(std::atoi(data)));
}

}  // namespace qml

int GetNISILanguageType(const char* keyName, int* found) {
    return qml::InstallerLanguageType(keyName, found);
}
