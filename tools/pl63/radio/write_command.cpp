// pl63 write: a .DAT file into the radio, as the window's Open followed by
// Write would send it.
#include <unistd.h>

#include <QFileInfo>
#include <ostream>

#include "cli_args.h"
#include "codec/codeplug.h"
#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "codec/shown_text.h"
#include "codeplug_cli_support.h"
#include "fleet_write.h"
#include "link/transfer_report.h"
#include "radio_commands.h"
#include "radio_transfer.h"
#include "stop_signals.h"
#include "transfer_session.h"
#include "verb_start.h"

namespace pl63::cli {
namespace {

// "" when the ports name different devices, else the error naming the two
// arguments: two transfers on one port would garble each other.
std::string samePortTwice(const std::vector<std::string>& ports) {
    std::vector<QString> devices;
    for (const std::string& argument : ports) {
        const auto port = resolvePort(argument);
        if (!port || port->device.isEmpty()) {
            devices.emplace_back();
            continue;
        }
        const QString canonical = QFileInfo(port->device).canonicalFilePath();
        devices.push_back(canonical.isEmpty() ? port->device : canonical);
    }
    for (std::size_t i = 0; i < devices.size(); ++i) {
        for (std::size_t j = 0; j < i; ++j) {
            if (devices[i].isEmpty() || devices[i] != devices[j]) continue;
            return ports[i] == ports[j]
                       ? "port " + ports[i] + " is named twice"
                       : ports[j] + " and " + ports[i] + " name the same port (" +
                             devices[i].toStdString() + ")";
        }
    }
    return {};
}

class WriteCommand : public CliCommand {
public:
    std::string_view name() const override { return "write"; }
    std::string_view summary() const override { return "write a .DAT file into a radio"; }
    std::string usage() const override {
        return "usage: pl63 write --port DEV [--port DEV ...] FILE.DAT [--verify] [--login]\n"
               "                  [--tune] [--lang en|zh] [--verbose]\n"
               "  FILE.DAT     the codeplug; \"-\" reads it from standard input\n"
               "  --port DEV   a device path (/dev/ttyUSB0, /dev/pts/5) or a port number 1-20;\n"
               "               several --port options write every radio named at once, one\n"
               "               progress line each, then a table with one row per port\n"
               "               (written, verified, or failed with the reason). Exit 0 when\n"
               "               all succeeded, else the worst failure: 130/143, 3, 5, 4\n"
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
            *this, words,
            {{"--port", "--lang"}, {"--login", "--tune", "--verbose", "--verify"}, {"--port"}}, 1,
            out, err);
        if (!start.args) return start.exitCode;
        const ParsedArgs& args = *start.args;
        if (!args.value("--port")) {
            err << "pl63 write: --port is needed\n" << usage();
            return ExitUsage;
        }
        const Language language = start.language;
        const std::vector<std::string> ports = args.all("--port");
        if (const std::string clash = samePortTwice(ports); !clash.empty()) {
            err << "pl63 write: " << clash << "\n";
            return ExitUsage;
        }

        const auto image = readCodeplugImage(args.positional[0]);
        if (!image) {
            err << "pl63 write: " << shownText(args.positional[0]) << ": "
                << image.error().in(language) << "\n";
            return ExitBadInput;
        }
        Codeplug codeplug;
        DecodeImage(image.value(), codeplug, language);

        // The engine expects the password as the window holds it: trimmed.
        const std::string& password = codeplug.CommPassword;
        const auto first = password.find_first_not_of(' ');
        const std::string trimmedPassword =
            first == std::string::npos
                ? std::string()
                : password.substr(first, password.find_last_not_of(' ') - first + 1);

        StopSignals stopSignals;
        coreApplication();
        if (ports.size() > 1) {
            for (const std::string& port : ports) {
                if (resolvePort(port)) continue;
                err << "pl63 write: --port " << port
                    << ": a device path or a port number 1 to 20 is needed\n";
                return ExitUsage;
            }
            FleetRequest fleet;
            fleet.ports = ports;
            fleet.image = EncodeImage(codeplug, language).hex();
            fleet.login = args.has("--login");
            fleet.tune = args.has("--tune");
            fleet.password = trimmedPassword;
            fleet.verify = args.has("--verify");
            fleet.language = language;
            fleet.live = ::isatty(STDERR_FILENO) == 1;
            return runFleetWrite(fleet, out, err);
        }
        TerminalLink link(language, err);
        link.imageSource = [&] { return EncodeImage(codeplug, language).hex(); };
        link.login = args.has("--login");
        link.tune = args.has("--tune");
        link.password = trimmedPassword;
        TransferRequest request;
        request.port = *args.value("--port");
        request.write = true;
        request.language = language;
        request.verbose = args.has("--verbose");
        request.verify = args.has("--verify");
        WrittenBlocks written;
        std::vector<int> differing;
        const int code = runTransfer(link, request, err, &written, &differing);
        if ((code != ExitOk && code != ExitNotKept) || !request.verify) return code;
        err << "pl63 write: "
            << link::verificationText(differing, static_cast<int>(written.addresses.size()))
                   .in(language)
            << "\n";
        return code;
    }
};

}  // namespace

std::unique_ptr<CliCommand> makeWriteCommand() {
    return std::make_unique<WriteCommand>();
}

}  // namespace pl63::cli
