// pl63 write: a .DAT file into the radio, as the window's Open followed by
// Write would send it.
#include <ostream>

#include "cli_args.h"
#include "codec/codeplug.h"
#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "codec/shown_text.h"
#include "codeplug_cli_support.h"
#include "link/transfer_report.h"
#include "radio_commands.h"
#include "radio_transfer.h"
#include "stop_signals.h"
#include "verb_start.h"

namespace pl63::cli {
namespace {

class WriteCommand : public CliCommand {
public:
    std::string_view name() const override { return "write"; }
    std::string_view summary() const override { return "write a .DAT file into a radio"; }
    std::string usage() const override {
        return "usage: pl63 write --port DEV FILE.DAT [--verify] [--login] [--tune]\n"
               "                  [--lang en|zh] [--verbose]\n"
               "  FILE.DAT     the codeplug; \"-\" reads it from standard input\n"
               "  --port DEV   a device path (/dev/ttyUSB0, /dev/pts/5) or a port number 1-20\n"
               "  --verify     read the radio back afterwards and compare every block\n"
               "               written; exit 5 naming the blocks it did not keep\n"
               "  --login      also write the communication password (login mode)\n"
               "  --tune       also write the transmit-power tuning values\n"
               "  --verbose    name the device and the transfer's duration\n"
               "  A write that stops half way (exit 3, or 130 after Ctrl-C) says how many\n"
               "  blocks the radio took: it then holds old and new settings mixed, so\n"
               "  write it again.\n";
    }

    int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) override {
        const VerbStart start = startVerb(
            *this, words, {{"--port", "--lang"}, {"--login", "--tune", "--verbose", "--verify"}}, 1,
            out, err);
        if (!start.args) return start.exitCode;
        const ParsedArgs& args = *start.args;
        if (!args.value("--port")) {
            err << "pl63 write: --port is needed\n" << usage();
            return ExitUsage;
        }
        const Language language = start.language;

        const auto image = readCodeplugImage(args.positional[0]);
        if (!image) {
            err << "pl63 write: " << shownText(args.positional[0]) << ": "
                << image.error().in(language) << "\n";
            return ExitBadInput;
        }
        Codeplug codeplug;
        DecodeImage(image.value(), codeplug, language);

        StopSignals stopSignals;
        coreApplication();
        TerminalLink link(language, err);
        link.imageSource = [&] { return EncodeImage(codeplug, language).hex(); };
        link.login = args.has("--login");
        link.tune = args.has("--tune");
        // The engine expects the password as the window holds it: trimmed.
        const std::string& password = codeplug.CommPassword;
        const auto first = password.find_first_not_of(' ');
        link.password = first == std::string::npos
                            ? std::string()
                            : password.substr(first, password.find_last_not_of(' ') - first + 1);
        TransferRequest request;
        request.port = *args.value("--port");
        request.write = true;
        request.language = language;
        request.verbose = args.has("--verbose");
        request.verify = args.has("--verify");
        WrittenBlocks written;
        const int code = runTransfer(link, request, err, &written);
        if (code != ExitOk || !request.verify) return code;

        const auto differing =
            link::differingBlocks(written.image, link.readData(), written.addresses);
        err << "pl63 write: "
            << link::verificationText(differing, static_cast<int>(written.addresses.size()))
                   .in(language)
            << "\n";
        return differing.empty() ? ExitOk : ExitNotKept;
    }
};

}  // namespace

std::unique_ptr<CliCommand> makeWriteCommand() {
    return std::make_unique<WriteCommand>();
}

}  // namespace pl63::cli
