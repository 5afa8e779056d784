#include "codec/band.h"
#include "codec/chirp_csv.h"
#include "codec/codeplug.h"
#include "codec/image_codec.h"
#include "chirp_round_trip.h"
#include "fuzz_properties.h"
#include "image_diff.h"

namespace pl63::fuzz {
namespace {

void checkImportedText(const std::string& text, Language language, int bandPosition,
                       UnfitRows unfit, Verdict& verdict) {
    Codeplug codeplug;
    codeplug.band = static_cast<std::int16_t>(bandPosition);
    const FrequencyBand band = limitsOf(codeplug);
    const ChannelGrid untouched = codeplug.channels;

    auto imported = importChirpCsv(text, codeplug.channels, band, language, unfit);
    if (!imported) {
        verdict.expect(gridDifference(untouched, codeplug.channels).empty(),
                       "a refused CHIRP import changed the grid");
        verdict.expect(!imported.error().en.empty() && !imported.error().zh.empty(),
                       "a refused CHIRP import gave no reason");
        return;
    }
    for (const LeftOutRow& row : imported.value()) {
        verdict.expect(row.line >= 2 && !row.reason.en.empty() && !row.reason.zh.empty(),
                       "a left-out row has no line or no reason");
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!codeplug.channels.inUse(row)) continue;
        for (int col : {ColRxFrequency, ColTxFrequency}) {
            const std::string& cell = codeplug.channels.text(row, col);
            if (cell.empty()) continue;
            const double mhz = std::strtod(cell.c_str(), nullptr);
            verdict.expect(mhz >= band.lowMHz && mhz < band.highMHz,
                           "CHIRP import put " + cell + " on channel " + std::to_string(row));
        }
    }

    // The export of what was imported reads back to the same channels.
    const std::string exported = exportChirpCsv(codeplug.channels);
    Codeplug again;
    again.band = codeplug.band;
    auto reimported =
        importChirpCsv(exported, again.channels, band, language, UnfitRows::Refuse);
    if (!reimported) {
        verdict.fail("the CHIRP export of an import is refused: " + reimported.error().en);
        return;
    }
    if (auto difference = gridDifference(codeplug.channels, again.channels);
        !difference.empty())
        verdict.fail("importing the CHIRP export changed the channels: " + difference);
    verdict.expect(exportChirpCsv(again.channels) == exported,
                   "exporting the re-imported channels gives another CHIRP file");
    checkChirpOverOwnCodeplug(codeplug, language, verdict);
}

}  // namespace

void checkChirpOverOwnCodeplug(const Codeplug& codeplug, Language language, Verdict& verdict) {
    const MemoryImage saved = EncodeImage(codeplug, language);
    Codeplug base;
    DecodeImage(saved, base, language);
    const std::string exported = exportChirpCsv(base.channels);
    auto imported =
        importChirpCsv(exported, base.channels, limitsOf(base), language, UnfitRows::Refuse);
    if (!imported) {
        verdict.fail("the CHIRP export is refused over the file it came from: " +
                     imported.error().en);
    } else if (const MemoryImage resaved = EncodeImage(base, language); resaved != saved) {
        verdict.fail("CHIRP export then import over the same file changed the image: " +
                     describeDifference(saved, resaved));
    }
}

std::string checkChirpCsv(Input input) {
    Verdict verdict;
    InputReader reader(input);
    const std::uint8_t options = reader.byte();
    const Language language = options & 0x02 ? Language::English : Language::Chinese;
    if (options & 0x01) {
        Codeplug codeplug;
        DecodeImage(MemoryImage(reader.rest()), codeplug, language);
        checkChirpOverOwnCodeplug(codeplug, language, verdict);
    } else {
        const UnfitRows unfit = options & 0x04 ? UnfitRows::LeaveOut : UnfitRows::Refuse;
        checkImportedText(reader.restAsText(), language, (options >> 3) % kBandCount, unfit,
                          verdict);
    }
    return verdict.text();
}

}  // namespace pl63::fuzz
