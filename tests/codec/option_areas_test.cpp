#include "codec/option_areas.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "codec/image_codec.h"
#include "codec/layout.h"

namespace pl63 {
namespace {

field::Bytes startUpBytes() {
    return EncodeImage(Codeplug{}, Language::English).bytes();
}

std::string hexAt(const MemoryImage& image, std::size_t offset, std::size_t size) {
    return image.hex().substr(2 * offset, 2 * size);
}

MemoryImage withByte(std::size_t offset, std::uint8_t value) {
    field::Bytes bytes = startUpBytes();
    bytes[offset] = value;
    return MemoryImage(bytes);
}

// One-byte options whose decode takes 0..max (or min..max) and leaves the
// value otherwise; `read` shows the value as a number.
struct ByteOption {
    const char* name;
    std::size_t offset;
    int min;
    int max;
    std::function<long long(const Codeplug&)> read;
};

long long number(const std::string& text) {
    return std::stoll(text);
}

const ByteOption kByteOptions[] = {
    {"DTMF rate", 0x100, 0, 3, [](const Codeplug& c) { return c.DtmfSettings[0]; }},
    {"first digit time", 0x101, 0, 3, [](const Codeplug& c) { return c.DtmfSettings[1]; }},
    {"* and # tone", 0x103, 0, 3, [](const Codeplug& c) { return c.DtmfSettings[3]; }},
    {"D key", 0x104, 0, 16, [](const Codeplug& c) { return c.DtmfSettings[4]; }},
    {"side tone", 0x105, 0, 1, [](const Codeplug& c) { return c.DtmfSettings[5]; }},
    {"auto reset", 0x107, 0, 15, [](const Codeplug& c) { return c.DtmfSettings[7]; }},
    {"PF1", 0x10D, 0, 11, [](const Codeplug& c) { return c.Pf1Key; }},
    {"PF2", 0x10E, 0, 11, [](const Codeplug& c) { return c.Pf2Key; }},
    {"Language", 0x11F, 0, 2, [](const Codeplug& c) { return c.functions.voicePrompt; }},
    {"Time-out Warn", 0x121, 0, 10, [](const Codeplug& c) { return c.functions.timeOutWarn; }},
    {"PTT ID", 0x122, 0, 2, [](const Codeplug& c) { return number(c.OptionalSettings[3]); }},
    {"Squelch", 0x124, 0, 9, [](const Codeplug& c) { return c.functions.squelchGrade; }},
    {"Battery", 0x125, 0, 1, [](const Codeplug& c) { return c.functions.batterySave; }},
    {"Beep", 0x126, 0, 1, [](const Codeplug& c) { return c.functions.beep; }},
    {"Cancel", 0x127, 0, 1, [](const Codeplug& c) { return c.functions.cancelOperation; }},
    {"Rx banned VOX", 0x128, 0, 1, [](const Codeplug& c) { return c.functions.rxBannedVox; }},
    {"VOX", 0x129, 0, 1, [](const Codeplug& c) { return c.functions.voxFunction; }},
    {"VOX gain", 0x12A, 0, 10, [](const Codeplug& c) { return c.functions.voxGain; }},
    {"VOX delay", 0x12B, 0, 5, [](const Codeplug& c) { return c.functions.voxDelay; }},
    {"VOX volume", 0x12C, 0, 1, [](const Codeplug& c) { return number(c.OptionalSettings[8]); }},
    {"Priority", 0x150, 0, 2, [](const Codeplug& c) { return number(c.OptionalSettings[10]); }},
    {"Preferred", 0x151, 1, 16, [](const Codeplug& c) { return number(c.OptionalSettings[11]); }},
    {"Return", 0x154, 0, 3, [](const Codeplug& c) { return number(c.OptionalSettings[14]); }},
};

TEST(OptionAreasTest, ByteOptionsTakeTheirRangeOnlyAndEncodeBack) {
    for (const ByteOption& o : kByteOptions) {
        for (int value : {o.min, o.max}) {
            Codeplug c;
            DecodeImage(withByte(o.offset, static_cast<std::uint8_t>(value)), c, Language::English);
            EXPECT_EQ(o.read(c), value) << o.name;
            EXPECT_EQ(EncodeImage(c, Language::English).at(o.offset), value) << o.name;
        }
        for (int outside : {o.min - 1, o.max + 1}) {
            if (outside < 0) continue;
            Codeplug c;
            long long before = o.read(c);
            DecodeImage(withByte(o.offset, static_cast<std::uint8_t>(outside)), c,
                        Language::English);
            EXPECT_EQ(o.read(c), before) << o.name << " byte " << outside;
        }
    }
}

TEST(OptionAreasTest, AllUnprogrammedOptionBytes) {
    Codeplug c;
    c.channels.setText(3, ColRxFrequency, "435.12500");
    c.channels.setText(3, ColScan, "No");
    c.functions = {3, 2, 7, 2, 0, 0, 1, 9, 4, true, true};
    c.Pf1Key = 4;
    c.Pf2Key = 7;
    c.DtmfSettings = {3, 2, 400, 0, 12, 0, 5, 9};
    c.band = 6;
    c.OptionalSettings[3] = "2";
    c.OptionalSettings[8] = "0";
    c.OptionalSettings[10] = "2";
    c.OptionalSettings[11] = "9";
    c.OptionalSettings[14] = "3";
    c.CommPassword = "secret";
    const FunctionSet functionsBefore = c.functions;
    const Codeplug before = c;

    field::Bytes bytes = EncodeImage(c, Language::English).bytes();
    std::fill(bytes.begin() + layout::kDtmfSettings, bytes.end(), layout::kFiller);
    DecodeImage(MemoryImage(bytes), c, Language::English);

    const FunctionSet& f = c.functions;
    EXPECT_EQ(f.timeOut, functionsBefore.timeOut);
    EXPECT_EQ(f.timeOutWarn, functionsBefore.timeOutWarn);
    EXPECT_EQ(f.squelchGrade, functionsBefore.squelchGrade);
    EXPECT_EQ(f.voicePrompt, functionsBefore.voicePrompt);
    EXPECT_EQ(f.voxDelay, functionsBefore.voxDelay);
    EXPECT_EQ(f.cancelOperation, functionsBefore.cancelOperation);
    EXPECT_EQ(c.Pf1Key, 4);
    EXPECT_EQ(c.Pf2Key, 7);
    for (int i : {0, 1, 2, 3, 4, 5, 7}) EXPECT_EQ(c.DtmfSettings[i], before.DtmfSettings[i]) << i;
    EXPECT_EQ(c.DtmfSettings[6], 0);
    EXPECT_EQ(c.band, 6);
    for (int i : {3, 8, 10, 11, 14}) EXPECT_EQ(c.OptionalSettings[i], before.OptionalSettings[i]);
    EXPECT_EQ(c.OptionalSettings[9], "1");
    EXPECT_EQ(c.OptionalSettings[12], "0");
    EXPECT_EQ(c.OptionalSettings[13], "0");
    EXPECT_EQ(c.OptionalSettings[18], "-1");
    EXPECT_EQ(c.OptionalSettings[19], "-1");
    EXPECT_EQ(c.OptionalSettings[15], std::string(10, '\xFF'));
    EXPECT_EQ(c.OptionalSettings[16], "");
    EXPECT_EQ(c.OptionalSettings[17], "");
    EXPECT_EQ(c.TxHighPowerTune, 255);
    EXPECT_EQ(c.TxLowPowerTune, 255);
    EXPECT_EQ(c.channels.text(3, ColScan), "Have");
    EXPECT_EQ(c.CommPassword, "");
    for (const auto& code : c.DtmfCodes) EXPECT_EQ(code, "");
    for (const auto& row : c.TestFrequencies) EXPECT_EQ(row[0] + row[1], "");
    EXPECT_EQ(c.EmbeddedInfo[0] + c.EmbeddedInfo[1], "");
    // The ID code's FF bytes go back as they came.
    EXPECT_EQ(hexAt(EncodeImage(c, Language::English), layout::kIdCode, 10), std::string(20, 'F'));
}

TEST(OptionAreasTest, TimeOutIsStoredAsPositionPlusOne) {
    Codeplug c;
    DecodeImage(withByte(layout::kTimeOut, 12), c, Language::English);
    EXPECT_EQ(c.functions.timeOut, 11);
    EXPECT_EQ(EncodeImage(c, Language::English).at(layout::kTimeOut), 12);

    DecodeImage(withByte(layout::kTimeOut, 40), c, Language::English);
    EXPECT_EQ(c.functions.timeOut, 39);
    DecodeImage(withByte(layout::kTimeOut, 41), c, Language::English);
    EXPECT_EQ(c.functions.timeOut, 39);

    // 0 leaves the list without selection, which writes 0 again.
    DecodeImage(withByte(layout::kTimeOut, 0), c, Language::English);
    EXPECT_EQ(c.functions.timeOut, -1);
    EXPECT_EQ(EncodeImage(c, Language::English).at(layout::kTimeOut), 0);
}

TEST(OptionAreasTest, FirstDigitDelayHoldsMilliseconds) {
    struct Case {
        std::uint8_t byte;
        int stored;  // start-up 0 when not accepted
    };
    const Case cases[] = {{10, 100}, {15, 150}, {100, 1000}, {9, 0}, {101, 0}, {0xFF, 0}};
    for (const Case& k : cases) {
        Codeplug c;
        DecodeImage(withByte(layout::kDtmfFirstDigitDelay, k.byte), c, Language::English);
        EXPECT_EQ(c.DtmfSettings[2], k.stored) << int(k.byte);
        if (k.stored != 0) {
            EXPECT_EQ(EncodeImage(c, Language::English).at(layout::kDtmfFirstDigitDelay), k.byte);
        }
    }
    Codeplug c;
    c.DtmfSettings[2] = 155;
    EXPECT_EQ(EncodeImage(c, Language::English).at(layout::kDtmfFirstDigitDelay), 15);
}

TEST(OptionAreasTest, GroupCallCodeIsADigitCharacter) {
    struct Case {
        std::uint8_t byte;
        int stored;
    };
    const Case cases[] = {{0x00, 0}, {0xFF, 0}, {0x31, 1}, {0x36, 6}, {0x39, 9}, {0x41, 5}};
    for (const Case& k : cases) {
        Codeplug c;
        c.DtmfSettings[6] = 5;
        DecodeImage(withByte(layout::kDtmfGroupCallCode, k.byte), c, Language::English);
        EXPECT_EQ(c.DtmfSettings[6], k.stored) << int(k.byte);
    }
    Codeplug c;
    c.DtmfSettings[6] = 3;
    EXPECT_EQ(EncodeImage(c, Language::English).at(layout::kDtmfGroupCallCode), 0x33);
    c.DtmfSettings[6] = 0;
    EXPECT_EQ(EncodeImage(c, Language::English).at(layout::kDtmfGroupCallCode), 0x00);
}

TEST(OptionAreasTest, StoreTextsAreWrittenFromTheirLeadingNumber) {
    struct Case {
        int index;
        const char* text;
        std::size_t offset;
        const char* bytes;
    };
    const Case cases[] = {
        {18, "12abc", layout::kScanReceiveDelay, "0C00"},
        {18, "300", layout::kScanReceiveDelay, "2C01"},
        {19, "-1", layout::kScanLaunchDelay, "FFFF"},
        {19, "", layout::kScanLaunchDelay, "0000"},
        {19, "70000", layout::kScanLaunchDelay, "7011"},  // low 16 bits
        {10, "-1", layout::kPriority, "FF"},              // list without selection
        {11, "16", layout::kPreferredChannel, "10"},
        {11, "x", layout::kPreferredChannel, "00"},
        {12, "0", layout::kRetraceTimeA, "FF"},
        {12, "91", layout::kRetraceTimeA, "5B"},
        {13, "", layout::kRetraceTimeB, "FF"},
        {9, "0", layout::kDuplicate, "FE"},
        {9, "1", layout::kDuplicate, "FF"},
        {3, "2", layout::kPttId, "02"},
    };
    for (const Case& k : cases) {
        Codeplug c;
        c.OptionalSettings[k.index] = k.text;
        MemoryImage image = EncodeImage(c, Language::English);
        EXPECT_EQ(hexAt(image, k.offset, std::string(k.bytes).size() / 2), k.bytes)
            << k.index << " '" << k.text << "'";
    }
}

TEST(OptionAreasTest, ScanDelaysAndRetraceDecode) {
    struct Case {
        std::size_t offset;
        const char* bytes;
        int index;
        const char* stored;  // nullptr: left as it was
    };
    const Case cases[] = {
        {layout::kScanReceiveDelay, "2C01", 18, "300"},
        {layout::kScanReceiveDelay, "2D01", 18, nullptr},  // 301
        {layout::kScanLaunchDelay, "0080", 19, "-32768"},
        {layout::kScanLaunchDelay, "FFFF", 19, "-1"},
        {layout::kRetraceTimeA, "5B", 12, "91"},
        {layout::kRetraceTimeA, "5C", 12, nullptr},
        {layout::kRetraceTimeB, "FF", 13, "0"},
        {layout::kDuplicate, "FE", 9, "0"},
        {layout::kDuplicate, "01", 9, "1"},
    };
    for (const Case& k : cases) {
        field::Bytes bytes = startUpBytes();
        MemoryImage part = MemoryImage::fromHex(k.bytes);
        std::copy(part.bytes().begin(), part.bytes().end(), bytes.begin() + k.offset);
        Codeplug c;
        c.OptionalSettings[k.index] = "7";
        DecodeImage(MemoryImage(bytes), c, Language::English);
        EXPECT_EQ(c.OptionalSettings[k.index], k.stored ? k.stored : "7") << k.bytes;
    }
}

TEST(OptionAreasTest, BandCodesBothWays) {
    const std::uint8_t codes[] = {0x33, 0x21, 0x43, 0x63, 0x53, 0x01, 0x73};
    for (int position = 0; position < 7; ++position) {
        Codeplug c;
        c.band = static_cast<std::int16_t>(position);
        MemoryImage image = EncodeImage(c, Language::English);
        EXPECT_EQ(image.at(layout::kBandCode), codes[position]);
        EXPECT_EQ(image.at(layout::kBandCodeCopy), codes[position]);

        Codeplug reread;
        reread.channels.setText(1, ColRxFrequency, "445.00000");  // replaced by the empty image
        field::Bytes bytes = image.bytes();
        bytes[layout::kBandCodeCopy] = 0x33;  // never read back
        DecodeImage(MemoryImage(bytes), reread, Language::English);
        EXPECT_EQ(reread.band, position);
        // No band question, no clearing: the decoded channels stay.
        EXPECT_FALSE(reread.channels.inUse(1));
    }
    Codeplug outOfBand;
    outOfBand.band = 5;
    outOfBand.channels.setText(1, ColRxFrequency, "450.00000");  // outside 136-174
    Codeplug decoded;
    DecodeImage(EncodeImage(outOfBand, Language::English), decoded, Language::English);
    EXPECT_EQ(decoded.band, 5);
    EXPECT_EQ(decoded.channels.text(1, ColRxFrequency), "450.00000");

    Codeplug c;
    c.band = 2;
    DecodeImage(withByte(layout::kBandCode, 0x34), c, Language::English);
    EXPECT_EQ(c.band, 2);

    // A position past the list has no code: 0xFF rather than some other band.
    c.band = 7;
    EXPECT_EQ(EncodeImage(c, Language::English).at(layout::kBandCode), 0xFF);
}

TEST(OptionAreasTest, PasswordIsTrimmedAndCutToSixteen) {
    struct Case {
        const char* password;
        const char* bytes;
    };
    const Case cases[] = {
        {"  ab1 ", "616231FFFFFFFFFFFFFFFFFFFFFFFFFF"},
        {"", "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
        {"    ", "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},
        {" 0123456789abcdefXYZ", "30313233343536373839616263646566"},
        {"a b", "612062FFFFFFFFFFFFFFFFFFFFFFFFFF"},
    };
    for (const Case& k : cases) {
        Codeplug c;
        c.CommPassword = k.password;
        MemoryImage image = EncodeImage(c, Language::English);
        EXPECT_EQ(hexAt(image, layout::kCommPassword, 16), k.bytes) << k.password;
        EXPECT_EQ(image.size(), layout::kImageSize);
        EXPECT_EQ(image.at(layout::kCommPassword + 16), 0xFF);
    }
}

TEST(OptionAreasTest, DtmfCodesTestChannelsAndTextsRoundTrip) {
    Codeplug c;
    c.DtmfCodes[0] = "1230";
    c.DtmfCodes[7] = "*#AD0123456789ABC";  // 17 characters: the last is not written
    c.TestFrequencies[0] = {"435.12500", ""};
    c.TestFrequencies[15] = {"", "438.50625"};
    c.EmbeddedInfo = {"Hello", std::string(40, 'x')};
    c.OptionalSettings[16] = "*123#";
    MemoryImage image = EncodeImage(c, Language::English);
    EXPECT_EQ(hexAt(image, layout::dtmfCode(0), 16), "3132333A" + std::string(24, 'F'));
    EXPECT_EQ(hexAt(image, layout::testChannel(1), 8), "00255143FFFFFFFF");
    EXPECT_EQ(hexAt(image, layout::testChannel(16), 8), "FFFFFFFF25068543");

    Codeplug back;
    DecodeImage(image, back, Language::English);
    EXPECT_EQ(back.DtmfCodes[0], "1230");
    EXPECT_EQ(back.DtmfCodes[7], "*#AD0123456789AB");
    EXPECT_EQ(back.DtmfCodes[1], "2");
    EXPECT_EQ(back.TestFrequencies[0][0], "435.12500");
    EXPECT_EQ(back.TestFrequencies[0][1], "");
    EXPECT_EQ(back.TestFrequencies[15][1], "438.50625");
    EXPECT_EQ(back.EmbeddedInfo[0], "Hello");
    EXPECT_EQ(back.EmbeddedInfo[1], std::string(32, 'x'));
    EXPECT_EQ(back.OptionalSettings[16], "*123#");
}

TEST(OptionAreasTest, TuningValuesAreTakenWithoutCheck) {
    field::Bytes bytes = startUpBytes();
    bytes[layout::kTxHighPowerTune] = 0x00;
    bytes[layout::kTxLowPowerTune] = 0xFE;
    Codeplug c;
    DecodeImage(MemoryImage(bytes), c, Language::English);
    EXPECT_EQ(c.TxHighPowerTune, 0);
    EXPECT_EQ(c.TxLowPowerTune, 254);
    EXPECT_EQ(EncodeImage(c, Language::English).bytes(), bytes);
}

}  // namespace
}  // namespace pl63
