// One libFuzzer target per property check; PL63_FUZZ_TARGET names which.
#include <cstdio>
#include <cstdlib>

#include "properties/fuzz_properties.h"

namespace {

const pl63::fuzz::FuzzTarget& target() {
    static const pl63::fuzz::FuzzTarget* found = pl63::fuzz::findFuzzTarget(PL63_FUZZ_TARGET);
    if (!found) {
        std::fprintf(stderr, "no fuzz target named %s\n", PL63_FUZZ_TARGET);
        std::abort();
    }
    return *found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string failure = target().check({data, size});
    if (!failure.empty()) {
        // libFuzzer keeps the input of a crash; a property that does not hold is one.
        std::fprintf(stderr, "\n%s: property failed:\n%s\n", PL63_FUZZ_TARGET, failure.c_str());
        std::abort();
    }
    return 0;
}
