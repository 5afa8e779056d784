#include "codec/image_codec.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "codec/layout.h"

namespace pl63 {
namespace {

std::string ff(int count) {
    return std::string(2 * count, 'F');
}
std::string repeat(const std::string& hex, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) out += hex;
    return out;
}

struct Segment {
    std::size_t offset;
    std::string hex;
};

TEST(ImageCodecTest, StartUpImageMatchesTheGoldenBytes) {
    std::string dtmfCodes;
    for (char digit = '1'; digit <= '8'; ++digit) dtmfCodes += "3" + std::string(1, digit) + ff(15);
    const std::vector<Segment> golden = {
        {0x000, repeat("FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF", 16)},
        {0x100, "0001000101010000"},
        {0x108, ff(5)},
        {0x10D, "0A00"},
        {0x10F, ff(1)},
        {0x110, ff(10)},
        {0x11A, ff(5)},
        {0x11F,
         "010C0001000401010000000000"
         "01"
         "FF"
         "FF"
         "FF"},
        {0x130, "31" + ff(15)},
        {0x140, "32" + ff(15)},
        {0x150, "000101010100000000"},
        {0x159, ff(21)},
        {0x16E, "0000"},
        {0x170, ff(3)},
        {0x173, "D0"},
        {0x174, ff(4)},
        {0x178, "5C"},
        {0x179, ff(47)},
        {0x1A8, "4B56393134"},
        {0x1AD, "33"},
        {0x1AE, "F8FF"},
        {0x1B0, ff(16)},
        {0x1C0, ff(48)},
        {0x1F0, dtmfCodes},
        {0x270, ff(0x330 - 0x270)},
        {0x330, "475A544D323630"},
        {0x337, ff(5)},
        {0x33C, "33"},
        {0x33D, ff(3)},
        {0x340, "3532373138333034"},
        {0x348, "8888888888888888"},
    };
    std::string hex = EncodeImage(Codeplug{}, Language::Chinese).hex();
    ASSERT_EQ(hex.size(), 2 * layout::kImageSize);
    std::size_t expectedOffset = 0;
    for (const Segment& s : golden) {
        ASSERT_EQ(s.offset, expectedOffset) << "golden list has a gap";
        EXPECT_EQ(hex.substr(2 * s.offset, s.hex.size()), s.hex)
            << "at offset 0x" << std::hex << s.offset;
        expectedOffset = s.offset + s.hex.size() / 2;
    }
    EXPECT_EQ(expectedOffset, layout::kImageSize);
    EXPECT_EQ(EncodeImage(Codeplug{}, Language::English).hex(), hex);
}

Codeplug programmedCodeplug() {
    Codeplug c;
    for (int row = 1; row <= kChannelCount; ++row) {
        ChannelGrid& g = c.channels;
        std::string f = "43" + std::to_string(row % 10) + ".1" + std::to_string(row % 10) + "250";
        g.setText(row, ColRxFrequency, f);
        g.setText(row, ColTxFrequency, row % 4 ? f : "");
        g.setText(row, ColRxTone, row % 2 ? "67.0" : "Off");
        g.setText(row, ColTxTone, row % 4 ? "D754I" : "");
        g.setText(row, ColPower, row % 3 ? "Low" : "Hight");
        g.setText(row, ColForbid, row % 5 ? "Off" : "Carrow");
        g.setText(row, ColBandWidth, row % 2 ? "Narrow" : "Wide");
        g.setText(row, ColScan, row % 6 ? "Have" : "No");
    }
    c.functions.timeOut = 3;
    c.functions.voxGain = 7;
    c.functions.cancelOperation = true;
    c.band = 5;
    c.DtmfSettings = {2, 3, 550, 2, 16, 0, 4, 15};
    c.OptionalSettings[3] = "2";
    c.OptionalSettings[11] = "16";
    c.OptionalSettings[18] = "300";
    c.OptionalSettings[15] = "ID12345678";
    c.CommPassword = "abc123";
    c.DtmfCodes[0] = "1230";
    c.TestFrequencies[3] = {"136.00625", "173.99500"};
    c.EmbeddedInfo = {"Line one", "Line two"};
    c.TxHighPowerTune = 7;
    return c;
}

TEST(ImageCodecTest, ProgrammedImageRoundTripsThroughAFreshCodeplug) {
    MemoryImage first = EncodeImage(programmedCodeplug(), Language::English);
    Codeplug reread;
    DecodeImage(first, reread, Language::English);
    EXPECT_EQ(EncodeImage(reread, Language::English), first);
    EXPECT_EQ(reread.channels.text(4, ColTxTone), "");
    EXPECT_EQ(reread.channels.text(5, ColForbid), "Carrow");
    EXPECT_EQ(reread.band, 5);
    EXPECT_EQ(reread.DtmfSettings[2], 550);
    EXPECT_EQ(reread.TestFrequencies[3][1], "173.99500");
}

TEST(ImageCodecTest, LongerImagesDecodeAsTheirFirst848Bytes) {
    MemoryImage image = EncodeImage(programmedCodeplug(), Language::English);
    std::vector<std::uint8_t> longer = image.bytes();
    for (int i = 0; i < 176; ++i) longer.push_back(static_cast<std::uint8_t>(i));
    Codeplug fromLong, fromExact;
    DecodeImage(MemoryImage(longer), fromLong, Language::English);
    DecodeImage(image, fromExact, Language::English);
    EXPECT_EQ(EncodeImage(fromLong, Language::English), EncodeImage(fromExact, Language::English));
    EXPECT_EQ(EncodeImage(fromLong, Language::English), image);
}

TEST(ImageCodecTest, DecodeOverwritesEveryRowButNotTheNumbers) {
    Codeplug c = programmedCodeplug();
    DecodeImage(EncodeImage(Codeplug{}, Language::English), c, Language::English);
    for (int row = 1; row <= kChannelCount; ++row) {
        EXPECT_FALSE(c.channels.inUse(row));
        EXPECT_EQ(c.channels.text(row, ColScan), "");
        EXPECT_EQ(c.channels.text(row, ColNumber),
                  std::string(row < 10 ? "0" : "") + std::to_string(row));
    }
}

}  // namespace
}  // namespace pl63
