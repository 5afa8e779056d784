#include "ui/program_state.h"

namespace pl63::ui {

void ProgramState::setLoginMode(bool on) {
    if (on == loginMode_) return;
    loginMode_ = on;
    emit loginModeChanged(on);
}

void ProgramState::setTuneMode(bool on) {
    if (on == tuneMode_) return;
    tuneMode_ = on;
    emit tuneModeChanged(on);
}

}  // namespace pl63::ui
