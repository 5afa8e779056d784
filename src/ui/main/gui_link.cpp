#include "ui/main/gui_link.h"

#include "codec/image_codec.h"
#include "i18n/localized_msgbox.h"
#include "i18n/step_names.h"
#include "ui/app_context.h"

namespace pl63::ui {

GuiLink::GuiLink(AppContext& context, TransferView& view)
    : link::SerialLink(context.state.language()), context_(context), view_(view) {}

void GuiLink::setStatusText(const std::string& text) {
    view_.statusLabel()->setText(QString::fromStdString(text));
}

void GuiLink::setStatusVisible(bool visible) {
    view_.statusLabel()->setVisible(visible);
}

void GuiLink::toggleStatusVisible() {
    // isHidden, not isVisible: the label blinks even while the window itself
    // is minimised.
    view_.statusLabel()->setHidden(!view_.statusLabel()->isHidden());
}

void GuiLink::showProgress(int maximum) {
    QProgressBar* bar = view_.progressBar();
    bar->setRange(0, maximum);
    bar->setValue(0);
    bar->show();
}

void GuiLink::setProgress(int value) {
    view_.progressBar()->setValue(value);
}

void GuiLink::hideProgress() {
    view_.progressBar()->hide();
}

void GuiLink::setCommandsEnabled(bool enabled) {
    view_.setCommandsEnabled(enabled);
}

void GuiLink::prepareForTransfer() {
    view_.prepareForTransfer();
}

void GuiLink::showMessage(const std::string& text, int style) {
    i18n::LocalizedMsgBox(view_.messageOwner(), context_.state.LanguageFlag,
                          QString::fromStdString(text), style);
}

bool GuiLink::loginMode() {
    return context_.state.LoginMode();
}

bool GuiLink::debugUnlocked() {
    return context_.codeplug.DebugUnlocked;
}

std::string GuiLink::commPassword() {
    // A decoded password may still carry the blanks the radio had.
    const std::string& password = context_.codeplug.CommPassword;
    const auto first = password.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return password.substr(first, password.find_last_not_of(' ') - first + 1);
}

std::string GuiLink::passwordBoxText() {
    // Character fields carry the radio's single bytes.
    return view_.passwordBoxText().toLatin1().toStdString();
}

std::string GuiLink::encodeImage() {
    sent_ = context_.document.data();
    return EncodeImage(sent_, context_.state.language()).hex();
}

void GuiLink::decodeImage(const std::string& readData) {
    const Language language = context_.state.language();
    const MemoryImage image = MemoryImage::fromHex(readData);
    context_.document.replace(
        i18n::stepName("read"),
        [&](Codeplug& codeplug) { DecodeImage(image, codeplug, language); }, {});
}

void GuiLink::transferEnded(link::LinkOutcome outcome) {
    // The radio now holds what the window shows.
    if (outcome == link::LinkOutcome::WriteSucceeded) context_.document.markWritten(sent_);
}

}  // namespace pl63::ui
