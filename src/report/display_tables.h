#pragma once
// The texts `pl63 show`, `pl63 diff` and the channel sheet print: captions and
// list items of the main window, the Optional functions, Key settings,
// Embedded information, Test frequency and Debug windows, in both languages,
// as the caption catalogue has them: the reports spell no caption of their own.
#include <array>
#include <string>
#include <vector>

#include "codec/bilingual.h"

namespace pl63::report {

struct DisplayList {
    Bilingual caption;
    std::vector<Bilingual> items;

    // The item at `position`; a position outside the list shows as the
    // number in angle brackets (the radio may hold what no list offers).
    std::string itemText(long long position, Language language) const;
};

struct DisplayTables {
    std::array<Bilingual, 9> gridHeaders;

    Bilingual typeSelectionTitle;
    Bilingual model;  // "机型" / "Model", one entry "PL-63"
    DisplayList band;

    Bilingual functionSetTitle;
    DisplayList timeOut, timeOutWarn, squelchGrade, voicePrompt, batterySave, beep;
    DisplayList voxFunction, voxGain, voxDelay;
    Bilingual cancelOperation, receivedBannedVox;
    std::array<Bilingual, 2> checkBoxStates;  // unchecked, checked: words, not box marks
    Bilingual commPassword;

    Bilingual keysTitle;
    DisplayList pf1, pf2;

    Bilingual optionalTitle;
    DisplayList priority, preferredChannel, retraceA, retraceB, returnChannel, pttId, duplicate;
    Bilingual scanReceiveDelay, scanLaunchDelay;
    Bilingual voxVolumeControl;
    // Stored with the window's options but shown by no control of it.
    Bilingual idCode, pttIdStartCode, pttIdEndCode, dtmfSetting, dtmfCode;

    Bilingual testFrequencyTitle;
    std::array<Bilingual, 3> testFrequencyHeaders;

    Bilingual embeddedTitle;

    // The channel sheet's own words, and the comparison's for bytes no
    // caption names.
    Bilingual sheetTitle, sheetFile, sheetDate, otherData;

    Bilingual debugTitle;
    Bilingual txHighPower, txLowPower;
};

const DisplayTables& displayTables();

}  // namespace pl63::report
