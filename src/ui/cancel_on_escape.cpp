#include "ui/cancel_on_escape.h"

#include <QKeyEvent>

namespace pl63::ui {
namespace {

class EscapeFilter : public QObject {
public:
    EscapeFilter(QWidget* window, std::function<void()> cancel)
        : QObject(window), window_(window), cancel_(std::move(cancel)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
        cancel_();
        return true;
    }

private:
    QWidget* window_;
    std::function<void()> cancel_;
};

}  // namespace

void cancelOnEscape(QWidget* window, std::function<void()> cancel) {
    window->installEventFilter(new EscapeFilter(window, std::move(cancel)));
}

}  // namespace pl63::ui
