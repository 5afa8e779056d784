#include "link/link_engine.h"

#include <algorithm>

#include "link/link_frames.h"

namespace pl63::link {

using namespace frames;

namespace {

constexpr int kProgressMaximum = 460;
constexpr int kReadProgressStep = 25;
constexpr int kWriteProgressStep = 10;
constexpr int kTimeoutTicks = 6;
// A cancelled transfer waits this long for the answer to its last frame (a
// radio answers within a tenth of a second).
constexpr int kStopTicks = 2;
constexpr int kResultTicks = 10;

// Between two frames a 9600-baud line carries at most the 3 s of the time-out,
// under 6000 digits, so a real radio never comes near this. A device that is
// no radio (or a pseudo-terminal, which has no speed) can pour in megabytes,
// and after a transfer bytes would pile up until the next start. Text this
// long can never become a reply, so the bytes past it are not kept.
constexpr std::size_t kRxTextLimit = 65536;

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

LinkEngine::LinkEngine(LinkHost& host, Language language)
    : LinkEngine(host, host, host, language) {}

LinkEngine::LinkEngine(LinkPort& port, LinkView& view, LinkData& data, Language language)
    : port_(port), view_(view), data_(data), language_(language) {}

bool LinkEngine::busy() const {
    return !linkFinished_ || resultShowing_;
}

std::string LinkEngine::text(LinkText which) const {
    return linkText(which, language_);
}

void LinkEngine::setTimer1(bool running) {
    timer1_ = running;
    port_.setTimer1Running(running);
}

void LinkEngine::setTimer2(bool running) {
    timer2_ = running;
    port_.setTimer2Running(running);
}

void LinkEngine::enableCommands(bool enabled) {
    commandsEnabled_ = enabled;
    view_.setCommandsEnabled(enabled);
}

void LinkEngine::setProgressValue(int value) {
    progress_ = std::min(value, kProgressMaximum);
    view_.setProgress(progress_);
}

// Every frame goes out here, so every frame re-arms the time-out.
void LinkEngine::send(std::vector<std::uint8_t> frame) {
    // A cancelled transfer has had its answer: the end frame goes instead of
    // the next one.
    if (stopping_ && frame != std::vector<std::uint8_t>{kEnd}) {
        endCancelled();
        return;
    }
    sendBuffer_ = std::move(frame);
    rxText_.clear();
    idleTicks_ = 0;
    awaitedDigits_ = replyDigits(sendBuffer_);
    answeredDigits_ = 0;
    port_.writeFrame(sendBuffer_);
}

bool LinkEngine::portReady() {
    if (port_.portIsOpen()) return true;
    std::string message = text(LinkText::PortNotOpen);
    const std::string reason = port_.portNotOpenReason(language_);
    if (!reason.empty()) message += "\n" + reason;
    view_.showMessage(message, StyleInformation);
    return false;
}

// A result display still blinking from the last transfer belongs to it; left
// on, its tenth tick would stop the new transfer's blinking half way.
void LinkEngine::beginTransferState() {
    resultShowing_ = false;
    resultBlinks_ = 0;
    stopping_ = false;
    linkStep_ = 1;
    linkFinished_ = false;
}

bool LinkEngine::startRead() {
    return startTransfer(Mode::Read);
}
bool LinkEngine::startWrite() {
    return startTransfer(Mode::Write);
}

bool LinkEngine::startTransfer(Mode mode) {
    if (!linkFinished_) return false;
    if (!portReady()) return false;
    passwordSent_ = false;
    passwordChangePending_ = false;
    beginTransferState();
    enableCommands(false);
    rxText_.clear();
    linkMode_ = mode;
    linkPhase_ = 1;
    blocksDone_ = 0;
    acknowledgedAddresses_.clear();
    blocksTotal_ =
        mode == Mode::Write ? writeBlockCount() : (kReadEnd - kFirstAddress) / kReadBlockSize;
    view_.prepareForTransfer();
    sendOpening(kProgrammingOpening);
    return true;
}

bool LinkEngine::startPasswordTransfer() {
    if (!linkFinished_) return false;
    if (!portReady()) return false;
    passwordSent_ = false;
    passwordChangePending_ = true;
    linkPhase_ = 1;
    beginTransferState();
    sendOpening(kPasswordOpening);
    return true;
}

void LinkEngine::sendOpening(const std::vector<std::uint8_t>& opening) {
    send(opening);
    view_.setStatusText(text(LinkText::Communicating));
    setTimer1(true);
    setTimer2(true);
}

void LinkEngine::breakSeen() {
    breakSeen_ = true;
}

void LinkEngine::received(const std::vector<std::uint8_t>& bytes) {
    answeredDigits_ += 2 * bytes.size();
    for (const std::uint8_t byte : bytes) {
        if (rxText_.size() >= kRxTextLimit) break;
        appendHex(rxText_, byte);
    }
    // The break leaves one byte of line noise in front of whatever follows it.
    if (breakSeen_) {
        rxText_.erase(0, std::min<std::size_t>(2, rxText_.size()));
        breakSeen_ = false;
    }
    if (linkFinished_) return;

    if (passwordSent_ && rxText_ == kAckText) {
        passwordAccepted();
    } else if (linkPhase_ == 1) {
        handleHandshake();
    } else if (linkMode_ == Mode::Write) {
        handleWriteReply();
    } else if (linkMode_ == Mode::Read) {
        handleReadReply();
    }
}

void LinkEngine::handleHandshake() {
    if (linkStep_ != 1) {
        handlePasswordExchange();
        return;
    }
    // After a cancel that could not wait for the radio's answer, the rest of
    // that answer may come in front of this acknowledge: up to that many
    // digits before it are the old answer's tail. Otherwise an acknowledge is
    // all there may be.
    const std::size_t ahead = rxText_.size() - std::min<std::size_t>(rxText_.size(), 2);
    if (rxText_.size() >= 2 && ahead <= staleDigits_ && rxText_.compare(ahead, 2, kAckText) == 0) {
        staleDigits_ -= ahead;
        rxText_.clear();
        send({kProceed});
        return;
    }
    const bool identity =
        rxText_.size() == kIdentityDigits && rxText_.find(kModelIdText) != std::string::npos;
    if (!identity) return;
    staleDigits_ = 0;
    if (passwordChangePending_) {
        // The radio answers this acknowledge like the one that opens a data
        // transfer; the password exchange takes over from there instead of
        // running into a read or write with whatever LinkMode was left behind.
        rxText_.clear();
        linkStep_ = 2;
        send({kAck});
        return;
    }
    beginDataTransfer();
}

void LinkEngine::handlePasswordExchange() {
    const bool ack = rxText_ == kAckText;
    if (linkStep_ == 2 && ack) {
        if (data_.loginMode() && passwordChangePending_) {
            send(passwordBlock());
            linkStep_ = 3;
            passwordSent_ = true;
        } else {
            send(frameHead(kReadRequest, kPasswordAddress, kPasswordLength));
            linkStep_ = 3;
        }
    } else if (linkStep_ == 3 && rxText_.size() == kPasswordReplyDigits &&
               rxText_.compare(0, 6, "57" + hexWord(kPasswordAddress)) == 0) {
        std::string radioPassword;
        for (std::size_t k = 4; k < 4 + kPasswordLength; ++k) {
            const std::uint8_t byte = hexTextByte(rxText_, k);
            if (byte != 0xFF) radioPassword += static_cast<char>(byte);
        }
        if (radioPassword.empty() || radioPassword != data_.passwordBoxText()) {
            passwordRefused();
        } else if (passwordChangePending_) {
            send({kAck});
            linkStep_ = 4;
        } else {
            beginDataTransfer();
        }
    } else if (linkStep_ == 4 && ack) {
        send(passwordBlock());
        passwordSent_ = true;
    }
}

std::vector<std::uint8_t> LinkEngine::passwordBlock() {
    const std::string password = trimBlanks(data_.commPassword());
    std::vector<std::uint8_t> frame = frameHead(kWriteBlock, kPasswordAddress, kPasswordLength);
    for (std::size_t i = 0; i < static_cast<std::size_t>(kPasswordLength); ++i)
        frame.push_back(i < password.size() ? static_cast<std::uint8_t>(password[i]) : 0xFF);
    return frame;
}

void LinkEngine::passwordRefused() {
    rxText_.clear();
    linkFinished_ = true;
    setTimer1(false);
    send({kEnd});
    view_.showMessage(text(LinkText::PasswordWrong), StylePlain);
    view_.setStatusVisible(false);
    setTimer2(false);
    enableCommands(true);
    data_.transferEnded(LinkOutcome::PasswordWrong);
}

void LinkEngine::passwordAccepted() {
    send({kEnd});
    linkFinished_ = true;
    view_.setStatusText(text(LinkText::PasswordChanged));
    resultShowing_ = true;
    setTimer1(false);
    data_.transferEnded(LinkOutcome::PasswordChanged);
}

void LinkEngine::beginDataTransfer() {
    linkPhase_ = 0;
    blockAddress_ = kFirstAddress;
    writeImage_ = data_.encodeImage();
    readData_.clear();
    blocksDone_ = 0;
    acknowledgedAddresses_.clear();
    if (linkMode_ == Mode::Write) blocksTotal_ = writeBlockCount();
    progress_ = 0;
    view_.showProgress(kProgressMaximum);
    rxText_.clear();
    send({kAck});
}

// The tuning values go out only when unlocked, the password only in
// LoginMode; filler, DTMF codes and test channels never do.
int LinkEngine::nextWriteAddress(int address) {
    if (address == 0x0180 && !data_.debugUnlocked()) address = 0x01B0;
    if (address == 0x0190) address = 0x01B0;
    if (address == 0x01C0 && !data_.loginMode()) address = 0x01D0;
    if (address == 0x01D0) address = 0x0300;
    return address;
}

int LinkEngine::writeBlockCount() {
    int count = 0;
    for (int address = nextWriteAddress(kFirstAddress); address < kWriteEnd;
         address = nextWriteAddress(address + kWriteBlockSize)) {
        ++count;
    }
    return count;
}

void LinkEngine::handleWriteReply() {
    if (rxText_ != kAckText) return;
    if (progress_ < kProgressMaximum) setProgressValue(progress_ + kWriteProgressStep);
    rxText_.clear();
    // The first acknowledge of the data phase answers ours, not a block.
    if (blockAddress_ != kFirstAddress) {
        ++blocksDone_;
        acknowledgedAddresses_.push_back(blockAddress_ - kWriteBlockSize);
    }
    if (blockAddress_ >= kWriteEnd) {
        complete(LinkText::WriteSucceeded, LinkOutcome::WriteSucceeded);
        return;
    }
    blockAddress_ = nextWriteAddress(blockAddress_);

    std::vector<std::uint8_t> frame = frameHead(kWriteBlock, blockAddress_, kWriteBlockSize);
    const std::size_t offset = static_cast<std::size_t>(blockAddress_ - kFirstAddress);
    for (std::size_t k = 0; k < static_cast<std::size_t>(kWriteBlockSize); ++k)
        frame.push_back(hexTextByte(writeImage_, offset + k));
    send(std::move(frame));
    blockAddress_ += kWriteBlockSize;
}

void LinkEngine::handleReadReply() {
    // ReadData must hold the reply to every request sent so far. An acknowledge
    // in place of a data block, or a block sent twice, would otherwise shift
    // every later byte of the image, or end the read "successfully" without
    // its last block.
    const int requested = blockAddress_ - kReadBlockSize;
    const auto digitsUpTo = [](int address) {
        return static_cast<std::size_t>(2 * (address - kFirstAddress));
    };

    if (rxText_ == kAckText) {
        if (readData_.size() != digitsUpTo(blockAddress_)) return;
        if (progress_ < kProgressMaximum) setProgressValue(progress_ + kReadProgressStep);
        rxText_.clear();
        if (blockAddress_ == kReadEnd) {
            // A read the user cancelled changes nothing, even with every
            // block in. (A write whose last block went in did succeed.)
            if (stopping_) {
                endCancelled();
                return;
            }
            data_.decodeImage(readData_);
            complete(LinkText::ReadSucceeded, LinkOutcome::ReadSucceeded);
            return;
        }
        send(frameHead(kReadRequest, blockAddress_, kReadBlockSize));
        blockAddress_ += kReadBlockSize;
        return;
    }

    const bool isBlock = requested >= kFirstAddress && rxText_.size() == kReadReplyDigits &&
                         rxText_.compare(0, 2, "57") == 0 &&
                         rxText_.compare(2, 4, hexWord(requested)) == 0 &&
                         readData_.size() == digitsUpTo(requested);
    if (!isBlock) return;
    readData_.append(rxText_, 8, 2 * kReadBlockSize);
    ++blocksDone_;
    rxText_.clear();
    send({kAck});
}

void LinkEngine::complete(LinkText successText, LinkOutcome outcome) {
    view_.setStatusText(text(successText));
    resultShowing_ = true;
    resultBlinks_ = 0;
    view_.hideProgress();
    setTimer1(false);
    linkFinished_ = true;
    send({kEnd});
    data_.transferEnded(outcome);
}

void LinkEngine::timer1Tick() {
    if (!timer1_) return;
    ++idleTicks_;
    if (stopping_) {
        if (idleTicks_ >= kStopTicks) endCancelled();
        return;
    }
    if (idleTicks_ < kTimeoutTicks) return;
    idleTicks_ = 0;
    rxText_.clear();
    linkFinished_ = true;
    setTimer1(false);
    view_.setStatusVisible(false);
    setTimer2(false);
    view_.showMessage(text(LinkText::CommunicationError), StyleCritical);
    enableCommands(true);
    view_.hideProgress();
    send({kEnd});
    data_.transferEnded(LinkOutcome::TimedOut);
}

bool LinkEngine::cancel() {
    if (linkFinished_) return false;
    if (stopping_) {
        endCancelled();
    } else {
        stopping_ = true;
        idleTicks_ = 0;
    }
    return true;
}

void LinkEngine::endCancelled() {
    stopping_ = false;
    // Whatever the radio had still to send of its answer comes after the end
    // frame; the next transfer's first acknowledge looks past it.
    staleDigits_ = awaitedDigits_ > answeredDigits_ ? awaitedDigits_ - answeredDigits_ : 0;
    rxText_.clear();
    linkFinished_ = true;
    setTimer1(false);
    view_.setStatusVisible(false);
    setTimer2(false);
    enableCommands(true);
    view_.hideProgress();
    send({kEnd});
    data_.transferEnded(LinkOutcome::Cancelled);
}

void LinkEngine::timer2Tick() {
    if (!timer2_) return;
    view_.toggleStatusVisible();
    if (!resultShowing_) return;
    if (++resultBlinks_ < kResultTicks) return;
    resultBlinks_ = 0;
    resultShowing_ = false;
    view_.setStatusVisible(false);
    setTimer2(false);
    enableCommands(true);
}

}  // namespace pl63::link
