#pragma once
// State that several windows share: the language, the two hidden modes, the
// tuning unlock, the band the band question measures against and the saved
// serial port. None of it is the user's data: undo, "modified" and files
// never see it. Windows read the values and react to the signals;
// nobody keeps a copy of their own.
#include <QObject>
#include <QString>
#include <cstdint>

#include "codec/bilingual.h"
#include "i18n/application_title.h"
#include "ui/click_gesture.h"

namespace pl63::ui {

// The title message boxes fall back to and the help file is named after.
using i18n::kApplicationTitle;

class ProgramState : public QObject {
    Q_OBJECT

public:
    // 0 Chinese, 1 English; 2 (and any other value, only from an edited
    // parameter file) keeps the design texts.
    std::int16_t LanguageFlag = 0;
    Language language() const { return languageFromFlag(LanguageFlag); }

    // Serial port number 1..20 chosen in FormCOM; 0 when none.
    int SavedPort = 0;

    // The debug window's tuning values reach the radio: set by the caption
    // gesture in TuneMode, cleared when TuneMode ends and when a read or an
    // Open brings new data (tuning is re-entered deliberately).
    bool DebugUnlocked = false;
    // Combo1's position before the change being made: the band the channels
    // were entered for, or the band shown from the data.
    std::int16_t PreviousBandIndex = 0;

    bool LoginMode() const { return loginMode_; }
    bool TuneMode() const { return tuneMode_; }
    // Emit their signal only on a change.
    void setLoginMode(bool on);
    void setTuneMode(bool on);

    // After DecodeImage filled the Codeplug (a read or an Open): every window
    // that shows stores rewrites its controls.
    void announceStoresDecoded() { emit storesDecoded(); }

    // Gesture state lives here, not in the windows, because the main window's
    // hidden buttons clear what Form1's and Form5's captions set.
    CaptionGesture loginGesture;  // Form1: Squelch Grade, Time-out Warn, VOX Delay time
    CaptionGesture tuneGesture;   // Form5: PTT ID, Duplicate, Preferred channel
    DoubleClickExit loginExit;    // toolbar button "Login"
    DoubleClickExit tuneExit;     // toolbar button "TAnMa"

    // After a language switch has rewritten every caption table: texts
    // that no table holds follow. The language is a setting as well.
    void announceLanguageChanged() {
        emit languageChanged();
        emit settingsChanged();
    }
    // The lock, the saved port or the language has changed: the `parameter`
    // file keeps them at once, not only when the program closes.
    void announceSettingsChanged() { emit settingsChanged(); }

signals:
    void languageChanged();
    void settingsChanged();
    void loginModeChanged(bool on);
    void tuneModeChanged(bool on);
    void storesDecoded();

private:
    bool loginMode_ = false;
    bool tuneMode_ = false;
};

}  // namespace pl63::ui
