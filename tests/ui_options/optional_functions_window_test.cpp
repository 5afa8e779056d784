// Form5: filled by DecodeImage, written back by OK, the priority checks, the
// scan delay boxes, the hidden DTMF values and the TuneMode caption gesture.
#include "ui/options/optional_functions_window.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTableWidget>
#include <memory>

#include "codec/layout.h"
#include "i18n/language_flag.h"
#include "i18n/qt/captions.h"
#include "optional_functions_fixture.h"
#include "ui/twips.h"

namespace pl63::ui::test {
namespace {

class OptionalFunctionsWindowTest : public OptionWindowTest {
protected:
    void SetUp() override {
        OptionWindowTest::SetUp();
        window = std::make_unique<OptionalFunctionsWindow>(context, nullptr);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    QComboBox* list(const char* name) { return child<QComboBox>(window.get(), name); }
    QLineEdit* field(const char* name) { return child<QLineEdit>(window.get(), name); }
    void press(const char* button) {
        QTest::mouseClick(child<QPushButton>(window.get(), button), Qt::LeftButton);
    }
    void clickCaption(const char* name) {
        QTest::mouseClick(child<QLabel>(window.get(), name), Qt::LeftButton);
    }

    // Values every control can show, the hidden ones included.
    static Codeplug radioWithEverythingSet() {
        Codeplug source;
        putChannel(source, 3);
        putChannel(source, 7);
        auto& opt = source.OptionalSettings;
        opt[3] = "2";    // PTT ID Both
        opt[8] = "0";    // VOX volume control Off
        opt[9] = "0";    // Duplicate Off
        opt[10] = "1";   // Priority Fixed
        opt[11] = "7";   // Preferred channel 07
        opt[12] = "91";  // Retrace A 5.00 S
        opt[13] = "1";   // Retrace B 0.50 S
        opt[14] = "3";   // priority+Current
        opt[18] = "25";
        opt[19] = "300";
        // A first digit delay off the 50 ms raster and a group call digit
        // past the list: values the hidden lists have no entry for.
        source.DtmfSettings = {3, 2, 120, 0, 16, 0, 9, 15};
        source.DtmfCodes = {"1230", "*#AB", "", "D", "9999999999999999", "6", "7", "0"};
        return source;
    }

    std::unique_ptr<OptionalFunctionsWindow> window;
};

TEST_F(OptionalFunctionsWindowTest, DecodeImageFillsEveryControl) {
    openAsDat(radioWithEverythingSet());

    EXPECT_EQ(list("Combo4")->currentIndex(), 2);
    EXPECT_EQ(list("Combo9")->currentIndex(), 0);
    EXPECT_EQ(list("Combo10")->currentIndex(), 0);
    EXPECT_EQ(list("Combo11")->currentIndex(), 1);
    EXPECT_EQ(list("Combo12")->currentText(), "07");
    EXPECT_EQ(list("Combo13")->currentText(), "5.00 S");
    EXPECT_EQ(list("Combo14")->currentText(), "0.50 S");
    EXPECT_EQ(list("Combo15")->currentIndex(), 3);
    EXPECT_EQ(field("Text5")->text(), "25");
    EXPECT_EQ(field("Text6")->text(), "300");
    EXPECT_TRUE(messages.empty()) << "channel 7 is in use, so Fixed on 07 is consistent";
    // Fixed picked the first channel in use before 07 was set.
    EXPECT_EQ(window->RememberedChannel(), 3);

    EXPECT_EQ(list("Combo0")->currentText(), "15位");
    EXPECT_EQ(list("Combo19")->currentText(), "16秒");
    EXPECT_EQ(list("Combo18")->currentIndex(), -1) << "120 ms has no entry";
    EXPECT_EQ(list("Combo22")->currentIndex(), -1) << "digit 9 has no entry";
    auto* codes = child<QTableWidget>(window.get(), "mfgrid1");
    EXPECT_EQ(codes->item(1, 1)->text(), "1230");
    EXPECT_EQ(codes->item(2, 1)->text(), "*#AB");
    EXPECT_EQ(codes->item(8, 0)->text(), "8");
    EXPECT_FALSE(codes->isVisibleTo(window.get()));
    EXPECT_FALSE(list("Combo9")->isVisibleTo(window.get()));
}

TEST_F(OptionalFunctionsWindowTest, OkWithoutEditsKeepsTheDecodedImageByteForByte) {
    const Codeplug source = radioWithEverythingSet();
    const MemoryImage saved = EncodeImage(source, Language::Chinese);
    openAsDat(source);
    press("Command1");
    EXPECT_EQ(encoded().hex(), saved.hex());

    // And from start-up, where the first digit delay is 0 ms.
    Codeplug fresh;
    context.document.dataForSetUp() = fresh;
    window->showStores();
    press("Command1");
    EXPECT_EQ(encoded().hex(), EncodeImage(fresh, Language::Chinese).hex());
}

TEST_F(OptionalFunctionsWindowTest, OkWritesTheStoresInOrderAndTheImageShowsThem) {
    putChannel(context.document.dataForSetUp(), 16);
    pick(list("Combo4"), 1);
    pick(list("Combo10"), 0);
    pick(list("Combo12"), 15);
    pick(list("Combo13"), 91);  // last entry
    pick(list("Combo14"), 0);   // first entry, "空"
    pick(list("Combo15"), 2);
    field("Text5")->clear();
    QTest::keyClicks(field("Text5"), "42");
    QTest::keyClicks(field("Text6"), "7");
    EXPECT_EQ(context.codeplug.OptionalSettings[3], "1") << "nothing is written before OK";

    press("Command1");
    EXPECT_FALSE(window->isVisible());
    const auto& opt = context.codeplug.OptionalSettings;
    EXPECT_EQ(opt[3], "1");
    EXPECT_EQ(opt[9], "0");
    EXPECT_EQ(opt[11], "16");
    EXPECT_EQ(opt[12], "91");
    EXPECT_EQ(opt[13], "0");
    EXPECT_EQ(opt[14], "2");
    EXPECT_EQ(opt[18], "42");
    EXPECT_EQ(opt[19], "7");

    const MemoryImage image = encoded();
    EXPECT_EQ(image.at(layout::kPttId), 1);
    EXPECT_EQ(image.at(layout::kDuplicate), 0xFE);
    EXPECT_EQ(image.at(layout::kPreferredChannel), 16);
    EXPECT_EQ(image.at(layout::kRetraceTimeA), 91);
    EXPECT_EQ(image.at(layout::kRetraceTimeB), 0xFF);
    EXPECT_EQ(image.at(layout::kReturnChannel), 2);
    EXPECT_EQ(image.at(layout::kScanReceiveDelay), 42);
    EXPECT_EQ(image.at(layout::kScanReceiveDelay + 1), 0);
    EXPECT_EQ(image.at(layout::kScanLaunchDelay), 7);

    window->show();
    pick(list("Combo12"), 0);
    press("Command1");
    EXPECT_EQ(context.codeplug.OptionalSettings[11], "1");
}

TEST_F(OptionalFunctionsWindowTest, CancelAndCloseOnlyHideAndKeepTheEditsForTheNextOk) {
    pick(list("Combo10"), 0);
    press("Command2");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(context.codeplug.OptionalSettings[9], "1");

    window->show();
    EXPECT_EQ(list("Combo10")->currentIndex(), 0) << "the edit survives Cancel";
    pick(list("Combo15"), 3);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(context.codeplug.OptionalSettings[14], "1");

    window->show();
    press("Command1");
    EXPECT_EQ(context.codeplug.OptionalSettings[9], "0");
    EXPECT_EQ(context.codeplug.OptionalSettings[14], "3");
}

TEST_F(OptionalFunctionsWindowTest, FixedPriorityTakesTheFirstChannelInUse) {
    putChannel(context.document.dataForSetUp(), 4);
    putChannel(context.document.dataForSetUp(), 9);
    pick(list("Combo11"), 1);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(list("Combo12")->currentText(), "04");
    EXPECT_EQ(window->RememberedChannel(), 4);
}

TEST_F(OptionalFunctionsWindowTest, FixedPriorityWithNoChannelInUseFallsBackToNo) {
    pick(list("Combo12"), 5);
    pick(list("Combo11"), 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "当设定为‘固定’时信道不可为空，请重设！");
    EXPECT_EQ(messages[0].title, "提示");
    EXPECT_EQ(messages[0].style, i18n::StyleOkOnly);
    EXPECT_EQ(list("Combo11")->currentIndex(), 0);
    EXPECT_EQ(list("Combo12")->currentText(), "06");

    context.state.LanguageFlag = i18n::kFlagEnglish;
    pick(list("Combo11"), 1);
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].languageFlag, i18n::kFlagEnglish);
    EXPECT_TRUE(messages[1].text.contains("empty")) << messages[1].text.toStdString();
}

TEST_F(OptionalFunctionsWindowTest, EmptyPreferredChannelRefusedUnderFixedAcceptedUnderSelected) {
    putChannel(context.document.dataForSetUp(), 2);
    putChannel(context.document.dataForSetUp(), 5);
    pick(list("Combo11"), 1);
    pick(list("Combo12"), 4);  // 05, in use: taken, the remembered channel stays 2
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(window->RememberedChannel(), 2);

    pick(list("Combo12"), 10);  // 11, empty
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "不可选择空信道，请重新选择！");
    EXPECT_EQ(list("Combo12")->currentText(), "02");

    pick(list("Combo11"), 2);
    pick(list("Combo12"), 10);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(list("Combo12")->currentText(), "11");
}

TEST_F(OptionalFunctionsWindowTest, DecodedFixedPriorityIsCheckedAgainstTheDecodedChannels) {
    Codeplug source;
    source.OptionalSettings[10] = "1";
    source.OptionalSettings[11] = "5";
    openAsDat(source);  // no channel in use at all
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "提示");
    EXPECT_EQ(list("Combo11")->currentIndex(), 0);
    EXPECT_EQ(context.codeplug.OptionalSettings[10], "1") << "the store changes only on OK";
}

QPoint arrowCentre(QScrollBar* bar, QStyle::SubControl arrow) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    option.subControls = QStyle::SC_All;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar).center();
}

TEST_F(OptionalFunctionsWindowTest, SpinnerClickReplacesTheDecodedTextWithItsOwnPosition) {
    Codeplug source;
    source.OptionalSettings[18] = "120";
    source.OptionalSettings[19] = "60";
    openAsDat(source);
    ASSERT_EQ(field("Text5")->text(), "120");

    auto* spinner = child<QScrollBar>(window.get(), "VScroll1");
    const QPoint upper = arrowCentre(spinner, QStyle::SC_ScrollBarSubLine);
    const QPoint lower = arrowCentre(spinner, QStyle::SC_ScrollBarAddLine);
    ASSERT_LT(upper.y(), lower.y());
    QTest::mouseClick(spinner, Qt::LeftButton, {}, upper);
    EXPECT_EQ(field("Text5")->text(), "1") << "the upper arrow counts up from the spinner's 0";
    QTest::mouseClick(spinner, Qt::LeftButton, {}, upper);
    QTest::mouseClick(spinner, Qt::LeftButton, {}, lower);
    EXPECT_EQ(field("Text5")->text(), "1");
    EXPECT_EQ(field("Text6")->text(), "60") << "each box has its own spinner";
    QTest::keyClick(spinner, Qt::Key_Up);
    EXPECT_EQ(field("Text5")->text(), "2");
    QTest::keyClick(spinner, Qt::Key_PageUp);
    EXPECT_EQ(field("Text5")->text(), "12");
    QTest::keyClick(spinner, Qt::Key_Down);
    EXPECT_EQ(field("Text5")->text(), "11");

    press("Command1");
    EXPECT_EQ(encoded().at(layout::kScanReceiveDelay), 11);
}

TEST_F(OptionalFunctionsWindowTest, DelayBoxesTakeWholeSecondsUpTo300Only) {
    QLineEdit* box = field("Text5");
    box->clear();
    QTest::keyClicks(box, "1a2.-");
    EXPECT_EQ(box->text(), "12");
    QTest::keyClicks(box, "9");
    EXPECT_EQ(box->text(), "129");
    box->clear();
    QTest::keyClicks(box, "3001");
    EXPECT_EQ(box->text(), "300");
    box->clear();
    QTest::keyClicks(box, "301");
    EXPECT_EQ(box->text(), "30");

    // The spinner never goes past what the box takes.
    auto* spinner = child<QScrollBar>(window.get(), "VScroll1");
    EXPECT_EQ(spinner->maximum(), kScanDelayMaxSeconds);
    EXPECT_EQ(spinner->minimum(), 0);
}

TEST_F(OptionalFunctionsWindowTest, ThreeCaptionClicksWithinFiveSecondsEnterTuneMode) {
    bool announced = false;
    QObject::connect(&context.state, &ProgramState::tuneModeChanged,
                     [&announced](bool on) { announced = on; });
    clickCaption("Label4");
    clock->advance(2);
    clickCaption("Label11");
    clock->advance(2.4);
    EXPECT_FALSE(context.state.TuneMode());
    clickCaption("Label15");
    EXPECT_TRUE(context.state.TuneMode());
    EXPECT_TRUE(announced);
    EXPECT_TRUE(context.state.DebugUnlocked);

    // While latched, a click inside the window unlocks again after a decode.
    openAsDat(Codeplug{});
    EXPECT_FALSE(context.state.DebugUnlocked);
    clickCaption("Label4");
    EXPECT_TRUE(context.state.DebugUnlocked);
}

TEST_F(OptionalFunctionsWindowTest, APauseOfSixSecondsStartsANewGesture) {
    clickCaption("Label4");
    clickCaption("Label11");
    clock->advance(6);
    clickCaption("Label15");
    EXPECT_FALSE(context.state.TuneMode());
    EXPECT_FALSE(context.state.DebugUnlocked);
    // The late click opened a window of its own: two more complete it.
    clock->advance(1);
    clickCaption("Label4");
    clickCaption("Label11");
    EXPECT_TRUE(context.state.TuneMode());
    // Captions that are not designated do nothing.
    context.state.setTuneMode(false);
    context.state.tuneGesture.clear();
    clock->advance(60);
    clickCaption("Label14");
    clickCaption("Label17");
    clickCaption("Label4");
    EXPECT_FALSE(context.state.tuneGesture.latched());
}

TEST_F(OptionalFunctionsWindowTest, CaptionTableFindsEveryRowAndSwitchingKeepsEverySelection) {
    const i18n::CaptionTable& table = i18n::captionTable(QStringLiteral("Form5"));
    if (table.empty()) GTEST_SKIP() << "no Form5 caption table in this build";
    openAsDat(radioWithEverythingSet());
    const MemoryImage before = encoded();
    std::vector<int> positions;
    const auto lists = window->findChildren<QComboBox*>();
    for (QComboBox* each : lists) positions.push_back(each->currentIndex());

    for (int flag : {i18n::kFlagEnglish, i18n::kFlagChinese, i18n::kFlagEnglish}) {
        EXPECT_EQ(i18n::applyCaptionTable(window.get(), table, flag), QStringList{}) << flag;
    }
    EXPECT_EQ(window->windowTitle(), "Optional Function");
    EXPECT_EQ(list("Combo13")->itemText(0), "Empty");
    EXPECT_EQ(list("Combo14")->itemText(0), "Empty");
    EXPECT_EQ(list("Combo13")->itemText(91), "5.00 S");
    EXPECT_EQ(list("Combo12")->itemText(15), "16");
    EXPECT_EQ(list("Combo19")->itemText(0), "D码") << "hidden lists stay Chinese";
    for (qsizetype i = 0; i < lists.size(); ++i)
        EXPECT_EQ(lists[i]->currentIndex(), positions[i]) << lists[i]->objectName().toStdString();
    EXPECT_EQ(field("Text5")->text(), "25");
    press("Command1");
    EXPECT_EQ(encoded().hex(), before.hex());
    EXPECT_TRUE(messages.empty());
}

TEST_F(OptionalFunctionsWindowTest, IsAFixedSizeWindowOfItsOwnThatClosingHides) {
    EXPECT_EQ(window->objectName(), "Form5");
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->size(), twipsToPixels(5595, 6090));
    EXPECT_FALSE(window->testAttribute(Qt::WA_DeleteOnClose));
}

}  // namespace
}  // namespace pl63::ui::test

namespace pl63::ui::test {
namespace {

TEST_F(OptionalFunctionsWindowTest, EveryCaptionFitsInBothLanguages) {
    const i18n::CaptionTable& table = i18n::captionTable(QStringLiteral("Form5"));
    if (table.empty()) GTEST_SKIP() << "no Form5 caption table in this build";
    openAsDat(Codeplug{});
    expectEverythingFits(window.get(), QStringLiteral("form5-zh"));
    i18n::applyCaptionTable(window.get(), table, i18n::kFlagEnglish);
    expectEverythingFits(window.get(), QStringLiteral("form5-en"));
}

}  // namespace
}  // namespace pl63::ui::test
