#include "settings/serial_device_scan.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace pl63::settings {
namespace {

namespace fs = std::filesystem;

// A small copy of /sys: terminals are links from class/tty into devices/,
// hardware ones with a `device` link to their bus device.
class SerialDeviceScanTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("pl63-sysfs-" + std::to_string(::getpid()));
        fs::remove_all(root_);
        fs::create_directories(root_ / "class/tty");
        fs::create_directories(root_ / "devices/bus");
    }
    void TearDown() override { fs::remove_all(root_); }

    // A terminal; `uartType` writes serial_core's `type` attribute (-1: none).
    void addTerminal(const std::string& name, bool hardware, int uartType = -1) {
        const fs::path folder =
            root_ / (hardware ? "devices/bus/" : "devices/virtual/tty/") / name;
        fs::create_directories(folder);
        if (hardware) fs::create_directory_symlink(root_ / "devices/bus", folder / "device");
        if (uartType >= 0) std::ofstream(folder / "type") << uartType << "\n";
        fs::create_directory_symlink(folder, root_ / "class/tty" / name);
    }

    std::vector<std::string> scan() const {
        std::vector<std::string> devices = scanSerialDevices(root_ / "class/tty");
        std::sort(devices.begin(), devices.end());
        return devices;
    }

    fs::path root_;
};

TEST_F(SerialDeviceScanTest, KeepsHardwarePortsAndRfcommDropsConsolesAndEmptyUartSlots) {
    addTerminal("tty0", false);
    addTerminal("console", false);
    addTerminal("ptmx", false);
    addTerminal("ttyS0", true, 4);  // a 16550A
    addTerminal("ttyS1", true, 0);  // the 8250 driver's empty slot
    addTerminal("ttyUSB0", true);   // USB adapters have no UART type
    addTerminal("ttyACM0", true);
    addTerminal("rfcomm0", false);
    // Better to offer a port that may fail to open than to hide a real one.
    addTerminal("ttyS2", true);
    std::ofstream(root_ / "devices/bus/ttyS2/type") << "garbage";
    const std::vector<std::string> expected{"/dev/rfcomm0", "/dev/ttyACM0", "/dev/ttyS0",
                                            "/dev/ttyS2", "/dev/ttyUSB0"};
    EXPECT_EQ(scan(), expected);
    // Without the kernel's folder of virtual terminals the device links decide.
    fs::remove_all(root_ / "devices/virtual");
    EXPECT_EQ(scan(), expected);
}

TEST_F(SerialDeviceScanTest, AMissingOrUnreadableListGivesNothing) {
    EXPECT_TRUE(scanSerialDevices(root_ / "no-such-folder").empty());
    std::ofstream(root_ / "a-file") << "not a folder";
    EXPECT_TRUE(scanSerialDevices(root_ / "a-file").empty());
    EXPECT_TRUE(scan().empty());
}

}  // namespace
}  // namespace pl63::settings
