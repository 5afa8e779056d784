// ApplyCaptions over Form1 and frmAbout, and the Languages menu: every table
// row finds its own widget, a switch rewrites every text and keeps every
// selection and value.
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolBar>
#include <set>

#include "codec/frequency_entry.h"
#include "codec/image_codec.h"
#include "i18n/language_flag.h"
#include "i18n/qt/captions.h"
#include "ui/qt_translations.h"
#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

// The window a caption target belongs to; a menu (a popup window of its own)
// and its items belong to the window of the menu bar.
QWidget* windowOf(QObject* target) {
    for (QObject* up = target; up; up = up->parent()) {
        auto* widget = qobject_cast<QWidget*>(up);
        if (widget && !qobject_cast<QMenu*>(widget)) return widget->window();
    }
    return nullptr;
}

// The text a row's target shows now.
QString shownText(QObject* target, const i18n::CaptionRow& row) {
    using i18n::CaptionTarget;
    switch (row.target) {
        case CaptionTarget::WindowTitle:
            // The modified mark is no part of the caption row.
            return qobject_cast<QWidget*>(target)->windowTitle().remove(QStringLiteral("[*]"));
        case CaptionTarget::Text:
            if (auto* menu = qobject_cast<QMenu*>(target)) return menu->title();
            if (auto* action = qobject_cast<QAction*>(target)) return action->text();
            return target->property("text").isValid() ? target->property("text").toString()
                                                      : target->property("title").toString();
        case CaptionTarget::ListEntry:
            return qobject_cast<QComboBox*>(target)->itemText(row.index);
        case CaptionTarget::HeaderCell:
            return qobject_cast<QTableWidget*>(target)->horizontalHeaderItem(row.index)->text();
        case CaptionTarget::ToolTip:
            return qobject_cast<QToolBar*>(target)->actions()[row.index - 1]->toolTip();
    }
    return {};
}

class LanguageSwitchTest : public MainWindowTest {
protected:
    // Every row of the window's table shows the text of `flag`.
    void expectTable(const char* name, QWidget* w, int flag) {
        for (const i18n::CaptionRow& row : i18n::captionTable(name)) {
            QObject* target = i18n::findCaptionTarget(w, row);
            const std::string where = row.objectName + "[" + std::to_string(row.element) + "] " +
                                      std::to_string(row.index);
            ASSERT_NE(target, nullptr) << where;
            EXPECT_EQ(windowOf(target), w) << where;
            EXPECT_EQ(shownText(target, row).toStdString(), flag == 1 ? row.text.en : row.text.zh)
                << where;
        }
    }
    QWidget* about() { return context->windows.window(*context, "frmAbout"); }

    // Channel 1: 430.125 MHz with the new-channel defaults, High power.
    void putHighPowerChannelOne() {
        codeplug().channels.setText(1, ColRxFrequency, "430.12500");
        applyNewChannelDefaults(codeplug().channels, 1, Language::Chinese);
        codeplug().channels.setText(1, ColPower, "高");
        codeplug().channels.choices().set(1, ColPower, 1);
        window->grid()->showChannels();
    }
};

TEST_F(LanguageSwitchTest, EveryRowOfForm1AndAboutFindsItsWidgetAndApplies) {
    start();
    for (const char* name : {"Form1", "frmAbout"}) {
        SCOPED_TRACE(name);
        QWidget* w = std::string(name) == "Form1" ? window.get() : about();
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), QString::fromLatin1(name));
        EXPECT_FALSE(i18n::captionTable(name).empty());
        for (int flag : {1, 0}) {
            EXPECT_TRUE(i18n::applyCaptionTable(w, i18n::captionTable(name), flag).isEmpty());
        }
    }
}

TEST_F(LanguageSwitchTest, SwitchRewritesEveryTextAndKeepsEverySelectionAndValue) {
    start();
    // A channel with High power and a tone, some Function Set choices, a band.
    putHighPowerChannelOne();
    list("Combo3")->setCurrentIndex(5);
    list("Combo2")->setCurrentIndex(2);
    list("Combo4")->setCurrentIndex(3);
    list("Combo13")->setCurrentIndex(10);
    window->findChild<QCheckBox*>("Check3")->setChecked(true);
    answers = {i18n::IdOk};
    list("Combo1")->setCurrentIndex(3);
    codeplug().channels.setText(2, ColRxFrequency, "360.00000");
    applyNewChannelDefaults(codeplug().channels, 2, Language::Chinese);
    window->grid()->showChannels();
    const std::string imageBefore = EncodeImage(codeplug(), Language::Chinese).hex();

    trigger("mnuEnglish");
    EXPECT_EQ(context->state.LanguageFlag, 1);
    expectTable("Form1", window.get(), 1);
    expectTable("frmAbout", about(), 1);
    EXPECT_EQ(list("Combo3")->currentIndex(), 5);
    EXPECT_EQ(list("Combo3")->currentText(), QStringLiteral("90 S"));
    EXPECT_EQ(list("Combo2")->currentText(), QStringLiteral("Englist"));
    EXPECT_EQ(list("Combo4")->currentText(), QStringLiteral("3 S"));
    EXPECT_EQ(list("Combo13")->currentIndex(), 10);
    EXPECT_EQ(list("Combo1")->currentIndex(), 3);
    EXPECT_TRUE(window->findChild<QCheckBox*>("Check3")->isChecked());
    EXPECT_EQ(window->grid()->item(1, ColRxFrequency)->text(), QStringLiteral("360.00000"));
    EXPECT_EQ(EncodeImage(codeplug(), Language::English).hex(), imageBefore);

    // Choosing English again changes nothing; Chinese switches everything back.
    trigger("mnuEnglish");
    EXPECT_EQ(context->state.LanguageFlag, 1);
    trigger("mnuChinese");
    expectTable("Form1", window.get(), 0);
    expectTable("frmAbout", about(), 0);
    EXPECT_EQ(list("Combo3")->currentText(), QStringLiteral("90 秒"));
    EXPECT_EQ(EncodeImage(codeplug(), Language::Chinese).hex(), imageBefore);
}

TEST_F(LanguageSwitchTest, GridListCellsFollowTheLanguage) {
    start();
    putHighPowerChannelOne();
    trigger("mnuEnglish");
    EXPECT_EQ(window->grid()->item(0, ColPower)->text(), QStringLiteral("Hight"));
    EXPECT_EQ(codeplug().channels.text(1, ColPower), "Hight");
    EXPECT_EQ(window->grid()->item(0, ColRxTone)->text(), QStringLiteral("Off"));
    trigger("mnuChinese");
    EXPECT_EQ(window->grid()->item(0, ColPower)->text(), QStringLiteral("高"));
    EXPECT_EQ(window->grid()->item(0, ColRxTone)->text(), QStringLiteral("关闭"));
}

// The Function Set lists are sized once when the window is first shown, in
// Chinese; the English entries are wider and must still fit after a switch:
// each list is at least as wide as a list of the same entries would ask.
TEST_F(LanguageSwitchTest, FunctionSetListsWidenToTheirEnglishEntries) {
    start();
    trigger("mnuEnglish");
    QApplication::processEvents();
    for (const char* name : {"Combo3", "Combo4", "Combo9", "Combo2", "Combo6", "Combo7",
                             "Combo11", "Combo13", "Combo12"}) {
        QComboBox* combo = list(name);
        QComboBox fresh;
        fresh.setFont(combo->font());
        fresh.setSizeAdjustPolicy(QComboBox::AdjustToContents);
        for (int i = 0; i < combo->count(); ++i) fresh.addItem(combo->itemText(i));
        EXPECT_GE(combo->width(), fresh.sizeHint().width()) << name;
    }
}

// The header row is taller in Chinese than in English: a window started in
// English and switched shows all sixteen channels without scroll bars, and
// so does one switched back.
// The English captions widen the panels, and so the window: the grid's
// columns share the extra room rather than leave a strip beside the grid.
TEST_F(LanguageSwitchTest, GridShowsEveryChannelWithoutScrollBarsAndFillsTheWindowInBothLanguages) {
    writeParameter(std::string("\x00\x01\x01", 3));
    start();
    ASSERT_EQ(context->state.LanguageFlag, 1);
    ChannelGridView* grid = window->grid();
    for (const char* item : {"mnuChinese", "mnuEnglish", "mnuChinese"}) {
        SCOPED_TRACE(item);
        trigger(item);
        QApplication::processEvents();
        EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
        EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
        EXPECT_GE(grid->height(), grid->sizeHint().height());
        EXPECT_EQ(grid->geometry().right(), widget("Frame2")->geometry().right());
        int columns = 0;
        for (int col = 0; col < kGridColumns; ++col) columns += grid->columnWidth(col);
        EXPECT_EQ(columns, grid->viewport()->width());
    }
}

}  // namespace
}  // namespace pl63::ui::test

namespace pl63::ui::test {
namespace {

// What Qt's own dialogs show: a standard button and the title of its Open
// file dialog.
QString qtCancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}
QString qtOpenDialogTitle() {
    return QFileDialog::tr("Open");
}

bool haveQtChinese() {
    return QFile::exists(QDir(QtTranslations::defaultFolder()).filePath("qtbase_zh_CN.qm"));
}

TEST_F(LanguageSwitchTest, QtsOwnDialogsFollowTheLanguageFromStartUpOn) {
    if (!haveQtChinese()) GTEST_SKIP() << "Qt's Chinese catalogue is not installed";
    const QString englishCancel = qtCancelText();
    start(i18n::kFlagChinese);
    EXPECT_EQ(qtCancelText(), QStringLiteral("取消"));
    EXPECT_EQ(qtOpenDialogTitle(), QStringLiteral("打开"));
    trigger("mnuEnglish");
    EXPECT_EQ(qtCancelText(), englishCancel);
    EXPECT_EQ(qtOpenDialogTitle(), QStringLiteral("Open"));
    trigger("mnuChinese");
    EXPECT_EQ(qtCancelText(), QStringLiteral("取消"));

    // Our own boxes keep their own button texts in either language.
    answers = {i18n::IdOk};
    i18n::LocalizedMsgBox(window.get(), 0, QStringLiteral("x"), i18n::StyleOkCancelWarning);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].buttonTexts, (QStringList{QStringLiteral("确定"), QStringLiteral("取消")}));

    // The program's end takes Qt's texts with it.
    window.reset();
    context.reset();
    EXPECT_EQ(qtCancelText(), englishCancel);
}

TEST_F(LanguageSwitchTest, EnglishAndDesignTextsKeepQtsOwnTexts) {
    for (const std::int16_t flag : {i18n::kFlagEnglish, i18n::kFlagTraditional}) {
        SCOPED_TRACE(flag);
        // The language byte of the parameter file; flag 2 comes only from
        // there. A window still open would write its own at its end.
        window.reset();
        writeParameter(std::string("\x00\x00", 2) + char(flag));
        start();
        EXPECT_EQ(context->state.LanguageFlag, flag);
        EXPECT_FALSE(context->qtTranslations.installed());
        EXPECT_EQ(qtOpenDialogTitle(), QStringLiteral("Open"));
    }
}

TEST_F(LanguageSwitchTest, Form1IsBuiltWithTheCataloguesChineseTexts) {
    // Flag 2 writes no caption: every control shows the text it was built
    // with, which for every row but these is the catalogue's Chinese one.
    // Label10 and Label3 end in a colon as designed; start-up fills the
    // Time-out list in its English spelling.
    const std::set<std::string> ownDesign{"Label10", "Label3", "Combo3"};
    writeParameter(std::string("\x00\x00\x02", 3));
    start();
    int checked = 0;
    i18n::forEachCaption([&](std::string_view section, const i18n::CaptionRow& row) {
        if (section != "Form1" || ownDesign.count(row.objectName)) return;
        const std::string where = row.objectName + "[" + std::to_string(row.element) + "] " +
                                  std::to_string(row.index);
        QObject* target = i18n::findCaptionTarget(window.get(), row);
        ASSERT_NE(target, nullptr) << where;
        EXPECT_EQ(shownText(target, row).toStdString(), row.text.zh) << where;
        ++checked;
    });
    EXPECT_GT(checked, 100);
}

TEST(QtTranslationsTest, AMissingCatalogueLeavesQtsTextsAsTheyAre) {
    const QString english = qtCancelText();
    QTemporaryDir empty;
    QtTranslations translations(empty.path());
    translations.follow(i18n::kFlagChinese);
    EXPECT_FALSE(translations.installed());
    EXPECT_EQ(qtCancelText(), english);
    translations.follow(i18n::kFlagEnglish);
    translations.follow(i18n::kFlagChinese);
    EXPECT_FALSE(translations.installed());
}

}  // namespace
}  // namespace pl63::ui::test
