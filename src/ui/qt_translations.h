#pragma once
// Qt's own texts (the file dialogs, the print preview, the standard buttons
// of the dialogs Qt makes) follow LanguageFlag: Qt's Simplified Chinese
// catalogue is installed while the flag is Chinese and removed otherwise.
// Flag 2 and any other value keep Qt's built-in texts, as they keep the
// windows' design texts. Without the catalogue Qt's texts stay English and
// nothing else changes. LocalizedMsgBox labels its buttons itself.
#include <QString>
#include <QTranslator>

namespace pl63::ui {

class QtTranslations {
public:
    // `folder` holds qtbase_zh_CN.qm; by default Qt's own translations folder.
    explicit QtTranslations(QString folder = defaultFolder());
    QtTranslations(const QtTranslations&) = delete;
    QtTranslations& operator=(const QtTranslations&) = delete;

    // The catalogue is read once, the first time Chinese is wanted.
    void follow(int languageFlag);
    bool installed() const { return installed_; }

    static QString defaultFolder();

private:
    QString folder_;
    QTranslator translator_;  // removes itself from the application when destroyed
    bool loadTried_ = false;
    bool loaded_ = false;
    bool installed_ = false;
};

}  // namespace pl63::ui
