#include "fuzz_properties.h"

namespace pl63::fuzz {

const std::vector<FuzzTarget>& fuzzTargets() {
    static const std::vector<FuzzTarget> targets = {
        {"dat_file", checkDatFile},       {"channel_csv", checkChannelCsv},
        {"chirp_csv", checkChirpCsv},
        {"link_engine", checkLinkEngine}, {"radio_simulator", checkRadioSimulator},
        {"port_map", checkPortMap},
    };
    return targets;
}

const FuzzTarget* findFuzzTarget(std::string_view name) {
    for (const FuzzTarget& target : fuzzTargets()) {
        if (target.name == name) return &target;
    }
    return nullptr;
}

}  // namespace pl63::fuzz
