#pragma once
// The readable form of a codeplug that `pl63 show` prints (and the window's
// comparison and channel sheet take their captions from): the channel grid
// as the window shows it, then every radio-wide option with its caption.
#include <string>
#include <vector>

#include "codec/codeplug.h"

namespace pl63::report {

std::string codeplugReport(const Codeplug& codeplug, Language language);

// One radio-wide value as the report shows it: the caption of its window (or
// panel), the caption of its control, the text it shows.
struct ReportEntry {
    std::string window;
    std::string control;
    std::string value;
};

// The values of the report after the channel grid, in the report's order;
// a table cell's control is its row's first cell and its column's header.
std::vector<ReportEntry> optionEntries(const Codeplug& codeplug, Language language);

// What the codeplug stores beyond the report: the communication password, the
// VOX volume control, the ID and PTT ID codes and the DTMF memories.
std::vector<ReportEntry> storedOnlyEntries(const Codeplug& codeplug, Language language);

}  // namespace pl63::report
