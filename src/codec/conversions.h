#pragma once
// Small conversions shared by the codec and the entry rules: hex and binary
// digit texts, and the frequency raster.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace pl63 {

// Upper-case hex digits of v without leading zeros, at least two digits
// (5 -> "05", 171 -> "AB", 300 -> "12C"). A negative v is shown as its 32-bit
// two's complement.
std::string HexByte(long long v);

// Upper-case hex digits of v, left-padded to at least four digits (670 -> "029E").
// v is a 16-bit number: a negative one gives its two's complement (-1 -> "FFFF").
std::string HexWord(long long v);

// Four binary digits per hex digit, most significant first ("A7" -> "10100111").
// A character that is not a hex digit gives "0000"; lower case counts as upper.
std::string HexToBits(std::string_view hex);

// One hex digit per four binary digits. The caller's text is first left-padded
// with "0" to a multiple of four; within a group "1" is a set bit and any other
// character a clear one.
std::string BitsToHex(std::string& bits);

// A frequency held exactly, as a count of 10 Hz units (the eight digits of a
// FreqText). Doubles never carry a frequency between our routines, so 435.12500
// cannot come back as 435.12499999.
struct ChannelFrequency {
    std::int64_t tenHertz = 0;

    // "0.00000" form: whole MHz without padding, a point, five decimals.
    std::string freqText() const;
    double megahertz() const { return static_cast<double>(tenHertz) / 100000.0; }
    bool operator==(const ChannelFrequency&) const = default;
};

// Parses a plain decimal MHz text ("435.125", "400", "438.50625") into 10 Hz
// units. Returns nothing for an empty text, a sign, a second point, any other
// character, or more than five decimals.
std::optional<ChannelFrequency> parseFrequency(std::string_view text);

// Moves a frequency text down onto the nearer of the 5 kHz and 6.25 kHz rasters,
// both counted from every 100 kHz boundary; a frequency already on either raster
// is returned as it is. When both remainders are equal the 6.25 kHz step is
// taken (same result). The result is exact; call freqText() for the cell text.
// Returns nothing when the text is not a decimal frequency (see parseFrequency).
std::optional<ChannelFrequency> SnapToChannelStep(std::string_view freqText);

// Real remainder of x by d: x itself when x < d, 0 when x / d is whole, else
// x - i*d for the smallest i >= 1 that brings it below d. A divisor that is not
// positive (or not finite) returns x rather than looping for ever.
double FloatRemainder(double d, double x);

// Leading decimal number of a text, as the option stores' texts are read:
// leading blanks skipped, an optional sign, then digits up to the first other
// character ("12abc" -> 12, "-1" -> -1, "" or "abc" -> 0). Saturates instead of
// overflowing on absurdly long digit runs.
long long leadingNumber(std::string_view text);

}  // namespace pl63
