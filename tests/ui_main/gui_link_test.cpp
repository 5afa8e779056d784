// Read and Write from Form1 against pl63-radiosim on a real pseudo-terminal,
// which a `ports` file puts behind COM1; the window's port window opens it at
// start-up as it would a cable.
#include "ui/main/gui_link.h"
#include "codec/dat_file.h"
#include "codec/frequency_entry.h"
#include "codec/image_codec.h"
#include "e2e/child_process.h"
#include "link/link_texts.h"
#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

class GuiLinkTest : public MainWindowTest {
protected:
    void TearDown() override {
        window.reset();
        radio.reset();
        MainWindowTest::TearDown();
    }

    // A radio holding two channels, and Form1 started on it.
    void startOnRadio(const std::vector<std::string>& faults = {}) {
        Codeplug radioPlug;
        radioPlug.channels.setText(1, ColRxFrequency, "431.25000");
        applyNewChannelDefaults(radioPlug.channels, 1, Language::Chinese);
        radioPlug.channels.setText(2, ColRxFrequency, "445.50000");
        applyNewChannelDefaults(radioPlug.channels, 2, Language::Chinese);
        radioPlug.functions.squelchGrade = 8;
        const std::string load = (folder / "radio.DAT").string();
        ASSERT_TRUE(writeDatFile(load, EncodeImage(radioPlug, Language::Chinese)).ok());
        std::vector<std::string> options{"--load", load, "--save", saved()};
        options.insert(options.end(), faults.begin(), faults.end());
        radio = std::make_unique<e2e::SimulatedRadio>(options);
        ASSERT_FALSE(radio->device().empty());
        mapPort(1, radio->device());
        writeParameter(std::string("\x00\x01\x00", 3));
        start();
        ASSERT_TRUE(window->link().portIsOpen());
    }
    std::string saved() const { return (folder / "radio-after.DAT").string(); }
    link::LinkEngine& engine() { return window->link().engine(); }
    bool commandsEnabled() {
        return window->toolbar()->isEnabled() && window->menu("mnupro")->isEnabled() &&
               window->toolButton("read")->isEnabled() && window->toolButton("write")->isEnabled();
    }
    // Runs until the success text shows, then counts the result ticks until
    // the commands come back.
    int resultTicksUntilEnabled() {
        EXPECT_TRUE(QTest::qWaitFor([&] { return engine().ResultShowing(); }, 20000));
        int highest = 0;
        const bool back = QTest::qWaitFor(
            [&] {
                if (commandsEnabled()) return true;
                highest = std::max(highest, engine().ResultBlinks());
                return false;
            },
            5000);
        EXPECT_TRUE(back);
        return highest + 1;  // the tenth tick enables and resets the count
    }

    std::unique_ptr<e2e::SimulatedRadio> radio;
};

TEST_F(GuiLinkTest, ReadFillsGridAndPanelsThenWriteSendsTheEditsBack) {
    startOnRadio();
    trigger("mnureadFre");
    EXPECT_FALSE(commandsEnabled());
    EXPECT_FALSE(window->menu("mnupro")->menuAction()->isEnabled());
    EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("正在通信,请稍后……"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->progressBar()->isVisible(); }, 5000));
    EXPECT_EQ(window->progressBar()->maximum(), 460);

    EXPECT_EQ(resultTicksUntilEnabled(), 10);
    EXPECT_EQ(engine().progress(), 425);
    EXPECT_TRUE(window->progressBar()->isHidden());
    EXPECT_TRUE(window->statusLabel()->isHidden());
    EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("读频成功！"));
    EXPECT_EQ(window->grid()->item(0, ColRxFrequency)->text(), QStringLiteral("431.25000"));
    EXPECT_EQ(window->grid()->item(1, ColRxFrequency)->text(), QStringLiteral("445.50000"));
    EXPECT_EQ(list("Combo9")->currentIndex(), 8);
    EXPECT_TRUE(messages.empty());

    // Edit, then write back from the toolbar.
    codeplug().channels.setText(3, ColRxFrequency, "462.00000");
    applyNewChannelDefaults(codeplug().channels, 3, Language::Chinese);
    window->grid()->showChannels();
    list("Combo9")->setCurrentIndex(2);
    window->toolButton("write")->trigger();
    EXPECT_FALSE(commandsEnabled());
    EXPECT_EQ(resultTicksUntilEnabled(), 10);
    EXPECT_EQ(window->statusLabel()->text(), QStringLiteral("写频成功！"));
    EXPECT_EQ(engine().progress(), 300);

    ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(saved()); }, 5000));
    const Result<MemoryImage> written = readDatFile(saved());
    ASSERT_TRUE(written.ok());
    Codeplug check;
    DecodeImage(written.value(), check, Language::Chinese);
    EXPECT_EQ(check.channels.text(1, ColRxFrequency), "431.25000");
    EXPECT_EQ(check.channels.text(3, ColRxFrequency), "462.00000");
    EXPECT_EQ(check.functions.squelchGrade, 2);
}

TEST_F(GuiLinkTest, AReadAndAWriteLeaveTheDataUnmodifiedAndTheReadIsAStepToUndo) {
    startOnRadio();
    list("Combo9")->setCurrentIndex(3);
    ASSERT_TRUE(window->isWindowModified());
    questionAnswers = {i18n::IdDiscard};
    trigger("mnureadFre");
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(resultTicksUntilEnabled(), 10);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(window->menuAction("mnuUndo")->text(), QStringLiteral("撤销：读频"));

    list("Combo9")->setCurrentIndex(2);
    EXPECT_TRUE(window->isWindowModified());
    window->toolButton("write")->trigger();
    EXPECT_EQ(resultTicksUntilEnabled(), 10);
    EXPECT_FALSE(window->isWindowModified());

    // Undo puts the read data back, which the radio no longer holds.
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(list("Combo9")->currentIndex(), 8);
    EXPECT_TRUE(window->isWindowModified());
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(list("Combo9")->currentIndex(), 3);
}

TEST_F(GuiLinkTest, ASilentRadioTimesOutWithTheMessageAndLeavesTheGrid) {
    startOnRadio({"--silent"});
    codeplug().channels.setText(5, ColRxFrequency, "440.00000");
    applyNewChannelDefaults(codeplug().channels, 5, Language::Chinese);
    window->grid()->showChannels();
    trigger("mnuEnglish");
    window->toolButton("read")->trigger();
    EXPECT_FALSE(commandsEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 6000));
    EXPECT_EQ(messages[0].style, i18n::StyleCritical);
    EXPECT_EQ(messages[0].text.toStdString(),
              link::linkText(link::LinkText::CommunicationError, Language::English));
    EXPECT_TRUE(commandsEnabled());
    EXPECT_TRUE(window->statusLabel()->isHidden());
    EXPECT_TRUE(window->progressBar()->isHidden());
    EXPECT_EQ(window->grid()->item(4, ColRxFrequency)->text(), QStringLiteral("440.00000"));
    EXPECT_FALSE(codeplug().channels.inUse(1));
}

TEST_F(GuiLinkTest, NoOpenPortIsReportedAndNothingStarts) {
    start();
    ASSERT_FALSE(window->link().portIsOpen());
    trigger("mnuwriteFre");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, i18n::StyleInformation);
    EXPECT_TRUE(commandsEnabled());
    EXPECT_FALSE(context->portIsOpen());
}

}  // namespace
}  // namespace pl63::ui::test
