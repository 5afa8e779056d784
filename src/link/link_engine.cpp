#include "link/link_engine.h"

#include <algorithm>

namespace pl63::link {

namespace {

constexpr std::uint8_t kProceed = 0x02;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kEnd = 0x45;          // "E"
constexpr std::uint8_t kReadRequest = 0x52;  // "R"
constexpr std::uint8_t kWriteBlock = 0x57;   // "W"; the radio's data replies start with it too

const std::vector<std::uint8_t> kProgrammingOpening = {'R', 'M', '-', 'P', 'R', 'O', 'G'};
const std::vector<std::uint8_t> kPasswordOpening = {kProceed, 'p', 'r', 'o', 'g', 'r', 'a', 'm'};

constexpr int kFirstAddress = 0x0010;  // radio address of image offset 0
constexpr int kReadBlockSize = 0x40;
constexpr int kReadEnd = 0x0410;
constexpr int kWriteBlockSize = 0x10;
constexpr int kWriteEnd = 0x0350;  // nothing from here on is ever written
constexpr int kPasswordAddress = 0x01C0;
constexpr int kPasswordLength = 16;

constexpr int kProgressMaximum = 460;
constexpr int kReadProgressStep = 25;
constexpr int kWriteProgressStep = 10;
constexpr int kTimeoutTicks = 6;
constexpr int kResultTicks = 10;

const std::string kAckText = "06";
const std::string kModelIdText = "4B56393134";  // "KV914"
constexpr std::size_t kIdentityDigits = 16;
constexpr std::size_t kReadReplyDigits = 2 * (4 + kReadBlockSize);
constexpr std::size_t kPasswordReplyDigits = 2 * (4 + kPasswordLength);
// Between two frames a 9600-baud line carries at most the 3 s of the time-out,
// under 6000 digits, so a real radio never comes near this. A device that is
// no radio (or a pseudo-terminal, which has no speed) can pour in megabytes,
// and after a transfer bytes would pile up until the next start. Text this
// long can never become a reply, so the bytes past it are not kept.
constexpr std::size_t kRxTextLimit = 65536;

void appendHex(std::string& text, std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
}

std::string hexWord(int value) {
    std::string text;
    appendHex(text, static_cast<std::uint8_t>((value >> 8) & 0xFF));
    appendHex(text, static_cast<std::uint8_t>(value & 0xFF));
    return text;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Byte k of a hex text. An image too short or not hex at that place must not
// send garbage or read past its end; 0xFF is what the radio takes as
// "unprogrammed".
std::uint8_t hexTextByte(const std::string& text, std::size_t k) {
    if (2 * k + 1 >= text.size()) return 0xFF;
    const int high = hexDigit(text[2 * k]);
    const int low = hexDigit(text[2 * k + 1]);
    if (high < 0 || low < 0) return 0xFF;
    return static_cast<std::uint8_t>(high * 16 + low);
}

// Read requests, write blocks and the radio's data replies all begin with a
// command byte, the radio address (high byte first) and the data length.
std::vector<std::uint8_t> frameHead(std::uint8_t command, int address, int length) {
    return {command, static_cast<std::uint8_t>((address >> 8) & 0xFF),
            static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(length)};
}

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

LinkEngine::LinkEngine(LinkHost& host, Language language) : host_(host), language_(language) {}

bool LinkEngine::busy() const {
    return !linkFinished_ || resultShowing_;
}

std::string LinkEngine::text(LinkText which) const {
    return linkText(which, language_);
}

void LinkEngine::setTimer1(bool running) {
    timer1_ = running;
    host_.setTimer1Running(running);
}

void LinkEngine::setTimer2(bool running) {
    timer2_ = running;
    host_.setTimer2Running(running);
}

void LinkEngine::enableCommands(bool enabled) {
    commandsEnabled_ = enabled;
    host_.setCommandsEnabled(enabled);
}

void LinkEngine::setProgressValue(int value) {
    progress_ = std::min(value, kProgressMaximum);
    host_.setProgress(progress_);
}

// Every frame goes out here, so every frame re-arms the time-out.
void LinkEngine::send(std::vector<std::uint8_t> frame) {
    sendBuffer_ = std::move(frame);
    rxText_.clear();
    idleTicks_ = 0;
    host_.writeFrame(sendBuffer_);
}

bool LinkEngine::portReady() {
    if (host_.portIsOpen()) return true;
    std::string message = text(LinkText::PortNotOpen);
    const std::string reason = host_.portNotOpenReason(language_);
    if (!reason.empty()) message += "\n" + reason;
    host_.showMessage(message, StyleInformation);
    return false;
}

// A result display still blinking from the last transfer belongs to it; left
// on, its tenth tick would stop the new transfer's blinking half way.
void LinkEngine::beginTransferState() {
    resultShowing_ = false;
    resultBlinks_ = 0;
    linkStep_ = 1;
    linkFinished_ = false;
}

bool LinkEngine::startRead() {
    return startTransfer("R");
}
bool LinkEngine::startWrite() {
    return startTransfer("W");
}

bool LinkEngine::startTransfer(const std::string& mode) {
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
    blocksTotal_ = mode == "W" ? writeBlockCount() : (kReadEnd - kFirstAddress) / kReadBlockSize;
    host_.prepareForTransfer();
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
    host_.setStatusText(text(LinkText::Communicating));
    setTimer1(true);
    setTimer2(true);
}

void LinkEngine::breakSeen() {
    breakSeen_ = true;
}

void LinkEngine::received(const std::vector<std::uint8_t>& bytes) {
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
    } else if (linkMode_ == "W") {
        handleWriteReply();
    } else if (linkMode_ == "R") {
        handleReadReply();
    }
}

void LinkEngine::handleHandshake() {
    if (linkStep_ != 1) {
        handlePasswordExchange();
        return;
    }
    if (rxText_ == kAckText) {
        rxText_.clear();
        send({kProceed});
        return;
    }
    const bool identity =
        rxText_.size() == kIdentityDigits && rxText_.find(kModelIdText) != std::string::npos;
    if (!identity) return;
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
        if (host_.loginMode() && passwordChangePending_) {
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
        if (radioPassword.empty() || radioPassword != host_.passwordBoxText()) {
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
    const std::string password = trimBlanks(host_.commPassword());
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
    host_.showMessage(text(LinkText::PasswordWrong), StylePlain);
    host_.setStatusVisible(false);
    setTimer2(false);
    enableCommands(true);
    host_.transferEnded(LinkOutcome::PasswordWrong);
}

void LinkEngine::passwordAccepted() {
    send({kEnd});
    linkFinished_ = true;
    host_.setStatusText(text(LinkText::PasswordChanged));
    resultShowing_ = true;
    setTimer1(false);
    host_.transferEnded(LinkOutcome::PasswordChanged);
}

void LinkEngine::beginDataTransfer() {
    linkPhase_ = 0;
    blockAddress_ = kFirstAddress;
    writeImage_ = host_.encodeImage();
    readData_.clear();
    blocksDone_ = 0;
    acknowledgedAddresses_.clear();
    if (linkMode_ == "W") blocksTotal_ = writeBlockCount();
    progress_ = 0;
    host_.showProgress(kProgressMaximum);
    rxText_.clear();
    send({kAck});
}

// The tuning values go out only when unlocked, the password only in
// LoginMode; filler, DTMF codes and test channels never do.
int LinkEngine::nextWriteAddress(int address) {
    if (address == 0x0180 && !host_.debugUnlocked()) address = 0x01B0;
    if (address == 0x0190) address = 0x01B0;
    if (address == 0x01C0 && !host_.loginMode()) address = 0x01D0;
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
            host_.decodeImage(readData_);
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
    host_.setStatusText(text(successText));
    resultShowing_ = true;
    resultBlinks_ = 0;
    host_.hideProgress();
    setTimer1(false);
    linkFinished_ = true;
    send({kEnd});
    host_.transferEnded(outcome);
}

void LinkEngine::timer1Tick() {
    if (!timer1_) return;
    if (++idleTicks_ < kTimeoutTicks) return;
    idleTicks_ = 0;
    rxText_.clear();
    linkFinished_ = true;
    setTimer1(false);
    host_.setStatusVisible(false);
    setTimer2(false);
    host_.showMessage(text(LinkText::CommunicationError), StyleCritical);
    enableCommands(true);
    host_.hideProgress();
    send({kEnd});
    host_.transferEnded(LinkOutcome::TimedOut);
}

bool LinkEngine::cancel() {
    if (linkFinished_) return false;
    rxText_.clear();
    linkFinished_ = true;
    setTimer1(false);
    host_.setStatusVisible(false);
    setTimer2(false);
    enableCommands(true);
    host_.hideProgress();
    send({kEnd});
    host_.transferEnded(LinkOutcome::Cancelled);
    return true;
}

void LinkEngine::timer2Tick() {
    if (!timer2_) return;
    host_.toggleStatusVisible();
    if (!resultShowing_) return;
    if (++resultBlinks_ < kResultTicks) return;
    resultBlinks_ = 0;
    resultShowing_ = false;
    host_.setStatusVisible(false);
    setTimer2(false);
    enableCommands(true);
}

}  // namespace pl63::link
