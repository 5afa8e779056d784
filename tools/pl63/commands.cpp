// The registry of verbs, in the order `pl63 --help` lists them.
#include "cli_command.h"
#include "commands.h"

namespace pl63::cli {

std::vector<std::unique_ptr<CliCommand>> allCommands() {
    std::vector<std::unique_ptr<CliCommand>> commands;
    addCodeplugCommands(commands);
#ifdef PL63_HAVE_PRINT
    addPrintCommands(commands);
#endif
#ifdef PL63_HAVE_SERIAL
    addRadioCommands(commands);
#endif
    return commands;
}

}  // namespace pl63::cli
