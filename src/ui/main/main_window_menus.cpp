// Form1's menu bar and Toolbar1: built in the order the user sees them, with
// the design (Chinese) texts of the caption catalogue, which ApplyCaptions
// rewrites.
#include <QDir>
#include <QMenuBar>
#include <QShortcut>

#include "i18n/qt/captions.h"
#include "ui/app_context.h"
#include "ui/main/channel_list_commands.h"
#include "ui/main/gui_link.h"
#include "ui/main/main_window.h"
#include "ui/main/toolbar_icons.h"

namespace pl63::ui {
namespace {

QString designText(const char* name) {
    return i18n::designText("Form1", name);
}

QMenu* addMenu(QMenuBar* bar, const char* name) {
    QMenu* menu = bar->addMenu(designText(name));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, QKeySequence shortcut = QKeySequence()) {
    QAction* action = menu->addAction(designText(name));
    action->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    return action;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

}  // namespace

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MenuBar1"));
    FileCommands* files = files_.get();
    link::LinkEngine* engine = &link_->engine();
    CodeplugDocument* document = &context_.document;

    QMenu* file = addMenu(bar, "mnuFile");
    connect(addItem(file, "mnuNew", QKeySequence::New), &QAction::triggered, this,
            [files] { files->newCodeplug(); });
    connect(addItem(file, "mnuOpen", QKeySequence::Open), &QAction::triggered, this,
            [files] { files->open(); });
    connect(addItem(file, "mnuAssave", QKeySequence::Save), &QAction::triggered, this,
            [files] { files->save(); });
    addSeparator(file, "mnuline2");
    ChannelListCommands* lists = channelLists_.get();
    connect(addItem(file, "mnuImport"), &QAction::triggered, this,
            [lists] { lists->importChannels(); });
    QMenu* exportMenu = file->addMenu(designText("mnuExport"));
    exportMenu->setObjectName(QStringLiteral("mnuExport"));
    exportMenu->menuAction()->setObjectName(QStringLiteral("mnuExportAction"));
    connect(addItem(exportMenu, "mnuExportChirp"), &QAction::triggered, this,
            [lists] { lists->exportChannels(ChannelListCommands::Layout::Chirp); });
    connect(addItem(exportMenu, "mnuExportPl63"), &QAction::triggered, this,
            [lists] { lists->exportChannels(ChannelListCommands::Layout::Pl63); });
    connect(addItem(file, "mnuCompare"), &QAction::triggered, this,
            [lists] { lists->compareWithFile(); });
    addSeparator(file, "mnuline3");
    connect(addItem(file, "mnuPrint", QKeySequence::Print), &QAction::triggered, this,
            [lists] { lists->print(); });
    connect(addItem(file, "mnuExportPdf"), &QAction::triggered, this,
            [lists] { lists->exportPdf(); });
    // The files last opened or saved come between Save and Quit.
    recentSeparator_ = file->addSeparator();
    recentSeparator_->setObjectName(QStringLiteral("mnurecentline"));
    addSeparator(file, "mnuline");
    connect(addItem(file, "mnuQuit"), &QAction::triggered, this, &QWidget::close);

    QMenu* edit = addMenu(bar, "mnuEdit");
    undo_ = addItem(edit, "mnuUndo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = addItem(edit, "mnuRedo");
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y),
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QAction::triggered, this, [document] {
        document->commitPendingEdits();
        document->undo();
    });
    connect(redo_, &QAction::triggered, this, [document] {
        document->commitPendingEdits();
        document->redo();
    });

    QMenu* programming = addMenu(bar, "mnupro");
    connect(addItem(programming, "mnureadFre"), &QAction::triggered, this, &MainWindow::startRead);
    connect(addItem(programming, "mnuwriteFre"), &QAction::triggered, this,
            [engine] { engine->startWrite(); });
    addSeparator(programming, "mnuline1");
    const std::pair<const char*, const char*> optionItems[] = {
        {"mnudtmf", "Form5"},  {"Key_enactment", "Form6"}, {"mnusetin", "Form7"},
        {"mnudebug", "Form2"}, {"mnutestfre", "Form4"},
    };
    for (const auto& [item, window] : optionItems) {
        // Clang before 16 cannot capture a structured binding.
        const char* const name = window;
        connect(addItem(programming, item), &QAction::triggered, this,
                [this, name] { showWindow(name); });
    }

    QMenu* setup = addMenu(bar, "mnuset");
    QAction* lock = addItem(setup, "mnulock");
    lock->setCheckable(true);
    connect(lock, &QAction::triggered, this, &MainWindow::setLocked);
    connect(addItem(setup, "mnuPass"), &QAction::triggered, this,
            [this] { showWindow("FormUsePass"); });
    connect(addItem(setup, "mnucom"), &QAction::triggered, this, [this] { showWindow("FormCOM"); });

    QMenu* languages = addMenu(bar, "mnuLanguage");
    connect(addItem(languages, "mnuChinese"), &QAction::triggered, this,
            [this] { switchLanguage(0); });
    connect(addItem(languages, "mnuEnglish"), &QAction::triggered, this,
            [this] { switchLanguage(1); });

    QMenu* help = addMenu(bar, "mnuhelp");
    // The item's own text already names F1, so the key is not listed again
    // beside it.
    connect(addItem(help, "mnumainhelp"), &QAction::triggered, this, &MainWindow::openHelp);
    auto* helpKey = new QShortcut(QKeySequence::HelpContents, this);
    connect(helpKey, &QShortcut::activated, this, &MainWindow::openHelp);
    connect(addItem(help, "mnuabout"), &QAction::triggered, this,
            [this] { showWindow("frmAbout"); });
}

void MainWindow::buildToolbar() {
    toolbar_ = addToolBar(QStringLiteral("Toolbar1"));
    toolbar_->setObjectName(QStringLiteral("Toolbar1"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setContextMenuPolicy(Qt::PreventContextMenu);
    toolbar_->setIconSize(QSize(32, 32));

    // Button numbers count from 1, the separator included; the tooltips are
    // the catalogue's "Toolbar1" rows.
    const std::pair<const char*, bool> buttons[] = {
        {"new", true},  {"open", true},  {"save", true},   {nullptr, false},
        {"read", true}, {"write", true}, {"TAnMa", false}, {"Login", false},
    };
    int number = 0;
    for (const auto& [key, tip] : buttons) {
        ++number;
        if (!key) {
            toolbar_->addSeparator();
            continue;
        }
        const QString name = QString::fromLatin1(key);
        // A button without tooltip has no text either: Qt shows the text
        // as the tooltip of an action that has none.
        QAction* action = toolbar_->addAction(toolbarIcon(name), tip ? name : QString());
        action->setObjectName(name);
        action->setData(name);
        if (tip) action->setToolTip(i18n::designText("Form1", "Toolbar1", number));
        connect(action, &QAction::triggered, this, [this, name] { toolbarKey(name); });
        toolButtons_[name] = action;
    }
    // The two hidden modes show their exit buttons while they are on.
    toolButtons_[QStringLiteral("TAnMa")]->setVisible(false);
    toolButtons_[QStringLiteral("Login")]->setVisible(false);
}

void MainWindow::toolbarKey(const QString& key) {
    ProgramState& state = context_.state;
    const double now = context_.clock().secondsSinceMidnight();
    if (key == QLatin1String("new")) {
        files_->newCodeplug();
    } else if (key == QLatin1String("open")) {
        files_->open();
    } else if (key == QLatin1String("save")) {
        files_->save();
    } else if (key == QLatin1String("read")) {
        startRead();
    } else if (key == QLatin1String("write")) {
        link_->engine().startWrite();
    } else if (key == QLatin1String("TAnMa")) {
        if (!state.tuneExit.click(now)) return;
        state.tuneGesture.clear();
        state.DebugUnlocked = false;
        state.setTuneMode(false);
    } else if (key == QLatin1String("Login")) {
        if (!state.loginExit.click(now)) return;
        state.loginGesture.clear();
        state.setLoginMode(false);
    }
}

void MainWindow::showRecentFiles() {
    QMenu* file = menu("mnuFile");
    for (QAction* item : recentItems_) {
        file->removeAction(item);
        item->deleteLater();
    }
    recentItems_.clear();
    const QStringList files = files_->recentFiles();
    recentSeparator_->setVisible(!files.isEmpty());
    QAction* before = menuAction("mnuline");
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        QString shown = QDir::toNativeSeparators(path);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), file);
        item->setObjectName(QStringLiteral("mnurecent%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, path] { files_->openFile(path); });
        item->setEnabled(menuAction("mnuOpen")->isEnabled());
        file->insertAction(before, item);
        recentItems_ << item;
    }
}

QMenu* MainWindow::menu(const char* objectName) const {
    return menuBar()->findChild<QMenu*>(QString::fromLatin1(objectName));
}

QAction* MainWindow::menuAction(const char* objectName) const {
    return menuBar()->findChild<QAction*>(QString::fromLatin1(objectName));
}

QAction* MainWindow::toolButton(const QString& key) const {
    auto found = toolButtons_.find(key);
    return found == toolButtons_.end() ? nullptr : found->second;
}

}  // namespace pl63::ui
