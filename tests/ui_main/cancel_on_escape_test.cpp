// Escape in the secondary windows does what their Cancel button (or, where
// they have none, their close box) does, from the control that has the focus.
#include <QLineEdit>

#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

TEST_F(MainWindowTest, EscapeClosesEverySecondaryWindowAsCancelDoes) {
    withOptionWindows = true;
    start();
    for (const char* name :
         {"Form2", "Form4", "Form5", "Form6", "Form7", "FormUsePass", "FormCOM", "frmAbout"}) {
        SCOPED_TRACE(name);
        QWidget* shown = context->windows.window(*context, QString::fromLatin1(name));
        ASSERT_NE(shown, nullptr);
        shown->show();
        QWidget* control = shown;  // FormCOM may have no port to choose
        for (QWidget* child : shown->findChildren<QWidget*>())
            if (control == shown && child->isVisible() && child->isEnabled() &&
                (child->focusPolicy() & Qt::TabFocus))
                control = child;
        auto* box = qobject_cast<QLineEdit*>(control);
        if (box) box->setText(QStringLiteral("12"));
        QTest::keyClick(control, Qt::Key_Escape);
        EXPECT_FALSE(shown->isVisible());
        // The password window's Cancel empties its boxes; its close box would not.
        if (shown->objectName() == QLatin1String("FormUsePass"))
            EXPECT_TRUE(box && box->text().isEmpty());
    }
}

}  // namespace
}  // namespace pl63::ui::test
