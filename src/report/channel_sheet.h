#pragma once
// What a printed channel sheet holds, as texts in one language: a title, the
// file, the date and the band, the sixteen channels as the grid shows them,
// and the Function Set and side keys with their captions. Laying it out on
// paper is the printing code's business.
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "codec/codeplug.h"

namespace pl63::report {

struct ChannelSheet {
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    struct Section {
        std::string title;
        Pairs values;  // caption, value
    };

    std::string title;
    Pairs facts;  // file, date, model, band
    std::array<std::string, kGridColumns> gridHeader;
    std::vector<std::array<std::string, kGridColumns>> channels;  // all sixteen rows
    std::vector<Section> sections;                                // Function Set, keys
};

// `fileName` and `date` are shown as given.
ChannelSheet channelSheet(const Codeplug& codeplug, Language language, const std::string& fileName,
                          const std::string& date);

}  // namespace pl63::report
