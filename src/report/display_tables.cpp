#include "display_tables.h"

#include "i18n/caption_catalogue.h"

namespace pl63::report {
namespace {

using i18n::caption;
using i18n::listEntries;

// The caption beside a list and the list's entries, of one window.
DisplayList list(const char* window, const char* caption, const char* list) {
    return {i18n::caption(window, caption), listEntries(window, list)};
}

DisplayTables build() {
    DisplayTables t;
    for (int column = 0; column < int(t.gridHeaders.size()); ++column) {
        t.gridHeaders[std::size_t(column)] = caption("Form1", "Grid1", column);
    }

    t.typeSelectionTitle = caption("Form1", "Frame1");
    t.model = caption("Form1", "Label10");
    t.band = list("Form1", "Label3", "Combo1");

    t.functionSetTitle = caption("Form1", "Frame2");
    t.timeOut = list("Form1", "Label5", "Combo3");
    t.timeOutWarn = list("Form1", "Label1", "Combo4");
    t.squelchGrade = list("Form1", "Label6", "Combo9");
    t.voicePrompt = list("Form1", "Label4", "Combo2");
    t.batterySave = list("Form1", "Label7", "Combo6");
    t.beep = list("Form1", "Label8", "Combo7");
    t.voxFunction = list("Form1", "Label11", "Combo11");
    t.voxGain = list("Form1", "Label13", "Combo13");
    t.voxDelay = list("Form1", "Label12", "Combo12");
    t.checkBoxStates = {caption("Sheet", "unchecked"), caption("Sheet", "checked")};
    t.cancelOperation = caption("Form1", "Check3");
    t.receivedBannedVox = caption("Form1", "Check4");
    t.commPassword = caption("Form1", "Label9");

    t.keysTitle = caption("Form6", "Form6");
    t.pf1 = list("Form6", "Label1", "Combo1");
    t.pf2 = list("Form6", "Label2", "Combo2");

    t.optionalTitle = caption("Form5", "Form5");
    t.priority = list("Form5", "Label14", "Combo11");
    t.preferredChannel = list("Form5", "Label15", "Combo12");
    t.retraceA = list("Form5", "Label17", "Combo13");
    t.retraceB = list("Form5", "Label16", "Combo14");
    t.returnChannel = list("Form5", "Label18", "Combo15");
    t.scanReceiveDelay = caption("Form5", "Label19");
    t.scanLaunchDelay = caption("Form5", "Label20");
    t.voxVolumeControl = caption("Form5", "Label7");
    t.idCode = caption("Sheet", "idCode");
    t.pttIdStartCode = caption("Sheet", "pttIdStartCode");
    t.pttIdEndCode = caption("Sheet", "pttIdEndCode");
    t.dtmfSetting = caption("Sheet", "dtmfSetting");
    t.dtmfCode = caption("Sheet", "dtmfCode");
    t.pttId = list("Form5", "Label4", "Combo4");
    t.duplicate = list("Form5", "Label11", "Combo10");

    // The window keeps its designed title in both languages; our reports name
    // it as the menu item that opens it does.
    t.testFrequencyTitle = caption("Form1", "mnutestfre");
    for (int column = 0; column < int(t.testFrequencyHeaders.size()); ++column) {
        t.testFrequencyHeaders[std::size_t(column)] = caption("Form4", "mfgrid1", column);
    }

    t.embeddedTitle = caption("Form7", "Form7");

    t.sheetTitle = caption("Sheet", "title");
    t.sheetFile = caption("Sheet", "file");
    t.sheetDate = caption("Sheet", "date");
    t.otherData = caption("Sheet", "otherData");

    // As its menu item names it; the window says "Debug".
    t.debugTitle = caption("Steps", "Form2");
    t.txHighPower = caption("Form2", "Frame1");
    t.txLowPower = caption("Form2", "Frame2");
    return t;
}

}  // namespace

std::string DisplayList::itemText(long long position, Language language) const {
    if (position >= 0 && position < static_cast<long long>(items.size())) {
        return items[static_cast<std::size_t>(position)].in(language);
    }
    return "<" + std::to_string(position) + ">";
}

const DisplayTables& displayTables() {
    static const DisplayTables tables = build();
    return tables;
}

}  // namespace pl63::report
