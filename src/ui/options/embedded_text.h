#pragma once
// What may go into a line of embedded information. The radio keeps each
// line as 32 single bytes and the program shows those bytes as Latin-1, so
// entry is limited to printable ASCII: every such character is one byte the
// radio shows as typed and that reads back unchanged. Characters that would
// need more than one byte (Chinese, for one) or no sure byte at all are left
// out when typed or pasted. Bytes a radio already holds are kept as they are.
#include <QString>
#include <QValidator>

#include "forms/form_rules.h"

namespace pl63::ui {

// Characters a key press is checked against: the 33rd is refused.
using forms::kEmbeddedLineLength;

bool isEmbeddedTextCharacter(QChar c);

// Strips what cannot be entered, except characters of the text the line was
// last filled with from the stores.
class EmbeddedTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    void setStoredText(const QString& text) { stored_ = text; }
    State validate(QString& input, int& position) const override;

private:
    QString stored_;
};

}  // namespace pl63::ui
