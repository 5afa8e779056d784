// The window's own Read and Write, shown, against the command line's, each
// on a pl63-radiosim of its own, taken in turns: the same engine runs both,
// so the window may add no more than its event loop costs. Prints each
// median over the wire time and over the command line's; goal: within 1 %
// of the command line, or at most 1.04 of the wire time.
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "link_bench_support.h"
#include "ui/app_context.h"
#include "ui/main/gui_link.h"
#include "ui/main/main_window.h"
#include "ui/options/option_windows.h"

namespace fs = std::filesystem;
using namespace pl63;

namespace {

constexpr int kRuns = 7;
constexpr double kGoalOverCli = 1.01;
constexpr double kGoalOverWire = 1.04;
// The success text blinks for 2 s before the commands come back.
constexpr int kResultPauseMs = 2500;

// Runs the event loop until `done` holds, at most `limitMs`.
template <typename Done>
bool runUntil(Done done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs) {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return done();
}

// One Read or Write from the menu, timed as the command line times its own:
// from the command to the end of the transfer. -1 when it did not succeed.
double windowTransferSeconds(ui::MainWindow& window, const char* menuItem) {
    ui::GuiLink& link = window.link();
    if (!runUntil([&] { return !link.engine().busy(); }, kResultPauseMs + 1000)) return -1;
    bool ended = false;
    bool succeeded = false;
    double seconds = -1;
    QElapsedTimer clock;
    QEventLoop loop;
    const auto connection =
        QObject::connect(&link, &ui::GuiLink::transferFinished, [&](link::LinkOutcome outcome) {
            seconds = clock.nsecsElapsed() / 1e9;
            ended = true;
            succeeded = outcome == link::LinkOutcome::ReadSucceeded ||
                        outcome == link::LinkOutcome::WriteSucceeded;
            loop.quit();
        });
    clock.start();
    window.menuAction(menuItem)->trigger();
    if (!ended) loop.exec();
    QObject::disconnect(connection);
    return succeeded ? seconds : -1;
}

void print(const char* what, double window, double cli, double wire) {
    const double overCli = window / cli;
    const double overWire = window / wire;
    std::printf(
        "window %s: %.3f s = %.3f of wire (%.3f s), %.3f of the command line (%.3f s = %.3f of "
        "wire); goal <= %.2f of the command line or <= %.2f of wire: %s\n",
        what, window, overWire, wire, overCli, cli, cli / wire, kGoalOverCli, kGoalOverWire,
        overCli <= kGoalOverCli || overWire <= kGoalOverWire ? "met" : "NOT met");
}

}  // namespace

int main(int argc, char** argv) {
    // Shown on the display there is, or on an offscreen one.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY")) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    const bench::Simulator forWindow(PL63_RADIOSIM);
    const bench::Simulator forCli(PL63_RADIOSIM);
    if (forWindow.device().empty() || forCli.device().empty()) {
        std::cerr << "gui_link_bench: pl63-radiosim did not start\n";
        return 1;
    }

    // A settings folder whose `ports` file puts the window's simulator behind
    // COM1 and nothing behind the other numbers; the parameter file saves COM1.
    const fs::path home =
        fs::temp_directory_path() / ("pl63-gui-link-bench-" + std::to_string(::getpid()));
    fs::create_directories(home);
    {
        std::ofstream ports(home / "ports");
        ports << "COM1=" << forWindow.device() << "\n";
        for (int n = 2; n <= 20; ++n) ports << "COM" << n << "=/nonexistent/pl63-" << n << "\n";
        std::ofstream(home / "parameter", std::ios::binary) << std::string("\x00\x01\x00", 3);
    }
    ::setenv("PL63_SETTINGS_DIR", home.c_str(), 1);
    const std::string dat = (home / "cli.DAT").string();

    std::vector<double> windowReads, windowWrites, cliReads, cliWrites;
    bool ok = true;
    {
        QApplication app(argc, argv);
        ui::AppContext context;
        ui::registerOptionWindows(context);
        ui::MainWindowStartup startup;
        startup.programFolder = QString::fromStdString(home.string());
        startup.languageHint = [] { return std::nullopt; };
        ui::MainWindow window(context, startup);
        window.show();
        runUntil([] { return false; }, 500);  // painted, the deferred windows made
        ok = window.link().portIsOpen();

        for (int i = 0; i < kRuns && ok; ++i) {
            windowReads.push_back(windowTransferSeconds(window, "mnureadFre"));
            windowWrites.push_back(windowTransferSeconds(window, "mnuwriteFre"));
            cliReads.push_back(bench::cliTransferSeconds(
                PL63_CLI, "read --port " + forCli.device() + " -o " + dat));
            cliWrites.push_back(
                bench::cliTransferSeconds(PL63_CLI, "write --port " + forCli.device() + " " + dat));
            ok = windowReads.back() > 0 && windowWrites.back() > 0 && cliReads.back() > 0 &&
                 cliWrites.back() > 0;
        }
        runUntil([&] { return !window.link().engine().busy(); }, kResultPauseMs + 1000);
    }
    fs::remove_all(home);
    if (!ok) {
        std::cerr << "gui_link_bench: a transfer failed\n";
        return 1;
    }
    print("read ", bench::median(windowReads), bench::median(cliReads), bench::kReadWireSeconds);
    print("write", bench::median(windowWrites), bench::median(cliWrites), bench::kWriteWireSeconds);
    return 0;
}
