#pragma once
// One radio on one port: the port opened, a write or read run to its end and,
// for write --verify, the radio read back in the same session and compared.
// `pl63 write` with one --port runs one session; with several it runs one per
// port side by side in the same event loop, each with its own engine.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "cli_command.h"
#include "radio_transfer.h"
#include "terminal_link.h"

namespace pl63::cli {

class TransferSession {
public:
    // The link is the session's engine and presentation; it must outlive it.
    TransferSession(TerminalLink& link, TransferRequest request);
    ~TransferSession();
    TransferSession(const TransferSession&) = delete;
    TransferSession& operator=(const TransferSession&) = delete;

    // Opens the port and starts the transfer. False when it ended at once
    // (port not open, a --port that names nothing): exitCode() and notes()
    // say why, and onFinished is not called.
    bool start();
    // Ctrl-C or SIGTERM: the transfer is cancelled with its end frame; a
    // session that is already done keeps its result.
    void cancel();

    // Called once, from the event loop, when a started session has ended.
    std::function<void()> onFinished;

    bool done() const { return done_; }
    int exitCode() const { return exitCode_; }
    // What the user is told beyond the engine's own messages, in order: the
    // stop, how far the transfer got, the verification. One language.
    const std::vector<std::string>& notes() const { return notes_; }
    // The port as the user named it ("COM3" for --port 3) and its device.
    const QString& shownName() const { return shownName_; }
    const QString& device() const { return device_; }
    link::PortState portState() const { return portState_; }
    // True once the write went through and the read-back has begun.
    bool verifying() const { return verifying_; }
    // write --verify: the blocks the radio acknowledged and those it did not keep.
    const WrittenBlocks& written() const { return written_; }
    const std::vector<int>& notKept() const { return notKept_; }

    // Lets the end frame leave and closes the port.
    void closePort();

private:
    void onEnded(link::LinkOutcome outcome);
    void finish(int code);

    TerminalLink& link_;
    TransferRequest request_;
    QObject context_;  // owns the session's pending single-shot timers
    QString shownName_;
    QString device_;
    link::PortState portState_ = link::PortState::NotPresent;
    int exitCode_ = ExitTimeout;
    bool done_ = false;
    bool stopped_ = false;
    bool verifying_ = false;
    bool pausedForVerify_ = false;
    std::vector<std::string> notes_;
    WrittenBlocks written_;
    std::vector<int> notKept_;
};

// The device a --port argument names ("" when it names nothing) and the name
// the user knows it by; nullopt for a word that is neither a path nor 1..20.
struct NamedPort {
    QString shownName;
    QString device;
};
std::optional<NamedPort> resolvePort(const std::string& argument);

}  // namespace pl63::cli
