// LocalizedMsgBox: what the box offers for each style number, the button
// texts in each language, the identifier handed back, and the title
// fallback; once through the answerer seam, once with a real box clicked
// the way a user would.
#include "i18n/qt/localized_msgbox.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "i18n/application_title.h"

namespace pl63::i18n {
namespace {

// Records the request of every box and answers with `answer`.
class Answerer {
public:
    explicit Answerer(int answer) {
        setMsgBoxAnswerer([this, answer](const MsgBoxRequest& request) {
            last = request;
            return answer;
        });
    }
    ~Answerer() { setMsgBoxAnswerer({}); }
    std::optional<MsgBoxRequest> last;
};

struct StyleCase {
    int style;
    QList<int> buttons;
    int defaultButton;
};

TEST(LocalizedMsgBoxTest, StyleNumbersGiveTheirButtonsAndDefault) {
    const StyleCase cases[] = {
        {0, {IdOk}, IdOk},
        {16, {IdOk}, IdOk},
        {36, {IdYes, IdNo}, IdYes},
        {64, {IdOk}, IdOk},
        {305, {IdOk, IdCancel}, IdCancel},
        {4385, {IdOk, IdCancel}, IdCancel},
        {2, {IdAbort, IdRetry, IdIgnore}, IdAbort},
        {3 | 0x200, {IdYes, IdNo, IdCancel}, IdCancel},
        {5, {IdRetry, IdCancel}, IdRetry},
        {4 | 0x300, {IdYes, IdNo}, IdYes},  // no fourth button: the first
    };
    for (const StyleCase& c : cases) {
        Answerer answer(IdOk);
        LocalizedMsgBox(nullptr, 1, "text", c.style);
        ASSERT_TRUE(answer.last) << c.style;
        EXPECT_EQ(answer.last->buttons, c.buttons) << c.style;
        EXPECT_EQ(answer.last->defaultButton, c.defaultButton) << c.style;
        EXPECT_EQ(answer.last->style, c.style);
    }
}

TEST(LocalizedMsgBoxTest, ButtonTextsFollowTheLanguageFlag) {
    struct Case {
        int flag;
        int style;
        QStringList texts;
    };
    const Case cases[] = {
        {0, 0, {"确定"}},
        {0, 3, {"是", "否", "取消"}},
        {0, 2, {"放弃", "重试", "忽略"}},
        {1, 4385, {"OK", "Cancel"}},
        {1, 3, {"Yes", "No", "Cancel"}},
        {1, 2, {"Abort", "Retry", "Ignore"}},
        {2, 1, {"確定", "取消"}},
        {2, 36, {"是", "否"}},
        {2, 2, {"放棄", "重試", "忽略"}},
    };
    for (const Case& c : cases) {
        Answerer answer(IdOk);
        LocalizedMsgBox(nullptr, c.flag, "text", c.style);
        ASSERT_TRUE(answer.last);
        EXPECT_EQ(answer.last->buttonTexts, c.texts) << c.flag << " " << c.style;
        EXPECT_EQ(answer.last->languageFlag, c.flag);
    }
}

TEST(LocalizedMsgBoxTest, OtherFlagsKeepTheToolkitsTexts) {
    Answerer answer(IdOk);
    LocalizedMsgBox(nullptr, 7, "text", 36);
    ASSERT_TRUE(answer.last);
    QMessageBox plain;
    const QString yes = plain.addButton(QMessageBox::Yes)->text();
    const QString no = plain.addButton(QMessageBox::No)->text();
    EXPECT_EQ(answer.last->buttonTexts, (QStringList{yes, no}));
}

TEST(LocalizedMsgBoxTest, EmptyTitleBecomesTheApplicationTitleAndIsHandedBack) {
    Answerer answer(IdCancel);
    QString title;
    EXPECT_EQ(LocalizedMsgBox(nullptr, 0, "text", 305, title), IdCancel);
    EXPECT_EQ(title, QString(kApplicationTitle));
    EXPECT_EQ(answer.last->title, QString(kApplicationTitle));

    QString own = "Own";
    LocalizedMsgBox(nullptr, 0, "text", 0, own);
    EXPECT_EQ(own, "Own");
    EXPECT_EQ(answer.last->title, "Own");
    EXPECT_EQ(answer.last->text, "text");
}

// Waits for the real box to appear, lets `act` look at it and press a key or
// click; fails the test when no box came up.
void whenBoxShows(std::function<void(QMessageBox*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            timer->stop();
            timer->deleteLater();
            act(box);
        } else if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
            ADD_FAILURE() << "no message box was shown";
        }
    });
    timer->start();
}

QAbstractButton* buttonWithText(QMessageBox* box, const QString& text) {
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == text) return button;
    }
    return nullptr;
}

TEST(LocalizedMsgBoxRealTest, PressingAButtonReturnsItsIdentifier) {
    struct Case {
        int flag;
        int style;
        QStringList texts;
        QString press;
        int expected;
    };
    const Case cases[] = {
        {1, 4385, {"OK", "Cancel"}, "Cancel", IdCancel},
        {0, 0, {"确定"}, "确定", IdOk},
        {2, 36, {"是", "否"}, "否", IdNo},
        {0, 36, {"是", "否"}, "是", IdYes},
        {1, 2, {"Abort", "Retry", "Ignore"}, "Retry", IdRetry},
        // The unsaved-changes question.
        {0, StyleSaveDiscardCancel, {"保存", "不保存", "取消"}, "不保存", IdDiscard},
        {1, StyleSaveDiscardCancel, {"Save", "Discard", "Cancel"}, "Save", IdSave},
        {2, StyleSaveDiscardCancel, {"儲存", "不儲存", "取消"}, "取消", IdCancel},
    };
    QWidget owner;
    owner.show();
    for (const Case& c : cases) {
        QStringList shown;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        whenBoxShows([&](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) shown << button->text();
            icon = box->icon();
            QAbstractButton* button = buttonWithText(box, c.press);
            ASSERT_NE(button, nullptr);
            QTest::mouseClick(button, Qt::LeftButton);
        });
        EXPECT_EQ(LocalizedMsgBox(&owner, c.flag, "text", c.style), c.expected) << c.style;
        shown.sort();
        QStringList expected = c.texts;
        expected.sort();
        EXPECT_EQ(shown, expected) << c.style;
        if (c.style == 36 || c.style == 4385) {
            EXPECT_EQ(icon, QMessageBox::Question);
        }
    }
}

TEST(LocalizedMsgBoxRealTest, BoxShowsTextTitleIconAndDefault) {
    QWidget owner;
    owner.show();
    QString title, text, defaultText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget* parent = nullptr;
    whenBoxShows([&](QMessageBox* box) {
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        modality = box->windowModality();
        parent = box->parentWidget();
        defaultText = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    });
    // Enter presses the default button: Cancel for 305.
    EXPECT_EQ(LocalizedMsgBox(&owner, 0, "<b>not bold</b>", 305), IdCancel);
    EXPECT_EQ(title, QString(kApplicationTitle));
    EXPECT_EQ(text, "<b>not bold</b>");
    EXPECT_EQ(icon, QMessageBox::Warning);
    EXPECT_EQ(defaultText, "取消");
    EXPECT_EQ(parent, &owner);
    EXPECT_EQ(modality, Qt::WindowModal);

    whenBoxShows([&](QMessageBox* box) {
        modality = box->windowModality();
        icon = box->icon();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(LocalizedMsgBox(&owner, 1, "sure?", 4385), IdCancel);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_EQ(icon, QMessageBox::Question);

    whenBoxShows([&](QMessageBox* box) {
        icon = box->icon();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(LocalizedMsgBox(&owner, 1, "failed", 16), IdOk);
    EXPECT_EQ(icon, QMessageBox::Critical);
}

TEST(LocalizedMsgBoxRealTest, EscapeReturnsCancelElseNoElseOk) {
    const std::pair<int, int> cases[] = {
        {305, IdCancel}, {36, IdNo}, {64, IdOk}, {3, IdCancel}, {StyleSaveDiscardCancel, IdCancel}};
    for (auto [style, expected] : cases) {
        whenBoxShows([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        EXPECT_EQ(LocalizedMsgBox(nullptr, 1, "text", style), expected) << style;
    }
    whenBoxShows([](QMessageBox* box) { box->close(); });
    EXPECT_EQ(LocalizedMsgBox(nullptr, 0, "text", 4385), IdCancel);
    // The close box of the unsaved-changes question keeps the data too.
    whenBoxShows([](QMessageBox* box) { box->close(); });
    EXPECT_EQ(LocalizedMsgBox(nullptr, 1, "text", StyleSaveDiscardCancel), IdCancel);
}

// The program takes the shown box back: it closes, and the call says so
// rather than naming a button; a box answered first is not taken back.
TEST(LocalizedMsgBoxRealTest, AWithdrawnBoxClosesAndReturnsWithdrawn) {
    MsgBoxWithdrawal withdrawal;
    QPointer<QMessageBox> shown;
    whenBoxShows([&](QMessageBox* box) {
        shown = box;
        withdrawal.withdraw();
    });
    EXPECT_EQ(LocalizedMsgBox(nullptr, 1, "text", StyleYesNoQuestion, withdrawal), IdWithdrawn);
    EXPECT_TRUE(withdrawal.withdrawn());
    EXPECT_TRUE(shown.isNull() || !shown->isVisible());

    whenBoxShows([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(LocalizedMsgBox(nullptr, 1, "text", StyleYesNoQuestion, withdrawal), IdNo);
    EXPECT_FALSE(withdrawal.withdrawn());
}

// A language switch posts LanguageChange to the windows; a box shown before
// those are delivered must still carry our texts, not the toolkit's.
TEST(LocalizedMsgBoxRealTest, ALanguageChangeStillOnItsWayLeavesOurButtonTexts) {
    QWidget owner;
    owner.show();
    QStringList texts;
    whenBoxShows([&](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) texts << button->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    QCoreApplication::postEvent(&owner, new QEvent(QEvent::LanguageChange));
    EXPECT_EQ(LocalizedMsgBox(&owner, 0, "save?", StyleSaveDiscardCancel), IdCancel);
    texts.sort();
    QStringList expected{"保存", "不保存", "取消"};
    expected.sort();
    EXPECT_EQ(texts, expected);
}

}  // namespace
}  // namespace pl63::i18n
