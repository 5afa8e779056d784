#include "ui/options/password_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "forms/form_rules.h"
#include "i18n/language_flag.h"
#include "i18n/qt/captions.h"
#include "i18n/qt/localized_msgbox.h"
#include "i18n/step_names.h"
#include "link/link_texts.h"
#include "ui/app_context.h"
#include "ui/cancel_on_escape.h"
#include "ui/twips.h"

namespace pl63::ui {
namespace {

constexpr int kWidthTwips = 5400;
constexpr int kHeightTwips = 2520;
// The radio keeps 16 characters of password.
constexpr int kPasswordLength = 16;

// The main window's password box. The option windows are the main window's
// children too, and two of them have a Text2 of their own.
QLineEdit* mainPasswordBox(QWidget* mainWindow) {
    if (!mainWindow) return nullptr;
    const auto boxes = mainWindow->findChildren<QLineEdit*>(QStringLiteral("Text2"));
    for (QLineEdit* box : boxes) {
        if (box->window() == mainWindow) return box;
    }
    return nullptr;
}

}  // namespace

PasswordWindow::PasswordWindow(AppContext& context, QWidget* owner)
    : QWidget(owner, Qt::Dialog), context_(context) {
    setObjectName(QStringLiteral("FormUsePass"));
    // The same title in both languages: no caption row touches it.
    setWindowTitle(QStringLiteral("Set Used Password"));

    oldPassword_ = box("Text1");
    newPassword_ = box("Text2");
    confirmPassword_ = box("Text3");
    auto* create = new QPushButton(this);
    create->setObjectName(QStringLiteral("Command3"));
    auto* cancelButton = new QPushButton(this);
    cancelButton->setObjectName(QStringLiteral("Command2"));

    auto* boxes = new QGridLayout;
    int row = 0;
    for (auto [label, edit] : {std::pair{"Label1", oldPassword_}, std::pair{"Label2", newPassword_},
                               std::pair{"Label3", confirmPassword_}}) {
        auto* caption = new QLabel(this);
        caption->setObjectName(QString::fromLatin1(label));
        caption->setBuddy(edit);
        boxes->addWidget(caption, row, 0, Qt::AlignRight);
        boxes->addWidget(edit, row, 1);
        ++row;
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(create);
    buttons->addWidget(cancelButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(boxes);
    column->addStretch(1);
    column->addLayout(buttons);

    i18n::applyCaptionTable(this, i18n::captionTable(objectName()), i18n::kFlagChinese);
    setFixedSize(twipsToPixels(kWidthTwips, kHeightTwips));

    connect(create, &QPushButton::clicked, this, &PasswordWindow::createPassword);
    // QLineEdit takes the Enter key itself, so it never reaches anything else.
    connect(confirmPassword_, &QLineEdit::returnPressed, this, &PasswordWindow::createPassword);
    connect(cancelButton, &QPushButton::clicked, this, &PasswordWindow::cancel);
    cancelOnEscape(this, [cancelButton] { cancelButton->click(); });
    connect(&context_.state, &ProgramState::loginModeChanged, this,
            &PasswordWindow::followLoginMode);
    followLoginMode(context_.state.LoginMode());
}

QLineEdit* PasswordWindow::box(const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(kPasswordLength);
    // Digits, letters and "."; anything else, typed or pasted, stays out.
    static const QRegularExpression kPasswordCharacters(QStringLiteral("[0-9A-Za-z.]*"));
    edit->setValidator(new QRegularExpressionValidator(kPasswordCharacters, edit));
    edit->setEchoMode(QLineEdit::Password);
    return edit;
}

void PasswordWindow::followLoginMode(bool on) {
    oldPassword_->setEnabled(!on);
    newPassword_->setEnabled(!on);
}

int PasswordWindow::warn(const ErrorText& text, int style) {
    const int flag = context_.state.LanguageFlag;
    return i18n::LocalizedMsgBox(this, flag,
                                 QString::fromStdString(text.in(context_.state.language())), style);
}

void PasswordWindow::createPassword() {
    const Status checked = forms::checkPasswordChange(
        oldPassword_->text().toStdString(), newPassword_->text().toStdString(),
        confirmPassword_->text().toStdString(), context_.state.LoginMode());
    if (!checked) {
        // Both boxes filled: it was the confirmation, which is typed again.
        if (!oldPassword_->text().isEmpty() && !newPassword_->text().isEmpty())
            confirmPassword_->clear();
        warn(checked.error(), i18n::StyleOkOnly);
        return;
    }
    // Nothing changes unless the transfer really starts: a change the radio
    // never saw must not turn up in the password box or in a saved file.
    if (!context_.portIsOpen || !context_.portIsOpen()) {
        warn({link::linkText(link::LinkText::PortNotOpen, Language::Chinese),
              link::linkText(link::LinkText::PortNotOpen, Language::English)},
             i18n::StyleInformation);
        return;
    }
    // The radio checks its password against the main window's box before it
    // takes the new one, CommPassword.
    QLineEdit* mainBox =
        context_.state.LoginMode() ? nullptr : mainPasswordBox(context_.mainWindow);
    const QString boxBefore = mainBox ? mainBox->text() : QString();
    const std::string passwordBefore = context_.codeplug.CommPassword;
    const std::string password = confirmPassword_->text().toStdString();
    if (mainBox) mainBox->setText(oldPassword_->text());
    // The transfer reads the new password from the data when the radio asks
    // for it, so the change is made first, as one step of the user's.
    const StepName step = i18n::stepName("FormUsePass");
    context_.document.change(step, [&](Codeplug& codeplug) { codeplug.CommPassword = password; });
    // A transfer already running refuses the start; the window then stays,
    // so nobody takes the password for changed. Put back as part of the same
    // step, the step leads nowhere and goes: nothing to undo or redo.
    if (!context_.startPasswordTransfer || !context_.startPasswordTransfer()) {
        if (mainBox) mainBox->setText(boxBefore);
        context_.document.changeOngoing(
            step, [&](Codeplug& codeplug) { codeplug.CommPassword = passwordBefore; });
        return;
    }
    hide();
}

void PasswordWindow::cancel() {
    oldPassword_->clear();
    newPassword_->clear();
    confirmPassword_->clear();
    hide();
}

}  // namespace pl63::ui
