#pragma once
// ApplyCaptions' table walker: writes the catalogue's rows of a window into
// its widgets. A row changes one text in place: it never adds or removes list
// entries and never changes a selection.
#include <QString>
#include <QStringList>
#include <QWidget>

#include "i18n/caption_catalogue.h"

namespace pl63::i18n {

// Dynamic property naming the element of a control array.
inline constexpr const char* kControlIndexProperty = "controlIndex";

// The table of a window by its objectName (see caption_catalogue.h).
inline const CaptionTable& captionTable(const QString& windowName) {
    return captionTable(std::string_view(windowName.toStdString()));
}

// The Chinese text of a catalogue row, which a window is built with (the
// design text); ApplyCaptions then writes the language in force.
inline QString designText(std::string_view window, std::string_view control, int index = 0,
                          int element = -1) {
    return QString::fromStdString(caption(window, control, index, element).zh);
}
// The design texts of a list's entries, in position order.
QStringList designEntries(std::string_view window, std::string_view list, int element = -1);

// The widget or action a row names inside `window` (the window itself for a
// WindowTitle row); nullptr when there is none.
QObject* findCaptionTarget(QWidget* window, const CaptionRow& row);

// Writes the column of `languageFlag` (0 Chinese, 1 English) of every row
// into `window`; any other flag writes nothing. Returns a description of each
// row whose target was not found or cannot take the text, so tests can insist
// on none.
QStringList applyCaptionTable(QWidget* window, const CaptionTable& table, int languageFlag);

}  // namespace pl63::i18n
