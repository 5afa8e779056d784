#include "codeplug_commands.h"

#include "commands.h"

namespace pl63::cli {

void addCodeplugCommands(std::vector<std::unique_ptr<CliCommand>>& commands) {
    commands.push_back(makeNewCommand());
    commands.push_back(makeShowCommand());
    commands.push_back(makeExportCommand());
    commands.push_back(makeImportCommand());
    commands.push_back(makeDiffCommand());
}

}  // namespace pl63::cli
