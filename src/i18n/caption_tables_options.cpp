// The option windows: Debug (Form2), Test frequency (Form4), Optional
// functions (Form5), Key settings (Form6), Embedded information (Form7).
#include <cstdio>
#include <string>

#include "codec/side_key_texts.h"
#include "i18n/caption_rows.h"

namespace pl63::i18n::tables {

using namespace rows;

CaptionTable form2() {
    return {
        // The window keeps its designed title in both languages.
        unapplied(title("Form2", "Debug", "Debug")),
        text("Frame1", "发射高功率", "TX-Hight Power"),
        text("Frame2", "发射低功率", "TX-Low Power"),
        text("Label3", "最小", "Low"),
        text("Label6", "最小", "Low"),
        text("Label7", "最大", "Hight"),
        text("Label8", "最大", "Hight"),
        text("Command1", "确定", "OK"),
    };
}

CaptionTable form4() {
    return {
        // The window keeps its designed title in both languages; "Debug
        // frequency" is the menu item that opens it.
        unapplied(title("Form4", "测试频率", "测试频率")),
        header("mfgrid1", 0, "频道", "Channel"),
        header("mfgrid1", 1, "接收频率", "RX Frequency"),
        header("mfgrid1", 2, "发射频率", "TX Frequency"),
        text("Command1", "确定", "OK"),
        text("Command2", "取消", "Cancel"),
    };
}

// The preferred channel "01".."16", and the retrace times after "Empty":
// 0.50 S .. 5.00 S in steps of 0.05 s.
void addDesignedEntries(CaptionTable& t) {
    for (int channel = 1; channel <= 16; ++channel) {
        const std::string number = (channel < 10 ? "0" : "") + std::to_string(channel);
        t.push_back(unapplied(entry("Combo12", channel - 1, number, number)));
    }
    for (const char* list : {"Combo13", "Combo14"}) {
        for (int hundredths = 50, position = 1; hundredths <= 500; hundredths += 5, ++position) {
            char time[16];
            std::snprintf(time, sizeof time, "%d.%02d S", hundredths / 100, hundredths % 100);
            t.push_back(unapplied(entry(list, position, time, time)));
        }
    }
}

CaptionTable form5() {
    CaptionTable t{
        title("Form5", "可选功能", "Optional Function"),
        text("Frame2", "扫描", "Scan"),
        text("Label7", "VOX可进行音调", "VOX volume control"),
        text("Label4", "PTT ID", "PTT ID"),
        text("Label11", "复制", "Duplicate"),
        text("Label14", "优先", "Priority"),
        text("Label15", "优先信道", "Preferred channel"),
        text("Label17", "回扫时间A", "Retrace Time A"),
        text("Label16", "回扫时间B", "Retrace Time B"),
        text("Label18", "返回信道", "Return channel"),
        text("Label19", "扫描接收恢复延时时间(秒)", "Scan receive delay time(S)"),
        text("Label20", "扫描发射恢复延时时间(秒)", "Scan launch delay time(S)"),
        text("Command1", "确定", "OK"),
        text("Command2", "取消", "Cancel"),
        entry("Combo4", 0, "发射开始", "Launch Start"),
        entry("Combo4", 1, "发射结束", "Launch End"),
        entry("Combo4", 2, "两者", "Both"),
        entry("Combo9", 0, "禁止", "Off"),
        entry("Combo9", 1, "使能", "On"),
        entry("Combo10", 0, "禁止", "Off"),
        entry("Combo10", 1, "使能", "On"),
        entry("Combo11", 0, "无", "No"),
        entry("Combo11", 1, "固定", "Fixed"),
        entry("Combo11", 2, "选定", "Selected"),
        entry("Combo13", 0, "空", "Empty"),
        entry("Combo14", 0, "空", "Empty"),
        entry("Combo15", 0, "选定", "Selected"),
        entry("Combo15", 1, "选定+当前", "Selected+Current"),
        entry("Combo15", 2, "优先", "priority"),
        entry("Combo15", 3, "优先+当前", "priority+Current"),
    };
    addDesignedEntries(t);
    return t;
}

CaptionTable form6() {
    CaptionTable t{
        title("Form6", "键设定", "Keys Set"),    unapplied(text("Label1", "PF1", "PF1")),
        unapplied(text("Label2", "PF2", "PF2")), text("Command1", "确定", "OK"),
        text("Command2", "取消", "Cancel"),
    };
    // PF1 and PF2 offer the same twelve functions.
    for (const char* list : {"Combo1", "Combo2"}) {
        for (int i = 0; i < int(kSideKeyFunctions.size()); ++i) {
            t.push_back(entry(list, i, std::string(kSideKeyFunctions[i].zh),
                              std::string(kSideKeyFunctions[i].en)));
        }
    }
    return t;
}

CaptionTable form7() {
    return {
        title("Form7", "嵌入信息", "Embedded Information"),
        text("Command1", "确定", "OK"),
        text("Command2", "取消", "Cancel"),
    };
}

}  // namespace pl63::i18n::tables
