#include "link/qt/serial_ports.h"

#include <QSerialPortInfo>
#include <QtGlobal>
#include <string>
#include <vector>

#include "settings/serial_device_scan.h"

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace pl63::link {
namespace {

// When Qt reports a permission error the device exists; whether the user may
// open it at all tells a permission problem from a port another program holds
// (Qt's lock file and exclusive mode give the same error code).
PortState classifyPermissionError(const QString& device) {
#ifdef Q_OS_WIN
    Q_UNUSED(device);
    return PortState::Busy;
#else
    const QByteArray path = device.toLocal8Bit();
    return ::access(path.constData(), R_OK | W_OK) == 0 ? PortState::Busy : PortState::NoPermission;
#endif
}

// Qt reports a path that is no serial port much like a missing one; the user
// who typed /dev/null or a file name deserves to hear which it is.
PortState classifyOtherError(const QString& device) {
#ifdef Q_OS_WIN
    Q_UNUSED(device);
    return PortState::NotPresent;
#else
    const QByteArray path = device.toLocal8Bit();
    struct stat info {};
    if (::stat(path.constData(), &info) != 0) return PortState::NotPresent;
    if (!S_ISCHR(info.st_mode)) return PortState::NotSerial;
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return PortState::NotPresent;
    const bool terminal = ::isatty(fd) == 1;
    ::close(fd);
    return terminal ? PortState::NotPresent : PortState::NotSerial;
#endif
}

// Qt looks for a name without a leading "/", "./" or "../" under /dev, which
// is right for "ttyUSB0" but makes "dir/tty" (a link the user made beside
// their files) "/dev/dir/tty". A name with a slash in it is a path.
QString qtPortName(const QString& device) {
#ifdef Q_OS_WIN
    return device;
#else
    const bool qtTakesItAsAPath = device.startsWith(QLatin1Char('/')) ||
                                  device.startsWith(QLatin1String("./")) ||
                                  device.startsWith(QLatin1String("../"));
    if (qtTakesItAsAPath || !device.contains(QLatin1Char('/'))) return device;
    return QStringLiteral("./") + device;
#endif
}

}  // namespace

QString portStateText(PortState state, Language language) {
    static const Bilingual texts[] = {
        {"", ""},
        {"端口被其他程序占用", "in use by another program"},
        {"没有权限打开端口，请把用户加入 dialout 组",
         "no permission to open it: add the user to the dialout group"},
        {"端口不存在", "not present"},
        {"不是串口", "not a serial port"},
    };
    return QString::fromStdString(texts[static_cast<int>(state)].str(language));
}

std::vector<std::string> systemSerialPorts() {
#if defined(Q_OS_LINUX)
    // QSerialPortInfo asks udev about every terminal the kernel knows, a good
    // part of the window program's start-up; sysfs answers at once.
    return settings::scanSerialDevices();
#elif defined(Q_OS_WIN)
    return {};  // number n is simply COMn
#else
    std::vector<std::string> system;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        system.push_back(info.systemLocation().toStdString());
    }
    return system;
#endif
}

std::array<QString, settings::kPortCount> portDevices() {
    return portDevices(systemSerialPorts());
}

std::array<QString, settings::kPortCount> portDevices(const std::vector<std::string>& systemPorts) {
    std::array<QString, settings::kPortCount> devices;
#ifdef Q_OS_WIN
    Q_UNUSED(systemPorts);
    for (int i = 0; i < settings::kPortCount; ++i) {
        devices[i] = QStringLiteral("COM%1").arg(settings::kFirstPort + i);
    }
#else
    const auto map =
        settings::assignPortNumbers(settings::loadPortMap(settings::settingsFolder()), systemPorts);
    for (const auto& [number, device] : map) {
        devices[number - settings::kFirstPort] = QString::fromStdString(device);
    }
#endif
    return devices;
}

QString portDevice(int number) {
    if (number < settings::kFirstPort || number > settings::kLastPort) return {};
    return portDevices()[number - settings::kFirstPort];
}

PortState openSerialPort(QSerialPort& port, const QString& device, QString* systemReason) {
    if (port.isOpen()) port.close();
    if (systemReason) systemReason->clear();
    if (device.isEmpty()) return PortState::NotPresent;
    port.setPortName(qtPortName(device));
    port.setBaudRate(QSerialPort::Baud9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (port.open(QIODevice::ReadWrite)) {
        // Whatever the line delivered before we opened it belongs to nobody.
        port.clear();
        port.clearError();
        return PortState::Open;
    }
    const auto error = port.error();
    if (systemReason) *systemReason = port.errorString();
    port.clearError();
    if (error == QSerialPort::PermissionError) return classifyPermissionError(device);
    return classifyOtherError(device);
}

PortProbe probePorts(QSerialPort& port, int savedPort) {
    return probePorts(port, savedPort, portDevices());
}

PortProbe probePorts(QSerialPort& port, int savedPort,
                     const std::array<QString, settings::kPortCount>& devices) {
    PortProbe probe;
    probe.devices = devices;
    std::array<bool, settings::kPortCount> available{};
    // Each pass closes the port the one before opened; the last port that
    // opened stays open until the choice is known.
    int lastOpened = 0;
    for (int number = settings::kFirstPort; number <= settings::kLastPort; ++number) {
        const int i = number - settings::kFirstPort;
        if (probe.devices[i].isEmpty()) {
            probe.states[i] = PortState::NotPresent;  // and the open port stays so
            continue;
        }
        probe.states[i] = openSerialPort(port, probe.devices[i]);
        available[i] = probe.states[i] == PortState::Open;
        if (available[i]) lastOpened = number;
    }
    const int chosen = settings::choosePortToOpen(savedPort, available);
    if (chosen != 0 && chosen == lastOpened && port.isOpen()) {
        // Already open from the probe: opening it again would only cost time
        // (the lock file, the line settings) and give the same state.
        probe.opened = chosen;
    } else {
        port.close();
        if (chosen != 0 &&
            openSerialPort(port, probe.devices[chosen - settings::kFirstPort]) == PortState::Open) {
            probe.opened = chosen;
        }
    }
    return probe;
}

}  // namespace pl63::link
