// The Optional functions and Debug windows over a read of the simulated
// radio: the read fills them, OK without edits gives back what the radio
// holds, and tuning values reach the radio only while TuneMode is on.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <deque>
#include <memory>

#include "codec/image_codec.h"
#include "codec/layout.h"
#include "i18n/qt/localized_msgbox.h"
#include "link/link_engine.h"
#include "link/radio_simulator.h"
#include "ui/app_context.h"
#include "ui/options/debug_window.h"
#include "ui/options/optional_functions_window.h"
#include "ui_support/fake_clock.h"

namespace pl63::ui::test {
namespace {

// The cable between the engine and the simulated radio, and the main
// window's part of a transfer: the image from and into the Codeplug.
class SimulatedCable : public link::LinkHost {
public:
    SimulatedCable(link::RadioSimulator& radio, AppContext& context)
        : radio_(radio), context_(context) {}

    bool portIsOpen() override { return true; }
    void writeFrame(const std::vector<std::uint8_t>& frame) override {
        for (link::RadioOutput& out : radio_.receive(frame)) toPc_.push_back(std::move(out.bytes));
    }
    void setTimer1Running(bool) override {}
    void setTimer2Running(bool) override {}
    void showMessage(const std::string& text, int) override { messages.push_back(text); }
    bool loginMode() override { return false; }
    bool debugUnlocked() override { return context_.state.DebugUnlocked; }
    std::string commPassword() override { return {}; }
    std::string passwordBoxText() override { return {}; }
    std::string encodeImage() override {
        return EncodeImage(context_.codeplug, Language::Chinese).hex();
    }
    void decodeImage(const std::string& readData) override {
        context_.state.DebugUnlocked = false;  // new data, as GuiLink takes them
        DecodeImage(MemoryImage::fromHex(readData), context_.document.dataForSetUp(),
                    Language::Chinese);
        context_.state.announceStoresDecoded();
    }

    // Runs a transfer to its end, result display included.
    void run(link::LinkEngine& engine) {
        while (!toPc_.empty()) {
            std::vector<std::uint8_t> bytes = std::move(toPc_.front());
            toPc_.pop_front();
            engine.received(bytes);
        }
        for (int tick = 0; tick < 50 && engine.busy(); ++tick) engine.timer2Tick();
    }

    std::vector<std::string> messages;

private:
    link::RadioSimulator& radio_;
    AppContext& context_;
    std::deque<std::vector<std::uint8_t>> toPc_;
};

class OptionWindowsRadioReadTest : public ::testing::Test {
protected:
    void SetUp() override {
        i18n::setMsgBoxAnswerer([](const i18n::MsgBoxRequest&) { return int(i18n::IdOk); });
        clock = installFakeClock(context);
        form5 = std::make_unique<OptionalFunctionsWindow>(context, nullptr);
        form2 = std::make_unique<DebugWindow>(context, nullptr);
    }
    void TearDown() override { i18n::setMsgBoxAnswerer({}); }

    void loadRadio(const Codeplug& radioPlug) {
        const MemoryImage image = EncodeImage(radioPlug, Language::Chinese);
        radio.memory().fill(layout::kFiller);
        std::copy(image.bytes().begin(), image.bytes().end(), radio.memory().begin());
    }
    void read() {
        ASSERT_TRUE(engine.startRead());
        cable.run(engine);
        ASSERT_TRUE(cable.messages.empty());
    }
    void write() {
        ASSERT_TRUE(engine.startWrite());
        cable.run(engine);
    }
    void ok(QWidget* window) {
        window->show();
        QTest::mouseClick(window->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }
    template <typename W>
    W* child(QWidget* window, const char* name) {
        return window->findChild<W*>(QString::fromLatin1(name));
    }

    AppContext context;
    FakeClock* clock = nullptr;
    link::RadioSimulator radio;
    SimulatedCable cable{radio, context};
    link::LinkEngine engine{cable};
    std::unique_ptr<OptionalFunctionsWindow> form5;
    std::unique_ptr<DebugWindow> form2;
};

TEST_F(OptionWindowsRadioReadTest, ReadFillsTheWindowsAndOkGivesBackWhatTheRadioHolds) {
    Codeplug radioPlug;
    radioPlug.channels.setText(2, ColRxFrequency, "438.50000");
    radioPlug.OptionalSettings[3] = "0";
    radioPlug.OptionalSettings[10] = "2";
    radioPlug.OptionalSettings[11] = "12";
    radioPlug.OptionalSettings[13] = "45";
    radioPlug.OptionalSettings[19] = "90";
    radioPlug.DtmfSettings = {1, 3, 1000, 2, 0, 1, 4, 3};
    radioPlug.DtmfCodes[3] = "0#0*";
    radioPlug.TxHighPowerTune = 201;
    radioPlug.TxLowPowerTune = 77;
    loadRadio(radioPlug);
    read();

    EXPECT_EQ(child<QComboBox>(form5.get(), "Combo4")->currentIndex(), 0);
    EXPECT_EQ(child<QComboBox>(form5.get(), "Combo11")->currentIndex(), 2);
    EXPECT_EQ(child<QComboBox>(form5.get(), "Combo12")->currentText(), "12");
    EXPECT_EQ(child<QComboBox>(form5.get(), "Combo14")->currentText(), "2.70 S");
    EXPECT_EQ(child<QLineEdit>(form5.get(), "Text6")->text(), "90");
    EXPECT_EQ(child<QComboBox>(form5.get(), "Combo18")->currentText(), "1000MS");
    EXPECT_EQ(child<QLabel>(form2.get(), "Lblpower1")->text(), "201");
    EXPECT_EQ(child<QSlider>(form2.get(), "Slider3")->value(), 77);

    ok(form5.get());
    ok(form2.get());
    const MemoryImage after = EncodeImage(context.codeplug, Language::Chinese);
    for (std::size_t offset = 0; offset < after.size(); ++offset)
        EXPECT_EQ(after.at(offset), radio.memory()[offset]) << "offset " << std::hex << offset;
}

TEST_F(OptionWindowsRadioReadTest, TuningReachesTheRadioOnlyInTuneMode) {
    loadRadio(Codeplug{});
    read();
    QSlider* high = child<QSlider>(form2.get(), "Slider1");

    form5->show();
    for (const char* caption : {"Label4", "Label11", "Label15"})
        QTest::mouseClick(child<QLabel>(form5.get(), caption), Qt::LeftButton);
    ASSERT_TRUE(high->isEnabled());
    form2->show();
    QTest::keyClick(high, Qt::Key_PageUp);  // 208 + 5
    ok(form2.get());
    write();
    EXPECT_EQ(radio.memory()[layout::kTxHighPowerTune], 213);

    // Leaving TuneMode as the main window's "TAnMa" does: the next write
    // leaves the radio's tuning alone.
    context.state.tuneGesture.clear();
    context.state.DebugUnlocked = false;
    context.state.setTuneMode(false);
    ok(form2.get());
    context.document.dataForSetUp().TxHighPowerTune = 99;  // whatever the stores say now
    write();
    EXPECT_EQ(radio.memory()[layout::kTxHighPowerTune], 213);
}

}  // namespace
}  // namespace pl63::ui::test
