#pragma once
// The simulated radio behind a pseudo-terminal: the PC opens the slave device
// as its serial port, the radio reads and answers on the master side.
#include <csignal>
#include <optional>
#include <string>

#include "link/radio_simulator.h"
#include "paced_line.h"
#include "sim_options.h"

namespace pl63::radiosim {

class PtyRadio {
public:
    explicit PtyRadio(SimOptions options);
    ~PtyRadio();

    // Opens the pseudo-terminal; returns the slave's path, or "" with `error` set.
    std::string open(std::string& error);
    // Serves sessions until `stop` is set (or --once / --vanish-after end it).
    // The stop signals should be blocked outside the waits and `waitMask` be
    // the mask to wait under; a signal then always ends a wait instead of
    // slipping in just before it. Returns the process exit code.
    int run(const volatile std::sig_atomic_t& stop, const sigset_t* waitMask = nullptr);

private:
    void deliverArrived(PacedLine::Clock::time_point now);
    void sessionEnded();
    void writeDue(PacedLine::Clock::time_point now);
    void readFromPc(PacedLine::Clock::time_point now);
    // Closes the device once a pending vanish is due; true when it did.
    bool vanishIfDue(PacedLine::Clock::time_point now);

    SimOptions options_;
    link::RadioSimulator simulator_;
    PacedLine line_;
    int master_ = -1;
    int openWatch_ = -1;  // inotify: a PC opens the device
    std::string slavePath_;
    bool peerGone_ = true;  // nobody has the slave open
    bool finished_ = false;
    bool saveFailed_ = false;
    // --vanish-after: the blocks are served; the device closes once their
    // replies are out and the PC had a moment to take them.
    bool vanishPending_ = false;
    std::optional<PacedLine::Clock::time_point> vanishAt_;
};

}  // namespace pl63::radiosim
