#include "catalogue_peek.h"

#include <fstream>

namespace cli {

namespace {

std::string Trim(const std::string& text) {
    size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

// The same reading rules as the library's: trimmed names matched without case, the first
// section of the name, the first key in it, a quoted value unquoted.
std::string EnglishNameInCatalogue(const std::string& cataloguePath, int languageType) {
    std::ifstream in(cataloguePath, std::ios::binary);
    const std::string key = std::to_string(languageType);
    bool inSection = false, sectionSeen = false;
    std::string line;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            if (inSection) break;
            inSection = !sectionSeen && SameName(Trim(line.substr(1, line.size() - 2)), "LanguageType");
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        size_t equals = line.find('=');
        if (!inSection || equals == std::string::npos || !SameName(Trim(line.substr(0, equals)), key))
            continue;
        std::string value = Trim(line.substr(equals + 1));
        if (value.size() > 1 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value.empty() ? "English" : value;
    }
    return "English";
}

}  // namespace cli
