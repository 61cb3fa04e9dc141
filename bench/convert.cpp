// Chinese code conversion against the C library's iconv: Big2Gb, Gb2Big and the automatic
// direction on about 4 MB of Chinese text with ASCII words and line breaks mixed in, and
// iconv BIG5 -> GBK and GBK -> BIG5 on the same bytes, in the same run (five repetitions of
// each in random order unless the command line says otherwise). The ratios of the best
// throughputs (ours over iconv's) are printed at the end.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstdio>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "quorvel/multilanguage.h"
#include "support/peer_ratio.h"

namespace {

constexpr size_t kTextBytes = 4 * 1024 * 1024;

class Iconv {
  public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv_open failed");
    }
    ~Iconv() { iconv_close(m_cd); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts the whole text; false when iconv stops early.
    bool Convert(const std::string& in, std::string& out) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        out.resize(in.size() * 2 + 16);
        char* src = const_cast<char*>(in.data());
        size_t srcLeft = in.size();
        char* dst = &out[0];
        size_t dstLeft = out.size();
        size_t result = iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
        out.resize(out.size() - dstLeft);
        return result != static_cast<size_t>(-1) && srcLeft == 0;
    }

  private:
    iconv_t m_cd;
};

// The double-byte codes of a range that iconv converts to the other encoding.
std::vector<std::string> Convertible(const char* from, const char* to, unsigned firstLead, unsigned lastLead,
                                     unsigned firstTrail, unsigned lastTrail) {
    Iconv cd(to, from);
    std::vector<std::string> codes;
    std::string out;
    for (unsigned lead = firstLead; lead <= lastLead; ++lead) {
        for (unsigned trail = firstTrail; trail <= lastTrail; ++trail) {
            if (trail >= 0x7F && trail <= 0xA0) continue;
            const std::string code{static_cast<char>(lead), static_cast<char>(trail)};
            if (cd.Convert(code, out)) codes.push_back(code);
        }
    }
    return codes;
}

// Lines of 20 to 40 characters with an ASCII word now and then, ending in CR LF or LF.
std::string MakeText(const std::vector<std::string>& hanzi, unsigned seed) {
    static const char* const kWords[] = {"OK", "ID 4711", "error", "v2.1", "(c)", "TCP/IP", "2024-05-01"};
    std::mt19937 random(seed);
    std::string text;
    text.reserve(kTextBytes + 256);
    while (text.size() < kTextBytes) {
        const int count = 20 + static_cast<int>(random() % 21);
        for (int i = 0; i < count; ++i) {
            if (random() % 8 == 0) {
                text += ' ';
                text += kWords[random() % std::size(kWords)];
                text += ' ';
            }
            text += hanzi[random() % hanzi.size()];
        }
        text += random() % 4 == 0 ? "\n" : "\r\n";
    }
    return text;
}

const std::string& Big5Text() {
    static const std::string text = MakeText(Convertible("BIG5", "GBK", 0xA4, 0xC6, 0x40, 0xFE), 1);
    return text;
}

const std::string& GbText() {
    static const std::string text = MakeText(Convertible("GBK", "BIG5", 0xB0, 0xD7, 0xA1, 0xFE), 2);
    return text;
}

_enum_language_type g_system = LANGUAGE_TYPE_GB;
int g_conversionOn = 1;

void Ours(benchmark::State& state, const std::string& text, _enum_language_type system, char direction) {
    g_system = system;
    SetGBAndBig5_Para(&g_system, &g_conversionOn);
    for (auto _ : state) {
        CString result = GBAndBig5Convert(text.c_str(), direction);
        benchmark::DoNotOptimize(result.GetString());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void Peer(benchmark::State& state, const std::string& text, const char* to, const char* from) {
    Iconv cd(to, from);
    std::string out;
    for (auto _ : state) {
        if (!cd.Convert(text, out)) state.SkipWithError("iconv stopped early");
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

// The host hands Big2Gb / Gb2Big a string it already has; making that string is not timed.
void FixedDirection(benchmark::State& state, const std::string& text, _enum_language_type system,
                    CString (*convert)(CString)) {
    g_system = system;
    SetGBAndBig5_Para(&g_system, &g_conversionOn);
    for (auto _ : state) {
        state.PauseTiming();
        CString argument(text);
        state.ResumeTiming();
        CString result = convert(std::move(argument));
        benchmark::DoNotOptimize(result.GetString());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_Big2Gb(benchmark::State& state) {
    FixedDirection(state, Big5Text(), LANGUAGE_TYPE_GB, Big2Gb);
}
void BM_Gb2Big(benchmark::State& state) {
    FixedDirection(state, GbText(), LANGUAGE_TYPE_BIG5, Gb2Big);
}
void BM_AutoBig5OnGbSystem(benchmark::State& state) {
    Ours(state, Big5Text(), LANGUAGE_TYPE_GB, 0);
}
void BM_AutoGbOnBig5System(benchmark::State& state) {
    Ours(state, GbText(), LANGUAGE_TYPE_BIG5, 0);
}
void BM_IconvBig5ToGbk(benchmark::State& state) {
    Peer(state, Big5Text(), "GBK", "BIG5");
}
void BM_IconvGbkToBig5(benchmark::State& state) {
    Peer(state, GbText(), "BIG5", "GBK");
}

BENCHMARK(BM_Big2Gb)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoBig5OnGbSystem)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IconvBig5ToGbk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gb2Big)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AutoGbOnBig5System)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IconvGbkToBig5)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    std::printf("texts: Big5 %zu bytes, GB %zu bytes\n", Big5Text().size(), GbText().size());
    qml_bench::RunAgainstPeers(argc, argv,
                               {{"BM_Big2Gb", "BM_IconvBig5ToGbk"},
                                {"BM_AutoBig5OnGbSystem", "BM_IconvBig5ToGbk"},
                                {"BM_Gb2Big", "BM_IconvGbkToBig5"},
                                {"BM_AutoGbOnBig5System", "BM_IconvGbkToBig5"}});
    return 0;
}
