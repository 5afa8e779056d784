#include "i18n/step_names.h"

#include <array>

#include "i18n/language_flag.h"

namespace pl63::i18n {
namespace {

struct StepRow {
    std::string_view key;
    std::string_view zh;
    std::string_view en;
};

// Keys are the objectName of the control or window the step comes from, or
// the command's name.
constexpr std::array kSteps{
    StepRow{"new", "新建", "New"},
    StepRow{"open", "打开文件", "Open file"},
    StepRow{"read", "读频", "Read frequency"},
    StepRow{"import", "导入", "Import"},
    StepRow{"band", "频段", "band"},
    StepRow{"password", "通讯密码", "communication password"},
    StepRow{"Combo3", "发射超时", "Time-out"},
    StepRow{"Combo4", "发射超时预警", "Time-out Warn"},
    StepRow{"Combo9", "静噪等级", "Squelch Grade"},
    StepRow{"Combo2", "语言通知", "Language"},
    StepRow{"Combo6", "省电", "Battery Save"},
    StepRow{"Combo7", "提示音", "Beep"},
    StepRow{"Combo11", "VOX功能", "VOX Function"},
    StepRow{"Combo13", "VOX增益电平", "VOX GBIN"},
    StepRow{"Combo12", "VOX延迟时间", "VOX Delay time"},
    StepRow{"Check3", "取消操作", "Cancel operation"},
    StepRow{"Check4", "接收时禁止VOX", "Received banned VOX"},
    StepRow{"Form5", "可选功能", "Optional functions"},
    StepRow{"Form6", "键设定", "Keys set"},
    StepRow{"Form7", "嵌入信息", "Embedded information"},
    StepRow{"Form4", "测试频率", "Test frequencies"},
    StepRow{"Form2", "调试", "Debug"},
    StepRow{"FormUsePass", "密码设置", "Password set"},
};

// Grid columns 1..8 as a step names them (the header says "QT/DQT" twice).
constexpr std::array<StepRow, 8> kColumns{{
    {"1", "接收频率", "RX frequency"},
    {"2", "接收亚音频", "RX QT/DQT"},
    {"3", "发射频率", "TX frequency"},
    {"4", "发射亚音频", "TX QT/DQT"},
    {"5", "功率", "power"},
    {"6", "禁发", "forbid"},
    {"7", "宽窄带", "band width"},
    {"8", "扫描添加", "scan"},
}};

struct MenuTexts {
    std::string_view zh;
    std::string_view en;
};
constexpr MenuTexts kUndoItem{"撤销(&U)", "Undo(&U)"};
constexpr MenuTexts kRedoItem{"重做(&R)", "Redo(&R)"};
// The step name follows the item's own caption, accelerator included, so
// Alt+E then U undoes whatever the step is.
constexpr MenuTexts kUndoStep{"撤销(&U)：", "&Undo: "};
constexpr MenuTexts kRedoStep{"重做(&R)：", "&Redo: "};
constexpr MenuTexts kUntitled{"未命名", "untitled"};
constexpr MenuTexts kUnsavedBefore{"是否保存对 “", "Save the changes to \""};
constexpr MenuTexts kUnsavedAfter{"” 的修改？\n不保存，修改将会丢失。",
                                  "\"?\nYour changes will be lost if you don't save them."};

QString pick(const MenuTexts& texts, int languageFlag) {
    const std::string_view text = languageFlag == kFlagEnglish ? texts.en : texts.zh;
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString pick(const StepName& name, int languageFlag) {
    return QString::fromStdString(name.in(languageFromFlag(languageFlag)));
}

QString itemText(const MenuTexts& plain, const MenuTexts& prefix, const StepName& step,
                 int languageFlag) {
    if (step.zh.empty() && step.en.empty()) return pick(plain, languageFlag);
    // The step name is the whole rest of the text: a "&" in it is no
    // accelerator.
    QString name = pick(step, languageFlag);
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return pick(prefix, languageFlag) + name;
}

}  // namespace

StepName stepName(std::string_view key) {
    for (const StepRow& row : kSteps) {
        if (row.key == key) return {std::string(row.zh), std::string(row.en)};
    }
    return {std::string(key), std::string(key)};
}

StepName gridCellStep(int row, int column) {
    const std::string number = std::to_string(row);
    if (column < 1 || column > static_cast<int>(kColumns.size())) {
        return {"信道 " + number, "channel " + number};
    }
    const StepRow& names = kColumns[static_cast<std::size_t>(column - 1)];
    return {"信道 " + number + " " + std::string(names.zh),
            "channel " + number + " " + std::string(names.en)};
}

QString undoItemText(const StepName& step, int languageFlag) {
    return itemText(kUndoItem, kUndoStep, step, languageFlag);
}

QString redoItemText(const StepName& step, int languageFlag) {
    return itemText(kRedoItem, kRedoStep, step, languageFlag);
}

QString unsavedQuestion(const QString& fileName, int languageFlag) {
    const QString shown = fileName.isEmpty() ? pick(kUntitled, languageFlag) : fileName;
    return pick(kUnsavedBefore, languageFlag) + shown + pick(kUnsavedAfter, languageFlag);
}

}  // namespace pl63::i18n
