#include "option_areas.h"

#include <string>

#include "band.h"
#include "conversions.h"
#include "layout.h"

namespace pl63 {

namespace {

using namespace layout;

// The store texts hold decimal numbers as the windows typed them.
long long storeNumber(const std::string& text) {
    return leadingNumber(text);
}

// Sets `target` to `byte` when it lies in min..max.
template <typename T>
void takeIfIn(std::uint8_t byte, int min, int max, T& target) {
    if (byte >= min && byte <= max) target = static_cast<T>(byte);
}

void takeTextIfIn(std::uint8_t byte, int min, int max, std::string& target) {
    if (byte >= min && byte <= max) target = std::to_string(byte);
}

constexpr std::uint8_t kDigitZero = '0';
constexpr std::uint8_t kDigitNine = '9';
constexpr int kFirstDigitDelayMin = 10;  // 100 ms, in the radio's 10 ms units
constexpr int kFirstDigitDelayMax = 100;
constexpr int kMsPerDelayUnit = 10;
constexpr int kTimeOutMaxByte = 40;
constexpr int kRetraceMax = 91;
constexpr int kScanDelayLimit = 301;  // below this the radio's value is taken
constexpr int kPfKeyMax = 11;

// DtmfSettings[2], first digit delay: the store holds milliseconds, so every
// delay byte a radio may hold survives a read and write unchanged; a window
// maps 100 + 50p ms to its list position p. Start-up leaves it at 0, which the
// radio software writes as 00.
void decodeDtmfSettings(const MemoryImage& image, Codeplug& c) {
    auto& dtmf = c.DtmfSettings;
    takeIfIn(image.at(kDtmfSettings + 0), 0, 3, dtmf[0]);
    takeIfIn(image.at(kDtmfSettings + 1), 0, 3, dtmf[1]);
    std::uint8_t delay = image.at(kDtmfFirstDigitDelay);
    if (delay >= kFirstDigitDelayMin && delay <= kFirstDigitDelayMax) {
        dtmf[2] = delay * kMsPerDelayUnit;
    }
    takeIfIn(image.at(kDtmfSettings + 3), 0, 3, dtmf[3]);
    takeIfIn(image.at(kDtmfSettings + 4), 0, 16, dtmf[4]);
    takeIfIn(image.at(kDtmfSettings + 5), 0, 1, dtmf[5]);
    // Group call code: stored as the digit character of the list position.
    // Other bytes have no meaning and leave the value; digits 7-9 are taken
    // as they are, and the window must cope with a position past its list.
    std::uint8_t group = image.at(kDtmfGroupCallCode);
    if (group == 0x00 || group == kFiller) {
        dtmf[6] = 0;
    } else if (group >= kDigitZero && group <= kDigitNine) {
        dtmf[6] = group - kDigitZero;
    }
    takeIfIn(image.at(kDtmfSettings + 7), 0, 15, dtmf[7]);
}

void decodeFunctionSet(const MemoryImage& image, Codeplug& c) {
    FunctionSet& f = c.functions;
    takeIfIn(image.at(kVoicePrompt), 0, 2, f.voicePrompt);
    std::uint8_t timeOut = image.at(kTimeOut);
    if (timeOut <= kTimeOutMaxByte) f.timeOut = static_cast<std::int16_t>(timeOut - 1);
    takeIfIn(image.at(kTimeOutWarn), 0, 10, f.timeOutWarn);
    takeTextIfIn(image.at(kPttId), 0, 2, c.OptionalSettings[3]);
    takeIfIn(image.at(kSquelchGrade), 0, 9, f.squelchGrade);
    takeIfIn(image.at(kBatterySave), 0, 1, f.batterySave);
    takeIfIn(image.at(kBeep), 0, 1, f.beep);
    takeIfIn(image.at(kCancelOperation), 0, 1, f.cancelOperation);
    takeIfIn(image.at(kRxBannedVox), 0, 1, f.rxBannedVox);
    takeIfIn(image.at(kVoxFunction), 0, 1, f.voxFunction);
    takeIfIn(image.at(kVoxGain), 0, 10, f.voxGain);
    takeIfIn(image.at(kVoxDelay), 0, 5, f.voxDelay);
}

void decodeRetrace(std::uint8_t byte, std::string& target) {
    if (byte == kFiller) {
        target = std::to_string(0);  // "Empty"
    } else {
        takeTextIfIn(byte, 0, kRetraceMax, target);
    }
}

void decodeScanDelay(const MemoryImage& image, std::size_t offset, std::string& target) {
    int value = field::readSignedWord(image, offset);
    if (value < kScanDelayLimit) target = std::to_string(value);
}

void decodeScanOptions(const MemoryImage& image, Codeplug& c) {
    auto& opt = c.OptionalSettings;
    takeTextIfIn(image.at(kVoxVolumeControl), 0, 1, opt[8]);
    opt[9] = std::to_string(image.at(kDuplicate) & 1);
    opt[16] = field::readChars(image, kPttIdStartCode, kPttIdCodeSize);
    opt[17] = field::readChars(image, kPttIdEndCode, kPttIdCodeSize);
    takeTextIfIn(image.at(kPriority), 0, 2, opt[10]);
    takeTextIfIn(image.at(kPreferredChannel), 1, kChannelCount, opt[11]);
    decodeRetrace(image.at(kRetraceTimeA), opt[12]);
    decodeRetrace(image.at(kRetraceTimeB), opt[13]);
    takeTextIfIn(image.at(kReturnChannel), 0, 3, opt[14]);
    decodeScanDelay(image, kScanReceiveDelay, opt[18]);
    decodeScanDelay(image, kScanLaunchDelay, opt[19]);
}

// Group call code: 0 is 0x00, any other value the character code of the first
// character of its decimal text ("1" -> 0x31), as the radio software wrote it.
std::uint8_t groupCallByte(int value) {
    if (value == 0) return 0x00;
    return static_cast<std::uint8_t>(std::to_string(value).front());
}

// Leading and trailing blanks are not part of the password; a text longer
// than the field keeps its first 16 characters.
std::string trimmedPassword(const std::string& text) {
    std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

void encodeRetrace(field::Bytes& image, std::size_t offset, const std::string& text) {
    long long value = storeNumber(text);
    field::writeByte(image, offset, value == 0 ? kFiller : value);
}

}  // namespace

void decodeOptionBytes(const MemoryImage& image, Codeplug& c) {
    decodeDtmfSettings(image, c);
    takeIfIn(image.at(kPf1Key), 0, kPfKeyMax, c.Pf1Key);
    takeIfIn(image.at(kPf2Key), 0, kPfKeyMax, c.Pf2Key);
    c.OptionalSettings[15] =
        field::readChars(image, kIdCode, kIdCodeSize, field::CharVariant::IdCode);
    decodeFunctionSet(image, c);
    decodeScanOptions(image, c);
}

void decodeTrailingAreas(const MemoryImage& image, Codeplug& c) {
    c.TxHighPowerTune = image.at(kTxHighPowerTune);
    c.TxLowPowerTune = image.at(kTxLowPowerTune);
    // The channels just decoded are not checked against the band.
    if (auto band = bandPositionForCode(image.at(kBandCode))) {
        c.band = static_cast<std::int16_t>(*band);
    }
    c.CommPassword = field::readChars(image, kCommPassword, kCommPasswordSize);
    for (std::size_t i = 0; i < kDtmfCodeCount; ++i) {
        c.DtmfCodes[i] = field::readChars(image, dtmfCode(static_cast<int>(i)), kDtmfCodeSize,
                                          field::CharVariant::DtmfCode);
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        c.TestFrequencies[row - 1][0] = field::readFrequency(image, testChannel(row));
        c.TestFrequencies[row - 1][1] =
            field::readFrequency(image, testChannel(row) + kFrequencySize);
    }
    c.EmbeddedInfo[0] = field::readChars(image, kEmbeddedInfo1, kEmbeddedInfoSize);
    c.EmbeddedInfo[1] = field::readChars(image, kEmbeddedInfo2, kEmbeddedInfoSize);
}

void encodeOptionAreas(const Codeplug& c, field::Bytes& image) {
    const auto& dtmf = c.DtmfSettings;
    const auto& opt = c.OptionalSettings;
    const FunctionSet& f = c.functions;

    for (std::size_t i = 0; i < dtmf.size(); ++i)
        field::writeByte(image, kDtmfSettings + i, dtmf[i]);
    field::writeByte(image, kDtmfFirstDigitDelay, dtmf[2] / kMsPerDelayUnit);
    field::writeByte(image, kDtmfGroupCallCode, groupCallByte(dtmf[6]));
    field::writeByte(image, kPf1Key, c.Pf1Key);
    field::writeByte(image, kPf2Key, c.Pf2Key);
    field::writeChars(image, kIdCode, kIdCodeSize, opt[15]);

    field::writeByte(image, kVoicePrompt, f.voicePrompt);
    field::writeByte(image, kTimeOut, f.timeOut + 1);
    field::writeByte(image, kTimeOutWarn, f.timeOutWarn);
    field::writeByte(image, kPttId, storeNumber(opt[3]));
    field::writeByte(image, kAlwaysZero, 0x00);
    field::writeByte(image, kSquelchGrade, f.squelchGrade);
    field::writeByte(image, kBatterySave, f.batterySave);
    field::writeByte(image, kBeep, f.beep);
    field::writeByte(image, kCancelOperation, f.cancelOperation ? 1 : 0);
    field::writeByte(image, kRxBannedVox, f.rxBannedVox ? 1 : 0);
    field::writeByte(image, kVoxFunction, f.voxFunction);
    field::writeByte(image, kVoxGain, f.voxGain);
    field::writeByte(image, kVoxDelay, f.voxDelay);
    field::writeByte(image, kVoxVolumeControl, storeNumber(opt[8]));
    field::writeByte(image, kDuplicate, kDuplicateBase | (storeNumber(opt[9]) & 1));

    field::writeChars(image, kPttIdStartCode, kPttIdCodeSize, opt[16]);
    field::writeChars(image, kPttIdEndCode, kPttIdCodeSize, opt[17]);

    field::writeByte(image, kPriority, storeNumber(opt[10]));
    field::writeByte(image, kPreferredChannel, storeNumber(opt[11]));
    encodeRetrace(image, kRetraceTimeA, opt[12]);
    encodeRetrace(image, kRetraceTimeB, opt[13]);
    field::writeByte(image, kReturnChannel, storeNumber(opt[14]));
    field::writeWord(image, kScanReceiveDelay, storeNumber(opt[18]));
    field::writeWord(image, kScanLaunchDelay, storeNumber(opt[19]));

    field::writeByte(image, kTxHighPowerTune, c.TxHighPowerTune);
    field::writeByte(image, kTxLowPowerTune, c.TxLowPowerTune);
    field::writeConstant(image, kModelId, kModelIdBytes);
    // A band position outside the list has no code; 0xFF ("unprogrammed")
    // is written rather than silently picking some band.
    const BandEntry* band = bandAt(c.band);
    std::uint8_t bandCode = band ? band->code : kFiller;
    field::writeByte(image, kBandCode, bandCode);
    field::writeConstant(image, kBandConstant, kBandConstantBytes);
    field::writeChars(image, kCommPassword, kCommPasswordSize, trimmedPassword(c.CommPassword));

    for (std::size_t i = 0; i < kDtmfCodeCount; ++i) {
        field::writeChars(image, dtmfCode(static_cast<int>(i)), kDtmfCodeSize, c.DtmfCodes[i],
                          field::CharVariant::DtmfCode);
    }
    for (int row = 1; row <= kChannelCount; ++row) {
        field::writeFrequency(image, testChannel(row), c.TestFrequencies[row - 1][0]);
        field::writeFrequency(image, testChannel(row) + kFrequencySize,
                              c.TestFrequencies[row - 1][1]);
    }
    field::writeChars(image, kEmbeddedInfo1, kEmbeddedInfoSize, c.EmbeddedInfo[0]);
    field::writeChars(image, kEmbeddedInfo2, kEmbeddedInfoSize, c.EmbeddedInfo[1]);

    field::writeConstant(image, kImageTag, kImageTagBytes);
    field::writeByte(image, kBandCodeCopy, bandCode);
    field::writeConstant(image, kSerialDigits, kSerialDigitsBytes);
    field::writeConstant(image, kTrailer, kTrailerBytes);
}

}  // namespace pl63
