#include "ui/options/password_window.h"

#include <QClipboard>

#include "forms_fixture.h"

namespace pl63::ui::test {
namespace {

class PasswordWindowTest : public FormsTest {
protected:
    PasswordWindowTest() {
        // The window (with a Text2 of its own) comes first among the main
        // window's children, the main window's box sits inside a panel.
        window_ = new PasswordWindow(context_, main_.get());
        auto* panel = new QWidget(main_.get());
        mainPassword_ = new QLineEdit(panel);
        mainPassword_->setObjectName(QStringLiteral("Text2"));
        context_.portIsOpen = [this] { return portOpen_; };
        context_.startPasswordTransfer = [this] {
            ++transfers_;
            passwordAtStart_ = context_.codeplug.CommPassword;
            mainBoxAtStart_ = mainPassword_->text();
            return true;
        };
        i18n::setMsgBoxAnswerer([this](const i18n::MsgBoxRequest& request) {
            messages_.push_back(request);
            return int(i18n::IdOk);
        });
        window_->show();
    }

    QLineEdit* box(int n) {
        const char* names[] = {"Text1", "Text2", "Text3"};
        return child<QLineEdit>(window_, names[n - 1]);
    }
    void fill(const char* oldText, const char* newText, const char* confirm) {
        for (int n = 1; n <= 3; ++n) box(n)->clear();
        QTest::keyClicks(box(1), oldText);
        QTest::keyClicks(box(2), newText);
        QTest::keyClicks(box(3), confirm);
    }

    PasswordWindow* window_ = nullptr;
    QLineEdit* mainPassword_ = nullptr;
    bool portOpen_ = true;
    int transfers_ = 0;
    std::string passwordAtStart_;
    QString mainBoxAtStart_;
    std::vector<i18n::MsgBoxRequest> messages_;
};

TEST_F(PasswordWindowTest, BoxesTakeLettersDigitsAndPointUpToSixteen) {
    QTest::keyClicks(box(1), "ab 1-Z.");
    EXPECT_EQ(box(1)->text(), QStringLiteral("ab1Z."));
    QTest::keyClicks(box(2), "0123456789abcdefXYZ");
    EXPECT_EQ(box(2)->text(), QStringLiteral("0123456789abcdef"));
    QTest::keyClick(box(2), Qt::Key_Backspace);
    EXPECT_EQ(box(2)->text(), QStringLiteral("0123456789abcde"));
    QApplication::clipboard()->setText(QStringLiteral("x y"));
    QTest::keyClick(box(3), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(box(3)->text(), QString());
}

TEST_F(PasswordWindowTest, EmptyPasswordsAreRefusedInEitherLanguage) {
    fill("", "new1", "new1");
    QTest::mouseClick(child<QPushButton>(window_, "Command3"), Qt::LeftButton);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, QStringLiteral("密码不能为空，请重输！"));
    EXPECT_EQ(messages_[0].style, 0);

    context_.state.LanguageFlag = 1;
    fill("old1", "", "");
    click(window_, "Command3");
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1].text, QStringLiteral("Password cannot be empty, please re-enter!"));
    EXPECT_EQ(transfers_, 0);
    EXPECT_TRUE(window_->isVisible());
}

TEST_F(PasswordWindowTest, ConfirmationMustMatchExactlyAndIsEmptiedWhenItDoesNot) {
    fill("old1", "Secret9", "secret9");
    click(window_, "Command3");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text, QStringLiteral("确认密码不对，请重输！"));
    EXPECT_EQ(box(3)->text(), QString());
    EXPECT_EQ(box(2)->text(), QStringLiteral("Secret9"));
    EXPECT_EQ(mainPassword_->text(), QString());
    EXPECT_EQ(transfers_, 0);

    context_.state.LanguageFlag = 1;
    QTest::keyClicks(box(3), "Secret");
    QTest::keyClick(box(3), Qt::Key_Return);
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[1].text, QStringLiteral("Confirm password is incorrect, please rewrite!"));
}

TEST_F(PasswordWindowTest, AcceptedChangeStartsTheTransferWithOldInMainBoxAndNewStored) {
    fill("old1", "new.2", "new.2");
    QTest::keyClick(box(3), Qt::Key_Enter);
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(transfers_, 1);
    EXPECT_EQ(mainBoxAtStart_, QStringLiteral("old1"));
    EXPECT_EQ(passwordAtStart_, "new.2");
    EXPECT_FALSE(window_->isVisible());
    // A step to undo like any other change of the data.
    EXPECT_EQ(context_.document.undoName().en, "Password set");
    context_.document.undo();
    EXPECT_EQ(context_.codeplug.CommPassword, "");
}

// The new password is a change of the data like any other: one step, undone
// at once, done again at once, in either mode.
TEST_F(PasswordWindowTest, APasswordChangeIsOneUndoStep) {
    for (const bool login : {false, true}) {
        SCOPED_TRACE(login);
        const StepName open{"打开文件", "Open file"};
        context_.document.replace(open, [](Codeplug& c) { c.CommPassword = "radio1"; }, {});
        context_.state.setLoginMode(login);
        fill("radio1", "new2", "new2");
        click(window_, "Command3");
        EXPECT_EQ(context_.codeplug.CommPassword, "new2");
        EXPECT_TRUE(context_.document.isModified());
        context_.document.undo();
        EXPECT_EQ(context_.codeplug.CommPassword, "radio1");
        EXPECT_FALSE(context_.document.isModified());
        EXPECT_EQ(context_.document.undoName(), open);  // back at the opened data
        context_.document.redo();
        EXPECT_EQ(context_.codeplug.CommPassword, "new2");
        window_->show();
    }
}

TEST_F(PasswordWindowTest, ClosedPortIsReportedAndNothingChanges) {
    portOpen_ = false;
    context_.document.dataForSetUp().CommPassword = "radio1";
    mainPassword_->setText(QStringLiteral("radio1"));
    context_.state.LanguageFlag = 1;
    fill("old1", "new2", "new2");
    click(window_, "Command3");
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].text,
              QStringLiteral("Communication port not open, please first selection menu "
                             "'communication port' to open its serial ports!"));
    EXPECT_EQ(messages_[0].style, 64);
    EXPECT_EQ(transfers_, 0);
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(context_.codeplug.CommPassword, "radio1");
    EXPECT_EQ(mainPassword_->text(), QStringLiteral("radio1"));
}

TEST_F(PasswordWindowTest, RefusedStartKeepsTheWindowOpenAndChangesNothing) {
    context_.startPasswordTransfer = [this] {
        ++transfers_;
        passwordAtStart_ = context_.codeplug.CommPassword;
        return false;  // a read or write is still running
    };
    context_.document.dataForSetUp().CommPassword = "radio1";
    context_.document.startOver();  // as start-up leaves the data it filled
    mainPassword_->setText(QStringLiteral("radio1"));
    fill("old1", "new2", "new2");
    click(window_, "Command3");
    EXPECT_EQ(transfers_, 1);
    EXPECT_EQ(passwordAtStart_, "new2");
    EXPECT_TRUE(window_->isVisible());
    EXPECT_EQ(context_.codeplug.CommPassword, "radio1");
    EXPECT_FALSE(context_.document.canUndo());
    EXPECT_FALSE(context_.document.canRedo());
    EXPECT_FALSE(context_.document.isModified());
    EXPECT_EQ(mainPassword_->text(), QStringLiteral("radio1"));
}

TEST_F(PasswordWindowTest, LoginModeUsesOnlyTheConfirmationWhichMayBeEmpty) {
    context_.document.dataForSetUp().CommPassword = "before";
    mainPassword_->setText(QStringLiteral("kept"));
    context_.state.setLoginMode(true);
    EXPECT_FALSE(box(1)->isEnabled());
    EXPECT_FALSE(box(2)->isEnabled());
    EXPECT_TRUE(box(3)->isEnabled());
    click(window_, "Command3");
    EXPECT_TRUE(messages_.empty());
    EXPECT_EQ(transfers_, 1);
    EXPECT_EQ(passwordAtStart_, "");
    EXPECT_EQ(mainBoxAtStart_, QStringLiteral("kept"));

    context_.state.setLoginMode(false);
    EXPECT_TRUE(box(1)->isEnabled());
    EXPECT_TRUE(box(2)->isEnabled());
}

TEST_F(PasswordWindowTest, CancelEmptiesTheBoxesAndCloseKeepsThem) {
    fill("old1", "new2", "new");
    window_->close();
    EXPECT_FALSE(window_->isVisible());
    window_->show();
    EXPECT_EQ(box(3)->text(), QStringLiteral("new"));
    click(window_, "Command2");
    EXPECT_FALSE(window_->isVisible());
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(box(n)->text(), QString()) << n;
    EXPECT_EQ(transfers_, 0);
}

TEST_F(PasswordWindowTest, CaptionsInBothLanguagesKeepTheTitleAndTheBoxes) {
    fill("old1", "new2", "new2");
    switchLanguage(window_, 1);
    EXPECT_EQ(child<QPushButton>(window_, "Command3")->text(),
              QStringLiteral("Create New Password"));
    switchLanguage(window_, 0);
    EXPECT_EQ(child<QPushButton>(window_, "Command3")->text(), QStringLiteral("生成新密码"));
    EXPECT_EQ(window_->windowTitle(), QStringLiteral("Set Used Password"));
    EXPECT_EQ(box(1)->text(), QStringLiteral("old1"));
    EXPECT_EQ(box(3)->text(), QStringLiteral("new2"));
}

}  // namespace
}  // namespace pl63::ui::test
