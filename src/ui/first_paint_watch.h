#pragma once
// The start-up benchmark's hook, shared by pl63-gui and the bare window it is
// measured against so that both are started and ended the same way.
//
// With PL63_GUI_QUIT_AFTER_SHOW=1 the program closes its window, through the
// normal path, as soon as the window has been painted for the first time:
// the moment its user first sees it. With PL63_GUI_SHOWN_FD=n as well, it
// first writes one byte to that inherited descriptor, so the benchmark can
// take the time of that moment without counting what exiting costs.
#include <unistd.h>

#include <QByteArray>
#include <QEvent>
#include <QObject>
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>

namespace pl63::ui {

class FirstPaintWatch : public QObject {
public:
    // Install it once the program has set up its own start-up: the filter
    // installed last sees an event first, so the report comes before any
    // work the program left for after its first paint.
    explicit FirstPaintWatch(QWidget& window) : QObject(&window), window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Children paint after the window, in the same pass; the pass
            // ends before the next turn of the event loop.
            QTimer::singleShot(0, this, [this] { painted(); });
        }
        return false;
    }

private:
    void painted() {
        bool ok = false;
        const int fd = qEnvironmentVariableIntValue("PL63_GUI_SHOWN_FD", &ok);
        if (ok && fd > 2) {
            const char shown = 1;
            if (::write(fd, &shown, 1) != 1) {
                // The benchmark sees the missing byte and says so.
            }
            ::close(fd);
        }
        window_.close();
    }

    QWidget& window_;
};

// Arms the hook when the environment asks for it.
inline void closeAfterFirstPaintIfAsked(QWidget& window) {
    if (qEnvironmentVariable("PL63_GUI_QUIT_AFTER_SHOW") == QLatin1String("1")) {
        new FirstPaintWatch(window);  // owned by the window
    }
}

}  // namespace pl63::ui
