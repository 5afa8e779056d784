#pragma once
// What read and write share: the event loop, opening the port named by
// --port, and running one transfer to its end.
#include <QCoreApplication>
#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "terminal_link.h"

namespace pl63::cli {

// The Qt application the serial port and the timers need; made once per run.
QCoreApplication& coreApplication();

struct TransferRequest {
    std::string port;  // --port: a device path or a port number 1..20
    bool write = false;
    // write --verify: read the radio back in the same session
    bool verify = false;
    Language language = Language::English;
    bool verbose = false;  // also the device and the transfer's duration
};

// What a write sent, for the comparison after the read-back of --verify.
struct WrittenBlocks {
    std::string image;           // hex text from radio address 0x0010
    std::vector<int> addresses;  // the blocks the radio acknowledged
};

// While a StopSignals guard is alive: calls `onStop` from the event loop once
// Ctrl-C or SIGTERM has arrived. Null when no guard is alive.
std::unique_ptr<QSocketNotifier> watchStopSignals(std::function<void()> onStop);

// Opens the port and runs one read or write until the engine reports its end
// (with `verify`, the write and then a read, compared: the blocks the radio
// did not keep go to `notKept`). Returns ExitOk when the radio confirmed the
// transfer, ExitNotKept when the read-back differs, ExitTimeout after the communication-error message
// and how many blocks got through, ExitPortNotOpen when the port could not be
// opened (the engine's port message and the reason are on `err`), ExitUsage
// for a --port that is neither a path nor a number 1..20, and 128 + the
// signal when a live StopSignals guard saw Ctrl-C or SIGTERM (the transfer
// was cancelled with its end frame).
int runTransfer(TerminalLink& link, const TransferRequest& request, std::ostream& err,
                WrittenBlocks* written = nullptr, std::vector<int>* notKept = nullptr);

}  // namespace pl63::cli
