#include "ui/main/gui_link.h"

#include "codec/image_codec.h"
#include "i18n/localized_msgbox.h"
#include "ui/app_context.h"
#include "ui/main/main_window.h"
#include "ui/main/type_selection_panel.h"

namespace pl63::ui {

GuiLink::GuiLink(MainWindow& window)
    : link::SerialLink(window.context().state.language()), window_(window) {}

void GuiLink::setStatusText(const std::string& text) {
    window_.statusLabel()->setText(QString::fromStdString(text));
}

void GuiLink::setStatusVisible(bool visible) {
    window_.statusLabel()->setVisible(visible);
}

void GuiLink::toggleStatusVisible() {
    // isHidden, not isVisible: the label blinks even while the window itself
    // is minimised.
    window_.statusLabel()->setHidden(!window_.statusLabel()->isHidden());
}

void GuiLink::showProgress(int maximum) {
    QProgressBar* bar = window_.progressBar();
    bar->setRange(0, maximum);
    bar->setValue(0);
    bar->show();
}

void GuiLink::setProgress(int value) {
    window_.progressBar()->setValue(value);
}

void GuiLink::hideProgress() {
    window_.progressBar()->hide();
}

void GuiLink::setCommandsEnabled(bool enabled) {
    window_.setCommandsEnabled(enabled);
}

void GuiLink::prepareForTransfer() {
    window_.prepareForTransfer();
}

void GuiLink::showMessage(const std::string& text, int style) {
    i18n::LocalizedMsgBox(&window_, window_.context().state.LanguageFlag,
                          QString::fromStdString(text), style);
}

bool GuiLink::loginMode() {
    return window_.context().state.LoginMode();
}

bool GuiLink::debugUnlocked() {
    return window_.context().codeplug.DebugUnlocked;
}

std::string GuiLink::commPassword() {
    // A decoded password may still carry the blanks the radio had.
    const std::string& password = window_.context().codeplug.CommPassword;
    const auto first = password.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return password.substr(first, password.find_last_not_of(' ') - first + 1);
}

std::string GuiLink::passwordBoxText() {
    // Character fields carry the radio's single bytes.
    return window_.typeSelection()->passwordBox()->text().toLatin1().toStdString();
}

std::string GuiLink::encodeImage() {
    AppContext& context = window_.context();
    return EncodeImage(context.codeplug, context.state.language()).hex();
}

void GuiLink::decodeImage(const std::string& readData) {
    AppContext& context = window_.context();
    DecodeImage(MemoryImage::fromHex(readData), context.codeplug, context.state.language());
    window_.showDecodedImage();
}

}  // namespace pl63::ui
