// The caption tables as data (row counts, order, the texts whose blanks and
// odd characters are easy to lose) and one table applied to a small window
// built by hand, so every kind of target is written.
#include "i18n/qt/captions.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QToolBar>
#include <set>
#include <tuple>

namespace pl63::i18n {
namespace {

const CaptionRow* findRow(const CaptionTable& table, const std::string& name, int index = 0,
                          int element = -1) {
    for (const CaptionRow& row : table) {
        if (row.objectName == name && row.index == index && row.element == element) return &row;
    }
    return nullptr;
}

std::pair<std::string, std::string> texts(const char* window, const std::string& name,
                                          int index = 0, int element = -1) {
    const CaptionRow* row = findRow(captionTable(window), name, index, element);
    if (!row) return {"<missing>", "<missing>"};
    return {row->text.zh, row->text.en};
}

using Texts = std::pair<std::string, std::string>;

TEST(CaptionTablesTest, EveryWindowHasItsRowsInOrder) {
    const std::pair<const char*, std::size_t> counts[] = {
        {"Form1", 144}, {"Form2", 7}, {"Form4", 5},       {"Form5", 30},
        {"Form6", 27},  {"Form7", 3}, {"FormUsePass", 5}, {"frmAbout", 5},
    };
    for (auto [window, count] : counts) {
        EXPECT_EQ(captionTable(window).size(), count) << window;
    }
    EXPECT_TRUE(captionTable("FormCOM").empty());
    EXPECT_TRUE(captionTable("Form3").empty());

    std::vector<std::string> order(kCaptionWindowOrder.begin(), kCaptionWindowOrder.end());
    EXPECT_EQ(order, (std::vector<std::string>{"Form1", "Form2", "Form4", "Form5", "Form6", "Form7",
                                               "FormUsePass", "frmAbout"}));

    const CaptionTable& form1 = captionTable("Form1");
    EXPECT_EQ(form1.front().target, CaptionTarget::WindowTitle);
    EXPECT_EQ(form1.front().objectName, "Form1");
    EXPECT_EQ(form1[1].objectName, "mnuFile");
    EXPECT_EQ(form1.back().objectName, "Combo13");
    // Combo5[6]: entry 1 ("Carrow") is written before entry 0.
    const auto carrow = std::find_if(form1.begin(), form1.end(), [](const CaptionRow& r) {
        return r.element == 6 && r.index == 1;
    });
    ASSERT_NE(carrow, form1.end());
    EXPECT_EQ(std::next(carrow)->element, 6);
    EXPECT_EQ(std::next(carrow)->index, 0);

    // Form6: PF1's twelve functions, then PF2's.
    const CaptionTable& form6 = captionTable("Form6");
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(form6[3 + i].objectName, "Combo1");
        EXPECT_EQ(form6[15 + i].objectName, "Combo2");
        EXPECT_EQ(form6[15 + i].index, i);
        EXPECT_EQ(form6[3 + i].text, form6[15 + i].text);
    }
}

TEST(CaptionTablesTest, NoRowIsWrittenTwiceOrLeftEmpty) {
    for (const char* window : kCaptionWindowOrder) {
        std::set<std::tuple<int, std::string, int, int>> seen;
        for (const CaptionRow& row : captionTable(window)) {
            EXPECT_TRUE(
                seen.insert({int(row.target), row.objectName, row.index, row.element}).second)
                << window << " " << row.objectName << " " << row.index;
            EXPECT_FALSE(row.text.zh.empty()) << window << " " << row.objectName;
            EXPECT_FALSE(row.text.en.empty()) << window << " " << row.objectName;
        }
    }
}

TEST(CaptionTablesTest, TextsKeepTheirBlanksAndOddCharacters) {
    EXPECT_EQ(texts("Form1", "mnudtmf").second, "Optional function ");
    EXPECT_EQ(texts("Form1", "Key_enactment").second, "Keys set ");
    EXPECT_EQ(texts("Form1", "mnumainhelp"), Texts("帮助主题  F1", "The help topic  F1 \""));
    EXPECT_EQ(texts("Form1", "mnuEnglish"), Texts("英文", "Englist"));
    EXPECT_EQ(texts("Form1", "Grid1", 7), Texts("宽\\窄带", "Band"));
    EXPECT_EQ(texts("Form1", "Combo5", 1, 5), Texts("高", "Hight"));
    EXPECT_EQ(texts("Form1", "Form1"),
              Texts("Varnel对讲机编程软件 V1.00", "Varnel Radio Software V1.00"));
    EXPECT_EQ(texts("frmAbout", "lblTitle"),
              Texts("Varnel对讲机编程软件", "Varnel Radio Software "));
    EXPECT_EQ(texts("frmAbout", "Label2"), Texts("发布：2013.4", "Issue：2013.4"));
    EXPECT_EQ(texts("Form5", "Combo15", 2), Texts("优先", "priority"));
    EXPECT_EQ(texts("Form2", "Frame1"), Texts("发射高功率", "TX-Hight Power"));
    EXPECT_EQ(texts("Form6", "Combo2", 1), Texts("OFF", "OFF"));
}

TEST(CaptionTablesTest, GeneratedListsCountWithTheirUnits) {
    EXPECT_EQ(texts("Form1", "Combo3", 0), Texts("15 秒", "15 S"));
    EXPECT_EQ(texts("Form1", "Combo3", 39), Texts("600 秒", "600 S"));
    EXPECT_EQ(texts("Form1", "Combo3", 40).first, "<missing>");
    EXPECT_EQ(texts("Form1", "Combo4", 0), Texts("关闭", "Off"));
    EXPECT_EQ(texts("Form1", "Combo4", 1), Texts("1 秒", "1 S"));
    EXPECT_EQ(texts("Form1", "Combo4", 10), Texts("10 秒", "10 S"));
    EXPECT_EQ(texts("Form1", "Combo9", 0), Texts("0 级", "0 Group"));
    EXPECT_EQ(texts("Form1", "Combo9", 9), Texts("9 级", "9 Group"));
}

// A window with one target of each kind the Form1 table names.
struct SmallForm1 {
    QMainWindow window;
    QMenu* file = nullptr;
    QAction* quit = nullptr;
    QGroupBox* frame = nullptr;
    QLabel* label = nullptr;
    QCheckBox* check = nullptr;
    QComboBox* timeOut = nullptr;
    QComboBox* power = nullptr;  // Combo5[5]
    QComboBox* band = nullptr;   // Combo5[7]
    QTableWidget* grid = nullptr;
    QToolBar* toolbar = nullptr;

    SmallForm1() {
        window.setObjectName("Form1");
        file = window.menuBar()->addMenu("File");
        file->setObjectName("mnuFile");
        quit = file->addAction("Quit");
        quit->setObjectName("mnuQuit");
        auto* central = new QWidget;
        window.setCentralWidget(central);
        frame = new QGroupBox(central);
        frame->setObjectName("Frame1");
        label = new QLabel(frame);
        label->setObjectName("Label5");
        check = new QCheckBox(central);
        check->setObjectName("Check3");
        timeOut = new QComboBox(central);
        timeOut->setObjectName("Combo3");
        for (int i = 0; i < 40; ++i) timeOut->addItem(QString::number(i));
        timeOut->setCurrentIndex(7);
        power = combo5(central, 5, 2);
        band = combo5(central, 7, 2);
        band->setCurrentIndex(1);
        grid = new QTableWidget(16, 9, central);
        grid->setObjectName("Grid1");
        toolbar = window.addToolBar("tools");
        toolbar->setObjectName("Toolbar1");
        for (const char* key : {"new", "open", "save"}) toolbar->addAction(key);
        toolbar->addSeparator();
        for (const char* key : {"read", "write"}) toolbar->addAction(key);
    }

    static QComboBox* combo5(QWidget* parent, int element, int entries) {
        auto* combo = new QComboBox(parent);
        combo->setObjectName("Combo5");
        combo->setProperty(kControlIndexProperty, element);
        for (int i = 0; i < entries; ++i) combo->addItem(QString::number(i));
        return combo;
    }
};

TEST(CaptionTablesTest, Form1TableWritesEveryKindOfTarget) {
    SmallForm1 form;
    const QStringList failures = applyCaptionTable(&form.window, captionTable("Form1"), 1);

    EXPECT_EQ(form.window.windowTitle(), "Varnel Radio Software V1.00");
    EXPECT_EQ(form.file->title(), "File(&F)");
    EXPECT_EQ(form.quit->text(), "Quit(&Q)");
    EXPECT_EQ(form.frame->title(), "Type selection");
    EXPECT_EQ(form.label->text(), "Time-out");
    EXPECT_EQ(form.check->text(), "Cancel operation");
    EXPECT_EQ(form.timeOut->itemText(0), "15 S");
    EXPECT_EQ(form.timeOut->itemText(39), "600 S");
    EXPECT_EQ(form.timeOut->currentIndex(), 7);
    EXPECT_EQ(form.power->itemText(1), "Hight");
    EXPECT_EQ(form.band->itemText(0), "Narrow");
    EXPECT_EQ(form.band->currentIndex(), 1);
    EXPECT_EQ(form.grid->horizontalHeaderItem(0)->text(), "CH");
    EXPECT_EQ(form.grid->horizontalHeaderItem(8)->text(), "Scan");
    const auto actions = form.toolbar->actions();
    EXPECT_EQ(actions[0]->toolTip(), "New");
    EXPECT_EQ(actions[4]->toolTip(), "Read frequency");
    EXPECT_EQ(actions[5]->toolTip(), "Write frequency");
    // Only the rows whose controls this small window leaves out fail.
    EXPECT_FALSE(failures.contains(QStringLiteral("Combo5[5] (index 1)")));
    EXPECT_TRUE(failures.contains(QStringLiteral("Combo5[6] (index 1)")));
    EXPECT_TRUE(failures.contains(QStringLiteral("mnuNew (index 0)")));

    applyCaptionTable(&form.window, captionTable("Form1"), 0);
    EXPECT_EQ(form.window.windowTitle(), "Varnel对讲机编程软件 V1.00");
    EXPECT_EQ(form.timeOut->itemText(0), "15 秒");
    EXPECT_EQ(form.grid->horizontalHeaderItem(7)->text(), "宽\\窄带");
    EXPECT_EQ(actions[1]->toolTip(), "打开");
    EXPECT_EQ(form.timeOut->currentIndex(), 7);

    // Flag 2 leaves every text as it is.
    EXPECT_TRUE(applyCaptionTable(&form.window, captionTable("Form1"), 2).isEmpty());
    EXPECT_EQ(form.quit->text(), "退出(&Q)");
}

TEST(CaptionTablesTest, AWindowsRowsNeverReachIntoTheWindowsItOwns) {
    // The option windows are owned by the main window and reuse its control
    // names; the main window's row must find its own control even when an
    // owned window's control of the same name comes first.
    QMainWindow main;
    main.setObjectName("Form1");
    auto* keys = new QWidget(&main, Qt::Window);
    keys->setObjectName("Form6");
    auto* keysCombo = new QComboBox(keys);
    keysCombo->setObjectName("Combo1");
    keysCombo->addItems({"a", "b"});
    auto* central = new QWidget(&main);
    main.setCentralWidget(central);
    auto* bandCombo = new QComboBox(central);
    bandCombo->setObjectName("Combo1");
    bandCombo->addItems({"x", "y"});

    const CaptionRow row{CaptionTarget::ListEntry, "Combo1", 1, "乙", "B"};
    EXPECT_EQ(findCaptionTarget(&main, row), bandCombo);
    EXPECT_EQ(findCaptionTarget(keys, row), keysCombo);
    EXPECT_TRUE(applyCaptionTable(keys, {row}, 1).isEmpty());
    EXPECT_EQ(keysCombo->itemText(1), "B");
    EXPECT_EQ(bandCombo->itemText(1), "y");

    // A menu's actions belong to the window whose menu bar holds the menu.
    QMenu* file = main.menuBar()->addMenu("file");
    QAction* quit = file->addAction("quit");
    quit->setObjectName("mnuQuit");
    EXPECT_EQ(findCaptionTarget(&main, CaptionRow{CaptionTarget::Text, "mnuQuit", 0, "退出", "Quit"}),
              quit);
}

}  // namespace
}  // namespace pl63::i18n
