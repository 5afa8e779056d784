// One undo or redo step, the windows' refresh included, against refreshing
// the windows after an Open: the step may cost at most 1.5 times as much.
// Both alternate between two fully programmed codeplugs, so every refresh
// rewrites the same cells, lists and option windows.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <string>

#include "codec/codeplug.h"
#include "ui/app_context.h"
#include "ui/main/main_window.h"
#include "ui/options/option_windows.h"

namespace {

using Clock = std::chrono::steady_clock;

pl63::Codeplug programmed(int variant) {
    using namespace pl63;
    Codeplug c;
    for (int row = 1; row <= kChannelCount; ++row) {
        const int digit = (row + variant) % 10;
        std::string f = "43" + std::to_string(digit) + ".1" + std::to_string(row % 8) + "250";
        c.channels.setText(row, ColRxFrequency, f);
        c.channels.setText(row, ColTxFrequency, f);
        c.channels.setText(row, ColRxTone, (row + variant) % 2 ? "88.5" : "关闭");
        c.channels.setText(row, ColTxTone, row % 3 ? "D023N" : "关闭");
        c.channels.setText(row, ColPower, (row + variant) % 2 ? "高" : "低");
        c.channels.choices().set(row, ColPower, static_cast<std::int16_t>((row + variant) % 2));
        c.channels.setText(row, ColForbid, "关闭");
        c.channels.setText(row, ColBandWidth, "宽带");
        c.channels.choices().set(row, ColBandWidth, 1);
        c.channels.setText(row, ColScan, "有");
        c.channels.choices().set(row, ColScan, 1);
        c.TestFrequencies[row - 1] = {f, f};
    }
    c.functions.squelchGrade = static_cast<std::int16_t>(2 + variant);
    c.functions.timeOut = static_cast<std::int16_t>(5 + variant);
    c.Pf1Key = 3 + variant;
    c.TxHighPowerTune = 100 + variant;
    c.CommPassword = "1234567" + std::to_string(variant);
    c.EmbeddedInfo = {"PL-63 bench " + std::to_string(variant), "second line"};
    return c;
}

double microsPerStep(Clock::duration elapsed, int steps) {
    return std::chrono::duration<double, std::micro>(elapsed).count() / steps;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    constexpr int kSteps = 100;  // the history keeps 100
    constexpr int kRounds = 5;
    constexpr double kLimit = 1.5;

    // Settings of its own: no parameter file beside the benchmark, and no
    // serial port of the machine opened by the port window.
    QTemporaryDir folder;
    qputenv("PL63_SETTINGS_DIR", QFile::encodeName(folder.path()));
    QFile ports(folder.filePath(QStringLiteral("ports")));
    if (ports.open(QIODevice::WriteOnly)) {
        for (int n = 1; n <= 20; ++n) ports.write(QByteArray("COM") + QByteArray::number(n) + "=/nonexistent\n");
        ports.close();
    }
    pl63::ui::MainWindowStartup startup;
    startup.programFolder = folder.path();
    startup.languageHint = [] { return std::optional<std::int16_t>(); };

    pl63::ui::AppContext context;
    pl63::ui::registerOptionWindows(context);
    pl63::ui::MainWindow window(context, startup);
    window.show();
    context.windows.runDeferred();  // every option window exists, as after the first paint
    QApplication::processEvents();
    const pl63::Codeplug variants[2] = {programmed(0), programmed(1)};

    // Refreshing the views after an Open: the data replaced, every window
    // shown again.
    Clock::duration refresh{};
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < kSteps; ++i) {
            context.document.dataForSetUp() = variants[i % 2];
            window.showDecodedImage();
        }
        refresh += Clock::now() - start;
    }

    // The same number of data changes as undo and redo steps.
    for (int i = 0; i < kSteps; ++i) {
        context.document.change({"步", "step"}, [&](pl63::Codeplug& c) { c = variants[i % 2]; });
    }
    Clock::duration steps{};
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < kSteps - 1; ++i) context.document.undo();
        for (int i = 0; i < kSteps - 1; ++i) context.document.redo();
        steps += Clock::now() - start;
    }

    const double refreshMicros = microsPerStep(refresh, kRounds * kSteps);
    const double stepMicros = microsPerStep(steps, kRounds * 2 * (kSteps - 1));
    std::printf("undo: refresh after an Open %.1f us, one undo or redo step %.1f us\n",
                refreshMicros, stepMicros);
    std::printf("ratio %.2f (limit %.1f)\n", stepMicros / refreshMicros, kLimit);
    return stepMicros / refreshMicros <= kLimit ? 0 : 1;
}
