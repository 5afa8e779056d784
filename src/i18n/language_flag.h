#pragma once
// LanguageFlag: 0 Simplified Chinese, 1 English. 2 keeps the windows' design
// texts and gives traditional Chinese message-box buttons; any other value
// (only from an edited parameter file) keeps the design texts and the
// system's button texts. The program itself only ever stores 0 or 1.
#include <cstdint>

namespace pl63::i18n {

inline constexpr std::int16_t kFlagChinese = 0;
inline constexpr std::int16_t kFlagEnglish = 1;
inline constexpr std::int16_t kFlagTraditional = 2;

// True when ApplyCaptions writes texts for this flag (0 or 1).
inline constexpr bool flagHasCaptions(int flag) { return flag == kFlagChinese || flag == kFlagEnglish; }

}  // namespace pl63::i18n
