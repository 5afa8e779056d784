#pragma once
// Typed numbers of the entry rules, kept as decimal digits so that rounding
// and range checks are exact ("479.995" must not become 479.99499...).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pl63 {

class DecimalText {
public:
    // Digits with at most one decimal point and at least one digit (the only
    // numbers the editors' key filters can produce); anything else is nullopt.
    static std::optional<DecimalText> parse(std::string_view text);

    // The value in units of 10^-decimals, cut off after that many decimals;
    // nullopt when it does not fit comfortably in 64 bits.
    std::optional<std::int64_t> truncatedUnits(int decimals) const;
    // As above, rounded on the next decimal with halves away from zero.
    std::optional<std::int64_t> roundedUnits(int decimals) const;
    // Whether any non-zero digit follows the first `decimals` decimals.
    bool hasDigitsBeyond(int decimals) const;
    // The integer part, nullopt when it is beyond any value the rules compare.
    std::optional<std::int64_t> integerPart() const;

private:
    std::string integer_;   // without leading zeros
    std::string fraction_;  // as typed
};

// units / 10^decimals written with the pattern "0.0...0" (`decimals` places).
std::string formatUnits(std::int64_t units, int decimals);

}  // namespace pl63
