#pragma once
// The radio's address map as image offsets (image offset k = radio address
// 0x0010 + k). Every byte the codec reads or writes is named here; bytes not
// named are 0xFF filler that the radio ignores.
#include <array>
#include <cstddef>
#include <cstdint>

namespace pl63::layout {

// Channel records.
constexpr std::size_t kChannels = 0x000;  // 16 records of 16 bytes
constexpr std::size_t kChannelRecordSize = 16;
constexpr std::size_t kRecRxFrequency = 0;  // offsets inside a record
constexpr std::size_t kRecTxFrequency = 4;
constexpr std::size_t kRecRxTone = 8;
constexpr std::size_t kRecTxTone = 10;
constexpr std::size_t kRecFlagsA = 12;  // bit 3 forbid on carrier
constexpr std::size_t kRecFlagsB = 13;  // bit 5 high power, bit 4 wide
constexpr std::size_t kRecConstant1 = 14;
constexpr std::size_t kRecConstant2 = 15;

constexpr std::uint8_t kFlagsABase = 0xF0;
constexpr std::uint8_t kFlagsAForbidBit = 0x08;
constexpr std::uint8_t kFlagsBBase = 0xC0;
constexpr std::uint8_t kFlagsBPowerBit = 0x20;
constexpr std::uint8_t kFlagsBWideBit = 0x10;
constexpr std::uint8_t kRecConstant1Value = 0xFC;
constexpr std::uint8_t kRecConstant2Value = 0xFF;

// DTMF, keys, ID code.
constexpr std::size_t kDtmfSettings = 0x100;  // 8 bytes, DtmfSettings 0-7
constexpr std::size_t kDtmfFirstDigitDelay = 0x102;
constexpr std::size_t kDtmfGroupCallCode = 0x106;
constexpr std::size_t kSideKeys = 0x10D;  // PF1, PF2
constexpr std::size_t kPf1Key = 0x10D;
constexpr std::size_t kPf2Key = 0x10E;
constexpr std::size_t kIdCode = 0x110;
constexpr std::size_t kIdCodeSize = 10;

// "Function Set", PTT ID and VOX.
constexpr std::size_t kVoicePrompt = 0x11F;
constexpr std::size_t kTimeOut = 0x120;
constexpr std::size_t kTimeOutWarn = 0x121;
constexpr std::size_t kPttId = 0x122;
constexpr std::size_t kAlwaysZero = 0x123;
constexpr std::size_t kSquelchGrade = 0x124;
constexpr std::size_t kBatterySave = 0x125;
constexpr std::size_t kBeep = 0x126;
constexpr std::size_t kCancelOperation = 0x127;
constexpr std::size_t kRxBannedVox = 0x128;
constexpr std::size_t kVoxFunction = 0x129;
constexpr std::size_t kVoxGain = 0x12A;
constexpr std::size_t kVoxDelay = 0x12B;
constexpr std::size_t kVoxVolumeControl = 0x12C;
constexpr std::size_t kDuplicate = 0x12E;  // bit 0, bits 7-1 set
constexpr std::uint8_t kDuplicateBase = 0xFE;

// PTT ID codes.
constexpr std::size_t kPttIdStartCode = 0x130;
constexpr std::size_t kPttIdEndCode = 0x140;
constexpr std::size_t kPttIdCodeSize = 16;

// Scan options.
constexpr std::size_t kPriority = 0x150;
constexpr std::size_t kPreferredChannel = 0x151;
constexpr std::size_t kRetraceTimeA = 0x152;
constexpr std::size_t kRetraceTimeB = 0x153;
constexpr std::size_t kReturnChannel = 0x154;
constexpr std::size_t kScanReceiveDelay = 0x155;  // 16-bit, low byte first
constexpr std::size_t kScanLaunchDelay = 0x157;   // 16-bit, low byte first
constexpr std::size_t kScanBitmap = 0x16E;        // channels 1-8, 9-16

// Tuning, model, band, password.
constexpr std::size_t kTxHighPowerTune = 0x173;
constexpr std::size_t kTxLowPowerTune = 0x178;
constexpr std::size_t kModelId = 0x1A8;
constexpr std::size_t kBandCode = 0x1AD;
constexpr std::size_t kBandConstant = 0x1AE;
constexpr std::size_t kCommPassword = 0x1B0;
constexpr std::size_t kCommPasswordSize = 16;

// Tables.
constexpr std::size_t kDtmfCodes = 0x1F0;  // 8 codes of 16 characters
constexpr std::size_t kDtmfCodeSize = 16;
constexpr std::size_t kDtmfCodeCount = 8;
constexpr std::size_t kTestFrequencies = 0x270;  // 16 x (RX, TX), 4 bytes each
constexpr std::size_t kTestChannelSize = 8;
constexpr std::size_t kEmbeddedInfo1 = 0x2F0;
constexpr std::size_t kEmbeddedInfo2 = 0x310;
constexpr std::size_t kEmbeddedInfoSize = 32;

// Constants at the end.
constexpr std::size_t kImageTag = 0x330;
constexpr std::size_t kBandCodeCopy = 0x33C;  // written, never read back
constexpr std::size_t kSerialDigits = 0x340;
constexpr std::size_t kTrailer = 0x348;

constexpr std::size_t kDecodedSize = 0x330;  // what we ever read
constexpr std::size_t kImageSize = 0x350;    // what we always write

constexpr std::size_t kFrequencySize = 4;
constexpr std::uint8_t kFiller = 0xFF;  // unprogrammed byte, also "no character"

constexpr std::array<std::uint8_t, 5> kModelIdBytes{'K', 'V', '9', '1', '4'};
constexpr std::array<std::uint8_t, 2> kBandConstantBytes{0xF8, 0xFF};
constexpr std::array<std::uint8_t, 7> kImageTagBytes{'G', 'Z', 'T', 'M', '2', '6', '0'};
constexpr std::array<std::uint8_t, 8> kSerialDigitsBytes{'5', '2', '7', '1', '8', '3', '0', '4'};
constexpr std::array<std::uint8_t, 8> kTrailerBytes{0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88, 0x88};

constexpr std::size_t channelRecord(int channel) {
    return kChannels + kChannelRecordSize * static_cast<std::size_t>(channel - 1);
}
constexpr std::size_t dtmfCode(int index) {
    return kDtmfCodes + kDtmfCodeSize * static_cast<std::size_t>(index);
}
constexpr std::size_t testChannel(int row) {
    return kTestFrequencies + kTestChannelSize * static_cast<std::size_t>(row - 1);
}

}  // namespace pl63::layout
