#include "translator/language_set.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "arguments.h"

namespace cli {

namespace fs = std::filesystem;

namespace {

std::string ValueIn(const LanguageDocument& document, const std::string& section, const std::string& key) {
    const DocumentLine* line = document.Find(section, key);
    return line ? line->value : "";
}

std::string CatalogueOf(const std::string& dir) {
    return (fs::path(dir) / "Language.ini").string();
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::status(path, error);
    if (!fs::exists(status)) throw RunError(path + ": no such file");
    if (fs::is_directory(status)) throw RunError(path + ": is a directory");
    if (!fs::is_regular_file(status)) throw RunError(path + ": not a regular file");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw RunError(path + ": " + std::strerror(errno));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw RunError(path + ": read error");
    return bytes;
}

void WriteFileSafely(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".quorvel-ml-new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) throw RunError(temporary + ": " + std::strerror(errno));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::remove(temporary.c_str());
            throw RunError(temporary + ": write error");
        }
    }
    std::error_code error;
    // The new file keeps the permissions of the one it replaces.
    const fs::file_status old = fs::status(path, error);
    if (!error && fs::exists(old)) fs::permissions(temporary, old.permissions(), error);
    error.clear();
    fs::rename(temporary, path, error);
    if (error) {
        std::remove(temporary.c_str());
        throw RunError(path + ": " + error.message());
    }
}

std::vector<LanguageFile> LanguageFilesOf(const std::string& dir) {
    const LanguageDocument catalogue = LanguageDocument::Parse(ReadFileBytes(CatalogueOf(dir)));
    std::vector<LanguageFile> files;
    for (int type = 0;; ++type) {
        LanguageFile file;
        file.type = type;
        file.name = ValueIn(catalogue, "LanguageType", std::to_string(type));
        if (file.name.empty()) break;
        file.path = (fs::path(dir) / (file.name + ".lng")).string();
        std::error_code error;
        file.exists = fs::exists(file.path, error);
        files.push_back(file);
    }
    return files;
}

LanguageFile DescribeLanguageFile(const std::string& path) {
    LanguageFile described;
    described.path = path;
    described.name = fs::path(path).stem().string();
    std::error_code error;
    described.exists = fs::exists(path, error);
    const fs::path dir = fs::path(path).parent_path();
    if (!fs::is_regular_file(CatalogueOf(dir.empty() ? "." : dir.string()), error)) return described;
    for (const LanguageFile& listed : LanguageFilesOf(dir.empty() ? "." : dir.string()))
        if (SameName(listed.name, described.name)) described.type = listed.type;
    return described;
}

int CodePageOf(const LanguageFile& file, const LanguageDocument& document) {
    if (file.type == 0) return 950;
    if (file.type == 1) return 936;
    const int stated = std::atoi(ValueIn(document, "Lngpara", "CodePage").c_str());
    return stated > 0 ? stated : 1252;
}

}  // namespace cli
