// Throughput against a peer measured in one run on a shared machine: each benchmark is
// repeated in random order with the others, and each keeps its best repetition, the one least
// disturbed by other work on the machine.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qml_bench {

class PeerRatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Prints ours and the peer's best MB/s and their ratio (above 1: ours is faster).
    void PrintRatio(const char* ours, const char* peer) const;

  private:
    std::map<std::string, double> m_bestMbPerSecond;
};

// Runs every benchmark, five repetitions each in random order unless the command line says
// otherwise, then prints the ratios of the pairs (ours, peer).
void RunAgainstPeers(int argc, char** argv, const std::vector<std::pair<const char*, const char*>>& pairs);

}  // namespace qml_bench
