#pragma once
// Form4, "测试频率": the sixteen test frequency pairs, a view over
// TestFrequencies. Every edit is moved onto the channel raster at once.
#include <QWidget>

#include "ui/window_registry.h"

namespace pl63::ui {

struct AppContext;
class DebugFrequencyTable;

class DebugFrequencyWindow : public QWidget, public StoreView {
    Q_OBJECT

public:
    DebugFrequencyWindow(AppContext& context, QWidget* owner);

    void showStores() override;

private:
    void snapRow(int row, int column);  // after an edit
    void acceptEdits();                 // OK

    AppContext& context_;
    DebugFrequencyTable* table_ = nullptr;  // mfgrid1
};

}  // namespace pl63::ui
