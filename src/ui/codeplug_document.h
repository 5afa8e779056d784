#pragma once
// The one owner of the data the user edits: the Codeplug, the file it came
// from, whether it differs from what was last opened, saved, read or written,
// and its history of snapshots for undo and redo. Windows and commands change
// the data only through change() and replace(); undo() and redo() put an
// earlier state back and every window shows it again.
#include <QObject>
#include <QString>
#include <functional>

#include "codec/codeplug.h"
#include "codec/codeplug_history.h"

namespace pl63::ui {

class CodeplugDocument : public QObject {
    Q_OBJECT

public:
    CodeplugDocument();

    const Codeplug& data() const { return data_; }
    // The Codeplug itself, for tests that arrange data and for start-up;
    // nothing it changes here is recorded or shown.
    Codeplug& dataForSetUp() { return data_; }

    // The file the data were last opened from or saved to; empty when they
    // came from New, a read or start-up. Undo takes it back with the data.
    QString filePath() const;
    bool isModified() const { return modified_; }

    // A change the user made, as one step named `name`. Data that come out
    // the same record nothing. The window that made it shows it itself.
    using Edit = std::function<void(Codeplug&)>;
    void change(const StepName& name, const Edit& edit);
    // A change that goes on in small pieces (a password typed key by key): it
    // joins the step before it when that step has the same name and nothing
    // was undone since.
    void changeOngoing(const StepName& name, const Edit& edit);

    // New, Open, Read: the data replaced as a whole, undoably; the result is
    // what the data is compared with from now on. `file` is the file they
    // came from, empty for none. Every window shows the new data.
    void replace(const StepName& name, const Edit& edit, const QString& file);

    // A language switch: the grid's list and Off texts in every state kept
    // are rewritten, which is no change of the data.
    void translate(Language language);

    // A save succeeded: the data are what `file` holds.
    void markSaved(const QString& file);
    // A write to the radio succeeded: the radio holds `sent`, the data as
    // they were when the image was built (the user may have gone on editing
    // while it was sent).
    void markWritten(const Codeplug& sent);
    // Start-up: nothing before this can be undone, nothing is modified.
    void startOver();

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    const StepName& undoName() const { return history_.undoName(); }
    const StepName& redoName() const { return history_.redoName(); }
    // Only the data in the program: no radio and no file is touched.
    void undo();
    void redo();

    // Asks every window with an editor still open to commit it into the data
    // (before the data are saved, sent or compared).
    void commitPendingEdits() { emit pendingEditsWanted(); }

signals:
    // After every recorded change, undo, redo, replace, save or write: the
    // modified state and the undo and redo steps may have changed.
    void stateChanged();
    // The whole data are new (replace, undo, redo): every window shows them
    // again.
    void replaced();
    // A save succeeded; the caption names the file.
    void saved(const QString& file);
    void pendingEditsWanted();

private:
    // The user's data without the flags that belong to the session (the
    // debug window's unlock), as the history keeps them.
    Codeplug snapshot() const;
    void restore(const Codeplug& state);
    void updateModified();

    Codeplug data_;
    Codeplug clean_;  // what was last opened, saved, read or written
    CodeplugHistory history_;
    bool modified_ = false;
};

}  // namespace pl63::ui
