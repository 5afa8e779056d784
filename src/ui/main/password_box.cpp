#include "ui/main/password_box.h"

#include <QKeyEvent>

namespace pl63::ui {

PasswordBox::PasswordBox(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("Text2"));
    // The radio software masked with "*", not the platform's bullet.
    setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    setMasked(true);
    // A paste (keys, context menu, middle button) or a drop brings its text
    // past the key filter: the same rule then drops what could not be typed.
    connect(this, &QLineEdit::textEdited, this, [this](const QString& edited) {
        const QString kept = typeablePart(edited);
        if (kept != edited) {
            const int cursor = typeablePart(edited.left(cursorPosition())).size();
            setText(kept);
            setCursorPosition(cursor);
        }
        publish();
    });
}

QString PasswordBox::typeablePart(const QString& text) {
    QString kept;
    for (QChar c : text) {
        if (acceptsCharacter(c)) kept += c;
    }
    return kept;
}

void PasswordBox::setMasked(bool masked) {
    setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

bool PasswordBox::acceptsCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '.';
}

void PasswordBox::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool control = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (!control && !typed.isEmpty() && event->key() != Qt::Key_Backspace) {
        for (QChar c : typed) {
            // Tab, Enter and Escape type "characters" too but belong to the
            // window, not to the password.
            if (c.isPrint() && !acceptsCharacter(c)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void PasswordBox::keyReleaseEvent(QKeyEvent* event) {
    QLineEdit::keyReleaseEvent(event);
    publish();
}

void PasswordBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    publish();
}

void PasswordBox::publish() {
    emit passwordChanged(text().trimmed());
}

}  // namespace pl63::ui
