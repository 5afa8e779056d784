#include "sim_options.h"

#include <charconv>

namespace pl63::radiosim {

const char* const kSimUsage =
    "usage: pl63-radiosim [--link PATH] [--load FILE.DAT] [--save FILE.DAT] [--once]\n"
    "                     [--silent] [--wrong-identity] [--stray-byte] [--wrong-echo]\n"
    "                     [--stall-after N] [--break-after N] [--chunk N] [--vanish-after N]\n"
    "A simulated PL-63 radio on a pseudo-terminal at 9600 baud; prints the device path.\n"
    "  --link PATH        also make PATH a symbolic link to the device\n"
    "  --load FILE.DAT    radio memory from a codeplug file (the rest stays 0xFF)\n"
    "  --save FILE.DAT    radio memory into a codeplug file after every session\n"
    "  --once             exit when the first session has ended\n"
    "  --silent           never answer\n"
    "  --wrong-identity   identity without the model identifier\n"
    "  --stray-byte       one extra byte before the first data-phase acknowledge\n"
    "  --wrong-echo       read replies echo a wrong address\n"
    "  --stall-after N    stop answering after N data blocks\n"
    "  --break-after N    a break (a 0x00 byte on the line) before the reply after N blocks\n"
    "  --chunk N          deliver replies in pieces of N bytes\n"
    "  --vanish-after N   close the device after N data blocks, as if the cable were pulled\n";

namespace {

bool toCount(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && value >= 0;
}

}  // namespace

SimOptionsOutcome parseSimOptions(const std::vector<std::string>& words) {
    SimOptions options;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        auto needValue = [&](std::string& into) {
            if (i + 1 >= words.size()) return false;
            into = words[++i];
            return true;
        };
        auto needCount = [&](int& into) {
            std::string text;
            return needValue(text) && toCount(text, into);
        };
        int count = 0;
        bool ok = true;
        if (word == "-h" || word == "--help") {
            return {std::nullopt, {}, true};
        } else if (word == "--link") {
            ok = needValue(options.link);
        } else if (word == "--load") {
            ok = needValue(options.load);
        } else if (word == "--save") {
            ok = needValue(options.save);
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
            ok = needCount(options.faults.stallAfterBlock);
        } else if (word == "--break-after") {
            ok = needCount(options.faults.breakAfterBlock);
        } else if (word == "--chunk") {
            ok = needCount(count) && count > 0;
            options.faults.chunkSize = static_cast<std::size_t>(count);
        } else if (word == "--vanish-after") {
            ok = needCount(options.vanishAfter);
        } else {
            return {std::nullopt, "unknown option " + word};
        }
        if (!ok) return {std::nullopt, "option " + word + " needs a value (a count for counts)"};
    }
    return {options, {}};
}

}  // namespace pl63::radiosim
