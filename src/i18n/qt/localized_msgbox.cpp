#include "i18n/qt/localized_msgbox.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <array>
#include <memory>

#include "i18n/application_title.h"
#include "i18n/language_flag.h"
#include "i18n/msgbox_buttons.h"

namespace pl63::i18n {
namespace {

MsgBoxAnswerer& answerer() {
    static MsgBoxAnswerer instance;
    return instance;
}

// The style number is the classic message-box bit field: buttons in the low
// nibble, the icon in the next, the default button in bits 8-11 and the
// modality in bits 12-13. Only the fields the program can mean are decoded.
constexpr int kButtonsMask = 0x000F;
constexpr int kIconMask = 0x00F0;
constexpr int kDefaultShift = 8;
constexpr int kDefaultMask = 0x0F00;
constexpr int kSystemModal = 0x1000;
constexpr int kTaskModal = 0x2000;

// Buttons of each button set, in the order the box shows them. A set the
// program has no use for falls back to a lone OK so the user can always
// close the box.
QList<int> buttonsOf(int style) {
    switch (style & kButtonsMask) {
        case 1:
            return {IdOk, IdCancel};
        case 2:
            return {IdAbort, IdRetry, IdIgnore};
        case 3:
            return {IdYes, IdNo, IdCancel};
        case 4:
            return {IdYes, IdNo};
        case 5:
            return {IdRetry, IdCancel};
        case 7:
            return {IdSave, IdDiscard, IdCancel};
        default:
            return {IdOk};
    }
}

QMessageBox::Icon iconOf(int style) {
    switch (style & kIconMask) {
        case 0x10:
            return QMessageBox::Critical;
        case 0x20:
            return QMessageBox::Question;
        case 0x30:
            return QMessageBox::Warning;
        case 0x40:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

QMessageBox::StandardButton standardButton(int id) {
    switch (id) {
        case IdOk:
            return QMessageBox::Ok;
        case IdCancel:
            return QMessageBox::Cancel;
        case IdAbort:
            return QMessageBox::Abort;
        case IdRetry:
            return QMessageBox::Retry;
        case IdIgnore:
            return QMessageBox::Ignore;
        case IdYes:
            return QMessageBox::Yes;
        case IdNo:
            return QMessageBox::No;
        case IdSave:
            return QMessageBox::Save;
        case IdDiscard:
            return QMessageBox::Discard;
        default:
            return QMessageBox::NoButton;
    }
}

// Button texts by LanguageFlag 0, 1, 2: the rows of kMsgBoxButtons, in the
// order of these identifiers.
constexpr std::array<int, 9> kButtonIds{IdOk,    IdCancel, IdYes,  IdNo,     IdAbort,
                                        IdIgnore, IdRetry, IdSave, IdDiscard};

const char* tableText(int id, int languageFlag) {
    if (languageFlag < kFlagChinese || languageFlag > kFlagTraditional) return nullptr;
    for (std::size_t row = 0; row < kButtonIds.size(); ++row) {
        // The rows are string literals, so their texts end in a NUL.
        if (kButtonIds[row] == id)
            return kMsgBoxButtons[row].text[static_cast<std::size_t>(languageFlag)].data();
    }
    return nullptr;
}

// Closing the box (Escape, the close box) means the answer that does
// nothing: Cancel where the box has it, No on a Yes/No question, else the
// first button (OK on a plain message).
int closeAnswer(const QList<int>& buttons) {
    if (buttons.contains(IdCancel)) return IdCancel;
    if (buttons.contains(IdNo)) return IdNo;
    return buttons.front();
}

struct Box {
    std::unique_ptr<QMessageBox> box;
    MsgBoxRequest request;
    QList<QAbstractButton*> buttons;  // parallel to request.buttons
};

Box buildBox(QWidget* owner, int languageFlag, const QString& text, int style,
             const QString& title) {
    // A language switch reaches the windows as posted LanguageChange events,
    // which make a button box put Qt's own texts back on its standard
    // buttons: deliver them before the box exists, not onto our texts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    Box result;
    MsgBoxRequest& request = result.request;
    request.text = text;
    request.title = title;
    request.style = style;
    request.languageFlag = languageFlag;
    request.buttons = buttonsOf(style);

    result.box = std::make_unique<QMessageBox>(owner);
    QMessageBox& box = *result.box;
    box.setIcon(iconOf(style));
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText);  // the message is shown unchanged
    box.setText(text);
    const bool ownerOnly = owner && (style & (kSystemModal | kTaskModal)) == 0;
    box.setWindowModality(ownerOnly ? Qt::WindowModal : Qt::ApplicationModal);

    for (int id : request.buttons) {
        QAbstractButton* button = box.addButton(standardButton(id));
        if (const char* relabel = tableText(id, languageFlag)) {
            button->setText(QString::fromUtf8(relabel));
        }
        result.buttons << button;
        request.buttonTexts << button->text();
    }

    const int defaultIndex = (style & kDefaultMask) >> kDefaultShift;
    const int chosen = defaultIndex < request.buttons.size() ? defaultIndex : 0;
    request.defaultButton = request.buttons[chosen];
    box.setDefaultButton(qobject_cast<QPushButton*>(result.buttons[chosen]));
    box.setEscapeButton(result.buttons[request.buttons.indexOf(closeAnswer(request.buttons))]);
    return result;
}

}  // namespace

void setMsgBoxAnswerer(MsgBoxAnswerer answer) {
    answerer() = std::move(answer);
}

int LocalizedMsgBox(QWidget* owner, int languageFlag, const QString& text, int style,
                    QString& title) {
    if (title.isEmpty()) title = QString::fromUtf8(kApplicationTitle);
    Box built = buildBox(owner, languageFlag, text, style, title);
    if (answerer()) return answerer()(built.request);

    built.box->exec();
    const int pressed = built.buttons.indexOf(built.box->clickedButton());
    return pressed >= 0 ? built.request.buttons[pressed] : closeAnswer(built.request.buttons);
}

int LocalizedMsgBox(QWidget* owner, int languageFlag, const QString& text, int style,
                    const QString& title) {
    QString shown = title;
    return LocalizedMsgBox(owner, languageFlag, text, style, shown);
}

void MsgBoxWithdrawal::withdraw() {
    withdrawn_ = true;
    if (box_) box_->done(0);
}

int LocalizedMsgBox(QWidget* owner, int languageFlag, const QString& text, int style,
                    MsgBoxWithdrawal& withdrawal) {
    withdrawal.withdrawn_ = false;
    Box built = buildBox(owner, languageFlag, text, style, QString::fromUtf8(kApplicationTitle));
    int answer = 0;
    if (answerer()) {
        answer = answerer()(built.request);
    } else {
        withdrawal.box_ = built.box.get();
        built.box->exec();
        withdrawal.box_ = nullptr;
        const int pressed = built.buttons.indexOf(built.box->clickedButton());
        answer = pressed >= 0 ? built.request.buttons[pressed] : closeAnswer(built.request.buttons);
    }
    return withdrawal.withdrawn_ ? IdWithdrawn : answer;
}

}  // namespace pl63::i18n
