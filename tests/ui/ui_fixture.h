// A French language directory for the window tests, and small window helpers.
#pragma once

#include <string>

#include "quorvel/multilanguage.h"
#include "quorvel/window_system.h"
#include "support/test_support.h"

namespace qml_test {

class FrenchWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        WriteFile(m_dir.file("Language.ini"), "[LanguageType]\n2=English\n3=French\n");
        WriteFile(m_dir.file("French.lng"),
                  "[Lngpara]\nDeleteSpace=0\nIsAlpha=1\n[ProgramOutStr]\n"
                  "Options=Options FR\nName=Nom\nBrowse=Parcourir\nEnabled=Actif\nGroup=Groupe\n"
                  "Notes=Remarques\nInner=Interieur\nYes=Oui\nNo=Non\nCancel=Annuler\nOpen=Ouvrir\n"
                  "Data=Donnees\nWarning=Avertissement\nDisk=Disque\nfull=plein\n" +
                      m_extraEntries);
        Set_MultiLanguage_Para(m_dir.path().c_str(), 3, nullptr, nullptr);
        quorvel::SetApplicationName("Console");
    }
    void TearDown() override {
        quorvel::SetMessageBoxPresenter(nullptr);
        quorvel::SetApplicationName(nullptr);
    }

    static std::string Text(HWND window) {
        char text[1024] = {};
        quorvel::GetWindowTextA(window, text, sizeof text);
        return text;
    }

    std::string m_extraEntries;
    ScopedEnv m_locale{"LC_ALL", "en_US"};
    TempDir m_dir;
};

}  // namespace qml_test
