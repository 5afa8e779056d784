#pragma once
// The one owner of the data the user edits, for the windows: the document
// itself (the data, the file, "modified", undo and redo) is EditedCodeplug,
// shared with the browser page; this adds what the windows need to follow
// it. Windows and commands change the data only through change() and
// replace(); undo() and redo() put an earlier state back and every window
// shows it again.
#include <QObject>
#include <QString>

#include "codec/edited_codeplug.h"

namespace pl63::ui {

class CodeplugDocument : public QObject {
    Q_OBJECT

public:
    const Codeplug& data() const { return edited_.data(); }
    // The Codeplug itself, for tests that arrange data and for start-up;
    // nothing it changes here is recorded or shown.
    Codeplug& dataForSetUp() { return edited_.dataForSetUp(); }

    // The file the data were last opened from or saved to; empty when they
    // came from New, a read or start-up. Undo takes it back with the data.
    QString filePath() const;
    bool isModified() const { return edited_.isModified(); }

    // A change the user made, as one step named `name`. Data that come out
    // the same record nothing. The window that made it shows it itself.
    using Edit = EditedCodeplug::Edit;
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

    bool canUndo() const { return edited_.canUndo(); }
    bool canRedo() const { return edited_.canRedo(); }
    const StepName& undoName() const { return edited_.undoName(); }
    const StepName& redoName() const { return edited_.redoName(); }
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
    void pendingEditsWanted();

private:
    EditedCodeplug edited_;
};

}  // namespace pl63::ui
