#pragma once
// What the protocol engine asks of whoever hosts it: the main window in the
// GUI, a terminal in the CLI, a recording fake in the tests. Everything runs
// on one thread; showMessage may block until the user has answered.
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

enum class LinkOutcome {
    ReadSucceeded,
    WriteSucceeded,
    PasswordChanged,
    TimedOut,
    PasswordWrong,
    Cancelled,  // the user stopped it (cancel()); the end frame was sent
};

class LinkHost {
public:
    virtual ~LinkHost() = default;

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

    virtual void setStatusText(const std::string& text) = 0;
    virtual void setStatusVisible(bool visible) = 0;
    virtual void toggleStatusVisible() = 0;

    virtual void showProgress(int maximum) = 0;  // minimum 0, value 0
    virtual void setProgress(int value) = 0;
    virtual void hideProgress() = 0;

    // Toolbar1, the Programming menu and the read/write toolbar buttons.
    virtual void setCommandsEnabled(bool enabled) = 0;
    // Transfer start: enable Frame1 and move the focus to the band list, so an
    // open grid editor commits before the image is encoded.
    virtual void prepareForTransfer() = 0;

    virtual void showMessage(const std::string& text, int style) = 0;

    // Program-level flags and texts read at the moment they matter.
    virtual bool loginMode() = 0;
    virtual bool debugUnlocked() = 0;
    virtual std::string commPassword() = 0;     // trimmed CommPassword
    virtual std::string passwordBoxText() = 0;  // the main window's Text2

    virtual std::string encodeImage() = 0;  // hex text of EncodeImage
    virtual void decodeImage(const std::string& readData) = 0;

    // Not a window action: tells tools and tests how a transfer ended.
    virtual void transferEnded(LinkOutcome) {}
};

}  // namespace pl63::link
