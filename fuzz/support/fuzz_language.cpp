#include "support/fuzz_language.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "language/language_state.h"
#include "platform/os.h"
#include "support/check.h"

namespace qml_fuzz {

namespace {

std::string& ScratchRoot() {
    static std::string root;
    return root;
}

void RemoveScratch() {
    std::error_code ignored;
    if (!ScratchRoot().empty()) std::filesystem::remove_all(ScratchRoot(), ignored);
}

}  // namespace

std::string MakeScratchDirectory() {
    std::string base = "/dev/shm";
    struct stat st;
    if (::stat(base.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || ::access(base.c_str(), W_OK) != 0)
        base = std::filesystem::temp_directory_path().string();
    std::string pattern = base + "/qml-fuzz-XXXXXX";
    if (!::mkdtemp(pattern.data())) Fail("cannot make a scratch directory", pattern);
    if (ScratchRoot().empty()) {
        ScratchRoot() = pattern;
        std::atexit(RemoveScratch);
    } else {
        // Later directories live inside the first, so one removal takes them all.
        std::string inner = ScratchRoot() + "/" + std::filesystem::path(pattern).filename().string();
        std::filesystem::rename(pattern, inner);
        pattern = inner;
    }
    return pattern;
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) Fail("cannot write a scratch file", path);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) {
            ::close(fd);
            Fail("cannot write a scratch file", path);
        }
        done += static_cast<size_t>(n);
    }
    ::close(fd);
}

FuzzLanguage& FuzzLanguage::Get(MLLogCallback logCallback) {
    static FuzzLanguage language(logCallback);
    return language;
}

FuzzLanguage::FuzzLanguage(MLLogCallback logCallback) : m_directory(MakeScratchDirectory()) {
    // The locale must not turn the request into a Chinese one.
    ::setenv("LC_ALL", "C", 1);
    WriteWholeFile(m_directory + "/Language.ini", "[LanguageType]\n2=English\n3=Fuzzish\n");
    m_file = m_directory + "/Fuzzish.lng";
    WriteWholeFile(m_file, "[Lngpara]\nDeleteSpace=0\nIsAlpha=1\n");
    Set_MultiLanguage_Para(m_directory.c_str(), LANGUAGE_TYPE_OTHER, logCallback, nullptr);
    // The library keeps the Windows form of the path; its reader maps the separators.
    std::string bound = qml::State().languageFile;
    std::string expected = m_directory + "\\Fuzzish.lng";
    if (bound != expected) Fail("the fuzz language was not bound", bound);
    m_model.file = &m_profile;
}

void FuzzLanguage::WriteLanguageFile(const std::string& bytes) {
    WriteWholeFile(m_file, bytes);
    m_profile = ReferenceProfile(bytes);
    // The language is neither Chinese one: the declared code page, else 1252.
    m_model.utf8FileCodePage = 0;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        const std::optional<std::string> declared = m_profile.Value("Lngpara", "CodePage");
        // The library reads at most 62 bytes of the number.
        const long number = declared ? std::strtol(declared->substr(0, 62).c_str(), nullptr, 10) : 0;
        const bool usable =
            number > 0 && number <= 65535 && qml::os::IsCodePageSupported(static_cast<unsigned>(number));
        m_model.utf8FileCodePage = usable ? static_cast<unsigned>(number) : 1252;
    }
}

void FuzzLanguage::SetParameters(bool english, bool deleteSpace, bool isAlpha) {
    qml::LanguageState& state = qml::State();
    state.languageType = english ? LANGUAGE_TYPE_ENGLISH : LANGUAGE_TYPE_OTHER;
    state.deleteSpace = deleteSpace ? 1 : 0;
    state.isAlpha = isAlpha ? 1 : 0;
    m_model.english = english;
    m_model.deleteSpace = deleteSpace;
    m_model.isAlpha = isAlpha;
}

}  // namespace qml_fuzz
