// Undo and redo from the Edit menu and its keys: every kind of change the
// user makes comes back exactly, every window shows the data afterwards, and
// the items name their step in the language in force.
#include <QPushButton>

#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

class UndoRedoTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        withOptionWindows = true;
        start();
    }
    void clickCell(int row, int col) {
        ChannelGridView* grid = window->grid();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(row - 1, col)).center());
    }
    void typeRx(int row, const QString& typed) {
        clickCell(row, ColRxFrequency);
        QLineEdit* editor = window->grid()->frequencyEditor();
        ASSERT_TRUE(editor->isVisible());
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, typed);
        QTest::keyClick(editor, Qt::Key_Return);
    }
    void undoKey() { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); }
    void redoKey() { QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier); }
    void redoShiftKey() {
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }
    QString undoText() { return shownMenuText(window->menuAction("mnuUndo")); }
    QString redoText() { return shownMenuText(window->menuAction("mnuRedo")); }
    std::string cell(int row, int col) { return codeplug().channels.text(row, col); }
    QString shown(int row, int col) { return window->grid()->item(row - 1, col)->text(); }
    std::vector<std::uint8_t> image() { return EncodeImage(codeplug(), Language::Chinese).bytes(); }
};

TEST_F(UndoRedoTest, StartUpAndWindowsOpenedAndClosedWithoutAChangeAreNoStep) {
    context->windows.runDeferred();  // the option windows, made after the first paint
    const std::pair<const char*, const char*> items[] = {{"mnudtmf", "Form5"},
                                                          {"Key_enactment", "Form6"},
                                                          {"mnusetin", "Form7"},
                                                          {"mnudebug", "Form2"},
                                                          {"mnutestfre", "Form4"}};
    for (const auto& [item, name] : items) {
        trigger(item);
        QWidget* shown = context->windows.existing(QString::fromLatin1(name));
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->isVisible()) << name;
        // OK without a change records nothing.
        if (auto* ok = shown->findChild<QPushButton*>(QStringLiteral("Command1")))
            QTest::mouseClick(ok, Qt::LeftButton);
        shown->hide();
    }
    window->switchLanguage(1);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(window->menuAction("mnuUndo")->isEnabled());
    EXPECT_FALSE(window->menuAction("mnuRedo")->isEnabled());
}

TEST_F(UndoRedoTest, AGridEditIsUndoneAndRedoneByItsKeysAndNamed) {
    const auto before = image();
    EXPECT_FALSE(window->menuAction("mnuUndo")->isEnabled());
    typeRx(4, QStringLiteral("431.125"));
    EXPECT_EQ(undoText(), QStringLiteral("撤销(U)：信道 4 接收频率"));
    window->switchLanguage(1);
    EXPECT_EQ(undoText(), QStringLiteral("Undo: channel 4 RX frequency"));

    undoKey();
    EXPECT_EQ(cell(4, ColRxFrequency), "");
    EXPECT_EQ(shown(4, ColRxFrequency), QString());
    EXPECT_EQ(image(), before);
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_EQ(redoText(), QStringLiteral("Redo: channel 4 RX frequency"));

    redoKey();
    EXPECT_EQ(shown(4, ColRxFrequency), QStringLiteral("431.12500"));
    EXPECT_EQ(shown(4, ColRxTone), QStringLiteral("Off"));
    EXPECT_TRUE(window->isWindowModified());
    undoKey();
    redoShiftKey();
    EXPECT_EQ(cell(4, ColRxFrequency), "431.12500");
}

TEST_F(UndoRedoTest, ADeletedChannelComesBackWholeWithItsLists) {
    typeRx(2, QStringLiteral("432"));
    clickCell(2, ColPower);
    QComboBox* power = window->grid()->listEditor(ColPower);
    ASSERT_TRUE(power->isVisible());
    QTest::keyClick(power->view(), Qt::Key_Down);
    QTest::keyClick(power->view(), Qt::Key_Return);
    const std::int16_t chosen = codeplug().channels.choices().at(2, ColPower);
    const auto withChannel = image();

    typeRx(2, QString());  // an emptied RX frequency deletes the channel
    ASSERT_EQ(cell(2, ColPower), "");
    EXPECT_EQ(undoText(), QStringLiteral("撤销(U)：信道 2 接收频率"));
    undoKey();
    EXPECT_EQ(image(), withChannel);
    EXPECT_EQ(codeplug().channels.choices().at(2, ColPower), chosen);
    EXPECT_EQ(shown(2, ColPower), QString::fromStdString(cell(2, ColPower)));
}

TEST_F(UndoRedoTest, ABandChangeIsOneStepWithTheChannelsItClearedAndUndoAsksNothing) {
    typeRx(1, QStringLiteral("470"));
    const auto before = image();
    answers = {i18n::IdOk};
    list("Combo1")->setCurrentIndex(5);
    ASSERT_EQ(cell(1, ColRxFrequency), "");
    EXPECT_EQ(undoText(), QStringLiteral("撤销(U)：频段"));
    messages.clear();

    undoKey();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(image(), before);
    EXPECT_EQ(list("Combo1")->currentIndex(), 0);
    EXPECT_EQ(window->typeSelection()->BandHighMHz(), 480);
    EXPECT_EQ(shown(1, ColRxFrequency), QStringLiteral("470.00000"));
    // The band the channels were entered for is back: choosing another asks.
    answers = {i18n::IdCancel};
    list("Combo1")->setCurrentIndex(2);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(UndoRedoTest, FunctionSetAndOptionWindowOkAreStepsAndTheWindowsShowTheUndoneData) {
    QComboBox* squelch = list("Combo9");
    squelch->setFocus();
    QTest::keyClick(squelch, Qt::Key_Down);
    EXPECT_EQ(codeplug().functions.squelchGrade, 5);
    EXPECT_EQ(undoText(), QStringLiteral("撤销(U)：静噪等级"));

    trigger("Key_enactment");
    QWidget* form6 = context->windows.existing(QStringLiteral("Form6"));
    ASSERT_NE(form6, nullptr);
    auto* pf1 = form6->findChild<QComboBox*>(QStringLiteral("Combo1"));
    pf1->setCurrentIndex(3);
    QTest::mouseClick(form6->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    EXPECT_EQ(codeplug().Pf1Key, 3);
    EXPECT_EQ(undoText(), QStringLiteral("撤销(U)：键设定"));

    undoKey();
    EXPECT_EQ(codeplug().Pf1Key, 10);
    EXPECT_EQ(pf1->currentIndex(), 10);
    undoKey();
    EXPECT_EQ(codeplug().functions.squelchGrade, 4);
    EXPECT_EQ(squelch->currentIndex(), 4);
    EXPECT_FALSE(window->isWindowModified());
    redoKey();
    redoKey();
    EXPECT_EQ(pf1->currentIndex(), 3);
    EXPECT_EQ(squelch->currentIndex(), 5);
}

TEST_F(UndoRedoTest, OpenAndNewAreUndoneWithoutTouchingTheFile) {
    Codeplug other;
    other.channels.setText(7, ColRxFrequency, "455.00000");
    other.TxLowPowerTune = 33;
    const std::string file = (folder / "other.DAT").string();
    ASSERT_TRUE(writeDatFile(file, EncodeImage(other, Language::Chinese)).ok());
    const std::string fileBytes = [&] {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();

    typeRx(3, QStringLiteral("433"));
    const auto edited = image();
    fileNames = {QString::fromStdString(file)};
    questionAnswers = {i18n::IdDiscard};
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(cell(7, ColRxFrequency), "455.00000");
    EXPECT_EQ(undoText(), QStringLiteral("撤销(U)：打开文件"));
    answers = {i18n::IdOk};
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_EQ(cell(7, ColRxFrequency), "");

    EXPECT_EQ(context->document.filePath(), QString());
    undoKey();
    EXPECT_EQ(cell(7, ColRxFrequency), "455.00000");
    EXPECT_EQ(codeplug().TxLowPowerTune, 33);
    EXPECT_EQ(context->document.filePath(), QString::fromStdString(file));
    undoKey();
    EXPECT_EQ(image(), edited);
    EXPECT_EQ(context->document.filePath(), QString());  // the question says "untitled" again
    EXPECT_EQ(shown(3, ColRxFrequency), QStringLiteral("433.00000"));
    std::ifstream in(file, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), fileBytes);
}

TEST_F(UndoRedoTest, ALanguageSwitchIsNoStepAndStepsUndoneLaterReadInTheNewLanguage) {
    typeRx(1, QStringLiteral("430"));
    typeRx(2, QStringLiteral("431"));
    undoKey();
    window->switchLanguage(1);
    EXPECT_EQ(undoText(), QStringLiteral("Undo: channel 1 RX frequency"));
    EXPECT_TRUE(window->isWindowModified());
    redoKey();
    EXPECT_EQ(cell(2, ColRxTone), "Off");
    undoKey();
    undoKey();
    EXPECT_FALSE(window->isWindowModified());
    EXPECT_FALSE(window->menuAction("mnuUndo")->isEnabled());
    EXPECT_EQ(undoText(), QStringLiteral("Undo(U)"));
}

// With a step to undo or redo, the items keep their accelerators: Alt+E
// then U undoes, then R redoes, in either language.
TEST_F(UndoRedoTest, TheNamedItemsKeepTheirAcceleratorKeys) {
    for (int flag : {0, 1}) {
        window->switchLanguage(static_cast<std::int16_t>(flag));
        typeRx(3, flag == 0 ? QStringLiteral("433") : QStringLiteral("434"));
        const std::string typed = cell(3, ColRxFrequency);
        for (Qt::Key item : {Qt::Key_U, Qt::Key_R}) {
            QTest::keyClick(window.get(), Qt::Key_E, Qt::AltModifier);
            QWidget* menu = QApplication::activePopupWidget();
            ASSERT_NE(menu, nullptr) << "Alt+E opened no menu";
            QTest::keyClick(menu, item);
            QApplication::processEvents();
            EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
            EXPECT_EQ(cell(3, ColRxFrequency), item == Qt::Key_U ? std::string() : typed)
                << "language " << flag;
            // The offscreen platform leaves the closed menu the active
            // window; a desktop gives the main window back.
            QApplication::setActiveWindow(window.get());
        }
        typeRx(3, QString());
    }
}

// The password typed and taken back in its own field, by Backspace or by the
// field's Ctrl+Z, is no step: the Edit menu's Undo then takes back the step
// before it, not nothing.
TEST_F(UndoRedoTest, APasswordTypedAndTakenBackInItsFieldIsNoStep) {
    typeRx(1, QStringLiteral("430"));
    auto* password = window->findChild<QLineEdit*>("Text2");
    ASSERT_NE(password, nullptr);
    password->setFocus();
    QTest::keyClicks(password, QStringLiteral("12"));
    EXPECT_EQ(codeplug().CommPassword, "12");
    QTest::keyClick(password, Qt::Key_Backspace);
    QTest::keyClick(password, Qt::Key_Backspace);
    EXPECT_EQ(undoText(), QStringLiteral("撤销(U)：信道 1 接收频率"));
    QTest::keyClicks(password, QStringLiteral("9"));
    QTest::keyClick(password, Qt::Key_Z, Qt::ControlModifier);  // the field's own undo
    EXPECT_EQ(password->text(), QString());
    EXPECT_EQ(undoText(), QStringLiteral("撤销(U)：信道 1 接收频率"));
    trigger("mnuUndo");
    EXPECT_EQ(cell(1, ColRxFrequency), "");
}

}  // namespace
}  // namespace pl63::ui::test
