#include "ui/app_context.h"

namespace pl63::ui {

AppContext::AppContext() : codeplug(document.data()), clock_(std::make_unique<SystemClock>()) {
    QObject::connect(&state, &ProgramState::languageChanged, &state,
                     [this] { qtTranslations.follow(state.LanguageFlag); });
}

}  // namespace pl63::ui
