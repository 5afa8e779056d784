// pl63-gui: the radio programming program.
#include <QApplication>
#include <QTimer>

#include "ui/app_context.h"
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
    window.show();

    // For the start-up benchmark and the desktop test: close, through the
    // normal path, as soon as the window has been shown.
    if (qEnvironmentVariable("PL63_GUI_QUIT_AFTER_SHOW") == QLatin1String("1")) {
        QTimer::singleShot(0, &window, &QWidget::close);
    }
    return app.exec();
}
