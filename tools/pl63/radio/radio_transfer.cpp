#include "radio_transfer.h"

#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <iomanip>

#include "cli_command.h"
#include "stop_signals.h"
#include "transfer_session.h"

namespace pl63::cli {

QCoreApplication& coreApplication() {
    static int argc = 1;
    static char name[] = "pl63";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = QCoreApplication::instance() ? QCoreApplication::instance()
                                                                : new QCoreApplication(argc, argv);
    return *app;
}

std::unique_ptr<QSocketNotifier> watchStopSignals(std::function<void()> onStop) {
    if (StopSignals::wakeDescriptor() < 0) return nullptr;
    auto notifier =
        std::make_unique<QSocketNotifier>(StopSignals::wakeDescriptor(), QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, &coreApplication(),
                     [onStop = std::move(onStop)] {
                         char drain[16];
                         while (::read(StopSignals::wakeDescriptor(), drain, sizeof drain) > 0) {
                         }
                         onStop();
                     });
    return notifier;
}

int runTransfer(TerminalLink& link, const TransferRequest& request, std::ostream& err,
                WrittenBlocks* written, std::vector<int>* notKept) {
    QCoreApplication& app = coreApplication();
    TransferSession session(link, request);
    const auto printNotes = [&] {
        for (const std::string& note : session.notes()) err << "pl63: " << note << "\n";
    };
    // Ctrl-C or SIGTERM: the transfer ends with its end frame, as after a
    // time-out, so the radio leaves programming mode.
    const auto stopWatch = watchStopSignals([&session] { session.cancel(); });
    session.onFinished = [&app] { app.exit(); };
    if (!session.start()) {
        printNotes();
        return session.exitCode();
    }
    if (request.verbose && session.portState() == link::PortState::Open) {
        err << "pl63: port " << session.shownName().toStdString() << " = "
            << session.device().toStdString() << "\n";
    }
    app.exec();
    session.closePort();
    printNotes();
    if (request.verbose) {
        err << "pl63: transfer took " << std::fixed << std::setprecision(3) << link.seconds()
            << " s\n";
    }
    if (written) *written = session.written();
    if (notKept) *notKept = session.notKept();
    return session.exitCode();
}

}  // namespace pl63::cli
