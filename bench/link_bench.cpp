// How close `pl63 read` and `pl63 write` come to the time the bytes need on a
// 9600-baud line, against pl63-radiosim, which paces its line like a real one.
// Prints each transfer's median time over the wire-time limit; goal: at most
// 1.03, i.e. no frame waits on anything but the bytes before it.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRuns = 5;
// Bytes on the wire in both directions at 10 bits per byte: read 1204 bytes,
// write (29 blocks) 628 bytes.
constexpr double kReadLimit = 1204 * 10 / 9600.0;
constexpr double kWriteLimit = 628 * 10 / 9600.0;
constexpr double kGoal = 1.03;

struct Simulator {
    pid_t pid = -1;
    std::string device;
};

Simulator startSimulator() {
    Simulator sim;
    int out[2];
    if (::pipe(out) != 0) return sim;
    sim.pid = ::fork();
    if (sim.pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        ::close(out[0]);
        ::execl(PL63_RADIOSIM, PL63_RADIOSIM, static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(out[1]);
    char c;
    while (::read(out[0], &c, 1) == 1 && c != '\n') sim.device += c;
    ::close(out[0]);
    return sim;
}

// The duration the CLI itself measured from the first frame to the end, or -1.
double transferSeconds(const std::string& arguments) {
    const std::string command = std::string(PL63_CLI) + " " + arguments + " --verbose 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return -1;
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = ::pclose(pipe);
    const std::string marker = "transfer took ";
    const auto at = output.find(marker);
    if (status != 0 || at == std::string::npos) {
        std::cerr << "link_bench: " << command << " failed:\n" << output;
        return -1;
    }
    return std::atof(output.c_str() + at + marker.size());
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    const Simulator sim = startSimulator();
    if (sim.device.empty()) {
        std::cerr << "link_bench: pl63-radiosim did not start\n";
        return 1;
    }
    const std::string dat = (std::filesystem::temp_directory_path() /
                             ("pl63-link-bench-" + std::to_string(::getpid()) + ".dat"))
                                .string();

    std::vector<double> reads, writes;
    bool ok = true;
    for (int i = 0; i < kRuns && ok; ++i) {
        const double read = transferSeconds("read --port " + sim.device + " -o " + dat);
        const double write = transferSeconds("write --port " + sim.device + " " + dat);
        ok = read > 0 && write > 0;
        reads.push_back(read);
        writes.push_back(write);
    }
    ::kill(sim.pid, SIGTERM);
    ::waitpid(sim.pid, nullptr, 0);
    std::filesystem::remove(dat);
    if (!ok) return 1;

    const double readRatio = median(reads) / kReadLimit;
    const double writeRatio = median(writes) / kWriteLimit;
    std::printf("link read : %.3f s over %.3f s wire time = %.3f (goal <= %.2f)\n", median(reads),
                kReadLimit, readRatio, kGoal);
    std::printf("link write: %.3f s over %.3f s wire time = %.3f (goal <= %.2f)\n", median(writes),
                kWriteLimit, writeRatio, kGoal);
    return 0;
}
