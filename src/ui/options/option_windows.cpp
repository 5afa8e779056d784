#include "ui/options/option_windows.h"

#include "ui/app_context.h"

namespace pl63::ui {

// One line per window: context.windows.registerWindow("FormN", factory).
void registerOptionWindows(AppContext& context) {
    (void)context;
}

}  // namespace pl63::ui
