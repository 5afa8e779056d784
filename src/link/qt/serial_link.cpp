#include "link/qt/serial_link.h"

#include <QByteArray>
#include <QElapsedTimer>

namespace pl63::link {
namespace {

constexpr int kTimer1Interval = 500;  // link time-out ticks
constexpr int kTimer2Interval = 200;  // status blinking, result display

}  // namespace

SerialLink::SerialLink(Language language, LinkView* view, QObject* parent)
    : QObject(parent), engine_(*this, view ? *view : *this, *this, language) {
    // The time-out must strike 2.5 to 3 s after the last frame, so the ticks
    // may not drift by the few percent a coarse timer allows.
    timer1_.setTimerType(Qt::PreciseTimer);
    timer1_.setInterval(kTimer1Interval);
    timer2_.setTimerType(Qt::PreciseTimer);
    timer2_.setInterval(kTimer2Interval);
    connect(&timer1_, &QTimer::timeout, this, [this] { engine_.timer1Tick(); });
    connect(&timer2_, &QTimer::timeout, this, [this] { engine_.timer2Tick(); });
    connect(&port_, &QSerialPort::readyRead, this, &SerialLink::onReadyRead);
    connect(&port_, &QSerialPort::errorOccurred, this, &SerialLink::onError);
}

SerialLink::~SerialLink() {
    timer1_.stop();
    timer2_.stop();
    port_.close();
}

PortState SerialLink::openPort(const QString& device) {
    return openSerialPort(port_, device);
}

void SerialLink::closePort() {
    port_.close();
}

void SerialLink::flushOutput(int msecs) {
    QElapsedTimer clock;
    clock.start();
    while (port_.isOpen() && port_.bytesToWrite() > 0 && clock.elapsed() < msecs) {
        if (!port_.waitForBytesWritten(static_cast<int>(msecs - clock.elapsed()))) break;
    }
}

void SerialLink::feedUntilFinished(int limitMs) {
    QElapsedTimer clock;
    clock.start();
    // waitForReadyRead emits readyRead, which hands the bytes to the engine.
    while (!engine_.LinkFinished() && port_.isOpen() && clock.elapsed() < limitMs) {
        if (!port_.waitForReadyRead(static_cast<int>(limitMs - clock.elapsed()))) break;
    }
}

bool SerialLink::portIsOpen() {
    return port_.isOpen();
}

void SerialLink::writeFrame(const std::vector<std::uint8_t>& frame) {
    // Errors are the engine's business only through its time-out: a frame that
    // cannot be written is simply not answered.
    if (!port_.isOpen()) return;
    port_.write(reinterpret_cast<const char*>(frame.data()), static_cast<qint64>(frame.size()));
    // Hand the frame to the driver now instead of on the next event loop pass,
    // so the radio's reply clock starts at once.
    port_.flush();
}

void SerialLink::setTimer1Running(bool running) {
    // Enabling a running timer does not restart it: the time-out counts ticks
    // of a free-running timer, which is why it strikes 2.5 to 3 s after a frame.
    if (running && !timer1_.isActive()) {
        timer1_.start();
    } else if (!running) {
        timer1_.stop();
    }
}

void SerialLink::setTimer2Running(bool running) {
    if (running && !timer2_.isActive()) {
        timer2_.start();
    } else if (!running) {
        timer2_.stop();
    }
}

void SerialLink::onReadyRead() {
    const QByteArray bytes = port_.readAll();
    if (bytes.isEmpty()) return;
    engine_.received(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

void SerialLink::onError(QSerialPort::SerialPortError error) {
    switch (error) {
        case QSerialPort::ReadError:
        case QSerialPort::WriteError:
        case QSerialPort::ResourceError:
            // The cable was pulled or the far end went away. Closing at once
            // stops a flood of further errors; the engine's time-out then ends
            // the transfer with its message, as for a silent radio.
            port_.close();
            break;
        default:
            // Pseudo-terminals refuse modem-line and break requests
            // (UnsupportedOperationError), time-outs of blocking waits and the
            // like change nothing for the engine.
            break;
    }
}

}  // namespace pl63::link
