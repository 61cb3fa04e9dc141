#include "session.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "catalogue_peek.h"
#include "quorvel/multilanguage.h"
#include "recode.h"
#include "system.h"

namespace cli {

namespace {

// The code page of the language file ([Lngpara] CodePage), else the usual one of its script.
std::string LanguageCodePage(int languageType) {
    char value[32] = {};
    GetMultiLanguageText("CodePage", value, sizeof value, "Lngpara");
    int codePage = std::atoi(value);
    if (codePage <= 0) codePage = languageType == 0 ? 950 : languageType == 1 ? 936 : 1252;
    return CodePageName(codePage);
}

// The type the library chooses for a request: on a Chinese system the other Chinese script
// gives way to the system's own.
int ChosenType(int requested) {
    int system = ConvertLangLanguage2LanguageType(UserLocaleId() & 0xFFFF);
    if (system == 0 && requested == 1) return 0;
    if (system == 1 && requested == 0) return 1;
    return requested;
}

}  // namespace

bool RecodeOutput(const Arguments& args) {
    return !args.raw && (args.utf8 || Utf8Terminal());
}

void PrintText(const std::string& text, const std::string& encoding, bool recode) {
    std::string out = recode && !encoding.empty() ? Recode(text, encoding, "UTF-8") : text;
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stdout);
}

std::string DefaultLanguageDir() {
    const std::string installed = ExecutableDir() + "/../share/quorvel-ml/lang";
    if (IsDirectory(installed)) return installed;
    return QML_SOURCE_LANG_DIR;
}

std::string ReadAll(const std::string& path) {
    if (path == "-") {
        std::ostringstream text;
        text << std::cin.rdbuf();
        return text.str();
    }
    if (IsDirectory(path)) throw RunError(path + ": is a directory");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RunError(path + ": " + std::strerror(errno));
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw RunError(path + ": read error");
    return text;
}

Session::Session(const Arguments& args, bool mayCreateLanguageFile)
    : m_dir(args.dir.value_or(DefaultLanguageDir())), m_inputEncoding(args.inputEncoding) {
    if (!IsDirectory(m_dir)) throw RunError(m_dir + ": no such language directory");
    while (m_dir.size() > 1 && m_dir.back() == '/') m_dir.pop_back();

    const int requested = args.lang ? *args.lang : ConvertLangLanguage2LanguageType(UserLocaleId() & 0xFFFF);
    const int chosen = ChosenType(requested);
    m_languageFile = m_dir + "/" + EnglishNameInCatalogue(m_dir + "/Language.ini", chosen) + ".lng";
    m_languageFileExisted = FileExists(m_languageFile);
    if (!mayCreateLanguageFile && !m_languageFileExisted)
        throw RunError(m_languageFile + ": no such language file (quorvel-ml init --lang " +
                       std::to_string(chosen) + " creates it)");

    m_languageType = Set_MultiLanguage_Para(m_dir.c_str(), requested, nullptr, nullptr);
    m_codePage = LanguageCodePage(m_languageType);
    m_recodeOutput = RecodeOutput(args);
}

std::string Session::Input(const std::string& text) const {
    if (m_inputEncoding.empty()) return text;
    return Recode(text, m_inputEncoding == "utf8" ? "UTF-8" : m_inputEncoding, m_codePage);
}

void Session::Print(const std::string& text, const std::string& encoding) const {
    PrintText(text, encoding.empty() ? m_codePage : encoding, m_recodeOutput);
}

}  // namespace cli
