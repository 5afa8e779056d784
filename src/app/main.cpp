// pl63-gui: the radio programming program.
#include <QApplication>
#include <cstdio>
#include <cstring>

#include "pl63_version.h"
#include "ui/after_first_paint.h"
#include "ui/app_context.h"
#include "ui/first_paint_watch.h"
#include "ui/font_hinting.h"
#include "ui/main/main_window.h"
#include "ui/options/option_windows.h"

namespace {

constexpr const char* kUsage =
    "usage: pl63-gui [FILE.DAT] [Qt options]\n"
    "       pl63-gui --version | --help\n"
    "Opens the PL-63 programming window; with FILE.DAT, opens that codeplug as\n"
    "File -> Open does.\n";

}  // namespace

int main(int argc, char** argv) {
    // Answered before Qt looks for a display, so they work without one.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("pl63-gui %s\n", pl63::kVersion);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    pl63::ui::drawUnhintedFontsUnhinted();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pl63"));
    QApplication::setApplicationVersion(QString::fromUtf8(pl63::kVersion));

    // What Qt left of the command line: at most one codeplug file.
    const QStringList files = QApplication::arguments().mid(1);
    for (const QString& word : files) {
        if (word.startsWith(QLatin1Char('-')) && word != QLatin1String("-")) {
            std::fprintf(stderr, "pl63-gui: unknown option %s\n%s", qPrintable(word), kUsage);
            return 2;
        }
    }
    if (files.size() > 1) {
        std::fprintf(stderr, "pl63-gui: one file at most\n%s", kUsage);
        return 2;
    }

    pl63::ui::AppContext context;
    pl63::ui::registerOptionWindows(context);
    pl63::ui::MainWindow window(context);
    // Closing the main window ends the program, whatever other window is
    // still open.
    QObject::connect(&window, &pl63::ui::MainWindow::closed, &app, &QApplication::quit,
                     Qt::QueuedConnection);
    // A session that ends (logout, SIGTERM through the session manager) closes
    // the window the ordinary way, so the settings are kept.
    QObject::connect(&app, &QApplication::aboutToQuit, &window, [&window] {
        if (window.isVisible()) window.close();
    });
    pl63::ui::closeAfterFirstPaintIfAsked(window);
    window.show();
    // A codeplug named on the command line (a file manager's "open with")
    // opens once the window is up, as File > Open would open it: once it has
    // been painted, so the window manager has placed it and a message about
    // the file opens centred over it, not over where it was before.
    if (!files.isEmpty()) {
        const QString path = files.first();
        new pl63::ui::AfterFirstPaint(window, [&window, path] { window.openFromOutside(path); });
    }
    return app.exec();
}
