#include "debug_frequency.h"

#include <cmath>
#include <cstdint>

#include "conversions.h"

namespace pl63 {

namespace {

// The remainders are taken in 10 Hz units rather than in MHz: 0.00625 has no
// exact binary form, and a remainder of 0.0062499999 instead of 0 would move a
// frequency that is already on the raster down by a whole step.
constexpr double kStep5k = 500.0;
constexpr double kStep6k25 = 625.0;
constexpr int kFreqDecimals = 5;
// Ten digits of MHz keep every value exact in a double; nothing a user means
// to type comes near it.
constexpr std::int64_t kMaxWholeMegahertz = 9999999999;

std::string formatUnits(double units) {
    return ChannelFrequency{static_cast<std::int64_t>(std::llround(units))}.freqText();
}

std::string snapped(double units, double step) {
    return formatUnits(units - FloatRemainder(step, units));
}

}  // namespace

double leadingFrequencyUnits(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }
    std::int64_t whole = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        whole = whole * 10 + (text[pos] - '0');
        if (whole > kMaxWholeMegahertz) whole = kMaxWholeMegahertz;
    }
    std::int64_t decimals = 0;
    double finer = 0.0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        int count = 0;
        double scale = 0.1;
        for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, ++count) {
            if (count < kFreqDecimals) {
                decimals = decimals * 10 + (text[pos] - '0');
            } else {
                finer += (text[pos] - '0') * scale;
                scale /= 10.0;
            }
        }
        for (; count < kFreqDecimals; ++count) decimals *= 10;
    }
    double units = static_cast<double>(whole * 100000 + decimals) + finer;
    return negative ? -units : units;
}

bool testFrequencyCellEditable(const TestFrequencyRow& row, int column) {
    if (column == TestColRx) return true;
    if (column == TestColTx) return !row[0].empty();
    return false;
}

void SnapTestFrequency(TestFrequencyRow& row, int column) {
    std::string& rx = row[0];
    std::string& tx = row[1];
    if (column == TestColRx) {
        if (rx.empty()) {
            tx.clear();
            return;
        }
        const double v = leadingFrequencyUnits(rx);
        const double r5 = FloatRemainder(kStep5k, v);
        const double r625 = FloatRemainder(kStep6k25, v);
        rx = formatUnits(v - (r5 >= r625 ? r625 : r5));
        tx = rx;
    } else if (column == TestColTx) {
        if (tx.empty()) {
            tx = rx;
            return;
        }
        const double step =
            FloatRemainder(kStep6k25, leadingFrequencyUnits(rx)) == 0.0 ? kStep6k25 : kStep5k;
        tx = snapped(leadingFrequencyUnits(tx), step);
    }
}

}  // namespace pl63
