#include "win32_fixture.h"

namespace qml_test {

void FrenchOnWindows::SetUp() {
    WriteFile(m_dir.file("Language.ini"), "[LanguageType]\n2=English\n3=French\n");
    WriteFile(m_dir.file("French.lng"),
              "[Lngpara]\nDeleteSpace=0\nIsAlpha=1\n[ProgramOutStr]\n"
              "Options=Options FR\nName=Nom\nBrowse=Parcourir\nEnabled=Actif\nGroup=Groupe\n"
              "Notes=Remarques\nInner=Interieur\nYes=Oui\nNo=Non\nCancel=Annuler\nOpen=Ouvrir\n"
              "Data=Donnees\nWarning=Avertissement\nQuestion=Demande\nDisk=Disque\nfull=plein\n");
    Set_MultiLanguage_Para(m_dir.path().c_str(), 3, nullptr, nullptr);
}

void FrenchOnWindows::TearDown() {}

HWND FrenchOnWindows::Create(const char* className, const char* text, HWND parent, DWORD style) {
    const DWORD kind = parent ? WS_CHILD | WS_VISIBLE : WS_OVERLAPPEDWINDOW;
    HWND window = ::CreateWindowExA(0, className, text, kind | style, 0, 0, 200, 100, parent, nullptr,
                                    ::GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(window, nullptr) << "no window of class " << className;
    return window;
}

std::string FrenchOnWindows::Text(HWND window) {
    char text[1024] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

const char* PlainWindowClass() {
    static const char* name = [] {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = ::DefWindowProcA;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = "QuorvelTestWindow";
        ::RegisterClassA(&windowClass);
        return "QuorvelTestWindow";
    }();
    return name;
}

}  // namespace qml_test
