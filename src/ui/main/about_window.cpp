#include "ui/main/about_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/qt/captions.h"
#include "ui/cancel_on_escape.h"
#include "ui/main/radio_picture.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

constexpr int kWidthTwips = 5730;
constexpr int kHeightTwips = 3200;

int pictureHeight() {
    return twipsToPixels(1440);  // an inch
}

// The design texts are the Chinese column of the window's caption table;
// ApplyCaptions rewrites them in the language in force.
QString designText(const char* name) {
    for (const i18n::CaptionRow& row : i18n::captionTable("frmAbout")) {
        if (row.objectName == name) return QString::fromStdString(row.text.zh);
    }
    return {};
}

QLabel* label(const char* name, QWidget* parent) {
    auto* made = new QLabel(designText(name), parent);
    made->setObjectName(name);
    return made;
}

}  // namespace

AboutWindow::AboutWindow(AppContext&, QWidget* owner) : QWidget(owner, Qt::Dialog) {
    setObjectName("frmAbout");
    setWindowTitle("Help");

    picture_ = new QLabel(this);
    picture_->setObjectName("picIcon");
    picture_->setFixedSize(radioPictureSize(pictureHeight()));
    picture_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    QLabel* title = label("lblTitle", this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    QLabel* version = label("lblVersion", this);
    QLabel* issue = label("Label2", this);
    QLabel* description = label("lblDescription", this);
    description->setWordWrap(true);
    // Room for two lines: a wrapping label in a fixed-size window is
    // otherwise squeezed to one.
    description->setMinimumHeight(description->fontMetrics().lineSpacing() * 2 + 4);

    auto* ok = new QPushButton(designText("cmdOK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
    cancelOnEscape(this, [ok] { ok->click(); });

    auto* texts = new QVBoxLayout;
    texts->addWidget(title);
    texts->addWidget(version);
    texts->addWidget(issue);
    texts->addSpacing(8);
    texts->addWidget(description);
    texts->addStretch();
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(ok);
    texts->addLayout(okRow);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(picture_);
    layout->addSpacing(12);
    layout->addLayout(texts, 1);

    setFixedSize(twipsToPixels(kWidthTwips, kHeightTwips));
}

// Created at start-up, seldom opened: the picture is drawn on the first show.
void AboutWindow::showEvent(QShowEvent* event) {
    if (picture_->pixmap().isNull()) picture_->setPixmap(radioPicture(pictureHeight()));
    QWidget::showEvent(event);
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace pl63::ui
