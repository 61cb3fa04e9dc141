// The English name of the current language, from section [LanguageType] of the catalogue.
#include <vector>

#include "base/bounded_copy.h"
#include "language/catalogue.h"
#include "language/language_state.h"
#include "platform/os.h"

namespace qml {

CString CataloguePath() {
    CString path;
    path.Format("%s%s", State().languageDir, kCatalogueFile);
    return path;
}

CString EnglishNameIn(const char* cataloguePath, int languageType, int size) {
    CString key;
    key.Format("%d", languageType);
    std::vector<char> name(static_cast<size_t>(size > 0 ? size : 1), '\0');
    DWORD n = os::GetPrivateProfileStringA(kLanguageTypeSection, key, "", name.data(),
                                           static_cast<DWORD>(name.size()), cataloguePath);
    return n == 0 ? CString(kEnglishName) : CString(name.data());
}

CString CurrentEnglishName() {
    return EnglishNameIn(CataloguePath(), State().languageType, 1024);
}

char* FillEnglishName(char* buffer, int size) {
    if (!buffer || size < 1) return buffer;

    const CString name = EnglishNameIn(CataloguePath(), State().languageType, size);
    FillBounded(buffer, static_cast<size_t>(size), name.GetString());
    return buffer;
}

}  // namespace qml

char* GetLanguageTypeEngName(char* buffer, int size) {
    return qml::FillEnglishName(buffer, size);
}
