#pragma once
// The main window's presentation of a transfer with the radio: the status
// label blinking through Timer2, ProgressBar1 (0..460), messages through
// LocalizedMsgBox, the commands disabled while it runs, and the image taken
// from the Codeplug and, after a read, handed to the CodeplugDocument. The
// protocol itself is the engine's.
#include "codec/codeplug.h"
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

private:
    AppContext& context_;
    TransferView& view_;
    Codeplug sent_;  // the data the image of the running transfer was built from
};

}  // namespace pl63::ui
