#include "conversions.h"

#include <cmath>
#include <limits>

namespace pl63 {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string hexDigits(unsigned long long v) {
    std::string out;
    do {
        out.insert(out.begin(), kHexDigits[v & 0xF]);
        v >>= 4;
    } while (v != 0);
    return out;
}

unsigned long long asUnsigned(long long v) {
    return v < 0 ? static_cast<std::uint32_t>(static_cast<std::int64_t>(v))
                 : static_cast<unsigned long long>(v);
}

constexpr std::int64_t kUnitsPer100kHz = 10000;
constexpr std::int64_t kRaster5k = 500;
constexpr std::int64_t kRaster6k25 = 625;
constexpr int kFreqDecimals = 5;

}  // namespace

std::string HexByte(long long v) {
    std::string out = hexDigits(asUnsigned(v));
    if (out.size() < 2) out.insert(out.begin(), '0');
    return out;
}

std::string HexWord(long long v) {
    // A 16-bit number: a negative one (a scan delay of -1) is its own four
    // digits, FFFF, so that the two bytes taken from the text are FF FF.
    unsigned long long word =
        v < 0 ? static_cast<std::uint16_t>(static_cast<std::int64_t>(v)) : asUnsigned(v);
    std::string out = hexDigits(word);
    if (out.size() < 4) out.insert(out.begin(), 4 - out.size(), '0');
    return out;
}

std::string HexToBits(std::string_view hex) {
    std::string out;
    out.reserve(hex.size() * 4);
    for (char c : hex) {
        int value = hexValue(c);
        if (value < 0) value = 0;
        for (int bit = 3; bit >= 0; --bit) out.push_back((value >> bit) & 1 ? '1' : '0');
    }
    return out;
}

std::string BitsToHex(std::string& bits) {
    if (bits.size() % 4 != 0) bits.insert(bits.begin(), 4 - bits.size() % 4, '0');
    std::string out;
    out.reserve(bits.size() / 4);
    for (std::size_t i = 0; i < bits.size(); i += 4) {
        int value = 0;
        for (std::size_t k = 0; k < 4; ++k) value = value * 2 + (bits[i + k] == '1' ? 1 : 0);
        out.push_back(kHexDigits[value]);
    }
    return out;
}

std::string ChannelFrequency::freqText() const {
    std::int64_t whole = tenHertz / 100000;
    std::int64_t fraction = tenHertz % 100000;
    std::string decimals = std::to_string(fraction);
    decimals.insert(decimals.begin(), kFreqDecimals - decimals.size(), '0');
    return std::to_string(whole) + "." + decimals;
}

std::optional<ChannelFrequency> parseFrequency(std::string_view text) {
    std::int64_t whole = 0;
    std::int64_t fraction = 0;
    int decimals = 0;
    int wholeDigits = 0;
    bool seenPoint = false;
    for (char c : text) {
        if (c == '.') {
            if (seenPoint) return std::nullopt;
            seenPoint = true;
        } else if (c >= '0' && c <= '9') {
            if (seenPoint) {
                if (++decimals > kFreqDecimals) return std::nullopt;
                fraction = fraction * 10 + (c - '0');
            } else {
                // Far beyond any radio band; keeps the arithmetic from overflowing.
                if (++wholeDigits > 9) return std::nullopt;
                whole = whole * 10 + (c - '0');
            }
        } else {
            return std::nullopt;
        }
    }
    if (wholeDigits == 0 && decimals == 0) return std::nullopt;
    for (int i = decimals; i < kFreqDecimals; ++i) fraction *= 10;
    return ChannelFrequency{whole * 100000 + fraction};
}

std::optional<ChannelFrequency> SnapToChannelStep(std::string_view freqText) {
    std::optional<ChannelFrequency> parsed = parseFrequency(freqText);
    if (!parsed) return std::nullopt;
    std::int64_t units = parsed->tenHertz;
    std::int64_t within = units % kUnitsPer100kHz;
    std::int64_t r5 = within % kRaster5k;
    std::int64_t r625 = within % kRaster6k25;
    if (r5 == 0 || r625 == 0) return parsed;
    return ChannelFrequency{units - (r5 < r625 ? r5 : r625)};
}

double FloatRemainder(double d, double x) {
    if (!(d > 0.0) || !std::isfinite(d) || !std::isfinite(x)) return x;
    if (x < d) return x;
    double quotient = x / d;
    if (quotient == std::floor(quotient)) return 0.0;
    double i = std::floor(quotient);
    if (i < 1.0) i = 1.0;
    // The floating quotient can be one off either way; settle on the smallest i.
    while (x - i * d >= d) i += 1.0;
    while (i > 1.0 && x - (i - 1.0) * d < d) i -= 1.0;
    return x - i * d;
}

long long leadingNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 10;
    long long value = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (value < kLimit) value = value * 10 + (text[pos] - '0');
    }
    return negative ? -value : value;
}

}  // namespace pl63
