#pragma once
// Serial port numbers 1 to 20 and the devices behind them, and the probe that
// finds out which of them can be opened. On Windows number n is COMn; elsewhere
// the `ports` file of the settings folder and then the system's serial ports
// give the devices (see settings/port_map.h).
#include <QSerialPort>
#include <QString>
#include <array>
#include <string>
#include <vector>

#include "codec/bilingual.h"
#include "settings/port_map.h"

namespace pl63::link {

enum class PortState {
    Open,
    Busy,          // another program holds it
    NoPermission,  // the user may not open the device
    NotPresent,    // no such device, or no hardware behind it
    NotSerial,     // exists, but is a file, a folder or a device that is no terminal
};

// A short reason in one language, "" for Open. NoPermission carries the hint
// to add the user to the dialout group.
QString portStateText(PortState state, Language language);

// The machine's own serial devices, as system paths in no particular order:
// the port numbers they get follow settings::orderSerialDevices. None on
// Windows, where number n is simply COMn.
std::vector<std::string> systemSerialPorts();

// The devices for port numbers 1..20 ([number - 1]); empty where nothing
// stands behind a number. The `ports` file comes first, then `systemPorts`
// (by default the machine's, listed now).
std::array<QString, settings::kPortCount> portDevices();
std::array<QString, settings::kPortCount> portDevices(const std::vector<std::string>& systemPorts);
QString portDevice(int number);

// 9600 baud 8-N-1, no flow control, raw; opens `device` on `port` (closing
// whatever it had open). The modem lines are left alone: pseudo-terminals and
// some adapters refuse DTR/RTS, and the radio's cable does not need them.
// `systemReason`, when given, receives the system's own words for a failure.
PortState openSerialPort(QSerialPort& port, const QString& device,
                         QString* systemReason = nullptr);

struct PortProbe {
    std::array<PortState, settings::kPortCount> states{};  // [number - 1]
    std::array<QString, settings::kPortCount> devices;     // [number - 1], may be empty
    int opened = 0;  // the port left open on `port`, 0 when none could be opened
};

// Tries to open each of the ports 1..20 and records why a port failed; then
// opens SavedPort if it opened during the probe, else the first port that did.
PortProbe probePorts(QSerialPort& port, int savedPort);
PortProbe probePorts(QSerialPort& port, int savedPort,
                     const std::array<QString, settings::kPortCount>& devices);

}  // namespace pl63::link
