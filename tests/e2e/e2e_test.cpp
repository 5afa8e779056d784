// pl63 read and write against pl63-radiosim on a pseudo-terminal, as a user
// would run them on a real cable.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <thread>

#include "codec/layout.h"
#include "e2e/child_process.h"

namespace pl63::e2e {
namespace {

namespace fs = std::filesystem;
using std::chrono::seconds;

const char* const kTimeoutMessage =
    "Communication error, please check the intercom model, fault, attachment and computer serial "
    "choice!";
const char* const kPortHint = "Give --port the path of the serial device or link";

std::vector<std::uint8_t> fileBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The simulator saves its memory once it has seen the end frame, which is a
// moment after the tool exits: wait for the file to differ from `before`.
std::vector<std::uint8_t> awaitSave(const fs::path& path, const std::vector<std::uint8_t>& before) {
    const auto deadline = std::chrono::steady_clock::now() + seconds(5);
    auto bytes = fileBytes(path);
    while (bytes == before && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        bytes = fileBytes(path);
    }
    return bytes;
}

class RadioE2e : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() /
               ("pl63-e2e-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path path(const std::string& name) const { return dir_ / name; }

    ProcessResult pl63(std::vector<std::string> words, std::vector<std::string> environment = {}) {
        words.insert(words.begin(), PL63_CLI);
        return runProcess(words, seconds(30), environment);
    }

    std::string exportChannels(const fs::path& dat) {
        auto result = pl63({"export", dat.string()});
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.out;
    }

    // A codeplug with the given channel rows (CSV lines without the header).
    fs::path codeplugWith(const std::string& name, const std::string& rows,
                          const std::string& base = {}) {
        const fs::path csv = path(name + ".csv");
        std::ofstream(csv)
            << "CH,RX Frequency,RX Tone,TX Frequency,TX Tone,Power,Forbid,Band,Scan\n"
            << rows;
        std::vector<std::string> words{"import", csv.string(), "-o", path(name).string()};
        if (!base.empty()) words.insert(words.end(), {"--base", base});
        auto result = pl63(words);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return path(name);
    }

    fs::path dir_;
};

TEST_F(RadioE2e, ReadEditWriteReadGivesTheEditedChannels) {
    const fs::path initial = codeplugWith("initial.dat",
                                          "1,430.125,67.0,431.125,Off,High,Off,Wide,Yes\n"
                                          "2,439.000,,439.000,D023N,Low,Carrier,Narrow,No\n");
    SimulatedRadio radio({"--load", initial.string(), "--save", path("radio.dat").string()});
    ASSERT_FALSE(radio.device().empty());

    auto first = pl63({"read", "--port", radio.device(), "-o", path("first.dat").string(), "--raw",
                       path("first.bin").string()});
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.err.find("Read frequency success!"), std::string::npos) << first.err;
    EXPECT_EQ(exportChannels(path("first.dat")), exportChannels(initial));
    EXPECT_EQ(fs::file_size(path("first.dat")), 853u);
    // The raw file keeps the radio's 1024 bytes as they came: the loaded image,
    // then the unprogrammed rest.
    const auto raw = fileBytes(path("first.bin"));
    const auto initialBytes = fileBytes(initial);
    ASSERT_EQ(raw.size(), 1024u);
    EXPECT_TRUE(std::equal(initialBytes.begin() + 5, initialBytes.end(), raw.begin()));
    EXPECT_TRUE(std::all_of(raw.begin() + layout::kImageSize, raw.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));

    const fs::path edited = codeplugWith("edited.dat",
                                         "1,\n"
                                         "2,445.500,D754I,445.500,Off,High,Off,Wide,Yes\n"
                                         "9,401.000,100.0,402.000,100.0,Low,Off,Narrow,Yes\n",
                                         path("first.dat").string());
    ASSERT_NE(exportChannels(edited), exportChannels(path("first.dat")));

    // Neither a path nor a number 1..20 is a usage error, not a missing port.
    EXPECT_EQ(pl63({"read", "--port", "21", "-o", path("read.dat").string()}).exitCode, 2);
    auto write = pl63({"write", "--port", radio.device(), edited.string()});
    ASSERT_EQ(write.exitCode, 0) << write.err;
    EXPECT_NE(write.err.find("Write frequency success!"), std::string::npos) << write.err;

    auto second = pl63({"read", "--port", radio.device(), "-o", path("second.dat").string()});
    ASSERT_EQ(second.exitCode, 0) << second.err;
    EXPECT_EQ(exportChannels(path("second.dat")), exportChannels(edited));
    // The simulator saved its memory after each session; the last one is the
    // read after the write.
    EXPECT_EQ(exportChannels(path("radio.dat")), exportChannels(edited));
}

TEST_F(RadioE2e, TuningAndPasswordReachTheRadioOnlyWhenAsked) {
    // A codeplug with a password: the block at image offset 0x1B0.
    const fs::path base = codeplugWith("base.dat", "1,430.125\n");
    auto bytes = fileBytes(base);
    const std::string password = "4711";
    std::copy(password.begin(), password.end(), bytes.begin() + 5 + layout::kCommPassword);
    std::ofstream(path("pw.dat"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));

    // A radio of unprogrammed memory shows which blocks a write touched.
    SimulatedRadio radio({"--save", path("radio.dat").string()});
    ASSERT_FALSE(radio.device().empty());
    std::vector<std::uint8_t> saved;
    const auto at = [&](std::size_t offset) { return saved.at(5 + offset); };

    auto plain = pl63({"write", "--port", radio.device(), path("pw.dat").string()});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    saved = awaitSave(path("radio.dat"), saved);
    ASSERT_EQ(saved.size(), 853u);
    EXPECT_EQ(at(0), bytes[5]);  // the channels arrived
    EXPECT_EQ(at(layout::kTxHighPowerTune), 0xFF);
    EXPECT_EQ(at(layout::kCommPassword), 0xFF);

    auto flagged =
        pl63({"write", "--port", radio.device(), path("pw.dat").string(), "--tune", "--login"});
    ASSERT_EQ(flagged.exitCode, 0) << flagged.err;
    saved = awaitSave(path("radio.dat"), saved);
    EXPECT_EQ(at(layout::kTxHighPowerTune), bytes[5 + layout::kTxHighPowerTune]);
    EXPECT_NE(at(layout::kTxHighPowerTune), 0xFF);
    EXPECT_EQ(at(layout::kCommPassword), '4');
    EXPECT_EQ(at(layout::kCommPassword + 3), '1');
}

TEST_F(RadioE2e, PortNumberFromThePortsFile) {
    SimulatedRadio radio;
    ASSERT_FALSE(radio.device().empty());
    std::ofstream(path("ports")) << "junk line\nCOM7=" << radio.device() << "\n";
    auto result = pl63({"read", "--port", "7", "-o", path("read.dat").string()},
                       {"PL63_SETTINGS_DIR=" + dir_.string()});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_TRUE(fs::exists(path("read.dat")));
}

TEST_F(RadioE2e, TransferTakesTheWireTimeAndTheToolEndsWithIt) {
    SimulatedRadio radio;
    ASSERT_FALSE(radio.device().empty());
    auto result =
        pl63({"read", "--port", radio.device(), "-o", path("read.dat").string(), "--verbose"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    const std::string marker = "transfer took ";
    const auto at = result.err.find(marker);
    ASSERT_NE(at, std::string::npos) << result.err;
    const double transfer = std::stod(result.err.substr(at + marker.size()));
    // 1204 bytes at 9600 baud: the simulated line is no faster than a real one.
    EXPECT_GE(transfer, 1204 * 10 / 9600.0);
    // The tool does not sit out the two seconds the window shows the result.
    EXPECT_LT(result.seconds, transfer + 1.5);
}

TEST_F(RadioE2e, SilentRadioEndsWithTheCommunicationErrorAfterTheTimeOut) {
    SimulatedRadio radio({"--silent"});
    ASSERT_FALSE(radio.device().empty());
    auto result = pl63({"read", "--port", radio.device(), "-o", path("read.dat").string()});
    EXPECT_EQ(result.exitCode, 3) << result.err;
    EXPECT_NE(result.err.find(kTimeoutMessage), std::string::npos) << result.err;
    // Six ticks of a 500 ms timer after the opening frame, plus what starting and
    // ending the program takes on its own (several times more in a sanitizer build).
    const double startAndExit = pl63({"--help"}).seconds;
    EXPECT_GE(result.seconds, 2.5);
    EXPECT_LE(result.seconds, 3.5 + startAndExit);
    EXPECT_FALSE(fs::exists(path("read.dat")));
}

TEST_F(RadioE2e, RadioThatVanishesMidTransferEndsLikeASilentOne) {
    const fs::path base = codeplugWith("base.dat", "1,430.125\n");
    for (const char* verb : {"read", "write"}) {
        SCOPED_TRACE(verb);
        SimulatedRadio radio({"--vanish-after", "5"});
        ASSERT_FALSE(radio.device().empty());
        std::vector<std::string> words{verb, "--port", radio.device()};
        if (std::string(verb) == "read") {
            words.insert(words.end(), {"-o", path("read.dat").string()});
        } else {
            words.push_back(base.string());
        }
        auto result = pl63(words);
        EXPECT_FALSE(result.killed);
        EXPECT_EQ(result.exitCode, 3) << result.err;
        EXPECT_NE(result.err.find(kTimeoutMessage), std::string::npos) << result.err;
        // One message, no stream of port errors.
        EXPECT_LT(result.err.size(), 1500u) << result.err;
        EXPECT_LE(result.seconds, 5.0);
        EXPECT_EQ(radio.waitForExit(seconds(5)), 0);
    }
    EXPECT_FALSE(fs::exists(path("read.dat")));
}

// A pseudo-terminal takes bytes as fast as they come; the simulated radio must
// take them at 9600 baud, as a UART would, or a flood piles up without end.
TEST_F(RadioE2e, PcThatFloodsTheLineIsHeldToLineSpeed) {
    SimulatedRadio radio;
    ASSERT_FALSE(radio.device().empty());
    const int fd = ::open(radio.device().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(fd, 0);
    const std::vector<std::uint8_t> garbage(4096, 0x5A);
    std::size_t taken = 0;
    const auto end = std::chrono::steady_clock::now() + seconds(1);
    while (std::chrono::steady_clock::now() < end) {
        const ssize_t count = ::write(fd, garbage.data(), garbage.size());
        if (count > 0) {
            taken += static_cast<std::size_t>(count);
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ::close(fd);
    // A second of the wire is 960 bytes; the kernel's buffers add some 70 KiB.
    EXPECT_LT(taken, std::size_t{512} << 10);
}

TEST_F(RadioE2e, FaultyRepliesEndInTheTimeOutAndWriteNoFile) {
    const std::vector<std::vector<std::string>> faults = {{"--wrong-identity"},
                                                          {"--stray-byte"},
                                                          {"--wrong-echo"},
                                                          {"--stall-after", "3"},
                                                          {"--break-after", "2"}};
    // Each fault waits out its own time-out; side by side they take one.
    std::vector<std::future<ProcessResult>> runs;
    std::vector<std::unique_ptr<SimulatedRadio>> radios;
    for (std::size_t i = 0; i < faults.size(); ++i) {
        radios.push_back(std::make_unique<SimulatedRadio>(faults[i]));
        ASSERT_FALSE(radios.back()->device().empty());
        const std::vector<std::string> words{"read", "--port", radios.back()->device(), "-o",
                                             path("read" + std::to_string(i) + ".dat").string()};
        runs.push_back(std::async(std::launch::async, [this, words] { return pl63(words); }));
    }
    for (std::size_t i = 0; i < faults.size(); ++i) {
        SCOPED_TRACE(faults[i].front());
        const ProcessResult result = runs[i].get();
        EXPECT_EQ(result.exitCode, 3) << result.err;
        EXPECT_NE(result.err.find(kTimeoutMessage), std::string::npos) << result.err;
        EXPECT_FALSE(fs::exists(path("read" + std::to_string(i) + ".dat")));
    }
}

TEST_F(RadioE2e, PortThatCannotBeOpenedGivesExitFourAndTheMessage) {
    struct Case {
        std::string port;
        std::string lang;
        std::string message;
    };
    const Case cases[] = {
        {(dir_ / "no-such-device").string(), "en", kPortHint},
        {(dir_ / "no-such-device").string(), "zh", "请在 --port 后给出对讲机所接串口"},
        // A number the ports file leaves to the system, which has nothing that far up.
        {"20", "en", kPortHint},
        // Things that exist but are no serial port say so, not "not present".
        {"/dev/null", "en", "/dev/null: not a serial port"},
        {dir_.string(), "en", "not a serial port"},
        {path("ports").string(), "zh", "不是串口"},
    };
    std::ofstream(path("ports")) << "COM1=/dev/null-not-a-port\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port + " " + c.lang);
        auto result =
            pl63({"read", "--port", c.port, "-o", path("read.dat").string(), "--lang", c.lang},
                 {"PL63_SETTINGS_DIR=" + dir_.string()});
        EXPECT_EQ(result.exitCode, 4) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    }
    auto write =
        pl63({"write", "--port", (dir_ / "none").string(), codeplugWith("w.dat", "").string()});
    EXPECT_EQ(write.exitCode, 4) << write.err;
}

// --port names a device as a shell user names a file ("links/tty" from the
// current folder, through a link); one that leads nowhere is told what to
// give, not sent to the window's menu.
TEST_F(RadioE2e, PortTakesAPathFromTheCurrentFolderAndSaysWhatToGiveWhenItLeadsNowhere) {
    fs::create_directories(path("links"));
    SimulatedRadio radio({"--link", path("links/tty").string()});
    const auto here = [this](std::vector<std::string> words) {
        words.insert(words.begin(), {"/usr/bin/env", "-C", dir_.string(), PL63_CLI});
        return runProcess(words);
    };
    EXPECT_EQ(here({"read", "--port", "links/tty", "-o", "read.dat"}).exitCode, 0);
    const std::pair<const char*, const char*> cases[] = {
        {"en", "links/none: not present\npl63: Give --port the path"},
        {"zh", "links/none: 端口不存在\npl63: 请在 --port 后给出"}};
    for (const auto& [lang, message] : cases) {
        auto missing = here({"write", "--port", "links/none", "read.dat", "--lang", lang});
        EXPECT_EQ(missing.exitCode, 4);
        EXPECT_NE(missing.err.find(message), std::string::npos) << missing.err;
        EXPECT_EQ(missing.err.find("menu"), std::string::npos) << missing.err;
    }
}

}  // namespace
}  // namespace pl63::e2e

namespace pl63::e2e {
namespace {

TEST_F(RadioE2e, DiffReadsTheRadioNamedByPortFirst) {
    const fs::path initial =
        codeplugWith("initial.dat", "1,430.125,67.0,431.125,Off,High,Off,Wide,Yes\n");
    const fs::path other = codeplugWith("other.dat", "1,430.125,67.0,431.125,Off,Low,Off,Wide,Yes\n");
    SimulatedRadio radio({"--load", initial.string()});
    ASSERT_FALSE(radio.device().empty());

    auto same = pl63({"diff", "--port", radio.device(), initial.string()});
    EXPECT_EQ(same.exitCode, 0) << same.err;
    EXPECT_EQ(same.out, "");
    auto different = pl63({"diff", other.string(), "--port", radio.device()});
    EXPECT_EQ(different.exitCode, 1) << different.err;
    EXPECT_EQ(different.out, "CH 01  Power: Low → Hight\n");
    auto noRadio = pl63({"diff", "--port", path("no-such-port").string(), initial.string()});
    EXPECT_EQ(noRadio.exitCode, 2);
}

}  // namespace
}  // namespace pl63::e2e
