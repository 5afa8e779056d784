#include "forms/command_texts.h"

#include <vector>

#include "i18n/caption_catalogue.h"

namespace pl63::forms {
namespace {

// A section of the caption catalogue as named rows; the names point into the
// catalogue, which lives as long as the program.
std::vector<NamedText> section(std::string_view name) {
    std::vector<NamedText> rows;
    i18n::forEachCaption([&](std::string_view window, const i18n::CaptionRow& row) {
        if (window == name) rows.push_back({row.objectName, row.text});
    });
    return rows;
}

}  // namespace

std::span<const NamedText> commandTexts() {
    static const std::vector<NamedText> rows = section("Commands");
    return rows;
}

std::span<const NamedText> pageTexts() {
    static const std::vector<NamedText> rows = section("Page");
    return rows;
}

Bilingual namedText(std::span<const NamedText> rows, std::string_view name) {
    for (const NamedText& row : rows) {
        if (row.name == name) return row.text;
    }
    return {};
}

}  // namespace pl63::forms
