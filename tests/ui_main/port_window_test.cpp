// FormCOM over pseudo-terminals that a `ports` file in a temporary settings
// folder puts behind chosen numbers; every other number points at nothing,
// so the machine's own serial ports take no part.
#include "ui/main/port_window.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <map>

#include "ui/app_context.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

namespace fs = std::filesystem;

// A pseudo-terminal whose slave side stands in for a serial adapter.
class FakeAdapter {
public:
    FakeAdapter() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            device_ = ::ptsname(master_);
        }
    }
    ~FakeAdapter() {
        if (master_ >= 0) ::close(master_);
    }
    const std::string& device() const { return device_; }

private:
    int master_ = -1;
    std::string device_;
};

class PortWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("pl63-formcom-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        if (const char* old = std::getenv("PL63_SETTINGS_DIR")) oldSettings_ = old;
        ::setenv("PL63_SETTINGS_DIR", dir_.c_str(), 1);
    }
    void TearDown() override {
        if (oldSettings_.empty()) {
            ::unsetenv("PL63_SETTINGS_DIR");
        } else {
            ::setenv("PL63_SETTINGS_DIR", oldSettings_.c_str(), 1);
        }
        fs::remove_all(dir_);
    }

    void writePorts(const std::map<int, std::string>& devices) {
        std::ofstream file(dir_ / "ports");
        for (int n = 1; n <= 20; ++n) {
            const auto it = devices.find(n);
            file << "COM" << n << "="
                 << (it != devices.end() ? it->second
                                         : (dir_ / ("absent" + std::to_string(n))).string())
                 << "\n";
        }
    }

    static std::vector<int> enabled(const PortWindow& window) {
        std::vector<int> numbers;
        for (int i = 0; i < 20; ++i) {
            if (window.option(i)->isEnabled()) numbers.push_back(i + 1);
        }
        return numbers;
    }
    static int checked(const PortWindow& window) {
        for (int i = 0; i < 20; ++i) {
            if (window.option(i)->isChecked()) return i + 1;
        }
        return 0;
    }

    // A second opener finds the device the window left open busy.
    static bool heldOpen(const std::string& device) {
        QSerialPort other;
        return link::openSerialPort(other, QString::fromStdString(device)) == link::PortState::Busy;
    }

    fs::path dir_;
    std::string oldSettings_;
    AppContext context;
    QSerialPort port;
};

TEST_F(PortWindowTest, LoadSelectsAndOpensTheSavedPort) {
    FakeAdapter com1, com3;
    ASSERT_FALSE(com1.device().empty());
    writePorts({{1, com1.device()}, {3, com3.device()}});
    context.state.SavedPort = 3;

    PortWindow window(context, port, nullptr);

    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.objectName(), "FormCOM");
    EXPECT_EQ(window.windowTitle(), "Com");
    EXPECT_EQ(enabled(window), (std::vector<int>{1, 3}));
    EXPECT_EQ(checked(window), 3);
    EXPECT_EQ(context.state.SavedPort, 3);
    EXPECT_TRUE(port.isOpen());
    EXPECT_TRUE(heldOpen(com3.device()));
    EXPECT_FALSE(heldOpen(com1.device()));

    EXPECT_EQ(window.option(0)->text(), "COM1");
    EXPECT_EQ(window.option(19)->text(), "COM20");
    EXPECT_EQ(window.option(19)->property("controlIndex").toInt(), 19);
    EXPECT_EQ(window.findChildren<QRadioButton*>("OptionCOM").size(), 20);
    EXPECT_EQ(window.size(), twipsToPixels(5145, 3000));
}

TEST_F(PortWindowTest, TooltipsNameTheDeviceAndWhyAPortIsOff) {
    FakeAdapter com2, busy;
    writePorts({{2, com2.device()}, {4, busy.device()}});
    QSerialPort holder;  // another program holds COM4
    ASSERT_EQ(link::openSerialPort(holder, QString::fromStdString(busy.device())),
              link::PortState::Open);
    context.state.LanguageFlag = 1;

    PortWindow window(context, port, nullptr);

    EXPECT_EQ(enabled(window), (std::vector<int>{2}));
    EXPECT_EQ(window.option(1)->toolTip(), QString::fromStdString(com2.device()));
    EXPECT_TRUE(window.option(3)->toolTip().contains("in use by another program"));
    EXPECT_TRUE(window.option(3)->toolTip().startsWith(QString::fromStdString(busy.device())));
    EXPECT_TRUE(window.option(6)->toolTip().contains("not present"));

    // The texts follow the language when the window is shown again.
    context.state.LanguageFlag = 0;
    window.show();
    EXPECT_TRUE(window.option(3)->toolTip().contains("占用"));
}

TEST_F(PortWindowTest, StatusLineAndTooltipsFollowALanguageSwitchWhileShown) {
    FakeAdapter com3;
    writePorts({{3, com3.device()}});
    context.state.SavedPort = 3;
    PortWindow window(context, port, nullptr);
    window.show();
    const QLabel* status = window.findChild<QLabel*>("PortStatus");
    ASSERT_NE(status, nullptr);
    EXPECT_TRUE(status->text().startsWith("已打开：COM3")) << status->text().toStdString();

    context.state.LanguageFlag = 1;
    context.state.announceLanguageChanged();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(status->text().startsWith("Open: COM3")) << status->text().toStdString();
    EXPECT_TRUE(window.option(6)->toolTip().contains("not present"));
}

TEST_F(PortWindowTest, WithoutASavedPortTheFirstOneOpensUnselected) {
    FakeAdapter com5, com9;
    writePorts({{5, com5.device()}, {9, com9.device()}});
    for (int saved : {0, 21, 7}) {  // none, out of range, not available
        SCOPED_TRACE(saved);
        QSerialPort own;
        context.state.SavedPort = saved;
        PortWindow window(context, own, nullptr);
        EXPECT_EQ(checked(window), 0);
        EXPECT_EQ(context.state.SavedPort, 5);
        EXPECT_TRUE(own.isOpen());
        EXPECT_TRUE(heldOpen(com5.device()));
    }
}

TEST_F(PortWindowTest, NoPortLeavesEverythingOffAndClosed) {
    writePorts({});
    context.state.SavedPort = 2;
    PortWindow window(context, port, nullptr);
    EXPECT_TRUE(enabled(window).empty());
    EXPECT_EQ(checked(window), 0);
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(context.state.SavedPort, 2);
}

TEST_F(PortWindowTest, ClickingAPortReopensItAndRemembersIt) {
    FakeAdapter com1, com3;
    writePorts({{1, com1.device()}, {3, com3.device()}});
    context.state.SavedPort = 3;
    PortWindow window(context, port, nullptr);
    window.show();
    QSignalSpy chosen(&window, &PortWindow::portChosen);

    QTest::mouseClick(window.option(0), Qt::LeftButton);
    EXPECT_EQ(context.state.SavedPort, 1);
    EXPECT_EQ(checked(window), 1);
    EXPECT_TRUE(heldOpen(com1.device()));
    EXPECT_FALSE(heldOpen(com3.device()));
    ASSERT_EQ(chosen.size(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 1);
    EXPECT_TRUE(chosen[0][1].toBool());

    // The selected button again: the same port closed and opened once more.
    QTest::mouseClick(window.option(0), Qt::LeftButton);
    EXPECT_EQ(chosen.size(), 2);
    EXPECT_EQ(checked(window), 1);
    EXPECT_TRUE(heldOpen(com1.device()));

    // A disabled port cannot be chosen.
    QTest::mouseClick(window.option(5), Qt::LeftButton);
    EXPECT_EQ(context.state.SavedPort, 1);
    EXPECT_EQ(chosen.size(), 2);
}

TEST_F(PortWindowTest, ClosingHidesAndKeepsTheProbe) {
    FakeAdapter com1;
    writePorts({{1, com1.device()}});
    PortWindow window(context, port, nullptr);
    window.show();
    QTest::mouseClick(window.option(0), Qt::LeftButton);

    // A port appearing later is offered only at the next start.
    FakeAdapter later;
    writePorts({{1, com1.device()}, {2, later.device()}});
    EXPECT_FALSE(window.close());
    EXPECT_FALSE(window.isVisible());
    window.show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(enabled(window), (std::vector<int>{1}));
    EXPECT_EQ(checked(window), 1);
    EXPECT_TRUE(port.isOpen());
}

}  // namespace
}  // namespace pl63::ui
