#pragma once
// What the transfer benchmarks share: a pl63-radiosim of their own, the time
// `pl63` reports for a transfer with it, and the wire time those transfers
// cannot beat.
#include <sys/types.h>

#include <string>
#include <vector>

namespace pl63::bench {

// Bytes on the wire in both directions at 10 bits per byte: read 1204 bytes,
// write (29 blocks) 628 bytes.
constexpr double kReadWireSeconds = 1204 * 10 / 9600.0;
constexpr double kWriteWireSeconds = 628 * 10 / 9600.0;

// pl63-radiosim, which paces its line like a 9600-baud cable; stopped when
// the object goes.
class Simulator {
public:
    explicit Simulator(const std::string& program);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    const std::string& device() const { return device_; }  // empty when it did not start

private:
    pid_t pid_ = -1;
    std::string device_;
};

// Runs `cli` with `arguments` and --verbose; the duration it measured itself
// from the first frame to the end, or -1 (the reason on stderr).
double cliTransferSeconds(const std::string& cli, const std::string& arguments);

double median(std::vector<double> values);

}  // namespace pl63::bench
