#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "i18n/language_flag.h"

namespace pl63::ui {

QtTranslations::QtTranslations(QString folder) : folder_(std::move(folder)) {}

QString QtTranslations::defaultFolder() {
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

void QtTranslations::follow(int languageFlag) {
    const bool wanted = languageFlag == i18n::kFlagChinese;
    if (wanted && !loadTried_) {
        loadTried_ = true;
        loaded_ = translator_.load(QStringLiteral("qtbase_zh_CN"), folder_);
    }
    if (wanted && loaded_ && !installed_) {
        installed_ = QCoreApplication::installTranslator(&translator_);
    } else if (!wanted && installed_) {
        QCoreApplication::removeTranslator(&translator_);
        installed_ = false;
    }
}

}  // namespace pl63::ui
