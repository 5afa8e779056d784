// The port probe and the number-to-device mapping on real (pseudo-terminal)
// devices.
#include "link/qt/serial_ports.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "e2e/child_process.h"

namespace pl63::link {
namespace {

namespace fs = std::filesystem;

QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "serial_ports_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

class SerialPortsTest : public ::testing::Test {
protected:
    void SetUp() override {
        app();
        dir_ = fs::temp_directory_path() / ("pl63-ports-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        const char* old = std::getenv("PL63_SETTINGS_DIR");
        if (old) oldSettings_ = old;
        setenv("PL63_SETTINGS_DIR", dir_.c_str(), 1);
    }
    void TearDown() override {
        if (oldSettings_.empty()) {
            unsetenv("PL63_SETTINGS_DIR");
        } else {
            setenv("PL63_SETTINGS_DIR", oldSettings_.c_str(), 1);
        }
        fs::remove_all(dir_);
    }

    // Names every number, so that no device of the machine takes part.
    void writePorts(const std::map<int, std::string>& devices) {
        std::ofstream file(dir_ / "ports");
        for (int n = 1; n <= 20; ++n) {
            auto it = devices.find(n);
            file << "COM" << n << "="
                 << (it != devices.end() ? it->second
                                         : (dir_ / ("absent" + std::to_string(n))).string())
                 << "\n";
        }
    }

    fs::path dir_;
    std::string oldSettings_;
};

TEST_F(SerialPortsTest, ProbeOpensSavedPortOrElseTheFirstThatOpened) {
    e2e::SimulatedRadio third, fifth;
    ASSERT_FALSE(third.device().empty());
    ASSERT_FALSE(fifth.device().empty());
    writePorts({{3, third.device()}, {5, fifth.device()}});
    EXPECT_EQ(portDevice(3).toStdString(), third.device());

    struct Case {
        int saved;
        int opened;
    };
    for (const Case c : {Case{5, 5}, Case{3, 3}, Case{0, 3}, Case{1, 3}, Case{21, 3}}) {
        SCOPED_TRACE(c.saved);
        QSerialPort port;
        const PortProbe probe = probePorts(port, c.saved);
        EXPECT_EQ(probe.opened, c.opened);
        EXPECT_TRUE(port.isOpen());
        // The probe's port holds the chosen device: a second opener finds it busy.
        const std::string& chosen = c.opened == 5 ? fifth.device() : third.device();
        QSerialPort second;
        EXPECT_EQ(openSerialPort(second, QString::fromStdString(chosen)), PortState::Busy);
        EXPECT_EQ(probe.states[0], PortState::NotPresent);
        EXPECT_EQ(probe.states[2], PortState::Open);
        EXPECT_EQ(probe.states[4], PortState::Open);
        EXPECT_EQ(probe.states[19], PortState::NotPresent);
    }
}

TEST_F(SerialPortsTest, NoPortLeavesNothingOpen) {
    writePorts({});
    QSerialPort port;
    const PortProbe probe = probePorts(port, 1);
    EXPECT_EQ(probe.opened, 0);
    EXPECT_FALSE(port.isOpen());
}

TEST_F(SerialPortsTest, PortHeldByAnotherProgramIsBusy) {
    e2e::SimulatedRadio radio;
    ASSERT_FALSE(radio.device().empty());
    writePorts({{2, radio.device()}});
    QSerialPort holder;
    ASSERT_EQ(openSerialPort(holder, QString::fromStdString(radio.device())), PortState::Open);

    QSerialPort port;
    const PortProbe probe = probePorts(port, 2);
    EXPECT_EQ(probe.states[1], PortState::Busy);
    EXPECT_EQ(probe.opened, 0);
}

TEST_F(SerialPortsTest, MissingPermissionPointsToTheDialoutGroup) {
    EXPECT_TRUE(portStateText(PortState::NoPermission, Language::English).contains("dialout"));
    EXPECT_TRUE(portStateText(PortState::NoPermission, Language::Chinese).contains("dialout"));
    EXPECT_TRUE(portStateText(PortState::Open, Language::English).isEmpty());
}

}  // namespace
}  // namespace pl63::link
