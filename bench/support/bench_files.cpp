#include "support/bench_files.h"

#include <libintl.h>
#include <stdlib.h>

#include <clocale>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace qml_bench {

fs::path MakeScratchDirectory(const std::string& prefix) {
    std::string pattern = (fs::temp_directory_path() / (prefix + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    return pattern;
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

void InstallCatalogue(const fs::path& dir, const std::string& language, const char* domain,
                      const std::vector<std::pair<std::string, std::string>>& messages) {
    std::string po = "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";
    for (const auto& [english, translated] : messages)
        po += "msgid \"" + english + "\"\nmsgstr \"" + translated + "\"\n\n";
    const fs::path source = dir / (std::string(domain) + ".po");
    WriteText(source, po);

    const fs::path compiled = dir / "locale" / language / "LC_MESSAGES" / (std::string(domain) + ".mo");
    fs::create_directories(compiled.parent_path());
    const std::string msgfmt = "msgfmt -o '" + compiled.string() + "' '" + source.string() + "'";
    if (std::system(msgfmt.c_str()) != 0) throw std::runtime_error("msgfmt failed (is gettext installed?)");

    // LANGUAGE picks the catalogue's language unless the locale is "C".
    if (!std::setlocale(LC_ALL, "C.UTF-8")) throw std::runtime_error("no C.UTF-8 locale");
    setenv("LANGUAGE", language.c_str(), 1);
    bindtextdomain(domain, (dir / "locale").string().c_str());
}

}  // namespace qml_bench
