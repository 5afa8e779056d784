#pragma once
// What a typed frequency does to the channel grid: checked against the band,
// rounded onto the channel raster and written as FreqText; a receive
// frequency on a row without a transmit frequency creates a channel with its
// defaults; an emptied receive frequency deletes the channel.
#include <string_view>

#include "codeplug.h"
#include "result.h"

namespace pl63 {

// The editor holds at most this many characters (enough for 438.50625).
constexpr int kFrequencyEditorMaxLength = 9;

// The frequency editor's key filter: digits, the decimal point and Backspace.
bool acceptsFrequencyKey(char typed);

enum class FrequencyCommit {
    Written,    // the cell got the new frequency
    Created,    // a receive frequency on a row without TX: defaults given
    Cleared,    // an empty receive frequency: the channel was deleted
    Unchanged,  // empty TX, empty RX of a row with no channel, or not a number:
                // nothing happens, nothing is said
    OutOfBand,  // the user is told (message), the cell keeps its text
};

struct FrequencyCommitResult {
    FrequencyCommit outcome;
    ErrorText message;  // set for OutOfBand only

    bool changed() const {
        return outcome != FrequencyCommit::Unchanged && outcome != FrequencyCommit::OutOfBand;
    }
};

// The band is lowMHz <= f < highMHz (whole MHz, the selected band's limits).
struct FrequencyBand {
    int lowMHz;
    int highMHz;
};

// Commits typed text t into (row, ColRxFrequency or ColTxFrequency). A value
// that rounds up onto the band's upper limit (479.999996 in 400-480) counts as
// out of band as well, so no cell ever holds a frequency outside the band.
FrequencyCommitResult commitFrequency(ChannelGrid& grid, int row, int col, std::string_view t,
                                      FrequencyBand band, Language language);

// The new-channel defaults of a row whose receive frequency was just entered:
// TX = RX, both tones Off, high power, forbid off, wide, in the scan list.
void applyNewChannelDefaults(ChannelGrid& grid, int row, Language language);

}  // namespace pl63
