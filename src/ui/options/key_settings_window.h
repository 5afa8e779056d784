#pragma once
// Form6, "Keys Set": the functions of the two side keys, a view over Pf1Key
// and Pf2Key. Next to the lists a side view of the radio marks the key whose
// list has the focus.
#include <QComboBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>

#include "ui/window_registry.h"

namespace pl63::ui {

struct AppContext;

class KeySettingsWindow : public QWidget, public StoreView {
    Q_OBJECT

public:
    KeySettingsWindow(AppContext& context, QWidget* owner);

    void showStores() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QComboBox* keyList(const char* name);
    void acceptEdits();  // OK

    AppContext& context_;
    QComboBox* pf1_ = nullptr;  // Combo1
    QComboBox* pf2_ = nullptr;  // Combo2
    QLabel* image_ = nullptr;   // Image1
    QPixmap pf1Picture_;        // Picture1, drawn when first shown
    QPixmap pf2Picture_;        // Picture2, drawn when first shown
};

}  // namespace pl63::ui
