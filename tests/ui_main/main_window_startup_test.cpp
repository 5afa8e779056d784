// Form1's start-up from the parameter file (and the language hint), Lock, and
// the file written back however the window closes.
#include "ui_main/main_window_fixture.h"

#include <fcntl.h>
#include <stdlib.h>

#include <QLineEdit>
#include <QScreen>
#include <QWindow>

#include "ui/main/port_window.h"

namespace pl63::ui::test {
namespace {

// The panels and the grid that take input, by name: "Frame1 Frame2 Grid1"
// when the editor is unlocked.
std::string usable(const MainWindow& window) {
    std::string names;
    for (const char* name : {"Frame1", "Frame2", "Grid1"}) {
        if (!window.findChild<QWidget*>(name)->isEnabled()) continue;
        names += names.empty() ? name : std::string(" ") + name;
    }
    return names;
}

TEST_F(MainWindowTest, MissingParameterFileStartsUnlockedInChineseWithTheStartValues) {
    start();
    EXPECT_TRUE(fs::exists(folder / "parameter"));
    EXPECT_FALSE(window->isLocked());
    EXPECT_EQ(usable(*window), "Frame1 Frame2 Grid1");
    EXPECT_EQ(context->state.LanguageFlag, 0);
    EXPECT_EQ(shownCaption(window.get()), QStringLiteral("Varnel对讲机编程软件 V1.00"));

    // Function Set start values, shown in Chinese.
    const std::pair<const char*, int> selections[] = {
        {"Combo3", 11}, {"Combo4", 0},  {"Combo9", 4},  {"Combo2", 1},
        {"Combo6", 1},  {"Combo7", 1},  {"Combo11", 0}, {"Combo13", 0},
        {"Combo12", 0}, {"Combo10", 0}, {"Combo1", 0}};
    for (const auto& [name, position] : selections) {
        EXPECT_EQ(list(name)->currentIndex(), position) << name;
    }
    EXPECT_EQ(list("Combo3")->count(), 40);
    EXPECT_EQ(list("Combo3")->currentText(), QStringLiteral("180 秒"));
    EXPECT_EQ(list("Combo3")->itemText(39), QStringLiteral("600 秒"));
    EXPECT_EQ(list("Combo9")->currentText(), QStringLiteral("4 级"));
    EXPECT_EQ(window->typeSelection()->BandLowMHz(), 400);
    EXPECT_EQ(window->typeSelection()->BandHighMHz(), 480);
    EXPECT_EQ(codeplug().Pf1Key, 10);
    EXPECT_FALSE(context->state.DebugUnlocked);
    EXPECT_EQ(context->codeplug.channels.text(16, ColNumber), "16");
    EXPECT_EQ(window->grid()->item(15, ColNumber)->text(), QStringLiteral("16"));

    EXPECT_TRUE(window->progressBar()->isHidden());
    EXPECT_TRUE(window->statusLabel()->isHidden());
    EXPECT_FALSE(window->toolButton("TAnMa")->isVisible());
    EXPECT_FALSE(window->toolButton("Login")->isVisible());
    EXPECT_TRUE(messages.empty());

    window->close();
    EXPECT_EQ(parameterBytes(), std::string("\0\0\0", 3));
}

TEST_F(MainWindowTest, LockedStartKeepsFunctionSetUsableAndLockTwiceDisablesAllThree) {
    writeParameter(std::string("\x01\x05\x01", 3));
    start();
    EXPECT_TRUE(window->isLocked());
    EXPECT_EQ(usable(*window), "Frame2");
    EXPECT_EQ(context->state.SavedPort, 5);
    EXPECT_EQ(context->state.LanguageFlag, 1);

    trigger("mnulock");  // unlocks
    EXPECT_FALSE(window->isLocked());
    EXPECT_EQ(usable(*window), "Frame1 Frame2 Grid1");
    trigger("mnulock");  // locks everything
    EXPECT_TRUE(window->isLocked());
    EXPECT_EQ(usable(*window), "");
    // Menus and the toolbar stay usable.
    EXPECT_TRUE(window->toolbar()->isEnabled());
    EXPECT_TRUE(window->menu("mnupro")->isEnabled());

    trigger("mnuQuit");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(parameterBytes(), std::string("\x01\x05\x01", 3));
}

TEST_F(MainWindowTest, AFirstByteOtherThanOneStartsUnlockedAndIsWrittenBackAsZero) {
    writeParameter(std::string("\x02\x03\x00", 3));
    start();
    EXPECT_FALSE(window->isLocked());
    EXPECT_EQ(usable(*window), "Frame1 Frame2 Grid1");
    window->close();
    EXPECT_EQ(parameterBytes(), std::string("\x00\x03\x00", 3));
}

TEST_F(MainWindowTest, LanguageByteOneStartsInEnglishUnlessTheHintSaysOtherwise) {
    writeParameter(std::string("\x00\x00\x01", 3));
    start();
    EXPECT_EQ(context->state.LanguageFlag, 1);
    EXPECT_EQ(shownCaption(window.get()), QStringLiteral("Varnel Radio Software V1.00"));
    EXPECT_EQ(list("Combo3")->currentText(), QStringLiteral("180 S"));
    EXPECT_EQ(list("Combo9")->currentText(), QStringLiteral("4 Group"));
    EXPECT_EQ(window->menu("mnuFile")->title(), QStringLiteral("File(&F)"));
    window.reset();

    start(std::int16_t{0});  // a hint other than "english"
    EXPECT_EQ(context->state.LanguageFlag, 0);
    EXPECT_EQ(window->menu("mnuFile")->title(), QStringLiteral("文件(&F)"));
    window->close();
    EXPECT_EQ(parameterBytes(), std::string("\x00\x00\x00", 3));

    start(std::int16_t{1});
    EXPECT_EQ(context->state.LanguageFlag, 1);
}

TEST_F(MainWindowTest, LanguageByteTwoKeepsDesignTextsAndNeitherLanguageItemActs) {
    writeParameter(std::string("\x00\x00\x02", 3));
    start();
    EXPECT_EQ(context->state.LanguageFlag, 2);
    // Design texts: the Time-out list as start-up fills it, Chinese captions.
    EXPECT_EQ(list("Combo3")->currentText(), QStringLiteral("180 S"));
    EXPECT_EQ(window->menu("mnuFile")->title(), QStringLiteral("文件(&F)"));
    trigger("mnuEnglish");
    trigger("mnuChinese");
    EXPECT_EQ(context->state.LanguageFlag, 2);
    EXPECT_EQ(list("Combo3")->currentText(), QStringLiteral("180 S"));
    window->close();
    EXPECT_EQ(parameterBytes(), std::string("\x00\x00\x02", 3));
}

TEST_F(MainWindowTest, TheWindowFrameCloseWritesTheLanguageChosenDuringTheRun) {
    writeParameter(std::string("\x00\x07\x00", 3));
    start();
    trigger("mnulock");
    trigger("mnuEnglish");
    // As the window manager's close box does.
    QCloseEvent close;
    QApplication::sendEvent(window.get(), &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_EQ(parameterBytes(), std::string("\x01\x07\x01", 3));
}

// A program that is killed keeps what was chosen before: the file is whole
// from the start and rewritten the moment a setting changes.
TEST_F(MainWindowTest, EverySettingIsInTheParameterFileTheMomentItChanges) {
    int adapters[2];
    for (int& master : adapters) {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(master, 0);
        ASSERT_EQ(::grantpt(master), 0);
        ASSERT_EQ(::unlockpt(master), 0);
    }
    mapPort(4, ::ptsname(adapters[0]));
    mapPort(6, ::ptsname(adapters[1]));
    start();
    EXPECT_EQ(parameterBytes(), std::string("\0\0\0", 3));

    // Start-up opened the first port it found, COM4, and keeps it.
    trigger("mnuEnglish");
    EXPECT_EQ(parameterBytes(), std::string("\0\4\1", 3));
    trigger("mnulock");
    EXPECT_EQ(parameterBytes(), std::string("\1\4\1", 3));
    auto* ports = context->windows.window<PortWindow>(*context, "FormCOM");
    ASSERT_NE(ports, nullptr);
    ports->show();
    QTest::mouseClick(ports->option(5), Qt::LeftButton);
    EXPECT_EQ(parameterBytes(), std::string("\1\6\1", 3));

    window.reset();
    for (int master : adapters) ::close(master);
}

// Every secondary window is a dialog of the main window, so the window
// manager keeps it above its owner (WM_TRANSIENT_FOR is set for dialogs only),
// and it opens centred over the main window, wholly on screen.
TEST_F(MainWindowTest, SecondaryWindowsAreDialogsCentredOverTheMainWindowAndWhollyOnScreen) {
    withOptionWindows = true;
    start();
    const QRect screen = window->screen()->availableGeometry();
    const std::pair<const char*, const char*> items[] = {
        {"mnucom", "FormCOM"}, {"mnuabout", "frmAbout"}, {"mnudtmf", "Form5"},
        {"mnudebug", "Form2"}, {"mnutestfre", "Form4"},  {"mnuPass", "FormUsePass"}};
    // Over the middle of the screen, then with the main window near a corner.
    for (const QPoint at : {QPoint(screen.center().x() - window->width() / 2, screen.top()),
                            QPoint(screen.right() - window->width() / 3, screen.bottom() - 80)}) {
        window->move(at);
        for (const auto& [item, name] : items) {
            SCOPED_TRACE(name);
            trigger(item);
            QWidget* shown = context->windows.existing(name);
            ASSERT_NE(shown, nullptr);
            ASSERT_TRUE(shown->isVisible());
            EXPECT_EQ(shown->windowType(), Qt::Dialog);
            EXPECT_EQ(shown->parentWidget(), window.get());
            ASSERT_NE(shown->windowHandle(), nullptr);
            EXPECT_EQ(shown->windowHandle()->transientParent(), window->windowHandle());
            const QRect frame = shown->frameGeometry();
            EXPECT_TRUE(screen.contains(frame)) << frame.x() << "," << frame.y();
            const QRect over = window->frameGeometry() & screen;
            if (over.width() >= frame.width() && over.height() >= frame.height() &&
                over == window->frameGeometry()) {
                EXPECT_LE((frame.center() - over.center()).manhattanLength(), 2);
            }
            shown->hide();
        }
    }
}

TEST_F(MainWindowTest, StartUpCreatesTheOptionWindowsHiddenInTheChosenLanguage) {
    withOptionWindows = true;
    writeParameter(std::string("\x00\x00\x01", 3));
    start();
    for (const char* name : {"Form2", "Form4", "Form5", "Form6", "Form7", "FormUsePass"}) {
        QWidget* made = context->windows.existing(name);
        ASSERT_NE(made, nullptr) << name;
        EXPECT_FALSE(made->isVisible()) << name;
    }
    EXPECT_EQ(context->windows.existing("Form5")->windowTitle(),
              QStringLiteral("Optional Function"));
    trigger("mnudtmf");
    EXPECT_TRUE(context->windows.existing("Form5")->isVisible());
    window->close();
    EXPECT_FALSE(context->windows.existing("Form5")->isVisible());
}

// Records, when the first key reaches a widget, whether start-up work was
// still waiting then.
struct FirstKeyWitness : QObject {
    WindowRegistry& windows;
    std::optional<bool> workWaitingAtFirstKey;
    explicit FirstKeyWitness(WindowRegistry& registry) : windows(registry) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && !workWaitingAtFirstKey)
            workWaitingAtFirstKey = windows.hasDeferred();
        return false;
    }
};

TEST_F(MainWindowTest, OptionWindowsFollowTheFirstPaintUnlessAKeyOrALookupComesFirst) {
    withOptionWindows = true;
    writeParameter(std::string("\x00\x00\x01", 3));

    // Shown: made once the window has been painted, with no one asking.
    start();
    QTRY_VERIFY(!context->windows.hasDeferred());
    EXPECT_EQ(context->windows.existing("Form5")->windowTitle(),
              QStringLiteral("Optional Function"));

    // Not yet painted: the first key press has them made before it arrives,
    // so they show the stores as start-up left them, not as the key leaves them.
    construct();
    ASSERT_TRUE(context->windows.hasDeferred());
    auto* password = window->findChild<QLineEdit*>("Text2");
    ASSERT_NE(password, nullptr);
    FirstKeyWitness witness(context->windows);
    password->installEventFilter(&witness);
    QTest::keyClick(password, Qt::Key_7);
    ASSERT_TRUE(witness.workWaitingAtFirstKey.has_value());
    EXPECT_FALSE(*witness.workWaitingAtFirstKey);
    password->removeEventFilter(&witness);

    // Not yet painted: looking one up makes them all, in their order, captioned.
    construct();
    ASSERT_TRUE(context->windows.hasDeferred());
    QWidget* form5 = context->windows.window(*context, "Form5");
    ASSERT_NE(form5, nullptr);
    EXPECT_FALSE(context->windows.hasDeferred());
    EXPECT_EQ(form5->windowTitle(), QStringLiteral("Optional Function"));
    EXPECT_EQ(context->windows.existing("Form2")->objectName(), QStringLiteral("Form2"));

    // Closed before its first paint: nothing is made on the way out.
    construct();
    window->close();
    EXPECT_FALSE(context->windows.hasDeferred());
    EXPECT_EQ(context->windows.existing("Form5"), nullptr);
}

}  // namespace
}  // namespace pl63::ui::test
