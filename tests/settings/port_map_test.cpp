#include "settings/port_map.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace pl63::settings {
namespace {

TEST(PortMapParse, TakesValidLinesAndSkipsJunk) {
    const PortMap map = parsePortMap(
        "COM1=/dev/ttyUSB0\n"
        "  com3 =  /dev/pts/7  \r\n"
        "# COM4=/dev/commented\n"
        "garbage without equals\n"
        "COM0=/dev/zero-is-not-a-port\n"
        "COM21=/dev/too-high\n"
        "COMX=/dev/not-a-number\n"
        "COM5=\n"
        "PORT6=/dev/wrong-prefix\n"
        "COM2=/dev/first\n"
        "COM2=/dev/second\n"
        "COM20=/dev/last");
    const PortMap expected{
        {1, "/dev/ttyUSB0"}, {2, "/dev/second"}, {3, "/dev/pts/7"}, {20, "/dev/last"}};
    EXPECT_EQ(map, expected);
}

TEST(PortMapParse, EmptyAndBinaryTextGiveNothing) {
    EXPECT_TRUE(parsePortMap("").empty());
    EXPECT_TRUE(parsePortMap(std::string("\0\xff=\n=\n", 6)).empty());
}

TEST(PortMapOrder, UsbAdaptersFirstLegacyLastNumbersNatural) {
    const auto ordered =
        orderSerialDevices({"/dev/ttyS1", "/dev/ttyUSB10", "/dev/ttyAMA0", "/dev/ttyS0",
                            "/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB2"});
    const std::vector<std::string> expected{"/dev/ttyACM0", "/dev/ttyUSB2", "/dev/ttyUSB10",
                                            "/dev/ttyAMA0", "/dev/ttyS0",   "/dev/ttyS1"};
    EXPECT_EQ(ordered, expected);
}

// Found by fuzzing: a path between two copies of another with the same name
// kept both copies in the list that promises each device once.
TEST(PortMapOrder, EqualNamesInOtherFoldersStillListEachDeviceOnce) {
    const auto ordered = orderSerialDevices(
        {"/dev/ttyUSB1", "/dev/serial/ttyUSB1", "/dev/ttyUSB01", "/dev/ttyUSB1"});
    const std::vector<std::string> expected{"/dev/serial/ttyUSB1", "/dev/ttyUSB01", "/dev/ttyUSB1"};
    EXPECT_EQ(ordered, expected);
}

TEST(PortMapAssign, FileKeepsItsNumbersSystemFillsTheGaps) {
    const PortMap file{{2, "/dev/ttyS0"}, {3, "/dev/pts/4"}};
    const PortMap map = assignPortNumbers(file, {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyUSB0"});
    // ttyS0 is already COM2, so it does not take a second number.
    const PortMap expected{
        {1, "/dev/ttyUSB0"}, {2, "/dev/ttyS0"}, {3, "/dev/pts/4"}, {4, "/dev/ttyS1"}};
    EXPECT_EQ(map, expected);
}

TEST(PortMapAssign, NeverHandsOutMoreThanTwentyNumbers) {
    std::vector<std::string> many;
    for (int i = 0; i < 30; ++i) many.push_back("/dev/ttyUSB" + std::to_string(i));
    const PortMap map = assignPortNumbers({{5, "/dev/own"}}, many);
    ASSERT_EQ(map.size(), 20u);
    EXPECT_EQ(map.begin()->first, 1);
    EXPECT_EQ(map.rbegin()->first, 20);
    EXPECT_EQ(map.at(5), "/dev/own");
    EXPECT_EQ(map.at(6), "/dev/ttyUSB4");
}

TEST(PortArgumentParse, NumbersOrPaths) {
    struct Case {
        const char* text;
        bool valid;
        int number;
        const char* device;
    };
    const Case cases[] = {
        {"1", true, 1, ""},
        {"20", true, 20, ""},
        {" 7 ", true, 7, ""},
        {"0", false, 0, ""},
        {"21", false, 0, ""},
        {"", false, 0, ""},
        {"/dev/pts/5", true, 0, "/dev/pts/5"},
        {"ttyUSB0", true, 0, "ttyUSB0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        auto parsed = parsePortArgument(c.text);
        ASSERT_EQ(parsed.has_value(), c.valid);
        if (!parsed) continue;
        EXPECT_EQ(parsed->number, c.number);
        EXPECT_EQ(parsed->device, c.device);
    }
}

TEST(PortChoice, SavedPortWhenItOpenedElseFirstAvailable) {
    std::array<bool, kPortCount> available{};
    EXPECT_EQ(choosePortToOpen(3, available), 0);  // nothing opened: no port
    available[0] = available[2] = true;            // COM1 and COM3
    EXPECT_EQ(choosePortToOpen(3, available), 3);
    EXPECT_EQ(choosePortToOpen(0, available), 1);   // fresh parameter file
    EXPECT_EQ(choosePortToOpen(2, available), 1);   // saved port did not open
    EXPECT_EQ(choosePortToOpen(21, available), 1);  // out of range
    EXPECT_EQ(choosePortToOpen(-1, available), 1);
}

class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"PL63_SETTINGS_DIR", "XDG_CONFIG_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(SettingsFolderTest, OverrideThenXdgThenHome) {
    setenv("HOME", "/home/u", 1);
    setenv("XDG_CONFIG_HOME", "/xdg", 1);
    setenv("PL63_SETTINGS_DIR", "/tmp/pl63-test", 1);
    EXPECT_EQ(settingsFolder(), "/tmp/pl63-test");
    unsetenv("PL63_SETTINGS_DIR");
    EXPECT_EQ(settingsFolder(), "/xdg/pl63");
    setenv("XDG_CONFIG_HOME", "", 1);
    EXPECT_EQ(settingsFolder(), "/home/u/.config/pl63");
}

TEST(PortMapLoad, ReadsThePortsFileAndToleratesItsAbsence) {
    namespace fs = std::filesystem;
    const fs::path folder =
        fs::temp_directory_path() / ("pl63-port-map-" + std::to_string(getpid()));
    fs::create_directories(folder);
    EXPECT_TRUE(loadPortMap(folder.string()).empty());
    std::ofstream(folder / "ports") << "COM4=/dev/pts/9\nnonsense\n";
    EXPECT_EQ(loadPortMap(folder.string()), (PortMap{{4, "/dev/pts/9"}}));
    EXPECT_TRUE(loadPortMap("").empty());
    fs::remove_all(folder);
}

}  // namespace
}  // namespace pl63::settings
