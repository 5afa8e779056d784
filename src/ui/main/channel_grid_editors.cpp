// The editors Grid1 lays over a cell: Text1 (frequencies), Combo8 (tones) and
// Combo5[5..8] (the fixed-choice lists). An editor commits through the
// codec's entry rules when it loses the focus and then hides; at most one is
// ever open.
#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QStringListModel>

#include "codec/band.h"
#include "codec/frequency_entry.h"
#include "codec/grid_texts.h"
#include "codec/tone_code.h"
#include "codec/tone_entry.h"
#include "i18n/qt/captions.h"
#include "i18n/qt/localized_msgbox.h"
#include "i18n/step_names.h"
#include "ui/app_context.h"
#include "ui/main/channel_grid_view.h"
#include "ui/main/editor_key_filter.h"

namespace pl63::ui {
namespace {

const QColor kFrequencyEditorColour(255, 255, 192);

// Neither editor takes text that no key of its filter could type: no paste
// from a menu, no drop, no characters composed by an input method.
void shutOutUnfilteredText(QWidget* editor) {
    editor->setContextMenuPolicy(Qt::NoContextMenu);
    editor->setAcceptDrops(false);
    editor->setAttribute(Qt::WA_InputMethodEnabled, false);
}

bool isEnterKey(const QEvent& event) {
    const int key = static_cast<const QKeyEvent&>(event).key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool movesInList(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

// The editor itself, its edit field, or the list a list box opens.
bool isPartOf(QObject* object, QWidget* editor) {
    if (object == editor) return true;
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return false;
    if (editor->isAncestorOf(widget)) return true;
    auto* combo = qobject_cast<QComboBox*>(editor);
    return combo && widget->window() == combo->view()->window();
}

}  // namespace

void ChannelGridView::buildEditors() {
    QWidget* parent = editorParent_;

    // Text1 is the state of the frequency being typed; the cell keeps the
    // channel's value until the commit.
    text1_ = new QLineEdit(parent);
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setMaxLength(kFrequencyEditorMaxLength);
    text1_->setAlignment(Qt::AlignCenter);
    text1_->setFrame(false);
    QPalette yellow = text1_->palette();
    yellow.setColor(QPalette::Base, kFrequencyEditorColour);
    text1_->setPalette(yellow);
    text1_->setAutoFillBackground(true);
    shutOutUnfilteredText(text1_);
    text1_->installEventFilter(this);
    text1_->hide();

    combo8_ = new QComboBox(parent);
    combo8_->setObjectName(QStringLiteral("Combo8"));
    combo8_->setEditable(true);
    // Typing is committed by the tone rules alone: no completion that would
    // turn "D" into "D023N", no typed text added to the list.
    combo8_->setCompleter(nullptr);
    combo8_->setInsertPolicy(QComboBox::NoInsert);
    combo8_->setMaxVisibleItems(12);
    // The 261 tones are plain texts: a string list model holds them at a
    // fraction of what a standard item each costs when the window is built.
    QStringList tones;
    tones.reserve(kToneListSize);
    for (int position = 0; position < kToneListSize; ++position) {
        tones.append(QString::fromStdString(toneListText(position, Language::Chinese)));
    }
    combo8_->setModel(new QStringListModel(tones, combo8_));
    shutOutUnfilteredText(combo8_);
    shutOutUnfilteredText(combo8_->lineEdit());
    combo8_->installEventFilter(this);
    // Keys typed while the list is open reach the list, not the edit field.
    combo8_->view()->installEventFilter(this);
    connect(combo8_, &QComboBox::activated, this, &ChannelGridView::onToneChosen);
    combo8_->hide();

    for (int column = ColPower; column <= ColScan; ++column) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName(QStringLiteral("Combo5"));
        combo->setProperty(i18n::kControlIndexProperty, column);
        combo->addItems({QString(), QString()});
        combo->installEventFilter(this);
        connect(combo, &QComboBox::activated, this,
                [this, column](int index) { onListChosen(column, index); });
        combo->hide();
        combo5_[column - ColPower] = combo;
    }
    refreshListTexts();
}

QComboBox* ChannelGridView::listEditor(int column) const {
    return isListColumn(column) ? combo5_[column - ColPower] : nullptr;
}

// The list texts follow the language; ApplyCaptions writes the same texts
// when it runs, this keeps the grid right on its own.
void ChannelGridView::refreshListTexts() {
    const Language language = context_.state.language();
    combo8_->setItemText(0, QString::fromStdString(kToneOffText.str(language)));
    for (int column = ColPower; column <= ColScan; ++column) {
        for (int position = 0; position < 2; ++position) {
            listEditor(column)->setItemText(
                position, QString::fromUtf8(gridListText(column, position, language)));
        }
    }
}

QWidget* ChannelGridView::openWidget() const {
    switch (open_) {
        case OpenEditor::Frequency:
            return text1_;
        case OpenEditor::Tone:
            return combo8_;
        case OpenEditor::List:
            return listEditor(editCol_);
        case OpenEditor::None:
            break;
    }
    return nullptr;
}

void ChannelGridView::openEditor(int row, int col) {
    if (open_ != OpenEditor::None) commitOpenEditor();
    refreshListTexts();
    const QString cellText = QString::fromStdString(context_.codeplug.channels.text(row, col));
    QWidget* editor = nullptr;
    if (col == ColRxFrequency || col == ColTxFrequency) {
        text1_->setText(cellText);
        text1_->selectAll();
        placeOver(text1_, row, col, false);
        open_ = OpenEditor::Frequency;
        editor = text1_;
    } else if (col == ColRxTone || col == ColTxTone) {
        // Highlight the cell's item in the list when it has one, but the edit
        // field shows the cell exactly (a typed 70.0 is no list item).
        combo8_->setCurrentIndex(combo8_->findText(cellText));
        combo8_->setEditText(cellText);
        combo8_->lineEdit()->selectAll();
        placeOver(combo8_, row, col, true);
        open_ = OpenEditor::Tone;
        toneTyped_ = false;
        editor = combo8_;
    } else if (QComboBox* list = listEditor(col)) {
        list->setCurrentIndex(context_.codeplug.channels.choices().at(row, col));
        placeOver(list, row, col, true);
        open_ = OpenEditor::List;
        editor = list;
    }
    if (!editor) return;
    watchAncestors();
    editor->show();
    editor->raise();
    editor->setFocus(Qt::OtherFocusReason);
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        // Keys typed while the list is open reach the list. A list box builds
        // its list on first use; watching it from the start would build all
        // five at start-up. (Installing the filter again changes nothing.)
        combo->view()->installEventFilter(this);
        combo->showPopup();
        // The open list took the focus, which loses the edit field its
        // selection; the cell's text is selected so typing replaces it.
        if (combo->isEditable()) combo->lineEdit()->selectAll();
    }
}

// Over the cell: its position inside the grid plus the grid's own position.
// A list box keeps the height it needs for its text.
void ChannelGridView::placeOver(QWidget* editor, int row, int col, bool keepOwnHeight) {
    const QRect cell = visualRect(model()->index(row - 1, col));
    const QPoint topLeft =
        editorParent_->isAncestorOf(viewport())
            ? viewport()->mapTo(editorParent_, cell.topLeft())
            : editorParent_->mapFromGlobal(viewport()->mapToGlobal(cell.topLeft()));
    const int height = keepOwnHeight ? editor->sizeHint().height() : cell.height();
    editor->setGeometry(topLeft.x(), topLeft.y(), cell.width(), height);
}

// The editor is a child of the editor parent, not of the grid: when the grid
// or anything between it and the editor parent moves or resizes, the open
// editor follows its cell.
void ChannelGridView::watchAncestors() {
    for (QWidget* widget = this; widget && widget != editorParent_;
         widget = widget->parentWidget()) {
        widget->installEventFilter(this);
    }
}

// The editor's own list opening, or a menu, takes the focus only for a
// moment: the editor stays open (a menu command commits it through
// commitOpenEditor). Any other focus change ends the editing, including the
// window going to the background.
bool ChannelGridView::focusStaysWithEditor(QWidget* editor, const QFocusEvent& event) const {
    if (event.reason() == Qt::PopupFocusReason) return true;
    // A list box hands the focus on to its open list and gets it back.
    QWidget* now = QApplication::focusWidget();
    return now && isPartOf(now, editor);
}

bool ChannelGridView::eventFilter(QObject* watched, QEvent* event) {
    QWidget* editor = openWidget();
    if (watched->isWidgetType() &&
        (watched == this || static_cast<QWidget*>(watched)->isAncestorOf(this))) {
        const bool moved = event->type() == QEvent::Move || event->type() == QEvent::Resize;
        if (moved && editor) placeOver(editor, editRow_, editCol_, editor != text1_);
        return QTableWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
        case QEvent::ShortcutOverride:
            // The open list picks its highlighted item already when Enter is
            // offered as a shortcut; after typing, the key is claimed here so
            // that it arrives as a key press and commits the typing instead.
            if (watched == combo8_->view() && toneTyped_ && isEnterKey(*event)) {
                event->accept();
                return true;
            }
            break;
        case QEvent::KeyPress:
            return filterEditorKey(watched, static_cast<QKeyEvent*>(event));
        case QEvent::FocusOut:
            if (editor && isPartOf(watched, editor) &&
                !focusStaysWithEditor(editor, *static_cast<QFocusEvent*>(event))) {
                finishEditing();
            }
            break;
        default:
            break;
    }
    return QTableWidget::eventFilter(watched, event);
}

bool ChannelGridView::filterEditorKey(QObject* watched, QKeyEvent* event) {
    const bool inToneList = watched == combo8_->view();
    if (watched == text1_ || watched == combo8_ || inToneList) {
        const TypedKey key = watched == text1_ ? frequencyEditorKey(*event) : toneEditorKey(*event);
        switch (key.kind) {
            case TypedKey::Enter:
                // In the open list Enter picks the highlighted item, unless the
                // user has typed since: then it commits the typing like Enter in
                // the edit field.
                if (inToneList && !toneTyped_) return false;
                commitOpenEditor();
                setFocus(Qt::OtherFocusReason);
                return true;
            case TypedKey::Discard:
                return true;
            case TypedKey::Type:
                if (watched == text1_) return false;
                toneTyped_ = true;
                if (key.character == QLatin1Char('\b')) {
                    if (!inToneList) return false;
                    combo8_->lineEdit()->backspace();
                } else {
                    combo8_->lineEdit()->insert(key.character);
                }
                return true;
            case TypedKey::NotTyping:
                if (inToneList && movesInList(*event)) toneTyped_ = false;  // Enter picks again
                return false;
        }
        return false;
    }
    // Combo5: Enter gives the focus back to the grid, which closes it.
    if (isEnterKey(*event)) {
        if (auto* combo = qobject_cast<QComboBox*>(watched); combo && combo == openWidget()) {
            commitOpenEditor();
            setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

bool ChannelGridView::commitOpenEditor() {
    QWidget* editor = openWidget();
    if (!editor) return false;
    if (auto* combo = qobject_cast<QComboBox*>(editor)) combo->hidePopup();
    // Moving the focus commits through the editor's focus loss; when the
    // window is not active no focus event comes, so commit directly.
    if (editor->hasFocus() && isEnabled()) setFocus(Qt::OtherFocusReason);
    if (open_ != OpenEditor::None) finishEditing();
    return true;
}

void ChannelGridView::finishEditing() {
    switch (open_) {
        case OpenEditor::Frequency:
            commitFrequencyText();
            break;
        case OpenEditor::Tone:
            commitToneText();
            break;
        case OpenEditor::List:
            // A list editor that loses the focus without a choice changes nothing.
            open_ = OpenEditor::None;
            hideEditor(listEditor(editCol_), false);
            break;
        case OpenEditor::None:
            break;
    }
}

std::array<std::string, kGridColumns> ChannelGridView::rowTexts(int row) const {
    std::array<std::string, kGridColumns> texts;
    for (int col = 0; col < kGridColumns; ++col)
        texts[col] = context_.codeplug.channels.text(row, col);
    return texts;
}

void ChannelGridView::commitFrequencyText() {
    open_ = OpenEditor::None;
    const BandEntry* band = bandAt(context_.codeplug.band);
    if (!band) band = &kBands[0];
    const int row = editRow_;
    const int col = editCol_;
    const auto before = rowTexts(row);
    const Language language = context_.state.language();
    const std::string typed = text1_->text().toStdString();
    FrequencyCommitResult result{};
    context_.document.change(i18n::gridCellStep(row, col), [&](Codeplug& codeplug) {
        result = commitFrequency(codeplug.channels, row, col, typed,
                                 {band->lowMHz, band->highMHz}, language);
    });
    if (result.outcome == FrequencyCommit::OutOfBand) {
        i18n::LocalizedMsgBox(
            context_.mainWindow ? context_.mainWindow : window(), context_.state.LanguageFlag,
            QString::fromStdString(result.message.in(language)), i18n::StyleOkOnly);
        hideEditor(text1_, true);
        return;
    }
    hideEditor(text1_, false);
    afterChange(row, col, before);
}

void ChannelGridView::commitToneText() {
    open_ = OpenEditor::None;
    const int row = editRow_;
    const int col = editCol_;
    const auto before = rowTexts(row);
    const std::string typed = combo8_->currentText().toStdString();
    context_.document.change(i18n::gridCellStep(row, col), [&](Codeplug& codeplug) {
        commitTone(codeplug.channels, row, col, typed);
    });
    hideEditor(combo8_, false);
    afterChange(row, col, before);
}

void ChannelGridView::hideEditor(QWidget* editor, bool focusGrid) {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) combo->hidePopup();
    // The grid takes the focus before the editor hides, so hiding does not
    // pass it on to whatever widget comes next in the window.
    if (focusGrid || editor->hasFocus()) setFocus(Qt::OtherFocusReason);
    editor->hide();
}

void ChannelGridView::discardOpenEditor() {
    QWidget* editor = openWidget();
    open_ = OpenEditor::None;
    if (editor) hideEditor(editor, false);
}

// A choice counts only while the editor is open on a cell: selecting an item
// from code (opening, a language switch) is no choice.
void ChannelGridView::onToneChosen(int index) {
    if (open_ != OpenEditor::Tone || !combo8_->isVisible() || index < 0) return;
    open_ = OpenEditor::None;
    const int row = editRow_;
    const int col = editCol_;
    const auto before = rowTexts(row);
    const std::string chosen = combo8_->itemText(index).toStdString();
    context_.document.change(i18n::gridCellStep(row, col), [&](Codeplug& codeplug) {
        codeplug.channels.setText(row, col, chosen);
        // The chosen text goes through the typed-text rule as well; every
        // list item passes it unchanged or, the Off item, leaves the cell as
        // chosen.
        commitTone(codeplug.channels, row, col, chosen);
    });
    hideEditor(combo8_, true);
    afterChange(row, col, before);
}

void ChannelGridView::onListChosen(int column, int index) {
    QComboBox* list = listEditor(column);
    if (open_ != OpenEditor::List || editCol_ != column || !list->isVisible() || index < 0) return;
    open_ = OpenEditor::None;
    const int row = editRow_;
    const auto before = rowTexts(row);
    const std::string chosen = list->itemText(index).toStdString();
    context_.document.change(i18n::gridCellStep(row, column), [&](Codeplug& codeplug) {
        codeplug.channels.setText(row, column, chosen);
        codeplug.channels.choices().set(row, column, static_cast<std::int16_t>(index));
    });
    hideEditor(list, true);
    afterChange(row, column, before);
}

void ChannelGridView::afterChange(int row, int column,
                                  const std::array<std::string, kGridColumns>& before) {
    if (rowTexts(row) == before) return;
    refreshRow(row);
    emit channelEdited(row, column);
}

}  // namespace pl63::ui
