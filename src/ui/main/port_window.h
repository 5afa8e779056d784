#pragma once
// FormCOM: which of the serial ports 1 to 20 could be opened, and the choice
// of the one the program keeps open. Loading probes every port once and
// reopens the saved one; afterwards the window is only shown and hidden, so
// ports that appear later are offered at the next start.
#include <QLabel>
#include <QRadioButton>
#include <QSerialPort>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "link/qt/serial_ports.h"
#include "settings/port_map.h"

namespace pl63::ui {

struct AppContext;

class PortWindow : public QWidget {
    Q_OBJECT

public:
    // Probes the ports on `port` and leaves SavedPort (or, failing that, the
    // first port that opened) open on it. Hidden until shown by the caller.
    // `systemPorts` are the machine's serial devices, listed now unless the
    // caller listed them already.
    PortWindow(AppContext& context, QSerialPort& port, QWidget* owner,
               const std::vector<std::string>& systemPorts = link::systemSerialPorts());

    // OptionCOM(i), port i + 1.
    QRadioButton* option(int index) const { return options_[static_cast<std::size_t>(index)]; }
    const link::PortProbe& probe() const { return probe_; }

signals:
    // A click reopened the port; `opened` is false when it no longer opens.
    void portChosen(int number, bool opened);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void choose(int number);
    void describePorts();

    AppContext& context_;
    QSerialPort& port_;
    link::PortProbe probe_;
    std::array<QRadioButton*, settings::kPortCount> options_{};
    QLabel* status_ = nullptr;
};

}  // namespace pl63::ui
