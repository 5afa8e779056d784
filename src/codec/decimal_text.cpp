#include "decimal_text.h"

namespace pl63 {
namespace {

// Twelve integer digits and six decimals stay well inside 64 bits.
constexpr std::size_t kMaxIntegerDigits = 12;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<DecimalText> DecimalText::parse(std::string_view text) {
    DecimalText number;
    bool seenPoint = false;
    bool seenDigit = false;
    for (char c : text) {
        if (c == '.') {
            if (seenPoint) return std::nullopt;
            seenPoint = true;
        } else if (isDigit(c)) {
            seenDigit = true;
            if (seenPoint) {
                number.fraction_ += c;
            } else if (!(number.integer_.empty() && c == '0')) {
                number.integer_ += c;
            }
        } else {
            return std::nullopt;
        }
    }
    if (!seenDigit) return std::nullopt;
    return number;
}

std::optional<std::int64_t> DecimalText::integerPart() const {
    if (integer_.size() > kMaxIntegerDigits) return std::nullopt;
    std::int64_t value = 0;
    for (char c : integer_) value = value * 10 + (c - '0');
    return value;
}

std::optional<std::int64_t> DecimalText::truncatedUnits(int decimals) const {
    auto value = integerPart();
    if (!value || decimals > 6) return std::nullopt;
    std::int64_t units = *value;
    for (int i = 0; i < decimals; ++i) {
        int digit = i < static_cast<int>(fraction_.size()) ? fraction_[i] - '0' : 0;
        units = units * 10 + digit;
    }
    return units;
}

std::optional<std::int64_t> DecimalText::roundedUnits(int decimals) const {
    auto units = truncatedUnits(decimals);
    if (!units) return std::nullopt;
    // Only positive numbers reach here, so "away from zero" is "up".
    if (decimals < static_cast<int>(fraction_.size()) && fraction_[decimals] >= '5') ++*units;
    return units;
}

bool DecimalText::hasDigitsBeyond(int decimals) const {
    for (std::size_t i = decimals; i < fraction_.size(); ++i) {
        if (fraction_[i] != '0') return true;
    }
    return false;
}

std::string formatUnits(std::int64_t units, int decimals) {
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    std::string fraction = std::to_string(units % scale);
    fraction.insert(0, decimals - fraction.size(), '0');
    std::string text = std::to_string(units / scale);
    if (decimals > 0) text += "." + fraction;
    return text;
}

}  // namespace pl63
