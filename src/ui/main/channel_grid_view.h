#pragma once
// Grid1: the 16 channels of the Codeplug's ChannelGrid, one row each, with
// the three kinds of editor placed exactly over the clicked cell: Text1 for
// frequencies, Combo8 for tones, Combo5[5..8] for the fixed-choice lists.
// The cell texts shown are the ChannelGrid's; the editors commit through the
// codec's entry rules when they lose the focus.
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>
#include <array>
#include <string>

#include "codec/codeplug.h"

namespace pl63::ui {

struct AppContext;

class ChannelGridView : public QTableWidget {
    Q_OBJECT

public:
    // objectName "Grid1". The editors are created as children of `editorParent`
    // (the widget the grid sits in) so they can lie over the grid.
    ChannelGridView(AppContext& context, QWidget* editorParent, QWidget* parent = nullptr);

    // Rewrites every cell from the ChannelGrid (after DecodeImage, New, ...).
    // An editor still open was opened on the channels that were just replaced:
    // it closes without writing anything.
    void showChannels();
    // An open editor commits as if it lost the focus (before a transfer or a
    // save); true when one was open.
    bool commitOpenEditor();

    // Model operations that also refresh the view.
    void ClearNO(int row);
    void ClearGrid();
    void ClearGrid1();
    // After ApplyCaptions: the Off texts and list cells of the rows in use in
    // the language now in force.
    void SetGrid1Text();

    int EditRow() const { return editRow_; }
    int EditCol() const { return editCol_; }

    QLineEdit* frequencyEditor() const { return text1_; }  // Text1
    QComboBox* toneEditor() const { return combo8_; }      // Combo8
    QComboBox* listEditor(int column) const;               // Combo5[column], 5..8

    // Wide and high enough to show all 16 rows and 9 columns, at their own
    // widths, without scrolling.
    QSize sizeHint() const override;

signals:
    // A cell changed through an editor.
    void channelEdited(int row, int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyboardSearch(const QString& search) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class OpenEditor { None, Frequency, Tone, List };

    // channel_grid_view.cpp: the grid itself.
    void buildGrid();
    void applyDesignHeaders();
    void spreadColumns();
    int designWidth(int col) const;
    void refreshRow(int row);
    void refreshAll();
    void clickCurrentCell();

    // channel_grid_editors.cpp: Text1, Combo8 and Combo5.
    void buildEditors();
    void refreshListTexts();
    void openEditor(int row, int col);
    void placeOver(QWidget* editor, int row, int col, bool keepOwnHeight);
    void watchAncestors();
    QWidget* openWidget() const;
    bool filterEditorKey(QObject* watched, QKeyEvent* event);
    bool focusStaysWithEditor(QWidget* editor, const QFocusEvent& event) const;
    void finishEditing();
    void commitFrequencyText();
    void commitToneText();
    void hideEditor(QWidget* editor, bool focusGrid);
    void discardOpenEditor();
    void onToneChosen(int index);
    void onListChosen(int column, int index);
    void afterChange(int row, int column, const std::array<std::string, kGridColumns>& before);
    std::array<std::string, kGridColumns> rowTexts(int row) const;

    AppContext& context_;
    QPointer<QWidget> editorParent_;
    QLineEdit* text1_ = nullptr;
    QComboBox* combo8_ = nullptr;
    std::array<QComboBox*, 4> combo5_{};
    int editRow_ = 1;
    int editCol_ = 1;
    bool GridClickArmed = false;
    OpenEditor open_ = OpenEditor::None;
    // Set while a key typed into Combo8's open list went to its edit field:
    // Enter then commits the typing instead of picking the highlighted item.
    bool toneTyped_ = false;
};

}  // namespace pl63::ui
