// The catalogue's sections that are no window: the channel sheet's and the
// reports' own words, the undo steps' names and the Edit menu's words that no
// control carries as its caption, the main window's messages that the browser
// page shows as well, and the page's own words.
#include "i18n/caption_rows.h"

namespace pl63::i18n::tables {

using namespace rows;

CaptionTable sheet() {
    return {
        text("title", "PL-63 信道表", "PL-63 channel sheet"),
        text("file", "文件", "File"),
        text("date", "日期", "Date"),
        // What the comparison calls bytes no caption names.
        text("otherData", "其他数据", "Other data"),
        // A check box as a word, not a box mark.
        text("unchecked", "关闭", "Off"),
        text("checked", "开启", "On"),
        // Stored with the Optional functions but shown by no control of it.
        text("idCode", "ID 码", "ID code"),
        text("pttIdStartCode", "PTT ID 开始码", "PTT ID start code"),
        text("pttIdEndCode", "PTT ID 结束码", "PTT ID end code"),
        text("dtmfSetting", "DTMF 设置", "DTMF setting"),
        text("dtmfCode", "DTMF 码", "DTMF code"),
    };
}

// Keyed by the command, control or window a step comes from; a step named
// after a control's own caption takes it from that control's row instead
// (i18n/step_names.cpp).
CaptionTable steps() {
    return {
        text("open", "打开文件", "Open file"),
        text("import", "导入", "Import"),
        text("band", "频段", "band"),
        text("password", "通讯密码", "communication password"),
        text("Form5", "可选功能", "Optional functions"),
        text("Form6", "键设定", "Keys set"),
        text("Form7", "嵌入信息", "Embedded information"),
        text("Form4", "测试频率", "Test frequencies"),
        text("Form2", "调试", "Debug"),
        text("FormUsePass", "密码设置", "Password set"),
        // A grid cell's step: "channel 4 RX QT/DQT" (the header says
        // "QT/DQT" twice, and mid-sentence words are lower case).
        text("channel", "信道", "channel"),
        header("Grid1", 2, "接收亚音频", "RX QT/DQT"),
        header("Grid1", 4, "发射亚音频", "TX QT/DQT"),
        header("Grid1", 5, "功率", "power"),
        header("Grid1", 6, "禁发", "forbid"),
        header("Grid1", 7, "宽窄带", "band width"),
        header("Grid1", 8, "扫描添加", "scan"),
        // The step name follows the Edit item's own caption, accelerator
        // included, so Alt+E then U undoes whatever the step is.
        text("undoStep", "撤销(&U)：", "&Undo: "),
        text("redoStep", "重做(&R)：", "&Redo: "),
        // The unsaved-changes question around the file's name.
        text("untitled", "未命名", "untitled"),
        text("unsavedBefore", "是否保存对 “", "Save the changes to \""),
        text("unsavedAfter", "” 的修改？\n不保存，修改将会丢失。",
             "\"?\nYour changes will be lost if you don't save them."),
    };
}

// The main window's list windows and messages about channel lists and New.
CaptionTable messages() {
    return {
        text("leftOutTitle", "未导入的行", "Rows left out"),
        text("leftOutHeading", "对讲机容纳不下这些行，其他行已导入：",
             "The radio cannot hold these rows; the others were imported:"),
        text("warningsTitle", "导入警告", "Import warnings"),
        text("warningsHeading", "已导入，但请注意：", "Imported, but note:"),
        text("compareTitle", "与文件比较", "Compare with file"),
        // The comparison's heading: "A: this window    B: <file>".
        text("thisWindow", "本窗口", "this window"),
        text("noDifference", "与该文件没有差别。", "No difference from the file."),
        text("notWritten", "文件没有写入：", "The file was not written: "),
        text("newWarning", "所有信道的数据将被清除！", "All channel data will be clear."),
        text("newWarningTitle", "警告", "Warnning"),
    };
}

// What only the browser page shows: the simulated radio, the cable, a
// browser that cannot reach it.
CaptionTable web() {
    return {
        text("webSimulator", "不接对讲机试用", "Try without a radio"),
        text("webCable", "写频线（USB 串口）", "Programming cable (USB serial)"),
        text("webNoSerial",
             "此浏览器无法连接写频线。请在电脑上使用 Chrome、Edge 或 Opera；"
             "在这里仍可编辑文件并使用模拟对讲机。",
             "This browser cannot reach the programming cable. Use Chrome, Edge or Opera on a "
             "desktop computer; here you can still edit files and use the simulated radio."),
        text("webVerify", "写频后读回校验", "Verify after writing"),
        text("webNoPortChosen", "没有选择串口。", "No port was chosen."),
        text("webPortBusy", "串口无法打开（也许另一个程序正在使用）：",
             "The port could not be opened (another program may be using it): "),
        text("webVersion", "版本", "Version"),
        text("webDiscard", "不保存", "Don't save"),
        text("webSkipUnfit", "略过对讲机容纳不下的行", "Leave out the rows the radio cannot hold"),
    };
}

}  // namespace pl63::i18n::tables
