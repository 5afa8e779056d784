#include "tone_entry.h"

#include "decimal_text.h"

namespace pl63 {
namespace {

constexpr std::int64_t kLowestTenths = 670;    // 67.0 Hz
constexpr std::int64_t kHighestTenths = 2541;  // 254.1 Hz
constexpr std::int64_t kHighestDcs = 777;

std::optional<std::string> normaliseCtcss(std::string_view typed) {
    auto number = DecimalText::parse(typed);
    if (!number) return std::nullopt;
    auto tenths = number->truncatedUnits(1);
    if (!tenths || *tenths < kLowestTenths) return std::nullopt;
    if (*tenths > kHighestTenths || (*tenths == kHighestTenths && number->hasDigitsBeyond(1))) {
        return std::nullopt;
    }
    return formatUnits(*number->roundedUnits(1), 1);
}

std::optional<std::string> normaliseDcs(std::string_view typed) {
    if (typed.size() < 3) return std::nullopt;
    char polarity = typed.back();
    if (polarity != 'N' && polarity != 'I') return std::nullopt;
    std::string_view middle = typed.substr(1, typed.size() - 2);
    // A decimal point would reach the image as a wrong digit; refuse it.
    if (middle.find('.') != std::string_view::npos) return std::nullopt;
    auto number = DecimalText::parse(middle);
    if (!number) return std::nullopt;
    auto value = number->integerPart();
    std::string code;
    if (!value || *value > kHighestDcs) {
        code = "777";
    } else {
        code = std::to_string(*value);
        code.insert(0, 3 - code.size(), '0');
    }
    return "D" + code + polarity;
}

}  // namespace

std::optional<char> filterToneKey(char typed) {
    switch (typed) {
        case 'd':
            return 'D';
        case 'n':
            return 'N';
        case 'i':
            return 'I';
        case 'D':
        case 'N':
        case 'I':
        case '.':
        case '\b':
            return typed;
        default:
            break;
    }
    if (typed >= '0' && typed <= '9') return typed;
    return std::nullopt;
}

std::optional<std::string> normaliseTone(std::string_view typed) {
    // The Off text never begins with "D" and is not a number, so it falls
    // through both rules and leaves the cell as it is.
    if (!typed.empty() && typed.front() == 'D') return normaliseDcs(typed);
    return normaliseCtcss(typed);
}

ToneCommit commitTone(ChannelGrid& grid, int row, int col, std::string_view typed) {
    auto text = normaliseTone(typed);
    if (!text) return ToneCommit::Unchanged;
    grid.setText(row, col, *text);
    return ToneCommit::Written;
}

}  // namespace pl63
