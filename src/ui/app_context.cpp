#include "ui/app_context.h"

namespace pl63::ui {

AppContext::AppContext() : codeplug(document.dataForSetUp()), clock_(std::make_unique<SystemClock>()) {}

}  // namespace pl63::ui
