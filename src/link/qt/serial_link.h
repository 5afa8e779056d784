#pragma once
// Hosts the protocol engine on a real serial port: received bytes go to the
// engine as soon as they arrive, its two timers are QTimers, and each frame it
// sends is one write to the port. What the user sees and the image stay
// abstract: the main window derives its presentation from this class, the
// command line hands in a view of its own (or none: LinkView shows nothing).
#include <QObject>
#include <QSerialPort>
#include <QTimer>

#include "link/link_engine.h"
#include "link/link_host.h"
#include "link/qt/serial_ports.h"

namespace pl63::link {

class SerialLink : public QObject, public LinkHost {
    Q_OBJECT

public:
    // `view` shows the transfer; null: this object's own LinkView calls.
    explicit SerialLink(Language language, LinkView* view = nullptr, QObject* parent = nullptr);
    ~SerialLink() override;

    LinkEngine& engine() { return engine_; }
    QSerialPort& port() { return port_; }

    // Opens the device for the engine (closing the previous one).
    PortState openPort(const QString& device);
    void closePort();
    // Lets the frames already handed to the port leave it, at most `msecs`;
    // for the end frame before a tool exits or closes the port.
    void flushOutput(int msecs);
    // Hands the engine what arrives until its transfer has ended, at most
    // `limitMs`: for a window that shows a cancel's end at once, which comes
    // with the radio's answer to the frame in flight.
    void feedUntilFinished(int limitMs);

    // The port half of LinkHost.
    bool portIsOpen() override;
    void writeFrame(const std::vector<std::uint8_t>& frame) override;
    void setTimer1Running(bool running) override;
    void setTimer2Running(bool running) override;

private:
    void onReadyRead();
    void onError(QSerialPort::SerialPortError error);

    QSerialPort port_;
    QTimer timer1_;
    QTimer timer2_;
    LinkEngine engine_;
};

}  // namespace pl63::link
