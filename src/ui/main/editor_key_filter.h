#pragma once
// What a key typed into one of the grid's editors does. Only keys that type a
// character are filtered (arrows, Delete and the like keep working); a paste
// is refused because it would bring in characters no key could type.
#include <QChar>
#include <QKeyEvent>

namespace pl63::ui {

struct TypedKey {
    enum Kind {
        NotTyping,  // no character: the editor handles the key as usual
        Enter,      // the editor gives the focus back to the grid
        Discard,
        Type,  // `character` reaches the edit field
    };
    Kind kind = NotTyping;
    QChar character;
};

// Text1: digits, the decimal point and Backspace.
TypedKey frequencyEditorKey(const QKeyEvent& event);

// Combo8: digits, the decimal point, Backspace, D, N and I, the last three
// also typed in lower case and raised.
TypedKey toneEditorKey(const QKeyEvent& event);

}  // namespace pl63::ui
