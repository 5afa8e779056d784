#include "ui/main/file_commands.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>

#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "codec/impossible_values.h"
#include "i18n/caption_catalogue.h"
#include "i18n/qt/localized_msgbox.h"
#include "i18n/step_names.h"
#include "settings/port_map.h"
#include "ui/app_context.h"

namespace pl63::ui {
namespace {

const Bilingual kOverwriteQuestion{"该文件已存在，是否覆盖？",
                                   "This file already exists, whether to cover?"};
const Bilingual kMissingRecent{"文件不存在，已从最近文件列表中移除：\n",
                               "The file no longer exists and was removed from the list of "
                               "recent files:\n"};

constexpr int kRecentCount = 4;
const QString kRecentKey = QStringLiteral("recentFiles");

QString text(const Bilingual& texts, Language language) {
    return QString::fromStdString(texts.str(language));
}

std::string localPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

// How the caption and the recent list name a file: absolute and without
// "." and ".." steps, whatever way it was reached.
QString shownPath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// One file, one place in the recent list: the same path written another
// way, or a link to the file, is the file itself.
bool sameFile(const QString& a, const QString& b) {
    if (shownPath(a) == shownPath(b)) return true;
    const QString real = QFileInfo(a).canonicalFilePath();
    return !real.isEmpty() && real == QFileInfo(b).canonicalFilePath();
}

// Kept beside the port map, in the settings folder, so every run of the
// program (and every test's own folder) has its own list.
// Empty when there is no settings folder (no home): nothing is kept then.
QString recentStorePath() {
    const QString folder = QFile::decodeName(settings::settingsFolder().c_str());
    if (folder.isEmpty()) return {};
    return QDir(folder).filePath(QStringLiteral("recent.ini"));
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
    // "PL63(*.DAT *.dat)" -> "DAT", "PDF (*.pdf)" -> "pdf".
    const int star = filter.indexOf(QStringLiteral("*."));
    if (star >= 0) {
        const QString rest = filter.mid(star + 2);
        dialog.setDefaultSuffix(rest.left(rest.indexOf(QRegularExpression(QStringLiteral("[ )]")))));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    lastFolder_ = dialog.directory().absolutePath();
    return dialog.selectedFiles().first();
}

FileCommands::FileCommands(AppContext& context, QWidget& owner)
    : context_(context), owner_(owner), dialogs_(std::make_unique<QtFileDialogs>()) {}

int FileCommands::languageFlag() const {
    return context_.state.LanguageFlag;
}

bool FileCommands::settleUnsavedChanges() {
    CodeplugDocument& document = context_.document;
    // A frequency still being typed is an unsaved change as well.
    document.commitPendingEdits();
    if (!document.isModified()) return true;
    const QString name = QFileInfo(document.filePath()).fileName();
    const std::string question =
        i18n::unsavedQuestion(name.toStdString(), context_.state.language());
    const int answer = i18n::LocalizedMsgBox(
        &owner_, languageFlag(), QString::fromStdString(question), i18n::StyleSaveDiscardCancel);
    if (answer == i18n::IdSave) return save();
    return answer == i18n::IdDiscard;
}

void FileCommands::newCodeplug() {
    if (!settleUnsavedChanges()) return;
    const Language lang = context_.state.language();
    const int answer = i18n::LocalizedMsgBox(
        &owner_, languageFlag(), text(i18n::caption("Commands", "newWarning"), lang),
        i18n::StyleOkCancelWarning, text(i18n::caption("Commands", "newWarningTitle"), lang));
    if (answer == i18n::IdCancel) return;
    context_.document.replace(
        i18n::stepName("new"), [](Codeplug& codeplug) { codeplug.channels.ClearGrid1(); }, {});
}

void FileCommands::open() {
    if (!settleUnsavedChanges()) return;
    const QString path = dialogs_->openFileName(&owner_, codeplugFileFilter());
    if (path.isEmpty()) return;
    load(path);
}

bool FileCommands::openFile(const QString& path) {
    // A file of the list that has gone is no reason to ask about the data.
    if (!QFileInfo::exists(path) && recentFiles().contains(path)) {
        forget(path);
        i18n::LocalizedMsgBox(&owner_, languageFlag(),
                              text(kMissingRecent, context_.state.language()) + path,
                              i18n::StyleCritical);
        return false;
    }
    if (!settleUnsavedChanges()) return false;
    return load(path);
}

bool FileCommands::load(const QString& path) {
    const Result<MemoryImage> image = readDatFile(localPath(path));
    if (!image) {
        i18n::LocalizedMsgBox(&owner_, languageFlag(),
                              QString::fromStdString(image.error().in(context_.state.language())),
                              i18n::StyleOkOnly);
        return false;
    }
    const Language lang = context_.state.language();
    // New data: tuning values reach the radio again only after TuneMode is
    // entered again.
    context_.state.DebugUnlocked = false;
    context_.document.replace(
        i18n::stepName("open"),
        [&](Codeplug& codeplug) { DecodeImage(image.value(), codeplug, lang); },
        shownPath(path));
    remember(path);
    if (const auto warning = impossibleValuesWarning(image.value())) {
        i18n::LocalizedMsgBox(&owner_, languageFlag(), QString::fromStdString(warning->in(lang)),
                              i18n::StyleExclamation);
    }
    return true;
}

bool FileCommands::save() {
    CodeplugDocument& document = context_.document;
    // A frequency still being typed belongs in the file.
    document.commitPendingEdits();
    const Language lang = context_.state.language();
    QString path;
    for (;;) {
        path = dialogs_->saveFileName(&owner_, codeplugFileFilter());
        if (path.isEmpty()) return false;
        if (!QFileInfo::exists(path)) break;
        const int answer = i18n::LocalizedMsgBox(
            &owner_, languageFlag(), text(kOverwriteQuestion, lang), i18n::StyleYesNoQuestion);
        if (answer == i18n::IdYes) break;
    }
    const MemoryImage image = EncodeImage(document.data(), lang);
    const Status saved = writeDatFile(localPath(path), image);
    if (!saved) {
        // The old file, if any, is untouched and the caption keeps naming
        // whatever it named: the user must not believe the save happened.
        i18n::LocalizedMsgBox(&owner_, languageFlag(),
                              QString::fromStdString(saved.error().in(lang)), i18n::StyleCritical);
        return false;
    }
    document.markSaved(shownPath(path));
    remember(path);
    return true;
}

QStringList FileCommands::recentFiles() const {
    if (recentStorePath().isEmpty()) return {};
    QSettings store(recentStorePath(), QSettings::IniFormat);
    QStringList files = store.value(kRecentKey).toStringList();
    files.removeAll(QString());
    return files.mid(0, kRecentCount);
}

void FileCommands::remember(const QString& path) {
    const QString shown = shownPath(path);
    QStringList files = recentFiles();
    files.removeIf([&shown](const QString& listed) { return sameFile(listed, shown); });
    files.prepend(shown);
    if (recentStorePath().isEmpty()) return;
    QSettings store(recentStorePath(), QSettings::IniFormat);
    store.setValue(kRecentKey, files.mid(0, kRecentCount));
    store.sync();
    emit recentFilesChanged();
}

void FileCommands::forget(const QString& path) {
    QStringList files = recentFiles();
    files.removeAll(path);
    if (recentStorePath().isEmpty()) return;
    QSettings store(recentStorePath(), QSettings::IniFormat);
    store.setValue(kRecentKey, files);
    store.sync();
    emit recentFilesChanged();
}

}  // namespace pl63::ui
