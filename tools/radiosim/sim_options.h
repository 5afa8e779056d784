#pragma once
// Command line of pl63-radiosim.
#include <optional>
#include <string>
#include <vector>

#include "link/radio_simulator.h"

namespace pl63::radiosim {

struct SimOptions {
    std::string link;      // --link: a symlink to the pseudo-terminal's device
    std::string load;      // --load: memory from a .DAT file
    std::string save;      // --save: memory to a .DAT file after each session
    int vanishAfter = -1;  // --vanish-after: the radio disappears after N blocks
    bool once = false;     // --once: exit when the first session has ended
    link::RadioFaults faults;
};

// The options, or an error text for the usage message.
struct SimOptionsOutcome {
    std::optional<SimOptions> options;
    std::string error;
    bool help = false;
    bool version = false;  // --version
};
SimOptionsOutcome parseSimOptions(const std::vector<std::string>& words);

extern const char* const kSimUsage;

}  // namespace pl63::radiosim
