// Replays the seed corpus of every fuzz target and every input that ever made
// one fail (fuzz/regressions/TARGET/) through the same property checks the
// fuzz targets run, so an old failure cannot come back unnoticed in any build.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "link_engine_run.h"
#include "properties/fuzz_properties.h"

namespace pl63::fuzz {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<fs::path> inputsIn(const fs::path& folder) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) return files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().filename().string().front() != '.')
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

fs::path fuzzFolder() {
    return PL63_FUZZ_DIR;
}

}  // namespace

// gtest names a failing case by its target rather than dumping the struct.
void PrintTo(const FuzzTarget& target, std::ostream* out) {
    *out << target.name;
}

namespace {

class FuzzInputs : public ::testing::TestWithParam<FuzzTarget> {};

TEST_P(FuzzInputs, SeedsAndEarlierFailuresKeepEveryProperty) {
    const FuzzTarget& target = GetParam();
    const auto seeds = inputsIn(fuzzFolder() / "corpus" / target.name);
    EXPECT_FALSE(seeds.empty()) << "no seed corpus for " << target.name;
    auto inputs = seeds;
    for (const auto& regression : inputsIn(fuzzFolder() / "regressions" / target.name))
        inputs.push_back(regression);
    for (const fs::path& path : inputs) {
        const auto bytes = readFile(path);
        EXPECT_EQ(target.check({bytes.data(), bytes.size()}), "") << path;
    }
}

INSTANTIATE_TEST_SUITE_P(AllTargets, FuzzInputs, ::testing::ValuesIn(fuzzTargets()),
                         [](const auto& info) { return std::string(info.param.name); });

// The seeds are only worth their place while they still drive the engine
// through whole transfers; a change to the script format would quietly turn
// them into noise.
TEST(FuzzSeeds, EngineSeedsStillReachTheEndsOfRealTransfers) {
    using link::LinkOutcome;
    const std::vector<std::pair<std::string, LinkOutcome>> expected = {
        {"read", LinkOutcome::ReadSucceeded},
        {"write_login_unlocked", LinkOutcome::WriteSucceeded},
        {"password_change", LinkOutcome::PasswordChanged},
        {"password_change_login", LinkOutcome::PasswordChanged},
        {"read_stalls_after_5", LinkOutcome::TimedOut},
        {"read_break_chunked", LinkOutcome::ReadSucceeded},
        {"read_stray_byte", LinkOutcome::TimedOut},
        {"write_wrong_identity", LinkOutcome::TimedOut},
    };
    for (const auto& [name, outcome] : expected) {
        const auto bytes = readFile(fuzzFolder() / "corpus" / "link_engine" / name);
        const EngineRun run = runEngineScript({bytes.data(), bytes.size()});
        EXPECT_EQ(run.failures, "") << name;
        EXPECT_EQ(run.outcomes, std::vector<LinkOutcome>{outcome}) << name;
    }
}

TEST(FuzzSeeds, EveryTargetIsFoundByItsName) {
    for (const FuzzTarget& target : fuzzTargets()) {
        const FuzzTarget* found = findFuzzTarget(target.name);
        ASSERT_NE(found, nullptr) << target.name;
        EXPECT_EQ(found->check, target.check);
    }
    EXPECT_EQ(findFuzzTarget("no_such_target"), nullptr);
}

}  // namespace
}  // namespace pl63::fuzz
