// Opening a codeplug file, pressing OK in every window without touching
// anything and saving again must give the same file, byte for byte.
#include <unistd.h>

#include <QDir>
#include <QFile>

#include "codec/dat_file.h"
#include "forms_fixture.h"
#include "ui/options/embedded_info_window.h"
#include "ui/options/key_settings_window.h"
#include "ui/options/debug_frequency_window.h"

namespace pl63::ui::test {
namespace {

using FormsRoundTripTest = FormsTest;

TEST_F(FormsRoundTripTest, OkWithoutEditsLeavesTheImageByteIdentical) {
    QWidget* windows[] = {new KeySettingsWindow(context_, main_.get()),
                          new EmbeddedInfoWindow(context_, main_.get()),
                          new DebugFrequencyWindow(context_, main_.get())};
    Codeplug source;
    source.Pf1Key = 5;
    source.Pf2Key = 9;
    source.EmbeddedInfo = {std::string(32, 'W'), "caf\xE9\x01 ok"};
    source.TestFrequencies[0] = {"438.01250", "445.00500"};
    source.TestFrequencies[7] = {"4A0.12345", ""};  // digits as the radio had them
    source.TestFrequencies[15] = {"", "136.00000"};
    const std::string opened =
        QDir::temp().filePath(QStringLiteral("pl63-forms-%1-in.DAT").arg(::getpid())).toStdString();
    const std::string saved = QDir::temp()
                                  .filePath(QStringLiteral("pl63-forms-%1-out.DAT").arg(::getpid()))
                                  .toStdString();
    ASSERT_TRUE(writeDatFile(opened, EncodeImage(source, Language::Chinese)).ok());
    const Result<MemoryImage> original = readDatFile(opened);
    ASSERT_TRUE(original.ok());
    DecodeImage(original.value(), context_.document.dataForSetUp(), Language::Chinese);
    context_.state.announceStoresDecoded();

    for (QWidget* window : windows) {
        window->show();
        switchLanguage(window, 1);
        switchLanguage(window, 0);
        click(window, "Command1");
        EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
    }
    ASSERT_TRUE(writeDatFile(saved, encoded()).ok());
    QFile in(QString::fromStdString(opened));
    QFile out(QString::fromStdString(saved));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    const QByteArray before = in.readAll();
    const QByteArray after = out.readAll();
    ASSERT_EQ(after.size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after[i], before[i]) << "file byte " << i;
    }
    QFile::remove(in.fileName());
    QFile::remove(out.fileName());
}

}  // namespace
}  // namespace pl63::ui::test
