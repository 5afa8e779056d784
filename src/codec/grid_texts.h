#pragma once
// Texts of the channel grid's fixed-choice columns and the tone list's Off entry.
// The list position is what the radio stores; the text follows the language.
#include <optional>
#include <string_view>

#include "bilingual.h"
#include "codeplug.h"

namespace pl63 {

// Item 0 of the tone list ("关闭" / "Off").
inline const Bilingual kToneOffText{"关闭", "Off"};

// True for a column with a two-item list (ColPower .. ColScan).
constexpr bool isListColumn(int column) {
    return column >= ColPower && column <= ColScan;
}

// The two items of a list column, positions 0 and 1.
const Bilingual* gridListItems(int column);

// Text of `position` (0 or 1) of a list column; empty for any other column or
// position.
std::string_view gridListText(int column, int position, Language language);

// Position of `text` in a list column in the given language; nothing when the
// text is not one of that list's items.
std::optional<int> gridListPosition(int column, std::string_view text, Language language);

// As above, but tries `language` first and then the other one. The two
// languages' items never coincide, so a cell left over from before a language
// switch still names its position unambiguously.
std::optional<int> gridListPositionAnyLanguage(int column, std::string_view text,
                                               Language language);

// True when `text` is the tone list's Off item in either language.
bool isToneOffText(std::string_view text);

}  // namespace pl63
