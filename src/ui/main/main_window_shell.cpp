// The windows and services of the program shell that Form1 reaches: the
// About box, the port window and the help file.
#include "ui/app_context.h"
#include "ui/main/main_window.h"

namespace pl63::ui {

void MainWindow::registerShellWindows() {}

void MainWindow::openHelp() {}

}  // namespace pl63::ui
