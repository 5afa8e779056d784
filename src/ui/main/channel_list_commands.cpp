#include "ui/main/channel_list_commands.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>

#include "codec/band.h"
#include "codec/channel_csv.h"
#include "codec/chirp_csv.h"
#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "codec/safe_file.h"
#include "codec/shown_text.h"
#include "forms/channel_import.h"
#include "forms/file_comparison.h"
#include "i18n/caption_catalogue.h"
#include "i18n/qt/localized_msgbox.h"
#include "i18n/step_names.h"
#include "report/channel_sheet.h"
#include "report/codeplug_diff.h"
#include "sheet/channel_sheet_document.h"
#include "ui/app_context.h"

namespace pl63::ui {
namespace {

const Bilingual kCsvFilter{"信道表 CSV (*.csv *.CSV)", "Channel list CSV (*.csv *.CSV)"};
const Bilingual kPdfFilter{"PDF (*.pdf)", "PDF (*.pdf)"};
// The list windows' titles and headings and the messages, as the catalogue
// has them for the browser page as well.
Bilingual message(const char* name) {
    return i18n::caption("Commands", name);
}

// A channel list is a few kilobytes; anything far larger is no channel list.
constexpr qint64 kMaxCsvBytes = 1 << 20;

QString qtext(const std::string& text) {
    return QString::fromStdString(text);
}

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

TextListWindow::TextListWindow(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("FormChannelList"));
    setModal(false);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("Label1"));
    heading_->setWordWrap(true);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Text1"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    resize(640, 420);
}

void TextListWindow::showList(const QString& title, const QString& heading, const QString& lines) {
    setWindowTitle(title);
    heading_->setText(heading);
    text_->setPlainText(lines);
    show();
    raise();
}

QString TextListWindow::heading() const {
    return heading_->text();
}

QString TextListWindow::lines() const {
    return text_->toPlainText();
}

ChannelListCommands::ChannelListCommands(AppContext& context, QWidget& owner, FileCommands& files,
                                         std::function<void()> showChannels)
    : context_(context),
      owner_(owner),
      showChannels_(std::move(showChannels)),
      files_(files),
      preview_([this](const std::function<void(QPrinter&)>& paint) {
          QPrintPreviewDialog dialog(&owner_);
          connect(&dialog, &QPrintPreviewDialog::paintRequested,
                  [&paint](QPrinter* printer) { paint(*printer); });
          widenToItsToolbar(dialog);
          dialog.exec();
      }) {}

Language ChannelListCommands::language() const {
    return context_.state.language();
}

int ChannelListCommands::languageFlag() const {
    return context_.state.LanguageFlag;
}

void ChannelListCommands::tell(const Bilingual& message, const std::string& detail) {
    i18n::LocalizedMsgBox(&owner_, languageFlag(),
                          qtext(message.str(language()) + detail), i18n::StyleOkOnly);
}

void ChannelListCommands::showList(const Bilingual& title, const QString& heading,
                                   const std::string& lines) {
    if (!list_) list_ = new TextListWindow(&owner_);
    list_->showList(qtext(title.str(language())), heading, qtext(lines));
}

void ChannelListCommands::importChannels() {
    context_.document.commitPendingEdits();
    const QString path = files_.dialogs().openFileName(&owner_, qtext(kCsvFilter.str(language())));
    if (path.isEmpty()) return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxCsvBytes) {
        tell(cannotReadFile(localPath(path)));
        return;
    }
    const QByteArray bytes = file.readAll();
    const std::string csv(bytes.constData(), static_cast<std::size_t>(bytes.size()));

    // The window takes what fits and lists the rest, as --skip-unfit does.
    const Language lang = language();
    const auto imported = forms::importChannelList(csv, context_.document.data(), lang, true);
    if (!imported) return tell(imported.error());
    context_.document.change(i18n::stepName("import"), [&](Codeplug& codeplug) {
        codeplug.channels = imported.value().channels;
    });
    showChannels_();
    const forms::ImportReport report = forms::importReport(imported.value(), lang);
    if (report.title.empty()) return;
    showList(Bilingual{report.title, report.title}, qtext(report.heading), report.lines);
}

void ChannelListCommands::exportChannels(Layout layout) {
    context_.document.commitPendingEdits();
    const QString path = files_.dialogs().saveFileName(&owner_, qtext(kCsvFilter.str(language())));
    if (path.isEmpty()) return;
    const ChannelGrid& channels = context_.document.data().channels;
    const std::string csv =
        layout == Layout::Chirp ? exportChirpCsv(channels) : exportChannelsCsv(channels);
    if (Status written = writeFileSafely(localPath(path), csv); !written) {
        tell(message("notWritten"), written.error().in(language()));
    }
}

void ChannelListCommands::compareWithFile() {
    context_.document.commitPendingEdits();
    const QString path = files_.dialogs().openFileName(&owner_, codeplugFileFilter());
    if (path.isEmpty()) return;
    const Result<MemoryImage> image = readDatFile(localPath(path));
    if (!image) return tell(image.error());
    const forms::FileComparison comparison =
        forms::compareWithFile(context_.document.data(), image.value(),
                               QFileInfo(path).fileName().toStdString(), language());
    if (comparison.lines.empty()) return tell(message("noDifference"));
    showList(message("compareTitle"), qtext(comparison.heading), comparison.lines);
}

namespace {

report::ChannelSheet sheetOf(const AppContext& context, Language language) {
    const QString file = QFileInfo(context.document.filePath()).fileName();
    return report::channelSheet(context.document.data(), language, file.toStdString(),
                                QDate::currentDate().toString(Qt::ISODate).toStdString());
}

}  // namespace

void ChannelListCommands::print() {
    context_.document.commitPendingEdits();
    const report::ChannelSheet sheet = sheetOf(context_, language());
    preview_([&sheet](QPrinter& printer) {
        printer.setPageSize(QPageSize(QPageSize::A4));
        sheet::printChannelSheet(sheet, printer);
    });
}

void ChannelListCommands::exportPdf() {
    context_.document.commitPendingEdits();
    const QString path = files_.dialogs().saveFileName(&owner_, qtext(kPdfFilter.str(language())));
    if (path.isEmpty()) return;
    if (Status written = sheet::writeChannelSheetPdf(sheetOf(context_, language()), localPath(path));
        !written) {
        tell(message("notWritten"), written.error().in(language()));
    }
}

void widenToItsToolbar(QPrintPreviewDialog& preview) {
    const auto* toolbar = preview.findChild<QToolBar*>();
    if (!toolbar) return;
    int wanted = toolbar->sizeHint().width();
    if (const QLayout* layout = preview.layout()) {
        const QMargins margins = layout->contentsMargins();
        wanted += margins.left() + margins.right();
    }
    if (const QScreen* screen = preview.screen())
        wanted = std::min(wanted, screen->availableGeometry().width());
    if (preview.width() < wanted)
        preview.resize(wanted, std::max(preview.height(), wanted * 3 / 4));
}

}  // namespace pl63::ui
