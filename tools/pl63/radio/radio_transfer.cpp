#include "radio_transfer.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <iomanip>

#include "cli_command.h"
#include "link/transfer_report.h"
#include "settings/port_map.h"
#include "stop_signals.h"

namespace pl63::cli {
namespace {

// A radio leaves programming mode on the end frame; give it a moment before
// the read-back of --verify opens the next session.
constexpr int kPauseBeforeVerifyMs = 300;

const Bilingual kInterrupted{"已中断", "Interrupted"};
const Bilingual kVerifyStopped{"写频已完成，但校验用的回读没有完成：",
                               "The write went through, but the read-back for --verify did not:"};

}  // namespace

QCoreApplication& coreApplication() {
    static int argc = 1;
    static char name[] = "pl63";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? QCoreApplication::instance()
                                                                : new QCoreApplication(argc, argv);
    return *app;
}

int runTransfer(TerminalLink& link, const TransferRequest& request, std::ostream& err,
                WrittenBlocks* written) {
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
    bool stopped = false;
    bool verifying = false;
    bool pausedForVerify = false;
    const auto leaveLoop = [&app] {
        // The engine may still be inside its handler; leave once it is out.
        QTimer::singleShot(0, &app, [&app] { app.exit(); });
    };
    link.onEnded = [&](link::LinkOutcome outcome) {
        using link::LinkOutcome;
        link::LinkEngine& engine = link.engine();
        if (outcome == LinkOutcome::WriteSucceeded && request.verify && written) {
            verifying = true;
            pausedForVerify = true;
            written->image = engine.WriteImage();
            written->addresses = engine.acknowledgedAddresses();
            QTimer::singleShot(kPauseBeforeVerifyMs, &app, [&] {
                pausedForVerify = false;
                if (!stopped && engine.startRead()) return;
                exitCode = stopped ? StopSignals::exitCode() : ExitTimeout;
                app.exit();
            });
            return;
        }
        if (outcome == LinkOutcome::ReadSucceeded || outcome == LinkOutcome::WriteSucceeded) {
            exitCode = ExitOk;
        } else {
            if (outcome == LinkOutcome::Cancelled)
                err << "pl63: " << kInterrupted.in(request.language) << "\n";
            const bool write = engine.LinkMode() == "W";
            if (verifying) {
                err << "pl63: " << kVerifyStopped.in(request.language) << "\n";
            }
            err << "pl63: "
                << link::stoppedTransferText(write, engine.blocksDone(), engine.blocksTotal())
                       .in(request.language)
                << "\n";
            exitCode = outcome == LinkOutcome::Cancelled ? StopSignals::exitCode() : ExitTimeout;
        }
        leaveLoop();
    };

    // Ctrl-C or SIGTERM: the transfer ends with its end frame, as after a
    // time-out, so the radio leaves programming mode.
    std::unique_ptr<QSocketNotifier> stopNotifier;
    if (StopSignals::wakeDescriptor() >= 0) {
        stopNotifier =
            std::make_unique<QSocketNotifier>(StopSignals::wakeDescriptor(), QSocketNotifier::Read);
        QObject::connect(stopNotifier.get(), &QSocketNotifier::activated, &app, [&] {
            char drain[16];
            while (::read(StopSignals::wakeDescriptor(), drain, sizeof drain) > 0) {
            }
            stopped = true;
            if (link.engine().cancel()) return;
            // Between the write and its read-back nothing runs. A transfer that
            // has just ended keeps its result: a finished read is still saved.
            if (!pausedForVerify) return;
            exitCode = StopSignals::exitCode();
            app.exit();
        });
    }

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
