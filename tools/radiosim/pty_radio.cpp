#include "pty_radio.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/inotify.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

#include "codec/dat_file.h"
#include "codec/layout.h"
#include "codec/safe_file.h"

namespace pl63::radiosim {
namespace {

using Clock = PacedLine::Clock;

// While nobody has the device open the master reports a hang-up all the
// time, so waiting on it would spin. A watch on the device node wakes us when
// a PC opens it; the periodic look is only a fallback where watches fail.
constexpr auto kHangupRecheck = std::chrono::milliseconds(50);
// Bytes still in the pseudo-terminal when the master closes are lost to the
// PC; a pulled cable happens after the last reply has arrived.
constexpr auto kVanishGrace = std::chrono::milliseconds(50);

}  // namespace

PtyRadio::PtyRadio(SimOptions options) : options_(std::move(options)) {
    simulator_.setFaults(options_.faults);
}

PtyRadio::~PtyRadio() {
    if (master_ >= 0) ::close(master_);
    if (openWatch_ >= 0) ::close(openWatch_);
    if (!options_.link.empty()) ::unlink(options_.link.c_str());
}

std::string PtyRadio::open(std::string& error) {
    // A save that can never succeed is found out now, not after a session.
    if (!options_.save.empty()) {
        if (Status writable = checkWritable(options_.save); !writable) {
            error = "--save: " + writable.error().en;
            return {};
        }
    }
    if (!options_.load.empty()) {
        auto image = readDatFile(options_.load);
        if (!image) {
            error = options_.load + ": " + image.error().en;
            return {};
        }
        auto& memory = simulator_.memory();
        memory.fill(0xFF);
        std::copy_n(image.value().bytes().begin(), std::min(memory.size(), image.value().size()),
                    memory.begin());
    }

    int slave = -1;
    char name[256] = {};
    if (::openpty(&master_, &slave, name, nullptr, nullptr) != 0) {
        error = std::string("openpty: ") + std::strerror(errno);
        return {};
    }
    // Raw both ways: no echo, no line editing, no CR/LF translation, every byte
    // as it is. The PC's serial library sets the same when it opens the device.
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B9600);
    ::cfsetospeed(&raw, B9600);
    ::tcsetattr(slave, TCSANOW, &raw);
    // Only the PC holds the slave from now on; the master stays open for the
    // whole run, so the device path stays valid between sessions.
    ::close(slave);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = name;
    openWatch_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (openWatch_ >= 0 && ::inotify_add_watch(openWatch_, name, IN_OPEN) < 0) {
        ::close(openWatch_);
        openWatch_ = -1;
    }

    if (!options_.link.empty()) {
        ::unlink(options_.link.c_str());
        if (::symlink(slavePath_.c_str(), options_.link.c_str()) != 0) {
            error = options_.link + ": " + std::strerror(errno);
            return {};
        }
    }
    return slavePath_;
}

void PtyRadio::sessionEnded() {
    if (!options_.save.empty()) {
        const auto& memory = simulator_.memory();
        const std::vector<std::uint8_t> image(memory.begin(), memory.begin() + layout::kImageSize);
        if (Status saved = writeDatFile(options_.save, MemoryImage(image)); !saved) {
            std::cerr << "pl63-radiosim: --save: " << saved.error().en << "\n";
            saveFailed_ = true;
        }
    }
    simulator_.resetSession();
    if (options_.once) finished_ = true;
}

void PtyRadio::deliverArrived(Clock::time_point now) {
    Clock::time_point arrived{};
    const auto bytes = line_.takeArrived(now, arrived);
    if (bytes.empty()) return;
    for (const auto& output : simulator_.receive(bytes)) {
        // A break reaches a PC's UART as a 0x00 byte, which the simulator has
        // already put in front; a pseudo-terminal cannot carry more of it.
        line_.toPc(output.bytes, arrived);
    }
    if (options_.vanishAfter >= 0 && simulator_.blocksTransferred() >= options_.vanishAfter) {
        vanishPending_ = true;
        return;
    }
    if (simulator_.sessionEnded()) sessionEnded();
}

bool PtyRadio::vanishIfDue(Clock::time_point now) {
    if (!vanishPending_ || line_.outgoingPending()) return false;
    if (!vanishAt_) vanishAt_ = now + kVanishGrace;
    if (now < *vanishAt_) return false;
    // The cable is pulled: the PC's port reports a hang-up from now on.
    ::close(master_);
    master_ = -1;
    finished_ = true;
    return true;
}

void PtyRadio::writeDue(Clock::time_point now) {
    auto due = line_.takeDue(now);
    if (due.empty()) return;
    if (peerGone_) return;  // nobody listens; the bytes are lost as on a dead line
    const ssize_t written = ::write(master_, due.data(), due.size());
    if (written < 0 && (errno == EAGAIN || errno == EINTR)) {
        line_.putBack(due, 0);
    } else if (written >= 0 && static_cast<std::size_t>(written) < due.size()) {
        line_.putBack(due, static_cast<std::size_t>(written));
    }
}

void PtyRadio::readFromPc(Clock::time_point now) {
    std::uint8_t buffer[4096];
    for (;;) {
        const std::size_t room = std::min(sizeof buffer, line_.incomingRoom());
        if (room == 0) return;  // the rest waits in the pseudo-terminal, and so does its writer
        const ssize_t count = ::read(master_, buffer, room);
        if (count > 0) {
            peerGone_ = false;
            line_.fromPc(buffer, static_cast<std::size_t>(count), now);
            continue;
        }
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 && errno == EAGAIN) return;
        // EIO (or end of file): the PC closed the device. What it sent before
        // still arrives; a session it left half way is over for the radio.
        if (!peerGone_) line_.dropOutgoing();
        peerGone_ = true;
        return;
    }
}

int PtyRadio::run(const volatile std::sig_atomic_t& stop, const sigset_t* waitMask) {
    while (!stop && !finished_) {
        Clock::time_point now = Clock::now();
        if (!vanishPending_) deliverArrived(now);
        writeDue(now);
        if (vanishIfDue(now)) break;

        if (peerGone_ && !line_.incomingPending() && !simulator_.framesSeen().empty() &&
            !simulator_.sessionEnded()) {
            simulator_.resetSession();
        }

        // Wait for PC bytes or until the next byte is due on the line.
        timespec timeout{};
        timespec* timeoutPtr = nullptr;
        auto next = line_.nextEvent();
        if (vanishAt_ && (!next || *vanishAt_ < *next)) next = vanishAt_;
        Clock::duration wait =
            next ? std::max(Clock::duration::zero(), *next - Clock::now()) : Clock::duration::max();
        if (peerGone_) wait = std::min<Clock::duration>(wait, kHangupRecheck);
        if (wait != Clock::duration::max()) {
            const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(wait).count();
            timeout.tv_sec = ns / 1'000'000'000;
            timeout.tv_nsec = ns % 1'000'000'000;
            timeoutPtr = &timeout;
        }

        pollfd fd{master_, POLLIN, 0};
        if (peerGone_) {
            pollfd watch{openWatch_, POLLIN, 0};
            if (::ppoll(&watch, 1, timeoutPtr, waitMask) > 0) {
                char events[4096];
                while (::read(openWatch_, events, sizeof events) > 0) {
                }
            }
            if (::poll(&fd, 1, 0) < 0) continue;
            if (fd.revents & POLLIN) {
                readFromPc(Clock::now());
            } else if (!(fd.revents & POLLHUP)) {
                peerGone_ = false;
            }
            continue;
        }
        // With the line's input full, wait only for the next byte to arrive.
        if (line_.incomingRoom() == 0) fd.fd = -1;
        const int ready = ::ppoll(&fd, 1, timeoutPtr, waitMask);
        if (ready > 0) {
            if (fd.revents & (POLLIN | POLLHUP | POLLERR)) readFromPc(Clock::now());
        }
    }
    return saveFailed_ ? 1 : 0;
}

}  // namespace pl63::radiosim
