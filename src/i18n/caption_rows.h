#pragma once
// Shorthands for writing caption tables as data, one row per line, and the
// per-window tables that captionTable() hands out.
#include "i18n/captions.h"

namespace pl63::i18n::rows {

inline CaptionRow title(const char* window, const char* zh, const char* en) {
    return {CaptionTarget::WindowTitle, window, 0, zh, en};
}
inline CaptionRow text(const char* name, const char* zh, const char* en) {
    return {CaptionTarget::Text, name, 0, zh, en};
}
inline CaptionRow entry(const char* list, int index, std::string zh, std::string en,
                        int element = -1) {
    return {CaptionTarget::ListEntry, list, index, std::move(zh), std::move(en), element};
}
inline CaptionRow header(const char* table, int column, const char* zh, const char* en) {
    return {CaptionTarget::HeaderCell, table, column, zh, en};
}
inline CaptionRow toolTip(const char* toolbar, int button, const char* zh, const char* en) {
    return {CaptionTarget::ToolTip, toolbar, button, zh, en};
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

}  // namespace pl63::i18n::tables
