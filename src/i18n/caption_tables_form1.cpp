// Form1: title and menus, grid header and toolbar tooltips, the two panels,
// then the list entries, in the order they are applied.
#include <array>
#include <string>

#include "codec/band.h"
#include "codec/grid_texts.h"
#include "i18n/caption_rows.h"

namespace pl63::i18n::tables {
namespace {

using namespace rows;

void addMenus(CaptionTable& t) {
    t.push_back(title("Form1", "Varnel对讲机编程软件 V1.00", "Varnel Radio Software V1.00"));
    t.push_back(text("mnuFile", "文件(&F)", "File(&F)"));
    t.push_back(text("mnuNew", "新建(&N)", "New(&N)"));
    t.push_back(text("mnuOpen", "打开(&O)", "Open(&O)"));
    t.push_back(text("mnuAssave", "保存(&S)", "Save(&S)"));
    t.push_back(text("mnuImport", "导入信道…", "Import channels…"));
    t.push_back(text("mnuExport", "导出信道", "Export channels"));
    t.push_back(text("mnuExportChirp", "CHIRP 格式…", "CHIRP layout…"));
    t.push_back(text("mnuExportPl63", "本软件格式…", "pl63 layout…"));
    t.push_back(text("mnuCompare", "与文件比较…", "Compare with file…"));
    t.push_back(text("mnuPrint", "打印…", "Print…"));
    t.push_back(text("mnuExportPdf", "导出 PDF…", "Export PDF…"));
    t.push_back(text("mnuQuit", "退出(&Q)", "Quit(&Q)"));
    t.push_back(text("mnuEdit", "编辑(&E)", "Edit(&E)"));
    // The Edit items name the step they undo (i18n/step_names.h).
    t.push_back(unapplied(text("mnuUndo", "撤销(&U)", "Undo(&U)")));
    t.push_back(unapplied(text("mnuRedo", "重做(&R)", "Redo(&R)")));
    t.push_back(text("mnupro", "编程(&P)", "Programming(&P)"));
    t.push_back(text("mnureadFre", "读频(&R)", "Read Frequency(&R)"));
    t.push_back(text("mnuwriteFre", "写频(&W)", "Write Frequency(&W)"));
    t.push_back(text("mnudtmf", "可选功能", "Optional function "));
    t.push_back(text("Key_enactment", "键设定", "Keys set "));
    t.push_back(text("mnusetin", "嵌入信息", "Embedded information"));
    t.push_back(text("mnudebug", "调试(&D)", "Debug(&D)"));
    t.push_back(text("mnutestfre", "测试频率", "Debug frequency"));
    t.push_back(text("mnuset", "设置(&S)", "Settings(&S)"));
    t.push_back(text("mnulock", "锁定(&L)", "Lock(&L)"));
    t.push_back(text("mnuPass", "密码设置", "Password Set"));
    t.push_back(text("mnucom", "通信端口(&V)", "Communication port(&V)"));
    t.push_back(text("mnuLanguage", "语言选择(&L)", "Languages(&L)"));
    t.push_back(text("mnuChinese", "中文", "Chinese"));
    t.push_back(text("mnuEnglish", "英文", "Englist"));
    t.push_back(text("mnuhelp", "帮助(&H)", "Help(&H)"));
    t.push_back(text("mnumainhelp", "帮助主题  F1", "The help topic  F1 \""));
    t.push_back(text("mnuabout", "关于", "About"));
}

void addGridHeaderAndToolTips(CaptionTable& t) {
    t.push_back(header("Grid1", 0, "信道", "CH"));
    t.push_back(header("Grid1", 1, "接收频率", "RX frequency"));
    t.push_back(header("Grid1", 2, "亚音频", "QT/DQT"));
    t.push_back(header("Grid1", 3, "发射频率", "TX frequency"));
    t.push_back(header("Grid1", 4, "亚音频", "QT/DQT"));
    t.push_back(header("Grid1", 5, "功率", "Power"));
    t.push_back(header("Grid1", 6, "禁发", "Forbid"));
    t.push_back(header("Grid1", 7, "宽\\窄带", "Band"));
    t.push_back(header("Grid1", 8, "扫描添加", "Scan"));
    t.push_back(toolTip("Toolbar1", 1, "新建", "New"));
    t.push_back(toolTip("Toolbar1", 2, "打开", "Open"));
    t.push_back(toolTip("Toolbar1", 3, "保存", "Save"));
    t.push_back(toolTip("Toolbar1", 5, "读频", "Read frequency"));
    t.push_back(toolTip("Toolbar1", 6, "写频", "Write frequency"));
}

void addPanels(CaptionTable& t) {
    t.push_back(text("Frame1", "机型选择", "Type selection"));
    t.push_back(text("Frame2", "功能设置", "Function Set"));
    t.push_back(text("Label2", "版权所有 © 2026 pl63 项目", "Copyright © 2026 the pl63 project"));
    t.push_back(text("cmdCancel", "取消", "Cancel"));
    t.push_back(text("Check3", "取消操作", "Cancel operation"));
    t.push_back(text("Check4", "接收时禁止VOX", "Received banned VOX"));
    t.push_back(text("Label3", "频段", "Channel"));
    t.push_back(text("Label4", "语言通知", "Language"));
    t.push_back(text("Label5", "发射超时", "Time-out"));
    t.push_back(text("Label1", "发射超时预警", "Time-out Warn"));
    t.push_back(text("Label6", "静噪等级", "Squelch Grade"));
    t.push_back(text("Label7", "省电", "Battery Save"));
    t.push_back(text("Label8", "提示音", "Beep"));
    t.push_back(text("Label9", "通讯密码", "C-Password"));
    t.push_back(text("Label10", "机型", "Model"));
    t.push_back(text("Label11", "VOX功能", "VOX Function"));
    t.push_back(text("Label13", "VOX增益电平", "VOX GBIN"));
    t.push_back(text("Label12", "VOX延迟时间", "VOX Delay time"));
}

// Entries numbered with a unit: "15 秒" / "15 S", no leading blank.
void addNumbered(CaptionTable& t, const char* list, int firstEntry, int count, int step,
                 int firstNumber, const char* zhUnit, const char* enUnit) {
    for (int i = 0; i < count; ++i) {
        const std::string number = std::to_string(firstNumber + i * step);
        t.push_back(entry(list, firstEntry + i, number + zhUnit, number + enUnit));
    }
}

void addLists(CaptionTable& t) {
    // The grid's in-cell lists: the tone list's Off, then Combo5[5..8] with
    // the list columns' items (Forbid's "Carrow" is written first).
    t.push_back(entry("Combo8", 0, kToneOffText.zh, kToneOffText.en));
    for (int column = ColPower; column <= ColScan; ++column) {
        const Bilingual* items = gridListItems(column);
        for (int position : column == ColForbid ? std::array{1, 0} : std::array{0, 1}) {
            t.push_back(entry("Combo5", position, items[position].zh, items[position].en, column));
        }
    }
    t.push_back(entry("Combo2", 0, "关", "Off"));
    t.push_back(entry("Combo2", 1, "中文", "Chinese"));
    t.push_back(entry("Combo2", 2, "英文", "Englist"));
    addNumbered(t, "Combo3", 0, 40, 15, 15, " 秒", " S");  // time-out 15 .. 600 s
    t.push_back(entry("Combo4", 0, "关闭", "Off"));
    addNumbered(t, "Combo4", 1, 10, 1, 1, " 秒", " S");
    addNumbered(t, "Combo9", 0, 10, 1, 0, " 级", " Group");
    for (const char* list : {"Combo6", "Combo7", "Combo11"}) {
        t.push_back(entry(list, 0, "禁止", "Off"));
        t.push_back(entry(list, 1, "使能", "On"));
    }
    t.push_back(entry("Combo13", 0, "关闭", "Off"));
}

// Entries that read the same in both languages: the panels build their lists
// from these, the reports print them.
void addDesignedEntries(CaptionTable& t) {
    t.push_back(unapplied(entry("Combo10", 0, "PL-63", "PL-63")));
    for (int i = 0; i < kBandCount; ++i) {
        const std::string band(kBands[static_cast<std::size_t>(i)].text);
        t.push_back(unapplied(entry("Combo1", i, band, band)));
    }
    for (int level = 1; level <= 10; ++level) {
        t.push_back(
            unapplied(entry("Combo13", level, std::to_string(level), std::to_string(level))));
    }
    int position = 0;
    for (const char* delay : {"0.3S", "0.5S", "1S", "1.5S", "2S", "3S"}) {
        t.push_back(unapplied(entry("Combo12", position++, delay, delay)));
    }
}

}  // namespace

CaptionTable form1() {
    CaptionTable t;
    addMenus(t);
    addGridHeaderAndToolTips(t);
    addPanels(t);
    addLists(t);
    addDesignedEntries(t);
    return t;
}

}  // namespace pl63::i18n::tables
