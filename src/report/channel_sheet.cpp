#include "channel_sheet.h"

#include "codeplug_report.h"
#include "display_tables.h"

namespace pl63::report {

ChannelSheet channelSheet(const Codeplug& codeplug, Language language, const std::string& fileName,
                          const std::string& date) {
    const DisplayTables& t = displayTables();
    ChannelSheet sheet;
    sheet.title = t.sheetTitle.in(language);
    sheet.facts = {{t.sheetFile.in(language), fileName},
                   {t.sheetDate.in(language), date},
                   {t.model.in(language), "PL-63"},
                   {t.band.caption.in(language), t.band.itemText(codeplug.band, language)}};
    for (int col = ColNumber; col <= ColScan; ++col) sheet.gridHeader[col] = t.gridHeaders[col].in(language);
    for (int row = 1; row <= kChannelCount; ++row) {
        std::array<std::string, kGridColumns> cells;
        for (int col = ColNumber; col <= ColScan; ++col) cells[col] = codeplug.channels.text(row, col);
        sheet.channels.push_back(cells);
    }
    for (const Bilingual* title : {&t.functionSetTitle, &t.keysTitle}) {
        ChannelSheet::Section section{title->in(language), {}};
        for (const ReportEntry& entry : optionEntries(codeplug, language)) {
            if (entry.window == section.title) section.values.push_back({entry.control, entry.value});
        }
        sheet.sections.push_back(std::move(section));
    }
    return sheet;
}

}  // namespace pl63::report
