#include "display_tables.h"

#include <cstdio>

#include "codec/band.h"
#include "codec/side_key_texts.h"

namespace pl63::report {
namespace {

DisplayText same(std::string text) {
    return {text, text};
}

// n items "first*step + i*step" followed by a unit, as the windows fill them.
std::vector<DisplayText> numbered(int first, int last, int step, const std::string& zhUnit,
                                  const std::string& enUnit) {
    std::vector<DisplayText> items;
    for (int value = first; value <= last; value += step) {
        items.push_back({std::to_string(value) + zhUnit, std::to_string(value) + enUnit});
    }
    return items;
}

std::vector<DisplayText> offThen(std::vector<DisplayText> items, DisplayText off) {
    items.insert(items.begin(), std::move(off));
    return items;
}

// "空" / "Empty", then 0.50 S .. 5.00 S in steps of 0.05 s.
std::vector<DisplayText> retraceItems() {
    std::vector<DisplayText> items{{"空", "Empty"}};
    for (int hundredths = 50; hundredths <= 500; hundredths += 5) {
        char text[16];
        std::snprintf(text, sizeof text, "%d.%02d S", hundredths / 100, hundredths % 100);
        items.push_back(same(text));
    }
    return items;
}

std::vector<DisplayText> channelNumbers() {
    std::vector<DisplayText> items;
    for (int ch = 1; ch <= 16; ++ch)
        items.push_back(same((ch < 10 ? "0" : "") + std::to_string(ch)));
    return items;
}

std::vector<DisplayText> bandItems() {
    std::vector<DisplayText> items;
    for (const BandEntry& band : kBands) items.push_back(same(std::string(band.text)));
    return items;
}

const std::vector<DisplayText> kOffOn{{"禁止", "Off"}, {"使能", "On"}};

std::vector<DisplayText> sideKeyFunctions() {
    std::vector<DisplayText> items;
    for (const Bilingual& function : kSideKeyFunctions) {
        items.push_back({std::string(function.zh), std::string(function.en)});
    }
    return items;
}

DisplayTables build() {
    DisplayTables t;
    t.gridHeaders = {{{"信道", "CH"},
                      {"接收频率", "RX frequency"},
                      {"亚音频", "QT/DQT"},
                      {"发射频率", "TX frequency"},
                      {"亚音频", "QT/DQT"},
                      {"功率", "Power"},
                      {"禁发", "Forbid"},
                      {"宽\\窄带", "Band"},
                      {"扫描添加", "Scan"}}};

    t.typeSelectionTitle = {"机型选择", "Type selection"};
    t.model = {"机型", "Model"};
    t.band = {{"频段", "Channel"}, bandItems()};

    t.functionSetTitle = {"功能设置", "Function Set"};
    t.timeOut = {{"发射超时", "Time-out"}, numbered(15, 600, 15, " 秒", " S")};
    t.timeOutWarn = {{"发射超时预警", "Time-out Warn"},
                     offThen(numbered(1, 10, 1, " 秒", " S"), {"关闭", "Off"})};
    t.squelchGrade = {{"静噪等级", "Squelch Grade"}, numbered(0, 9, 1, " 级", " Group")};
    t.voicePrompt = {{"语言通知", "Language"},
                     {{"关", "Off"}, {"中文", "Chinese"}, {"英文", "Englist"}}};
    t.batterySave = {{"省电", "Battery Save"}, kOffOn};
    t.beep = {{"提示音", "Beep"}, kOffOn};
    t.voxFunction = {{"VOX功能", "VOX Function"}, kOffOn};
    t.voxGain = {{"VOX增益电平", "VOX GBIN"}, offThen(numbered(1, 10, 1, "", ""), {"关闭", "Off"})};
    t.voxDelay = {{"VOX延迟时间", "VOX Delay time"},
                  {same("0.3S"), same("0.5S"), same("1S"), same("1.5S"), same("2S"), same("3S")}};
    t.checkBoxStates = {{{"关闭", "Off"}, {"开启", "On"}}};
    t.cancelOperation = {"取消操作", "Cancel operation"};
    t.receivedBannedVox = {"接收时禁止VOX", "Received banned VOX"};
    t.commPassword = {"通讯密码", "C-Password"};

    t.keysTitle = {"键设定", "Keys Set"};
    t.pf1 = {same("PF1"), sideKeyFunctions()};
    t.pf2 = {same("PF2"), sideKeyFunctions()};

    t.optionalTitle = {"可选功能", "Optional Function"};
    t.priority = {{"优先", "Priority"}, {{"无", "No"}, {"固定", "Fixed"}, {"选定", "Selected"}}};
    t.preferredChannel = {{"优先信道", "Preferred channel"}, channelNumbers()};
    t.retraceA = {{"回扫时间A", "Retrace Time A"}, retraceItems()};
    t.retraceB = {{"回扫时间B", "Retrace Time B"}, retraceItems()};
    t.returnChannel = {{"返回信道", "Return channel"},
                       {{"选定", "Selected"},
                        {"选定+当前", "Selected+Current"},
                        {"优先", "priority"},
                        {"优先+当前", "priority+Current"}}};
    t.scanReceiveDelay = {"扫描接收恢复延时时间(秒)", "Scan receive delay time(S)"};
    t.scanLaunchDelay = {"扫描发射恢复延时时间(秒)", "Scan launch delay time(S)"};
    t.voxVolumeControl = {"VOX可进行音调", "VOX volume control"};
    t.idCode = {"ID 码", "ID code"};
    t.pttIdStartCode = {"PTT ID 开始码", "PTT ID start code"};
    t.pttIdEndCode = {"PTT ID 结束码", "PTT ID end code"};
    t.dtmfSetting = {"DTMF 设置", "DTMF setting"};
    t.dtmfCode = {"DTMF 码", "DTMF code"};
    t.pttId = {same("PTT ID"),
               {{"发射开始", "Launch Start"}, {"发射结束", "Launch End"}, {"两者", "Both"}}};
    t.duplicate = {{"复制", "Duplicate"}, kOffOn};

    // The window keeps its designed title in both languages; our reports name
    // it as the menu item that opens it does.
    t.testFrequencyTitle = {"测试频率", "Debug frequency"};
    t.testFrequencyHeaders = {
        {{"频道", "Channel"}, {"接收频率", "RX Frequency"}, {"发射频率", "TX Frequency"}}};

    t.embeddedTitle = {"嵌入信息", "Embedded Information"};

    t.sheetTitle = {"PL-63 信道表", "PL-63 channel sheet"};
    t.sheetFile = {"文件", "File"};
    t.sheetDate = {"日期", "Date"};
    t.otherData = {"其他数据", "Other data"};

    t.debugTitle = {"调试", "Debug"};  // as its menu item; the window says "Debug"
    t.txHighPower = {"发射高功率", "TX-Hight Power"};
    t.txLowPower = {"发射低功率", "TX-Low Power"};
    return t;
}

}  // namespace

std::string DisplayList::itemText(long long position, Language language) const {
    if (position >= 0 && position < static_cast<long long>(items.size())) {
        return items[static_cast<std::size_t>(position)].in(language);
    }
    return "<" + std::to_string(position) + ">";
}

const DisplayTables& displayTables() {
    static const DisplayTables tables = build();
    return tables;
}

}  // namespace pl63::report
