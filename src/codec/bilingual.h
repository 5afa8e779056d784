#pragma once
// Every text the user reads exists in Simplified Chinese and in English, as
// one pair type: captions, list entries, error texts, undo step names and
// report words are all a Bilingual.
#include <string>

namespace pl63 {

// The two languages the windows and messages can show. The program-wide
// LanguageFlag (0 Chinese, 1 English) maps onto this; its value 2 shows the
// windows as designed, which is Chinese.
enum class Language { Chinese = 0, English = 1 };

inline Language languageFromFlag(int flag) { return flag == 1 ? Language::English : Language::Chinese; }

struct Bilingual {
    std::string zh;
    std::string en;

    const std::string& in(Language language) const {
        return language == Language::English ? en : zh;
    }
    std::string str(Language language) const { return in(language); }
    bool operator==(const Bilingual&) const = default;
};

}  // namespace pl63
