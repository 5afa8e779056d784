#include "ui/main/function_set_panel.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "i18n/qt/captions.h"
#include "i18n/step_names.h"
#include "ui/app_context.h"
#include "ui/caption_label.h"

namespace pl63::ui {

// Captions and entries are the catalogue's design texts; ApplyCaptions
// rewrites them in the language in force.
FunctionSetPanel::FunctionSetPanel(AppContext& context, QWidget* parent)
    : QGroupBox(i18n::designText("Form1", "Frame2"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame2"));
    using F = FunctionSet;

    auto label = [this](const char* name) -> QLabel* {
        auto* made = new CaptionLabel(i18n::designText("Form1", name), this);
        made->setObjectName(QString::fromLatin1(name));
        return made;
    };

    QLabel* label5 = label("Label5");
    // Filled at start-up (fillTimeOutList).
    QComboBox* combo3 = addList("Combo3", &F::timeOut, false);
    QLabel* label4 = label("Label4");
    QComboBox* combo2 = addList("Combo2", &F::voicePrompt);
    QLabel* label11 = label("Label11");
    QComboBox* combo11 = addList("Combo11", &F::voxFunction);

    QLabel* label1 = label("Label1");
    QComboBox* combo4 = addList("Combo4", &F::timeOutWarn);
    QLabel* label7 = label("Label7");
    QComboBox* combo6 = addList("Combo6", &F::batterySave);
    QLabel* label13 = label("Label13");
    QComboBox* combo13 = addList("Combo13", &F::voxGain);

    QLabel* label6 = label("Label6");
    QComboBox* combo9 = addList("Combo9", &F::squelchGrade);
    QLabel* label8 = label("Label8");
    QComboBox* combo7 = addList("Combo7", &F::beep);
    QLabel* label12 = label("Label12");
    QComboBox* combo12 = addList("Combo12", &F::voxDelay);

    check3_ = new QCheckBox(i18n::designText("Form1", "Check3"), this);
    check3_->setObjectName(QStringLiteral("Check3"));
    check4_ = new QCheckBox(i18n::designText("Form1", "Check4"), this);
    check4_->setObjectName(QStringLiteral("Check4"));
    connect(check3_, &QCheckBox::toggled, this, [this] { storeChecks("Check3"); });
    connect(check4_, &QCheckBox::toggled, this, [this] { storeChecks("Check4"); });

    // Three rows of three caption/list pairs, the switches below.
    auto* grid = new QGridLayout;
    const std::array<std::array<std::pair<QLabel*, QComboBox*>, 3>, 3> rows{{
        {{{label5, combo3}, {label4, combo2}, {label11, combo11}}},
        {{{label1, combo4}, {label7, combo6}, {label13, combo13}}},
        {{{label6, combo9}, {label8, combo7}, {label12, combo12}}},
    }};
    for (int row = 0; row < 3; ++row) {
        for (int pair = 0; pair < 3; ++pair) {
            grid->addWidget(rows[row][pair].first, row, pair * 2);
            grid->addWidget(rows[row][pair].second, row, pair * 2 + 1);
        }
    }
    auto* checks = new QHBoxLayout;
    checks->addWidget(check3_);
    checks->addWidget(check4_);
    checks->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(checks);

    const std::array<QLabel*, 3> gestureCaptions{label6, label1, label12};
    for (int caption = 0; caption < 3; ++caption) {
        connect(static_cast<CaptionLabel*>(gestureCaptions[caption]), &CaptionLabel::clicked,
                this, [this, caption] { emit gestureCaptionClicked(caption); });
    }
}

QComboBox* FunctionSetPanel::addList(const char* name, StoredPosition stored, bool withEntries) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    // A list takes the width of the entries it has when the window is first
    // shown; followEntryWidths() makes it follow later changes.
    // The lists of one column line up at the width of the widest.
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (withEntries) combo->addItems(i18n::designEntries("Form1", name));
    lists_.emplace_back(combo, stored);
    const StepName step = i18n::stepName(name);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, stored, step](int position) {
        if (showing_) return;
        context_.document.change(step, [stored, position](Codeplug& codeplug) {
            codeplug.functions.*stored = static_cast<std::int16_t>(position);
        });
    });
    return combo;
}

QComboBox* FunctionSetPanel::list(const char* objectName) const {
    return findChild<QComboBox*>(QString::fromLatin1(objectName));
}

void FunctionSetPanel::fillTimeOutList() {
    QComboBox* combo3 = list("Combo3");
    showing_ = true;
    combo3->clear();
    // The list starts in its English spelling, whatever the language.
    for (const Bilingual& entry : i18n::listEntries("Form1", "Combo3")) {
        combo3->addItem(QString::fromStdString(entry.en));
    }
    showing_ = false;
    showFunctions();
}

// English entries are longer than the Chinese ones. Following the entries
// builds each list's pop-up at once, which start-up need not pay for: it is
// switched on only when the language first changes.
void FunctionSetPanel::followEntryWidths() {
    for (const auto& [combo, stored] : lists_) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    }
}

void FunctionSetPanel::showFunctions() {
    showing_ = true;
    const FunctionSet& f = context_.codeplug.functions;
    for (const auto& [combo, stored] : lists_) {
        // A stored position the list does not have shows no selection.
        const int position = f.*stored;
        combo->setCurrentIndex(position < combo->count() ? position : -1);
    }
    check3_->setChecked(f.cancelOperation);
    check4_->setChecked(f.rxBannedVox);
    showing_ = false;
}

void FunctionSetPanel::storeChecks(const char* objectName) {
    if (showing_) return;
    const bool cancelOperation = check3_->isChecked();
    const bool rxBannedVox = check4_->isChecked();
    context_.document.change(i18n::stepName(objectName), [&](Codeplug& codeplug) {
        codeplug.functions.cancelOperation = cancelOperation;
        codeplug.functions.rxBannedVox = rxBannedVox;
    });
}

}  // namespace pl63::ui
