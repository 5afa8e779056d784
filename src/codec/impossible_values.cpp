#include "impossible_values.h"

#include <algorithm>
#include <array>
#include <string>

#include "bilingual.h"
#include "codeplug.h"
#include "image_fields.h"
#include "layout.h"
#include "tone_code.h"

namespace pl63 {
namespace {

using namespace layout;

constexpr std::uint32_t kNoFrequency = 0xFFFFFFFF;

// The warning around the list of channel numbers.
const Bilingual kWarningBefore{
    "以下信道含有对讲机不可能有的数值（非十进制的频率数字或不在列表中的亚音）：",
    "These channels hold values no radio can have (frequency "
    "digits that are not decimal, or tones not in the list): "};
const Bilingual kWarningAfter{
    "。文件已按原样打开，这些数值均保留：未修改的信道按原样保存和写频。写频前请检查这些信道。",
    ". The file was opened as it is and these values are kept: a channel you do not edit is "
    "saved and written to the radio as it was. Check these channels before writing them to a "
    "radio."};
const Bilingual kListSeparator{"、", ", "};

std::uint32_t frequencyBytes(const MemoryImage& image, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t(image.at(offset + i)) << (8 * i);
    return value;
}

bool decimalDigits(std::uint32_t bytes) {
    for (int digit = 0; digit < 8; ++digit) {
        if (((bytes >> (4 * digit)) & 0xF) > 9) return false;
    }
    return true;
}

// The codes of the tone list's 260 tones, sorted.
const std::vector<ToneCode>& listedToneCodes() {
    static const std::vector<ToneCode> codes = [] {
        std::vector<ToneCode> all;
        for (int position = kToneFirstCtcss; position < kToneListSize; ++position) {
            if (auto code = encodeToneText(toneListText(position, Language::English)))
                all.push_back(*code);
        }
        std::sort(all.begin(), all.end());
        return all;
    }();
    return codes;
}

bool possibleTone(ToneCode code) {
    return code == kToneOff ||
           std::binary_search(listedToneCodes().begin(), listedToneCodes().end(), code);
}

std::string joined(const std::vector<int>& channels, Language language) {
    std::string text;
    for (int channel : channels) {
        if (!text.empty()) text += kListSeparator.in(language);
        text += std::to_string(channel);
    }
    return text;
}

}  // namespace

std::vector<int> channelsWithImpossibleValues(const MemoryImage& image) {
    std::vector<int> channels;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const std::size_t record = channelRecord(channel);
        const std::uint32_t rx = frequencyBytes(image, record + kRecRxFrequency);
        if (rx == kNoFrequency) continue;
        const std::uint32_t tx = frequencyBytes(image, record + kRecTxFrequency);
        const bool possible = decimalDigits(rx) && (tx == kNoFrequency || decimalDigits(tx)) &&
                              possibleTone(field::readTone(image, record + kRecRxTone)) &&
                              possibleTone(field::readTone(image, record + kRecTxTone));
        if (!possible) channels.push_back(channel);
    }
    return channels;
}

std::optional<ErrorText> impossibleValuesWarning(const MemoryImage& image) {
    const std::vector<int> channels = channelsWithImpossibleValues(image);
    if (channels.empty()) return std::nullopt;
    auto text = [&](Language language) {
        return std::string(kWarningBefore.in(language)) + joined(channels, language) +
               std::string(kWarningAfter.in(language));
    };
    return ErrorText{text(Language::Chinese), text(Language::English)};
}

}  // namespace pl63
