#pragma once
// Import channels as the window does it: the file's format recognised, the
// rows checked against the selected band, and what the user is told about
// rows left out and values to check. The window and the browser page share
// it; the command line words its lines for a terminal around the same texts
// (leftOutHeading, leftOutLine).
// Pure C++: no Qt header may be included here.
#include <string>
#include <string_view>

#include "codec/chirp_csv.h"
#include "codec/codeplug.h"
#include "codec/result.h"

namespace pl63::forms {

struct ChannelImport {
    ChannelGrid channels;  // the grid after the import
    ChannelCsvFormat format = ChannelCsvFormat::Pl63;
    std::vector<LeftOutRow> leftOut;
    int imported = 0;  // CHIRP rows that went in
    std::vector<ErrorText> warnings;
};

// The import of `csv` onto `codeplug`'s channels within its band. CHIRP rows
// the radio cannot hold are left out with `leaveOutUnfit`, else the first
// fails the import; an error changes nothing.
Result<ChannelImport> importChannelList(std::string_view csv, const Codeplug& codeplug,
                                        Language language, bool leaveOutUnfit);

// The list shown after an import that left rows out or has warnings: its
// title, heading and lines ("line 7 (145.5): ..."); empty title for none.
struct ImportReport {
    std::string title;
    std::string heading;
    std::string lines;
};
ImportReport importReport(const ChannelImport& import, Language language);

}  // namespace pl63::forms
