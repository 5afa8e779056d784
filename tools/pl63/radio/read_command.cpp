// pl63 read: the radio's memory into a .DAT file, as the window's Read
// followed by Save would leave it.
#include <fstream>
#include <ostream>

#include "cli_args.h"
#include "codec/codeplug.h"
#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "radio_commands.h"
#include "radio_transfer.h"
#include "verb_start.h"

namespace pl63::cli {
namespace {

class ReadCommand : public CliCommand {
public:
    std::string_view name() const override { return "read"; }
    std::string_view summary() const override { return "read a radio into a .DAT file"; }
    std::string usage() const override {
        return "usage: pl63 read --port DEV -o FILE.DAT [--raw FILE.bin] [--lang en|zh] "
               "[--verbose]\n"
               "  --port DEV   a device path (/dev/ttyUSB0, /dev/pts/5) or a port number 1-20\n"
               "  -o FILE.DAT  the codeplug as Save writes it\n"
               "  --raw FILE   also the radio's 1024 bytes (0x0010-0x040F) as read\n"
               "  --verbose    name the device and the transfer's duration\n";
    }

    int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) override {
        const VerbStart start = startVerb(
            *this, words, {{"--port", "-o", "--raw", "--lang"}, {"--verbose"}}, 0, out, err);
        if (!start.args) return start.exitCode;
        const ParsedArgs& args = *start.args;
        if (!args.value("--port") || !args.value("-o")) {
            err << "pl63 read: --port and -o are needed\n" << usage();
            return ExitUsage;
        }
        const Language language = start.language;

        coreApplication();
        TerminalLink link(language, err);
        TransferRequest request;
        request.port = *args.value("--port");
        request.language = language;
        request.verbose = args.has("--verbose");
        const int code = runTransfer(link, request, err);
        if (code != ExitOk) return code;

        const MemoryImage read = MemoryImage::fromHex(link.readData());
        if (auto raw = args.value("--raw")) {
            std::ofstream file(*raw, std::ios::binary | std::ios::trunc);
            file.write(reinterpret_cast<const char*>(read.bytes().data()),
                       static_cast<std::streamsize>(read.size()));
            if (!file.flush()) {
                err << "pl63 read: cannot write " << *raw << "\n";
                return ExitBadInput;
            }
        }
        Codeplug codeplug;
        DecodeImage(read, codeplug, language);
        const Status saved = writeDatFile(*args.value("-o"), EncodeImage(codeplug, language));
        if (!saved) {
            err << "pl63 read: " << saved.error().in(language) << "\n";
            return ExitBadInput;
        }
        return ExitOk;
    }
};

}  // namespace

std::unique_ptr<CliCommand> makeReadCommand() {
    return std::make_unique<ReadCommand>();
}

}  // namespace pl63::cli
