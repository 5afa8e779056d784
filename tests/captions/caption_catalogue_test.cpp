// The catalogue without Qt: each window's captions text for text as the
// windows have always shown them (tests/captions/caption_tables.tsv), the
// lookups the reports and the browser page use, and the step names built
// from other windows' rows.
#include "i18n/caption_catalogue.h"

#include <gtest/gtest.h>

#include <fstream>

#include "i18n/step_names.h"

namespace pl63::i18n {
namespace {

TEST(CaptionCatalogueTest, EveryWindowAppliesItsCaptionsTextForText) {
    std::ifstream golden(PL63_CAPTION_GOLDEN);
    std::vector<std::string> expected;
    for (std::string line; std::getline(golden, line);) {
        if (!line.empty() && line[0] != '#') expected.push_back(line);
    }
    const char* targets[] = {"WindowTitle", "Text", "ListEntry", "HeaderCell", "ToolTip"};
    std::vector<std::string> actual;
    for (const char* window : kCaptionWindowOrder) {
        for (const CaptionRow& r : captionTable(window)) {
            actual.push_back(std::string(window) + "\t" + targets[int(r.target)] + "\t" +
                             r.objectName + "\t" + std::to_string(r.index) + "\t" +
                             std::to_string(r.element) + "\t" + r.text.zh + "\t" + r.text.en);
        }
    }
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(actual, expected);
    EXPECT_TRUE(captionTable("Sheet").empty());  // a section, not a window
}

TEST(CaptionCatalogueTest, EveryRowIsFoundByItsKeyAndListsComeInPositionOrder) {
    int rows = 0;
    forEachCaption([&](std::string_view window, const CaptionRow& row) {
        ++rows;
        EXPECT_EQ(findCaption(window, row.objectName, row.index, row.element), &row)
            << window << "/" << row.objectName << " " << row.index;
    });
    EXPECT_GT(rows, 226);
    EXPECT_EQ(caption("Form1", "Label99"), (Bilingual{"Form1/Label99", "Form1/Label99"}));

    const std::vector<Bilingual> forbid = listEntries("Form1", "Combo5", 6);
    EXPECT_EQ(forbid, (std::vector<Bilingual>{{"关闭", "Off"}, {"载波", "Carrow"}}));
    const std::vector<Bilingual> timeOut = listEntries("Form1", "Combo3");
    ASSERT_EQ(timeOut.size(), 40u);
    EXPECT_EQ(timeOut.back(), (Bilingual{"600 秒", "600 S"}));
}

TEST(CaptionCatalogueTest, StepsTakeTheirControlsCaptionOrTheirOwnName) {
    const std::pair<StepName, Bilingual> cases[] = {
        {stepName("new"), {"新建", "New"}},
        {stepName("read"), {"读频", "Read frequency"}},
        {stepName("Combo3"), {"发射超时", "Time-out"}},
        {stepName("Combo12"), {"VOX延迟时间", "VOX Delay time"}},
        {stepName("Check4"), {"接收时禁止VOX", "Received banned VOX"}},
        {stepName("FormUsePass"), {"密码设置", "Password set"}},
        {stepName("Combo99"), {"Combo99", "Combo99"}},
        {gridCellStep(4, 1), {"信道 4 接收频率", "channel 4 RX frequency"}},
        {gridCellStep(4, 2), {"信道 4 接收亚音频", "channel 4 RX QT/DQT"}},
        {gridCellStep(4, 7), {"信道 4 宽窄带", "channel 4 band width"}},
        {gridCellStep(4, 9), {"信道 4", "channel 4"}},
    };
    for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected) << expected.en;

    EXPECT_EQ(undoItemText({}, Language::English), "Undo(&U)");
    EXPECT_EQ(redoItemText({"a&b", "c&d"}, Language::Chinese), "重做(&R)：a&&b");
    EXPECT_EQ(
        unsavedQuestion("", Language::English),
        "Save the changes to \"untitled\"?\nYour changes will be lost if you don't save them.");
}

}  // namespace
}  // namespace pl63::i18n
