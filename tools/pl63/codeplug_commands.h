#pragma once
// The verbs that work on codeplug files without a radio.
#include <memory>

#include "cli_command.h"

namespace pl63::cli {

std::unique_ptr<CliCommand> makeNewCommand();
std::unique_ptr<CliCommand> makeShowCommand();
std::unique_ptr<CliCommand> makeExportCommand();
std::unique_ptr<CliCommand> makeImportCommand();
std::unique_ptr<CliCommand> makeDiffCommand();

}  // namespace pl63::cli
