// How close `pl63 read` and `pl63 write` come to the time the bytes need on a
// 9600-baud line, against pl63-radiosim, which paces its line like a real one.
// Prints each transfer's median time over the wire-time limit; goal: at most
// 1.03, i.e. no frame waits on anything but the bytes before it.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "link_bench_support.h"

namespace {

constexpr int kRuns = 5;
constexpr double kGoal = 1.03;

}  // namespace

int main() {
    using namespace pl63::bench;
    std::vector<double> reads, writes;
    bool ok = true;
    {
        const Simulator sim(PL63_RADIOSIM);
        if (sim.device().empty()) {
            std::cerr << "link_bench: pl63-radiosim did not start\n";
            return 1;
        }
        const std::string dat = (std::filesystem::temp_directory_path() /
                                 ("pl63-link-bench-" + std::to_string(::getpid()) + ".dat"))
                                    .string();
        for (int i = 0; i < kRuns && ok; ++i) {
            const double read =
                cliTransferSeconds(PL63_CLI, "read --port " + sim.device() + " -o " + dat);
            const double write =
                cliTransferSeconds(PL63_CLI, "write --port " + sim.device() + " " + dat);
            ok = read > 0 && write > 0;
            reads.push_back(read);
            writes.push_back(write);
        }
        std::filesystem::remove(dat);
    }
    if (!ok) return 1;

    const double readRatio = median(reads) / kReadWireSeconds;
    const double writeRatio = median(writes) / kWriteWireSeconds;
    std::printf("link read : %.3f s over %.3f s wire time = %.3f (goal <= %.2f)\n", median(reads),
                kReadWireSeconds, readRatio, kGoal);
    std::printf("link write: %.3f s over %.3f s wire time = %.3f (goal <= %.2f)\n", median(writes),
                kWriteWireSeconds, writeRatio, kGoal);
    return 0;
}
