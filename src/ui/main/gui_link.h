#pragma once
// The main window's presentation of a transfer with the radio: the status
// label blinking through Timer2, ProgressBar1 (0..460), messages through
// LocalizedMsgBox, the commands disabled while it runs, and the image taken
// from and put back into the Codeplug. The protocol itself is the engine's.
#include "link/qt/serial_link.h"

namespace pl63::ui {

class MainWindow;

class GuiLink : public link::SerialLink {
    Q_OBJECT

public:
    explicit GuiLink(MainWindow& window);

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

private:
    MainWindow& window_;
};

}  // namespace pl63::ui
