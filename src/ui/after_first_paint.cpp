#include "ui/after_first_paint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace pl63::ui {
namespace {

bool isUserInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

}  // namespace

AfterFirstPaint::AfterFirstPaint(QWidget& window, std::function<void()> work)
    : QObject(&window), window_(window), work_(std::move(work)) {
    QCoreApplication::instance()->installEventFilter(this);
}

void AfterFirstPaint::runNow() {
    if (!work_) return;
    QCoreApplication::instance()->removeEventFilter(this);
    const std::function<void()> work = std::move(work_);
    work_ = nullptr;
    work();
}

bool AfterFirstPaint::eventFilter(QObject* watched, QEvent* event) {
    if (!work_) return false;
    if (isUserInput(event->type())) {
        runNow();
    } else if (watched == &window_ && event->type() == QEvent::Paint) {
        // The window's children paint after it in the same pass, which ends
        // before the next turn of the event loop.
        QTimer::singleShot(0, this, &AfterFirstPaint::runNow);
    }
    return false;
}

}  // namespace pl63::ui
