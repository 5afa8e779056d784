#pragma once
// What every window is handed: the radio data to show (read-only), their
// owner through which every change goes, the shared program state, the clock,
// the window registry and the few services of the main window that other
// windows use.
#include <QWidget>
#include <functional>
#include <memory>

#include "codec/codeplug.h"
#include "ui/codeplug_document.h"
#include "ui/clock.h"
#include "ui/program_state.h"
#include "ui/qt_translations.h"
#include "ui/window_registry.h"

namespace pl63::ui {

struct AppContext {
    AppContext();

    // The user's data and its owner. Windows read `codeplug` and change it
    // only through `document`: a window that writes the data behind the
    // owner's back would leave undo, "modified" and the other windows behind.
    CodeplugDocument document;
    const Codeplug& codeplug;
    ProgramState state;
    WindowRegistry windows;
    // Qt's own dialog texts; Form1 sets them at start-up, a language switch
    // after that.
    QtTranslations qtTranslations;

    // The clock the gestures read; tests put a fake one in.
    Clock& clock() const { return *clock_; }
    void setClock(std::unique_ptr<Clock> clock) { clock_ = std::move(clock); }

    // Form1: the owner of every other window and of message boxes.
    QWidget* mainWindow = nullptr;

    // Set by Form1, which owns the serial link: the password window starts
    // its transfer through these, never through a port of its own.
    std::function<bool()> portIsOpen;
    std::function<bool()> startPasswordTransfer;

private:
    std::unique_ptr<Clock> clock_;
};

}  // namespace pl63::ui
