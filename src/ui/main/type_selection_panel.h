#pragma once
// Frame1, "Type selection": the radio model (Combo10), the frequency band
// (Combo1) and the communication password (Text2). The band list's position
// is Codeplug::band; changing it to another band asks first, because the
// channels entered for one band make no sense in another.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "ui/main/password_box.h"

namespace pl63::ui {

struct AppContext;

// Combo1: remembers the position it had when its drop-down opened, which is
// the band a change from the list is measured against.
class BandComboBox : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override {
        emit popupOpening();
        QComboBox::showPopup();
    }

signals:
    void popupOpening();
};

class TypeSelectionPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit TypeSelectionPanel(AppContext& context, QWidget* parent = nullptr);

    QComboBox* modelList() const { return combo10_; }
    BandComboBox* bandList() const { return combo1_; }
    PasswordBox* passwordBox() const { return text2_; }

    // Shows Codeplug::band without the band question (after DecodeImage):
    // PreviousBandIndex is made the new position first, so the change handler
    // only takes the new limits.
    void showBand();
    // Shows CommPassword.
    void showPassword();

    int BandLowMHz() const;
    int BandHighMHz() const;

signals:
    // A confirmed band change: the channels of the old band are to go.
    void bandChangeConfirmed();

private:
    void bandChosen(int position);

    AppContext& context_;
    QLabel* label10_;
    QComboBox* combo10_;
    QLabel* label3_;
    BandComboBox* combo1_;
    QLabel* label9_;
    PasswordBox* text2_;
};

}  // namespace pl63::ui
