#pragma once
// Runs the built tools as child processes with pipes on stdout and stderr and
// a hard limit on their run time, so a hanging tool fails a test instead of
// stalling the suite.
#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pl63::e2e {

struct ProcessResult {
    int exitCode = -1;  // -1 when it had to be killed or died of a signal
    bool killed = false;
    std::string out;
    std::string err;
    double seconds = 0;
};

// Something to do to a running child once its stderr shows `text`, such as
// sending it a signal in the middle of a transfer. Runs once.
struct ErrTrigger {
    std::string text;
    std::function<void(pid_t)> action;
};

// Runs argv to its end (killed after `limit`), with extra environment entries
// "NAME=value".
ProcessResult runProcess(const std::vector<std::string>& argv,
                         std::chrono::milliseconds limit = std::chrono::seconds(30),
                         const std::vector<std::string>& environment = {},
                         const ErrTrigger* trigger = nullptr);

// A pl63-radiosim for one test: started with the given options, its device
// path read from its first line, stopped (and if need be killed) at the end.
class SimulatedRadio {
public:
    explicit SimulatedRadio(const std::vector<std::string>& options = {});
    ~SimulatedRadio();
    SimulatedRadio(const SimulatedRadio&) = delete;
    SimulatedRadio& operator=(const SimulatedRadio&) = delete;

    const std::string& device() const { return device_; }  // empty when it did not start
    // Waits for the simulator to exit by itself; its exit code, or nullopt.
    std::optional<int> waitForExit(std::chrono::milliseconds limit);

private:
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    std::string device_;
};

}  // namespace pl63::e2e
