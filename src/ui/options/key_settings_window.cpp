#include "ui/options/key_settings_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "forms/form_rules.h"
#include "i18n/language_flag.h"
#include "i18n/qt/captions.h"
#include "i18n/step_names.h"
#include "ui/app_context.h"
#include "ui/options/ok_cancel_row.h"
#include "ui/options/radio_side_view.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

constexpr int kWidthTwips = 6360;
constexpr int kHeightTwips = 4275;

// Automatic dial-up .. Delete temporary; the stored value is the position.
constexpr int kKeyFunctionCount = 12;
int shownPosition(int stored) {
    return forms::shownSideKeyPosition(stored);
}

}  // namespace

KeySettingsWindow::KeySettingsWindow(AppContext& context, QWidget* owner)
    : QWidget(owner, Qt::Dialog), context_(context) {
    setObjectName(QStringLiteral("Form6"));
    pf1_ = keyList("Combo1");
    pf2_ = keyList("Combo2");
    auto* pf1Caption = new QLabel(i18n::designText("Form6", "Label1"), this);
    pf1Caption->setObjectName(QStringLiteral("Label1"));
    auto* pf2Caption = new QLabel(i18n::designText("Form6", "Label2"), this);
    pf2Caption->setObjectName(QStringLiteral("Label2"));

    image_ = new QLabel(this);
    image_->setObjectName(QStringLiteral("Image1"));
    image_->setFixedSize(kSideViewSize);

    const OkCancelRow buttons = makeOkCancelRow(this, RowAlignment::Fill);

    auto* lists = new QGridLayout;
    lists->addWidget(pf1Caption, 0, 0);
    lists->addWidget(pf1_, 0, 1);
    lists->addWidget(pf2Caption, 1, 0);
    lists->addWidget(pf2_, 1, 1);
    lists->setColumnStretch(1, 1);
    lists->setVerticalSpacing(24);
    auto* left = new QVBoxLayout;
    left->addSpacing(24);
    left->addLayout(lists);
    left->addStretch(1);
    left->addLayout(buttons.layout);
    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addWidget(image_, 0, Qt::AlignVCenter);

    // The design texts are the Chinese ones; ApplyCaptions rewrites them.
    i18n::applyCaptionTable(this, i18n::captionTable(objectName()), i18n::kFlagChinese);
    setFixedSize(twipsToPixels(kWidthTwips, kHeightTwips));

    connect(buttons.ok, &QPushButton::clicked, this, &KeySettingsWindow::acceptEdits);
    connect(buttons.cancel, &QPushButton::clicked, this, &QWidget::hide);
    connect(&context_.state, &ProgramState::storesDecoded, this, &KeySettingsWindow::showStores);

    showStores();
}

QComboBox* KeySettingsWindow::keyList(const char* name) {
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    // Entries exist from the start so the caption rows can name them by position.
    list->addItems(QStringList(kKeyFunctionCount, QString()));
    list->installEventFilter(this);
    return list;
}

void KeySettingsWindow::showStores() {
    // A value from an image that is no list position shows "OFF"; the store
    // keeps it until OK writes what the list shows.
    pf1_->setCurrentIndex(shownPosition(context_.codeplug.Pf1Key));
    pf2_->setCurrentIndex(shownPosition(context_.codeplug.Pf2Key));
}

void KeySettingsWindow::acceptEdits() {
    context_.document.change(i18n::stepName("Form6"), [this](Codeplug& codeplug) {
        codeplug.Pf1Key = pf1_->currentIndex();
        codeplug.Pf2Key = pf2_->currentIndex();
    });
    hide();
}

// The window is created at start-up but seldom opened: the pictures are
// drawn the first time it is shown.
void KeySettingsWindow::showEvent(QShowEvent* event) {
    if (pf1Picture_.isNull()) {
        pf1Picture_ = radioSideView(SideKey::Pf1);
        pf2Picture_ = radioSideView(SideKey::Pf2);
        image_->setPixmap(pf2_->hasFocus() ? pf2Picture_ : pf1Picture_);
    }
    QWidget::showEvent(event);
}

bool KeySettingsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == pf1_) image_->setPixmap(pf1Picture_);
        if (watched == pf2_) image_->setPixmap(pf2Picture_);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pl63::ui
