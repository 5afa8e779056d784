#include "ui/main/channel_list_commands.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVBoxLayout>

#include "codec/band.h"
#include "codec/channel_csv.h"
#include "codec/chirp_csv.h"
#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "codec/safe_file.h"
#include "codec/shown_text.h"
#include "i18n/localized_msgbox.h"
#include "i18n/step_names.h"
#include "report/channel_sheet.h"
#include "report/codeplug_diff.h"
#include "sheet/channel_sheet_document.h"
#include "ui/app_context.h"

namespace pl63::ui {
namespace {

constexpr Bilingual kCsvFilter{"信道表 CSV (*.csv *.CSV)", "Channel list CSV (*.csv *.CSV)"};
constexpr Bilingual kPdfFilter{"PDF (*.pdf)", "PDF (*.pdf)"};
constexpr Bilingual kLeftOutTitle{"未导入的行", "Rows left out"};
constexpr Bilingual kLeftOutHeading{"对讲机容纳不下这些行，其他行已导入：",
                                    "The radio cannot hold these rows; the others were imported:"};
constexpr Bilingual kWarningsTitle{"导入警告", "Import warnings"};
constexpr Bilingual kWarningsHeading{"已导入，但请注意：", "Imported, but note:"};
constexpr Bilingual kCompareTitle{"与文件比较", "Compare with file"};
constexpr Bilingual kNoDifference{"与该文件没有差别。", "No difference from the file."};
constexpr Bilingual kCannotRead{"无法读取文件：", "Cannot read the file: "};
constexpr Bilingual kNotWritten{"文件没有写入：", "The file was not written: "};

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
        tell(kCannotRead, shownText(localPath(path)));
        return;
    }
    const QByteArray bytes = file.readAll();
    const std::string csv(bytes.constData(), static_cast<std::size_t>(bytes.size()));

    const Codeplug& data = context_.document.data();
    const BandEntry* band = bandAt(data.band);
    if (!band) band = bandAt(0);
    const FrequencyBand limits{band->lowMHz, band->highMHz};
    const Language lang = language();
    ChannelGrid channels = data.channels;
    std::vector<LeftOutRow> leftOut;
    std::vector<ErrorText> warnings;
    if (detectChannelCsvFormat(csv) == ChannelCsvFormat::Chirp) {
        // The window takes what fits and lists the rest, as --skip-unfit does.
        auto imported = importChirpCsv(csv, channels, limits, lang, UnfitRows::LeaveOut);
        if (!imported) return tell({imported.error().zh, imported.error().en});
        leftOut = std::move(imported.value());
    } else {
        // DCS codes with the digit 8 or 9 are imported as typed, but the
        // radio reads another code: the warnings say which.
        Status imported = importChannelsCsv(csv, channels, limits, lang, &warnings);
        if (!imported) return tell({imported.error().zh, imported.error().en});
    }
    context_.document.change(i18n::stepName("import"),
                             [&](Codeplug& codeplug) { codeplug.channels = channels; });
    showChannels_();
    if (leftOut.empty() && warnings.empty()) return;
    std::string lines;
    for (const LeftOutRow& row : leftOut) {
        lines += (lang == Language::English ? "line " : "第 ") + std::to_string(row.line) +
                 (lang == Language::English ? " (" : " 行（") + shownText(row.frequency) +
                 (lang == Language::English ? "): " : "）：") + row.reason.in(lang) + "\n";
    }
    for (const ErrorText& warning : warnings) lines += warning.in(lang) + "\n";
    const bool onlyWarnings = leftOut.empty();
    showList(onlyWarnings ? kWarningsTitle : kLeftOutTitle,
             qtext((onlyWarnings ? kWarningsHeading : kLeftOutHeading).str(lang)), lines);
}

void ChannelListCommands::exportChannels(Layout layout) {
    context_.document.commitPendingEdits();
    const QString path = files_.dialogs().saveFileName(&owner_, qtext(kCsvFilter.str(language())));
    if (path.isEmpty()) return;
    const ChannelGrid& channels = context_.document.data().channels;
    const std::string csv =
        layout == Layout::Chirp ? exportChirpCsv(channels) : exportChannelsCsv(channels);
    if (Status written = writeFileSafely(localPath(path), csv); !written) {
        tell(kNotWritten, written.error().in(language()));
    }
}

void ChannelListCommands::compareWithFile() {
    context_.document.commitPendingEdits();
    const QString path = files_.dialogs().openFileName(&owner_, codeplugFileFilter());
    if (path.isEmpty()) return;
    const Result<MemoryImage> image = readDatFile(localPath(path));
    if (!image) return tell({image.error().zh, image.error().en});
    const Language lang = language();
    Codeplug other;
    DecodeImage(image.value(), other, lang);
    // What the window holds, as a file saved now would give it back.
    Codeplug shown;
    DecodeImage(EncodeImage(context_.document.data(), lang), shown, lang);
    const std::string lines = report::codeplugDifferences(shown, other, lang);
    if (lines.empty()) return tell(kNoDifference);
    const QString heading = QStringLiteral("A: ") + qtext(Bilingual{"本窗口", "this window"}.str(lang)) +
                            QStringLiteral("    B: ") + QFileInfo(path).fileName();
    showList(kCompareTitle, heading, lines);
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
        tell(kNotWritten, written.error().in(language()));
    }
}

}  // namespace pl63::ui
