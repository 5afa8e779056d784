#pragma once
// The texts `pl63 show`, `pl63 diff` and the channel sheet print: captions and
// list items of the main window, the Optional functions, Key settings,
// Embedded information, Test frequency and Debug windows, in both languages.
// One row per text; no other file of the reports spells a caption.
#include <array>
#include <string>
#include <vector>

#include "codec/bilingual.h"

namespace pl63::report {

struct DisplayText {
    std::string zh;
    std::string en;

    const std::string& in(Language language) const {
        return language == Language::English ? en : zh;
    }
};

struct DisplayList {
    DisplayText caption;
    std::vector<DisplayText> items;

    // The item at `position`; a position outside the list shows as the
    // number in angle brackets (the radio may hold what no list offers).
    std::string itemText(long long position, Language language) const;
};

struct DisplayTables {
    std::array<DisplayText, 9> gridHeaders;

    DisplayText typeSelectionTitle;
    DisplayText model;  // "机型" / "Model", one entry "PL-63"
    DisplayList band;

    DisplayText functionSetTitle;
    DisplayList timeOut, timeOutWarn, squelchGrade, voicePrompt, batterySave, beep;
    DisplayList voxFunction, voxGain, voxDelay;
    DisplayText cancelOperation, receivedBannedVox;
    std::array<DisplayText, 2> checkBoxStates;  // unchecked, checked: words, not box marks
    DisplayText commPassword;

    DisplayText keysTitle;
    DisplayList pf1, pf2;

    DisplayText optionalTitle;
    DisplayList priority, preferredChannel, retraceA, retraceB, returnChannel, pttId, duplicate;
    DisplayText scanReceiveDelay, scanLaunchDelay;
    DisplayText voxVolumeControl;
    // Stored with the window's options but shown by no control of it.
    DisplayText idCode, pttIdStartCode, pttIdEndCode, dtmfSetting, dtmfCode;

    DisplayText testFrequencyTitle;
    std::array<DisplayText, 3> testFrequencyHeaders;

    DisplayText embeddedTitle;

    // The channel sheet's own words, and the comparison's for bytes no
    // caption names.
    DisplayText sheetTitle, sheetFile, sheetDate, otherData;

    DisplayText debugTitle;
    DisplayText txHighPower, txLowPower;
};

const DisplayTables& displayTables();

}  // namespace pl63::report
