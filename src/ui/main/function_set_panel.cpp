#include "ui/main/function_set_panel.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "i18n/step_names.h"
#include "ui/app_context.h"
#include "ui/caption_label.h"

namespace pl63::ui {
namespace {

constexpr int kTimeOutEntries = 40;
constexpr int kTimeOutStepSeconds = 15;

// The design texts; ApplyCaptions rewrites them in the language in force.
QStringList numbered(int first, int last, const QString& suffix) {
    QStringList texts;
    for (int i = first; i <= last; ++i) texts << QString::number(i) + suffix;
    return texts;
}

}  // namespace

FunctionSetPanel::FunctionSetPanel(AppContext& context, QWidget* parent)
    : QGroupBox(QStringLiteral("功能设置"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame2"));
    using F = FunctionSet;

    auto label = [this](const char* name, const char* text) -> QLabel* {
        auto* made = new CaptionLabel(QString::fromUtf8(text), this);
        made->setObjectName(QString::fromLatin1(name));
        return made;
    };

    QLabel* label5 = label("Label5", "发射超时");
    QComboBox* combo3 = addList("Combo3", &F::timeOut);
    QLabel* label4 = label("Label4", "语言通知");
    QComboBox* combo2 = addList("Combo2", &F::voicePrompt);
    combo2->addItems({QStringLiteral("关"), QStringLiteral("中文"), QStringLiteral("英文")});
    QLabel* label11 = label("Label11", "VOX功能");
    QComboBox* combo11 = addList("Combo11", &F::voxFunction);
    combo11->addItems({QStringLiteral("禁止"), QStringLiteral("使能")});

    QLabel* label1 = label("Label1", "发射超时预警");
    QComboBox* combo4 = addList("Combo4", &F::timeOutWarn);
    combo4->addItems(QStringList{QStringLiteral("关闭")} + numbered(1, 10, QStringLiteral(" 秒")));
    QLabel* label7 = label("Label7", "省电");
    QComboBox* combo6 = addList("Combo6", &F::batterySave);
    combo6->addItems({QStringLiteral("禁止"), QStringLiteral("使能")});
    QLabel* label13 = label("Label13", "VOX增益电平");
    QComboBox* combo13 = addList("Combo13", &F::voxGain);
    combo13->addItems(QStringList{QStringLiteral("关闭")} + numbered(1, 10, QString()));

    QLabel* label6 = label("Label6", "静噪等级");
    QComboBox* combo9 = addList("Combo9", &F::squelchGrade);
    combo9->addItems(numbered(0, 9, QStringLiteral(" 级")));
    QLabel* label8 = label("Label8", "提示音");
    QComboBox* combo7 = addList("Combo7", &F::beep);
    combo7->addItems({QStringLiteral("禁止"), QStringLiteral("使能")});
    QLabel* label12 = label("Label12", "VOX延迟时间");
    QComboBox* combo12 = addList("Combo12", &F::voxDelay);
    combo12->addItems({"0.3S", "0.5S", "1S", "1.5S", "2S", "3S"});

    check3_ = new QCheckBox(QStringLiteral("取消操作"), this);
    check3_->setObjectName(QStringLiteral("Check3"));
    check4_ = new QCheckBox(QStringLiteral("接收时禁止VOX"), this);
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

QComboBox* FunctionSetPanel::addList(const char* name, StoredPosition stored) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    // A list takes the width of the entries it has when the window is first
    // shown; followEntryWidths() makes it follow later changes.
    // The lists of one column line up at the width of the widest.
    combo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
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
    QStringList entries;
    for (int i = 1; i <= kTimeOutEntries; ++i) {
        entries << QString::number(i * kTimeOutStepSeconds) + QStringLiteral(" S");
    }
    combo3->addItems(entries);
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
