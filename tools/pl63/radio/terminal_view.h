#pragma once
// The command line's view of one transfer: status texts and messages on
// stderr, and a progress bar redrawn in place on its own line.
#include <ostream>
#include <string>

#include "link/link_host.h"

namespace pl63::cli {

class TerminalView : public link::LinkView {
public:
    explicit TerminalView(std::ostream& err) : err_(err) {}

    void setStatusText(const std::string& text) override;
    void showProgress(int maximum) override;
    void setProgress(int value) override;
    void hideProgress() override;
    void showMessage(const std::string& text, int style) override;

    // Ends the bar's line, so that what follows starts on a line of its own.
    void endProgressLine();

private:
    void drawBar(int filled, int percent);

    std::ostream& err_;
    std::string status_;
    int maximum_ = 0;
    int percent_ = -1;
    bool progressLineOpen_ = false;
};

}  // namespace pl63::cli
