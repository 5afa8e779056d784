#include "stop_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace pl63::cli {
namespace {

int wakePipe[2] = {-1, -1};
volatile std::sig_atomic_t stopSignal = 0;
struct sigaction previousInt {
}, previousTerm{};

void onStopSignal(int number) {
    if (!stopSignal) stopSignal = number;
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakePipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

StopSignals::StopSignals() {
    stopSignal = 0;
    if (::pipe2(wakePipe, O_CLOEXEC | O_NONBLOCK) != 0) wakePipe[0] = wakePipe[1] = -1;
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, &previousInt);
    sigaction(SIGTERM, &action, &previousTerm);
}

StopSignals::~StopSignals() {
    sigaction(SIGINT, &previousInt, nullptr);
    sigaction(SIGTERM, &previousTerm, nullptr);
    for (int& fd : wakePipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

int StopSignals::wakeDescriptor() {
    return wakePipe[0];
}

int StopSignals::received() {
    return stopSignal;
}

int StopSignals::exitCode() {
    return 128 + stopSignal;
}

}  // namespace pl63::cli
