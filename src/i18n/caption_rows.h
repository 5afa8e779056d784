#pragma once
// Shorthands for writing the catalogue's rows as data, one row per line, and
// the sections the catalogue is built from.
#include <string>

#include "i18n/caption_catalogue.h"

namespace pl63::i18n::rows {

inline CaptionRow title(const char* window, const char* zh, const char* en) {
    return {CaptionTarget::WindowTitle, window, 0, {zh, en}};
}
inline CaptionRow text(const char* name, const char* zh, const char* en) {
    return {CaptionTarget::Text, name, 0, {zh, en}};
}
inline CaptionRow entry(const char* list, int index, std::string zh, std::string en,
                        int element = -1) {
    return {CaptionTarget::ListEntry, list, index, {std::move(zh), std::move(en)}, element};
}
inline CaptionRow header(const char* table, int column, const char* zh, const char* en) {
    return {CaptionTarget::HeaderCell, table, column, {zh, en}};
}
inline CaptionRow toolTip(const char* toolbar, int button, const char* zh, const char* en) {
    return {CaptionTarget::ToolTip, toolbar, button, {zh, en}};
}
// A row the window shows as built (or the code puts together); see
// CaptionRow::applied.
inline CaptionRow unapplied(CaptionRow row) {
    row.applied = false;
    return row;
}

}  // namespace pl63::i18n::rows

namespace pl63::i18n::tables {

CaptionTable form1();
CaptionTable form2();
CaptionTable form4();
CaptionTable form5();
CaptionTable form6();
CaptionTable form7();
CaptionTable formUsePass();
CaptionTable frmAbout();
// Words of the channel sheet and the reports that no window shows.
CaptionTable sheet();
// The names of undo steps that are no control's caption, and the Edit
// menu's own words.
CaptionTable steps();
// The file and channel-list commands' messages, which the page shows too.
CaptionTable commands();
// The browser page's own words.
CaptionTable page();
// The link engine's texts.
CaptionTable linkTexts();

}  // namespace pl63::i18n::tables
