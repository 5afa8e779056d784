// pl63-gui: the radio programming program.
#include <QApplication>
#include <QTimer>

#include "ui/app_context.h"
#include "ui/first_paint_watch.h"
#include "ui/font_hinting.h"
#include "ui/main/main_window.h"
#include "ui/options/option_windows.h"

int main(int argc, char** argv) {
    pl63::ui::drawUnhintedFontsUnhinted();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pl63"));

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
    // opens once the window is up, as File > Open would open it.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const QString path = arguments.at(1);
        QTimer::singleShot(0, &window, [&window, path] { window.openFromOutside(path); });
    }
    return app.exec();
}
