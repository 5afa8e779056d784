// pl63: read, edit and write PL-63 codeplugs from the command line.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli_command.h"
#include "pl63_version.h"

namespace {

void printOverview(std::ostream& out,
                   const std::vector<std::unique_ptr<pl63::cli::CliCommand>>& commands) {
    out << "usage: pl63 VERB [options]\n       pl63 --version\n\nverbs:\n";
    for (const auto& command : commands) {
        std::string name(command->name());
        out << "  " << name << std::string(name.size() < 10 ? 10 - name.size() : 1, ' ')
            << command->summary() << "\n";
    }
    out << "\n`pl63 VERB --help` describes one verb.\n"
           "exit codes: 0 ok, 1 bad input or an output that cannot be written, 2 usage,\n"
           "  3 the radio stopped answering, 4 port not open, 5 the radio did not keep\n"
           "  what was written (write --verify), 130/143 stopped by Ctrl-C / SIGTERM;\n"
           "  diff as diff(1): 0 the same, 1 different, 2 trouble\n"
           "\"-\" names standard input or output wherever a verb reads or writes a file.\n";
}

int run(const std::vector<std::string>& words) {
    auto commands = pl63::cli::allCommands();
    if (words.empty()) {
        printOverview(std::cerr, commands);
        return pl63::cli::ExitUsage;
    }
    if (words[0] == "--version") {
        std::cout << "pl63 " << pl63::kVersion << "\n";
        return pl63::cli::ExitOk;
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

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a write should fail with its reason (and the safe
    // writer keep the old file), not kill the program half way.
    std::signal(SIGXFSZ, SIG_IGN);
    const std::vector<std::string> words(argv + 1, argv + argc);
    const int code = run(words);
    // Whatever was printed must have arrived; a verb that checks its own
    // output has reported a failure already.
    if (!std::cout.flush() && code == pl63::cli::ExitOk) {
        std::cerr << "pl63" << (words.empty() ? "" : " " + words[0])
                  << ": Cannot write to the standard output\n";
        return pl63::cli::ExitBadInput;
    }
    return code;
}
