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
    QSettings store(QSettings::NativeFormat, QSettings::UserScope,
                    QString::fromLatin1(kLanguageHintOrganization));
    return takeLanguageHint(store);
}

std::int16_t chooseLanguageFlag(std::optional<std::int16_t> hint, std::uint8_t parameterByte) {
    return hint ? *hint : static_cast<std::int16_t>(parameterByte);
}

}  // namespace pl63::settings
