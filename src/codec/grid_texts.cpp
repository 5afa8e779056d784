#include "grid_texts.h"

#include <array>

namespace pl63 {

namespace {

using ListItems = std::array<Bilingual, 2>;

const ListItems kPowerItems{{{"低", "Low"}, {"高", "Hight"}}};
const ListItems kForbidItems{{{"关闭", "Off"}, {"载波", "Carrow"}}};
const ListItems kBandItems{{{"窄带", "Narrow"}, {"宽带", "Wide"}}};
const ListItems kScanItems{{{"无", "No"}, {"有", "Have"}}};

constexpr std::array<const ListItems*, 4> kListColumns{&kPowerItems, &kForbidItems, &kBandItems,
                                                       &kScanItems};

Language otherLanguage(Language language) {
    return language == Language::English ? Language::Chinese : Language::English;
}

}  // namespace

const Bilingual* gridListItems(int column) {
    return isListColumn(column) ? kListColumns[column - ColPower]->data() : nullptr;
}

std::string_view gridListText(int column, int position, Language language) {
    const Bilingual* items = gridListItems(column);
    if (items == nullptr || position < 0 || position > 1) return {};
    return items[position].in(language);
}

std::optional<int> gridListPosition(int column, std::string_view text, Language language) {
    const Bilingual* items = gridListItems(column);
    if (items == nullptr) return std::nullopt;
    for (int position = 0; position < 2; ++position) {
        if (items[position].in(language) == text) return position;
    }
    return std::nullopt;
}

std::optional<int> gridListPositionAnyLanguage(int column, std::string_view text,
                                               Language language) {
    if (auto position = gridListPosition(column, text, language)) return position;
    return gridListPosition(column, text, otherLanguage(language));
}

bool isToneOffText(std::string_view text) {
    return text == kToneOffText.zh || text == kToneOffText.en;
}

}  // namespace pl63
