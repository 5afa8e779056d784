#pragma once
// The command line's presentation of a transfer: status texts, messages and a
// progress bar on stderr, and how the transfer ended for the exit code.
#include <QElapsedTimer>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "link/qt/serial_link.h"

namespace pl63::cli {

class TerminalLink : public link::SerialLink {
public:
    TerminalLink(Language language, std::ostream& err);

    // What a write sends and how (write only).
    std::function<std::string()> imageSource;
    bool login = false;
    bool tune = false;
    std::string password;

    // Called once when the transfer has ended, after the end frame was sent.
    std::function<void(link::LinkOutcome)> onEnded;

    const std::string& readData() const { return readData_; }
    // Seconds from the start of the transfer to its end.
    double seconds() const { return seconds_; }
    void startClock() { clock_.start(); }

    // LinkHost: the presentation half.
    void setStatusText(const std::string& text) override;
    void setStatusVisible(bool) override {}
    void toggleStatusVisible() override {}
    void showProgress(int maximum) override;
    void setProgress(int value) override;
    void hideProgress() override;
    void setCommandsEnabled(bool) override {}
    void prepareForTransfer() override {}
    void showMessage(const std::string& text, int style) override;
    bool loginMode() override { return login; }
    bool debugUnlocked() override { return tune; }
    std::string commPassword() override { return password; }
    std::string passwordBoxText() override { return password; }
    std::string encodeImage() override { return imageSource ? imageSource() : std::string(); }
    void decodeImage(const std::string& readData) override { readData_ = readData; }
    void transferEnded(link::LinkOutcome outcome) override;

private:
    void endProgressLine();
    void drawBar(int filled, int percent);

    std::ostream& err_;
    std::string status_;
    std::string readData_;
    int maximum_ = 0;
    int percent_ = -1;
    bool progressLineOpen_ = false;
    QElapsedTimer clock_;
    double seconds_ = 0;
};

}  // namespace pl63::cli
