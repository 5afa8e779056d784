#include "forms/command_texts.h"

#include <array>

namespace pl63::forms {
namespace {

constexpr std::array<NamedText, 6> kCommandTexts{{
    {"newWarning", {"所有信道的数据将被清除！", "All channel data will be clear."}},
    {"newWarningTitle", {"警告", "Warnning"}},
    {"compareTitle", {"与文件比较", "Compare with file"}},
    {"noDifference", {"与该文件没有差别。", "No difference from the file."}},
    {"cannotRead", {"无法读取文件：", "Cannot read the file: "}},
    {"notWritten", {"文件没有写入：", "The file was not written: "}},
}};

// The page names the browsers that reach a serial cable; it never sends
// anything anywhere, so it says so where a user would wonder.
constexpr std::array<NamedText, 16> kPageTexts{{
    {"tryWithoutRadio", {"无对讲机试用", "Try without a radio"}},
    {"radioCable", {"写频线", "Programming cable"}},
    {"simulatedRadio", {"模拟对讲机", "Simulated radio"}},
    {"connection", {"连接", "Connection"}},
    {"noWebSerial",
     {"此浏览器无法访问串口，不能连接写频线。请使用电脑上的 Chrome、Edge 或 Opera "
      "浏览器读写对讲机；在此仍可编辑文件并试用模拟对讲机。",
      "This browser cannot reach a serial port, so it cannot use the programming cable. Use "
      "Chrome, Edge or Opera on a computer to read and write the radio; here you can still "
      "edit files and try the simulated radio."}},
    {"verifyWrite", {"写频后回读校验", "Verify after writing"}},
    {"cancelTransfer", {"取消", "Cancel"}},
    {"skipUnfit", {"跳过对讲机容纳不下的行", "Leave out rows the radio cannot hold"}},
    {"dropFile", {"将 .DAT 文件拖放到此处打开", "Drop a .DAT file here to open it"}},
    {"noPortChosen", {"没有选择串口。", "No serial port was chosen."}},
    {"portOpenFailed", {"无法打开串口：", "The serial port could not be opened: "}},
    {"offlineReady", {"已可离线使用。", "Ready to work offline."}},
    {"language", {"语言", "Language"}},
    {"channelGrid", {"信道列表", "Channel list"}},
    {"close", {"关闭", "Close"}},
    {"version", {"版本", "Version"}},
}};

}  // namespace

std::span<const NamedText> commandTexts() {
    return kCommandTexts;
}

std::span<const NamedText> pageTexts() {
    return kPageTexts;
}

Bilingual namedText(std::span<const NamedText> rows, std::string_view name) {
    for (const NamedText& row : rows) {
        if (row.name == name) return row.text;
    }
    return {};
}

}  // namespace pl63::forms
