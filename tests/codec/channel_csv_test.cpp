#include "codec/channel_csv.h"

#include <gtest/gtest.h>

#include <random>

#include "codec/band.h"
#include "codec/csv_text.h"
#include "codec/grid_texts.h"
#include "codec/image_codec.h"
#include "codec/layout.h"

namespace pl63 {
namespace {

constexpr FrequencyBand kBand400{400, 480};

std::string header() {
    return std::string(channelCsvHeader()) + "\n";
}

void expectSameGrid(const ChannelGrid& a, const ChannelGrid& b) {
    for (int row = 1; row <= kChannelCount; ++row) {
        for (int col = ColNumber; col <= ColScan; ++col) {
            EXPECT_EQ(a.text(row, col), b.text(row, col)) << "row " << row << " col " << col;
        }
        if (!a.inUse(row)) continue;
        for (int col = ColPower; col <= ColScan; ++col) {
            EXPECT_EQ(a.choices().at(row, col), b.choices().at(row, col)) << row << "/" << col;
        }
    }
}

ChannelGrid imported(const std::string& csv, Language language = Language::English) {
    ChannelGrid grid;
    auto status = importChannelsCsv(csv, grid, kBand400, language);
    EXPECT_TRUE(status.ok()) << status.error().en;
    return grid;
}

TEST(ChannelCsvTest, EmptyGridExportsSixteenNumberedEmptyRows) {
    std::string expected = header();
    for (int ch = 1; ch <= 16; ++ch) expected += std::to_string(ch) + ",,,,,,,,\n";
    EXPECT_EQ(exportChannelsCsv(ChannelGrid()), expected);
}

TEST(ChannelCsvTest, RowWithOnlyReceiveFrequencyGetsTheNewChannelDefaults) {
    ChannelGrid grid = imported(header() + "3,438.507\n");
    EXPECT_EQ(exportChannelsCsv(grid).substr(header().size()),
              "1,,,,,,,,\n2,,,,,,,,\n3,438.50625,Off,438.50625,Off,High,Off,Wide,Yes\n"
              "4,,,,,,,,\n5,,,,,,,,\n6,,,,,,,,\n7,,,,,,,,\n8,,,,,,,,\n9,,,,,,,,\n"
              "10,,,,,,,,\n11,,,,,,,,\n12,,,,,,,,\n13,,,,,,,,\n14,,,,,,,,\n15,,,,,,,,\n"
              "16,,,,,,,,\n");
}

TEST(ChannelCsvTest, ExportedChannelsImportBackUnchangedInEitherLanguage) {
    const std::string rows =
        "1,438.50000,88.5,431.00000,D023N,Low,Carrier,Narrow,No\n"
        "2,439.01250,Off,439.01250,254.1,High,Off,Wide,Yes\n"
        "16,479.99500,D754I,400.00000,Off,Low,Off,Wide,No\n";
    for (Language language : {Language::English, Language::Chinese}) {
        ChannelGrid first = imported(header() + rows, language);
        std::string csv = exportChannelsCsv(first);
        EXPECT_NE(csv.find(rows.substr(0, rows.find('\n'))), std::string::npos);
        ChannelGrid second = imported(csv, language);
        expectSameGrid(first, second);
        EXPECT_EQ(exportChannelsCsv(second), csv);
    }
    ChannelGrid zh = imported(header() + rows, Language::Chinese);
    EXPECT_EQ(zh.text(1, ColPower), "低");
    EXPECT_EQ(zh.text(1, ColForbid), "载波");
    EXPECT_EQ(zh.text(2, ColRxTone), "关闭");
    EXPECT_EQ(zh.choices().at(1, ColForbid), 1);
}

TEST(ChannelCsvTest, ListWordsOfTheCsvAndOfTheGridAreAcceptedInAnyCase) {
    struct Word {
        int col;
        const char* word;
        int position;
    };
    const Word words[] = {
        {ColPower, "low", 0},      {ColPower, "HIGH", 1},       {ColPower, "hight", 1},
        {ColPower, "高", 1},       {ColPower, "低", 0},         {ColForbid, "off", 0},
        {ColForbid, "关闭", 0},    {ColForbid, "carrier", 1},   {ColForbid, "CARROW", 1},
        {ColForbid, "载波", 1},    {ColBandWidth, "narrow", 0}, {ColBandWidth, "窄带", 0},
        {ColBandWidth, "Wide", 1}, {ColBandWidth, "宽带", 1},   {ColScan, "no", 0},
        {ColScan, "无", 0},        {ColScan, "Have", 1},        {ColScan, "yes", 1},
        {ColScan, "有", 1},
    };
    for (const auto& w : words) {
        SCOPED_TRACE(w.word);
        std::string row = "5,440";
        for (int col = ColRxTone; col <= ColScan; ++col) {
            row += ",";
            if (col == w.col) row += w.word;
        }
        ChannelGrid grid = imported(header() + row + "\n");
        EXPECT_EQ(grid.choices().at(5, w.col), w.position);
        EXPECT_EQ(grid.text(5, w.col), gridListText(w.col, w.position, Language::English));
    }
}

TEST(ChannelCsvTest, TonesGoThroughTheToneEntryRules) {
    const std::pair<const char*, const char*> tones[] = {
        {"d23n", "D023N"}, {"D8I", "D008I"}, {"100", "100.0"},    {"OFF", "Off"},
        {"关闭", "Off"},   {"67", "67.0"},   {"D0023I", "D023I"},
    };
    for (const auto& [typed, cell] : tones) {
        ChannelGrid grid = imported(header() + "4,440," + typed + ",,\"" + typed + "\"\n");
        EXPECT_EQ(grid.text(4, ColRxTone), cell) << typed;
        EXPECT_EQ(grid.text(4, ColTxTone), cell) << typed;
    }
}

// A base with channels 1 and 2 set up; the CSV names only some channels.
ChannelGrid baseGrid() {
    return imported(header() + "1,438.5,88.5,431,D023N,Low,Carrier,Narrow,No\n2,445,,,,,,,\n");
}

TEST(ChannelCsvTest, ChannelsNotNamedKeepTheBaseAndAnEmptyReceiveFrequencyDeletes) {
    ChannelGrid grid = baseGrid();
    const ChannelGrid before = grid;
    ASSERT_TRUE(
        importChannelsCsv(header() + "2,,,,,,,,\n3,441\n", grid, kBand400, Language::English).ok());
    for (int col = ColRxFrequency; col <= ColScan; ++col) {
        EXPECT_EQ(grid.text(1, col), before.text(1, col));
        EXPECT_EQ(grid.text(2, col), "");
    }
    EXPECT_EQ(grid.text(3, ColTxFrequency), "441.00000");

    // A new receive frequency on an existing channel keeps its other settings.
    ASSERT_TRUE(importChannelsCsv(header() + "1,439\n", grid, kBand400, Language::English).ok());
    EXPECT_EQ(grid.text(1, ColRxFrequency), "439.00000");
    EXPECT_EQ(grid.text(1, ColTxFrequency), "431.00000");
    EXPECT_EQ(grid.text(1, ColTxTone), "D023N");
    EXPECT_EQ(grid.text(1, ColPower), "Low");
}

TEST(ChannelCsvTest, BadValuesNameLineAndColumnAndApplyNothing) {
    const std::pair<std::string, std::string> cases[] = {
        {"3,abc\n", "line 2, column 2 (RX Frequency) \"abc\": not a frequency"},
        {"3,480\n", "line 2, column 2 (RX Frequency) \"480\": Beyond the frequency range"},
        {"3,440,,399\n", "line 2, column 4 (TX Frequency) \"399\""},
        {"3,440,66.9\n", "line 2, column 3 (RX Tone) \"66.9\": not a tone"},
        {"3,440,,,D02.3N\n", "line 2, column 5 (TX Tone)"},
        {"3,440,67 Hz\n", "line 2, column 3 (RX Tone)"},
        {"3,440,,,,Medium\n", "line 2, column 6 (Power) \"Medium\": expected Low or High"},
        {"3,440,,,,,Yes\n", "line 2, column 7 (Forbid)"},
        {"3,440,,,,,,Hight\n", "line 2, column 8 (Band)"},
        {"3,440,,,,,,,On\n", "line 2, column 9 (Scan)"},
        {"17,440\n", "line 2, column 1 (CH) \"17\": the channel number must be 1 to 16"},
        {"0,440\n", "column 1 (CH)"},
        {"x,440\n", "column 1 (CH)"},
        {"3,440\n\n3,441\n", "line 4, column 1 (CH) \"3\": this channel appears twice"},
        {"3,,88.5\n", "line 2, column 3 (RX Tone) \"88.5\": a channel without RX frequency"},
        {"3,440,,,,,,,,extra\n", "line 2: too many fields"},
        {"3,\"44\n0\"\n", "line 2, column 2 (RX Frequency)"},  // where the record starts
        {"3,\"440\n", "line 2: a quoted field is not closed"},
    };
    for (const auto& [rows, message] : cases) {
        SCOPED_TRACE(rows);
        // a good row first: it must not be applied either
        ChannelGrid grid = baseGrid();
        const std::string before = exportChannelsCsv(grid);
        std::string csv = header() + "5,450\n" + rows;
        // the good row moves every line number down by one
        auto status = importChannelsCsv(csv, grid, kBand400, Language::English);
        ASSERT_FALSE(status.ok());
        std::string shifted = message;
        if (auto at = shifted.find("line "); at != std::string::npos) {
            int line = std::stoi(shifted.substr(at + 5));
            shifted.replace(at + 5, std::to_string(line).size(), std::to_string(line + 1));
        }
        EXPECT_NE(status.error().en.find(shifted), std::string::npos) << status.error().en;
        EXPECT_NE(status.error().zh.find("行"), std::string::npos);
        EXPECT_EQ(exportChannelsCsv(grid), before);
    }
}

TEST(ChannelCsvTest, HeaderMustBeThereAndNamesTheColumns) {
    ChannelGrid grid;
    for (const char* csv : {"", "\n\n", "1,440\n", "CH,RX Frequency\n1,440\n"}) {
        auto status = importChannelsCsv(csv, grid, kBand400, Language::English);
        ASSERT_FALSE(status.ok()) << csv;
        EXPECT_NE(status.error().en.find("line 1"), std::string::npos) << status.error().en;
    }
    // letter case, blanks, a byte order mark and CR LF line ends are all fine
    std::string relaxed =
        "\xEF\xBB\xBF"
        "ch, rx frequency ,RX TONE,TX Frequency,TX Tone,Power,Forbid,Band,Scan\r\n"
        " 7 , 440.5 ,\"D023N\"\r\n";
    ASSERT_TRUE(importChannelsCsv(relaxed, grid, kBand400, Language::English).ok());
    EXPECT_EQ(grid.text(7, ColRxFrequency), "440.50000");
    EXPECT_EQ(grid.text(7, ColRxTone), "D023N");
}

TEST(ChannelCsvTest, FieldsThatNeedQuotesReadBackTheSame) {
    const std::string values[] = {"plain", "a,b", "say \"hi\"", "two\nlines", " padded ", ""};
    std::string line;
    for (const auto& v : values) line += (line.empty() ? "" : ",") + csvField(v);
    auto records = parseCsv(line + "\nnext\n");
    ASSERT_TRUE(records.ok());
    ASSERT_EQ(records.value().size(), 2u);
    EXPECT_EQ(records.value()[0].fields,
              std::vector<std::string>(std::begin(values), std::end(values)));
    EXPECT_EQ(records.value()[1].line, 3);
}

// Channel records the way radios and old files hold them: off the raster,
// receive-only, odd tones and flags, or plain noise.
MemoryImage varietyImage(std::mt19937& generator) {
    std::vector<std::uint8_t> bytes(layout::kImageSize);
    for (auto& byte : bytes) byte = static_cast<std::uint8_t>(generator());
    const auto bcd = [](int value) {
        return static_cast<std::uint8_t>(value / 10 * 16 + value % 10);
    };
    for (int row = 1; row <= kChannelCount; ++row) {
        const std::size_t rec = layout::channelRecord(row);
        const int kind = static_cast<int>(generator() % 5);
        if (kind == 4) continue;  // noise
        if (kind == 0) {
            std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(rec), 4, 0xFF);
            continue;
        }
        // 4xx.xxxxx MHz with any last digits (kind 1: on a 10 Hz step only)
        const int khz = 400000 + static_cast<int>(generator() % 80000);
        const int digits[4] = {static_cast<int>(generator() % 100), khz % 100, khz / 100 % 100,
                               khz / 10000};
        for (int k = 0; k < 4; ++k) bytes[rec + layout::kRecRxFrequency + k] = bcd(digits[k]);
        if (kind == 1) bytes[rec + layout::kRecRxFrequency] = 0;
        if (kind == 2) {  // receive only, sometimes with a stray transmit tone
            std::fill_n(bytes.begin() + static_cast<std::ptrdiff_t>(rec + layout::kRecTxFrequency),
                        4, 0xFF);
            if (generator() % 2) {
                bytes[rec + layout::kRecTxTone] = 0xFF;
                bytes[rec + layout::kRecTxTone + 1] = 0xFF;
            }
        }
    }
    bytes[0x1AD] = kBands[generator() % kBands.size()].code;
    return MemoryImage(bytes);
}

TEST(ChannelCsvTest, ExportImportedOntoItsOwnCodeplugGivesTheSameImage) {
    std::mt19937 generator(2024);
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        const Language language = round % 2 ? Language::Chinese : Language::English;
        Codeplug first;
        DecodeImage(varietyImage(generator), first, language);
        const MemoryImage saved = EncodeImage(first, language);  // what a .DAT holds

        Codeplug base;
        DecodeImage(saved, base, language);
        const std::string csv = exportChannelsCsv(base.channels);
        const BandEntry* limits = bandAt(base.band) ? bandAt(base.band) : bandAt(0);
        const auto status =
            importChannelsCsv(csv, base.channels, {limits->lowMHz, limits->highMHz}, language);
        ASSERT_TRUE(status.ok()) << status.error().en << "\n" << csv;
        ASSERT_EQ(EncodeImage(base, language).hex(), saved.hex()) << csv;
    }
}

TEST(ChannelCsvTest, ReceiveOnlyChannelsSayNoneAndImportAsReceiveOnly) {
    ChannelGrid grid = imported(header() +
                                "1,440,88.5,None,,Low,Off,Narrow,No\n"
                                "2,441,Off,none,Off\n"
                                "3,442,Off,None,D023N\n");
    EXPECT_EQ(grid.text(1, ColTxFrequency), "");
    EXPECT_EQ(grid.text(1, ColTxTone), "");
    EXPECT_EQ(grid.text(2, ColTxTone), "");
    EXPECT_EQ(grid.text(3, ColTxTone), "D023N");
    EXPECT_EQ(grid.text(2, ColPower), gridListText(ColPower, 1, Language::English));
    const std::string csv = exportChannelsCsv(grid);
    EXPECT_NE(csv.find("\n1,440.00000,88.5,None,,Low,Off,Narrow,No\n"), std::string::npos) << csv;
    EXPECT_NE(csv.find("\n3,442.00000,Off,None,D023N,High,Off,Wide,Yes\n"), std::string::npos);
    // An export of them imported into a fresh grid gives them back.
    ChannelGrid again = imported(csv);
    expectSameGrid(again, grid);

    // A receive-only channel given a transmit frequency gets it.
    ASSERT_TRUE(
        importChannelsCsv(header() + "1,440,88.5,445\n", grid, kBand400, Language::English).ok());
    EXPECT_EQ(grid.text(1, ColTxFrequency), "445.00000");
}

TEST(ChannelCsvTest, DcsDigitsEightAndNineAreTakenWithAWarning) {
    ChannelGrid grid;
    std::vector<ErrorText> warnings;
    ASSERT_TRUE(importChannelsCsv(header() + "1,440,D023N\n2,440,d089n,,D754I\n3,440,Off,,D128I\n",
                                  grid, kBand400, Language::English, &warnings)
                    .ok());
    EXPECT_EQ(grid.text(2, ColRxTone), "D089N");
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0].en,
              "line 3, column 3 (RX Tone) \"d089n\": DCS codes have only the digits 0 to 7; the "
              "radio gets D089N as D111N");
    EXPECT_NE(warnings[1].en.find("line 4, column 5 (TX Tone)"), std::string::npos);
    EXPECT_NE(warnings[1].zh.find("第 4 行"), std::string::npos);

    // A refused import warns about nothing.
    warnings.clear();
    EXPECT_FALSE(importChannelsCsv(header() + "1,440,D089N\n2,abc\n", grid, kBand400,
                                   Language::English, &warnings)
                     .ok());
    EXPECT_TRUE(warnings.empty());
}

TEST(ChannelCsvTest, ValuesInMessagesAreShownEscaped) {
    ChannelGrid grid;
    const auto status = importChannelsCsv(header() + "1,44\x1B[2J0\n2,\xFF\xFE\n", grid, kBand400,
                                          Language::English);
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(status.error().en.find('\x1B'), std::string::npos);
    EXPECT_NE(status.error().en.find("\"44\\x1B[2J0\""), std::string::npos) << status.error().en;
}

}  // namespace
}  // namespace pl63
