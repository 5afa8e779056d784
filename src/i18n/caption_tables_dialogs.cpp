// The password window (FormUsePass) and the About box (frmAbout).
#include "i18n/caption_rows.h"

namespace pl63::i18n::tables {

using namespace rows;

CaptionTable formUsePass() {
    return {
        text("Label1", "原始通讯密码:", "Old Password:"),
        text("Label2", "新通讯密码:", "New Password:"),
        text("Label3", "确认新通讯密码:", "Confirm Password:"),
        text("Command2", "取消", "Cancel"),
        text("Command3", "生成新密码", "Create New Password"),
    };
}

CaptionTable frmAbout() {
    return {
        text("lblTitle", "Varnel对讲机编程软件", "Varnel Radio Software "),
        text("lblVersion", "简体中文版 V1.00", "English version V1.00"),
        text("Label2", "发布：2013.4", "Issue：2013.4"),
        text("lblDescription", "开发：pl63 项目  版权所有 © 2026",
             "The pl63 project: free programming software for PL-63 radios"),
        text("cmdOK", "确定", "OK"),
    };
}

}  // namespace pl63::i18n::tables
