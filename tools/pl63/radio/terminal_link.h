#pragma once
// The command line's host of a transfer: the port, what a write sends and
// with which flags, the image a read delivers, how long it took and how it
// ended (for the exit code). What the user sees goes through a view: the
// terminal's status lines and bar, or one handed in.
#include <QElapsedTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "link/qt/serial_link.h"
#include "terminal_view.h"

namespace pl63::cli {

class TerminalLink : public link::SerialLink {
public:
    // Shows the transfer on `err`.
    TerminalLink(Language language, std::ostream& err);
    // Shows it through `view`, which must outlive the link.
    TerminalLink(Language language, link::LinkView& view);

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

    // LinkHost: the data.
    bool loginMode() override { return login; }
    bool debugUnlocked() override { return tune; }
    std::string commPassword() override { return password; }
    std::string passwordBoxText() override { return password; }
    std::string encodeImage() override { return imageSource ? imageSource() : std::string(); }
    void decodeImage(const std::string& readData) override { readData_ = readData; }
    void transferEnded(link::LinkOutcome outcome) override;

private:
    TerminalLink(Language language, std::unique_ptr<TerminalView> view);

    std::unique_ptr<TerminalView> terminal_;  // null when the view was handed in
    std::string readData_;
    QElapsedTimer clock_;
    double seconds_ = 0;
};

}  // namespace pl63::cli
