// The language catalogue: the list of languages under their captions in the current language,
// a language chooser, and help paths for the current language.
#include "language/catalogue.h"

#include <vector>

#include "base/bounded_copy.h"
#include "language/language_encoding.h"
#include "language/language_state.h"
#include "platform/os.h"
#include "util/shared_utility.h"

namespace qml {

namespace {

constexpr int kTextSize = 1024;

// The English name listed under a type number, or the empty text when the catalogue has none.
CString EnglishNameOf(int languageType) {
    char key[64] = {};
    kvSnprintf(key, sizeof key - 1, "%d", languageType);
    char name[kTextSize] = {};
    os::GetPrivateProfileStringA(kLanguageTypeSection, key, "", name, kTextSize - 1, CataloguePath());
    return CString(name);
}

// A language's caption in the bound language file (fileIsUtf8: a UTF-8 file, whose caption is
// served in the language's code page), or its English name when it has none.
CString CaptionOf(const CString& englishName, bool fileIsUtf8) {
    char caption[kTextSize] = {};
    DWORD n = os::GetPrivateProfileStringA(kLanguageTypeCptSection, englishName, "", caption, kTextSize - 1,
                                           State().languageFile);
    if (n == 0) return englishName;
    return CString(LanguageFileText(std::string_view(caption, n), fileIsUtf8));
}

}  // namespace

std::vector<CString> LanguageCaptions() {
    os::ProfileCallScope scope;  // one check of each file for the whole list
    // The list is the run of keys from "0" upward; it ends at the first gap.
    std::vector<CString> captions;
    const bool fileIsUtf8 = LanguageFileIsUtf8();
    for (int type = 0;; ++type) {
        CString englishName = EnglishNameOf(type);
        if (englishName.IsEmpty()) break;
        captions.push_back(CaptionOf(englishName, fileIsUtf8));
    }
    if (captions.empty()) captions.emplace_back(kEnglishName);
    return captions;
}

char* FillCaptionLine(int languageType, char* buffer, int size) {
    if (!buffer || size < 1) return buffer;
    os::ProfileCallScope scope;

    CString text;
    CString englishName = EnglishNameOf(languageType);
    if (!englishName.IsEmpty()) text = CaptionOf(englishName, LanguageFileIsUtf8()) + "\n";
    if (text.IsEmpty()) text = "English\n";
    FillBounded(buffer, static_cast<size_t>(size), text.GetString());
    return buffer;
}

void AddCaptionsToCombo(HWND comboBox, int selectIndex) {
    for (const CString& entry : LanguageCaptions()) {
        if (entry.IsEmpty()) continue;
        os::SendMessageA(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.GetString()));
    }
    os::SendMessageA(comboBox, CB_SETCURSEL, static_cast<WPARAM>(selectIndex), 0);
}

CString HelpHtmlPath(const char* helpRoot, const char* pageName) {
    CString englishName = CurrentEnglishName();
    if (!pageName) pageName = "";

    CString path;
    if (helpRoot && *helpRoot)
        path.Format("%sWWWROOT\\Help_%s\\%s", helpRoot, englishName.GetString(), pageName);
    else
        path.Format("Help_%s/%s", englishName.GetString(), pageName);
    return path;
}

}  // namespace qml

void* GetAllLanguageTypeDesc(char* buffer, int size, CStringArray* list) {
    using namespace qml;
    CString text;
    for (const CString& entry : LanguageCaptions()) {
        if (list) list->Add(entry);
        text += entry;
        text += '\n';
    }

    if (buffer && size > 0) {
        FillBounded(buffer, static_cast<size_t>(size), text.GetString());
        return buffer;
    }
    return list;
}

char* GetLanguageTypeDescByType(int languageType, char* buffer, int size) {
    return qml::FillCaptionLine(languageType, buffer, size);
}

void AddLanguageTypeToCombo(CComboBox& comboBox, int& selectIndex) {
    qml::AddCaptionsToCombo(comboBox.GetSafeHwnd(), selectIndex);
}

CString GetHelpHtmlPath(const char* helpRoot, const char* pageName) {
    return qml::HelpHtmlPath(helpRoot, pageName);
}
