#include "terminal_view.h"

namespace pl63::cli {
namespace {

constexpr int kBarWidth = 30;

}  // namespace

void TerminalView::endProgressLine() {
    if (!progressLineOpen_) return;
    err_ << "\n";
    progressLineOpen_ = false;
}

void TerminalView::setStatusText(const std::string& text) {
    // The window blinks the same text all transfer long; a terminal says it once.
    if (text == status_) return;
    status_ = text;
    // Only a finished transfer changes the status text while the bar is up.
    // The window's bar stops short of its maximum (a read at 425 of 460, a
    // write at 300 to 320); on a terminal the finished bar reads 100%.
    if (progressLineOpen_) drawBar(kBarWidth, 100);
    endProgressLine();
    err_ << text << std::endl;
}

void TerminalView::showProgress(int maximum) {
    maximum_ = maximum;
    percent_ = -1;
    setProgress(0);
}

void TerminalView::setProgress(int value) {
    if (maximum_ <= 0) return;
    const int percent = value * 100 / maximum_;
    if (percent == percent_) return;
    percent_ = percent;
    drawBar(value * kBarWidth / maximum_, percent);
}

void TerminalView::drawBar(int filled, int percent) {
    err_ << "\r[" << std::string(filled, '#') << std::string(kBarWidth - filled, '.') << "] "
         << percent << "%" << std::flush;
    progressLineOpen_ = true;
}

void TerminalView::hideProgress() {
    endProgressLine();
    maximum_ = 0;
}

void TerminalView::showMessage(const std::string& text, int) {
    endProgressLine();
    err_ << "pl63: " << text << std::endl;
}

}  // namespace pl63::cli
