// Import and export of a full 16-channel CHIRP file against the same work in
// our own CSV layout: CHIRP's wider rows may cost at most twice as much.
// Prints microseconds per round and each ratio against the limit of 2.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "codec/channel_csv.h"
#include "codec/chirp_csv.h"

namespace {

using namespace pl63;

constexpr FrequencyBand kBand{400, 480};
constexpr double kLimit = 2.0;

// Sixteen channels with tones of every kind, offsets, both band widths and powers.
ChannelGrid fullGrid() {
    std::string csv(channelCsvHeader());
    csv += '\n';
    const char* tones[] = {"Off", "88.5", "D023N", "D754I"};
    for (int row = 1; row <= kChannelCount; ++row) {
        const std::string rx = "43" + std::to_string(row % 10) + ".1" + std::to_string(row % 8) + "25";
        const std::string tx = row % 3 ? rx : "44" + std::to_string(row % 8) + ".5";
        csv += std::to_string(row) + "," + rx + "," + tones[row % 4] + "," + tx + "," +
               tones[(row / 4) % 4] + "," + (row % 2 ? "High" : "Low") + ",Off," +
               (row % 3 ? "Wide" : "Narrow") + "," + (row % 5 ? "Yes" : "No") + "\n";
    }
    ChannelGrid grid;
    if (!importChannelsCsv(csv, grid, kBand, Language::English)) std::abort();
    return grid;
}

double microsFor(int calls, const std::function<std::size_t()>& work, std::size_t& checksum) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls; ++i) checksum += work();
    const std::chrono::duration<double, std::micro> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count();
}

// Microseconds per call of each, measured in short alternating batches: on a
// shared machine both then see the same disturbances, and the ratio of the
// sums is steadier than either figure.
std::pair<double, double> alternating(int batches, const std::function<std::size_t()>& ours,
                                      const std::function<std::size_t()>& chirp) {
    constexpr int kCalls = 20;
    std::size_t checksum = 0;
    double totalOurs = 0, totalChirp = 0;
    for (int batch = 0; batch < batches; ++batch) {
        totalOurs += microsFor(kCalls, ours, checksum);
        totalChirp += microsFor(kCalls, chirp, checksum);
    }
    if (checksum == 0) std::puts("");  // keeps the work from being optimised away
    const double calls = static_cast<double>(batches) * kCalls;
    return {totalOurs / calls, totalChirp / calls};
}

}  // namespace

int main() {
    constexpr int kRounds = 300;  // batches
    const ChannelGrid grid = fullGrid();
    const std::string ours = exportChannelsCsv(grid);
    const std::string chirp = exportChirpCsv(grid);

    const auto [exportOurs, exportChirp] = alternating(
        kRounds, [&] { return exportChannelsCsv(grid).size(); },
        [&] { return exportChirpCsv(grid).size(); });
    const auto [importOurs, importChirp] = alternating(
        kRounds,
        [&] {
            ChannelGrid into;
            return importChannelsCsv(ours, into, kBand, Language::English).ok() +
                   into.text(16, ColRxFrequency).size();
        },
        [&] {
            ChannelGrid into;
            return importChirpCsv(chirp, into, kBand, Language::English, UnfitRows::Refuse).ok() +
                   into.text(16, ColRxFrequency).size();
        });

    std::printf("chirp: export %.1f us (own CSV %.1f us), import %.1f us (own CSV %.1f us)\n",
                exportChirp, exportOurs, importChirp, importOurs);
    std::printf("export ratio %.2f (limit %.1f)\n", exportChirp / exportOurs, kLimit);
    std::printf("import ratio %.2f (limit %.1f)\n", importChirp / importOurs, kLimit);
    return 0;
}
