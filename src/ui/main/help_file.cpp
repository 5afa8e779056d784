#include "ui/main/help_file.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "codec/bilingual.h"
#include "i18n/application_title.h"
#include "i18n/qt/localized_msgbox.h"

// Where GNUInstallDirs put share/pl63, seen from bin (CMake sets it).
#ifndef PL63_HELP_FROM_BIN
#define PL63_HELP_FROM_BIN "../share/pl63"
#endif

namespace pl63::ui {
namespace {

const Bilingual kNoViewer{"没有找到可以显示帮助的程序。帮助文件在：\n",
                          "No program was found to show the help. The guide is here:\n"};

}  // namespace

QString helpFilePath(const QString& folder) {
    const QDir dir(folder);
    const QString title = QString::fromUtf8(i18n::kApplicationTitle);
    for (const QString& extension : {QStringLiteral(".CHM"), QStringLiteral(".html")}) {
        const QFileInfo file(dir.filePath(title + extension));
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

QString installedHelpFilePath(const QString& programFolder) {
    const QString beside = helpFilePath(programFolder);
    if (!beside.isEmpty()) return beside;
    return helpFilePath(QDir(programFolder).filePath(QStringLiteral(PL63_HELP_FROM_BIN)));
}

bool openHelpFile(QWidget* owner, int languageFlag, const HelpViewer& viewer) {
    const QString path = installedHelpFilePath(QCoreApplication::applicationDirPath());
    if (path.isEmpty()) return false;
    const QUrl url = QUrl::fromLocalFile(path);
    if (viewer ? viewer(url) : QDesktopServices::openUrl(url)) return true;
    const std::string_view text = kNoViewer.in(languageFromFlag(languageFlag));
    i18n::LocalizedMsgBox(owner, languageFlag,
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())) +
                              QDir::toNativeSeparators(path),
                          i18n::StyleInformation);
    return false;
}

}  // namespace pl63::ui
