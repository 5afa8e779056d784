#include <cstdlib>

#include "codec/band.h"
#include "codec/channel_csv.h"
#include "codec/codeplug.h"
#include "codec/csv_text.h"
#include "codec/image_codec.h"
#include "fuzz_properties.h"
#include "image_diff.h"

namespace pl63::fuzz {
namespace {

Language other(Language language) {
    return language == Language::English ? Language::Chinese : Language::English;
}

// Entry rules hold for every channel an import made: its frequencies are in the band.
void checkInBand(const ChannelGrid& grid, FrequencyBand band, Verdict& verdict) {
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!grid.inUse(row)) continue;
        for (int col : {ColRxFrequency, ColTxFrequency}) {
            const std::string& text = grid.text(row, col);
            if (text.empty()) continue;
            const double mhz = std::strtod(text.c_str(), nullptr);
            verdict.expect(
                mhz >= band.lowMHz && mhz < band.highMHz,
                "imported channel " + std::to_string(row) + " holds " + text + " outside its band");
        }
    }
}

void checkImportedText(const std::string& text, Language language, int bandPosition,
                       Verdict& verdict) {
    Codeplug codeplug;
    codeplug.band = static_cast<std::int16_t>(bandPosition);
    const FrequencyBand band = limitsOf(codeplug);
    const ChannelGrid untouched = codeplug.channels;

    Status imported = importChannelsCsv(text, codeplug.channels, band, language);
    if (!imported) {
        verdict.expect(
            gridDifference(untouched, codeplug.channels).empty(),
            "a refused import changed the grid: " + gridDifference(untouched, codeplug.channels));
        verdict.expect(!imported.error().en.empty() && !imported.error().zh.empty(),
                       "a refused import gave no reason");
        return;
    }
    checkInBand(codeplug.channels, band, verdict);

    const std::string exported = exportChannelsCsv(codeplug.channels);
    Codeplug again;
    again.band = codeplug.band;
    Status reimported = importChannelsCsv(exported, again.channels, band, language);
    if (!reimported) {
        verdict.fail("the export of an import is refused: " + reimported.error().en);
        return;
    }
    if (auto difference = gridDifference(codeplug.channels, again.channels); !difference.empty())
        verdict.fail("importing the export changed the grid: " + difference);
    verdict.expect(exportChannelsCsv(again.channels) == exported,
                   "exporting the re-imported grid gives another CSV");

    // "pl63 import --base" of the file the CSV was exported from.
    const MemoryImage saved = EncodeImage(codeplug, language);
    Codeplug base;
    DecodeImage(saved, base, language);
    Status overBase = importChannelsCsv(exported, base.channels, limitsOf(base), language);
    if (!overBase) {
        verdict.fail("the export is refused over the file it came from: " + overBase.error().en);
    } else if (const MemoryImage resaved = EncodeImage(base, language); resaved != saved) {
        verdict.fail("export then import over the same file changed the image: " +
                     describeDifference(saved, resaved));
    }

    // The CSV's words mean the same whichever language the grid shows.
    Codeplug translated;
    translated.band = codeplug.band;
    Status inOther = importChannelsCsv(exported, translated.channels, band, other(language));
    if (!inOther) {
        verdict.fail("the export is refused in the other language: " + inOther.error().en);
    } else if (const MemoryImage otherImage = EncodeImage(translated, other(language));
               otherImage != saved) {
        verdict.fail("the export imported in the other language gives another image: " +
                     describeDifference(saved, otherImage));
    }
}

// Whatever an image holds, its export is a well-formed table of the 16
// channels, and importing it settles: a second round changes nothing more.
void checkDecodedImage(const MemoryImage& image, Language language, Verdict& verdict) {
    Codeplug codeplug;
    DecodeImage(image, codeplug, language);
    const std::string exported = exportChannelsCsv(codeplug.channels);

    auto records = parseCsv(exported);
    if (!records) {
        verdict.fail("an export does not parse as CSV: " + records.error().en);
        return;
    }
    verdict.expect(records.value().size() == kChannelCount + 1,
                   "an export has " + std::to_string(records.value().size()) + " records");
    for (std::size_t i = 1; i < records.value().size() && i <= kChannelCount; ++i) {
        const auto& fields = records.value()[i].fields;
        const int row = static_cast<int>(i);
        verdict.expect(fields.size() == kGridColumns, "export line " + std::to_string(i + 1) +
                                                          " has " + std::to_string(fields.size()) +
                                                          " fields");
        if (fields.size() != kGridColumns) continue;
        verdict.expect(
            fields[0] == std::to_string(row),
            "export line of channel " + std::to_string(row) + " starts with " + fields[0]);
        for (int col : {ColRxFrequency, ColTxFrequency}) {
            const std::string& cell = codeplug.channels.text(row, col);
            // A receive-only channel says so, where an empty field would mean "as before".
            const bool receiveOnly =
                col == ColTxFrequency && cell.empty() && codeplug.channels.inUse(row);
            verdict.expect(fields[col] == (receiveOnly ? std::string(kReceiveOnlyWord) : cell),
                           "channel " + std::to_string(row) + " exports \"" + fields[col] +
                               "\" for \"" + cell + "\"");
        }
    }

    Codeplug settled = codeplug;
    if (!importChannelsCsv(exported, settled.channels, limitsOf(settled), language)) return;
    const std::string once = exportChannelsCsv(settled.channels);
    Codeplug twice = settled;
    Status again = importChannelsCsv(once, twice.channels, limitsOf(twice), language);
    if (!again) {
        verdict.fail("an import's own export is refused: " + again.error().en);
    } else if (auto difference = gridDifference(settled.channels, twice.channels);
               !difference.empty()) {
        verdict.fail("a second export-import round changed the grid: " + difference);
    }
}

}  // namespace

std::string checkChannelCsv(Input input) {
    Verdict verdict;
    InputReader reader(input);
    const std::uint8_t options = reader.byte();
    const Language language = options & 0x02 ? Language::English : Language::Chinese;
    if (options & 0x01) {
        checkDecodedImage(MemoryImage(reader.rest()), language, verdict);
    } else {
        checkImportedText(reader.restAsText(), language, (options >> 2) % kBandCount, verdict);
    }
    return verdict.text();
}

}  // namespace pl63::fuzz
