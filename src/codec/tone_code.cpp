#include "tone_code.h"

#include <array>

#include "conversions.h"
#include "grid_texts.h"

namespace pl63 {

namespace {

constexpr std::array<std::string_view, 50> kCtcssTones{
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.9",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};

constexpr std::array<std::string_view, 105> kDcsCodes{
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754"};

constexpr ToneCode kDcsNormal = 0x2000;
constexpr ToneCode kDcsInverted = 0xA000;
// Always set so that bits 11-0 read as exactly four octal digits, "4" first.
constexpr ToneCode kDcsMarker = 0x0800;
constexpr ToneCode kDcsCodeMask = 0x01FF;
constexpr ToneCode kDcsBits = 0x0FFF;

int digitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : 0;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

std::string octal(unsigned value) {
    std::string out;
    do {
        out.insert(out.begin(), static_cast<char>('0' + (value & 7)));
        value >>= 3;
    } while (value != 0);
    return out;
}

std::string decodeDcs(ToneCode code, char polarity) {
    std::string digits = octal(code & kDcsBits);
    if (digits.size() > 3) digits.erase(0, digits.size() - 3);
    return "D" + digits + polarity;
}

// Tenths of Hz of a CTCSS text, or nothing when it is not a plain decimal.
std::optional<long> ctcssTenths(std::string_view text) {
    long whole = 0;
    int wholeDigits = 0;
    std::size_t pos = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        if (++wholeDigits > 5) return std::nullopt;
        whole = whole * 10 + (text[pos] - '0');
    }
    long tenth = 0;
    if (pos < text.size()) {
        if (text[pos] != '.') return std::nullopt;
        ++pos;
        std::size_t firstDecimal = pos;
        for (; pos < text.size(); ++pos) {
            if (text[pos] < '0' || text[pos] > '9') return std::nullopt;
        }
        // Like the radio software, only the first decimal counts.
        if (pos > firstDecimal)
            tenth = text[firstDecimal] - '0';
        else if (wholeDigits == 0)
            return std::nullopt;
    }
    if (wholeDigits == 0 && pos == 0) return std::nullopt;
    return whole * 10 + tenth;
}

}  // namespace

std::string toneListText(int position, Language language) {
    if (position == 0) return kToneOffText.str(language);
    if (position >= kToneFirstCtcss && position < kToneFirstDcsNormal) {
        return std::string(kCtcssTones[position - kToneFirstCtcss]);
    }
    if (position >= kToneFirstDcsNormal && position < kToneFirstDcsInverted) {
        return "D" + std::string(kDcsCodes[position - kToneFirstDcsNormal]) + "N";
    }
    if (position >= kToneFirstDcsInverted && position < kToneListSize) {
        return "D" + std::string(kDcsCodes[position - kToneFirstDcsInverted]) + "I";
    }
    return {};
}

std::string decodeToneCode(ToneCode code) {
    if (code == kToneOff) return {};
    switch (code >> 12) {
        case 0x2:
            return decodeDcs(code, 'N');
        case 0xA:
            return decodeDcs(code, 'I');
        default:
            break;
    }
    int value = static_cast<std::int16_t>(code);
    std::string decimal = std::to_string(value);
    // The radio software cuts one character more from a negative number; such
    // codes are never written by us, but a radio may hold them.
    std::size_t cut = value < 0 ? 2 : 1;
    std::string head = decimal.size() > cut ? decimal.substr(0, decimal.size() - cut) : "";
    return head + "." + decimal.back();
}

std::string decodeToneDigits(std::string_view hhll) {
    ToneCode code = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        code = static_cast<ToneCode>(code << 4 | (i < hhll.size() ? hexValue(hhll[i]) : 0));
    }
    return decodeToneCode(code);
}

std::optional<ToneCode> encodeToneText(std::string_view text) {
    if (text.size() >= 2 && text.front() == 'D' && (text.back() == 'N' || text.back() == 'I')) {
        auto digitAt = [&](std::size_t i) { return i < text.size() ? digitValue(text[i]) : 0; };
        unsigned code = digitAt(1) * 64 + digitAt(2) * 8 + digitAt(3);
        ToneCode polarity = text.back() == 'N' ? kDcsNormal : kDcsInverted;
        return static_cast<ToneCode>(polarity | kDcsMarker | (code & kDcsCodeMask));
    }
    std::optional<long> tenths = ctcssTenths(text);
    if (!tenths || *tenths >= kToneOff) return std::nullopt;
    return static_cast<ToneCode>(*tenths);
}

std::string toneImageDigits(ToneCode code) {
    std::string hhll = HexWord(code);
    return hhll.substr(2, 2) + hhll.substr(0, 2);
}

}  // namespace pl63
