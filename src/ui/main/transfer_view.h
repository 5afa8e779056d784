#pragma once
// What a transfer shows in the main window: the status label, ProgressBar1,
// the commands it disables and the box messages sit on. GuiLink works on
// this and on the CodeplugDocument, never on the main window itself.
#include <QLabel>
#include <QProgressBar>
#include <QString>
#include <QWidget>

namespace pl63::ui {

class TransferView {
public:
    virtual ~TransferView() = default;

    virtual QWidget* messageOwner() = 0;
    virtual QLabel* statusLabel() const = 0;
    virtual QProgressBar* progressBar() const = 0;
    // Toolbar1, the Programming menu and the read/write toolbar buttons.
    virtual void setCommandsEnabled(bool enabled) = 0;
    // Commits an open editor before the image is encoded.
    virtual void prepareForTransfer() = 0;
    // The Cancel button beside the progress bar, and Escape, while a read or
    // write runs.
    virtual void setTransferCancellable(bool cancellable) = 0;
    // Text2 as it reads now.
    virtual QString passwordBoxText() const = 0;
};

}  // namespace pl63::ui
