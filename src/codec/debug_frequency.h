#pragma once
// The entry rules of the test frequency table (mfgrid1): a TX cell can only be
// edited once its row has an RX frequency, and every edit is moved onto the
// 5 kHz or 6.25 kHz raster, with TX following RX.
#include <array>
#include <string>
#include <string_view>

namespace pl63 {

// Columns of mfgrid1; column 0 holds the row number and is never edited.
enum TestFrequencyColumn : int { TestColNumber = 0, TestColRx = 1, TestColTx = 2 };

// One row of TestFrequencies: RX text, TX text.
using TestFrequencyRow = std::array<std::string, 2>;

// False for a TX cell whose RX cell is empty (the edit is refused) and for
// the number column.
bool testFrequencyCellEditable(const TestFrequencyRow& row, int column);

// Runs after an edit of `column`. RX: empty empties TX; otherwise RX moves down
// onto whichever raster leaves the smaller remainder (6.25 kHz on a tie) and TX
// becomes a copy of it. TX: empty copies RX; otherwise TX moves down onto the
// raster RX is on (6.25 kHz when RX is a whole number of 6.25 kHz steps, else
// 5 kHz). A text is read as its leading decimal number (0 when there is none)
// and written with five decimals.
void SnapTestFrequency(TestFrequencyRow& row, int column);

// The leading decimal number of a text in 10 Hz units, with any finer digits
// as a fraction: "438.0125" -> 43801250, " 12abc" -> 1200000, "abc" -> 0.
double leadingFrequencyUnits(std::string_view text);

}  // namespace pl63
