#pragma once
// Every status text and message the link engine shows, in both languages.
// A new text is one new row here, never a language test in the engine.
#include "codec/bilingual.h"

namespace pl63::link {

enum class LinkText {
    PortNotOpen,
    Communicating,
    ReadSucceeded,
    WriteSucceeded,
    CommunicationError,
    PasswordWrong,
    PasswordChanged,
};

inline const Bilingual kLinkTexts[] = {
    {"通信端口未打开，请先选择菜单“通信端口”打开其串口！",
     "Communication port not open, please first selection menu 'communication port' to open its "
     "serial ports!"},
    {"正在通信,请稍后……", "Is communication, please later……"},
    {"读频成功！", "Read frequency success!"},
    {"写频成功！", "Write frequency success!"},
    {"通信出错，请检查对讲机型号、故障、连线及计算机串口的选择！",
     "Communication error, please check the intercom model, fault, attachment and computer serial "
     "choice!"},
    {"密码不正确", "Password is not correct"},
    {"通讯密码修改成功！", "Communications password is changed successfully!"},
};

inline std::string linkText(LinkText which, Language language) {
    return kLinkTexts[static_cast<int>(which)].str(language);
}

}  // namespace pl63::link
