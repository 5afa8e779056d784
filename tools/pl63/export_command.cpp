// pl63 export: the 16 channels of a .DAT file as CSV.
#include <ostream>

#include "codec/channel_csv.h"
#include "codec/chirp_csv.h"
#include "codeplug_cli_support.h"
#include "codeplug_commands.h"

namespace pl63::cli {
namespace {

class ExportCommand : public CliCommand {
public:
    std::string_view name() const override { return "export"; }
    std::string_view summary() const override { return "write the channels of a .DAT as CSV"; }
    std::string usage() const override {
        return "usage: pl63 export FILE.DAT [-o channels.csv] [--format pl63|chirp]\n"
               "                   [--lang en|zh]\n"
               "  one line per channel 1-16 under the header\n"
               "  CH,RX Frequency,RX Tone,TX Frequency,TX Tone,Power,Forbid,Band,Scan\n"
               "  a receive-only channel has TX Frequency None\n"
               "  --format chirp  CHIRP's 21 columns, one line per channel in use with\n"
               "            Location = channel number (Forbid has no CHIRP column)\n"
               "  FILE.DAT  the codeplug; \"-\" reads it from standard input\n"
               "  -o FILE   where to write (default, or \"-\": standard output); never the\n"
               "            input file itself\n"
               "  --lang    language of error messages (default en)\n";
    }

    int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) override {
        VerbStart start = startVerb(*this, words, {{"-o", "--lang", "--format"}, {}}, 1, out, err);
        if (!start.args) return start.exitCode;
        const std::string format = start.args->value("--format").value_or("pl63");
        if (format != "chirp" && format != "pl63") {
            err << "pl63 export: --format takes chirp or pl63\n" << usage();
            return ExitUsage;
        }
        const std::string& input = start.args->positional[0];
        const std::string output = start.args->value("-o").value_or("-");
        if (auto clash = outputIsInput(input, output)) {
            return reportBadInput(*this, *clash, start.language, err);
        }
        auto codeplug = loadCodeplug(input, start.language);
        if (!codeplug) return reportBadInput(*this, codeplug.error(), start.language, err);
        const ChannelGrid& channels = codeplug.value().channels;
        Status written = writeOutput(
            output, format == "chirp" ? exportChirpCsv(channels) : exportChannelsCsv(channels), out);
        if (!written) return reportBadInput(*this, written.error(), start.language, err);
        return ExitOk;
    }
};

}  // namespace

std::unique_ptr<CliCommand> makeExportCommand() {
    return std::make_unique<ExportCommand>();
}

}  // namespace pl63::cli
