#include "ui/options/embedded_text.h"

namespace pl63::ui {

bool isEmbeddedTextCharacter(QChar c) {
    return forms::isEmbeddedTextCharacter(c.unicode());
}

QValidator::State EmbeddedTextValidator::validate(QString& input, int& position) const {
    QString kept;
    kept.reserve(input.size());
    int keptPosition = position;
    for (int i = 0; i < input.size(); ++i) {
        const QChar c = input.at(i);
        if (isEmbeddedTextCharacter(c) || stored_.contains(c)) {
            kept.append(c);
        } else if (i < position) {
            --keptPosition;
        }
    }
    input = kept;
    position = keptPosition;
    return Acceptable;
}

}  // namespace pl63::ui
