#pragma once
// The way back from a mistake: every state the user's data has been in, as
// whole snapshots of the Codeplug (a few kilobytes each), with the name of the
// step that led to each. Undo and redo move through them; a new step after an
// undo drops the steps that were undone. The oldest steps go once more than
// the limit are kept.
#include <cstddef>
#include <deque>
#include <functional>
#include <string>

#include "bilingual.h"
#include "codeplug.h"

namespace pl63 {

// What a step did, as the Edit menu names it ("channel 4 RX frequency").
using StepName = Bilingual;

class CodeplugHistory {
public:
    static constexpr std::size_t kDefaultLimit = 100;

    // `start` is the state nothing can be undone past.
    explicit CodeplugHistory(const Codeplug& start, std::size_t limit = kDefaultLimit);

    const Codeplug& current() const { return states_[cursor_].data; }
    // The file the current state was opened from or saved to; empty for
    // none. A step keeps the file of the state it started from.
    const std::string& file() const { return states_[cursor_].file; }
    void setFile(std::string file) { states_[cursor_].file = std::move(file); }

    // A step that led from current() to `after`.
    void record(const Codeplug& after, StepName name);
    // Replaces current() by `after` as part of the step that led to it, for a
    // change that goes on (the password typed key by key). With no step to
    // extend it records one; a step that comes back to where it started is
    // dropped.
    void extend(const Codeplug& after, StepName name);
    // Forgets every step; `start` becomes the state nothing can be undone past.
    void restart(const Codeplug& start);

    // Applies `rewrite` to every state kept, for a change of how the data
    // are written that is no step of the user's (the grid's list texts follow
    // the language).
    void rewriteAll(const std::function<void(Codeplug&)>& rewrite);

    bool canUndo() const { return cursor_ > 0; }
    bool canRedo() const { return cursor_ + 1 < states_.size(); }
    // The names of the steps undo and redo would take back or do again.
    const StepName& undoName() const;
    const StepName& redoName() const;

    // Move one step; return the state that is current afterwards. At either
    // end they change nothing.
    const Codeplug& undo();
    const Codeplug& redo();

    std::size_t undoSteps() const { return cursor_; }
    std::size_t redoSteps() const { return states_.size() - 1 - cursor_; }

private:
    struct State {
        Codeplug data;
        StepName name;  // of the step that led here; empty for the first
        std::string file;
    };
    std::deque<State> states_;
    std::size_t cursor_ = 0;
    std::size_t limit_;
};

}  // namespace pl63
