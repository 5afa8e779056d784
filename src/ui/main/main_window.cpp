#include "ui/main/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLayout>
#include <QMimeData>
#include <QTimer>
#include <QVBoxLayout>

#include "i18n/language_flag.h"
#include "i18n/qt/captions.h"
#include "i18n/step_names.h"
#include "settings/parameter_file.h"
#include "settings/qt/language_hint.h"
#include "ui/after_first_paint.h"
#include "ui/app_context.h"
#include "ui/main/channel_grid_view.h"
#include "ui/main/channel_list_commands.h"
#include "ui/main/function_set_panel.h"
#include "ui/main/gui_link.h"
#include "ui/main/type_selection_panel.h"
#include "ui/window_placement.h"

namespace pl63::ui {

MainWindow::MainWindow(AppContext& context, MainWindowStartup startup, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    setObjectName(QStringLiteral("Form1"));
    // "[*]": Qt marks the caption there while the data are modified.
    captionTitle_ = QStringLiteral("Varnel对讲机编程软件 V1.00");
    setWindowTitle(captionTitle_ + QStringLiteral("[*]"));
    context_.mainWindow = this;
    context_.windows.setOwner(this);
    setAcceptDrops(true);

    link_ = std::make_unique<GuiLink>(context_, *this);
    files_ = std::make_unique<FileCommands>(context_, *this);
    channelLists_ = std::make_unique<ChannelListCommands>(context_, *this, *files_,
                                                          [this] { grid_->showChannels(); });
    context_.portIsOpen = [this] { return link_->portIsOpen(); };
    context_.startPasswordTransfer = [this] { return link_->engine().startPasswordTransfer(); };

    // Every control of this window exists before any other window does, so
    // the caption rows of Form1 find these and not a namesake in a child
    // window.
    buildWidgets();
    buildMenus();
    buildToolbar();
    registerShellWindows();

    connect(&context_.state, &ProgramState::loginModeChanged, this, &MainWindow::loginModeChanged);
    connect(&context_.state, &ProgramState::tuneModeChanged, this, &MainWindow::tuneModeChanged);
    connect(&context_.state, &ProgramState::settingsChanged, this, &MainWindow::saveParameters);

    CodeplugDocument& document = context_.document;
    connect(&document, &CodeplugDocument::replaced, this, &MainWindow::showDecodedImage);
    connect(&document, &CodeplugDocument::stateChanged, this, &MainWindow::showHistoryState);
    connect(&document, &CodeplugDocument::pendingEditsWanted, grid_,
            &ChannelGridView::commitOpenEditor);
    connect(files_.get(), &FileCommands::recentFilesChanged, this, &MainWindow::showRecentFiles);

    runStartup(startup);
    // What start-up put in place is where undo stops and what "modified" is
    // measured against.
    document.startOver();
    showRecentFiles();
}

MainWindow::~MainWindow() {
    // Destroyed without a close (a program that quits by other means): the
    // settings are still kept.
    shutdown();
    if (context_.mainWindow == this) {
        context_.mainWindow = nullptr;
        context_.portIsOpen = nullptr;
        context_.startPasswordTransfer = nullptr;
    }
}

void MainWindow::buildWidgets() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    frame1_ = new TypeSelectionPanel(context_, central);
    frame2_ = new FunctionSetPanel(context_, central);
    grid_ = new ChannelGridView(context_, central, central);

    statusLabel_ = new QLabel(central);
    statusLabel_->setObjectName(QStringLiteral("lblStatus"));
    QFont statusFont = statusLabel_->font();
    statusFont.setBold(true);
    statusLabel_->setFont(statusFont);
    statusLabel_->setStyleSheet(QStringLiteral("color: #b00000;"));
    // The label blinks for the whole transfer; keeping its room while it is
    // hidden spares a new layout, and a repaint of the progress bar beside
    // it, on every blink.
    QSizePolicy keepRoom = statusLabel_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    statusLabel_->setSizePolicy(keepRoom);
    statusLabel_->hide();

    progressBar_ = new QProgressBar(central);
    progressBar_->setObjectName(QStringLiteral("ProgressBar1"));
    progressBar_->setTextVisible(false);
    progressBar_->hide();

    cancelButton_ = new QPushButton(i18n::designText("Form1", "cmdCancel"), central);
    cancelButton_->setObjectName(QStringLiteral("cmdCancel"));
    cancelButton_->setAutoDefault(false);
    cancelButton_->hide();
    // The key is a shortcut of its own: a caption with a mnemonic would
    // replace a button's shortcut.
    cancelKey_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    cancelKey_->setEnabled(false);

    rightsLabel_ = new QLabel(i18n::designText("Form1", "Label2"), central);
    rightsLabel_->setObjectName(QStringLiteral("Label2"));

    auto* panels = new QHBoxLayout;
    panels->addWidget(frame1_);
    panels->addWidget(frame2_, 1);

    // The transfer display sits on its own line, so showing and hiding it
    // never moves the grid.
    auto* transfer = new QHBoxLayout;
    transfer->addWidget(statusLabel_);
    transfer->addWidget(progressBar_, 1);
    transfer->addWidget(cancelButton_);
    auto* transferLine = new QWidget(central);
    transferLine->setLayout(transfer);
    transferLine->setFixedHeight(progressBar_->sizeHint().height() + 6);
    transfer->setContentsMargins(0, 0, 0, 0);

    auto* layout = new QVBoxLayout(central);
    layout->addLayout(panels);
    layout->addWidget(grid_);
    layout->addWidget(transferLine);
    layout->addWidget(rightsLabel_);

    // The band change has cleared the channels in the data.
    connect(frame1_, &TypeSelectionPanel::bandChangeConfirmed, grid_,
            &ChannelGridView::showChannels);
    connect(frame2_, &FunctionSetPanel::gestureCaptionClicked, this,
            &MainWindow::gestureCaptionClicked);
    GuiLink* link = link_.get();
    connect(cancelButton_, &QPushButton::clicked, link, &GuiLink::cancelTransfer);
    connect(cancelKey_, &QShortcut::activated, link, &GuiLink::cancelTransfer);
}

void MainWindow::runStartup(const MainWindowStartup& startup) {
    // 1. The grid set up its own geometry when it was built.

    // 2. The parameter file: lock, port, language.
    const QString folder = startup.programFolder.isEmpty() ? QCoreApplication::applicationDirPath()
                                                           : startup.programFolder;
    parameterPath_ = QFile::decodeName(
        settings::parameterFilePath(QFile::encodeName(folder).toStdString()).c_str());
    const settings::ParameterBytes bytes =
        settings::readParameterFile(QFile::encodeName(parameterPath_).toStdString());
    // A locked start only keeps the channels and the band from being
    // changed; the Function Set stays usable, unlike after the Lock command.
    menuAction("mnulock")->setChecked(bytes.lock == 1);
    if (bytes.lock == 1) {
        frame1_->setEnabled(false);
        grid_->setEnabled(false);
    }
    context_.state.SavedPort = bytes.port;

    // 3. Loading the port window opens the saved port.
    context_.windows.window(context_, QStringLiteral("FormCOM"));

    // 4. The Time-out list.
    frame2_->fillTimeOutList();

    // 5. Band 0 and its limits, without the band question.
    // Start-up fills the data before anything can be undone (startOver).
    Codeplug& codeplug = context_.document.dataForSetUp();
    context_.state.PreviousBandIndex = 0;
    codeplug.band = 0;
    frame1_->showBand();

    // 6, 7. Start values of the stores and the panels.
    const Codeplug startValues;
    codeplug.Pf1Key = startValues.Pf1Key;
    context_.state.DebugUnlocked = false;
    codeplug.DtmfCodes = startValues.DtmfCodes;
    codeplug.OptionalSettings = startValues.OptionalSettings;
    codeplug.DtmfSettings = startValues.DtmfSettings;
    codeplug.TxHighPowerTune = startValues.TxHighPowerTune;
    codeplug.TxLowPowerTune = startValues.TxLowPowerTune;
    codeplug.functions = startValues.functions;
    grid_->showChannels();
    frame2_->showFunctions();
    frame1_->modelList()->setCurrentIndex(0);
    frame1_->showPassword();
    progressBar_->hide();

    // 8. The language: the one-shot hint, else the parameter byte.
    const std::optional<std::int16_t> hint =
        startup.languageHint ? startup.languageHint() : settings::takeLanguageHint();
    context_.state.LanguageFlag = settings::chooseLanguageFlag(hint, bytes.language);
    link_->engine().setLanguage(context_.state.language());
    context_.qtTranslations.follow(context_.state.LanguageFlag);
    // Form1's own texts now; the other windows, which ApplyCaptions creates
    // in its order, are most of what start-up builds and none of what the
    // user sees first. They are made once this window has been painted, or
    // sooner if anything looks one up or the user presses a key or clicks
    // first: from the stores exactly as start-up left them.
    applyCaptionTableOf(objectName());
    context_.windows.defer([this] { ApplyCaptions(/*includingForm1=*/false); });
    new AfterFirstPaint(*this, [this] { context_.windows.runDeferred(); });

    // The user cannot resize the window; it follows its texts when the
    // language changes.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::ApplyCaptions(bool includingForm1) {
    for (const char* name : i18n::kCaptionWindowOrder) {
        const QString windowName = QString::fromLatin1(name);
        if (windowName != objectName() || includingForm1) applyCaptionTableOf(windowName);
    }
}

void MainWindow::applyCaptionTableOf(const QString& windowName) {
    const int flag = context_.state.LanguageFlag;
    if (!i18n::flagHasCaptions(flag)) return;
    QWidget* window =
        windowName == objectName() ? this : context_.windows.window(context_, windowName);
    if (!window) return;  // a window this build does not have
    i18n::applyCaptionTable(window, i18n::captionTable(windowName), flag);
    if (window == this) {
        captionTitle_ = windowTitle().remove(QStringLiteral("[*]"));
        showHistoryState();
    }
}

void MainWindow::switchLanguage(std::int16_t flag) {
    // Only from the other language: flag 2 (design texts) never switches.
    const std::int16_t other = flag == i18n::kFlagChinese ? i18n::kFlagEnglish : i18n::kFlagChinese;
    if (context_.state.LanguageFlag != other) return;
    context_.state.LanguageFlag = flag;
    link_->engine().setLanguage(context_.state.language());
    frame2_->followEntryWidths();
    ApplyCaptions();
    grid_->SetGrid1Text();
    // Take the size of the new texts at once, not on the next layout pass.
    centralWidget()->layout()->activate();
    layout()->activate();
    context_.state.announceLanguageChanged();
}

void MainWindow::showDecodedImage() {
    grid_->showChannels();
    frame2_->showFunctions();
    frame1_->showBand();
    frame1_->showPassword();
    context_.state.announceStoresDecoded();
}

void MainWindow::openFromOutside(const QString& path) {
    files_->openFile(path);
}

void MainWindow::startRead() {
    if (!files_->settleUnsavedChanges()) return;
    link_->engine().startRead();
}

void MainWindow::showHistoryState() {
    const CodeplugDocument& document = context_.document;
    // The caption names the file the data belong to, however they came to it
    // (Open, a recent file, a save, undo past one); data that came from no
    // file (New, a read) show the window's title.
    const QString file = document.filePath();
    const QString named = QString::fromUtf8(kApplicationTitle) + QStringLiteral("-") + file;
    setWindowTitle((file.isEmpty() ? captionTitle_ : named) + QStringLiteral("[*]"));
    setWindowModified(document.isModified());
    if (!undo_) return;
    const Language language = context_.state.language();
    undo_->setEnabled(document.canUndo());
    undo_->setText(QString::fromStdString(i18n::undoItemText(document.undoName(), language)));
    redo_->setEnabled(document.canRedo());
    redo_->setText(QString::fromStdString(i18n::redoItemText(document.redoName(), language)));
}

void MainWindow::setFileDialogs(std::unique_ptr<FileDialogs> dialogs) {
    files_->setDialogs(std::move(dialogs));
}

bool MainWindow::isLocked() const {
    return menuAction("mnulock")->isChecked();
}

void MainWindow::setLocked(bool locked) {
    frame1_->setEnabled(!locked);
    frame2_->setEnabled(!locked);
    grid_->setEnabled(!locked);
    context_.state.announceSettingsChanged();
}

void MainWindow::gestureCaptionClicked(int caption) {
    ProgramState& state = context_.state;
    if (!state.loginGesture.click(caption, context_.clock().secondsSinceMidnight())) return;
    state.setLoginMode(true);
    loginModeChanged(true);
}

void MainWindow::loginModeChanged(bool on) {
    toolButton(QStringLiteral("Login"))->setVisible(on);
    frame1_->passwordBox()->setMasked(!on);
}

void MainWindow::tuneModeChanged(bool on) {
    toolButton(QStringLiteral("TAnMa"))->setVisible(on);
}

void MainWindow::showWindow(const char* objectName) {
    QWidget* window = context_.windows.window(context_, QString::fromLatin1(objectName));
    if (!window) return;
    if (!window->isVisible()) placeOver(window, this);
    window->show();
    window->raise();
    window->activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A running transfer is never cut without the user's word; then come
    // the unsaved changes.
    if (!shutDown_ && (!link_->mayClose() || !files_->settleUnsavedChanges())) {
        event->ignore();
        return;
    }
    shutdown();
    // Every other window goes with the main window, shown or not.
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) child->hide();
    }
    event->accept();
    emit closed();
}

namespace {

// The local .DAT file a drag carries, if it carries exactly one.
QString droppedCodeplug(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().size() != 1) return {};
    const QUrl url = data->urls().first();
    if (!url.isLocalFile()) return {};
    const QString path = url.toLocalFile();
    if (QFileInfo(path).suffix().compare(QLatin1String("DAT"), Qt::CaseInsensitive) != 0) return {};
    return path;
}

}  // namespace

// While a transfer runs the data are the transfer's: nothing may be dropped.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (link_->engine().busy()) return;
    if (!droppedCodeplug(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

// Over any part of the window, not only where the drag came in.
void MainWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (link_->engine().busy()) {
        event->ignore();
        return;
    }
    if (!droppedCodeplug(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = droppedCodeplug(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // The drag ends first: the question and the messages of the open come
    // after the file manager has its pointer back.
    QTimer::singleShot(0, this, [this, path] { openFromOutside(path); });
}

void MainWindow::shutdown() {
    if (shutDown_) return;
    shutDown_ = true;
    link_->stopForShutdown();
    // Windows start-up had left for after the first paint are not needed by
    // a program that is ending (nor by anyone once this window is gone).
    context_.windows.dropDeferred();
    saveParameters();
}

void MainWindow::saveParameters() {
    settings::ParameterBytes bytes;
    bytes.lock = isLocked() ? 1 : 0;
    bytes.port = static_cast<std::uint8_t>(context_.state.SavedPort);
    bytes.language = static_cast<std::uint8_t>(context_.state.LanguageFlag);
    settings::writeParameterFile(QFile::encodeName(parameterPath_).toStdString(), bytes);
}

}  // namespace pl63::ui
