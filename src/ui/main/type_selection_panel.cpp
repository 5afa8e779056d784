#include "ui/main/type_selection_panel.h"

#include <QFormLayout>
#include <QSignalBlocker>

#include "codec/band.h"
#include "forms/grid_choices.h"
#include "i18n/qt/captions.h"
#include "i18n/qt/localized_msgbox.h"
#include "i18n/step_names.h"
#include "ui/app_context.h"

namespace pl63::ui {
namespace {

using forms::kBandQuestion;
using forms::kBandQuestionTitle;

QLabel* designLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

}  // namespace

TypeSelectionPanel::TypeSelectionPanel(AppContext& context, QWidget* parent)
    : QGroupBox(i18n::designText("Form1", "Frame1"), parent), context_(context) {
    setObjectName(QStringLiteral("Frame1"));

    // These two design texts end in a colon, which their captions drop.
    label10_ = designLabel("Label10", QStringLiteral("机型:"), this);
    combo10_ = new QComboBox(this);
    combo10_->setObjectName(QStringLiteral("Combo10"));
    combo10_->addItems(i18n::designEntries("Form1", "Combo10"));

    label3_ = designLabel("Label3", QStringLiteral("频段:"), this);
    combo1_ = new BandComboBox(this);
    combo1_->setObjectName(QStringLiteral("Combo1"));
    combo1_->addItems(i18n::designEntries("Form1", "Combo1"));

    label9_ = designLabel("Label9", i18n::designText("Form1", "Label9"), this);
    text2_ = new PasswordBox(this);

    auto* layout = new QFormLayout(this);
    layout->addRow(label10_, combo10_);
    layout->addRow(label3_, combo1_);
    layout->addRow(label9_, text2_);

    connect(combo1_, &BandComboBox::popupOpening, this,
            [this] { context_.state.PreviousBandIndex = combo1_->currentIndex(); });
    connect(combo1_, &QComboBox::currentIndexChanged, this, &TypeSelectionPanel::bandChosen);
    connect(text2_, &PasswordBox::passwordChanged, this, [this](const QString& trimmed) {
        const std::string password = trimmed.toLatin1().toStdString();
        // Typed key by key, undone as one step.
        context_.document.changeOngoing(i18n::stepName("password"), [&](Codeplug& codeplug) {
            codeplug.CommPassword = password;
        });
    });
}

void TypeSelectionPanel::showBand() {
    const int position = context_.codeplug.band;
    if (position < 0 || position >= kBandCount) return;
    context_.state.PreviousBandIndex = static_cast<std::int16_t>(position);
    combo1_->setCurrentIndex(position);
}

void TypeSelectionPanel::showPassword() {
    // Character fields hold the radio's bytes; a password is plain ASCII.
    text2_->setText(QString::fromLatin1(context_.codeplug.CommPassword));
}

int TypeSelectionPanel::BandLowMHz() const {
    const BandEntry* band = bandAt(context_.codeplug.band);
    return band ? band->lowMHz : 0;
}

int TypeSelectionPanel::BandHighMHz() const {
    const BandEntry* band = bandAt(context_.codeplug.band);
    return band ? band->highMHz : 0;
}

void TypeSelectionPanel::bandChosen(int position) {
    if (position < 0) return;
    const auto band = static_cast<std::int16_t>(position);
    const StepName step = i18n::stepName("band");
    // Back to the band the channels were entered for (or the band shown from
    // the data): no question.
    if (position == context_.state.PreviousBandIndex) {
        context_.document.change(step, [band](Codeplug& codeplug) { codeplug.band = band; });
        return;
    }

    const Language language = context_.state.language();
    const int answer = i18n::LocalizedMsgBox(
        window(), context_.state.LanguageFlag, QString::fromStdString(kBandQuestion.str(language)),
        i18n::StyleOkCancelQuestion, QString::fromStdString(kBandQuestionTitle.str(language)));
    if (answer != i18n::IdOk) {
        // Cancel cancels the change: a list left on the new band over the old
        // channels would have a save or write hold a band its channels do not
        // fit. The list shows the data's band again, the limits never left
        // it, and nothing is recorded.
        const QSignalBlocker quiet(combo1_);
        combo1_->setCurrentIndex(context_.codeplug.band);
        return;
    }
    // One step, the cleared channels with it.
    context_.state.PreviousBandIndex = band;
    context_.document.change(step, [band](Codeplug& codeplug) {
        codeplug.band = band;
        codeplug.channels.ClearGrid();
    });
    emit bandChangeConfirmed();
}

}  // namespace pl63::ui
