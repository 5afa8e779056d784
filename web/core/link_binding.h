#pragma once
// The browser's LinkHost: frames go out through the page's callbacks (its
// Web Serial adapter or the simulated radio), the page's timers call the
// ticks, and status, progress and messages go to the page. Nothing about
// frames reaches JavaScript.
#include <optional>
#include <string>
#include <vector>

#include "document_binding.h"
#include "js_values.h"
#include "link/link_engine.h"
#include "link/link_host.h"

namespace pl63::web {

class WebLink : public link::LinkHost {
public:
    WebLink(WebDocument& document, val callbacks);

    bool startRead();
    bool startWrite(bool verify);
    val startPasswordChange(const std::string& oldPassword, const std::string& newPassword,
                            const std::string& confirm);
    bool cancel();
    void received(const val& bytes);
    void breakSeen() { engine_.breakSeen(); }
    void tick1() { engine_.timer1Tick(); }
    void tick2() { engine_.timer2Tick(); }
    bool busy() const { return engine_.busy() || verifyPending_; }
    bool verifyPending() const { return verifyPending_; }
    void continueVerify();
    int blocksDone() const { return engine_.blocksDone(); }
    int blocksTotal() const { return engine_.blocksTotal(); }
    void setLoginMode(bool on) { document_.setLoginMode(on); }
    void setPasswordBox(const std::string& text);

    // LinkHost.
    bool portIsOpen() override;
    void writeFrame(const std::vector<std::uint8_t>& frame) override;
    void setTimer1Running(bool running) override;
    void setTimer2Running(bool running) override;
    void setStatusText(const std::string& text) override;
    void setStatusVisible(bool visible) override;
    void toggleStatusVisible() override;
    void showProgress(int maximum) override;
    void setProgress(int value) override;
    void hideProgress() override;
    void setCommandsEnabled(bool enabled) override;
    void prepareForTransfer() override {}
    void showMessage(const std::string& text, int style) override;
    bool loginMode() override { return document_.loginMode(); }
    bool debugUnlocked() override { return document_.debugUnlocked(); }
    std::string commPassword() override;
    std::string passwordBoxText() override;
    std::string encodeImage() override;
    void decodeImage(const std::string& readData) override;
    void transferEnded(link::LinkOutcome outcome) override;

private:
    void ended(const char* outcome);
    void finishVerify(const std::string& readData);

    WebDocument& document_;
    val callbacks_;
    link::LinkEngine engine_;
    Codeplug sent_;
    bool statusVisible_ = false;
    // The password box while a password change runs: the old password.
    std::optional<std::string> oldPasswordBox_;
    std::string newPassword_;  // while a password change runs
    bool writing_ = false;  // the transfer running (or last run) is a write
    bool verify_ = false;
    bool verifyPending_ = false;
    bool verifying_ = false;
    std::string writtenImage_;
    std::vector<int> writtenAddresses_;
};

}  // namespace pl63::web
