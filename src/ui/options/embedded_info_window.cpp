#include "ui/options/embedded_info_window.h"

#include <QEvent>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "i18n/language_flag.h"
#include "i18n/qt/captions.h"
#include "i18n/step_names.h"
#include "ui/app_context.h"
#include "ui/options/embedded_text.h"
#include "ui/options/ok_cancel_row.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

constexpr int kWidthTwips = 5970;
constexpr int kHeightTwips = 2235;
constexpr int kLineWidthTwips = 5300;

// A key that would put a character into the line. Shortcuts (Ctrl+V among
// them) are no characters: pasting is not limited by the length check.
bool typesCharacter(const QKeyEvent* key) {
    if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    const QString text = key->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

// The radio's bytes, shown one character each (Latin-1 maps every byte).
QString shown(const std::string& stored) {
    return QString::fromLatin1(stored.data(), static_cast<qsizetype>(stored.size()));
}

}  // namespace

EmbeddedInfoWindow::EmbeddedInfoWindow(AppContext& context, QWidget* owner)
    : QWidget(owner, Qt::Dialog), context_(context) {
    setObjectName(QStringLiteral("Form7"));
    lines_[0] = line("Text1");
    lines_[1] = line("Text2");
    for (int i = 0; i < 2; ++i) {
        validators_[i] = new EmbeddedTextValidator(lines_[i]);
        lines_[i]->setValidator(validators_[i]);
    }

    const OkCancelRow buttons = makeOkCancelRow(this, RowAlignment::Right);
    auto* column = new QVBoxLayout(this);
    column->addWidget(lines_[0], 0, Qt::AlignHCenter);
    column->addWidget(lines_[1], 0, Qt::AlignHCenter);
    column->addStretch(1);
    column->addLayout(buttons.layout);

    i18n::applyCaptionTable(this, i18n::captionTable(objectName()), i18n::kFlagChinese);
    setFixedSize(twipsToPixels(kWidthTwips, kHeightTwips));

    connect(buttons.ok, &QPushButton::clicked, this, &EmbeddedInfoWindow::acceptEdits);
    connect(buttons.cancel, &QPushButton::clicked, this, &QWidget::hide);
    connect(&context_.state, &ProgramState::storesDecoded, this, &EmbeddedInfoWindow::showStores);

    showStores();
}

QLineEdit* EmbeddedInfoWindow::line(const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setFixedWidth(twipsToPixels(kLineWidthTwips));
    edit->installEventFilter(this);
    return edit;
}

void EmbeddedInfoWindow::showStores() {
    for (int i = 0; i < 2; ++i) {
        const QString text = shown(context_.codeplug.EmbeddedInfo[i]);
        validators_[i]->setStoredText(text);
        lines_[i]->setText(text);
    }
}

void EmbeddedInfoWindow::acceptEdits() {
    // Every character is one the radio holds in one byte (see the validator).
    context_.document.change(i18n::stepName("Form7"), [this](Codeplug& codeplug) {
        for (int i = 0; i < 2; ++i)
            codeplug.EmbeddedInfo[i] = lines_[i]->text().toLatin1().toStdString();
    });
    hide();
}

bool EmbeddedInfoWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (QLineEdit* edit : lines_) {
            if (watched != edit) continue;
            auto* key = static_cast<QKeyEvent*>(event);
            // A full line takes a typed character only in place of a selection.
            if (edit->text().size() >= kEmbeddedLineLength && !edit->hasSelectedText() &&
                key->key() != Qt::Key_Backspace && typesCharacter(key)) {
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace pl63::ui
