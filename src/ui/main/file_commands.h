#pragma once
// New, Open and Save of a codeplug file (*.DAT), the question before unsaved
// data are replaced, and the list of files last opened or saved. The commands
// change the data only through the CodeplugDocument. The dialogs come through
// one seam so tests answer them without a person; the questions go through
// LocalizedMsgBox, which tests answer the same way.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

namespace pl63::ui {

struct AppContext;

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file, or an empty text when the user cancelled.
    virtual QString openFileName(QWidget* owner, const QString& filter) = 0;
    // Must not ask about overwriting: Save asks itself, in our language. A
    // name typed without an extension gets the filter's first one.
    virtual QString saveFileName(QWidget* owner, const QString& filter) = 0;
};

// On QFileDialog.
class QtFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget* owner, const QString& filter) override;
    QString saveFileName(QWidget* owner, const QString& filter) override;

private:
    QString lastFolder_;
};

// "<title>(*.DAT)". Case-sensitive file systems also list "*.dat".
QString codeplugFileFilter();

class FileCommands : public QObject {
    Q_OBJECT

public:
    // `owner` carries the dialogs and message boxes.
    FileCommands(AppContext& context, QWidget& owner);

    void setDialogs(std::unique_ptr<FileDialogs> dialogs) { dialogs_ = std::move(dialogs); }
    // The one seam for every file dialog of the window.
    FileDialogs& dialogs() { return *dialogs_; }

    // mnuNew: after the warning, the channels in use are emptied.
    void newCodeplug();
    // mnuOpen: a codeplug file into the grid, the panels and the stores.
    void open();
    // A file named from outside the dialog (the command line, a drop, the
    // recent list): asks about unsaved changes first, like open().
    bool openFile(const QString& path);
    // mnuAssave: the whole image into a file; true when it was written.
    bool save();

    // Before anything replaces data that differ from what was last opened,
    // saved, read or written: asks Save / Discard / Cancel. True when the
    // caller may go on (nothing unsaved, saved, or discarded); false on
    // Cancel, Escape, or a save that was cancelled or failed.
    bool settleUnsavedChanges();

    // The last four files opened or saved, newest first (kept between runs).
    QStringList recentFiles() const;

signals:
    void recentFilesChanged();

private:
    bool load(const QString& path);
    void remember(const QString& path);
    void forget(const QString& path);
    int languageFlag() const;

    AppContext& context_;
    QWidget& owner_;
    std::unique_ptr<FileDialogs> dialogs_;
};

}  // namespace pl63::ui
