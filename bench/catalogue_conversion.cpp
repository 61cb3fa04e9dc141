// Chinese conversion on real text: the zh_TW and zh_CN message catalogues installed on this
// machine, their UTF-8 translations turned into Big5 (code page 950) and GBK (code page 936)
// by iconv, characters the code page lacks left out.
//
// First it reports how the characters come through, counted per double-byte character:
//   zh_TW  Big5 -> GB keeps the character; Big5 -> GB -> Big5 gives the bytes back;
//   zh_CN  GB -> Big5 agrees with OpenCC's Taiwan-standard forms of single characters (its
//          character data, no phrases; only where the bench was built with OpenCC); GBK
//          characters copied as bytes that Big5 reads as no or another character;
// and what the detector decides for each message (a GB system for the zh_TW text, a Big5
// system for the zh_CN text). Then it times Big2Gb, Gb2Big and the automatic direction against
// iconv on the same messages, one call per message, in one run (five repetitions of each in
// random order, the best of each compared, unless the command line says otherwise).
#include <benchmark/benchmark.h>
#include <iconv.h>
#if defined(QML_BENCH_OPENCC_DATA_DIR)
#include <opencc/opencc.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <unordered_map>
#include <vector>

#include "chinese/gb_punctuation.h"
#include "quorvel/multilanguage.h"
#include "support/peer_ratio.h"

namespace {

class Iconv {
  public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv_open failed: ") + from + " -> " + to);
    }
    ~Iconv() { iconv_close(m_cd); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts the whole text into out; false when iconv stops before the end.
    bool Convert(const std::string& in, std::string& out) {
        out.resize(in.size() * 2 + 16);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = &out[0];
        size_t dstLeft = out.size();
        const size_t result = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
        out.resize(out.size() - dstLeft);
        return srcLeft == 0 && (result != static_cast<size_t>(-1) || errno == EILSEQ);
    }

  private:
    iconv_t m_cd;
};

// The translations of one .mo file (plural forms each on their own), without the header.
void ReadCatalogue(const std::filesystem::path& path, std::vector<std::string>& messages) {
    std::ifstream file(path, std::ios::binary);
    const std::string data((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    auto word = [&data](size_t at) -> std::uint32_t {
        if (at + 4 > data.size()) return 0;
        std::uint32_t value;
        std::memcpy(&value, data.data() + at, 4);
        return value;
    };
    if (word(0) != 0x950412DEu) return;  // another byte order or no catalogue: left out
    const std::uint32_t count = word(8), originals = word(12), translations = word(16);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t idLength = word(originals + 8 * i);
        const std::uint32_t length = word(translations + 8 * i), at = word(translations + 8 * i + 4);
        if (idLength == 0 || length == 0 || static_cast<size_t>(at) + length > data.size()) continue;
        const std::string text = data.substr(at, length);
        for (size_t from = 0; from <= text.size();) {
            size_t to = text.find('\0', from);
            if (to == std::string::npos) to = text.size();
            if (to > from) messages.push_back(text.substr(from, to - from));
            from = to + 1;
        }
    }
}

// Every catalogue of a language, in one code page.
std::vector<std::string> Catalogues(const char* language, const char* codePage) {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path dir = std::filesystem::path("/usr/share/locale") / language / "LC_MESSAGES";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        if (entry.path().extension() == ".mo") files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> utf8;
    for (const auto& file : files) ReadCatalogue(file, utf8);
    Iconv encode((std::string(codePage) + "//IGNORE").c_str(), "UTF-8");
    std::vector<std::string> messages;
    std::string converted;
    for (const std::string& message : utf8) {
        if (encode.Convert(message, converted) && !converted.empty()) messages.push_back(converted);
    }
    return messages;
}

const std::vector<std::string>& TaiwanMessages() {
    static const std::vector<std::string> messages = Catalogues("zh_TW", "CP950");
    return messages;
}
const std::vector<std::string>& ChinaMessages() {
    static const std::vector<std::string> messages = Catalogues("zh_CN", "CP936");
    return messages;
}

// The lines of a message as single lines of text: no line breaks, tabs as spaces, trimmed, so
// that a conversion keeps every byte where it is.
std::vector<std::string> PlainLines(const std::vector<std::string>& messages) {
    std::vector<std::string> lines;
    for (const std::string& message : messages) {
        std::string line;
        for (size_t i = 0; i <= message.size(); ++i) {
            const char c = i < message.size() ? message[i] : '\n';
            if (c == '\n') {
                const size_t first = line.find_first_not_of(' ');
                if (first != std::string::npos)
                    lines.push_back(line.substr(first, line.find_last_not_of(' ') - first + 1));
                line.clear();
            } else if (c == '\t') {
                line += "        ";
            } else if (c != '\r' && c != '\v' && c != '\f') {
                line += c;
            }
        }
    }
    return lines;
}

// Decodes double-byte characters of one code page to UTF-8, each once.
class Characters {
  public:
    explicit Characters(const char* codePage) : m_decode("UTF-8", codePage) {}
    // Empty when the pair is no character of the code page.
    const std::string& Of(unsigned char lead, unsigned char trail) {
        const auto key = static_cast<std::uint16_t>(lead << 8 | trail);
        auto found = m_known.find(key);
        if (found != m_known.end()) return found->second;
        std::string out;
        const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
        if (!m_decode.Convert(pair, out)) out.clear();
        return m_known.emplace(key, out).first->second;
    }

  private:
    Iconv m_decode;
    std::unordered_map<std::uint16_t, std::string> m_known;
};

// Calls f(offset) for every double-byte character of a line of the code page.
template <typename F>
void ForEachPair(const std::string& line, F f) {
    for (size_t i = 0; i < line.size(); ++i) {
        if (static_cast<unsigned char>(line[i]) < 0x81 || i + 1 == line.size()) continue;
        f(i);
        ++i;
    }
}

unsigned char At(const std::string& text, size_t i) {
    return static_cast<unsigned char>(text[i]);
}

#if defined(QML_BENCH_OPENCC_DATA_DIR)
// OpenCC's simplified-to-Taiwan conversion of single characters: STCharacters, then TWVariants.
class TaiwanForms {
  public:
    TaiwanForms() {
        const std::filesystem::path data(QML_BENCH_OPENCC_DATA_DIR);
        auto dict = [&data](const char* name) {
            return R"({"type": "ocd2", "file": ")" + (data / name).string() + R"("})";
        };
        m_config = std::filesystem::temp_directory_path() /
                   ("qml_bench_s2tw_" + std::to_string(std::random_device{}()) + ".json");
        std::ofstream(m_config) << R"({"name": "s2tw characters", "segmentation": {"type": "mmseg", "dict": )"
                                << dict("STCharacters.ocd2") << R"(}, "conversion_chain": [{"dict": )"
                                << dict("STCharacters.ocd2") << R"(}, {"dict": )" << dict("TWVariants.ocd2")
                                << "}]}";
        m_converter = opencc_open(m_config.string().c_str());
        if (m_converter == reinterpret_cast<opencc_t>(-1)) throw std::runtime_error("OpenCC did not start");
    }
    ~TaiwanForms() {
        opencc_close(m_converter);
        std::filesystem::remove(m_config);
    }
    TaiwanForms(const TaiwanForms&) = delete;
    TaiwanForms& operator=(const TaiwanForms&) = delete;

    const std::string& Of(const std::string& ch) {
        auto found = m_known.find(ch);
        if (found != m_known.end()) return found->second;
        char* converted = opencc_convert_utf8(m_converter, ch.data(), ch.size());
        std::string form = converted ? converted : ch;
        opencc_convert_utf8_free(converted);
        return m_known.emplace(ch, form).first->second;
    }

  private:
    std::filesystem::path m_config;
    opencc_t m_converter;
    std::unordered_map<std::string, std::string> m_known;
};
#endif

_enum_language_type g_system = LANGUAGE_TYPE_GB;
int g_conversionOn = 1;

void SetSystem(_enum_language_type system) {
    g_system = system;
    SetGBAndBig5_Para(&g_system, &g_conversionOn);
}

double Share(long long part, long long whole) {
    return whole > 0 ? 100.0 * static_cast<double>(part) / static_cast<double>(whole) : 0.0;
}

void ReportTaiwan() {
    SetSystem(LANGUAGE_TYPE_GB);
    Characters big5("CP950"), gbk("CP936");
    // Those whose GB form is a key of the fixed GB punctuation rows (“ becomes 「) cannot come back.
    long long characters = 0, kept = 0, back = 0, punctuation = 0, punctuationBack = 0;
    std::map<std::string, long long> lost;
    for (const std::string& line : PlainLines(TaiwanMessages())) {
        const std::string gb = Big2Gb(CString(line)).str();
        const std::string again = Gb2Big(CString(gb)).str();
        if (gb.size() != line.size() || again.size() != line.size()) {
            std::printf("  length changed: %s\n", line.c_str());
            continue;
        }
        ForEachPair(line, [&](size_t i) {
            ++characters;
            const std::string& original = big5.Of(At(line, i), At(line, i + 1));
            if (gbk.Of(At(gb, i), At(gb, i + 1)) == original) ++kept;
            const bool fixed = qml::FindGbPunctuation(At(gb, i), At(gb, i + 1)) != 0;
            punctuation += fixed;
            if (again.compare(i, 2, line, i, 2) == 0) {
                ++back;
                punctuationBack += fixed;
            } else {
                ++lost[original + " -> " + gbk.Of(At(gb, i), At(gb, i + 1)) + " -> " +
                       big5.Of(At(again, i), At(again, i + 1))];
            }
        });
    }
    std::printf("zh_TW, %zu messages as Big5, %lld double-byte characters:\n", TaiwanMessages().size(),
                characters);
    std::printf("  Big5 -> GB keeps the character         %8.3f%%\n", Share(kept, characters));
    std::printf(
        "  Big5 -> GB -> Big5 gives the bytes back %8.3f%%, %8.3f%% of those not in the fixed GB "
        "punctuation rows\n",
        Share(back, characters), Share(back - punctuationBack, characters - punctuation));
    for (const auto& [change, count] : lost) std::printf("    %6lld x %s\n", count, change.c_str());
}

void ReportChina() {
    SetSystem(LANGUAGE_TYPE_BIG5);
    Characters big5("CP950"), gbk("CP936");
#if defined(QML_BENCH_OPENCC_DATA_DIR)
    TaiwanForms taiwan;
#endif
    long long characters = 0, agree = 0, raw = 0, punctuation = 0, punctuationAgree = 0;
    std::map<std::string, long long> differ;
    for (const std::string& line : PlainLines(ChinaMessages())) {
        const std::string converted = Gb2Big(CString(line)).str();
        if (converted.size() != line.size()) {
            std::printf("  length changed: %s\n", line.c_str());
            continue;
        }
        ForEachPair(line, [&](size_t i) {
            ++characters;
            const std::string& original = gbk.Of(At(line, i), At(line, i + 1));
            const std::string& result = big5.Of(At(converted, i), At(converted, i + 1));
            if (converted.compare(i, 2, line, i, 2) == 0 && result != original) ++raw;
#if defined(QML_BENCH_OPENCC_DATA_DIR)
            const std::string& expected = taiwan.Of(original);
            const bool fixed = qml::FindGbPunctuation(At(line, i), At(line, i + 1)) != 0;
            punctuation += fixed;
            punctuationAgree += fixed && result == expected;
            if (result == expected) {
                ++agree;
            } else {
                ++differ[original + " -> " + result + ", OpenCC " + expected];
            }
#endif
        });
    }
    std::printf("zh_CN, %zu messages as GBK, %lld double-byte characters:\n", ChinaMessages().size(),
                characters);
#if defined(QML_BENCH_OPENCC_DATA_DIR)
    std::printf(
        "  GB -> Big5 agrees with OpenCC (Taiwan, characters) %8.3f%%, %8.3f%% outside the fixed GB "
        "punctuation rows\n",
        Share(agree, characters), Share(agree - punctuationAgree, characters - punctuation));
    for (const auto& [change, count] : differ) {
        if (count * 2000 >= characters) std::printf("    %6lld x %s\n", count, change.c_str());
    }
    std::printf("    (each difference under 0.05%% of the characters not listed)\n");
#else
    std::printf("  (built without OpenCC: no comparison with its Taiwan-standard forms)\n");
#endif
    std::printf("  GBK characters copied as bytes Big5 reads otherwise: %lld\n", raw);
}

// What the detector says of each message with a double-byte character on the given system,
// and how often the automatic direction converts it.
void ReportDetection(const char* what, const std::vector<std::string>& messages, _enum_language_type system,
                     char direction) {
    SetSystem(system);
    long long counts[4] = {}, total = 0, converted = 0;
    for (const std::string& message : messages) {
        if (std::none_of(message.begin(), message.end(),
                         [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
            continue;
        ++total;
        ++counts[CalcStringCodeType(message.c_str(), nullptr) & 3];
        const std::string automatic = GBAndBig5Convert(message.c_str(), 0).str();
        SetSystem(LANGUAGE_TYPE_ENGLISH);  // which converts nothing
        const std::string unconverted = GBAndBig5Convert(message.c_str(), 0).str();
        SetSystem(system);
        if (automatic != unconverted && automatic == GBAndBig5Convert(message.c_str(), direction).str())
            ++converted;
    }
    std::printf(
        "detection, %s, %lld messages with Chinese: Big5 %.2f%%, GB %.2f%%, other %.2f%%; "
        "the automatic direction converts %.2f%%\n",
        what, total, Share(counts[0], total), Share(counts[1], total), Share(counts[3], total),
        Share(converted, total));
}

size_t Bytes(const std::vector<std::string>& messages) {
    size_t bytes = 0;
    for (const std::string& message : messages) bytes += message.size();
    return bytes;
}

void Ours(benchmark::State& state, const std::vector<std::string>& messages, _enum_language_type system,
          CString (*convert)(const std::string&)) {
    SetSystem(system);
    for (auto _ : state) {
        for (const std::string& message : messages) {
            CString result = convert(message);
            benchmark::DoNotOptimize(result.GetString());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(Bytes(messages)));
}

void Peer(benchmark::State& state, const std::vector<std::string>& messages, const char* to,
          const char* from) {
    Iconv cd(to, from);
    std::string out;
    for (auto _ : state) {
        for (const std::string& message : messages) {
            cd.Convert(message, out);
            benchmark::DoNotOptimize(out.data());
        }
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(Bytes(messages)));
}

// The host hands Big2Gb and Gb2Big a CString of the message: making it is part of the call.
CString CallBig2Gb(const std::string& message) {
    return Big2Gb(CString(message));
}
CString CallGb2Big(const std::string& message) {
    return Gb2Big(CString(message));
}
CString CallAutomatic(const std::string& message) {
    return GBAndBig5Convert(message.c_str(), 0);
}

void BM_Big2Gb(benchmark::State& state) {
    Ours(state, TaiwanMessages(), LANGUAGE_TYPE_GB, CallBig2Gb);
}
void BM_AutoBig5OnGbSystem(benchmark::State& state) {
    Ours(state, TaiwanMessages(), LANGUAGE_TYPE_GB, CallAutomatic);
}
void BM_IconvBig5ToGbk(benchmark::State& state) {
    Peer(state, TaiwanMessages(), "CP936//IGNORE", "CP950");
}
void BM_Gb2Big(benchmark::State& state) {
    Ours(state, ChinaMessages(), LANGUAGE_TYPE_BIG5, CallGb2Big);
}
void BM_AutoGbOnBig5System(benchmark::State& state) {
    Ours(state, ChinaMessages(), LANGUAGE_TYPE_BIG5, CallAutomatic);
}
void BM_IconvGbkToBig5(benchmark::State& state) {
    Peer(state, ChinaMessages(), "CP950//IGNORE", "CP936");
}

BENCHMARK(BM_Big2Gb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoBig5OnGbSystem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IconvBig5ToGbk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gb2Big)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoGbOnBig5System)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IconvGbkToBig5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (TaiwanMessages().empty() || ChinaMessages().empty()) {
        std::fprintf(stderr, "no zh_TW or zh_CN message catalogues under /usr/share/locale\n");
        return 1;
    }
    std::printf("texts: zh_TW %zu messages, %zu bytes of Big5; zh_CN %zu messages, %zu bytes of GBK\n",
                TaiwanMessages().size(), Bytes(TaiwanMessages()), ChinaMessages().size(),
                Bytes(ChinaMessages()));
    ReportTaiwan();
    ReportChina();
    ReportDetection("zh_TW Big5 on a GB system", TaiwanMessages(), LANGUAGE_TYPE_GB, 1);
    ReportDetection("zh_CN GBK on a Big5 system", ChinaMessages(), LANGUAGE_TYPE_BIG5, 2);
    qml_bench::RunAgainstPeers(argc, argv,
                               {{"BM_Big2Gb", "BM_IconvBig5ToGbk"},
                                {"BM_AutoBig5OnGbSystem", "BM_IconvBig5ToGbk"},
                                {"BM_Gb2Big", "BM_IconvGbkToBig5"},
                                {"BM_AutoGbOnBig5System", "BM_IconvGbkToBig5"}});
    return 0;
}
