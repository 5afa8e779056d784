#pragma once
// Grid1: the 16 channels of the Codeplug's ChannelGrid, one row each, with
// the three kinds of editor placed exactly over the clicked cell: Text1 for
// frequencies, Combo8 for tones, Combo5[5..8] for the fixed-choice lists.
// The cell texts shown are the ChannelGrid's; the editors commit through the
// codec's entry rules when they lose the focus.
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <array>

namespace pl63::ui {

struct AppContext;

class ChannelGridView : public QTableWidget {
    Q_OBJECT

public:
    // objectName "Grid1". The editors are created as children of `editorParent`
    // (the widget the grid sits in) so they can lie over the grid.
    ChannelGridView(AppContext& context, QWidget* editorParent, QWidget* parent = nullptr);

    // Rewrites every cell from the ChannelGrid (after DecodeImage, New, ...).
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

signals:
    // A cell changed through an editor.
    void channelEdited(int row, int column);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    AppContext& context_;
    QLineEdit* text1_ = nullptr;
    QComboBox* combo8_ = nullptr;
    std::array<QComboBox*, 4> combo5_{};
    int editRow_ = 1;
    int editCol_ = 1;
    bool GridClickArmed = false;
};

}  // namespace pl63::ui
