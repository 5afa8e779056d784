// pl63 new: the codeplug that Save writes right after start-up.
#include <ostream>

#include "codeplug_cli_support.h"
#include "codeplug_commands.h"

namespace pl63::cli {
namespace {

class NewCommand : public CliCommand {
public:
    std::string_view name() const override { return "new"; }
    std::string_view summary() const override { return "write a start-up codeplug (.DAT)"; }
    std::string usage() const override {
        return "usage: pl63 new OUT.DAT [--band 0..6] [--lang en|zh]\n"
               "  writes what Save writes right after start-up: no channels, every option\n"
               "  at its start value; OUT.DAT \"-\" writes it to standard output\n"
               "  --band N   band position: 0 400-480MHz, 1 450-490MHz, 2 400-430MHz,\n"
               "             3 350-390MHz, 4 350-370MHz, 5 136-174MHz, 6 600-720MHz\n"
               "  --lang     language of error messages (default en)\n";
    }

    int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) override {
        VerbStart start = startVerb(*this, words, {{"--band", "--lang"}, {}}, 1, out, err);
        if (!start.args) return start.exitCode;
        std::string error;
        auto band = bandOption(*start.args, error);
        if (!error.empty()) {
            err << "pl63 new: " << error << "\n" << usage();
            return ExitUsage;
        }
        Codeplug codeplug;
        codeplug.band = static_cast<std::int16_t>(band.value_or(0));
        Status saved = saveCodeplug(start.args->positional[0], codeplug, start.language, out);
        if (!saved) return reportBadInput(*this, saved.error(), start.language, err);
        return ExitOk;
    }
};

}  // namespace

std::unique_ptr<CliCommand> makeNewCommand() {
    return std::make_unique<NewCommand>();
}

}  // namespace pl63::cli
