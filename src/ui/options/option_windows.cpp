#include "ui/options/option_windows.h"

#include "ui/app_context.h"
#include "ui/options/debug_window.h"
#include "ui/options/optional_functions_window.h"
#include "ui/options/embedded_info_window.h"
#include "ui/options/key_settings_window.h"
#include "ui/options/password_window.h"
#include "ui/options/debug_frequency_window.h"

namespace pl63::ui {

// One line per window: context.windows.registerWindow("FormN", factory).
void registerOptionWindows(AppContext& context) {
    context.windows.registerWindow("Form2", [](AppContext& c, QWidget* owner) { return new DebugWindow(c, owner); });
    context.windows.registerWindow("Form5", [](AppContext& c, QWidget* owner) { return new OptionalFunctionsWindow(c, owner); });
    context.windows.registerWindow("Form4", [](AppContext& c, QWidget* owner) { return new DebugFrequencyWindow(c, owner); });
    context.windows.registerWindow("Form6", [](AppContext& c, QWidget* owner) { return new KeySettingsWindow(c, owner); });
    context.windows.registerWindow("Form7", [](AppContext& c, QWidget* owner) { return new EmbeddedInfoWindow(c, owner); });
    context.windows.registerWindow("FormUsePass", [](AppContext& c, QWidget* owner) { return new PasswordWindow(c, owner); });
}

}  // namespace pl63::ui
