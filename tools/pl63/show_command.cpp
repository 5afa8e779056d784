// pl63 show: a .DAT file in readable form, as the windows would show it.
#include <ostream>

#include "codeplug_cli_support.h"
#include "codeplug_commands.h"
#include "report/codeplug_report.h"

namespace pl63::cli {
namespace {

class ShowCommand : public CliCommand {
public:
    std::string_view name() const override { return "show"; }
    std::string_view summary() const override { return "print a .DAT file in readable form"; }
    std::string usage() const override {
        return "usage: pl63 show FILE.DAT [--lang en|zh]\n"
               "  the 16 channels as the grid shows them, then the band, Function Set,\n"
               "  side keys, scan and priority options, test frequencies, embedded\n"
               "  information and tuning values\n"
               "  FILE.DAT  \"-\" reads the codeplug from standard input\n"
               "  --lang    language of the texts (default en)\n";
    }

    int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) override {
        VerbStart start = startVerb(*this, words, {{"--lang"}, {}}, 1, out, err);
        if (!start.args) return start.exitCode;
        auto codeplug = loadCodeplug(start.args->positional[0], start.language);
        if (!codeplug) return reportBadInput(*this, codeplug.error(), start.language, err);
        out << report::codeplugReport(codeplug.value(), start.language);
        if (Status shown = finishOutput(out); !shown) {
            return reportBadInput(*this, shown.error(), start.language, err);
        }
        return ExitOk;
    }
};

}  // namespace

std::unique_ptr<CliCommand> makeShowCommand() {
    return std::make_unique<ShowCommand>();
}

}  // namespace pl63::cli
