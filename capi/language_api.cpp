// The C interface of the language set-up and the catalogue.
#include <string>

#include "capi/host_callbacks.h"
#include "capi/sized_result.h"
#include "language/catalogue.h"
#include "language/language_encoding.h"
#include "language/language_state.h"
#include "platform/os.h"
#include "quorvel/multilanguage_c.h"
#include "util/utf8_text.h"

namespace {

constexpr int kTextSize = 1024;

// The catalogue's captions, each followed by a line feed.
std::string AllCaptions() {
    std::string text;
    for (const CString& caption : qml::LanguageCaptions()) (text += caption.str()) += '\n';
    return text;
}

}  // namespace

int qml_Set_MultiLanguage_Para(const char* languageDir, int languageType, qml_log_callback logCallback,
                               qml_parent_window_callback parentWindowCallback) {
    using namespace qml::capi;
    return qml::SetUpLanguage(languageDir, languageType, RelayLogTo(logCallback, false),
                              RelayParentWindowTo(parentWindowCallback));
}

int qml_Set_MultiLanguage_Para_utf8(const char* languageDirUtf8, int languageType,
                                    qml_log_callback logCallbackUtf8,
                                    qml_parent_window_callback parentWindowCallback) {
    using namespace qml::capi;
    std::string dir;
    if (languageDirUtf8)
        qml::os::Utf8ToCodePage(qml::os::kFileSystemCodePage, qml::ValidUtf8(languageDirUtf8), dir);
    return qml::SetUpLanguage(languageDirUtf8 ? dir.c_str() : nullptr, languageType,
                              RelayLogTo(logCallbackUtf8, true), RelayParentWindowTo(parentWindowCallback));
}

int qml_ConvertLangLanguage2LanguageType(unsigned long localeId) {
    return qml::LanguageTypeOfLocale(localeId);
}

int qml_GetNISILanguageType(const char* keyName, int* found) {
    return qml::InstallerLanguageType(keyName, found);
}

int qml_GetCurLanguageType(void) {
    return qml::State().languageType;
}

const char* qml_GetCurLngFileDir(void) {
    return qml::State().languageDir;
}

int qml_GetLanguageCodePage(void) {
    qml::os::ProfileCallScope scope;
    return static_cast<int>(qml::LanguageCodePage());
}

char* qml_GetLanguageTypeEngName(char* buffer, int size) {
    return qml::FillEnglishName(buffer, size);
}

size_t qml_GetAllLanguageTypeDesc(char* buffer, size_t size) {
    return qml::capi::WriteSizedResult(AllCaptions(), buffer, size);
}

size_t qml_GetAllLanguageTypeDesc_utf8(char* buffer, size_t size) {
    using namespace qml::capi;
    qml::os::ProfileCallScope scope;
    return WriteSizedUtf8Result(qml::LanguageEncoding().ToUtf8(AllCaptions()), buffer, size);
}

char* qml_GetLanguageTypeDescByType(int languageType, char* buffer, int size) {
    return qml::FillCaptionLine(languageType, buffer, size);
}

size_t qml_GetLanguageTypeDescByType_utf8(int languageType, char* buffer, size_t size) {
    using namespace qml::capi;
    qml::os::ProfileCallScope scope;
    char caption[kTextSize] = {};
    qml::FillCaptionLine(languageType, caption, kTextSize);
    return WriteSizedUtf8Result(qml::LanguageEncoding().ToUtf8(caption), buffer, size);
}

void qml_AddLanguageTypeToCombo(qml_hwnd comboBox, int selectIndex) {
    qml::AddCaptionsToCombo(static_cast<HWND>(comboBox), selectIndex);
}

size_t qml_GetHelpHtmlPath(const char* helpRoot, const char* pageName, char* buffer, size_t size) {
    return qml::capi::WriteSizedResult(qml::HelpHtmlPath(helpRoot, pageName).str(), buffer, size);
}
