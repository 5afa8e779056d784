// Nothing lost around a transfer: outputs checked before the radio is
// touched, a read kept even when its file cannot be written, Ctrl-C and
// SIGTERM ending the session properly, and --verify reading a write back.
#include <signal.h>

#include "e2e/e2e_folder.h"

namespace pl63::e2e {
namespace {

using std::chrono::seconds;

class TransferSafety : public E2eFolder {};

TEST_F(TransferSafety, VerifyPassesAHealthyRadioAndCatchesAForgettingOne) {
    const fs::path codeplug = sampleCodeplug();
    SimulatedRadio healthy;
    SimulatedRadio forgetful({"--forget-block", "2"});
    ASSERT_FALSE(healthy.device().empty());
    ASSERT_FALSE(forgetful.device().empty());

    const auto good = pl63({"write", "--port", healthy.device(), codeplug.string(), "--verify"});
    EXPECT_EQ(good.exitCode, 0) << good.err;
    EXPECT_NE(good.err.find("Verified: the radio holds all 29 blocks as written."),
              std::string::npos)
        << good.err;

    // The second block (0x0020, channel 2) was acknowledged and not stored.
    const auto bad = pl63(
        {"write", "--port", forgetful.device(), codeplug.string(), "--verify", "--lang", "zh"});
    EXPECT_EQ(bad.exitCode, 5) << bad.err;
    EXPECT_NE(bad.err.find("校验失败：对讲机没有保存地址 0x0020 处的块"), std::string::npos)
        << bad.err;
    const auto plain = pl63({"write", "--port", forgetful.device(), codeplug.string()});
    EXPECT_EQ(plain.exitCode, 0) << "without --verify nobody notices";
}

TEST_F(TransferSafety, StopSignalsEndTheSessionAndLeaveNoFile) {
    const fs::path codeplug = sampleCodeplug();
    struct Case {
        const char* verb;
        int signal;
        int exitCode;
        const char* stopped;
    };
    const Case cases[] = {{"read", SIGINT, 130, "The read stopped after "},
                          {"write", SIGTERM, 143, "The write stopped after "}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.verb);
        const fs::path saved = path(std::string("radio-") + c.verb + ".DAT");
        SimulatedRadio radio({"--save", saved.string()});
        ASSERT_FALSE(radio.device().empty());
        std::vector<std::string> words{c.verb, "--port", radio.device()};
        if (std::string(c.verb) == "read") {
            words.insert(words.end(), {"-o", path("read.DAT").string()});
        } else {
            words.push_back(codeplug.string());
        }
        // In the middle of the data blocks.
        const ErrTrigger midway{"] 10%", [&](pid_t pid) { ::kill(pid, c.signal); }};
        const auto result = pl63(words, {}, &midway);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
        EXPECT_NE(result.err.find("%\npl63: Interrupted\npl63: " + std::string(c.stopped)),
                  std::string::npos)
            << result.err;
        EXPECT_EQ(result.err.find("Communication error"), std::string::npos);
        EXPECT_LT(result.seconds, 2.5) << "it must not wait for the time-out";
        // The end frame reached the radio: it ended the session and saved.
        EXPECT_TRUE(awaitFile(saved)) << "the radio was left in programming mode";
        EXPECT_FALSE(fs::exists(path("read.DAT")));
    }
    EXPECT_EQ(entries(),
              (std::vector<std::string>{"radio-read.DAT", "radio-write.DAT", "sample.DAT"}));
}

TEST_F(TransferSafety, ReadRefusesUnusableOutputsBeforeTouchingTheRadio) {
    SimulatedRadio radio({"--save", path("session.DAT").string()});
    ASSERT_FALSE(radio.device().empty());
    std::ofstream(path("plain")) << "x";
    const std::vector<std::vector<std::string>> refused = {
        {"-o", path("missing/x.DAT").string()},
        {"-o", dir_.string()},
        {"-o", ""},
        {"-o", path("plain/x.DAT").string()},
        {"-o", path("a.DAT").string(), "--raw", path("missing/a.bin").string()},
        {"-o", path("a.DAT").string(), "--raw", path("./a.DAT").string()},
        {"-o", "-", "--raw", "-"},
    };
    for (const auto& outputs : refused) {
        SCOPED_TRACE(outputs.at(1) + (outputs.size() > 2 ? " " + outputs.at(3) : ""));
        std::vector<std::string> words{"read", "--port", radio.device()};
        words.insert(words.end(), outputs.begin(), outputs.end());
        const auto result = pl63(words);
        EXPECT_EQ(result.exitCode, 1) << result.err;
        EXPECT_EQ(result.err.find("Is communication"), std::string::npos) << result.err;
        EXPECT_LT(result.seconds, 1.0);
    }
    // Not one session was opened on the radio.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_FALSE(fs::exists(path("session.DAT")));
    EXPECT_FALSE(fs::exists(path("a.DAT")));

    // Standard output takes the codeplug.
    const auto piped = pl63({"read", "--port", radio.device(), "-o", "-"});
    ASSERT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_EQ(piped.out.size(), 853u);
    EXPECT_EQ(piped.out.substr(0, 5), "GZQ72");
}

TEST_F(TransferSafety, ReadThatCannotBeSavedGoesToARescueFile) {
    const fs::path codeplug = sampleCodeplug();
    SimulatedRadio radio({"--load", codeplug.string()});
    ASSERT_FALSE(radio.device().empty());
    fs::create_directory(path("out"));
    // The folder goes away while the radio is read.
    const ErrTrigger midway{"] 10%", [&](pid_t) { fs::remove_all(path("out")); }};
    const auto result = pl63({"read", "--port", radio.device(), "-o", path("out/x.DAT").string()},
                             {"PL63_SETTINGS_DIR=" + path("settings").string()}, &midway);
    EXPECT_EQ(result.exitCode, 1) << result.err;
    EXPECT_NE(result.err.find("Cannot save the file: " + path("out/x.DAT").string()),
              std::string::npos)
        << result.err;
    const std::string marker = "the radio's data was saved to ";
    const auto at = result.err.find(marker);
    ASSERT_NE(at, std::string::npos) << result.err;
    const std::string rescued =
        result.err.substr(at + marker.size(), result.err.find(" instead", at) - at - marker.size());
    EXPECT_EQ(fs::path(rescued).parent_path(), path("settings/rescue"));
    // The rescued file is the codeplug the radio held.
    const auto export1 = pl63({"export", rescued});
    const auto export2 = pl63({"export", codeplug.string()});
    ASSERT_EQ(export1.exitCode, 0) << export1.err;
    EXPECT_EQ(export1.out, export2.out);
}

TEST_F(TransferSafety, SimulatorOptionErrorsSayWhatTheyExpectAndAFailedSaveCounts) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--stall-after", "abc"},
         "option --stall-after expects a count (a whole number 0 or more), not 'abc'"},
        {{"--chunk", "0"}, "option --chunk expects a count of 1 or more, not '0'"},
        {{"--load"},
         "option --load expects a codeplug file (.DAT) to load, and nothing follows it"},
        {{"--save", path("missing/x.DAT").string()}, "--save: Cannot save the file: "},
    };
    for (const auto& [options, message] : cases) {
        std::vector<std::string> argv{PL63_RADIOSIM};
        argv.insert(argv.end(), options.begin(), options.end());
        const auto result = runProcess(argv, seconds(5));
        EXPECT_NE(result.exitCode, 0) << options.front();
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
    }

    // A save that fails after the start makes the exit code non-zero.
    fs::create_directory(path("sub"));
    SimulatedRadio radio({"--save", path("sub/radio.DAT").string(), "--once"});
    ASSERT_FALSE(radio.device().empty());
    fs::remove_all(path("sub"));
    EXPECT_EQ(pl63({"read", "--port", radio.device(), "-o", path("r.DAT").string()}).exitCode, 0);
    EXPECT_EQ(radio.waitForExit(seconds(5)), 1);
}

}  // namespace
}  // namespace pl63::e2e
