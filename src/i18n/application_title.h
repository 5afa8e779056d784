#pragma once
// The program's one title: message boxes without a title of their own show
// it, and the help file beside the program is named after it.
namespace pl63::i18n {

inline constexpr const char* kApplicationTitle = "PL63";

}  // namespace pl63::i18n
