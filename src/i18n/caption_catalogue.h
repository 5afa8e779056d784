#pragma once
// The caption catalogue: every caption the program shows, spelled once, per
// window (by its objectName) as rows {target, control objectName, index,
// Chinese/English}. The windows apply the rows (i18n/qt/captions.h), and the
// reports, the undo step names, the panels' lists and the browser page read
// the same rows. Pure C++: no Qt header may be included here.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "codec/bilingual.h"

// The catalogue is built on first use from texts other files define (the
// side keys, the grid's list items): read it from functions, never from an
// initialiser at namespace scope.
namespace pl63::i18n {

enum class CaptionTarget {
    WindowTitle,  // the window's title; objectName is the window's own
    Text,         // a label, button, group box, menu or menu item
    ListEntry,    // entry `index` of a list
    HeaderCell,   // column `index` of a table's header row
    ToolTip,      // toolbar button number `index` (1-based, separators count)
};

struct CaptionRow {
    CaptionTarget target;
    std::string objectName;
    int index = 0;
    Bilingual text;
    // Elements of a control array (the grid's in-cell lists Combo5[5..8])
    // share one objectName and carry their element number; -1 for an
    // ordinary control.
    int element = -1;
    // False for a text the window shows the same in both languages (the band
    // list, "0.3S") or puts together itself (the Edit menu's step names):
    // the window builds its controls from it, ApplyCaptions passes it over.
    bool applied = true;
};

using CaptionTable = std::vector<CaptionRow>;

// The windows in the order ApplyCaptions visits them.
inline constexpr std::array<const char*, 8> kCaptionWindowOrder{
    "Form1", "Form2", "Form4", "Form5", "Form6", "Form7", "FormUsePass", "frmAbout"};

// The rows ApplyCaptions writes into a window, in the order it writes them;
// an empty table for a name that is no window of the catalogue.
const CaptionTable& captionTable(std::string_view window);
inline const CaptionTable& captionTable(const char* window) {
    return captionTable(std::string_view(window));
}

// One control's row, applied or not; nullptr when the catalogue has none.
const CaptionRow* findCaption(std::string_view window, std::string_view objectName, int index = 0,
                              int element = -1);
// The text of that row. A missing row shows as "window/objectName" in both
// languages, where a reader (and a test) sees it at once.
Bilingual caption(std::string_view window, std::string_view objectName, int index = 0,
                  int element = -1);
// Every entry of a list in position order, the entries that read the same in
// both languages included.
std::vector<Bilingual> listEntries(std::string_view window, std::string_view objectName,
                                   int element = -1);

// Every row of every section of the catalogue, applied or not, in the
// catalogue's order: the windows first, in kCaptionWindowOrder, then the
// sections of texts no window carries as a control's caption: "Sheet" (the
// reports' own words), "Steps" (undo step names), "Commands" (the file and
// channel-list commands' messages, which the page shows too), "Page" (the
// browser page's own words) and "Link" (the link engine's texts).
void forEachCaption(const std::function<void(std::string_view window, const CaptionRow&)>& visit);

}  // namespace pl63::i18n
