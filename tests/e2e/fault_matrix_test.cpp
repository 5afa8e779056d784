// Transfers that stop: the radio stalls (still listening) or vanishes (the
// cable is pulled) at the handshake, after the first, a middle and the last
// block, for read and for write. Each must end in the time-out (exit 3), say
// how many blocks got through, write no file and, where the radio still
// listens, send it the end frame so it leaves programming mode.
#include <future>

#include "e2e/e2e_folder.h"

namespace pl63::e2e {
namespace {

using std::chrono::seconds;

struct MatrixRow {
    const char* verb;
    const char* fault;  // "--stall-after" or "--vanish-after"
};

std::string stoppedText(bool write, int done, int total) {
    const std::string of = std::to_string(done), all = std::to_string(total);
    if (!write)
        return "The read stopped after " + of + " of " + all + " blocks; nothing was saved.";
    if (done == 0) return "The write stopped before the first of " + all + " blocks";
    return "The write stopped after " + of + " of " + all +
           " blocks: the radio now holds a mix of old and new settings. Write it again.";
}

class FaultMatrix : public E2eFolder, public ::testing::WithParamInterface<MatrixRow> {};

TEST_P(FaultMatrix, StopsEndInTheTimeOutWithTheCountAndNoFile) {
    const bool write = std::string(GetParam().verb) == "write";
    const bool listens = std::string(GetParam().fault) == "--stall-after";
    const int total = write ? 29 : 16;
    const fs::path codeplug = sampleCodeplug();
    // The handshake, the first block, a middle one and the last one.
    const int stops[] = {0, 1, total / 2, total - 1};

    std::vector<std::unique_ptr<SimulatedRadio>> radios;
    std::vector<std::future<ProcessResult>> runs;
    for (const int stop : stops) {
        // A silent radio stalls at the handshake; a stall counts data blocks.
        std::vector<std::string> options{"--save", path("radio" + std::to_string(stop)).string()};
        if (listens && stop == 0) {
            options.push_back("--silent");
        } else {
            options.insert(options.end(), {GetParam().fault, std::to_string(stop)});
        }
        radios.push_back(std::make_unique<SimulatedRadio>(options));
        ASSERT_FALSE(radios.back()->device().empty());
        std::vector<std::string> words{GetParam().verb, "--port", radios.back()->device()};
        if (write) {
            words.push_back(codeplug.string());
        } else {
            words.insert(words.end(), {"-o", path("read" + std::to_string(stop)).string(), "--raw",
                                       path("raw" + std::to_string(stop)).string()});
        }
        runs.push_back(std::async(std::launch::async, [this, words] { return pl63(words); }));
    }

    for (std::size_t i = 0; i < runs.size(); ++i) {
        const int stop = stops[i];
        SCOPED_TRACE("stop after " + std::to_string(stop));
        const ProcessResult result = runs[i].get();
        EXPECT_FALSE(result.killed);
        EXPECT_EQ(result.exitCode, 3) << result.err;
        EXPECT_NE(result.err.find("Communication error"), std::string::npos) << result.err;
        EXPECT_NE(result.err.find(stoppedText(write, stop, total)), std::string::npos)
            << result.err;
        // The progress line is ended before anything else is said.
        EXPECT_EQ(result.err.find("%pl63"), std::string::npos) << result.err;
        EXPECT_EQ(result.err.find("%Comm"), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(path("read" + std::to_string(stop))));
        EXPECT_FALSE(fs::exists(path("raw" + std::to_string(stop))));
        // A radio that still listens got the end frame: its session ended and
        // it saved its memory. A vanished one never heard it.
        const fs::path saved = path("radio" + std::to_string(stop));
        if (listens) {
            EXPECT_TRUE(awaitFile(saved)) << "no end frame reached the radio";
        } else {
            EXPECT_EQ(radios[i]->waitForExit(seconds(5)), 0);
            EXPECT_FALSE(fs::exists(saved));
        }
    }
    // Nothing but what the test made: no temporary or partial file.
    for (const std::string& name : entries()) {
        EXPECT_TRUE(name == "sample.DAT" || name.rfind("radio", 0) == 0) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    E2e, FaultMatrix,
    ::testing::Values(MatrixRow{"read", "--stall-after"}, MatrixRow{"read", "--vanish-after"},
                      MatrixRow{"write", "--stall-after"}, MatrixRow{"write", "--vanish-after"}),
    [](const auto& info) {
        return std::string(info.param.verb) +
               (std::string(info.param.fault) == "--stall-after" ? "Stall" : "Vanish");
    });

}  // namespace
}  // namespace pl63::e2e
