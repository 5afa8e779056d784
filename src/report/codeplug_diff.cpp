#include "codeplug_diff.h"

#include <cstdio>

#include "codec/image_codec.h"
#include "codeplug_report.h"
#include "display_tables.h"

namespace pl63::report {
namespace {

std::string shownValue(const std::string& value, Language language) {
    if (!value.empty()) return value;
    return language == Language::English ? "(empty)" : "（空）";
}

std::string differenceLine(const std::string& where, const std::string& a, const std::string& b,
                           Language language) {
    return where + (language == Language::English ? ": " : "：") + shownValue(a, language) +
           " → " + shownValue(b, language) + "\n";
}

// A tone column is named after the frequency column it belongs to: both are
// headed "QT/DQT" in the grid.
std::string columnCaption(int col, Language language) {
    const auto& headers = displayTables().gridHeaders;
    if (col == ColRxTone || col == ColTxTone) {
        return headers[col - 1].in(language) + " " + headers[col].in(language);
    }
    return headers[col].in(language);
}

std::string channelLines(const ChannelGrid& a, const ChannelGrid& b, Language language) {
    std::string lines;
    const std::string ch = displayTables().gridHeaders[ColNumber].in(language);
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int col = ColRxFrequency; col <= ColScan; ++col) {
            if (a.text(row, col) == b.text(row, col)) continue;
            lines += differenceLine(
                ch + " " + b.text(row, ColNumber) + "  " + columnCaption(col, language),
                a.text(row, col), b.text(row, col), language);
        }
    }
    return lines;
}

std::string entryLines(const std::vector<ReportEntry>& a, const std::vector<ReportEntry>& b,
                       Language language) {
    std::string lines;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i].value == b[i].value) continue;
        lines += differenceLine(a[i].window + "  " + a[i].control, a[i].value, b[i].value, language);
    }
    return lines;
}

// Bytes no caption names; listed so that "different" always says where.
std::string byteLines(const MemoryImage& a, const MemoryImage& b, Language language) {
    std::string lines;
    for (std::size_t k = 0; k < a.size() && k < b.size(); ++k) {
        if (a.bytes()[k] == b.bytes()[k]) continue;
        char where[24], from[4], to[4];
        std::snprintf(where, sizeof where, "0x%03zX", k);
        std::snprintf(from, sizeof from, "%02X", a.bytes()[k]);
        std::snprintf(to, sizeof to, "%02X", b.bytes()[k]);
        lines += differenceLine(displayTables().otherData.in(language) + " " + where, from, to,
                                language);
    }
    return lines;
}

}  // namespace

std::string codeplugDifferences(const Codeplug& a, const Codeplug& b, Language language) {
    std::string lines = channelLines(a.channels, b.channels, language);
    lines += entryLines(optionEntries(a, language), optionEntries(b, language), language);
    lines += entryLines(storedOnlyEntries(a, language), storedOnlyEntries(b, language), language);
    if (lines.empty()) lines = byteLines(EncodeImage(a, language), EncodeImage(b, language), language);
    return lines;
}

}  // namespace pl63::report
