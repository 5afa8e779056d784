#include "ui/options/optional_functions_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <string>

#include "codec/bilingual.h"
#include "codec/conversions.h"
#include "forms/form_rules.h"
#include "i18n/language_flag.h"
#include "i18n/qt/captions.h"
#include "i18n/qt/localized_msgbox.h"
#include "i18n/step_names.h"
#include "ui/app_context.h"
#include "ui/options/ok_cancel_row.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

constexpr int kWidthTwips = 5595;
constexpr int kHeightTwips = 6090;

constexpr int kPriorityNo = 0;
constexpr int kPriorityFixed = 1;

// The designated captions of the TuneMode gesture, in the gesture's order.
enum DesignatedCaption : int { CaptionPttId = 0, CaptionDuplicate = 1, CaptionPreferred = 2 };

using forms::kEmptyChannelRefused;
using forms::kFixedNeedsChannel;
using forms::kFixedNeedsChannelTitle;

QString text(const Bilingual& texts, Language language) {
    return QString::fromUtf8(texts.in(language).data(),
                             static_cast<qsizetype>(texts.in(language).size()));
}

// A list position from a store text; a value the list has no entry for
// leaves the list without selection.
void selectPosition(QComboBox* list, long long position) {
    list->setCurrentIndex(position >= 0 && position < list->count() ? static_cast<int>(position)
                                                                    : -1);
}

long long storeNumber(const std::string& text) {
    return leadingNumber(text);
}

std::string positionText(const QComboBox* list) {
    return std::to_string(list->currentIndex());
}

}  // namespace

OptionalFunctionsWindow::OptionalFunctionsWindow(AppContext& context, QWidget* owner)
    : QWidget(owner, Qt::Dialog), context_(context) {
    setObjectName(QStringLiteral("Form5"));
    buildControls();
    // The design texts are the Chinese captions; ApplyCaptions switches them.
    i18n::applyCaptionTable(this, i18n::captionTable(objectName()), i18n::kFlagChinese);
    setFixedSize(twipsToPixels(kWidthTwips, kHeightTwips));

    connect(priority_, &QComboBox::currentIndexChanged, this,
            &OptionalFunctionsWindow::priorityChanged);
    connect(preferredChannel_, &QComboBox::currentIndexChanged, this,
            &OptionalFunctionsWindow::preferredChannelChanged);
    connect(ok_, &QPushButton::clicked, this, &OptionalFunctionsWindow::acceptEdits);
    // Cancel keeps what the user left in the controls; the next OK writes it.
    connect(cancel_, &QPushButton::clicked, this, &QWidget::hide);
    connect(&context_.state, &ProgramState::storesDecoded, this,
            &OptionalFunctionsWindow::showStores);

    showStores();
}

OptionalFunctionsWindow::~OptionalFunctionsWindow() = default;

QComboBox* OptionalFunctionsWindow::addList(const char* name) {
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    list->addItems(i18n::designEntries("Form5", name));
    return list;
}

CaptionLabel* OptionalFunctionsWindow::addCaption(const char* name) {
    auto* caption = new CaptionLabel(this);
    caption->setObjectName(QString::fromLatin1(name));
    return caption;
}

void OptionalFunctionsWindow::buildControls() {
    priority_ = addList("Combo11");
    preferredChannel_ = addList("Combo12");
    retraceA_ = addList("Combo13");
    retraceB_ = addList("Combo14");
    returnChannel_ = addList("Combo15");
    receiveDelay_ = makeScanDelayField(this, QStringLiteral("Text5"), QStringLiteral("VScroll1"));
    launchDelay_ = makeScanDelayField(this, QStringLiteral("Text6"), QStringLiteral("VScroll2"));
    pttId_ = addList("Combo4");
    duplicate_ = addList("Combo10");

    // Never shown: carries OptionalSettings[8] from DecodeImage to OK as it is.
    voxVolumeControl_ = addList("Combo9");
    voxVolumeControl_->hide();
    addCaption("Label7")->hide();
    dtmf_ = std::make_unique<HiddenDtmfControls>(this);

    auto* scan = new QGroupBox(this);
    scan->setObjectName(QStringLiteral("Frame2"));
    auto* scanGrid = new QGridLayout(scan);
    auto addRow = [](QGridLayout* grid, QLabel* caption, QWidget* control) {
        const int row = grid->rowCount();
        grid->addWidget(caption, row, 0);
        grid->addWidget(control, row, 1);
    };
    auto delayBox = [this](const ScanDelayField& field) {
        auto* box = new QWidget(this);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(0);
        row->addWidget(field.text);
        field.spinner->setFixedSize(17, field.text->sizeHint().height());
        row->addWidget(field.spinner);
        return box;
    };

    CaptionLabel* preferredCaption = addCaption("Label15");
    addRow(scanGrid, addCaption("Label14"), priority_);
    addRow(scanGrid, preferredCaption, preferredChannel_);
    addRow(scanGrid, addCaption("Label17"), retraceA_);
    addRow(scanGrid, addCaption("Label16"), retraceB_);
    addRow(scanGrid, addCaption("Label18"), returnChannel_);
    addRow(scanGrid, addCaption("Label19"), delayBox(receiveDelay_));
    addRow(scanGrid, addCaption("Label20"), delayBox(launchDelay_));
    scanGrid->setColumnStretch(0, 1);

    auto* others = new QGridLayout;
    CaptionLabel* pttCaption = addCaption("Label4");
    CaptionLabel* duplicateCaption = addCaption("Label11");
    addRow(others, pttCaption, pttId_);
    addRow(others, duplicateCaption, duplicate_);
    others->setColumnStretch(0, 1);
    // The rows below the group line up with the rows inside it.
    scan->ensurePolished();
    const QMargins frame = scan->contentsMargins();
    const QMargins inner = scanGrid->contentsMargins();
    others->setContentsMargins(frame.left() + inner.left(), inner.top(),
                               frame.right() + inner.right(), 0);

    constexpr int kControlWidth = 140;
    for (QComboBox* list :
         {priority_, preferredChannel_, retraceA_, retraceB_, returnChannel_, pttId_, duplicate_})
        list->setFixedWidth(kControlWidth);
    receiveDelay_.text->setFixedWidth(kControlWidth - 17);
    launchDelay_.text->setFixedWidth(kControlWidth - 17);

    const OkCancelRow buttons = makeOkCancelRow(this, RowAlignment::Right);
    ok_ = buttons.ok;
    cancel_ = buttons.cancel;

    auto* column = new QVBoxLayout(this);
    column->addWidget(scan);
    column->addLayout(others);
    column->addStretch(1);
    column->addLayout(buttons.layout);

    connect(pttCaption, &CaptionLabel::clicked, this,
            [this] { designatedCaptionClicked(CaptionPttId); });
    connect(duplicateCaption, &CaptionLabel::clicked, this,
            [this] { designatedCaptionClicked(CaptionDuplicate); });
    connect(preferredCaption, &CaptionLabel::clicked, this,
            [this] { designatedCaptionClicked(CaptionPreferred); });
}

void OptionalFunctionsWindow::showStores() {
    const Codeplug& codeplug = context_.codeplug;
    const auto& settings = codeplug.OptionalSettings;
    // In the order DecodeImage takes the bytes: Priority before Preferred
    // channel, so the checks that run on each change see the new priority.
    selectPosition(pttId_, storeNumber(settings[3]));
    selectPosition(voxVolumeControl_, storeNumber(settings[8]));
    selectPosition(duplicate_, storeNumber(settings[9]));
    selectPosition(priority_, storeNumber(settings[10]));
    selectPosition(preferredChannel_, storeNumber(settings[11]) - 1);
    selectPosition(retraceA_, storeNumber(settings[12]));
    selectPosition(retraceB_, storeNumber(settings[13]));
    selectPosition(returnChannel_, storeNumber(settings[14]));
    receiveDelay_.text->setText(QString::fromStdString(settings[18]));
    launchDelay_.text->setText(QString::fromStdString(settings[19]));
    dtmf_->showStores(codeplug);
}

void OptionalFunctionsWindow::acceptEdits() {
    context_.document.change(i18n::stepName("Form5"), [this](Codeplug& codeplug) {
        auto& settings = codeplug.OptionalSettings;
        settings[3] = positionText(pttId_);
        settings[8] = positionText(voxVolumeControl_);
        settings[9] = positionText(duplicate_);
        settings[10] = positionText(priority_);
        // No selection stores channel 0.
        settings[11] = std::to_string(preferredChannel_->currentIndex() + 1);
        settings[12] = positionText(retraceA_);
        settings[13] = positionText(retraceB_);
        settings[14] = positionText(returnChannel_);
        settings[18] = receiveDelay_.text->text().toStdString();
        settings[19] = launchDelay_.text->text().toStdString();
        dtmf_->writeCodes(codeplug);
        dtmf_->writeSettings(codeplug);
    });
    hide();
}

// A fixed priority scans one channel, so it must be one in use: the first
// such channel is taken, and without any the priority goes back to "No".
void OptionalFunctionsWindow::priorityChanged(int position) {
    if (position != kPriorityFixed) return;
    if (const int channel = forms::firstChannelInUse(context_.codeplug.channels); channel != 0) {
        rememberedChannel_ = channel;
        preferredChannel_->setCurrentIndex(channel - 1);
        return;
    }
    const Language language = context_.state.language();
    i18n::LocalizedMsgBox(messageOwner(), context_.state.LanguageFlag,
                          text(kFixedNeedsChannel, language), i18n::StyleOkOnly,
                          text(kFixedNeedsChannelTitle, language));
    priority_->setCurrentIndex(kPriorityNo);
}

void OptionalFunctionsWindow::preferredChannelChanged(int position) {
    if (restoringChannel_ || position < 0 || priority_->currentIndex() != kPriorityFixed) return;
    if (context_.codeplug.channels.inUse(position + 1)) return;
    i18n::LocalizedMsgBox(messageOwner(), context_.state.LanguageFlag,
                          text(kEmptyChannelRefused, context_.state.language()), i18n::StyleOkOnly);
    // The remembered channel goes back in without being checked again: it
    // was in use when it was remembered, and one refusal is enough.
    restoringChannel_ = true;
    preferredChannel_->setCurrentIndex(rememberedChannel_ - 1);
    restoringChannel_ = false;
}

void OptionalFunctionsWindow::designatedCaptionClicked(int caption) {
    if (!context_.state.tuneGesture.click(caption, context_.clock().secondsSinceMidnight())) return;
    // Repeated while the latch holds: a decode in between cleared DebugUnlocked.
    context_.state.DebugUnlocked = true;
    context_.state.setTuneMode(true);
}

// Messages for a change the program made while the window is hidden (a
// decode) stand over the main window instead.
QWidget* OptionalFunctionsWindow::messageOwner() {
    return isVisible() || !context_.mainWindow ? this : context_.mainWindow;
}

}  // namespace pl63::ui
