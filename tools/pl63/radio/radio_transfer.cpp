#include "radio_transfer.h"

#include <QTimer>
#include <iomanip>

#include "cli_command.h"
#include "settings/port_map.h"

namespace pl63::cli {

QCoreApplication& coreApplication() {
    static int argc = 1;
    static char name[] = "pl63";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? QCoreApplication::instance()
                                                                : new QCoreApplication(argc, argv);
    return *app;
}

int runTransfer(TerminalLink& link, const TransferRequest& request, std::ostream& err) {
    QCoreApplication& app = coreApplication();

    QString device;
    QString shownName = QString::fromStdString(request.port);
    const auto parsed = settings::parsePortArgument(request.port);
    if (!parsed) {
        err << "pl63: --port takes a device path or a port number 1 to 20\n";
        return ExitUsage;
    }
    device = parsed->number != 0 ? link::portDevice(parsed->number)
                                 : QString::fromStdString(parsed->device);
    if (parsed->number != 0) shownName = QStringLiteral("COM%1").arg(parsed->number);
    const link::PortState state = link.openPort(device);
    if (request.verbose && state == link::PortState::Open) {
        err << "pl63: port " << shownName.toStdString() << " = " << device.toStdString() << "\n";
    }

    int exitCode = ExitTimeout;
    link.onEnded = [&](link::LinkOutcome outcome) {
        const bool ok = outcome == link::LinkOutcome::ReadSucceeded ||
                        outcome == link::LinkOutcome::WriteSucceeded;
        exitCode = ok ? ExitOk : ExitTimeout;
        // The engine is still inside its handler; leave the loop once it is out.
        QTimer::singleShot(0, &app, [&app] { app.exit(); });
    };

    link.startClock();
    const bool started = request.write ? link.engine().startWrite() : link.engine().startRead();
    if (!started) {
        err << "pl63: " << shownName.toStdString();
        if (!device.isEmpty() && device != shownName) err << " (" << device.toStdString() << ")";
        err << ": " << link::portStateText(state, request.language).toStdString() << "\n";
        return ExitPortNotOpen;
    }
    app.exec();

    // The end frame tells the radio the session is over; let it leave the port
    // before the port closes with the program.
    link.flushOutput(1000);
    link.closePort();
    if (request.verbose) {
        err << "pl63: transfer took " << std::fixed << std::setprecision(3) << link.seconds()
            << " s\n";
    }
    return exitCode;
}

}  // namespace pl63::cli
