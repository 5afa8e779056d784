#pragma once
// What a transfer may do to the main window: the status line, ProgressBar1,
// the commands it disables, the Cancel button and the window messages sit
// on. GuiLink works through these actions and the CodeplugDocument, never on
// the main window's widgets.
#include <QString>
#include <QWidget>

namespace pl63::ui {

class TransferView {
public:
    virtual ~TransferView() = default;

    virtual QWidget* messageOwner() = 0;

    // The status line: its text, shown or hidden, and one blink.
    virtual void setStatusText(const QString& text) = 0;
    virtual void setStatusVisible(bool visible) = 0;
    virtual void blinkStatus() = 0;

    // ProgressBar1 from 0 to `maximum`, moved and hidden again.
    virtual void showProgress(int maximum) = 0;
    virtual void setProgress(int value) = 0;
    virtual void hideProgress() = 0;

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
