#include "opencc_dictionary.h"

#include <opencc/Lexicon.hpp>
#include <opencc/MarisaDict.hpp>
#include <unicode/utf8.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <stdexcept>

namespace qml_tools {

namespace {

// The single code point of a UTF-8 text, nothing when it holds zero or several (phrases).
std::optional<UChar32> SingleCodePoint(const std::string& text) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    if (length == 0) return std::nullopt;
    int32_t at = 0;
    UChar32 ch;
    U8_NEXT(bytes, at, length, ch);
    if (ch < 0 || at != length) return std::nullopt;
    return ch;
}

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

}  // namespace

CharacterDictionary::CharacterDictionary(const std::string& path) {
    std::unique_ptr<FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw std::runtime_error("cannot open " + path);
    opencc::MarisaDictPtr dictionary = opencc::MarisaDict::NewFromFile(file.get());
    for (const auto& entry : *dictionary->GetLexicon()) {
        std::optional<UChar32> key = SingleCodePoint(entry->Key());
        if (!key) continue;
        std::vector<UChar32>& forms = m_forms[*key];
        for (const std::string& value : entry->Values()) {
            if (std::optional<UChar32> form = SingleCodePoint(value)) forms.push_back(*form);
        }
    }
    if (m_forms.empty()) throw std::runtime_error(path + " holds no character entries");
}

const std::vector<UChar32>& CharacterDictionary::Forms(UChar32 ch) const {
    static const std::vector<UChar32> kNone;
    auto found = m_forms.find(ch);
    return found == m_forms.end() ? kNone : found->second;
}

UChar32 CharacterDictionary::Preferred(UChar32 ch) const {
    const std::vector<UChar32>& forms = Forms(ch);
    return forms.empty() ? ch : forms.front();
}

}  // namespace qml_tools
