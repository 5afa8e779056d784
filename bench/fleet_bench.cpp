// Four simulated radios written and verified at once by one `pl63 write`
// against one radio alone: each port has its own engine and the radios pace
// themselves, so the four should take hardly longer than one.
// Prints the median wall times and their ratio; goal: at most 1.25.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRadios = 4;
constexpr int kRuns = 5;
constexpr double kGoal = 1.25;

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

// Wall time of the whole command, -1 when it failed.
double commandSeconds(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system((command + " > /dev/null 2>&1").c_str());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (status != 0) {
        std::cerr << "fleet_bench: " << command << " failed\n";
        return -1;
    }
    return took.count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main() {
    std::vector<Simulator> sims;
    for (int i = 0; i < kRadios; ++i) sims.push_back(startSimulator());
    const auto stopAll = [&sims] {
        for (const Simulator& sim : sims) {
            if (sim.pid <= 0) continue;
            ::kill(sim.pid, SIGTERM);
            ::waitpid(sim.pid, nullptr, 0);
        }
    };
    for (const Simulator& sim : sims) {
        if (sim.device.empty()) {
            std::cerr << "fleet_bench: pl63-radiosim did not start\n";
            stopAll();
            return 1;
        }
    }
    const std::string dat = (std::filesystem::temp_directory_path() /
                             ("pl63-fleet-bench-" + std::to_string(::getpid()) + ".dat"))
                                .string();
    const std::string cli = PL63_CLI;
    bool ok = std::system((cli + " new " + dat).c_str()) == 0;

    std::string allPorts;
    for (const Simulator& sim : sims) allPorts += " --port " + sim.device;
    std::vector<double> ones, fleets;
    for (int i = 0; i < kRuns && ok; ++i) {
        const double one = commandSeconds(cli + " write --verify --port " + sims[0].device + " " + dat);
        const double fleet = commandSeconds(cli + " write --verify" + allPorts + " " + dat);
        ok = one > 0 && fleet > 0;
        ones.push_back(one);
        fleets.push_back(fleet);
    }
    stopAll();
    std::filesystem::remove(dat);
    if (!ok) return 1;

    const double ratio = median(fleets) / median(ones);
    std::printf("fleet write --verify: %d radios %.3f s, one radio %.3f s = %.3f (goal <= %.2f)\n",
                kRadios, median(fleets), median(ones), ratio, kGoal);
    return 0;
}
