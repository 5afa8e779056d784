#include "radio_commands.h"

#include "commands.h"

namespace pl63::cli {

void addRadioCommands(std::vector<std::unique_ptr<CliCommand>>& commands) {
    commands.push_back(makeReadCommand());
    commands.push_back(makeWriteCommand());
}

}  // namespace pl63::cli
