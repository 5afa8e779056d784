#include "ui/options/key_settings_window.h"

#include <QComboBox>
#include <QLabel>

#include "codec/layout.h"
#include "forms_fixture.h"
#include "ui/options/radio_side_view.h"

namespace pl63::ui::test {
namespace {

class KeySettingsWindowTest : public FormsTest {
protected:
    KeySettingsWindow* open() {
        auto* window = new KeySettingsWindow(context_, main_.get());
        window->show();
        return window;
    }
    QComboBox* pf1(QWidget* w) { return child<QComboBox>(w, "Combo1"); }
    QComboBox* pf2(QWidget* w) { return child<QComboBox>(w, "Combo2"); }
};

TEST_F(KeySettingsWindowTest, StartUpValuesAndDecodedImageFillTheLists) {
    KeySettingsWindow* window = open();
    EXPECT_EQ(pf1(window)->currentText(), QStringLiteral("瞬时取消静噪"));
    EXPECT_EQ(pf2(window)->currentText(), QStringLiteral("自动拨号"));
    switchLanguage(window, 1);
    EXPECT_EQ(pf1(window)->currentText(), QStringLiteral("Instant cancel static noise"));
    EXPECT_EQ(pf2(window)->currentText(), QStringLiteral("Automatic dial-up"));

    Codeplug source;
    source.Pf1Key = 3;
    source.Pf2Key = 11;
    decodeFrom(source);
    EXPECT_EQ(pf1(window)->currentIndex(), 3);
    EXPECT_EQ(pf2(window)->currentIndex(), 11);
}

TEST_F(KeySettingsWindowTest, OkWritesBothKeysIntoTheImage) {
    KeySettingsWindow* window = open();
    QTest::keyClick(pf1(window), Qt::Key_Down);  // 10 -> 11
    pf2(window)->setFocus();
    QTest::keyClick(pf2(window), Qt::Key_End);  // 0 -> 11
    QTest::keyClick(pf2(window), Qt::Key_Up);   // -> 10
    click(window, "Command1");

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(context_.codeplug.Pf1Key, 11);
    EXPECT_EQ(context_.codeplug.Pf2Key, 10);
    const MemoryImage image = encoded();
    EXPECT_EQ(image.at(layout::kPf1Key), 11);
    EXPECT_EQ(image.at(layout::kPf2Key), 10);
}

TEST_F(KeySettingsWindowTest, CancelAndCloseOnlyHideAndKeepTheSelection) {
    KeySettingsWindow* window = open();
    QTest::keyClick(pf1(window), Qt::Key_Home);
    click(window, "Command2");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(context_.codeplug.Pf1Key, 10);

    window->show();
    QTest::keyClick(pf2(window), Qt::Key_Down);
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(context_.codeplug.Pf2Key, 0);

    // Shown again, the lists still hold the edits and OK writes them.
    window->show();
    EXPECT_EQ(pf1(window)->currentIndex(), 0);
    EXPECT_EQ(pf2(window)->currentIndex(), 1);
    click(window, "Command1");
    EXPECT_EQ(context_.codeplug.Pf1Key, 0);
    EXPECT_EQ(context_.codeplug.Pf2Key, 1);
}

TEST_F(KeySettingsWindowTest, OutOfRangeValueShowsOffWithoutTouchingTheStore) {
    context_.document.dataForSetUp().Pf1Key = 12;
    context_.document.dataForSetUp().Pf2Key = -1;
    KeySettingsWindow* window = open();
    EXPECT_EQ(pf1(window)->currentText(), QStringLiteral("OFF"));
    EXPECT_EQ(pf2(window)->currentText(), QStringLiteral("OFF"));
    EXPECT_EQ(context_.codeplug.Pf1Key, 12);
    EXPECT_EQ(context_.codeplug.Pf2Key, -1);
    click(window, "Command1");
    EXPECT_EQ(context_.codeplug.Pf1Key, 1);
    EXPECT_EQ(context_.codeplug.Pf2Key, 1);
}

TEST_F(KeySettingsWindowTest, PictureFollowsTheFocusedList) {
    KeySettingsWindow* window = open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* image = child<QLabel>(window, "Image1");
    const QImage pf1Picture = radioSideView(SideKey::Pf1).toImage();
    const QImage pf2Picture = radioSideView(SideKey::Pf2).toImage();
    ASSERT_NE(pf1Picture, pf2Picture);
    EXPECT_EQ(image->pixmap().toImage(), pf1Picture);

    pf2(window)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(image->pixmap().toImage(), pf2Picture);
    QTest::keyClick(pf2(window), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(pf1(window)->hasFocus());
    EXPECT_EQ(image->pixmap().toImage(), pf1Picture);
}

TEST_F(KeySettingsWindowTest, LanguageSwitchesRewriteEntriesAndKeepSelections) {
    KeySettingsWindow* window = open();
    pf1(window)->setCurrentIndex(7);
    pf2(window)->setCurrentIndex(4);
    switchLanguage(window, 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Keys Set"));
    EXPECT_EQ(pf2(window)->itemText(11), QStringLiteral("Delete temporary"));
    EXPECT_EQ(pf1(window)->currentText(), QStringLiteral("Scan & Delete temporary"));
    switchLanguage(window, 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("键设定"));
    EXPECT_EQ(pf1(window)->currentText(), QStringLiteral("扫描+暂时删除"));
    EXPECT_EQ(pf1(window)->currentIndex(), 7);
    EXPECT_EQ(pf2(window)->currentIndex(), 4);
    EXPECT_EQ(pf1(window)->count(), 12);
}

}  // namespace
}  // namespace pl63::ui::test
