// The English name of the current language, from section [LanguageType] of the catalogue.
#include <cstring>

#include "language/catalogue.h"
#include "language/language_state.h"
#include "platform/os.h"

namespace qml {

CString CataloguePath() {
    CString path;
    path.Format("%s%s", State().languageDir, kCatalogueFile);
    return path;
}

CString CurrentEnglishName() {
    char name[1024] = {};
    CString key;
    key.Format("%d", State().languageType);
    DWORD n = os::GetPrivateProfileStringA(kLanguageTypeSection, key, "", name, sizeof name, CataloguePath());
    return n > 0 ? CString(name) : CString(kEnglishName);
}

char* FillEnglishName(char* buffer, int size) {
    if (!buffer || size < 1) return buffer;

    CString key;
    key.Format("%d", State().languageType);
    DWORD n = os::GetPrivateProfileStringA(kLanguageTypeSection, key, "", buffer, static_cast<DWORD>(size),
                                           CataloguePath());
    if (n == 0) {
        std::strncpy(buffer, kEnglishName, static_cast<size_t>(size - 1));
        buffer[size - 1] = '\0';
    }
    return buffer;
}

}  // namespace qml

char* GetLanguageTypeEngName(char* buffer, int size) {
    return qml::FillEnglishName(buffer, size);
}
