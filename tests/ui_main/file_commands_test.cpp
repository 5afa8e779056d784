// New, Open and Save through the dialog seam, with the questions answered by
// the test.
#include "codec/dat_file.h"
#include "codec/frequency_entry.h"
#include "codec/image_codec.h"
#include "codec/tone_code.h"
#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

class FileCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
    }
    void putChannel(int row, const std::string& rx) {
        codeplug().channels.setText(row, ColRxFrequency, rx);
        applyNewChannelDefaults(codeplug().channels, row, context->state.language());
        window->grid()->showChannels();
    }
    QString path(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }
    std::string bytesOf(const QString& file) const {
        std::ifstream in(file.toStdString(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    QString rxShown(int row) const { return window->grid()->item(row - 1, ColRxFrequency)->text(); }
};

TEST_F(FileCommandsTest, SaveThenOpenBringsBackChannelsFunctionsAndBandCaptionNamesTheFile) {
    putChannel(3, "440.05000");
    list("Combo9")->setCurrentIndex(7);
    answers = {i18n::IdOk};  // the band question
    list("Combo1")->setCurrentIndex(2);
    putChannel(3, "420.05000");
    const QString titleBefore = shownCaption(window.get());

    fileNames = {path("one.DAT")};
    trigger("mnuAssave");
    const std::string saved = bytesOf(path("one.DAT"));
    ASSERT_EQ(saved.size(), 853u);
    EXPECT_EQ(saved.substr(0, 5), "GZQ72");
    EXPECT_EQ(shownCaption(window.get()), QStringLiteral("PL63-") + path("one.DAT"));
    EXPECT_NE(shownCaption(window.get()), titleBefore);

    // Another window opens it: grid, Function Set and band without a question.
    window.reset();
    messages.clear();
    start();
    const QString freshTitle = shownCaption(window.get());
    fileNames = {path("one.DAT")};
    window->toolButton("open")->trigger();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(rxShown(3), QStringLiteral("420.05000"));
    EXPECT_EQ(list("Combo9")->currentIndex(), 7);
    EXPECT_EQ(list("Combo1")->currentIndex(), 2);
    EXPECT_EQ(context->state.PreviousBandIndex, 2);
    EXPECT_EQ(window->typeSelection()->BandHighMHz(), 430);
    EXPECT_EQ(shownCaption(window.get()), QStringLiteral("PL63-") + path("one.DAT"));
    EXPECT_NE(shownCaption(window.get()), freshTitle);
    // The same image again.
    EXPECT_EQ(EncodeImage(codeplug(), Language::Chinese).hex(),
              MemoryImage(std::vector<std::uint8_t>(saved.begin() + 5, saved.end())).hex());
}

TEST_F(FileCommandsTest, SaveTakesTheFrequencyStillBeingTyped) {
    ChannelGridView* grid = window->grid();
    grid->setFocus();
    const QRect cell = grid->visualRect(grid->model()->index(5, ColRxFrequency));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(grid->frequencyEditor()->isVisible());
    QTest::keyClicks(grid->frequencyEditor(), "435.5");
    fileNames = {path("typed.DAT")};
    window->toolButton("save")->trigger();
    const Result<MemoryImage> saved = readDatFile((folder / "typed.DAT").string());
    ASSERT_TRUE(saved.ok());
    Codeplug check;
    DecodeImage(saved.value(), check, Language::Chinese);
    EXPECT_EQ(check.channels.text(6, ColRxFrequency), "435.50000");
    EXPECT_EQ(rxShown(6), QStringLiteral("435.50000"));
}

TEST_F(FileCommandsTest, AFileWithoutTheSignatureIsRefusedAndNothingChanges) {
    putChannel(1, "430.00000");
    const std::string image(848, '\xff');
    for (const char* signature : {"GZQ73", "gzq72"}) {
        SCOPED_TRACE(signature);
        std::ofstream(folder / "bad.DAT", std::ios::binary | std::ios::trunc) << signature << image;
        messages.clear();
        fileNames = {path("bad.DAT")};
        trigger("mnuOpen");
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, QStringLiteral("文件类型不对，无法打开。"));
        EXPECT_EQ(messages[0].style, i18n::StyleOkOnly);
        EXPECT_EQ(rxShown(1), QStringLiteral("430.00000"));
    }
    // Too short to hold an image: refused the same way, in English now.
    trigger("mnuEnglish");
    std::ofstream(folder / "short.DAT", std::ios::binary | std::ios::trunc) << "GZQ72"
                                                                            << "\x01";
    messages.clear();
    fileNames = {path("short.DAT")};
    trigger("mnuOpen");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("Document type not to open."));
    EXPECT_TRUE(codeplug().channels.inUse(1));
}

// "GZQ72" and random bytes: the grid shows what the file holds, and one
// warning names the channels no radio could have.
TEST_F(FileCommandsTest, AFileWithImpossibleChannelValuesOpensWithOneWarningNamingThem) {
    std::vector<std::uint8_t> raw(0x350, 0xFF);
    const std::uint8_t channel2[] = {0x17, 0x62, 0x29, 0x2D, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    const std::uint8_t channel5[] = {0x00, 0x50, 0x12, 0x43, 0xFF, 0xFF, 0xFF, 0xFF, 0x22, 0xF5};
    std::copy(std::begin(channel2), std::end(channel2), raw.begin() + 0x10);
    std::copy(std::begin(channel5), std::end(channel5), raw.begin() + 0x40);
    ASSERT_TRUE(writeDatFile((folder / "odd.DAT").string(), MemoryImage(raw)).ok());

    for (const char* language : {"mnuChinese", "mnuEnglish"}) {
        trigger(language);
        messages.clear();
        fileNames = {path("odd.DAT")};
        trigger("mnuOpen");
        EXPECT_EQ(rxShown(2), QStringLiteral("2D2.96217"));
        EXPECT_EQ(window->grid()->item(4, ColRxTone)->text().toStdString(), decodeToneCode(0xF522));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].style, i18n::StyleExclamation);
    }
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral(": 2, 5.")));
    trigger("mnuChinese");
    messages.clear();
    fileNames = {path("odd.DAT")};
    trigger("mnuOpen");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("：2、5。")));
}

TEST_F(FileCommandsTest, OverwriteRefusedShowsTheDialogAgainThenAcceptedWrites) {
    std::ofstream(folder / "old.DAT", std::ios::binary) << "old content";
    putChannel(2, "431.00000");
    fileNames = {path("old.DAT"), path("old.DAT")};
    answers = {i18n::IdNo, i18n::IdYes};
    trigger("mnuAssave");
    EXPECT_EQ(dialogsShown, 2);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, QStringLiteral("该文件已存在，是否覆盖？"));
    EXPECT_EQ(messages[0].style, i18n::StyleYesNoQuestion);
    EXPECT_EQ(bytesOf(path("old.DAT")).size(), 853u);

    // No, then a cancelled dialog: the file and the caption stay.
    const std::string before = bytesOf(path("old.DAT"));
    const QString title = shownCaption(window.get());
    putChannel(4, "432.00000");
    fileNames = {path("old.DAT")};
    answers = {i18n::IdNo};
    trigger("mnuAssave");
    EXPECT_EQ(dialogsShown, 4);
    EXPECT_EQ(bytesOf(path("old.DAT")), before);
    EXPECT_EQ(shownCaption(window.get()), title);
}

TEST_F(FileCommandsTest, ASaveThatCannotBeWrittenSaysWhyAndLeavesFileAndCaption) {
    // A regular file where the folder should be: no one, not even root, can
    // create a file below it.
    std::ofstream(folder / "plain.DAT", std::ios::binary) << "keep me";
    const QString title = shownCaption(window.get());
    fileNames = {path("plain.DAT") + "/new.DAT"};
    trigger("mnuAssave");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].style, i18n::StyleCritical);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("new.DAT")))
        << messages[0].text.toStdString();
    EXPECT_EQ(shownCaption(window.get()), title);
    EXPECT_EQ(bytesOf(path("plain.DAT")), "keep me");
}

TEST_F(FileCommandsTest, ASaveToAFolderThatTakesNoFilesNamesThatReasonNotAMissingFolder) {
    if (!fs::is_directory("/proc/self")) GTEST_SKIP() << "no /proc";
    fileNames = {QStringLiteral("/proc/pl63-x.DAT")};
    trigger("mnuAssave");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("无法保存文件：/proc/pl63-x.DAT（此文件夹中不能新建文件）"));
}

TEST_F(FileCommandsTest, NewAsksAndOnlyOkEmptiesTheChannelsInUse) {
    putChannel(5, "433.00000");
    answers = {i18n::IdCancel};
    trigger("mnuNew");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("所有信道的数据将被清除！"));
    EXPECT_EQ(messages[0].title, QStringLiteral("警告"));
    EXPECT_EQ(messages[0].style, i18n::StyleOkCancelWarning);
    EXPECT_EQ(rxShown(5), QStringLiteral("433.00000"));

    window->toolButton("new")->trigger();
    EXPECT_TRUE(rxShown(5).isEmpty());
    EXPECT_FALSE(codeplug().channels.inUse(5));
    EXPECT_EQ(window->grid()->item(4, ColNumber)->text(), QStringLiteral("05"));
}

TEST_F(FileCommandsTest, CancelledDialogsDoNothingAndTheFilterNamesTheProgram) {
    auto dialogs = std::make_unique<QueuedFileDialogs>(fileNames, dialogsShown);
    QueuedFileDialogs* seen = dialogs.get();
    window->setFileDialogs(std::move(dialogs));
    trigger("mnuOpen");
    trigger("mnuAssave");
    EXPECT_EQ(dialogsShown, 2);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(seen->lastFilter, QStringLiteral("PL63(*.DAT *.dat)"));
    EXPECT_EQ(codeplugFileFilter(), seen->lastFilter);
}

}  // namespace
}  // namespace pl63::ui::test
