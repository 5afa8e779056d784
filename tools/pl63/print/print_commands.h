#pragma once
// The verb that needs Qt Gui: print (built only where Qt Gui is).
#include <memory>

#include "cli_command.h"

namespace pl63::cli {

std::unique_ptr<CliCommand> makePrintCommand();

}  // namespace pl63::cli
