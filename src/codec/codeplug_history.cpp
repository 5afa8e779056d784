#include "codeplug_history.h"

namespace pl63 {

namespace {
const StepName kNoStep;
}

CodeplugHistory::CodeplugHistory(const Codeplug& start, std::size_t limit)
    : limit_(limit == 0 ? 1 : limit) {
    states_.push_back({start, {}, {}});
}

void CodeplugHistory::record(const Codeplug& after, StepName name) {
    states_.erase(states_.begin() + static_cast<std::ptrdiff_t>(cursor_) + 1, states_.end());
    std::string file = states_.back().file;
    states_.push_back({after, std::move(name), std::move(file)});
    if (states_.size() > limit_ + 1) states_.pop_front();
    cursor_ = states_.size() - 1;
}

void CodeplugHistory::extend(const Codeplug& after, StepName name) {
    if (!canUndo() || canRedo() || states_[cursor_].name != name) {
        record(after, std::move(name));
        return;
    }
    // Typed and erased again: the step changed nothing and goes, so that
    // undo is never a step that does nothing.
    if (states_[cursor_ - 1].data == after) {
        states_.pop_back();
        --cursor_;
        return;
    }
    states_[cursor_].data = after;
}

void CodeplugHistory::restart(const Codeplug& start) {
    states_.clear();
    states_.push_back({start, {}, {}});
    cursor_ = 0;
}

void CodeplugHistory::rewriteAll(const std::function<void(Codeplug&)>& rewrite) {
    for (State& state : states_) rewrite(state.data);
}

const StepName& CodeplugHistory::undoName() const {
    return canUndo() ? states_[cursor_].name : kNoStep;
}

const StepName& CodeplugHistory::redoName() const {
    return canRedo() ? states_[cursor_ + 1].name : kNoStep;
}

const Codeplug& CodeplugHistory::undo() {
    if (canUndo()) --cursor_;
    return current();
}

const Codeplug& CodeplugHistory::redo() {
    if (canRedo()) ++cursor_;
    return current();
}

}  // namespace pl63
