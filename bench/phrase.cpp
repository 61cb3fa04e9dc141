// A translated log line against the message catalogues of the C library: LogML of a ten-word
// English line, every word translated from a language file of 5,000 entries, against ten
// dgettext calls on the same 5,000 entries compiled with msgfmt, and against those ten calls
// with one stat of the language file: the file check that LogML cannot do without. All are
// measured in the same run and the ratios are printed at the end.
#include <benchmark/benchmark.h>

#include <libintl.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "quorvel/multilanguage.h"
#include "support/bench_files.h"

namespace fs = std::filesystem;

namespace {

constexpr int kEntries = 5000;
constexpr const char* kDomain = "qmlbench";

// Entry i: an English word of letters only and its translation.
std::string EnglishWord(int i) {
    std::string word = "term";
    for (int n = i, digits = 0; digits < 4; n /= 26, ++digits) word += static_cast<char>('a' + n % 26);
    return word;
}
std::string Translation(int i) {
    return "mot" + EnglishWord(i).substr(4) + "x";
}

const int kLineWords[10] = {17, 480, 999, 1234, 2048, 2500, 3141, 3999, 4321, 4998};

std::string g_lastLine;
void KeepLine(unsigned int /*level*/, char* /*format*/, ...) {}

void CaptureLine(unsigned int /*level*/, char* format, ...) {
    va_list args;
    va_start(args, format);
    char text[2048];
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    g_lastLine = text;
}

// The language directory and the message catalogue, built once, and checked: both must
// really translate every word of the line, or the comparison means nothing.
struct Catalogues {
    fs::path dir;
    std::string languageFile;
    std::string line;
    std::vector<std::string> words;
    std::string expected;

    Catalogues() {
        dir = qml_bench::MakeScratchDirectory("qml-bench");

        std::string lng = "[Lngpara]\nDeleteSpace=0\nIsAlpha=1\n\n[ProgramOutStr]\n";
        std::vector<std::pair<std::string, std::string>> messages;
        for (int i = 0; i < kEntries; ++i) {
            lng += EnglishWord(i) + "=" + Translation(i) + "\n";
            messages.emplace_back(EnglishWord(i), Translation(i));
        }
        qml_bench::WriteText(dir / "Language.ini", "[LanguageType]\n2=English\n3=Benchish\n");
        languageFile = (dir / "Benchish.lng").string();
        qml_bench::WriteText(languageFile, lng);
        qml_bench::InstallCatalogue(dir, "fr", kDomain, messages);

        for (int i : kLineWords) {
            words.push_back(EnglishWord(i));
            line += (line.empty() ? "" : " ") + EnglishWord(i);
            expected += (expected.empty() ? "" : " ") + Translation(i);
        }

        for (size_t k = 0; k < words.size(); ++k)
            if (Translation(kLineWords[k]) != dgettext(kDomain, words[k].c_str()))
                throw std::runtime_error("dgettext does not translate " + words[k]);

        // A language file in use was written long before; one written a moment ago is read
        // again at every call until the profile reader can trust its time stamps (3 s).
        std::this_thread::sleep_for(std::chrono::milliseconds(3500));

        Set_MultiLanguage_Para(dir.string().c_str(), LANGUAGE_TYPE_OTHER, CaptureLine, nullptr);
        LogML(1, "%s", line.c_str());
        if (g_lastLine != expected) throw std::runtime_error("LogML gave \"" + g_lastLine + "\"");
        // From here on a callback that only receives the line, as a quiet host's would.
        Set_MultiLanguage_Para(dir.string().c_str(), LANGUAGE_TYPE_OTHER, KeepLine, nullptr);
    }
    ~Catalogues() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

Catalogues& Shared() {
    static Catalogues catalogues;
    return catalogues;
}

void BM_LogML_TenTranslatedWords(benchmark::State& state) {
    const std::string& line = Shared().line;
    for (auto _ : state) LogML(1, "%s", line.c_str());
}
BENCHMARK(BM_LogML_TenTranslatedWords);

void BM_Dgettext_TenWords(benchmark::State& state) {
    const std::vector<std::string>& words = Shared().words;
    for (auto _ : state)
        for (const std::string& word : words) benchmark::DoNotOptimize(dgettext(kDomain, word.c_str()));
}
BENCHMARK(BM_Dgettext_TenWords);

void BM_StatAndDgettext_TenWords(benchmark::State& state) {
    const std::string& file = Shared().languageFile;
    const std::vector<std::string>& words = Shared().words;
    for (auto _ : state) {
        struct stat status {};
        benchmark::DoNotOptimize(::stat(file.c_str(), &status));
        for (const std::string& word : words) benchmark::DoNotOptimize(dgettext(kDomain, word.c_str()));
    }
}
BENCHMARK(BM_StatAndDgettext_TenWords);

// Prints the usual table and, at the end, the ratios of LogML to its two peers: of the medians
// (with repetitions) or of the one run, and of the fastest repetitions, which a machine busy
// with other work disturbs least (run with --benchmark_repetitions=20
// --benchmark_enable_random_interleaving=true).
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            const std::string name = run.run_name.str();
            const double ns = run.GetAdjustedRealTime();
            if (run.run_type == Run::RT_Iteration) {
                m_typical[name] = ns;
                auto fastest = m_fastest.find(name);
                if (fastest == m_fastest.end() || ns < fastest->second) m_fastest[name] = ns;
            } else if (run.aggregate_name == "median") {
                m_typical[name] = ns;
                m_repeated = true;
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        PrintRatio(m_typical, "", "BM_Dgettext_TenWords", "ten dgettext calls", 3);
        PrintRatio(m_typical, "", "BM_StatAndDgettext_TenWords", "one stat and ten dgettext calls", 1);
        if (m_repeated)
            PrintRatio(m_fastest, "fastest repetitions: ", "BM_StatAndDgettext_TenWords",
                       "one stat and ten dgettext calls", 1);
    }

  private:
    static void PrintRatio(const std::map<std::string, double>& times, const char* label,
                           const char* peerName, const char* peerText, int goal) {
        auto ours = times.find("BM_LogML_TenTranslatedWords");
        auto peer = times.find(peerName);
        if (ours == times.end() || peer == times.end() || peer->second <= 0) return;
        std::printf("%sLogML of ten translated words: %.0f ns; %s: %.0f ns; ratio %.2f (goal <= %d)\n", label,
                    ours->second, peerText, peer->second, ours->second / peer->second, goal);
    }

    std::map<std::string, double> m_typical;  // the median, or the one run
    std::map<std::string, double> m_fastest;
    bool m_repeated = false;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    try {
        Shared();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_phrase: set-up failed: %s\n", e.what());
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
