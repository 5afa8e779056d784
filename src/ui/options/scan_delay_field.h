#pragma once
// The two scan delay boxes of the Optional functions window: a text box for
// whole seconds with a spinner beside it.
//
// The radio keeps delays of 0..300 s (a read ignores anything larger), so
// that is what the box takes: digits only, at most 300, or nothing at all
// (stored as 0). Letters and numbers past 300 are refused as they are typed
// or pasted, so the user never sees a value that the radio would turn into
// something else. A value the store already holds (such as -1 for a radio
// that never had one set) is shown as it is and written back unchanged.
//
// The spinner runs 0..300, 1 s per arrow click, 10 s per click in its track,
// the upper arrow raising the value. It keeps its own position: a click puts
// that position, moved by one step, into the box, whatever the box held.
#include <QLineEdit>
#include <QScrollBar>
#include <QString>
#include <QValidator>
#include <QWidget>

#include "forms/form_rules.h"

namespace pl63::ui {

using forms::kScanDelayMaxSeconds;

class ScanDelayValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

struct ScanDelayField {
    QLineEdit* text = nullptr;
    QScrollBar* spinner = nullptr;
};

// Both widgets are children of `parent`, named `textName` and `spinnerName`.
ScanDelayField makeScanDelayField(QWidget* parent, const QString& textName,
                                  const QString& spinnerName);

}  // namespace pl63::ui
