#pragma once
// New, Open and Save of a codeplug file (*.DAT). The dialogs come through
// one seam so tests answer them without a person; the questions go through
// LocalizedMsgBox, which tests answer the same way.
#include <QString>
#include <QWidget>
#include <memory>

namespace pl63::ui {

class MainWindow;

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file, or an empty text when the user cancelled.
    virtual QString openFileName(QWidget* owner, const QString& filter) = 0;
    // Must not ask about overwriting: Save asks itself, in our language.
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

class FileCommands {
public:
    explicit FileCommands(MainWindow& window);

    void setDialogs(std::unique_ptr<FileDialogs> dialogs) { dialogs_ = std::move(dialogs); }

    // mnuNew: after the warning, the channels in use are emptied.
    void newCodeplug();
    // mnuOpen: a codeplug file into the grid, the panels and the stores.
    void open();
    // mnuAssave: the whole image into a file; the caption names it after a
    // successful save.
    void save();

private:
    int language() const;
    MainWindow& window_;
    std::unique_ptr<FileDialogs> dialogs_;
};

}  // namespace pl63::ui
