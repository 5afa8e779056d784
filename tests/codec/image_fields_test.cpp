#include "codec/image_fields.h"

#include <gtest/gtest.h>

#include "codec/layout.h"

namespace pl63 {
namespace {

std::string hexAt(const field::Bytes& bytes, std::size_t offset, std::size_t size) {
    return MemoryImage(field::Bytes(bytes.begin() + offset, bytes.begin() + offset + size)).hex();
}

TEST(ImageFieldsTest, FrequencyFieldBothWays) {
    struct Case {
        const char* text;
        const char* bytes;
    };
    const Case cases[] = {
        {"435.12500", "00255143"},
        {"136.00625", "25066013"},
        {"", "FFFFFFFF"},
        // Non-decimal digits come from a radio as they are and go back the same.
        {"43A.1250F", "0F25A143"},
    };
    for (const Case& c : cases) {
        field::Bytes image(8, 0x00);
        field::writeFrequency(image, 2, c.text);
        EXPECT_EQ(hexAt(image, 2, 4), c.bytes) << c.text;
        EXPECT_EQ(image[1], 0x00);
        EXPECT_EQ(image[6], 0x00);
        EXPECT_EQ(field::readFrequency(MemoryImage::fromHex(c.bytes), 0), c.text) << c.bytes;
    }
}

TEST(ImageFieldsTest, FrequencyTextOutsideFreqTextForm) {
    struct Case {
        const char* text;
        const char* bytes;
    };
    const Case cases[] = {
        {"435.125", "00255143"},  // a plain decimal is written as that frequency
        {"99.5", "00009509"},     // fewer integer digits: still the same frequency
        {"abc", "FFFFFFFF"},      // no frequency at all
        {"1.2.3", "FFFFFFFF"},      {"1000.00000", "FFFFFFFF"},  // needs a fourth integer digit
        {"435.123456", "FFFFFFFF"},
    };
    for (const Case& c : cases) {
        field::Bytes image(4, 0x00);
        field::writeFrequency(image, 0, c.text);
        EXPECT_EQ(hexAt(image, 0, 4), c.bytes) << c.text;
    }
}

TEST(ImageFieldsTest, CharacterFieldVariants) {
    MemoryImage stored = MemoryImage::fromHex("313233FFFFFFFFFFFFFFFFFFFFFFFFFF");
    EXPECT_EQ(field::readChars(stored, 0, 16), "123");
    field::Bytes image(16, 0x00);
    field::writeChars(image, 0, 16, "123");
    EXPECT_EQ(MemoryImage(image).hex(), stored.hex());

    // FF in the middle is skipped, not a terminator.
    EXPECT_EQ(field::readChars(MemoryImage::fromHex("41FF42"), 0, 3), "AB");

    MemoryImage id = MemoryImage::fromHex("41FFFF");
    EXPECT_EQ(field::readChars(id, 0, 3, field::CharVariant::IdCode), "A\xFF\xFF");

    // Longer text than the field: the rest is not written.
    field::Bytes shortField(4, 0x00);
    field::writeChars(shortField, 0, 3, "ABCDE");
    EXPECT_EQ(MemoryImage(shortField).hex(), "41424300");
}

TEST(ImageFieldsTest, ReadsPastTheEndSeeUnprogrammedBytes) {
    MemoryImage tiny = MemoryImage::fromHex("00");
    EXPECT_EQ(field::readFrequency(tiny, 4), "");
    EXPECT_EQ(field::readChars(tiny, 0, 4), std::string(1, '\0'));
}

TEST(MemoryImageTest, HexViewBothWays) {
    EXPECT_EQ(MemoryImage::fromHex("0aFf7").hex(), "0AFF");
    EXPECT_EQ(MemoryImage::fromHex("zz12").hex(), "0012");
    EXPECT_EQ(MemoryImage::fromHex("").size(), 0u);
}

}  // namespace
}  // namespace pl63
