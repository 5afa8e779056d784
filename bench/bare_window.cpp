// The yardstick of the start-up benchmark: a Qt Widgets program that shows
// one main window with a menu bar and nothing else, started and ended exactly
// as pl63-gui is (PL63_GUI_QUIT_AFTER_SHOW=1 closes it once shown).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.resize(800, 600);
    window.show();
    if (qEnvironmentVariable("PL63_GUI_QUIT_AFTER_SHOW") == QLatin1String("1")) {
        QTimer::singleShot(0, &window, &QWidget::close);
    }
    return app.exec();
}
