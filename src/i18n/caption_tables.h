#pragma once
// The caption table of every window, exactly as the windows show them in
// Chinese and English, trailing and doubled blanks included.
#include <QString>
#include <array>

#include "i18n/captions.h"

namespace pl63::i18n {

// The windows in the order ApplyCaptions visits them.
inline constexpr std::array<const char*, 8> kCaptionWindowOrder{
    "Form1", "Form2", "Form4", "Form5", "Form6", "Form7", "FormUsePass", "frmAbout"};

// The table of a window by its objectName; an empty table for any other name.
const CaptionTable& captionTable(const QString& windowName);

}  // namespace pl63::i18n
