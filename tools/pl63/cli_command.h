#pragma once
// One class per verb of the pl63 command line.
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace pl63::cli {

// Exit codes shared by every verb.
enum ExitCode : int {
    ExitOk = 0,
    ExitBadInput = 1,       // a file or value the user gave is not acceptable
    ExitUsage = 2,          // wrong arguments
    ExitTimeout = 3,        // the radio did not answer: the communication-error time-out
    ExitPortNotOpen = 4,    // the serial port could not be opened
    ExitNotKept = 5,        // write --verify: the radio did not keep what was written
    ExitInterrupted = 130,  // Ctrl-C (SIGINT) stopped a transfer
    ExitTerminated = 143,   // SIGTERM stopped a transfer
};

class CliCommand {
public:
    virtual ~CliCommand() = default;

    virtual std::string_view name() const = 0;
    virtual std::string_view summary() const = 0;  // one line for `pl63 --help`
    virtual std::string usage() const = 0;         // full text for `pl63 VERB --help`
    // args are the words after the verb.
    virtual int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) = 0;
};

// Every verb registers here (commands.cpp).
std::vector<std::unique_ptr<CliCommand>> allCommands();

}  // namespace pl63::cli
