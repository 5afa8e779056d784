// The yardstick of the start-up benchmark: a Qt Widgets program that shows
// one main window with a menu bar and nothing else, started and ended exactly
// as pl63-gui is (the same hook reports its first paint and closes it).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

#include "ui/first_paint_watch.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.menuBar()->addMenu(QStringLiteral("File"));
    window.resize(800, 600);
    pl63::ui::closeAfterFirstPaintIfAsked(window);
    window.show();
    return app.exec();
}
