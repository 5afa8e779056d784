#pragma once
// Runs a piece of start-up work once, as soon as a window has been painted
// for the first time, so that the window is seen before work it does not
// need. The user cannot act on anything before that work is done: the first
// key press, click or other input to any widget of the program runs it
// first, before the input is delivered.
#include <QObject>
#include <functional>

class QWidget;

namespace pl63::ui {

class AfterFirstPaint : public QObject {
public:
    // Owned by `window`; dropped unrun with it.
    AfterFirstPaint(QWidget& window, std::function<void()> work);

    // Runs the work now if it has not run yet.
    void runNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    std::function<void()> work_;
};

}  // namespace pl63::ui
