#include "transfer_session.h"

#include <QTimer>

#include "link/transfer_messages.h"
#include "link/transfer_report.h"
#include "settings/port_map.h"
#include "stop_signals.h"

namespace pl63::cli {
namespace {

// A radio leaves programming mode on the end frame; give it a moment before
// the read-back of --verify opens the next session.
using link::kPauseBeforeVerifyMs;

const Bilingual kInterrupted{"已中断", "Interrupted"};
// After "where: not present": what a command-line user does about it (the
// window's port message sends the user to a menu this tool does not have).
const Bilingual kNamePortHint{
    "请在 --port 后给出对讲机所接串口的设备路径或链接（例如 /dev/ttyUSB0），或端口号 1 至 20。",
    "Give --port the path of the serial device or link the radio's cable is on (such as "
    "/dev/ttyUSB0), or a port number 1 to 20."};

}  // namespace

std::optional<NamedPort> resolvePort(const std::string& argument) {
    const auto parsed = settings::parsePortArgument(argument);
    if (!parsed) return std::nullopt;
    NamedPort port;
    if (parsed->number != 0) {
        port.device = link::portDevice(parsed->number);
        port.shownName = QStringLiteral("COM%1").arg(parsed->number);
    } else {
        port.device = QString::fromStdString(parsed->device);
        port.shownName = QString::fromStdString(argument);
    }
    return port;
}

TransferSession::TransferSession(TerminalLink& link, TransferRequest request)
    : link_(link), request_(std::move(request)) {}

TransferSession::~TransferSession() {
    // The link outlives the session; it must not call back into it.
    link_.onEnded = nullptr;
}

bool TransferSession::start() {
    const auto port = resolvePort(request_.port);
    if (!port) {
        notes_.push_back("--port takes a device path or a port number 1 to 20");
        exitCode_ = ExitUsage;
        done_ = true;
        return false;
    }
    shownName_ = port->shownName;
    device_ = port->device;
    portState_ = link_.openPort(device_);
    link_.onEnded = [this](link::LinkOutcome outcome) { onEnded(outcome); };
    link_.startClock();
    // Checked here rather than by the engine, whose port message sends the
    // user to the window's menu.
    if (portState_ == link::PortState::Open) {
        if (request_.write) {
            link_.engine().startWrite();
        } else {
            link_.engine().startRead();
        }
        return true;
    }
    std::string where = shownName_.toStdString();
    if (!device_.isEmpty() && device_ != shownName_) where += " (" + device_.toStdString() + ")";
    notes_.push_back(where + ": " +
                     link::portStateText(portState_, request_.language).toStdString());
    if (portState_ == link::PortState::NotPresent)
        notes_.push_back(kNamePortHint.str(request_.language));
    exitCode_ = ExitPortNotOpen;
    done_ = true;
    return false;
}

void TransferSession::onEnded(link::LinkOutcome outcome) {
    using link::LinkOutcome;
    link::LinkEngine& engine = link_.engine();
    if (outcome == LinkOutcome::WriteSucceeded && request_.verify) {
        verifying_ = true;
        pausedForVerify_ = true;
        written_.image = engine.WriteImage();
        written_.addresses = engine.acknowledgedAddresses();
        QTimer::singleShot(kPauseBeforeVerifyMs, &context_, [this] {
            pausedForVerify_ = false;
            if (!stopped_ && link_.engine().startRead()) return;
            finish(stopped_ ? StopSignals::exitCode() : ExitTimeout);
        });
        return;
    }
    if (outcome == LinkOutcome::ReadSucceeded && verifying_) {
        notKept_ = link::differingBlocks(written_.image, link_.readData(), written_.addresses);
        finish(notKept_.empty() ? ExitOk : ExitNotKept);
        return;
    }
    if (outcome == LinkOutcome::ReadSucceeded || outcome == LinkOutcome::WriteSucceeded) {
        finish(ExitOk);
        return;
    }
    if (outcome == LinkOutcome::Cancelled) notes_.push_back(kInterrupted.str(request_.language));
    if (verifying_) notes_.push_back(link::kVerifyStopped.str(request_.language));
    const bool write = engine.LinkMode() == link::LinkMode::Write;
    notes_.push_back(link::stoppedTransferText(write, engine.blocksDone(), engine.blocksTotal())
                         .in(request_.language));
    finish(outcome == LinkOutcome::Cancelled ? StopSignals::exitCode() : ExitTimeout);
}

void TransferSession::cancel() {
    if (done_) return;
    stopped_ = true;
    if (link_.engine().cancel()) return;
    // Between the write and its read-back nothing runs. A transfer that has
    // just ended keeps its result: a finished read is still saved.
    if (pausedForVerify_) finish(StopSignals::exitCode());
}

void TransferSession::finish(int code) {
    if (done_) return;
    done_ = true;
    exitCode_ = code;
    // The engine may still be inside its handler; report once it is out.
    QTimer::singleShot(0, &context_, [this] {
        if (onFinished) onFinished();
    });
}

void TransferSession::closePort() {
    // The end frame tells the radio the session is over; let it leave the
    // port before the port closes.
    link_.flushOutput(1000);
    link_.closePort();
}

}  // namespace pl63::cli
