#pragma once
// The verbs that talk to a radio over a serial port.
#include <memory>

#include "cli_command.h"

namespace pl63::cli {

std::unique_ptr<CliCommand> makeReadCommand();
std::unique_ptr<CliCommand> makeWriteCommand();

}  // namespace pl63::cli
