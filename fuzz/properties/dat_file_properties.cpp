#include <algorithm>
#include <cstring>

#include "codec/codeplug.h"
#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "codec/layout.h"
#include "chirp_round_trip.h"
#include "fuzz_properties.h"
#include "image_diff.h"

namespace pl63::fuzz {
namespace {

constexpr std::uint8_t kSignature[kDatSignatureSize] = {'G', 'Z', 'Q', '7', '2'};

bool looksLikeDat(const std::vector<std::uint8_t>& content) {
    return content.size() >= kDatMinFileSize &&
           std::memcmp(content.data(), kSignature, kDatSignatureSize) == 0;
}

void checkRounds(const MemoryImage& opened, Language language, Verdict& verdict) {
    const std::string in = language == Language::English ? " (English)" : " (Chinese)";

    Codeplug first;
    DecodeImage(opened, first, language);
    const MemoryImage encoded = EncodeImage(first, language);
    verdict.expect(encoded.size() == layout::kImageSize,
                   "EncodeImage gave " + std::to_string(encoded.size()) + " bytes" + in);

    Codeplug fresh;
    DecodeImage(encoded, fresh, language);
    if (const MemoryImage again = EncodeImage(fresh, language); again != encoded) {
        verdict.fail("a second decode-encode round changed the image" + in + ": " +
                     describeDifference(encoded, again));
    }

    // Opening a saved file over a codeplug that already holds other data must
    // give the same: every value the encoder writes is one the decoder takes.
    DecodeImage(encoded, first, language);
    if (const MemoryImage over = EncodeImage(first, language); over != encoded) {
        verdict.fail("decoding over an earlier codeplug kept old values" + in + ": " +
                     describeDifference(encoded, over));
    }

    auto reopened = parseDatContent(datContent(encoded));
    verdict.expect(reopened.ok() && reopened.value() == encoded,
                   "a saved file does not open as the image it was saved from" + in);
}

}  // namespace

std::string checkDatFile(Input input) {
    Verdict verdict;
    const std::vector<std::uint8_t> content(input.begin(), input.end());
    auto opened = parseDatContent(content);
    verdict.expect(opened.ok() == looksLikeDat(content),
                   opened.ok() ? "a file without signature or too short was opened"
                               : "a file with the signature and enough bytes was refused");
    if (!opened.ok()) return verdict.text();

    const MemoryImage& image = opened.value();
    const std::size_t expected = std::min(content.size() - kDatSignatureSize, kDatMaxImageBytes);
    verdict.expect(image.size() == expected, "opening kept " + std::to_string(image.size()) +
                                                 " image bytes, expected " +
                                                 std::to_string(expected));
    verdict.expect(
        std::equal(image.bytes().begin(), image.bytes().end(), content.begin() + kDatSignatureSize),
        "the opened image is not the file's bytes after the signature");

    checkRounds(image, Language::Chinese, verdict);
    checkRounds(image, Language::English, verdict);

    // The grid's texts follow the language, the radio's bytes do not.
    Codeplug zh;
    Codeplug en;
    DecodeImage(image, zh, Language::Chinese);
    DecodeImage(image, en, Language::English);
    const MemoryImage zhImage = EncodeImage(zh, Language::Chinese);
    if (const MemoryImage enImage = EncodeImage(en, Language::English); enImage != zhImage) {
        verdict.fail("the image depends on the language it was decoded in: " +
                     describeDifference(zhImage, enImage));
    }
    zh.channels.SetGrid1Text(Language::English);
    if (const MemoryImage switched = EncodeImage(zh, Language::English); switched != zhImage) {
        verdict.fail("switching the grid to English changed the image: " +
                     describeDifference(zhImage, switched));
    }

    // Every file's channels survive a trip through CHIRP's layout.
    checkChirpOverOwnCodeplug(en, Language::English, verdict);
    return verdict.text();
}

}  // namespace pl63::fuzz
