#include "link_binding.h"

#include "codec/image_codec.h"
#include "forms/form_rules.h"
#include "link/link_texts.h"
#include "link/transfer_messages.h"
#include "link/transfer_report.h"

namespace pl63::web {

WebLink::WebLink(WebDocument& document, val callbacks)
    : document_(document), callbacks_(std::move(callbacks)), engine_(*this, document.lang()) {}

bool WebLink::startRead() {
    engine_.setLanguage(document_.lang());
    verify_ = false;
    verifying_ = false;
    writing_ = false;
    return engine_.startRead();
}

bool WebLink::startWrite(bool verify) {
    engine_.setLanguage(document_.lang());
    verify_ = verify;
    verifying_ = false;
    writing_ = true;
    return engine_.startWrite();
}

val WebLink::startPasswordChange(const std::string& oldPassword, const std::string& newPassword,
                                 const std::string& confirm) {
    const Language language = document_.lang();
    engine_.setLanguage(language);
    const Status checked =
        forms::checkPasswordChange(oldPassword, newPassword, confirm, loginMode());
    if (!checked) return outcome(checked, language);
    // Nothing changes unless the transfer really starts: a change the radio
    // never saw must not turn up in the password box or in a saved file.
    if (!portIsOpen()) return outcome(false, link::linkText(link::LinkText::PortNotOpen, language));
    // The radio checks its password against the password box before it
    // takes the new one.
    if (!loginMode()) oldPasswordBox_ = forms::utf8ToLatin1(oldPassword);
    newPassword_ = forms::utf8ToLatin1(confirm);
    writing_ = false;
    if (!engine_.startPasswordTransfer()) {
        oldPasswordBox_.reset();
        newPassword_.clear();
        return outcome(false);
    }
    document_.setPassword(newPassword_);
    return outcome(true);
}

bool WebLink::cancel() {
    if (verifyPending_) {
        verifyPending_ = false;
        ended("cancelled");
        return true;
    }
    return engine_.cancel();
}

void WebLink::received(const val& bytes) {
    engine_.received(bytesFromJs(bytes));
}

void WebLink::continueVerify() {
    if (!verifyPending_) return;
    verifyPending_ = false;
    verifying_ = true;
    writing_ = false;
    if (!engine_.startRead()) {
        verifying_ = false;
        ended("timedOut");
    }
}

void WebLink::setPasswordBox(const std::string& text) {
    val values = val::object();
    values.set("Text2", forms::acceptedPasswordText(text));
    document_.applyForm("Frame1", values);
}

std::string WebLink::passwordBoxText() {
    // Character fields carry the radio's single bytes.
    return oldPasswordBox_.value_or(link::trimmedPassword(document_.data().CommPassword));
}

bool WebLink::portIsOpen() {
    return callbacks_.call<bool>("portIsOpen");
}

void WebLink::writeFrame(const std::vector<std::uint8_t>& frame) {
    callbacks_.call<void>("send", bytesToJs(frame));
}

void WebLink::setTimer1Running(bool running) {
    callbacks_.call<void>("timer1", running);
}

void WebLink::setTimer2Running(bool running) {
    callbacks_.call<void>("timer2", running);
}

void WebLink::setStatusText(const std::string& text) {
    callbacks_.call<void>("status", text);
}

void WebLink::setStatusVisible(bool visible) {
    statusVisible_ = visible;
    callbacks_.call<void>("statusVisible", visible);
}

void WebLink::toggleStatusVisible() {
    setStatusVisible(!statusVisible_);
}

void WebLink::showProgress(int maximum) {
    callbacks_.call<void>("progressShow", maximum);
}

void WebLink::setProgress(int value) {
    callbacks_.call<void>("progress", value);
}

void WebLink::hideProgress() {
    callbacks_.call<void>("progressHide");
}

void WebLink::setCommandsEnabled(bool enabled) {
    callbacks_.call<void>("commandsEnabled", enabled);
}

void WebLink::showMessage(const std::string& text, int style) {
    const Language language = document_.lang();
    std::string shown = link::transferMessage(text, writing_ && engine_.LinkFinished(),
                                              engine_.blocksDone(), engine_.blocksTotal(), language);
    // The write itself went through; only its check did not.
    if (verifying_ && engine_.LinkFinished())
        shown += "\n\n" + link::kVerifyStopped.str(language) + "\n" +
                 link::stoppedTransferText(false, engine_.blocksDone(), engine_.blocksTotal())
                     .in(language);
    callbacks_.call<void>("message", shown, style);
}

std::string WebLink::commPassword() {
    if (!newPassword_.empty()) return newPassword_;
    return link::trimmedPassword(document_.data().CommPassword);
}

std::string WebLink::encodeImage() {
    sent_ = document_.data();
    return EncodeImage(sent_, document_.lang()).hex();
}

void WebLink::decodeImage(const std::string& readData) {
    // The read-back of a verify compares; it does not replace the data.
    if (verifying_) return;
    document_.takeRead(readData);
}

void WebLink::finishVerify(const std::string& readData) {
    verifying_ = false;
    const std::vector<int> differing =
        link::differingBlocks(writtenImage_, readData, writtenAddresses_);
    const std::string text =
        link::verificationText(differing, int(writtenAddresses_.size())).in(document_.lang());
    setStatusText(text);
    setStatusVisible(true);
    callbacks_.call<void>("message", text,
                          differing.empty() ? int(link::StyleInformation) : int(link::StyleCritical));
    ended(differing.empty() ? "verified" : "notKept");
}

void WebLink::transferEnded(link::LinkOutcome outcome) {
    using link::LinkOutcome;
    newPassword_.clear();
    oldPasswordBox_.reset();
    const Language language = document_.lang();
    switch (outcome) {
        case LinkOutcome::ReadSucceeded:
            if (verifying_) return finishVerify(engine_.ReadData());
            return ended("read");
        case LinkOutcome::WriteSucceeded:
            // The radio now holds what was sent, whatever was edited since.
            document_.markWritten(sent_);
            if (verify_) {
                writtenImage_ = engine_.WriteImage();
                writtenAddresses_ = engine_.acknowledgedAddresses();
                // The radio leaves programming mode on the end frame; the page
                // gives it a moment, then continueVerify() reads it back.
                verifyPending_ = true;
                return;
            }
            return ended("written");
        case LinkOutcome::PasswordChanged: return ended("passwordChanged");
        case LinkOutcome::TimedOut: break;
        case LinkOutcome::PasswordWrong: return ended("passwordWrong");
        case LinkOutcome::Cancelled: {
            const link::CancelNotice notice =
                link::cancelNotice(writing_, engine_.blocksDone(), engine_.blocksTotal(), language);
            setStatusText(notice.status);
            setStatusVisible(true);
            if (notice.message) callbacks_.call<void>("message", *notice.message, int(link::StyleCritical));
            verifying_ = false;
            return ended("cancelled");
        }
    }
    verifying_ = false;
    ended("timedOut");
}

void WebLink::ended(const char* outcome) {
    callbacks_.call<void>("ended", std::string(outcome));
}

}  // namespace pl63::web
