#pragma once
// Form5, "Optional Function": the radio-wide scan options, PTT ID and
// Duplicate, a view over OptionalSettings, DtmfSettings and DtmfCodes. It also
// carries, unseen, the DTMF settings, the DTMF code memories and the VOX
// volume control option from DecodeImage to OK, and three of its captions
// are where TuneMode is entered.
#include <QComboBox>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "ui/caption_label.h"
#include "ui/options/hidden_dtmf_controls.h"
#include "ui/options/scan_delay_field.h"
#include "ui/window_registry.h"

namespace pl63::ui {

struct AppContext;

class OptionalFunctionsWindow : public QWidget, public StoreView {
    Q_OBJECT

public:
    // A separate top-level window owned by `owner`; the controls are filled
    // from the stores at once.
    OptionalFunctionsWindow(AppContext& context, QWidget* owner);
    ~OptionalFunctionsWindow() override;

    // The stores into the controls: creation and after every DecodeImage.
    void showStores() override;

    // Channel chosen when Priority last became "Fixed"; 0 = none yet.
    int RememberedChannel() const { return rememberedChannel_; }

private:
    void buildControls();
    void layOutControls();
    QComboBox* addList(const char* name);
    CaptionLabel* addCaption(const char* name);

    void priorityChanged(int position);
    void preferredChannelChanged(int position);
    void designatedCaptionClicked(int caption);
    void acceptEdits();  // OK
    QWidget* messageOwner();

    AppContext& context_;
    int rememberedChannel_ = 0;
    bool restoringChannel_ = false;

    QComboBox* pttId_ = nullptr;             // Combo4
    QComboBox* voxVolumeControl_ = nullptr;  // Combo9, never shown
    QComboBox* duplicate_ = nullptr;         // Combo10
    QComboBox* priority_ = nullptr;          // Combo11
    QComboBox* preferredChannel_ = nullptr;  // Combo12
    QComboBox* retraceA_ = nullptr;          // Combo13
    QComboBox* retraceB_ = nullptr;          // Combo14
    QComboBox* returnChannel_ = nullptr;     // Combo15
    ScanDelayField receiveDelay_;            // Text5, VScroll1
    ScanDelayField launchDelay_;             // Text6, VScroll2
    QPushButton* ok_ = nullptr;              // Command1
    QPushButton* cancel_ = nullptr;          // Command2
    std::unique_ptr<HiddenDtmfControls> dtmf_;
};

}  // namespace pl63::ui
