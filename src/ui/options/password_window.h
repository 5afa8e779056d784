#pragma once
// FormUsePass, "Set Used Password": a new communication password, checked
// here and then sent to the radio by the main window's link. In LoginMode
// only the confirmation box is used and it may stay empty.
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "codec/result.h"

namespace pl63::ui {

struct AppContext;

class PasswordWindow : public QWidget {
    Q_OBJECT

public:
    PasswordWindow(AppContext& context, QWidget* owner);

private:
    QLineEdit* box(const char* name);
    void createPassword();  // Command3, or Enter in Text3
    void cancel();          // Command2
    void followLoginMode(bool on);
    int warn(const ErrorText& text, int style);

    AppContext& context_;
    QLineEdit* oldPassword_ = nullptr;      // Text1
    QLineEdit* newPassword_ = nullptr;      // Text2
    QLineEdit* confirmPassword_ = nullptr;  // Text3
};

}  // namespace pl63::ui
