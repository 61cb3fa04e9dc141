// Oracles for the conversion tests that share no code or data with the library: the code pages
// 950 (Big5) and 936 (GBK) as the platform decodes them (the C library's iconv on POSIX, the
// system's own code pages on Windows), and OpenCC's Taiwan-standard forms of single characters
// where the test program was built with OpenCC.
#pragma once

#include <optional>
#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif
#if defined(QML_TEST_OPENCC_DATA_DIR)
#include <opencc/opencc.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>
#endif

namespace qml_test {

enum class CodePage { kBig5 = 950, kGbk = 936 };

#if defined(_WIN32)

// The text converted between code pages; nothing when a byte or a character has no mapping.
inline std::optional<std::string> Recode(UINT to, UINT from, const std::string& text) {
    if (text.empty()) return std::string();
    const int wide = MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(),
                                         static_cast<int>(text.size()), nullptr, 0);
    if (wide <= 0) return std::nullopt;
    std::wstring units(static_cast<size_t>(wide), L'\0');
    MultiByteToWideChar(from, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()), &units[0],
                        wide);
    BOOL defaulted = FALSE;
    BOOL* check = to == CP_UTF8 ? nullptr : &defaulted;
    const DWORD flags = to == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int bytes = WideCharToMultiByte(to, flags, units.data(), wide, nullptr, 0, nullptr, check);
    if (bytes <= 0 || defaulted) return std::nullopt;
    std::string out(static_cast<size_t>(bytes), '\0');
    WideCharToMultiByte(to, flags, units.data(), wide, &out[0], bytes, nullptr, check);
    if (defaulted) return std::nullopt;
    return out;
}

inline std::optional<std::string> Decode(CodePage page, const std::string& bytes) {
    return Recode(CP_UTF8, static_cast<UINT>(page), bytes);
}
inline std::optional<std::string> Encode(CodePage page, const std::string& utf8) {
    return Recode(static_cast<UINT>(page), CP_UTF8, utf8);
}

#else

class Iconv {
  public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv() {
        if (m_cd != reinterpret_cast<iconv_t>(-1)) iconv_close(m_cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    std::optional<std::string> operator()(const std::string& text) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        std::string out(text.size() * 4 + 8, '\0');
        char* in = const_cast<char*>(text.data());
        size_t inLeft = text.size();
        char* to = &out[0];
        size_t toLeft = out.size();
        if (iconv(m_cd, &in, &inLeft, &to, &toLeft) == static_cast<size_t>(-1) || inLeft != 0)
            return std::nullopt;
        out.resize(out.size() - toLeft);
        return out;
    }

  private:
    iconv_t m_cd;
};

inline std::optional<std::string> Decode(CodePage page, const std::string& bytes) {
    static Iconv big5("UTF-8", "CP950"), gbk("UTF-8", "CP936");
    return page == CodePage::kBig5 ? big5(bytes) : gbk(bytes);
}
inline std::optional<std::string> Encode(CodePage page, const std::string& utf8) {
    static Iconv big5("CP950", "UTF-8"), gbk("CP936", "UTF-8");
    return page == CodePage::kBig5 ? big5(utf8) : gbk(utf8);
}

#endif

#if defined(QML_TEST_OPENCC_DATA_DIR)

// An OpenCC conversion of single characters through some of its character dictionaries
// (files of its data folder), one after the other; no phrases.
class CharacterMapping {
  public:
    explicit CharacterMapping(const std::vector<std::string>& dictionaries) {
        auto dict = [](const std::string& name) {
            return R"({"type": "ocd2", "file": ")" +
                   (std::filesystem::path(QML_TEST_OPENCC_DATA_DIR) / name).string() + R"("})";
        };
        std::string chain;
        for (const std::string& name : dictionaries)
            chain += (chain.empty() ? "" : ", ") + ("{\"dict\": " + dict(name) + "}");
        m_config = std::filesystem::temp_directory_path() /
                   ("qml_test_opencc_" + std::to_string(std::random_device{}()) + ".json");
        std::ofstream(m_config) << R"({"name": "characters", "segmentation": {"type": "mmseg", "dict": )"
                                << dict(dictionaries.front()) << R"(}, "conversion_chain": [)" << chain
                                << "]}";
        m_converter = opencc_open(m_config.string().c_str());
    }
    ~CharacterMapping() {
        if (Ready()) opencc_close(m_converter);
        std::error_code ignored;
        std::filesystem::remove(m_config, ignored);
    }
    CharacterMapping(const CharacterMapping&) = delete;
    CharacterMapping& operator=(const CharacterMapping&) = delete;

    bool Ready() const { return m_converter != reinterpret_cast<opencc_t>(-1); }

    // The UTF-8 text with every character mapped.
    std::string operator()(const std::string& utf8) const {
        char* converted = opencc_convert_utf8(m_converter, utf8.data(), utf8.size());
        if (converted == nullptr) return utf8;
        std::string out(converted);
        opencc_convert_utf8_free(converted);
        return out;
    }

  private:
    std::filesystem::path m_config;
    opencc_t m_converter;
};

// Simplified characters in their Taiwan-standard forms, and traditional ones in their
// simplified forms.
inline const CharacterMapping& TaiwanForms() {
    static const CharacterMapping mapping({"STCharacters.ocd2", "TWVariants.ocd2"});
    return mapping;
}
inline const CharacterMapping& SimplifiedForms() {
    static const CharacterMapping mapping({"TSCharacters.ocd2"});
    return mapping;
}

#endif

}  // namespace qml_test
