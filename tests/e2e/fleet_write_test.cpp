// pl63 write with several --port options: every radio written at once, each
// on its own port; a radio that fails is named in the table with how far it
// got and never stops the others.
#include <signal.h>

#include <regex>

#include "e2e/e2e_folder.h"

namespace pl63::e2e {
namespace {

// The table row of one port, "" when the table has none.
std::string tableRow(const std::string& table, const std::string& port) {
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(port + " ", 0) == 0) return line;
    }
    return {};
}

class FleetWrite : public E2eFolder {
protected:
    // The radio's memory (as it saved it at the session's end) holds what the
    // write always sends: the channels and options up to image offset 0x170.
    void expectWritten(const fs::path& saved, const fs::path& codeplug) {
        ASSERT_TRUE(awaitFile(saved)) << "the radio got no end frame";
        const auto radio = fileBytes(saved);
        const auto file = fileBytes(codeplug);
        ASSERT_EQ(radio.size(), file.size());
        EXPECT_TRUE(std::equal(file.begin(), file.begin() + 5 + 0x170, radio.begin()));
    }

    std::unique_ptr<SimulatedRadio> radio(const std::string& saveAs,
                                          std::vector<std::string> faults = {}) {
        faults.insert(faults.end(), {"--save", path(saveAs).string()});
        auto made = std::make_unique<SimulatedRadio>(faults);
        EXPECT_FALSE(made->device().empty());
        return made;
    }
};

TEST_F(FleetWrite, HealthyRadiosAreAllWrittenAndVerified) {
    const fs::path codeplug = sampleCodeplug();
    std::vector<std::unique_ptr<SimulatedRadio>> radios;
    std::vector<std::string> words{"write", codeplug.string(), "--verify"};
    for (int i = 0; i < 3; ++i) {
        radios.push_back(radio("radio" + std::to_string(i) + ".DAT"));
        words.insert(words.end(), {"--port", radios.back()->device()});
    }
    const auto result = pl63(words);
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("port"), std::string::npos) << result.out;
    for (int i = 0; i < 3; ++i) {
        const std::string& device = radios[i]->device();
        EXPECT_TRUE(std::regex_match(tableRow(result.out, device),
                                     std::regex(device + " +verified +29 of 29")))
            << result.out;
        // Each radio's line went through the write and the read-back.
        EXPECT_TRUE(std::regex_search(result.err, std::regex("(^|\n)" + device + " +reading back")))
            << result.err;
        expectWritten(path("radio" + std::to_string(i) + ".DAT"), codeplug);
    }
}

TEST_F(FleetWrite, SilentStallingAndMissingRadiosAreNamedAndTheOthersStillWritten) {
    const fs::path codeplug = sampleCodeplug();
    const auto healthy = radio("healthy.DAT");
    const auto silent = radio("silent.DAT", {"--silent"});
    const auto stalling = radio("stalling.DAT", {"--stall-after", "14"});
    const auto forgetful = radio("forgetful.DAT", {"--forget-block", "3"});
    const std::string missing = path("no-such-port").string();
    const auto result = pl63({"write", "--port", silent->device(), "--port", healthy->device(),
                              "--port", stalling->device(), "--port", missing, "--port",
                              forgetful->device(), codeplug.string(), "--verify"});

    // The stall (a radio with a mix of old and new) is the worst of them.
    EXPECT_EQ(result.exitCode, 3) << result.out << result.err;
    EXPECT_LT(result.seconds, 6) << "the radios must run at the same time";
    struct Row {
        std::string port, pattern;
    };
    const Row rows[] = {
        {healthy->device(), "verified +29 of 29"},
        {silent->device(), "failed +0 of 29 +no answer: stopped before the first of 29 blocks"},
        {stalling->device(),
         "failed +14 of 29 +no answer: stopped after 14 of 29 blocks, write it again"},
        {missing, "failed +- +port not open: not present"},
        {forgetful->device(), "failed +29 of 29 +not kept: 0x0030 \\(1 of 29 blocks\\)"},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(std::regex_match(tableRow(result.out, row.port),
                                     std::regex(row.port + " +" + row.pattern)))
            << result.out;
    }
    expectWritten(path("healthy.DAT"), codeplug);
    // The radios that stopped answering still got their end frame.
    EXPECT_TRUE(awaitFile(path("silent.DAT")));
    EXPECT_TRUE(awaitFile(path("stalling.DAT")));
}

TEST_F(FleetWrite, OnlyAPortNotOpenOrAForgettingRadioGiveTheirOwnCodes) {
    const fs::path codeplug = sampleCodeplug();
    const auto healthy = radio("healthy.DAT");
    const auto forgetful = radio("forgetful.DAT", {"--forget-block", "1"});
    const std::string missing = path("no-such-port").string();
    struct Case {
        std::vector<std::string> ports;
        const char* lang;
        int exitCode;
        std::string healthyRow, missingRow;
    };
    const Case cases[] = {
        {{healthy->device(), missing}, "en", 4, "verified +29 of 29",
         "failed +- +port not open: not present"},
        // The table speaks the language asked for.
        {{missing, forgetful->device(), healthy->device()}, "zh", 5, "已校验 +29 / 29",
         "失败 +- +端口未打开：端口不存在"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> words{"write", codeplug.string(), "--verify", "--lang", c.lang};
        for (const auto& port : c.ports) words.insert(words.end(), {"--port", port});
        const auto result = pl63(words);
        EXPECT_EQ(result.exitCode, c.exitCode) << result.out << result.err;
        EXPECT_TRUE(std::regex_match(tableRow(result.out, healthy->device()),
                                     std::regex(healthy->device() + " +" + c.healthyRow)))
            << result.out;
        EXPECT_TRUE(std::regex_match(tableRow(result.out, missing),
                                     std::regex(missing + " +" + c.missingRow)))
            << result.out;
    }
}

TEST_F(FleetWrite, APortNamedTwiceIsRefusedBeforeAnyRadioIsTouched) {
    const fs::path codeplug = sampleCodeplug();
    SimulatedRadio radio({"--save", path("radio.DAT").string(), "--link", path("link").string()});
    ASSERT_FALSE(radio.device().empty());
    ASSERT_TRUE(awaitFile(path("link")));
    struct Case {
        std::vector<std::string> words;
        std::string message;
    };
    const Case cases[] = {
        {{"write", "--port", radio.device(), "--port", radio.device(), codeplug.string()},
         "port " + radio.device() + " is named twice"},
        {{"write", "--port", radio.device(), "--port", path("link").string(), codeplug.string()},
         radio.device() + " and " + path("link").string() + " name the same port"},
        {{"write", "--port", radio.device(), "--port", "21", codeplug.string()},
         "--port 21: a device path or a port number 1 to 20 is needed"},
        // One radio is read at a time: a second --port is no longer dropped.
        {{"read", "--port", radio.device(), "--port", "3", "-o", path("read.DAT").string()},
         "option --port is given more than once"},
    };
    for (const Case& c : cases) {
        const auto result = pl63(c.words);
        EXPECT_EQ(result.exitCode, 2) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    // No session was opened with the radio.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_FALSE(fs::exists(path("radio.DAT")));
    EXPECT_FALSE(fs::exists(path("read.DAT")));
}

TEST_F(FleetWrite, CtrlCEndsEveryTransferWithItsEndFrame) {
    const fs::path codeplug = sampleCodeplug();
    const auto first = radio("first.DAT");
    const auto second = radio("second.DAT");
    // Once a radio is a quarter through.
    const ErrTrigger midway{"] 8 of 29", [](pid_t pid) { ::kill(pid, SIGINT); }};
    const auto result = pl63({"write", "--port", first->device(), "--port", second->device(),
                              codeplug.string()},
                             {}, &midway);
    EXPECT_EQ(result.exitCode, 130) << result.err;
    EXPECT_LT(result.seconds, 2.5) << "it must not wait for the time-out";
    for (const auto* radio : {first.get(), second.get()}) {
        EXPECT_TRUE(std::regex_match(
            tableRow(result.out, radio->device()),
            std::regex(radio->device() + " +failed +[0-9]+ of 29 +interrupted: stopped .*")))
            << result.out;
    }
    EXPECT_TRUE(awaitFile(path("first.DAT")));
    EXPECT_TRUE(awaitFile(path("second.DAT")));
}

}  // namespace
}  // namespace pl63::e2e
