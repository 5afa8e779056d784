#pragma once
// Text2: the communication password on the main window. Only the characters
// a radio password may hold can be typed or pasted; the trimmed text becomes
// CommPassword after every key and when the box loses the focus. Masked with
// "*" except in LoginMode.
#include <QLineEdit>
#include <functional>

namespace pl63::ui {

class PasswordBox : public QLineEdit {
    Q_OBJECT

public:
    explicit PasswordBox(QWidget* parent = nullptr);

    // Shown as "*" per character, or in clear.
    void setMasked(bool masked);
    bool masked() const { return echoMode() != QLineEdit::Normal; }

    // Typed characters the box keeps: digits, A-Z, a-z and "."; Backspace and
    // the editing keys that type nothing are not filtered.
    static bool acceptsCharacter(QChar c);
    // The characters of `text` the key filter would have let through.
    static QString typeablePart(const QString& text);

signals:
    // The text to keep as CommPassword, blanks at both ends removed.
    void passwordChanged(const QString& trimmed);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void publish();
};

}  // namespace pl63::ui
