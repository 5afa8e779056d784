#include "ui/main/help_file.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "i18n/application_title.h"

namespace pl63::ui {

QString helpFilePath(const QString& folder) {
    const QDir dir(folder);
    const QString title = QString::fromUtf8(i18n::kApplicationTitle);
    for (const QString& extension : {QStringLiteral(".CHM"), QStringLiteral(".html")}) {
        const QFileInfo file(dir.filePath(title + extension));
        if (file.isFile()) return file.absoluteFilePath();
    }
    return {};
}

bool openHelpFile(QWidget* owner) {
    // The viewer is a program of its own; it has no owner window to attach to.
    Q_UNUSED(owner);
    const QString path = helpFilePath(QCoreApplication::applicationDirPath());
    if (path.isEmpty()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

}  // namespace pl63::ui
