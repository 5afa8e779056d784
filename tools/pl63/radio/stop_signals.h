#pragma once
// Ctrl-C and SIGTERM while a radio verb runs: instead of killing the program
// with the radio left in programming mode and a progress line half drawn,
// they are noted and the event loop is woken through a pipe, so the transfer
// can be cancelled with its end frame.
namespace pl63::cli {

class StopSignals {
public:
    // Catches SIGINT and SIGTERM until destroyed; the previous handlers return then.
    StopSignals();
    ~StopSignals();
    StopSignals(const StopSignals&) = delete;
    StopSignals& operator=(const StopSignals&) = delete;

    // Becomes readable when a stop signal arrives; -1 when no guard is alive.
    static int wakeDescriptor();
    // The signal that arrived (SIGINT or SIGTERM), or 0.
    static int received();
    // The exit code for it: 128 + the signal number.
    static int exitCode();
};

}  // namespace pl63::cli
