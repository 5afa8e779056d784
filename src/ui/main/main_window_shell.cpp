// The windows and services of the program shell that Form1 reaches: the
// About box, the port window and the help file.
#include "ui/app_context.h"
#include "ui/main/about_window.h"
#include "ui/main/gui_link.h"
#include "ui/main/help_file.h"
#include "ui/main/main_window.h"
#include "ui/main/port_window.h"

namespace pl63::ui {

void MainWindow::registerShellWindows() {
    context_.windows.registerWindow(
        QStringLiteral("frmAbout"),
        [](AppContext& context, QWidget* owner) { return new AboutWindow(context, owner); });
    // The port window works on the serial link's own port: choosing a port
    // there is choosing the port the transfers use.
    GuiLink* link = link_.get();
    context_.windows.registerWindow(QStringLiteral("FormCOM"),
                                    [link](AppContext& context, QWidget* owner) {
                                        return new PortWindow(context, link->port(), owner);
                                    });
}

void MainWindow::openHelp() {
    openHelpFile(this, context_.state.LanguageFlag);
}

}  // namespace pl63::ui
