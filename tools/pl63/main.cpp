// pl63: read, edit and write PL-63 codeplugs from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli_command.h"

namespace {

void printOverview(std::ostream& out, const std::vector<std::unique_ptr<pl63::cli::CliCommand>>& commands) {
    out << "usage: pl63 VERB [options]\n\nverbs:\n";
    for (const auto& command : commands) {
        std::string name(command->name());
        out << "  " << name << std::string(name.size() < 10 ? 10 - name.size() : 1, ' ')
            << command->summary() << "\n";
    }
    out << "\n`pl63 VERB --help` describes one verb.\n"
           "exit codes: 0 ok, 1 bad input, 2 usage, 3 radio time-out, 4 port not open\n";
}

}  // namespace

int main(int argc, char** argv) {
    auto commands = pl63::cli::allCommands();
    std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        printOverview(std::cerr, commands);
        return pl63::cli::ExitUsage;
    }
    if (words[0] == "-h" || words[0] == "--help" || words[0] == "help") {
        printOverview(std::cout, commands);
        return pl63::cli::ExitOk;
    }
    for (auto& command : commands) {
        if (command->name() == words[0]) {
            std::vector<std::string> rest(words.begin() + 1, words.end());
            return command->run(rest, std::cout, std::cerr);
        }
    }
    std::cerr << "pl63: unknown verb '" << words[0] << "'\n\n";
    printOverview(std::cerr, commands);
    return pl63::cli::ExitUsage;
}
