#pragma once
// The read/write protocol with the radio as a state machine fed by events:
// commands, received bytes, a break on the line and the two timer ticks.
// No clock and no I/O inside; everything it does goes through its host: the
// port (frames, timers), the view (status, progress, messages) and the data
// (flags, passwords, the image).
#include <cstdint>
#include <string>
#include <vector>

#include "codec/bilingual.h"
#include "link/link_host.h"
#include "link/link_texts.h"

namespace pl63::link {

class LinkEngine {
public:
    using Mode = pl63::link::LinkMode;

    explicit LinkEngine(LinkHost& host, Language language = Language::Chinese);
    // A host in parts: a headless one passes a plain LinkView, which shows
    // nothing.
    LinkEngine(LinkPort& port, LinkView& view, LinkData& data,
               Language language = Language::Chinese);

    void setLanguage(Language language) { language_ = language; }

    // Commands; each returns true when a transfer started. Read and Write
    // report a closed port and do nothing else. While a transfer is still
    // running (LinkFinished false) every start is refused without a word: the
    // password window stays usable during a read or write, and a second start
    // would tear the running dialogue apart.
    bool startRead();
    bool startWrite();
    // The password window's start: password opening, PasswordChangePending set;
    // LinkMode, the toolbar and the menu stay as they are.
    bool startPasswordTransfer();
    // Stops a running transfer at the user's request (Ctrl-C, a Cancel
    // button). The frame in flight gets its answer first, so that a write
    // block the radio takes is counted and the count the user is told is the
    // radio's; then the end frame tells the radio to leave programming mode,
    // the timers stop and the commands return, without the communication-
    // error message. Until then (a few milliseconds; two Timer1 ticks from a
    // radio that no longer answers) the transfer still runs; a second cancel
    // ends it at once. Returns false when no transfer was running.
    bool cancel();

    // Events.
    void received(const std::vector<std::uint8_t>& bytes);
    void breakSeen();
    void timer1Tick();
    void timer2Tick();

    // State, for the host and the tests.
    Mode LinkMode() const { return linkMode_; }
    int LinkPhase() const { return linkPhase_; }
    int LinkStep() const { return linkStep_; }
    bool LinkFinished() const { return linkFinished_; }
    const std::string& RxText() const { return rxText_; }
    int BlockAddress() const { return blockAddress_; }
    const std::string& ReadData() const { return readData_; }
    const std::string& WriteImage() const { return writeImage_; }
    int IdleTicks() const { return idleTicks_; }
    bool ResultShowing() const { return resultShowing_; }
    int ResultBlinks() const { return resultBlinks_; }
    bool PasswordChangePending() const { return passwordChangePending_; }
    bool PasswordSent() const { return passwordSent_; }
    int progress() const { return progress_; }
    bool timer1Running() const { return timer1_; }
    bool timer2Running() const { return timer2_; }
    // True from a start until the commands are enabled again.
    bool busy() const;

    // How far the running (or last) read or write got: data blocks the radio
    // acknowledged (write) or delivered (read), of how many the transfer has
    // (16 for a read, 29 to 31 for a write by the login and tuning flags). A
    // write that stops half way leaves the radio with a mix of old and new
    // blocks, which the user has to be told.
    int blocksDone() const { return blocksDone_; }
    int blocksTotal() const { return blocksTotal_; }
    // Radio addresses of the write blocks the radio acknowledged, in order.
    const std::vector<int>& acknowledgedAddresses() const { return acknowledgedAddresses_; }

private:
    // Implementation detail; see link_engine.cpp.
    bool startTransfer(Mode mode);
    bool portReady();
    void beginTransferState();
    // The opening frame of any transfer, the status text and both timers.
    void sendOpening(const std::vector<std::uint8_t>& opening);
    void send(std::vector<std::uint8_t> frame);
    void setProgressValue(int value);
    void handleHandshake();
    void handlePasswordExchange();
    void beginDataTransfer();
    int writeBlockCount();
    // The next address a write sends from `address` on, past the ranges
    // that are not written.
    int nextWriteAddress(int address);
    void handleWriteReply();
    void handleReadReply();
    void complete(LinkText successText, LinkOutcome outcome);
    void endCancelled();
    void passwordRefused();
    void passwordAccepted();
    std::vector<std::uint8_t> passwordBlock();
    void enableCommands(bool enabled);
    std::string text(LinkText which) const;
    void setTimer1(bool running);
    void setTimer2(bool running);

    LinkPort& port_;
    LinkView& view_;
    LinkData& data_;
    Language language_;

    Mode linkMode_ = Mode::None;
    int linkPhase_ = 0;
    int linkStep_ = 0;
    bool linkFinished_ = true;
    std::string rxText_;
    std::vector<std::uint8_t> sendBuffer_;
    int blockAddress_ = 0;
    std::string writeImage_;
    std::string readData_;
    bool breakSeen_ = false;
    int idleTicks_ = 0;
    bool resultShowing_ = false;
    int resultBlinks_ = 0;
    bool passwordChangePending_ = false;
    bool passwordSent_ = false;
    int progress_ = 0;
    bool timer1_ = false;
    bool timer2_ = false;
    bool commandsEnabled_ = true;
    bool stopping_ = false;           // cancelled, waiting for the answer to the last frame
    std::size_t awaitedDigits_ = 0;   // of the answer to the last frame sent
    std::size_t answeredDigits_ = 0;  // received since it was sent
    std::size_t staleDigits_ = 0;     // of an answer a cancel did not wait for
    int blocksDone_ = 0;
    int blocksTotal_ = 0;
    std::vector<int> acknowledgedAddresses_;
};

}  // namespace pl63::link
