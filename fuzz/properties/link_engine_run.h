#pragma once
// Running a link engine script, for the fuzz target and for the tests that
// make sure the seeds still reach the ends of real transfers.
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "link/link_host.h"
#include "link_engine_script.h"

namespace pl63::fuzz {

struct EngineRun {
    std::vector<link::LinkOutcome> outcomes;  // in the order the transfers ended
    std::string failures;                     // empty when every property held
};

EngineRun runEngineScript(Input input);

}  // namespace pl63::fuzz
