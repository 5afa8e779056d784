// Form1's side of a transfer with the radio: the status line, ProgressBar1,
// the commands greyed while it runs and the Cancel button, as GuiLink asks
// for them.
#include <QMenu>

#include "ui/main/channel_grid_view.h"
#include "ui/main/main_window.h"
#include "ui/main/password_box.h"
#include "ui/main/type_selection_panel.h"

namespace pl63::ui {

void MainWindow::setStatusText(const QString& text) {
    statusLabel_->setText(text);
}

void MainWindow::setStatusVisible(bool visible) {
    statusLabel_->setVisible(visible);
}

void MainWindow::blinkStatus() {
    // isHidden, not isVisible: the label blinks even while the window itself
    // is minimised.
    statusLabel_->setHidden(!statusLabel_->isHidden());
}

void MainWindow::showProgress(int maximum) {
    progressBar_->setRange(0, maximum);
    progressBar_->setValue(0);
    progressBar_->show();
}

void MainWindow::setProgress(int value) {
    progressBar_->setValue(value);
}

void MainWindow::hideProgress() {
    progressBar_->hide();
}

QString MainWindow::passwordBoxText() const {
    return frame1_->passwordBox()->text();
}

void MainWindow::setCommandsEnabled(bool enabled) {
    toolbar_->setEnabled(enabled);
    QMenu* programming = menu("mnupro");
    programming->setEnabled(enabled);
    programming->menuAction()->setEnabled(enabled);
    toolButton(QStringLiteral("read"))->setEnabled(enabled);
    toolButton(QStringLiteral("write"))->setEnabled(enabled);
    // New, Open and Save are greyed with the toolbar; their menu items, and
    // with them Ctrl+N, Ctrl+O and Ctrl+S, go with it, and so does an import,
    // which replaces channels as an Open does.
    for (const char* item : {"mnuNew", "mnuOpen", "mnuAssave", "mnuImport"}) {
        menuAction(item)->setEnabled(enabled);
    }
    // The recent files are Open with the name chosen.
    for (QAction* item : recentItems_) item->setEnabled(enabled);
    // Choosing a port, even the same one again, closes the port the transfer
    // runs on; a port window already open is greyed with the menu item.
    menuAction("mnucom")->setEnabled(enabled);
    if (auto* ports = findChild<QWidget*>(QStringLiteral("FormCOM"), Qt::FindDirectChildrenOnly)) {
        ports->setEnabled(enabled);
    }
}

void MainWindow::setTransferCancellable(bool cancellable) {
    cancelButton_->setVisible(cancellable);
    cancelKey_->setEnabled(cancellable);
}

void MainWindow::prepareForTransfer() {
    // Moving the focus away from the grid commits an open editor, so the
    // image sent holds what the user sees; a locked Frame1 opens again, as
    // it always did.
    frame1_->setEnabled(true);
    frame1_->bandList()->setFocus();
    grid_->commitOpenEditor();
}

}  // namespace pl63::ui
