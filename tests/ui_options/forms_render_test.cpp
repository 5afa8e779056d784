// Every window draws in both languages at its fixed size, and the language
// switch shows: the pictures differ. With PL63_RENDER_DIR set the pictures
// are kept there as <window>_<zh|en>.png for a look by eye.
#include <QDir>
#include <QImage>

#include "forms_fixture.h"
#include "ui/options/embedded_info_window.h"
#include "ui/options/key_settings_window.h"
#include "ui/options/password_window.h"
#include "ui/options/debug_frequency_window.h"

namespace pl63::ui::test {
namespace {

using FormsRenderTest = FormsTest;

TEST_F(FormsRenderTest, EachWindowDrawsInBothLanguages) {
    Codeplug source;
    source.Pf1Key = 7;
    source.EmbeddedInfo = {"PL-63 FLEET 7", "Call 555-0100"};
    source.TestFrequencies[0] = {"438.01250", "438.01250"};
    source.TestFrequencies[1] = {"445.50000", "440.00000"};
    decodeFrom(source);
    QWidget* windows[] = {new DebugFrequencyWindow(context_, main_.get()),
                          new KeySettingsWindow(context_, main_.get()),
                          new EmbeddedInfoWindow(context_, main_.get()),
                          new PasswordWindow(context_, main_.get())};
    const QString folder = qEnvironmentVariable("PL63_RENDER_DIR");
    for (QWidget* window : windows) {
        const std::string name = window->objectName().toStdString();
        window->show();
        QImage pictures[2];
        for (int flag : {0, 1}) {
            switchLanguage(window, flag);
            QApplication::processEvents();  // the layout follows the new texts
            pictures[flag] = window->grab().toImage();
            EXPECT_EQ(pictures[flag].size(), window->size() * window->devicePixelRatio()) << name;
            EXPECT_EQ(window->size(), window->minimumSize()) << name;
            EXPECT_EQ(window->size(), window->maximumSize()) << name;
            if (!folder.isEmpty()) {
                const QString file = QDir(folder).filePath(window->objectName() +
                                                           (flag == 0 ? "_zh.png" : "_en.png"));
                EXPECT_TRUE(pictures[flag].save(file)) << file.toStdString();
            }
        }
        EXPECT_NE(pictures[0], pictures[1]) << name;
        window->hide();
    }
}

}  // namespace
}  // namespace pl63::ui::test
