#include "terminal_link.h"

namespace pl63::cli {

TerminalLink::TerminalLink(Language language, std::ostream& err)
    : TerminalLink(language, std::make_unique<TerminalView>(err)) {}

TerminalLink::TerminalLink(Language language, link::LinkView& view) : SerialLink(language, &view) {}

// The view is made before the base that keeps a reference to it.
TerminalLink::TerminalLink(Language language, std::unique_ptr<TerminalView> view)
    : SerialLink(language, view.get()), terminal_(std::move(view)) {}

void TerminalLink::transferEnded(link::LinkOutcome outcome) {
    seconds_ = clock_.isValid() ? clock_.nsecsElapsed() / 1e9 : 0.0;
    if (terminal_) terminal_->endProgressLine();
    if (onEnded) onEnded(outcome);
}

}  // namespace pl63::cli
