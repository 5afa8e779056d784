#include "settings/qt/language_hint.h"

#include <QSettings>
#include <QString>
#include <QVariant>

namespace pl63::settings {

std::optional<std::int16_t> takeLanguageHint(QSettings& store) {
    const QVariant value = store.value(QString::fromLatin1(kLanguageHintKey));
    const QString text = value.toString();
    if (text.isEmpty()) return std::nullopt;
    // Compared as written: "English" is not "english" and selects Chinese.
    const std::int16_t flag = text == QLatin1String("english") ? 1 : 0;
    store.remove(QString::fromLatin1(kLanguageHintKey));
    store.sync();
    return flag;
}

std::optional<std::int16_t> takeLanguageHint() {
#ifdef Q_OS_WIN
    // The key sits directly under HKEY_CURRENT_USER, where installers of the
    // radio software put it, not under its Software key where QSettings keeps
    // an organisation's settings.
    QSettings store(
        QStringLiteral("HKEY_CURRENT_USER\\") + QString::fromLatin1(kLanguageHintOrganization),
        QSettings::NativeFormat);
#else
    QSettings store(QSettings::NativeFormat, QSettings::UserScope,
                    QString::fromLatin1(kLanguageHintOrganization));
#endif
    return takeLanguageHint(store);
}

std::int16_t chooseLanguageFlag(std::optional<std::int16_t> hint, std::uint8_t parameterByte) {
    return hint ? *hint : static_cast<std::int16_t>(parameterByte);
}

}  // namespace pl63::settings
