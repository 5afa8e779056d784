#pragma once
// What the fuzz properties share: the band limits an import checks against,
// and where two images, or two channel grids, differ, as a failure message
// can point at an offset or a cell.
#include <cstdio>
#include <string>

#include "codec/band.h"
#include "codec/codeplug.h"
#include "codec/frequency_entry.h"
#include "codec/memory_image.h"

namespace pl63::fuzz {

// The limits an import checks frequencies against: the codeplug's band, or
// band 0 when its position is not in the list.
inline FrequencyBand limitsOf(const Codeplug& codeplug) {
    const BandEntry* entry = bandAt(codeplug.band);
    if (!entry) entry = bandAt(0);
    return {entry->lowMHz, entry->highMHz};
}

inline std::string describeDifference(const MemoryImage& expected, const MemoryImage& actual) {
    if (expected.size() != actual.size()) {
        return std::to_string(expected.size()) + " bytes became " + std::to_string(actual.size());
    }
    for (std::size_t k = 0; k < expected.size(); ++k) {
        if (expected.bytes()[k] == actual.bytes()[k]) continue;
        char where[64];
        std::snprintf(where, sizeof where, "offset 0x%03zX: %02X became %02X", k,
                      expected.bytes()[k], actual.bytes()[k]);
        return where;
    }
    return "no difference";
}

// The texts of every cell and, for channels in use, the list positions; an
// empty row's positions are only where the next new channel starts from.
inline std::string gridDifference(const ChannelGrid& expected, const ChannelGrid& actual) {
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int col = 0; col < kGridColumns; ++col) {
            if (expected.text(row, col) != actual.text(row, col)) {
                return "channel " + std::to_string(row) + " column " + std::to_string(col) +
                       ": \"" + expected.text(row, col) + "\" became \"" + actual.text(row, col) +
                       "\"";
            }
        }
        if (!expected.inUse(row)) continue;
        for (int col = ColPower; col <= ColScan; ++col) {
            if (expected.choices().at(row, col) != actual.choices().at(row, col)) {
                return "channel " + std::to_string(row) + " list position of column " +
                       std::to_string(col) + " changed";
            }
        }
    }
    return {};
}

}  // namespace pl63::fuzz
