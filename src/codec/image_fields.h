#pragma once
// The field encodings every area of the image shares: number bytes, 16-bit
// words, BCD frequencies, tone codes and character fields. Records and option
// areas are lists of one-line reads and writes over these.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "memory_image.h"
#include "tone_code.h"

namespace pl63::field {

using Bytes = std::vector<std::uint8_t>;

// One byte; a value outside 0..255 keeps its low 8 bits, so -1 (a list with no
// selection) becomes 0xFF, the radio's "unprogrammed" marker.
void writeByte(Bytes& image, std::size_t offset, long long value);

// Two bytes, low byte first; a value outside 0..65535 keeps its low 16 bits.
void writeWord(Bytes& image, std::size_t offset, long long value);
// Read back as signed, so FF FF is -1.
int readSignedWord(const MemoryImage& image, std::size_t offset);

// Four BCD bytes, least significant first; FF FF FF FF is "no frequency" and
// reads as an empty text. The digits are copied as they stand, so a
// non-decimal digit shows in the text (and goes back into the image as it came).
std::string readFrequency(const MemoryImage& image, std::size_t offset);
// Empty text gives FF FF FF FF. A FreqText (ABC.DEFGH) is copied digit by digit
// from its fixed positions. Any other plain decimal MHz below 1000 with at most
// five decimals ("435.125") is written as that frequency; text that is no
// frequency at all is written as "no frequency" rather than as stray digits.
void writeFrequency(Bytes& image, std::size_t offset, std::string_view text);

ToneCode readTone(const MemoryImage& image, std::size_t offset);
void writeTone(Bytes& image, std::size_t offset, ToneCode code);

// Character fields: one byte per character (the text's bytes as they are),
// 0xFF after the text; characters past the field's size are not written.
enum class CharVariant {
    Plain,     // 0xFF skipped on read
    DtmfCode,  // "0" stored as 0x3A, and 0x3A read as "0"
    IdCode,    // every byte kept on read, 0xFF included
};
std::string readChars(const MemoryImage& image, std::size_t offset, std::size_t size,
                      CharVariant variant = CharVariant::Plain);
void writeChars(Bytes& image, std::size_t offset, std::size_t size, std::string_view text,
                CharVariant variant = CharVariant::Plain);

template <std::size_t N>
void writeConstant(Bytes& image, std::size_t offset, const std::array<std::uint8_t, N>& bytes) {
    for (std::size_t i = 0; i < N && offset + i < image.size(); ++i) image[offset + i] = bytes[i];
}

}  // namespace pl63::field
