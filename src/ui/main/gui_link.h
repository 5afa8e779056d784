#pragma once
// The main window's presentation of a transfer with the radio: the status
// label blinking through Timer2, ProgressBar1 (0..460), messages through
// LocalizedMsgBox, the commands disabled while it runs, the Cancel button and
// Escape, and the image taken from the Codeplug and, after a read, handed to
// the CodeplugDocument. The protocol itself is the engine's.
#include "codec/codeplug.h"
#include "i18n/qt/localized_msgbox.h"
#include "link/qt/serial_link.h"
#include "ui/main/transfer_view.h"

namespace pl63::ui {

struct AppContext;

class GuiLink : public link::SerialLink {
    Q_OBJECT

public:
    GuiLink(AppContext& context, TransferView& view);

    void setStatusText(const std::string& text) override;
    void setStatusVisible(bool visible) override;
    void toggleStatusVisible() override;
    void showProgress(int maximum) override;
    void setProgress(int value) override;
    void hideProgress() override;
    void setCommandsEnabled(bool enabled) override;
    void prepareForTransfer() override;
    void showMessage(const std::string& text, int style) override;
    bool loginMode() override;
    bool debugUnlocked() override;
    std::string commPassword() override;
    std::string passwordBoxText() override;
    std::string encodeImage() override;
    void decodeImage(const std::string& readData) override;
    void transferEnded(link::LinkOutcome outcome) override;

    // A port that failed since it was chosen (the cable was pulled, the
    // adapter went away) is opened again here, so the next Read or Write
    // needs no visit to the port window.
    bool portIsOpen() override;
    std::string portNotOpenReason(Language language) override;

    // A read or write the window started is running (the password
    // transfer is the password window's).
    bool transferRunning() const { return transferRunning_; }
    // Stops the running read or write as the Cancel button does: end frame,
    // commands back, and the user told what it left behind.
    void cancelTransfer();
    // Asked before the window closes: a running transfer is stopped only if
    // the user says so; a transfer that ends while the question is open takes
    // the question with it. Returns whether the window may close.
    bool mayClose();
    // The program ends with a transfer still running: it is stopped with its
    // end frame, without a word (there is nobody left to read one).
    void stopForShutdown();

signals:
    // Every transfer's end, after its end frame was sent.
    void transferFinished(link::LinkOutcome outcome);

private:
    Language language() const;

    AppContext& context_;
    TransferView& view_;
    Codeplug sent_;  // the data the image of the running transfer was built from
    bool transferRunning_ = false;
    bool quietEnd_ = false;
    i18n::MsgBoxWithdrawal* closeQuestion_ = nullptr;  // while mayClose asks
    std::string portProblem_;  // why the last reopen failed
    int shownProgress_ = 0;    // the value the bar gets on the next event-loop pass
    bool progressQueued_ = false;
};

}  // namespace pl63::ui
