#pragma once
// Form1: the program's one top-level window. It owns start-up and shutdown,
// the menus and the toolbar through which every other window and command is
// reached, the Type selection and Function Set panels, the channel grid and
// the transfer display (status label, progress bar). Closing it ends the
// program.
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolBar>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/main/file_commands.h"
#include "ui/main/transfer_view.h"

namespace pl63::ui {

struct AppContext;
class ChannelGridView;
class ChannelListCommands;
class FunctionSetPanel;
class GuiLink;
class TypeSelectionPanel;

// Where start-up finds what it reads; tests point it at temporary places.
struct MainWindowStartup {
    // The folder of the `parameter` file's first choice; empty = the program's
    // own folder.
    QString programFolder;
    // The one-shot language hint; empty = the user's PK-63 settings.
    std::function<std::optional<std::int16_t>()> languageHint;
};

class MainWindow : public QMainWindow, public TransferView {
    Q_OBJECT

public:
    explicit MainWindow(AppContext& context, MainWindowStartup startup = {},
                        QWidget* parent = nullptr);
    ~MainWindow() override;

    // Writes the texts of LanguageFlag into every window, in the fixed window
    // order, creating the other windows on first touch. Flags other than 0
    // and 1 leave the design texts. Start-up has done Form1 already when it
    // leaves the rest for after the first paint.
    void ApplyCaptions(bool includingForm1 = true);

    // The Languages menu: 0 Chinese, 1 English; acts only from the other of
    // the two languages.
    void switchLanguage(std::int16_t flag);

    // Rewrites every control of this window from the Codeplug after the
    // document replaced its data (a read, an Open, New, undo, redo) and tells
    // the other windows.
    void showDecodedImage();

    // Opens a codeplug file named from outside (the command line, a drop),
    // as File > Open would once the file is chosen.
    void openFromOutside(const QString& path);

    // Test seam for the open and save dialogs.
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs);

    AppContext& context() const { return context_; }
    ChannelGridView* grid() const { return grid_; }
    TypeSelectionPanel* typeSelection() const { return frame1_; }
    FunctionSetPanel* functionSet() const { return frame2_; }
    GuiLink& link() const { return *link_; }
    FileCommands& files() const { return *files_; }
    ChannelListCommands& channelLists() const { return *channelLists_; }
    QString parameterPath() const { return parameterPath_; }

    QLabel* statusLabel() const { return statusLabel_; }
    QProgressBar* progressBar() const { return progressBar_; }
    QToolBar* toolbar() const { return toolbar_; }
    QMenu* menu(const char* objectName) const;
    QAction* menuAction(const char* objectName) const;
    // Toolbar1's buttons by key: "new", "open", "save", "read", "write",
    // "TAnMa", "Login".
    QAction* toolButton(const QString& key) const;

    bool isLocked() const;

    QPushButton* cancelButton() const { return cancelButton_; }

    // GuiLink: the transfer's hold on the window (main_window_transfer.cpp).
    QWidget* messageOwner() override { return this; }
    void setStatusText(const QString& text) override;
    void setStatusVisible(bool visible) override;
    void blinkStatus() override;
    void showProgress(int maximum) override;
    void setProgress(int value) override;
    void hideProgress() override;
    void setCommandsEnabled(bool enabled) override;
    void prepareForTransfer() override;
    // The Cancel button beside the progress bar, and Escape, while a read or
    // write runs.
    void setTransferCancellable(bool cancellable) override;
    QString passwordBoxText() const override;

    // Read Frequency: asks about unsaved changes before the radio is touched.
    void startRead();

signals:
    // The window has closed and the parameter file is written: the program
    // ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void applyCaptionTableOf(const QString& windowName);

    void buildWidgets();
    void buildMenus();
    void buildEditMenu();
    // The Edit menu names the steps undo and redo would take; the caption
    // names the file the data belong to and shows whether they are modified.
    void showHistoryState();
    void showRecentFiles();
    void buildToolbar();
    // frmAbout and FormCOM, created on first touch like the option windows.
    void registerShellWindows();
    void openHelp();
    void runStartup(const MainWindowStartup& startup);
    void shutdown();
    // The `parameter` file, written whole through a temporary file.
    void saveParameters();

    void setLocked(bool locked);
    void gestureCaptionClicked(int caption);
    void toolbarKey(const QString& key);
    void loginModeChanged(bool on);
    void tuneModeChanged(bool on);
    void showWindow(const char* objectName);

    AppContext& context_;
    QString parameterPath_;
    // The caption table's title: the caption when the data belong to no file.
    QString captionTitle_;
    bool shutDown_ = false;

    TypeSelectionPanel* frame1_ = nullptr;
    FunctionSetPanel* frame2_ = nullptr;
    ChannelGridView* grid_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QShortcut* cancelKey_ = nullptr;
    QLabel* rightsLabel_ = nullptr;
    QToolBar* toolbar_ = nullptr;
    std::map<QString, QAction*> toolButtons_;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QList<QAction*> recentItems_;
    QAction* recentSeparator_ = nullptr;

    std::unique_ptr<GuiLink> link_;
    std::unique_ptr<FileCommands> files_;
    std::unique_ptr<ChannelListCommands> channelLists_;
};

}  // namespace pl63::ui
