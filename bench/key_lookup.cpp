// The key lookup against its peers, on a language file of 5,000 entries: GetMultiLanguageText
// finding a key and missing one (three tries and the fallback), against dgettext of the C
// library on a catalogue of the same 5,000 messages compiled with msgfmt, and against reading
// and parsing the language file at every lookup, as a reader without a cache does. The same
// hits in a language file of 200 MB (the 5,000 entries after filler ones) show that a lookup
// costs the same whatever the size of the file; its first lookup (read and parse) and the
// resident memory it adds are printed at set-up. The ratios are printed at the end.
#include <benchmark/benchmark.h>

#include <libintl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "platform/posix/profile_cache.h"
#include "platform/posix/profile_parse.h"
#include "platform/os.h"
#include "quorvel/multilanguage.h"
#include "support/bench_files.h"

namespace fs = std::filesystem;

namespace {

constexpr int kEntries = 5000;
constexpr int kProbes = 256;  // keys spread over the file, used in turn
constexpr const char* kDomain = "qmlkeys";
constexpr const char* kMissingKey = "A sentence that no language file holds";
constexpr std::size_t kBigFileBytes = std::size_t{200} << 20;
constexpr int kSmallType = 3;
constexpr int kBigType = 4;

std::string English(int i) {
    return "Message number " + std::to_string(i) + " of the host";
}
std::string Translated(int i) {
    return "Nachricht Nummer " + std::to_string(i) + " des Gastgebers";
}

// The resident memory of the process, in bytes.
std::size_t ResidentBytes() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    unsigned long pages = 0;
    unsigned long resident = 0;
    if (statm) {
        if (std::fscanf(statm, "%lu %lu", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return static_cast<std::size_t>(resident) * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void SetUpLanguage(const fs::path& dir, int type) {
    if (Set_MultiLanguage_Para(dir.string().c_str(), type, nullptr, nullptr) != type)
        throw std::runtime_error("set-up did not choose language " + std::to_string(type));
}

struct Fixture {
    fs::path dir;
    std::string languageFile;
    std::vector<std::string> keys;  // kProbes keys spread over the file
    std::vector<std::string> translations;

    Fixture() {
        dir = qml_bench::MakeScratchDirectory("qml-keys");

        std::string lng =
            "[LanguageTypeCpt]\r\nEnglish=English\r\n\r\n[Lngpara]\r\nDeleteSpace=0\r\nIsAlpha=1\r\n\r\n"
            "[ProgramOutStr]\r\n";
        std::vector<std::pair<std::string, std::string>> messages;
        for (int i = 0; i < kEntries; ++i) {
            lng += English(i) + "=" + Translated(i) + "\r\n";
            messages.emplace_back(English(i), Translated(i));
        }
        for (int p = 0; p < kProbes; ++p) {
            int i = (p * 7919) % kEntries;
            keys.push_back(English(i));
            translations.push_back(Translated(i));
        }
        qml_bench::WriteText(dir / "Language.ini",
                             "[LanguageType]\r\n2=English\r\n3=Benchish\r\n4=Bigish\r\n");
        qml_bench::WriteText(dir / "Benchish.lng", lng);
        languageFile = (dir / "Benchish.lng").string();
        WriteBigLanguageFile(lng);

        qml_bench::InstallCatalogue(dir, "de", kDomain, messages);
        for (int p = 0; p < kProbes; ++p)
            if (translations[p] != dgettext(kDomain, keys[p].c_str()))
                throw std::runtime_error("dgettext does not translate \"" + keys[p] + "\"");

        // A language file in use was written long before. One written a moment ago is
        // compared byte for byte at every check until its times are older than the margin.
        std::this_thread::sleep_for(std::chrono::nanoseconds(qml::os::posix::kRacyMarginNs) +
                                    std::chrono::milliseconds(300));

        MeasureFirstLookupInTheBigFile();
        SetUpLanguage(dir, kSmallType);
        char buffer[1024];
        for (int p = 0; p < kProbes; ++p)
            if (translations[p] !=
                GetMultiLanguageText(keys[p].c_str(), buffer, sizeof buffer, "ProgramOutStr"))
                throw std::runtime_error("GetMultiLanguageText does not translate \"" + keys[p] +
                                         "\": " + buffer);
        if (std::string(kMissingKey) !=
            GetMultiLanguageText(kMissingKey, buffer, sizeof buffer, "ProgramOutStr"))
            throw std::runtime_error("a missing key does not come back unchanged");
        if (translations[0] != ReparseAndLookUp(keys[0]))
            throw std::runtime_error("the direct parse finds nothing");
    }

    // The small file's entries after filler ones, to kBigFileBytes.
    void WriteBigLanguageFile(const std::string& small) {
        std::size_t table = small.find("[ProgramOutStr]\r\n") + std::strlen("[ProgramOutStr]\r\n");
        std::string big = small.substr(0, table);
        big.reserve(kBigFileBytes + small.size());
        for (int i = 0; big.size() + small.size() - table < kBigFileBytes; ++i)
            big += "Filler entry " + std::to_string(i) + " of the big file=Fuellung " + std::to_string(i) +
                   " der grossen Datei\r\n";
        big.append(small, table, std::string::npos);
        qml_bench::WriteText(dir / "Bigish.lng", big);
    }

    void MeasureFirstLookupInTheBigFile() {
        std::size_t residentBefore = ResidentBytes();
        // The set-up reads the file's parameters: the file is read and parsed there.
        auto start = std::chrono::steady_clock::now();
        SetUpLanguage(dir, kBigType);
        char buffer[1024];
        GetMultiLanguageText(keys[0].c_str(), buffer, sizeof buffer, "ProgramOutStr");
        double firstLookup = SecondsSince(start);
        if (translations[0] != buffer) throw std::runtime_error("the 200 MB file does not translate");
        start = std::chrono::steady_clock::now();
        GetMultiLanguageText(keys[1].c_str(), buffer, sizeof buffer, "ProgramOutStr");
        double secondLookup = SecondsSince(start);
        std::fprintf(stderr,
                     "200 MB language file: set-up and first lookup (read and parse) %.2f s, "
                     "the next lookup %.1f us; resident memory +%.0f MiB (the cache counts %.0f MiB)\n",
                     firstLookup, secondLookup * 1e6, (ResidentBytes() - residentBefore) / 1048576.0,
                     qml::os::posix::GetProfileCacheStats().bytes / 1048576.0);
    }

    ~Fixture() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // What a reader without a cache does for one lookup: read the file, parse it, look up.
    std::string ReparseAndLookUp(const std::string& key) const {
        std::optional<qml::os::posix::FileRead> read = qml::os::posix::ReadRegularFile(languageFile);
        if (!read) return std::string();
        qml::os::posix::ParsedProfile profile(std::move(read->bytes));
        const qml::os::posix::ProfileSection* section = profile.FindSection("ProgramOutStr");
        const qml::os::posix::ProfileEntry* entry = section ? profile.FindEntry(*section, key) : nullptr;
        return entry ? std::string(entry->value) : std::string();
    }
};

Fixture& Shared() {
    static Fixture fixture;
    return fixture;
}

void BM_GetMultiLanguageText_Hit(benchmark::State& state) {
    const Fixture& f = Shared();
    char buffer[1024];
    int p = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            GetMultiLanguageText(f.keys[p].c_str(), buffer, sizeof buffer, "ProgramOutStr"));
        p = (p + 1) % kProbes;
    }
}
BENCHMARK(BM_GetMultiLanguageText_Hit);

// The same hits with the 200 MB file bound.
void BM_GetMultiLanguageText_Hit200MB(benchmark::State& state) {
    const Fixture& f = Shared();
    SetUpLanguage(f.dir, kBigType);
    char buffer[1024];
    int p = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            GetMultiLanguageText(f.keys[p].c_str(), buffer, sizeof buffer, "ProgramOutStr"));
        p = (p + 1) % kProbes;
    }
    if (f.translations[0] != GetMultiLanguageText(f.keys[0].c_str(), buffer, sizeof buffer, "ProgramOutStr"))
        state.SkipWithError("the 200 MB file does not translate");
    SetUpLanguage(f.dir, kSmallType);
}
BENCHMARK(BM_GetMultiLanguageText_Hit200MB);

void BM_GetMultiLanguageText_Miss(benchmark::State& state) {
    Shared();
    char buffer[1024];
    for (auto _ : state)
        benchmark::DoNotOptimize(GetMultiLanguageText(kMissingKey, buffer, sizeof buffer, "ProgramOutStr"));
}
BENCHMARK(BM_GetMultiLanguageText_Miss);

// The same calls inside a call scope, as when an exported function opens one around them:
// the file is checked once per scope instead of once per try.
void BM_GetMultiLanguageText_HitInCallScope(benchmark::State& state) {
    const Fixture& f = Shared();
    char buffer[1024];
    int p = 0;
    for (auto _ : state) {
        qml::os::ProfileCallScope scope;
        benchmark::DoNotOptimize(
            GetMultiLanguageText(f.keys[p].c_str(), buffer, sizeof buffer, "ProgramOutStr"));
        p = (p + 1) % kProbes;
    }
}
BENCHMARK(BM_GetMultiLanguageText_HitInCallScope);

void BM_GetMultiLanguageText_MissInCallScope(benchmark::State& state) {
    Shared();
    char buffer[1024];
    for (auto _ : state) {
        qml::os::ProfileCallScope scope;
        benchmark::DoNotOptimize(GetMultiLanguageText(kMissingKey, buffer, sizeof buffer, "ProgramOutStr"));
    }
}
BENCHMARK(BM_GetMultiLanguageText_MissInCallScope);

void BM_Dgettext_Hit(benchmark::State& state) {
    const Fixture& f = Shared();
    int p = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(dgettext(kDomain, f.keys[p].c_str()));
        p = (p + 1) % kProbes;
    }
}
BENCHMARK(BM_Dgettext_Hit);

void BM_Dgettext_Miss(benchmark::State& state) {
    Shared();
    for (auto _ : state) benchmark::DoNotOptimize(dgettext(kDomain, kMissingKey));
}
BENCHMARK(BM_Dgettext_Miss);

void BM_ReparseEveryLookup_Hit(benchmark::State& state) {
    const Fixture& f = Shared();
    int p = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(f.ReparseAndLookUp(f.keys[p]));
        p = (p + 1) % kProbes;
    }
}
BENCHMARK(BM_ReparseEveryLookup_Hit);

// What one call cannot go below: the file check is one stat of the language file.
void BM_Floor_StatOfTheLanguageFile(benchmark::State& state) {
    const Fixture& f = Shared();
    struct stat st;
    for (auto _ : state) benchmark::DoNotOptimize(::stat(f.languageFile.c_str(), &st));
}
BENCHMARK(BM_Floor_StatOfTheLanguageFile);

// A lookup in the parsed file alone: inside one call scope the file is checked once, so this
// is what each further lookup of a sentence's words costs.
void BM_ProfileLookup_WithoutFileCheck(benchmark::State& state) {
    const Fixture& f = Shared();
    char buffer[1024];
    int p = 0;
    qml::os::ProfileCallScope scope;
    for (auto _ : state) {
        benchmark::DoNotOptimize(qml::os::GetPrivateProfileStringA(
            "ProgramOutStr", f.keys[p].c_str(), "", buffer, sizeof buffer - 1, f.languageFile.c_str()));
        p = (p + 1) % kProbes;
    }
}
BENCHMARK(BM_ProfileLookup_WithoutFileCheck);

// Prints the usual table and then the ratios of the runs to one another.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) m_ns[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\nns per call:\n");
        for (const auto& [name, ns] : m_ns) std::printf("  %-45s %12.1f\n", name.c_str(), ns);
        std::printf("ratios:\n");
        Ratio("re-parse per lookup / GetMultiLanguageText hit (goal >= 200)", "BM_ReparseEveryLookup_Hit",
              "BM_GetMultiLanguageText_Hit");
        Ratio("re-parse per lookup / hit in a call scope", "BM_ReparseEveryLookup_Hit",
              "BM_GetMultiLanguageText_HitInCallScope");
        Ratio("re-parse per lookup / lookup without the file check", "BM_ReparseEveryLookup_Hit",
              "BM_ProfileLookup_WithoutFileCheck");
        Ratio("hit in the 200 MB file / hit in the small file (goal about 1)",
              "BM_GetMultiLanguageText_Hit200MB", "BM_GetMultiLanguageText_Hit");
        Ratio("GetMultiLanguageText hit / one stat (the floor of a checked call)",
              "BM_GetMultiLanguageText_Hit", "BM_Floor_StatOfTheLanguageFile");
        Ratio("GetMultiLanguageText hit / dgettext hit", "BM_GetMultiLanguageText_Hit", "BM_Dgettext_Hit");
        Ratio("hit in a call scope / dgettext hit", "BM_GetMultiLanguageText_HitInCallScope",
              "BM_Dgettext_Hit");
        Ratio("GetMultiLanguageText miss / dgettext miss", "BM_GetMultiLanguageText_Miss",
              "BM_Dgettext_Miss");
        Ratio("miss in a call scope / dgettext miss", "BM_GetMultiLanguageText_MissInCallScope",
              "BM_Dgettext_Miss");
    }

  private:
    void Ratio(const char* label, const char* over, const char* under) {
        auto a = m_ns.find(over);
        auto b = m_ns.find(under);
        if (a == m_ns.end() || b == m_ns.end() || b->second <= 0) return;
        std::printf("  %-70s %10.1f\n", label, a->second / b->second);
    }
    std::map<std::string, double> m_ns;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    try {
        Shared();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_key_lookup: set-up failed: %s\n", e.what());
        return 1;
    }
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
