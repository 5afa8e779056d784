#pragma once
// Every text the user reads exists in Simplified Chinese and in English.
#include <string>
#include <string_view>

namespace pl63 {

// The two languages the windows and messages can show. The program-wide
// LanguageFlag (0 Chinese, 1 English) maps onto this; its value 2 shows the
// windows as designed, which is Chinese.
enum class Language { Chinese = 0, English = 1 };

inline Language languageFromFlag(int flag) { return flag == 1 ? Language::English : Language::Chinese; }

struct Bilingual {
    std::string_view zh;
    std::string_view en;

    std::string_view in(Language language) const { return language == Language::English ? en : zh; }
    std::string str(Language language) const { return std::string(in(language)); }
};

}  // namespace pl63
