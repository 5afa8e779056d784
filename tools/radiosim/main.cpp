// pl63-radiosim: a simulated PL-63 radio on a pseudo-terminal, for tests,
// benchmarks and demos without a radio at hand.
#include <sys/prctl.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "pl63_version.h"
#include "pty_radio.h"
#include "sim_options.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) {
    stopRequested = 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace pl63::radiosim;
    const auto parsed = parseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.help) {
        std::cout << kSimUsage;
        return 0;
    }
    if (parsed.version) {
        std::cout << "pl63-radiosim " << pl63::kVersion << "\n";
        return 0;
    }
    if (!parsed.options) {
        std::cerr << "pl63-radiosim: " << parsed.error << "\n" << kSimUsage;
        return 2;
    }

    struct sigaction action {};
    action.sa_handler = requestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    // Ctrl-C or SIGTERM between the loop's look at the flag and its wait would
    // otherwise be noticed only when the PC next sends something: block them
    // and let them in only during the waits.
    sigset_t stopSignals, waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    std::signal(SIGPIPE, SIG_IGN);
    // Bytes are due every 1.04 ms; the default 50 us of timer slack on every
    // wait would add up over the thousand waits of a transfer.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);

    PtyRadio radio(*parsed.options);
    std::string error;
    const std::string device = radio.open(error);
    if (device.empty()) {
        std::cerr << "pl63-radiosim: " << error << "\n";
        return 1;
    }
    std::cout << device << std::endl;
    return radio.run(stopRequested, &waitMask);
}
