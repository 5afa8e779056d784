#pragma once
// The message boxes' own button texts, by LanguageFlag 0 (Chinese), 1
// (English) and 2 (traditional Chinese): the window's LocalizedMsgBox and
// the browser page's boxes read the same rows. Qt-free.
#include <array>
#include <string_view>

namespace pl63::i18n {

struct MsgBoxButtonTexts {
    std::string_view name;  // the page's key: "ok", "cancel", ...
    std::array<std::string_view, 3> text;
};

inline constexpr std::array<MsgBoxButtonTexts, 9> kMsgBoxButtons{{
    {"ok", {"确定", "OK", "確定"}},
    {"cancel", {"取消", "Cancel", "取消"}},
    {"yes", {"是", "Yes", "是"}},
    {"no", {"否", "No", "否"}},
    {"abort", {"放弃", "Abort", "放棄"}},
    {"ignore", {"忽略", "Ignore", "忽略"}},
    {"retry", {"重试", "Retry", "重試"}},
    {"save", {"保存", "Save", "儲存"}},
    {"discard", {"不保存", "Discard", "不儲存"}},
}};

}  // namespace pl63::i18n
