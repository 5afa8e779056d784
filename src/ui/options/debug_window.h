#pragma once
// Form2, "Debug": the two transmit power tuning values, a view over
// TxHighPowerTune and TxLowPowerTune. The sliders move only in TuneMode;
// outside it the window shows the values read-only, and OK writes back what
// it shows either way.
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QWidget>

#include "ui/window_registry.h"

namespace pl63::ui {

struct AppContext;

class DebugWindow : public QWidget, public StoreView {
    Q_OBJECT

public:
    DebugWindow(AppContext& context, QWidget* owner);

    void showStores() override;

private:
    struct Tuning {
        QSlider* slider = nullptr;
        QLabel* value = nullptr;
    };
    QWidget* buildGroup(const char* frame, const char* slider, const char* value,
                        const char* lowEnd, const char* highEnd, Tuning& tuning);
    void acceptEdits();  // OK

    AppContext& context_;
    Tuning high_;                // Slider1, Lblpower1
    Tuning low_;                 // Slider3, Lblpower3
    QPushButton* ok_ = nullptr;  // Command1
};

}  // namespace pl63::ui
