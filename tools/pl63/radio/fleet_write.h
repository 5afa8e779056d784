#pragma once
// pl63 write with several --port options: the same codeplug into every named
// radio at once, each on its own port with its own engine, all in one event
// loop. One progress line per radio while they run; then a table, one row
// per port. A radio that fails never stops the others.
#include <ostream>
#include <string>
#include <vector>

#include "codec/bilingual.h"

namespace pl63::cli {

struct FleetRequest {
    std::vector<std::string> ports;  // as given, in order; checked to be distinct
    std::string image;               // hex text, what every radio gets
    bool login = false;
    bool tune = false;
    std::string password;
    bool verify = false;
    Language language = Language::English;
    // Redraw the progress lines in place (stderr is a terminal); otherwise a
    // line is printed whenever a radio reaches a new stage or quarter.
    bool live = false;
};

// Runs every write to its end; the table goes to `out`, progress to `err`.
// Returns ExitOk when every radio succeeded, else the worst failure's code:
// 130/143 (stopped by a signal) before 3 (stopped part-way: the radio may
// hold a mix) before 5 (not kept) before 4 (port not open: radio untouched).
int runFleetWrite(const FleetRequest& request, std::ostream& out, std::ostream& err);

// Exit code of the worse of two outcomes, in the order above.
int worseExitCode(int a, int b);

}  // namespace pl63::cli
