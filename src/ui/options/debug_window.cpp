#include "ui/options/debug_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "forms/form_rules.h"
#include "i18n/language_flag.h"
#include "i18n/qt/captions.h"
#include "i18n/step_names.h"
#include "ui/app_context.h"
#include "ui/cancel_on_escape.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

constexpr int kWidthTwips = 5475;
constexpr int kHeightTwips = 3630;

using forms::kTuneMax;
using forms::kTuneMin;
constexpr int kSmallStep = 1;
constexpr int kLargeStep = 5;

QLabel* namedLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

DebugWindow::DebugWindow(AppContext& context, QWidget* owner)
    : QWidget(owner, Qt::Dialog), context_(context) {
    setObjectName(QStringLiteral("Form2"));
    // The same title in both languages: no caption row touches it.
    setWindowTitle(i18n::designText("Form2", "Form2"));

    auto* column = new QVBoxLayout(this);
    column->addWidget(buildGroup("Frame1", "Slider1", "Lblpower1", "Label3", "Label7", high_));
    column->addWidget(buildGroup("Frame2", "Slider3", "Lblpower3", "Label6", "Label8", low_));
    ok_ = new QPushButton(this);
    ok_->setObjectName(QStringLiteral("Command1"));
    column->addWidget(ok_, 0, Qt::AlignHCenter);

    i18n::applyCaptionTable(this, i18n::captionTable(objectName()), i18n::kFlagChinese);
    setFixedSize(twipsToPixels(kWidthTwips, kHeightTwips));

    // Created at start-up, before any TuneMode; from then on only entering
    // and leaving TuneMode change whether the sliders move. A window made
    // later starts as the tuning values would be sent: after a decode in
    // TuneMode, locked until the mode is entered again.
    const bool unlocked = context_.state.DebugUnlocked;
    for (Tuning* tuning : {&high_, &low_}) {
        tuning->slider->setEnabled(unlocked);
        QSlider* slider = tuning->slider;
        connect(&context_.state, &ProgramState::tuneModeChanged, slider, &QSlider::setEnabled);
    }
    connect(ok_, &QPushButton::clicked, this, &DebugWindow::acceptEdits);
    // No Cancel here: Escape does what the close box does.
    cancelOnEscape(this, [this] { hide(); });
    connect(&context_.state, &ProgramState::storesDecoded, this, &DebugWindow::showStores);

    showStores();
}

QWidget* DebugWindow::buildGroup(const char* frame, const char* slider, const char* value,
                                 const char* lowEnd, const char* highEnd, Tuning& tuning) {
    auto* group = new QGroupBox(this);
    group->setObjectName(QString::fromLatin1(frame));

    tuning.slider = new QSlider(Qt::Horizontal, group);
    tuning.slider->setObjectName(QString::fromLatin1(slider));
    tuning.slider->setRange(kTuneMin, kTuneMax);
    tuning.slider->setSingleStep(kSmallStep);
    tuning.slider->setPageStep(kLargeStep);
    tuning.value = namedLabel(group, value);
    tuning.value->setAlignment(Qt::AlignCenter);
    QLabel* shown = tuning.value;
    connect(tuning.slider, &QSlider::valueChanged, shown,
            [shown](int position) { shown->setNum(position); });

    auto* grid = new QGridLayout(group);
    grid->addWidget(tuning.value, 0, 1);
    grid->addWidget(namedLabel(group, lowEnd), 1, 0);
    grid->addWidget(tuning.slider, 1, 1);
    grid->addWidget(namedLabel(group, highEnd), 1, 2);
    grid->setColumnStretch(1, 1);
    return group;
}

void DebugWindow::showStores() {
    const Codeplug& codeplug = context_.codeplug;
    high_.slider->setValue(codeplug.TxHighPowerTune);
    high_.value->setNum(codeplug.TxHighPowerTune);
    low_.slider->setValue(codeplug.TxLowPowerTune);
    low_.value->setNum(codeplug.TxLowPowerTune);
}

// Also with the sliders disabled: the shown values go back unchanged.
void DebugWindow::acceptEdits() {
    context_.document.change(i18n::stepName("Form2"), [this](Codeplug& codeplug) {
        codeplug.TxHighPowerTune = high_.slider->value();
        codeplug.TxLowPowerTune = low_.slider->value();
    });
    hide();
}

}  // namespace pl63::ui
