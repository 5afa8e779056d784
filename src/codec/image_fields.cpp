#include "image_fields.h"

#include "conversions.h"
#include "layout.h"

namespace pl63::field {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
constexpr std::uint8_t kDtmfZero = 0x3A;
constexpr std::int64_t kMaxFrequencyUnits = 100000000;  // 1000 MHz: three integer digits

void put(Bytes& image, std::size_t offset, std::uint8_t value) {
    if (offset < image.size()) image[offset] = value;
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool isFreqTextShape(std::string_view text) {
    if (text.size() != 9 || text[3] != '.') return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i != 3 && hexDigitValue(text[i]) < 0) return false;
    }
    return true;
}

}  // namespace

void writeByte(Bytes& image, std::size_t offset, long long value) {
    put(image, offset, static_cast<std::uint8_t>(value & 0xFF));
}

void writeWord(Bytes& image, std::size_t offset, long long value) {
    put(image, offset, static_cast<std::uint8_t>(value & 0xFF));
    put(image, offset + 1, static_cast<std::uint8_t>((value >> 8) & 0xFF));
}

int readSignedWord(const MemoryImage& image, std::size_t offset) {
    return static_cast<std::int16_t>(image.at(offset) | image.at(offset + 1) << 8);
}

std::string readFrequency(const MemoryImage& image, std::size_t offset) {
    std::uint8_t b0 = image.at(offset), b1 = image.at(offset + 1);
    std::uint8_t b2 = image.at(offset + 2), b3 = image.at(offset + 3);
    if ((b0 & b1 & b2 & b3) == 0xFF) return {};
    auto hi = [](std::uint8_t b) { return kHexDigits[b >> 4]; };
    auto lo = [](std::uint8_t b) { return kHexDigits[b & 0xF]; };
    return {hi(b3), lo(b3), hi(b2), '.', lo(b2), hi(b1), lo(b1), hi(b0), lo(b0)};
}

void writeFrequency(Bytes& image, std::size_t offset, std::string_view text) {
    std::string digits;  // ABCDEFGH
    if (isFreqTextShape(text)) {
        digits = std::string(text.substr(0, 3)) + std::string(text.substr(4, 5));
    } else if (auto parsed = parseFrequency(text);
               parsed && parsed->tenHertz < kMaxFrequencyUnits) {
        digits = std::to_string(parsed->tenHertz);
        digits.insert(digits.begin(), 8 - digits.size(), '0');
    } else {
        for (std::size_t i = 0; i < layout::kFrequencySize; ++i) put(image, offset + i, 0xFF);
        return;
    }
    for (std::size_t i = 0; i < layout::kFrequencySize; ++i) {
        std::size_t pair = 6 - 2 * i;  // GH first, AB last
        int high = hexDigitValue(digits[pair]);
        int low = hexDigitValue(digits[pair + 1]);
        put(image, offset + i, static_cast<std::uint8_t>(high << 4 | low));
    }
}

ToneCode readTone(const MemoryImage& image, std::size_t offset) {
    return static_cast<ToneCode>(image.at(offset) | image.at(offset + 1) << 8);
}

void writeTone(Bytes& image, std::size_t offset, ToneCode code) {
    writeWord(image, offset, code);
}

std::string readChars(const MemoryImage& image, std::size_t offset, std::size_t size,
                      CharVariant variant) {
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        std::uint8_t byte = image.at(offset + i);
        if (byte == layout::kFiller && variant != CharVariant::IdCode) continue;
        if (byte == kDtmfZero && variant == CharVariant::DtmfCode) byte = '0';
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

void writeChars(Bytes& image, std::size_t offset, std::size_t size, std::string_view text,
                CharVariant variant) {
    for (std::size_t i = 0; i < size; ++i) {
        std::uint8_t byte = layout::kFiller;
        if (i < text.size()) {
            byte = static_cast<std::uint8_t>(text[i]);
            if (byte == '0' && variant == CharVariant::DtmfCode) byte = kDtmfZero;
        }
        put(image, offset + i, byte);
    }
}

}  // namespace pl63::field
