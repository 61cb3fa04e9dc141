#include "support/peer_ratio.h"

#include <cstdio>
#include <cstring>

namespace qml_bench {

void PeerRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
        auto found = run.counters.find("bytes_per_second");
        if (found == run.counters.end()) continue;
        double& best = m_bestMbPerSecond[run.run_name.function_name];
        best = std::max(best, found->second.value / 1e6);
    }
    ConsoleReporter::ReportRuns(runs);
}

void PeerRatioReporter::PrintRatio(const char* ours, const char* peer) const {
    auto a = m_bestMbPerSecond.find(ours);
    auto b = m_bestMbPerSecond.find(peer);
    if (a == m_bestMbPerSecond.end() || b == m_bestMbPerSecond.end() || b->second <= 0) return;
    std::printf("%-24s %8.1f MB/s   %-20s %8.1f MB/s   ratio %.2f\n", ours, a->second, peer, b->second,
                a->second / b->second);
}

void RunAgainstPeers(int argc, char** argv, const std::vector<std::pair<const char*, const char*>>& pairs) {
    std::vector<char*> args(argv, argv + argc);
    bool repetitions = false;
    for (char* arg : args) repetitions = repetitions || std::strncmp(arg, "--benchmark_repetitions", 23) == 0;
    static char kRepetitions[] = "--benchmark_repetitions=5";
    static char kInterleaving[] = "--benchmark_enable_random_interleaving=true";
    static char kNoAggregates[] = "--benchmark_report_aggregates_only=false";
    if (!repetitions) {
        args.push_back(kRepetitions);
        args.push_back(kInterleaving);
        args.push_back(kNoAggregates);
    }
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    PeerRatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nbest throughput against the peer (ratio above 1: faster than the peer)\n");
    for (const auto& [ours, peer] : pairs) reporter.PrintRatio(ours, peer);
    benchmark::Shutdown();
}

}  // namespace qml_bench
