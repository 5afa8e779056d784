#include "ui/main/file_commands.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "i18n/localized_msgbox.h"
#include "ui/app_context.h"
#include "ui/main/channel_grid_view.h"
#include "ui/main/main_window.h"

namespace pl63::ui {
namespace {

constexpr Bilingual kNewWarning{"所有信道的数据将被清除！", "All channel data will be clear."};
constexpr Bilingual kNewWarningTitle{"警告", "Warnning"};
constexpr Bilingual kOverwriteQuestion{"该文件已存在，是否覆盖？",
                                       "This file already exists, whether to cover?"};

QString text(const Bilingual& texts, Language language) {
    return QString::fromStdString(texts.str(language));
}

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

QString codeplugFileFilter() {
    return QString::fromUtf8(kApplicationTitle) + QStringLiteral("(*.DAT *.dat)");
}

QString QtFileDialogs::openFileName(QWidget* owner, const QString& filter) {
    QFileDialog dialog(owner, QString(), lastFolder_, filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::ReadOnly);  // no "open read-only" choice
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    lastFolder_ = dialog.directory().absolutePath();
    return dialog.selectedFiles().first();
}

QString QtFileDialogs::saveFileName(QWidget* owner, const QString& filter) {
    QFileDialog dialog(owner, QString(), lastFolder_, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(QStringLiteral("DAT"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    lastFolder_ = dialog.directory().absolutePath();
    return dialog.selectedFiles().first();
}

FileCommands::FileCommands(MainWindow& window)
    : window_(window), dialogs_(std::make_unique<QtFileDialogs>()) {}

int FileCommands::language() const {
    return window_.context().state.LanguageFlag;
}

void FileCommands::newCodeplug() {
    const Language lang = window_.context().state.language();
    const int answer =
        i18n::LocalizedMsgBox(&window_, language(), text(kNewWarning, lang),
                              i18n::StyleOkCancelWarning, text(kNewWarningTitle, lang));
    if (answer == i18n::IdCancel) return;
    window_.grid()->ClearGrid1();
}

void FileCommands::open() {
    const QString path = dialogs_->openFileName(&window_, codeplugFileFilter());
    if (path.isEmpty()) return;
    AppContext& context = window_.context();
    const Result<MemoryImage> image = readDatFile(localPath(path));
    if (!image) {
        i18n::LocalizedMsgBox(&window_, language(),
                              QString::fromStdString(image.error().in(context.state.language())),
                              i18n::StyleOkOnly);
        return;
    }
    DecodeImage(image.value(), context.codeplug, context.state.language());
    window_.showDecodedImage();
}

void FileCommands::save() {
    AppContext& context = window_.context();
    // A frequency still being typed belongs in the file.
    window_.grid()->commitOpenEditor();
    const Language lang = context.state.language();
    QString path;
    for (;;) {
        path = dialogs_->saveFileName(&window_, codeplugFileFilter());
        if (path.isEmpty()) return;
        if (!QFileInfo::exists(path)) break;
        const int answer = i18n::LocalizedMsgBox(
            &window_, language(), text(kOverwriteQuestion, lang), i18n::StyleYesNoQuestion);
        if (answer == i18n::IdYes) break;
    }
    const MemoryImage image = EncodeImage(context.codeplug, lang);
    const Status saved = writeDatFile(localPath(path), image);
    if (!saved) {
        // The old file, if any, is untouched and the caption keeps naming
        // whatever it named: the user must not believe the save happened.
        i18n::LocalizedMsgBox(&window_, language(), QString::fromStdString(saved.error().in(lang)),
                              i18n::StyleCritical);
        return;
    }
    window_.setWindowTitle(QString::fromUtf8(kApplicationTitle) + QStringLiteral("-") + path);
}

}  // namespace pl63::ui
