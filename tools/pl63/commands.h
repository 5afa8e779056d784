#pragma once
// Each group of verbs adds its commands; groups live in their own files.
#include <memory>
#include <vector>

#include "cli_command.h"

namespace pl63::cli {

// new, show, export, import, diff (codeplug_commands.cpp)
void addCodeplugCommands(std::vector<std::unique_ptr<CliCommand>>& commands);
// print (print/print_command.cpp; needs Qt Gui)
void addPrintCommands(std::vector<std::unique_ptr<CliCommand>>& commands);
// read, write (radio_commands.cpp; needs the serial adapter)
void addRadioCommands(std::vector<std::unique_ptr<CliCommand>>& commands);

}  // namespace pl63::cli
