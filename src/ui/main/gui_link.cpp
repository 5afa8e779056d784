#include "ui/main/gui_link.h"

#include "codec/image_codec.h"
#include "i18n/qt/localized_msgbox.h"
#include "i18n/step_names.h"
#include "link/transfer_messages.h"
#include "link/transfer_report.h"
#include "ui/app_context.h"
#include "ui/main/port_window.h"

namespace pl63::ui {
namespace {

// The end frame has to leave the port before the program closes it.
constexpr int kEndFrameFlushMs = 1000;
// After a cancel: the longest wait for the radio's answer to the frame in
// flight (a radio answers within a tenth of a second).
constexpr int kAnswerLimitMs = 500;

const Bilingual kStopReadQuestion{
    "正在读频。要停止读频并退出吗？\n选“是”停止读频，选“否”继续读频。",
    "A read from the radio is running. Stop it and quit?\nYes stops the read; No keeps it "
    "running."};
const Bilingual kStopWriteQuestion{
    "正在写频。要停止写频并退出吗？\n选“是”停止写频（对讲机将混有新旧设置），选“否”继续写频。",
    "A write to the radio is running. Stop it and quit?\nYes stops the write (the radio then "
    "holds a mix of old and new settings); No keeps it running."};

}  // namespace

GuiLink::GuiLink(AppContext& context, TransferView& view)
    : link::SerialLink(context.state.language()), context_(context), view_(view) {}

void GuiLink::setStatusText(const std::string& text) {
    view_.setStatusText(QString::fromStdString(text));
}

void GuiLink::setStatusVisible(bool visible) {
    view_.setStatusVisible(visible);
}

void GuiLink::toggleStatusVisible() {
    view_.blinkStatus();
}

void GuiLink::showProgress(int maximum) {
    shownProgress_ = 0;
    view_.showProgress(maximum);
}

void GuiLink::setProgress(int value) {
    // The engine moves the bar just before it sends the next frame, and
    // QProgressBar repaints at once on every visible step: drawn now, each
    // frame would leave a millisecond late. Drawn on the next pass of the
    // event loop, it costs nothing but time in which the radio is answering.
    shownProgress_ = value;
    if (progressQueued_) return;
    progressQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            progressQueued_ = false;
            view_.setProgress(shownProgress_);
        },
        Qt::QueuedConnection);
}

void GuiLink::hideProgress() {
    view_.hideProgress();
}

void GuiLink::setCommandsEnabled(bool enabled) {
    view_.setCommandsEnabled(enabled);
}

void GuiLink::prepareForTransfer() {
    // Only a read or write comes here; the password transfer has no Cancel.
    transferRunning_ = true;
    view_.prepareForTransfer();
    view_.setTransferCancellable(true);
}

void GuiLink::showMessage(const std::string& text, int style) {
    const bool writeStopped = transferRunning_ && engine().LinkFinished() &&
                              engine().LinkMode() == link::LinkMode::Write;
    const std::string shown = link::transferMessage(text, writeStopped, engine().blocksDone(),
                                                    engine().blocksTotal(), language());
    i18n::LocalizedMsgBox(view_.messageOwner(), context_.state.LanguageFlag,
                          QString::fromStdString(shown), style);
}

bool GuiLink::loginMode() {
    return context_.state.LoginMode();
}

bool GuiLink::debugUnlocked() {
    return context_.state.DebugUnlocked;
}

std::string GuiLink::commPassword() {
    return link::trimmedPassword(context_.codeplug.CommPassword);
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
    // New data: tuning values reach the radio again only after TuneMode is
    // entered again.
    context_.state.DebugUnlocked = false;
    context_.document.replace(i18n::stepName("read"),
                              [&](Codeplug& codeplug) { DecodeImage(image, codeplug, language); },
                              {});
}

void GuiLink::transferEnded(link::LinkOutcome outcome) {
    // The radio now holds what the window shows.
    if (outcome == link::LinkOutcome::WriteSucceeded) context_.document.markWritten(sent_);
    const bool ours = transferRunning_;
    transferRunning_ = false;
    if (ours) view_.setTransferCancellable(false);
    if (ours && outcome == link::LinkOutcome::Cancelled && !quietEnd_) {
        const bool write = engine().LinkMode() == link::LinkMode::Write;
        const link::CancelNotice notice =
            link::cancelNotice(write, engine().blocksDone(), engine().blocksTotal(), language());
        setStatusText(notice.status);
        setStatusVisible(true);
        if (notice.message) showMessage(*notice.message, link::StyleCritical);
    }
    // The question about stopping it asks about nothing any more.
    if (ours && closeQuestion_) closeQuestion_->withdraw();
    emit transferFinished(outcome);
}

void GuiLink::cancelTransfer() {
    if (!transferRunning_) return;
    // The engine ends the transfer once the radio has answered the frame in
    // flight, so that the count of blocks the user is told is the radio's.
    // The window waits for that here and shows the end at once; a radio that
    // no longer answers is left behind after the limit.
    engine().cancel();
    feedUntilFinished(kAnswerLimitMs);
    engine().cancel();
}

bool GuiLink::mayClose() {
    if (!transferRunning_) return true;
    const bool write = engine().LinkMode() == link::LinkMode::Write;
    const Bilingual& question = write ? kStopWriteQuestion : kStopReadQuestion;
    i18n::MsgBoxWithdrawal withdrawal;
    closeQuestion_ = &withdrawal;
    const int answer = i18n::LocalizedMsgBox(view_.messageOwner(), context_.state.LanguageFlag,
                                             QString::fromStdString(question.str(language())),
                                             i18n::StyleYesNoQuestion, withdrawal);
    closeQuestion_ = nullptr;
    // The transfer ended while the question was open: the close goes on as
    // if none had been running.
    if (answer == i18n::IdWithdrawn) {
        flushOutput(kEndFrameFlushMs);
        return true;
    }
    if (answer != i18n::IdYes) return false;
    cancelTransfer();
    flushOutput(kEndFrameFlushMs);
    return true;
}

void GuiLink::stopForShutdown() {
    if (engine().LinkFinished()) return;
    quietEnd_ = true;
    // Nobody is left to be told the count: the second cancel ends it without
    // waiting for the radio's answer.
    engine().cancel();
    engine().cancel();
    quietEnd_ = false;
    flushOutput(kEndFrameFlushMs);
}

bool GuiLink::portIsOpen() {
    if (SerialLink::portIsOpen()) return true;
    portProblem_.clear();
    // The saved port as chosen: the device its number stood for when the port
    // window probed, not whatever the number would name today.
    const int number = context_.state.SavedPort;
    if (number < settings::kFirstPort || number > settings::kLastPort) return false;
    auto* ports = qobject_cast<PortWindow*>(context_.windows.window(context_, "FormCOM"));
    if (!ports) return false;
    const QString device = ports->probe().devices[number - settings::kFirstPort];
    if (device.isEmpty()) return false;  // nothing behind it: the message says what to do
    QString reason;
    const link::PortState state = link::openSerialPort(port(), device, &reason);
    if (state == link::PortState::Open) return true;

    QString line = QStringLiteral("COM%1 (%2): ").arg(number).arg(device) +
                   link::portStateText(state, language());
    if (!reason.isEmpty()) line += QStringLiteral(" (") + reason + QStringLiteral(")");
    portProblem_ = line.toStdString();
    return false;
}

std::string GuiLink::portNotOpenReason(Language) {
    return portProblem_;
}

Language GuiLink::language() const {
    return context_.state.language();
}

}  // namespace pl63::ui
