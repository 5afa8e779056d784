// pl63 read: the radio's memory into a .DAT file, as the window's Read
// followed by Save would leave it.
#include <QDateTime>
#include <filesystem>
#include <ostream>

#include "cli_args.h"
#include "codec/codeplug.h"
#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "codec/safe_file.h"
#include "codec/shown_text.h"
#include "codeplug_cli_support.h"
#include "radio_commands.h"
#include "radio_transfer.h"
#include "settings/port_map.h"
#include "stop_signals.h"
#include "verb_start.h"

namespace pl63::cli {
namespace {

namespace fs = std::filesystem;

std::string_view asText(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// A read is never thrown away: when its output cannot be written after all
// (the folder went away, the disk filled up), the bytes go to a file of their
// own in the settings folder. Returns its path, or "" when that failed too.
std::string rescue(std::string_view bytes, const std::string& extension) {
    std::string folder = settings::settingsFolder();
    if (folder.empty()) folder = fs::temp_directory_path().string();
    const fs::path rescueFolder = fs::path(folder) / "rescue";
    std::error_code ec;
    fs::create_directories(rescueFolder, ec);
    const std::string stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")).toStdString();
    const std::string path = (rescueFolder / ("read-" + stamp + extension)).string();
    return writeFileSafely(path, bytes) ? path : std::string();
}

class ReadCommand : public CliCommand {
public:
    std::string_view name() const override { return "read"; }
    std::string_view summary() const override { return "read a radio into a .DAT file"; }
    std::string usage() const override {
        return "usage: pl63 read --port DEV -o FILE.DAT [--raw FILE.bin] [--lang en|zh] "
               "[--verbose]\n"
               "  --port DEV   a device path (/dev/ttyUSB0, /dev/pts/5) or a port number 1-20\n"
               "  -o FILE.DAT  the codeplug as Save writes it; \"-\" writes standard output\n"
               "  --raw FILE   also the radio's 1024 bytes (0x0010-0x040F) as read; \"-\"\n"
               "               writes standard output (not both -o and --raw)\n"
               "  --verbose    name the device and the transfer's duration\n"
               "  The outputs are checked before the radio is touched. Should one still\n"
               "  fail after the transfer, the data goes to a rescue file in the settings\n"
               "  folder and its path is printed. Ctrl-C ends the transfer properly\n"
               "  (exit 130) and writes nothing.\n";
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
        const std::string output = *args.value("-o");
        const std::optional<std::string> raw = args.value("--raw");

        // A transfer is slow and the radio may not be at hand again: find out
        // now whether its data could be kept.
        for (const std::string* path : {&output, raw ? &*raw : nullptr}) {
            if (!path || *path == "-") continue;
            if (Status writable = checkWritable(*path); !writable) {
                return reportBadInput(*this, writable.error(), language, err);
            }
        }
        if (raw) {
            if (auto clash = sameOutputs(output, *raw)) {
                return reportBadInput(*this, *clash, language, err);
            }
        }

        StopSignals stopSignals;
        coreApplication();
        TerminalLink link(language, err);
        TransferRequest request;
        request.port = *args.value("--port");
        request.language = language;
        request.verbose = args.has("--verbose");
        const int code = runTransfer(link, request, err);
        if (code != ExitOk) return code;

        const MemoryImage read = MemoryImage::fromHex(link.readData());
        Codeplug codeplug;
        DecodeImage(read, codeplug, language);
        const auto dat = datContent(EncodeImage(codeplug, language));
        int result = ExitOk;
        const auto save = [&](const std::string& path, std::string_view bytes,
                              const std::string& extension) {
            const Status saved = writeOutput(path, bytes, out);
            if (saved) return;
            reportBadInput(*this, saved.error(), language, err);
            result = ExitBadInput;
            const std::string kept = shownText(rescue(bytes, extension));
            if (kept.empty()) return;
            err << "pl63 read: "
                << (language == Language::English
                        ? "the radio's data was saved to " + kept + " instead"
                        : "对讲机的数据已改存到 " + kept)
                << "\n";
        };
        if (raw) save(*raw, asText(read.bytes()), ".bin");
        save(output, asText(dat), ".DAT");
        return result;
    }
};

}  // namespace

std::unique_ptr<CliCommand> makeReadCommand() {
    return std::make_unique<ReadCommand>();
}

}  // namespace pl63::cli
