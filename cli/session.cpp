#include "session.h"

#include <cstdlib>
#include <cstring>

#include "output.h"
#include "quorvel/language_binding.h"
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

// A path the library reads must be a regular file; anything else is refused before the
// library or the tool opens it (a FIFO would block the open, a device never end).
void RequireRegularOrMissing(const std::string& path, const char* what) {
    switch (KindOf(path)) {
        case FileKind::kMissing:
        case FileKind::kRegular:
            return;
        case FileKind::kDirectory:
            throw RunError(path + ": the " + what + " is a directory");
        case FileKind::kSpecial:
            throw RunError(path + ": the " + what + " is " + SpecialKindName(path) + ", not a regular file");
    }
}

// The directory part of the catalogue's path, as the system opens it.
std::string DirectoryOf(const std::string& cataloguePath) {
    const size_t slash = cataloguePath.find_last_of(kPathSeparators);
    if (slash == std::string::npos) return ".";
    // Without the separator, which Windows does not take after a directory's name, unless
    // it names a root ("/", "C:\\").
    size_t end = slash;
    while (end > 0 && std::strchr(kPathSeparators, cataloguePath[end - 1])) --end;
    const std::string dir = cataloguePath.substr(0, end);
    return dir.empty() || dir.back() == ':' ? cataloguePath.substr(0, end + 1) : dir;
}

}  // namespace

bool RecodeOutput(const Arguments& args) {
    return !args.raw && (args.utf8 || Utf8Terminal());
}

void PrintText(const std::string& text, const std::string& encoding, bool recode) {
    std::string out = recode && !encoding.empty() ? Recode(text, encoding, "UTF-8") : text;
    out += '\n';
    WriteOut(out);
}

std::string DefaultLanguageDir() {
    const std::string installed = ExecutableDir() + "/../share/quorvel-ml/lang";
    if (IsDirectory(installed)) return installed;
    return QML_SOURCE_LANG_DIR;
}

Session::Session(const Arguments& args, bool mayCreateLanguageFile)
    : m_dir(args.dir.value_or(DefaultLanguageDir())), m_inputEncoding(args.inputEncoding) {
    if (m_dir.empty()) throw RunError("the language directory (--dir) is empty");
    const int requested = args.lang ? *args.lang : ConvertLangLanguage2LanguageType(UserLocaleId() & 0xFFFF);

    // Where the library looks, as the library itself works it out.
    quorvel::LanguageBinding binding;
    quorvel::ResolveLanguageBinding(m_dir.c_str(), requested, &binding);
    const std::string stored = m_dir.back() == '\\' ? m_dir : m_dir + '\\';
    if (stored != binding.directory)
        throw RunError(m_dir + ": the language directory is longer than the library takes (" +
                       std::to_string(sizeof binding.directory - 3) + " characters)");
    const std::string nativeDir = DirectoryOf(binding.catalogue);
    switch (KindOf(nativeDir)) {
        case FileKind::kDirectory:
            break;
        case FileKind::kMissing:
            throw RunError(m_dir + ": no such language directory");
        default:
            throw RunError(m_dir + ": the language directory is not a directory");
    }
    RequireRegularOrMissing(binding.catalogue, "language catalogue");
    if (binding.problem[0]) throw RunError(binding.problem);

    m_languageFile = binding.languageFile;
    RequireRegularOrMissing(m_languageFile, "language file");
    m_languageFileExisted = KindOf(m_languageFile) == FileKind::kRegular;
    if (!mayCreateLanguageFile && !m_languageFileExisted)
        throw RunError(m_languageFile + ": no such language file (quorvel-ml init --lang " +
                       std::to_string(binding.languageType) + " creates it)");

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
