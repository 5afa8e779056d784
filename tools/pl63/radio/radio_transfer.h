#pragma once
// What read and write share: the event loop, opening the port named by
// --port, and running one transfer to its end.
#include <QCoreApplication>
#include <memory>
#include <ostream>
#include <string>

#include "terminal_link.h"

namespace pl63::cli {

// The Qt application the serial port and the timers need; made once per run.
QCoreApplication& coreApplication();

struct TransferRequest {
    std::string port;  // --port: a device path or a port number 1..20
    bool write = false;
    Language language = Language::English;
    bool verbose = false;  // also the device and the transfer's duration
};

// Opens the port and runs one read or write until the engine reports its end.
// Returns ExitOk when the radio confirmed the transfer, ExitTimeout after the
// communication-error message, ExitPortNotOpen when the port could not be
// opened (the engine's port message and the reason are on `err`), ExitUsage
// for a --port that is neither a path nor a number 1..20.
int runTransfer(TerminalLink& link, const TransferRequest& request, std::ostream& err);

}  // namespace pl63::cli
