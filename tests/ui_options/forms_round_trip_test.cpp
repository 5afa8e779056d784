// Reading a codeplug, opening every window and pressing OK without touching
// anything must leave the image exactly as it was.
#include "forms_fixture.h"
#include "ui/options/embedded_info_window.h"
#include "ui/options/key_settings_window.h"
#include "ui/options/test_frequency_window.h"

namespace pl63::ui::test {
namespace {

using FormsRoundTripTest = FormsTest;

TEST_F(FormsRoundTripTest, OkWithoutEditsLeavesTheImageByteIdentical) {
    QWidget* windows[] = {new KeySettingsWindow(context_, main_.get()),
                          new EmbeddedInfoWindow(context_, main_.get()),
                          new TestFrequencyWindow(context_, main_.get())};
    Codeplug source;
    source.Pf1Key = 5;
    source.Pf2Key = 9;
    source.EmbeddedInfo = {std::string(32, 'W'), "caf\xE9\x01 ok"};
    source.TestFrequencies[0] = {"438.01250", "445.00500"};
    source.TestFrequencies[7] = {"4A0.12345", ""};  // digits as the radio had them
    source.TestFrequencies[15] = {"", "136.00000"};
    const MemoryImage original = EncodeImage(source, Language::Chinese);
    DecodeImage(original, context_.codeplug, Language::Chinese);
    context_.state.announceStoresDecoded();

    for (QWidget* window : windows) {
        window->show();
        switchLanguage(window, 1);
        switchLanguage(window, 0);
        click(window, "Command1");
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
    const MemoryImage after = encoded();
    ASSERT_EQ(after.size(), original.size());
    for (std::size_t offset = 0; offset < original.size(); ++offset) {
        EXPECT_EQ(after.at(offset), original.at(offset)) << "offset " << std::hex << offset;
    }
}

}  // namespace
}  // namespace pl63::ui::test
