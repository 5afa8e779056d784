// Read and Write from Form1 against pl63-radiosim on a real pseudo-terminal,
// which a `ports` file puts behind COM1; the window's port window opens it at
// start-up as it would a cable.
#include "ui/main/gui_link.h"
#include "codec/dat_file.h"
#include "codec/frequency_entry.h"
#include "codec/image_codec.h"
#include "e2e/child_process.h"
#include "link/link_texts.h"
#include "link/transfer_report.h"
#include "ui_main/main_window_fixture.h"

#include <QRadioButton>
#include <functional>

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

    // Runs the transfer until the radio has dealt with `blocks` data blocks.
    void waitForBlocks(int blocks) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine().blocksDone() >= blocks; }, 10000));
    }
    // The radio saves its memory when a session ends with the end frame, and
    // only then.
    bool radioSawTheEndFrame() {
        return QTest::qWaitFor([&] { return fs::exists(saved()); }, 3000);
    }
    std::string english(const ErrorText& text) { return text.en; }

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
    EXPECT_EQ(window->menuAction("mnuUndo")->text(), QStringLiteral("撤销(&U)：读频"));

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

// The radio holds what was sent: a change made while the write ran is still
// a change the radio does not have.
TEST_F(GuiLinkTest, EditsMadeWhileAWriteRunsStayModifiedAfterIt) {
    startOnRadio();
    ASSERT_FALSE(window->isWindowModified());
    trigger("mnuwriteFre");
    waitForBlocks(3);
    list("Combo9")->setCurrentIndex(5);
    EXPECT_EQ(resultTicksUntilEnabled(), 10);
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(context->document.isModified());
}

// The caption names the file the data belong to now, whichever way they came
// to it, in either language; data that came from no file show the title.
TEST_F(GuiLinkTest, TheCaptionNamesTheCurrentFileAfterEveryWayTheDataCome) {
    startOnRadio();
    const auto file = [&](const char* name) {
        return QString::fromStdString((folder / name).string());
    };
    for (const char* name : {"b.DAT", "a.DAT"}) {
        fileNames = {file(name)};
        trigger("mnuAssave");
    }
    const QString named = QStringLiteral("PL63-");
    struct Step {
        const char* what;
        std::function<void()> act;
        QString caption;
    };
    const Step steps[] = {
        {"Read", [&] { trigger("mnureadFre"); resultTicksUntilEnabled(); },
         QStringLiteral("Varnel对讲机编程软件 V1.00")},
        {"Open", [&] { fileNames = {file("b.DAT")}; trigger("mnuOpen"); },
         named + file("b.DAT")},
        {"language switch", [&] { trigger("mnuEnglish"); }, named + file("b.DAT")},
        {"recent file", [&] { openRecent(2); }, named + file("a.DAT")},
        {"New", [&] { trigger("mnuNew"); }, QStringLiteral("Varnel Radio Software V1.00")},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(shownCaption(window.get()).toStdString(), step.caption.toStdString());
    }
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

TEST_F(GuiLinkTest, EscapeCancelsAReadThatThenChangesNothingAndTheNextReadWorks) {
    startOnRadio();
    codeplug().channels.setText(5, ColRxFrequency, "440.00000");
    applyNewChannelDefaults(codeplug().channels, 5, Language::Chinese);
    window->grid()->showChannels();
    trigger("mnuEnglish");
    EXPECT_TRUE(window->cancelButton()->isHidden());
    trigger("mnureadFre");
    EXPECT_TRUE(window->cancelButton()->isVisible());
    EXPECT_EQ(window->cancelButton()->text(), QStringLiteral("Cancel"));
    waitForBlocks(3);

    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(engine().LinkFinished());
    EXPECT_TRUE(commandsEnabled());
    EXPECT_TRUE(window->cancelButton()->isHidden());
    EXPECT_TRUE(window->progressBar()->isHidden());
    EXPECT_TRUE(window->statusLabel()->isVisible());
    EXPECT_EQ(window->statusLabel()->text().toStdString(),
              english(link::cancelledTransferText(false, engine().blocksDone(), 16)));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->grid()->item(4, ColRxFrequency)->text(), QStringLiteral("440.00000"));
    EXPECT_FALSE(codeplug().channels.inUse(1));
    EXPECT_TRUE(radioSawTheEndFrame());

    // Escape without a transfer is nobody's business; the port is ready.
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(messages.empty());
    trigger("mnureadFre");
    EXPECT_EQ(resultTicksUntilEnabled(), 10);
    EXPECT_EQ(window->grid()->item(0, ColRxFrequency)->text(), QStringLiteral("431.25000"));
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0].text.toStdString());
}

TEST_F(GuiLinkTest, CancelDuringAWriteSaysHowManyBlocksTheRadioHasAndThatItIsMixed) {
    startOnRadio();
    trigger("mnuwriteFre");
    waitForBlocks(5);
    QTest::mouseClick(window->cancelButton(), Qt::LeftButton);
    const int done = engine().blocksDone();
    EXPECT_GE(done, 5);
    EXPECT_LT(done, 29);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, i18n::StyleCritical);
    EXPECT_EQ(messages[0].text.toStdString(), link::stoppedTransferText(true, done, 29).zh);
    EXPECT_NE(messages[0].text.toStdString().find("（共 29 块）"), std::string::npos);
    EXPECT_EQ(window->statusLabel()->text().toStdString(),
              link::cancelledTransferText(true, done, 29).zh);
    EXPECT_TRUE(commandsEnabled());
    EXPECT_TRUE(radioSawTheEndFrame());

    fs::remove(saved());
    trigger("mnuwriteFre");
    EXPECT_EQ(resultTicksUntilEnabled(), 10);
    EXPECT_EQ(engine().blocksDone(), 29);
}

TEST_F(GuiLinkTest, AWriteThatTimesOutSaysHowFarItGot) {
    startOnRadio({"--stall-after", "5"});
    trigger("mnuEnglish");
    trigger("mnuwriteFre");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 8000));
    EXPECT_EQ(messages[0].style, i18n::StyleCritical);
    EXPECT_EQ(messages[0].text.toStdString(),
              link::linkText(link::LinkText::CommunicationError, Language::English) + "\n\n" +
                  "The write stopped after 5 of 29 blocks: the radio now holds a mix of old and "
                  "new settings. Write it again.");
    EXPECT_TRUE(commandsEnabled());
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(GuiLinkTest, ClosingDuringAWriteAsksAndStopsTheWriteOnlyOnYes) {
    startOnRadio();
    bool closed = false;
    QObject::connect(window.get(), &MainWindow::closed, [&] { closed = true; });
    trigger("mnuwriteFre");
    waitForBlocks(3);

    answers = {i18n::IdNo};
    trigger("mnuQuit");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, i18n::StyleYesNoQuestion);
    EXPECT_NE(messages[0].text.indexOf(QStringLiteral("写频")), -1);
    EXPECT_FALSE(closed);
    EXPECT_FALSE(engine().LinkFinished());
    EXPECT_TRUE(window->isVisible());

    answers = {i18n::IdYes};
    trigger("mnuQuit");
    EXPECT_TRUE(closed);
    EXPECT_TRUE(engine().LinkFinished());
    ASSERT_EQ(messages.size(), 3u);  // the question, then what the stop left behind
    EXPECT_EQ(messages[2].text.toStdString(),
              link::stoppedTransferText(true, engine().blocksDone(), 29).zh);
    EXPECT_TRUE(radioSawTheEndFrame());
}

// The user answers "keep it running" only after the write has ended: the
// question had been withdrawn by then, and the close goes on as if no
// transfer had been running.
TEST_F(GuiLinkTest, AWriteThatEndsWhileTheCloseQuestionIsOpenTakesTheQuestionWithIt) {
    startOnRadio();
    bool closed = false;
    QObject::connect(window.get(), &MainWindow::closed, [&] { closed = true; });
    trigger("mnuwriteFre");
    waitForBlocks(3);

    i18n::setMsgBoxAnswerer([&](const i18n::MsgBoxRequest& request) {
        messages.push_back(request);
        if (request.style == i18n::StyleYesNoQuestion) {
            EXPECT_TRUE(QTest::qWaitFor([&] { return engine().LinkFinished(); }, 20000));
        }
        return int(i18n::IdNo);
    });
    trigger("mnuQuit");
    EXPECT_TRUE(closed);
    ASSERT_EQ(messages.size(), 1u);  // the question only: nothing was stopped
    EXPECT_EQ(messages[0].style, i18n::StyleYesNoQuestion);
    EXPECT_EQ(engine().blocksDone(), 29);
    EXPECT_EQ(window->statusLabel()->text().toStdString(),
              link::linkText(link::LinkText::WriteSucceeded, Language::Chinese));
    EXPECT_TRUE(questions.empty());  // the written data are not unsaved
    EXPECT_TRUE(radioSawTheEndFrame());
}

TEST_F(GuiLinkTest, ClosingWithoutATransferAsksNothing) {
    startOnRadio();
    bool closed = false;
    QObject::connect(window.get(), &MainWindow::closed, [&] { closed = true; });
    trigger("mnuQuit");
    EXPECT_TRUE(closed);
    EXPECT_TRUE(messages.empty());
}

TEST_F(GuiLinkTest, FileShortcutsAreOffWhileATransferRuns) {
    startOnRadio();
    trigger("mnureadFre");
    for (const Qt::Key key : {Qt::Key_N, Qt::Key_O, Qt::Key_S}) {
        QTest::keyClick(window.get(), key, Qt::ControlModifier);
    }
    EXPECT_EQ(dialogsShown, 0);
    EXPECT_TRUE(messages.empty());  // New would have asked about the band
    EXPECT_FALSE(window->menuAction("mnuOpen")->isEnabled());
    EXPECT_EQ(resultTicksUntilEnabled(), 10);
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogsShown, 1);
}

// A click on the port in use would reopen it under the running read.
TEST_F(GuiLinkTest, ThePortCannotBeChosenWhileATransferRuns) {
    startOnRadio();
    trigger("mnucom");
    auto* ports = window->findChild<QWidget*>("FormCOM");
    ASSERT_NE(ports, nullptr);
    ASSERT_TRUE(ports->isVisible());
    QRadioButton* com1 = ports->findChildren<QRadioButton*>("OptionCOM").at(0);
    ASSERT_TRUE(com1->isChecked());

    trigger("mnureadFre");
    waitForBlocks(3);
    EXPECT_FALSE(window->menuAction("mnucom")->isEnabled());
    QTest::mouseClick(com1, Qt::LeftButton);
    EXPECT_EQ(resultTicksUntilEnabled(), 10);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->grid()->item(0, ColRxFrequency)->text(), QStringLiteral("431.25000"));
    EXPECT_TRUE(window->menuAction("mnucom")->isEnabled());
    EXPECT_TRUE(com1->isEnabled());
}

TEST_F(GuiLinkTest, APortThatFailedIsOpenedAgainAtTheNextRead) {
    startOnRadio();
    window->link().closePort();  // as after a read error on the line
    trigger("mnureadFre");
    EXPECT_EQ(resultTicksUntilEnabled(), 10);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->grid()->item(0, ColRxFrequency)->text(), QStringLiteral("431.25000"));
}

TEST_F(GuiLinkTest, APortThatCannotBeOpenedAgainIsNamedWithTheReason) {
    startOnRadio();
    const std::string device = radio->device();
    trigger("mnuEnglish");
    // The cable is pulled: the device goes, and the port's error handler
    // closes the port.
    radio.reset();
    window->link().closePort();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !fs::exists(device); }, 3000));
    trigger("mnuwriteFre");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, i18n::StyleInformation);
    const std::string text = messages[0].text.toStdString();
    const std::string portMessage = link::linkText(link::LinkText::PortNotOpen, Language::English);
    EXPECT_EQ(text.substr(0, portMessage.size()), portMessage);
    EXPECT_NE(text.find("\nCOM1 (" + device + "): not present"), std::string::npos) << text;
    EXPECT_TRUE(commandsEnabled());
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
