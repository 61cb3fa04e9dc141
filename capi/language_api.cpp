// The C interface of the language set-up and the catalogue.
#include <string>

#include "capi/host_callbacks.h"
#include "capi/language_encoding.h"
#include "capi/sized_result.h"
#include "capi/utf8_text.h"
#include "platform/codepage.h"
#include "platform/profile_scope.h"
#include "quorvel/multilanguage.h"
#include "quorvel/multilanguage_c.h"

namespace {

constexpr int kTextSize = 1024;

// The catalogue's captions, each followed by a line feed, as GetAllLanguageTypeDesc lists them.
std::string AllCaptions() {
    CStringArray list;
    GetAllLanguageTypeDesc(nullptr, 0, &list);
    std::string text;
    for (int i = 0; i < list.GetSize(); ++i) (text += list[i].str()) += '\n';
    return text;
}

}  // namespace

int qml_Set_MultiLanguage_Para(const char* languageDir, int languageType, qml_log_callback logCallback,
                               qml_parent_window_callback parentWindowCallback) {
    using namespace qml::capi;
    return Set_MultiLanguage_Para(languageDir, languageType, RelayLogTo(logCallback, false),
                                  RelayParentWindowTo(parentWindowCallback));
}

int qml_Set_MultiLanguage_Para_utf8(const char* languageDirUtf8, int languageType,
                                    qml_log_callback logCallbackUtf8,
                                    qml_parent_window_callback parentWindowCallback) {
    using namespace qml::capi;
    std::string dir;
    if (languageDirUtf8)
        qml::os::Utf8ToCodePage(qml::os::kFileSystemCodePage, ValidUtf8(languageDirUtf8), dir);
    return Set_MultiLanguage_Para(languageDirUtf8 ? dir.c_str() : nullptr, languageType,
                                  RelayLogTo(logCallbackUtf8, true),
                                  RelayParentWindowTo(parentWindowCallback));
}

int qml_ConvertLangLanguage2LanguageType(unsigned long localeId) {
    return ConvertLangLanguage2LanguageType(localeId);
}

int qml_GetNISILanguageType(const char* keyName, int* found) {
    return GetNISILanguageType(keyName, found);
}

int qml_GetCurLanguageType(void) {
    return GetCurLanguageType();
}

const char* qml_GetCurLngFileDir(void) {
    return GetCurLngFileDir();
}

int qml_GetLanguageCodePage(void) {
    qml::os::ProfileCallScope scope;
    return static_cast<int>(qml::capi::LanguageCodePage());
}

char* qml_GetLanguageTypeEngName(char* buffer, int size) {
    return GetLanguageTypeEngName(buffer, size);
}

size_t qml_GetAllLanguageTypeDesc(char* buffer, size_t size) {
    return qml::capi::WriteSizedResult(AllCaptions(), buffer, size);
}

size_t qml_GetAllLanguageTypeDesc_utf8(char* buffer, size_t size) {
    using namespace qml::capi;
    qml::os::ProfileCallScope scope;
    return WriteSizedUtf8Result(LanguageEncoding().ToUtf8(AllCaptions()), buffer, size);
}

char* qml_GetLanguageTypeDescByType(int languageType, char* buffer, int size) {
    return GetLanguageTypeDescByType(languageType, buffer, size);
}

size_t qml_GetLanguageTypeDescByType_utf8(int languageType, char* buffer, size_t size) {
    using namespace qml::capi;
    qml::os::ProfileCallScope scope;
    char caption[kTextSize] = {};
    GetLanguageTypeDescByType(languageType, caption, kTextSize);
    return WriteSizedUtf8Result(LanguageEncoding().ToUtf8(caption), buffer, size);
}

void qml_AddLanguageTypeToCombo(qml_hwnd comboBox, int selectIndex) {
    CComboBox box(static_cast<HWND>(comboBox));
    AddLanguageTypeToCombo(box, selectIndex);
}

size_t qml_GetHelpHtmlPath(const char* helpRoot, const char* pageName, char* buffer, size_t size) {
    return qml::capi::WriteSizedResult(GetHelpHtmlPath(helpRoot, pageName ? pageName : "").str(), buffer,
                                       size);
}
