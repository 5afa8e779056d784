// pl63 import: channels from CSV into a .DAT file, through the same entry
// rules as typing them into the grid.
#include <ostream>

#include "codec/band.h"
#include "codec/channel_csv.h"
#include "codec/chirp_csv.h"
#include "codeplug_cli_support.h"
#include "codeplug_commands.h"

namespace pl63::cli {
namespace {

// Far more than 16 channel lines can need; a bigger file is not a channel list.
constexpr std::size_t kMaxCsvBytes = 1 << 20;

// Before each left-out line: the window lists them under its title instead.
const Bilingual kLeftOut{"未导入", "left out "};

// The rows --skip-unfit left out, under a heading that says whether the
// others went in: line, frequency, reason.
void reportLeftOut(const std::vector<LeftOutRow>& rows, int imported, Language language,
                   std::ostream& err) {
    if (rows.empty()) return;
    err << "pl63 import: " << leftOutHeading(imported).in(language) << "\n";
    for (const LeftOutRow& row : rows) {
        err << "pl63 import: " << kLeftOut.in(language) << leftOutLine(row).in(language) << "\n";
    }
}

class ImportCommand : public CliCommand {
public:
    std::string_view name() const override { return "import"; }
    std::string_view summary() const override { return "apply channels from CSV, write a .DAT"; }
    std::string usage() const override {
        return "usage: pl63 import channels.csv -o OUT.DAT [--base FILE.DAT] [--band 0..6]\n"
               "                   [--format chirp|pl63] [--skip-unfit] [--lang en|zh]\n"
               "  each CSV row sets the channel its CH number names, as if typed into the\n"
               "  grid; channels not in the CSV keep the base's content; an empty RX\n"
               "  Frequency deletes the channel. Any bad value stops the import and\n"
               "  nothing is written. TX Frequency None makes a receive-only channel; a\n"
               "  DCS code with the digit 8 or 9 is taken as typed, with a warning.\n"
               "  A value equal to what `pl63 export` writes for the channel leaves it as\n"
               "  it is, so an export imported onto the same --base changes nothing.\n"
               "  A CHIRP CSV (its header names Location and Frequency) puts each row on\n"
               "  the channel its Location names when all are 1-16, else fills channels\n"
               "  1-16 in Location order; Name, Comment, TStep and D-STAR columns are\n"
               "  ignored, and an imported channel keeps the base channel's Forbid.\n"
               "  --format F   chirp or pl63: the layout, instead of guessing it from the\n"
               "               header\n"
               "  --skip-unfit (CHIRP) import the rows the radio can hold and list each\n"
               "               row left out with its line, frequency and reason\n"
               "  --base FILE  start from this codeplug (default: the start-up codeplug)\n"
               "  --band N     select band N first (0-6, as for `pl63 new`); a band other\n"
               "               than the base's empties the base's channels, as in the window\n"
               "  --lang       language of the grid's texts and of messages (default en)\n"
               "  channels.csv, --base  \"-\" reads standard input (one of them at most)\n"
               "  -o OUT.DAT   \"-\" writes standard output; never the CSV itself. It may\n"
               "               be the --base file, which is then updated in place\n";
    }

    int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) override {
        VerbStart start =
            startVerb(*this, words, {{"-o", "--base", "--band", "--lang", "--format"}, {"--skip-unfit"}}, 1, out, err);
        if (!start.args) return start.exitCode;
        const ParsedArgs& args = *start.args;
        const Language language = start.language;
        std::string error;
        auto band = bandOption(args, error);
        const auto format = args.value("--format");
        if (format && *format != "chirp" && *format != "pl63") error = "--format takes chirp or pl63";
        if (!args.value("-o")) error = "-o OUT.DAT is needed";
        if (args.positional[0] == "-" && args.value("--base") == "-") {
            error = "only one of channels.csv and --base can be standard input";
        }
        if (!error.empty()) {
            err << "pl63 import: " << error << "\n" << usage();
            return ExitUsage;
        }

        const std::string output = *args.value("-o");
        // The base may be the output: an update in place is what it is for.
        if (auto clash = outputIsInput(args.positional[0], output)) {
            return reportBadInput(*this, *clash, language, err);
        }

        Codeplug codeplug;
        if (auto base = args.value("--base")) {
            auto loaded = loadCodeplug(*base, language);
            if (!loaded) return reportBadInput(*this, loaded.error(), language, err);
            codeplug = std::move(loaded.value());
        }
        if (band && *band != codeplug.band) {
            // The window's confirmed band change: the old band's channels go.
            codeplug.channels.ClearGrid();
            codeplug.band = static_cast<std::int16_t>(*band);
        }

        auto csv = readTextInput(args.positional[0], kMaxCsvBytes);
        if (!csv) return reportBadInput(*this, csv.error(), language, err);
        const BandEntry* limits = bandAt(codeplug.band);
        if (!limits) limits = bandAt(0);
        const FrequencyBand limitsMHz{limits->lowMHz, limits->highMHz};
        const bool chirp = format ? *format == "chirp"
                                  : detectChannelCsvFormat(csv.value()) == ChannelCsvFormat::Chirp;
        if (args.has("--skip-unfit") && !chirp) {
            err << "pl63 import: --skip-unfit is for CHIRP files\n" << usage();
            return ExitUsage;
        }
        if (chirp) {
            const UnfitRows unfit = args.has("--skip-unfit") ? UnfitRows::LeaveOut : UnfitRows::Refuse;
            int imported = 0;
            auto applied = importChirpCsv(csv.value(), codeplug.channels, limitsMHz, language,
                                          unfit, &imported);
            if (!applied) return reportBadInput(*this, applied.error(), language, err);
            reportLeftOut(applied.value(), imported, language, err);
        } else {
            std::vector<ErrorText> warnings;
            Status applied =
                importChannelsCsv(csv.value(), codeplug.channels, limitsMHz, language, &warnings);
            if (!applied) return reportBadInput(*this, applied.error(), language, err);
            for (const ErrorText& warning : warnings) {
                err << "pl63 import: " << (language == Language::English ? "warning: " : "警告：")
                    << warning.in(language) << "\n";
            }
        }

        Status saved = saveCodeplug(output, codeplug, language, out);
        if (!saved) return reportBadInput(*this, saved.error(), language, err);
        return ExitOk;
    }
};

}  // namespace

std::unique_ptr<CliCommand> makeImportCommand() {
    return std::make_unique<ImportCommand>();
}

}  // namespace pl63::cli
