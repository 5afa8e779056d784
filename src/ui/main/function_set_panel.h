#pragma once
// Frame2, "Function Set": nine radio-wide options as lists and two switches.
// The selections are Codeplug::functions: every change is written there at
// once, and showFunctions() puts the stored values back on the controls.
// Three of its captions (Squelch Grade, Time-out Warn, VOX Delay time) are
// the LoginMode gesture's.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <array>
#include <utility>
#include <vector>

#include "codec/codeplug.h"

namespace pl63::ui {

struct AppContext;

class FunctionSetPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit FunctionSetPanel(AppContext& context, QWidget* parent = nullptr);

    // Start-up step 4: the 40 Time-out entries, "15 S" .. "600 S".
    void fillTimeOutList();
    // Selects the stored values (start values, DecodeImage, Open).
    void showFunctions();
    // Before the texts change language: from now on each list takes the
    // width of its new entries.
    void followEntryWidths();

    QComboBox* list(const char* objectName) const;

signals:
    // Caption 0 Squelch Grade (Label6), 1 Time-out Warn (Label1),
    // 2 VOX Delay time (Label12).
    void gestureCaptionClicked(int caption);

private:
    using StoredPosition = std::int16_t FunctionSet::*;
    // A list with the catalogue's design entries (none: filled later).
    QComboBox* addList(const char* name, StoredPosition stored, bool withEntries = true);
    void storeChecks(const char* objectName);

    AppContext& context_;
    bool showing_ = false;  // the controls are being set from the stores
    std::vector<std::pair<QComboBox*, StoredPosition>> lists_;
    QCheckBox* check3_;
    QCheckBox* check4_;
};

}  // namespace pl63::ui
