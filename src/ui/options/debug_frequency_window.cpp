#include "ui/options/debug_frequency_window.h"

#include <QVBoxLayout>

#include "codec/debug_frequency.h"
#include "i18n/language_flag.h"
#include "i18n/qt/captions.h"
#include "i18n/step_names.h"
#include "ui/app_context.h"
#include "ui/options/ok_cancel_row.h"
#include "ui/options/debug_frequency_table.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

constexpr int kWidthTwips = 4695;
constexpr int kHeightTwips = 6165;

}  // namespace

DebugFrequencyWindow::DebugFrequencyWindow(AppContext& context, QWidget* owner)
    : QWidget(owner, Qt::Dialog), context_(context) {
    setObjectName(QStringLiteral("Form4"));
    // The same title in both languages: no caption row touches it.
    setWindowTitle(i18n::designText("Form4", "Form4"));

    table_ = new DebugFrequencyTable(this);
    const OkCancelRow buttons = makeOkCancelRow(this, RowAlignment::Centre);
    auto* column = new QVBoxLayout(this);
    column->addWidget(table_, 0, Qt::AlignHCenter);
    column->addStretch(1);
    column->addLayout(buttons.layout);

    i18n::applyCaptionTable(this, i18n::captionTable(objectName()), i18n::kFlagChinese);
    setFixedSize(twipsToPixels(kWidthTwips, kHeightTwips));

    connect(table_, &DebugFrequencyTable::cellEdited, this, &DebugFrequencyWindow::snapRow);
    connect(buttons.ok, &QPushButton::clicked, this, &DebugFrequencyWindow::acceptEdits);
    connect(buttons.cancel, &QPushButton::clicked, this, &QWidget::hide);
    connect(&context_.state, &ProgramState::storesDecoded, this, &DebugFrequencyWindow::showStores);

    showStores();
}

void DebugFrequencyWindow::showStores() {
    table_->abandonEditing();
    for (int row = 0; row < kChannelCount; ++row) {
        const auto& pair = context_.codeplug.TestFrequencies[row];
        table_->setCellText(row, TestColRx, QString::fromStdString(pair[0]));
        table_->setCellText(row, TestColTx, QString::fromStdString(pair[1]));
    }
}

void DebugFrequencyWindow::snapRow(int row, int column) {
    TestFrequencyRow pair{table_->cellText(row, TestColRx).toStdString(),
                          table_->cellText(row, TestColTx).toStdString()};
    SnapTestFrequency(pair, column);
    table_->setCellText(row, TestColRx, QString::fromStdString(pair[0]));
    table_->setCellText(row, TestColTx, QString::fromStdString(pair[1]));
}

void DebugFrequencyWindow::acceptEdits() {
    table_->finishEditing();
    context_.document.change(i18n::stepName("Form4"), [this](Codeplug& codeplug) {
        for (int row = 0; row < kChannelCount; ++row) {
            codeplug.TestFrequencies[row] = {table_->cellText(row, TestColRx).toStdString(),
                                             table_->cellText(row, TestColTx).toStdString()};
        }
    });
    hide();
}

}  // namespace pl63::ui
