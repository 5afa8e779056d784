#include "forms/channel_import.h"

#include "codec/band.h"
#include "codec/channel_csv.h"
#include "i18n/caption_catalogue.h"

namespace pl63::forms {
namespace {

// The list window's title and the warnings' heading, as the catalogue has
// them; the left-out heading is the codec's, as pl63 import says it.
std::string commandText(const char* name, Language language) {
    return i18n::caption("Commands", name).str(language);
}

}  // namespace

Result<ChannelImport> importChannelList(std::string_view csv, const Codeplug& codeplug,
                                        Language language, bool leaveOutUnfit) {
    const BandEntry* band = bandAt(codeplug.band);
    if (!band) band = bandAt(0);
    const FrequencyBand limits{band->lowMHz, band->highMHz};
    ChannelImport import;
    import.channels = codeplug.channels;
    import.format = detectChannelCsvFormat(csv);
    if (import.format == ChannelCsvFormat::Chirp) {
        auto imported = importChirpCsv(csv, import.channels, limits, language,
                                       leaveOutUnfit ? UnfitRows::LeaveOut : UnfitRows::Refuse,
                                       &import.imported);
        if (!imported) return imported.error();
        import.leftOut = std::move(imported.value());
    } else {
        // DCS codes with the digit 8 or 9 are imported as typed, but the
        // radio reads another code: the warnings say which.
        const Status imported =
            importChannelsCsv(csv, import.channels, limits, language, &import.warnings);
        if (!imported) return imported.error();
    }
    return import;
}

ImportReport importReport(const ChannelImport& import, Language language) {
    if (import.leftOut.empty() && import.warnings.empty()) return {};
    ImportReport report;
    for (const LeftOutRow& row : import.leftOut) {
        report.lines += leftOutLine(row).in(language) + "\n";
    }
    for (const ErrorText& warning : import.warnings) report.lines += warning.in(language) + "\n";
    const bool onlyWarnings = import.leftOut.empty();
    report.title = commandText(onlyWarnings ? "warningsTitle" : "leftOutTitle", language);
    report.heading = onlyWarnings ? commandText("warningsHeading", language)
                                  : leftOutHeading(import.imported).in(language);
    return report;
}

}  // namespace pl63::forms
