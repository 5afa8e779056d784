#pragma once
// The one routine through which every message is shown: a modal box over the
// main window whose buttons are labelled in the language of LanguageFlag.
// The caller chooses text, title and the standard style number.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class QMessageBox;

namespace pl63::i18n {

// Button identifiers the box returns.
enum MsgBoxButton : int {
    IdOk = 1,
    IdCancel = 2,
    IdAbort = 3,
    IdRetry = 4,
    IdIgnore = 5,
    IdYes = 6,
    IdNo = 7,
    // Beyond the system's set: the unsaved-changes question.
    IdSave = 8,
    IdDiscard = 9,
    // No button: the program took the box back (see MsgBoxWithdrawal).
    IdWithdrawn = 10,
};

// Style numbers the callers use.
enum MsgBoxStyle : int {
    StyleOkOnly = 0,
    StyleCritical = 16,            // OK, error icon
    StyleYesNoQuestion = 36,       // Yes/No, question icon
    StyleExclamation = 48,         // OK, warning icon
    StyleInformation = 64,         // OK, information icon
    StyleOkCancelWarning = 305,    // OK/Cancel, warning icon, Cancel default
    StyleOkCancelQuestion = 4385,  // OK/Cancel, question icon, Cancel default, system modal
    // Button set 7 is ours: Save/Discard/Cancel, warning icon, Save default.
    StyleSaveDiscardCancel = 0x37,
};

// What a box would show: handed to the answerer in tests.
struct MsgBoxRequest {
    QString text;
    QString title;
    int style = 0;
    int languageFlag = 0;
    QList<int> buttons;       // identifiers, in the order the box shows them
    QStringList buttonTexts;  // the texts those buttons carry
    int defaultButton = 0;    // identifier
};

// Tests answer boxes without a person: while an answerer is set, it receives
// the request instead of a box being shown, and its return value is what
// LocalizedMsgBox returns. An empty function restores real boxes.
using MsgBoxAnswerer = std::function<int(const MsgBoxRequest&)>;
void setMsgBoxAnswerer(MsgBoxAnswerer answerer);

// A question that events may overtake (the transfer it asks about ends while
// it is open). Handed to LocalizedMsgBox; while that box is open, withdraw()
// closes it and LocalizedMsgBox returns IdWithdrawn, whatever was pressed.
class MsgBoxWithdrawal {
public:
    void withdraw();
    bool withdrawn() const { return withdrawn_; }

private:
    friend int LocalizedMsgBox(QWidget*, int, const QString&, int, MsgBoxWithdrawal&);
    QMessageBox* box_ = nullptr;  // the box while it is shown
    bool withdrawn_ = false;
};

// Shows `text` with `style`; returns the identifier of the pressed button.
// An empty `title` becomes the application title, and `title` holds it
// afterwards.
int LocalizedMsgBox(QWidget* owner, int languageFlag, const QString& text, int style,
                    QString& title);
// For callers that do not need the title back.
int LocalizedMsgBox(QWidget* owner, int languageFlag, const QString& text, int style,
                    const QString& title = QString());
// A box the program may take back; the title is the application title.
int LocalizedMsgBox(QWidget* owner, int languageFlag, const QString& text, int style,
                    MsgBoxWithdrawal& withdrawal);

}  // namespace pl63::i18n
