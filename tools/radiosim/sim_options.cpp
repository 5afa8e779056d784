#include "sim_options.h"

#include <charconv>

namespace pl63::radiosim {

const char* const kSimUsage =
    "usage: pl63-radiosim [--link PATH] [--load FILE.DAT] [--save FILE.DAT] [--once]\n"
    "                     [--silent] [--wrong-identity] [--stray-byte] [--wrong-echo]\n"
    "                     [--stall-after N] [--break-after N] [--chunk N] [--vanish-after N]\n"
    "                     [--forget-block N] [--version]\n"
    "A simulated PL-63 radio on a pseudo-terminal at 9600 baud; prints the device path\n"
    "and serves one session after another until Ctrl-C or SIGTERM stops it.\n"
    "  --link PATH        also make PATH a symbolic link to the device\n"
    "  --load FILE.DAT    radio memory from a codeplug file (the rest stays 0xFF)\n"
    "  --save FILE.DAT    radio memory into a codeplug file after every session; the\n"
    "                     exit code is 1 if a save failed\n"
    "  --once             exit when the first session has ended\n"
    "  --silent           never answer\n"
    "  --wrong-identity   identity without the model identifier\n"
    "  --stray-byte       one extra byte before the first data-phase acknowledge\n"
    "  --wrong-echo       read replies echo a wrong address\n"
    "  --stall-after N    stop answering after N data blocks (0: at the handshake)\n"
    "  --break-after N    a break (a 0x00 byte on the line) before the reply after N blocks\n"
    "  --chunk N          deliver replies in pieces of N bytes (1 or more)\n"
    "  --vanish-after N   close the device once the replies to N data blocks have gone\n"
    "                     out, as if the cable were pulled (0: after the opening)\n"
    "  --forget-block N   acknowledge the N-th write block of a session (1 = the first)\n"
    "                     without storing it\n"
    "  --version          print the version and exit\n"
    "exit codes: 0 stopped by Ctrl-C or SIGTERM (or --once done), 1 the device could\n"
    "  not be made or a --save failed, 2 wrong arguments\n";

namespace {

// "a count" as the error messages name it.
bool toCount(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return !text.empty() && ec == std::errc() && ptr == end && value >= 0;
}

}  // namespace

SimOptionsOutcome parseSimOptions(const std::vector<std::string>& words) {
    SimOptions options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        std::string error;
        // Each option's error says what it expects and what it got.
        auto needValue = [&](std::string& into, const char* what) {
            if (i + 1 >= words.size() || words[i + 1].empty()) {
                error = "option " + word + " expects " + what +
                        (i + 1 >= words.size() ? std::string(", and nothing follows it")
                                               : std::string(", not an empty word"));
                return false;
            }
            into = words[++i];
            return true;
        };
        auto needCount = [&](int& into, int minimum) {
            const std::string what =
                minimum == 0 ? "a count (a whole number 0 or more)" : "a count of 1 or more";
            std::string text;
            if (!needValue(text, what.c_str())) return false;
            if (toCount(text, into) && into >= minimum) return true;
            error = "option " + word + " expects " + what + ", not '" + text + "'";
            return false;
        };
        int count = 0;
        bool ok = true;
        if (word == "-h" || word == "--help") {
            return {std::nullopt, {}, true};
        } else if (word == "--version") {
            return {std::nullopt, {}, false, true};
        } else if (word == "--link") {
            ok = needValue(options.link, "a path for the link to the device");
        } else if (word == "--load") {
            ok = needValue(options.load, "a codeplug file (.DAT) to load");
        } else if (word == "--save") {
            ok = needValue(options.save, "a codeplug file (.DAT) to save into");
        } else if (word == "--once") {
            options.once = true;
        } else if (word == "--silent") {
            options.faults.silent = true;
        } else if (word == "--wrong-identity") {
            options.faults.wrongIdentity = true;
        } else if (word == "--stray-byte") {
            options.faults.strayByteBeforeAck = true;
        } else if (word == "--wrong-echo") {
            options.faults.wrongEcho = true;
        } else if (word == "--stall-after") {
            ok = needCount(options.faults.stallAfterBlock, 0);
        } else if (word == "--break-after") {
            ok = needCount(options.faults.breakAfterBlock, 0);
        } else if (word == "--chunk") {
            ok = needCount(count, 1);
            options.faults.chunkSize = static_cast<std::size_t>(count);
        } else if (word == "--vanish-after") {
            ok = needCount(options.vanishAfter, 0);
        } else if (word == "--forget-block") {
            ok = needCount(options.faults.forgetBlock, 1);
        } else {
            return {std::nullopt, "unknown option " + word};
        }
        if (!ok) return {std::nullopt, error};
    }
    return {options, {}};
}

}  // namespace pl63::radiosim
