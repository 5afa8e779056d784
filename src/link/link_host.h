#pragma once
// What the protocol engine asks of whoever hosts it, in three parts: the port
// that carries its frames and keeps its time (every host needs one), the view
// that shows the user how it goes (a headless host leaves it out), and the
// data a transfer takes and delivers. The main window, the command line, the
// browser page and the tests each host the engine; everything runs on one
// thread, and showMessage may block until the user has answered.
#include <cstdint>
#include <string>
#include <vector>

#include "codec/bilingual.h"

namespace pl63::link {

// Message box styles the engine uses (standard message-box style numbers).
enum MessageStyle : int {
    StylePlain = 0,
    StyleCritical = 16,
    StyleInformation = 64,
};

// The transfer the Read and Write commands started last; the password
// transfer leaves it as it was. Kept after the transfer ends.
enum class LinkMode : char {
    None = 0,
    Read = 'R',
    Write = 'W',
};

enum class LinkOutcome {
    ReadSucceeded,
    WriteSucceeded,
    PasswordChanged,
    TimedOut,
    PasswordWrong,
    Cancelled,  // the user stopped it (cancel()); the end frame was sent
};

// Bytes out and the two clocks. Bytes in reach the engine through
// LinkEngine::received.
class LinkPort {
public:
    virtual ~LinkPort() = default;

    virtual bool portIsOpen() = 0;
    // Why the port is not open (the port and the system's reason), in the
    // language the engine speaks, to follow the port message; empty when the
    // host has nothing to add.
    virtual std::string portNotOpenReason(Language) { return {}; }
    // One output call per frame.
    virtual void writeFrame(const std::vector<std::uint8_t>& frame) = 0;

    // Timer1: 500 ms link time-out ticks; Timer2: 200 ms blinking and the
    // pause after success. The host calls timer1Tick / timer2Tick while on.
    virtual void setTimer1Running(bool running) = 0;
    virtual void setTimer2Running(bool running) = 0;
};

// What the user may see of a transfer. Every call shows nothing unless the
// host has something to show it on.
class LinkView {
public:
    virtual ~LinkView() = default;

    // The status line: "Is communication, please later……" blinking while the
    // transfer runs, the result text after it.
    virtual void setStatusText(const std::string&) {}
    virtual void setStatusVisible(bool) {}
    virtual void toggleStatusVisible() {}

    virtual void showProgress(int /*maximum*/) {}  // minimum 0, value 0
    virtual void setProgress(int) {}
    virtual void hideProgress() {}

    // Toolbar1, the Programming menu and the read/write toolbar buttons.
    virtual void setCommandsEnabled(bool) {}
    // Transfer start: enable Frame1 and move the focus to the band list, so an
    // open grid editor commits before the image is encoded.
    virtual void prepareForTransfer() {}

    // The time-out, the closed port and the password results. A host that
    // shows none reports the end through transferEnded instead.
    virtual void showMessage(const std::string& /*text*/, int /*style*/) {}
};

// Program-level flags and texts, read at the moment they matter, and the
// image the transfer sends or delivers.
class LinkData {
public:
    virtual ~LinkData() = default;

    virtual bool loginMode() { return false; }
    virtual bool debugUnlocked() { return false; }
    virtual std::string commPassword() { return {}; }     // trimmed CommPassword
    virtual std::string passwordBoxText() { return {}; }  // the main window's Text2

    virtual std::string encodeImage() = 0;  // hex text of EncodeImage
    virtual void decodeImage(const std::string& readData) = 0;

    // Not a window action: tells tools and tests how a transfer ended.
    virtual void transferEnded(LinkOutcome) {}
};

// The three parts in one object, for hosts that keep them together.
class LinkHost : public LinkPort, public LinkView, public LinkData {};

}  // namespace pl63::link
