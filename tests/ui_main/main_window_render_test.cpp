// Form1 as the user sees it, in both languages: rendered to PNG files for
// review when PL63_RENDER_DIR names a folder.
#include <QPixmap>

#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

TEST_F(MainWindowTest, RendersInBothLanguagesAtItsFixedSize) {
    writeParameter(std::string("\0\0\0", 3));
    start();
    QTest::qWait(50);
    const QSize chinese = window->size();
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const QByteArray dir = qgetenv("PL63_RENDER_DIR");
    if (!dir.isEmpty()) window->grab().save(QString::fromLocal8Bit(dir) + "/form1-zh.png");
    trigger("mnuEnglish");
    QTest::qWait(50);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    // The whole grid stays in view in both languages.
    EXPECT_GE(window->width(), window->grid()->width());
    if (!dir.isEmpty()) window->grab().save(QString::fromLocal8Bit(dir) + "/form1-en.png");
    EXPECT_FALSE(chinese.isEmpty());
}

}  // namespace
}  // namespace pl63::ui::test
