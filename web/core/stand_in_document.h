#pragma once
// Until the desktop's document owner is split into a pure part the page can
// share: the few lines of it the page needs (data, clean copy, history,
// file), with the same rules. Goes when src/codec has that part.
#include <functional>
#include <string>

#include "codec/codeplug.h"
#include "codec/codeplug_history.h"

namespace pl63::web {

class StandInDocument {
public:
    using Edit = std::function<void(Codeplug&)>;

    StandInDocument() : history_(Codeplug{}) { clean_ = data_; }

    const Codeplug& data() const { return data_; }
    const std::string& file() const { return history_.file(); }
    bool isModified() const { return !(data_ == clean_); }
    const CodeplugHistory& history() const { return history_; }

    // One named step; data that come out the same record nothing.
    bool change(const StepName& name, const Edit& edit) {
        Codeplug after = data_;
        edit(after);
        if (after == data_) return false;
        data_ = std::move(after);
        history_.record(data_, name);
        return true;
    }
    // A change that goes on (the password typed key by key): it joins the
    // step before it when that has the same name.
    bool extend(const StepName& name, const Edit& edit) {
        Codeplug after = data_;
        edit(after);
        if (after == data_) return false;
        data_ = std::move(after);
        history_.extend(data_, name);
        return true;
    }
    void replace(const StepName& name, const Edit& edit, const std::string& file) {
        edit(data_);
        history_.record(data_, name);
        history_.setFile(file);
        clean_ = data_;
    }
    void translate(Language language) {
        auto rewrite = [language](Codeplug& c) { c.channels.SetGrid1Text(language); };
        rewrite(data_);
        rewrite(clean_);
        history_.rewriteAll(rewrite);
    }
    void markSaved(const std::string& file) {
        clean_ = data_;
        history_.setFile(file);
    }
    void markWritten(const Codeplug& sent) { clean_ = sent; }
    void undo() {
        if (history_.canUndo()) data_ = history_.undo();
    }
    void redo() {
        if (history_.canRedo()) data_ = history_.redo();
    }

private:
    Codeplug data_;
    Codeplug clean_;
    CodeplugHistory history_;
};

}  // namespace pl63::web
