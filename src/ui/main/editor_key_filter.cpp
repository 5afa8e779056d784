#include "ui/main/editor_key_filter.h"

#include <optional>

#include "codec/frequency_entry.h"
#include "codec/tone_entry.h"

namespace pl63::ui {
namespace {

constexpr char kBackspace = '\b';

// The one character a key types, or nothing for keys that type none. Keys
// held with Ctrl/Alt/Meta are shortcuts, not typing, except a paste.
std::optional<QChar> typedCharacter(const QKeyEvent& event) {
    const QString text = event.text();
    if (event.key() == Qt::Key_Backspace) return QChar(kBackspace);
    if (text.isEmpty() || !text.at(0).isPrint()) return std::nullopt;
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
        return std::nullopt;
    }
    return text.at(0);
}

template <typename Filter>
TypedKey classify(const QKeyEvent& event, Filter filter) {
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        return {TypedKey::Enter, {}};
    }
    if (event.matches(QKeySequence::Paste)) return {TypedKey::Discard, {}};
    const std::optional<QChar> typed = typedCharacter(event);
    if (!typed) return {TypedKey::NotTyping, {}};
    // Nothing outside ASCII passes either filter; a key that types several
    // characters at once (a composed sequence) is refused as a whole.
    if (typed->unicode() > 0x7F || event.text().size() > 1) return {TypedKey::Discard, {}};
    const std::optional<char> kept = filter(static_cast<char>(typed->unicode()));
    if (!kept) return {TypedKey::Discard, {}};
    return {TypedKey::Type, QChar(*kept)};
}

}  // namespace

TypedKey frequencyEditorKey(const QKeyEvent& event) {
    return classify(event, [](char c) -> std::optional<char> {
        if (acceptsFrequencyKey(c)) return c;
        return std::nullopt;
    });
}

TypedKey toneEditorKey(const QKeyEvent& event) {
    return classify(event, filterToneKey);
}

}  // namespace pl63::ui
