#pragma once
// Texts of the file and channel-list commands that the window and the
// browser page both show, and the page's own texts (what a browser needs
// that a window does not: the simulated radio, Web Serial, downloads).
// The caption catalogue's sections "Commands" and "Page" as rows keyed by a
// name (a new text is a new row there). Pure C++.
#include <span>
#include <string_view>

#include "codec/bilingual.h"

namespace pl63::forms {

struct NamedText {
    std::string_view name;
    Bilingual text;
};

// "newWarning", "newWarningTitle", "compareTitle", "noDifference",
// "cannotRead", ...
std::span<const NamedText> commandTexts();
// The browser page's own texts: "tryWithoutRadio", "noWebSerial", ...
std::span<const NamedText> pageTexts();

// The row `name` of `rows`; empty texts when there is none.
Bilingual namedText(std::span<const NamedText> rows, std::string_view name);

}  // namespace pl63::forms
