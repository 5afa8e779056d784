// The catalogue's sections that are no window: the channel sheet's and the
// reports' own words, the undo steps' names and the Edit menu's words that no
// control carries as its caption, the commands' messages that the browser
// page shows as well, and the page's own words.
#include "codec/dat_file.h"
#include "i18n/caption_rows.h"
#include "link/link_texts.h"

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

// The file and channel-list commands' list windows and messages, which the
// browser page shows as well.
CaptionTable commands() {
    // The codec's own message, without a file name.
    const ErrorText cannotRead = cannotReadFile("");
    return {
        text("newWarning", "所有信道的数据将被清除！", "All channel data will be clear."),
        text("newWarningTitle", "警告", "Warnning"),
        text("leftOutTitle", "未导入的行", "Rows left out"),
        text("warningsTitle", "导入警告", "Import warnings"),
        text("warningsHeading", "已导入，但请注意：", "Imported, but note:"),
        text("compareTitle", "与文件比较", "Compare with file"),
        // The comparison's heading: "A: this window    B: <file>".
        text("thisWindow", "本窗口", "this window"),
        text("noDifference", "与该文件没有差别。", "No difference from the file."),
        {CaptionTarget::Text, "cannotRead", 0, cannotRead},
        text("notWritten", "文件没有写入：", "The file was not written: "),
    };
}

// What only the browser page shows: the simulated radio, the cable, Web
// Serial, working offline. The page never sends anything anywhere.
CaptionTable page() {
    return {
        text("tryWithoutRadio", "无对讲机试用", "Try without a radio"),
        text("radioCable", "写频线", "Programming cable"),
        text("simulatedRadio", "模拟对讲机", "Simulated radio"),
        text("connection", "连接", "Connection"),
        text("noWebSerial",
             "此浏览器无法访问串口，不能连接写频线。请使用电脑上的 Chrome、Edge 或 Opera "
             "浏览器读写对讲机；在此仍可编辑文件并试用模拟对讲机。",
             "This browser cannot reach a serial port, so it cannot use the programming cable. "
             "Use Chrome, Edge or Opera on a computer to read and write the radio; here you can "
             "still edit files and try the simulated radio."),
        text("verifyWrite", "写频后回读校验", "Verify after writing"),
        text("cancelTransfer", "取消", "Cancel"),
        text("skipUnfit", "跳过对讲机容纳不下的行", "Leave out rows the radio cannot hold"),
        text("dropFile", "将 .DAT 文件拖放到此处打开", "Drop a .DAT file here to open it"),
        text("noPortChosen", "没有选择串口。", "No serial port was chosen."),
        text("portOpenFailed", "无法打开串口：", "The serial port could not be opened: "),
        text("offlineReady", "已可离线使用。", "Ready to work offline."),
        text("language", "语言", "Language"),
        text("channelGrid", "信道列表", "Channel list"),
        text("close", "关闭", "Close"),
        text("version", "版本", "Version"),
        text("discard", "不保存", "Don't save"),
    };
}

// The link engine's status texts and messages, as the engine spells them,
// named after their LinkText.
CaptionTable linkTexts() {
    const std::pair<const char*, link::LinkText> names[] = {
        {"portNotOpen", link::LinkText::PortNotOpen},
        {"communicating", link::LinkText::Communicating},
        {"readSucceeded", link::LinkText::ReadSucceeded},
        {"writeSucceeded", link::LinkText::WriteSucceeded},
        {"communicationError", link::LinkText::CommunicationError},
        {"passwordWrong", link::LinkText::PasswordWrong},
        {"passwordChanged", link::LinkText::PasswordChanged},
    };
    CaptionTable t;
    for (const auto& [name, which] : names) {
        t.push_back({CaptionTarget::Text, name, 0, link::kLinkTexts[static_cast<int>(which)]});
    }
    return t;
}

}  // namespace pl63::i18n::tables
