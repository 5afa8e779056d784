#include "codec/chirp_csv.h"

#include <gtest/gtest.h>

#include "codec/channel_csv.h"
#include "codec/image_codec.h"

namespace pl63 {
namespace {

constexpr FrequencyBand kBand400{400, 480};

struct Imported {
    ChannelGrid grid;
    Result<std::vector<LeftOutRow>> result = std::vector<LeftOutRow>{};
};

Imported import(const std::string& csv, UnfitRows unfit = UnfitRows::Refuse,
                ChannelGrid grid = ChannelGrid(), Language language = Language::English) {
    Imported out{grid};
    out.result = importChirpCsv(csv, out.grid, kBand400, language, unfit);
    return out;
}

// RX frequency, RX tone, TX frequency, TX tone, power, forbid, band, scan.
std::string channel(const ChannelGrid& grid, int row) {
    std::string text;
    for (int col = ColRxFrequency; col <= ColScan; ++col) {
        text += (col > ColRxFrequency ? "|" : "") + grid.text(row, col);
    }
    return text;
}

const std::string kToneHeader =
    "Location,Frequency,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode\n";

TEST(ChirpCsvTest, EveryToneModeGivesTheGridTonesAndExportsAsChirpWould) {
    struct Case {
        std::string fields;  // Tone..CrossMode
        std::string rxTone, txTone;
        std::string exportedMode;  // Tone,...,CrossMode as export writes them
    };
    const std::vector<Case> cases = {
        {",88.5,88.5,023,NN,023,Tone->Tone", "Off", "Off", ",88.5,88.5,023,NN,023,Tone->Tone"},
        {"Tone,100.0,67.0,023,NN,023,Tone->Tone", "Off", "100.0",
         "Tone,100.0,88.5,023,NN,023,Tone->Tone"},
        {"TSQL,100.0,123,023,NN,023,Tone->Tone", "123.0", "123.0",
         "TSQL,88.5,123.0,023,NN,023,Tone->Tone"},
        {"DTCS,88.5,88.5,23,NR,754,Tone->Tone", "D023I", "D023N",
         "DTCS,88.5,88.5,023,NR,023,Tone->Tone"},
        {"Cross,100.0,67.0,023,NN,023,Tone->Tone", "67.0", "100.0",
         "Cross,100.0,67.0,023,NN,023,Tone->Tone"},
        {"Cross,100.0,67.0,023,NR,754,Tone->DTCS", "D754I", "100.0",
         "Cross,100.0,88.5,023,NR,754,Tone->DTCS"},
        {"Cross,100.0,67.0,023,RN,754,DTCS->Tone", "67.0", "D023I",
         "Cross,88.5,67.0,023,RN,023,DTCS->Tone"},
        {"Cross,100.0,67.0,023,NN,754,->Tone", "67.0", "Off", "Cross,88.5,67.0,023,NN,023,->Tone"},
        {"Cross,100.0,67.0,023,NR,754,->DTCS", "D754I", "Off",
         "Cross,88.5,88.5,023,NR,754,->DTCS"},
        {"Cross,100.0,67.0,025,RN,754,DTCS->", "Off", "D025I", "Cross,88.5,88.5,025,RN,023,DTCS->"},
        {"Cross,100.0,67.0,025,RN,754,Tone->", "Off", "100.0",
         "Tone,100.0,88.5,023,NN,023,Tone->Tone"},
        {"Cross,100.0,67.0,025,RN,754,DTCS->DTCS", "D754N", "D025I",
         "Cross,88.5,88.5,025,RN,754,DTCS->DTCS"},
        // The same code both ways is CHIRP's plain DTCS, whatever the polarities.
        {"Cross,100.0,67.0,025,NR,025,DTCS->DTCS", "D025I", "D025N",
         "DTCS,88.5,88.5,025,NR,023,Tone->Tone"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields);
        const Imported in = import(kToneHeader + "1,446.00625," + c.fields + "\n");
        ASSERT_TRUE(in.result.ok()) << in.result.error().en;
        EXPECT_EQ(in.grid.text(1, ColRxTone), c.rxTone);
        EXPECT_EQ(in.grid.text(1, ColTxTone), c.txTone);

        const std::string exported = exportChirpCsv(in.grid);
        EXPECT_NE(exported.find(",446.006250,,0.000000," + c.exportedMode + ","), std::string::npos)
            << exported;
        const Imported again = import(exported);
        ASSERT_TRUE(again.result.ok()) << again.result.error().en;
        EXPECT_EQ(channel(again.grid, 1), channel(in.grid, 1));
    }
}

TEST(ChirpCsvTest, EveryDuplexKindGivesTheTransmitFrequency) {
    struct Case {
        std::string duplexOffset;
        std::string tx, txTone;
        std::string exported;  // Duplex,Offset as export writes them
    };
    const std::vector<Case> cases = {
        {",0.000000", "438.50000", "88.5", ",0.000000"},
        {",", "438.50000", "88.5", ",0.000000"},
        {"+,5.000000", "443.50000", "88.5", "+,5.000000"},
        {"-,7.6", "430.90000", "88.5", "-,7.600000"},
        {"-,0.0125", "438.48750", "88.5", "-,0.012500"},
        {"split,431.00625", "431.00625", "88.5", "-,7.493750"},
        {"SPLIT,431.0071", "431.00625", "88.5", "-,7.493750"},  // onto the raster, as typed
        {"off,5.000000", "", "", "off,0.000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.duplexOffset);
        const Imported in = import("Location,Frequency,Duplex,Offset,Tone,rToneFreq\n1,438.5," +
                                   c.duplexOffset + ",Tone,88.5\n");
        ASSERT_TRUE(in.result.ok()) << in.result.error().en;
        EXPECT_EQ(in.grid.text(1, ColTxFrequency), c.tx);
        EXPECT_EQ(in.grid.text(1, ColTxTone), c.txTone);
        EXPECT_NE(exportChirpCsv(in.grid).find(",438.500000," + c.exported + ","),
                  std::string::npos);
    }
}

TEST(ChirpCsvTest, ModePowerAndSkipMapOntoTheGridLists) {
    struct Case {
        std::string modeSkipPower;
        std::string power, band, scan;
    };
    const std::vector<Case> cases = {
        {",,", "Hight", "Wide", "Have"},  // empty: the new-channel defaults
        {"NFM,S,Low", "Low", "Narrow", "No"},
        {"FM,P,HIGH", "Hight", "Wide", "Have"},
        {"nfm,,high", "Hight", "Narrow", "Have"},
        {"FM,,0.5W", "Low", "Wide", "Have"},
        {"FM,,2.99", "Low", "Wide", "Have"},
        {"FM,,3.0W", "Hight", "Wide", "Have"},
        {"FM,,5 W", "Hight", "Wide", "Have"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.modeSkipPower);
        const Imported in = import("Frequency,Location,Mode,Skip,Power\n440,2," + c.modeSkipPower);
        ASSERT_TRUE(in.result.ok()) << in.result.error().en;
        EXPECT_EQ(in.grid.text(2, ColPower), c.power);
        EXPECT_EQ(in.grid.text(2, ColBandWidth), c.band);
        EXPECT_EQ(in.grid.text(2, ColScan), c.scan);
    }
}

TEST(ChirpCsvTest, PlacementByLocationOrInLocationOrder) {
    struct Case {
        std::string name, csv;
        std::vector<std::pair<int, std::string>> channels;  // channel, RX frequency
    };
    const std::vector<Case> cases = {
        {"every Location 1-16: that channel", "Location,Frequency\n16,440\n3,441\n",
         {{3, "441.00000"}, {16, "440.00000"}}},
        {"0-based: channels 1.. in Location order", "Location,Frequency\n2,442\n0,440\n1,441\n",
         {{1, "440.00000"}, {2, "441.00000"}, {3, "442.00000"}}},
        {"beyond 16: channels 1.. in Location order",
         "Location,Frequency\n100,442\n5,440\n20,441\n",
         {{1, "440.00000"}, {2, "441.00000"}, {3, "442.00000"}}},
        {"no Location column: file order", "Frequency\n442\n440\n",
         {{1, "442.00000"}, {2, "440.00000"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Imported in = import(c.csv);
        ASSERT_TRUE(in.result.ok()) << in.result.error().en;
        int used = 0;
        for (int row = 1; row <= kChannelCount; ++row) used += in.grid.inUse(row);
        EXPECT_EQ(used, static_cast<int>(c.channels.size()));
        for (const auto& [row, rx] : c.channels) EXPECT_EQ(in.grid.text(row, ColRxFrequency), rx);
    }
}

TEST(ChirpCsvTest, SeventeenUsableRowsNameTheSeventeenthOrLeaveItOut) {
    std::string csv = "Location,Frequency,Mode\n";
    csv += "0,440,AM\n";  // line 2: unfit, so it is not one of the seventeen
    for (int i = 1; i <= 17; ++i) csv += std::to_string(i) + ",44" + std::to_string(i % 10) + "\n";
    const Imported refused = import(csv);
    ASSERT_FALSE(refused.result.ok());
    EXPECT_EQ(refused.result.error().en.rfind("line 2, column 3 (Mode) \"AM\"", 0), 0)
        << refused.result.error().en;

    const Imported noAm = import("Location,Frequency\n" + csv.substr(csv.find("1,441")));
    ASSERT_FALSE(noAm.result.ok());
    EXPECT_EQ(noAm.result.error().en.rfind("line 18: the radio has 16 channels", 0), 0)
        << noAm.result.error().en;
    EXPECT_FALSE(noAm.grid.inUse(1));

    const Imported skipped = import(csv, UnfitRows::LeaveOut);
    ASSERT_TRUE(skipped.result.ok());
    ASSERT_EQ(skipped.result.value().size(), 2u);
    EXPECT_EQ(skipped.result.value()[0].line, 2);
    EXPECT_EQ(skipped.result.value()[0].frequency, "440");
    EXPECT_EQ(skipped.result.value()[1].line, 19);
    EXPECT_EQ(skipped.grid.text(1, ColRxFrequency), "441.00000");
    EXPECT_EQ(skipped.grid.text(16, ColRxFrequency), "446.00000");
}

TEST(ChirpCsvTest, UnfitRowsNameLineAndColumnOrAreLeftOutAtTheirPlaces) {
    const std::string header =
        "Location,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Mode,Skip,Power\n";
    const std::string good = "1,440,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,,High\n";
    struct Case {
        std::string row;       // lands on channel 2, line 3
        std::string expected;  // start of the error after "line 3, "
    };
    const std::vector<Case> cases = {
        {"2,399.99,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,,High",
         "column 2 (Frequency) \"399.99\": Beyond the frequency range"},
        {"2,480,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,,High", "column 2 (Frequency)"},
        {"2,,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,,High", "column 2 (Frequency) \"\": no freq"},
        {"2,abc,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,,High", "column 2 (Frequency) \"abc\""},
        {"2,479,+,5,,88.5,88.5,023,NN,023,Tone->Tone,FM,,High",
         "column 4 (Offset) \"5\": transmit frequency 484.000000: Beyond"},
        {"2,440,x,5,,88.5,88.5,023,NN,023,Tone->Tone,FM,,High", "column 3 (Duplex) \"x\""},
        {"2,440,split,,,88.5,88.5,023,NN,023,Tone->Tone,FM,,High", "column 4 (Offset) \"\""},
        {"2,440,,0,TSQL-R,88.5,88.5,023,NN,023,Tone->Tone,FM,,High",
         "column 5 (Tone) \"TSQL-R\": the radio has no reverse squelch"},
        {"2,440,,0,DTCS-R,88.5,88.5,023,NN,023,Tone->Tone,FM,,High", "column 5 (Tone) \"DTCS-R\""},
        {"2,440,,0,Tone,62.5,88.5,023,NN,023,Tone->Tone,FM,,High", "column 6 (rToneFreq) \"62.5\""},
        {"2,440,,0,TSQL,88.5,254.2,023,NN,023,Tone->Tone,FM,,High",
         "column 7 (cToneFreq) \"254.2\""},
        {"2,440,,0,DTCS,88.5,88.5,089,NN,023,Tone->Tone,FM,,High", "column 8 (DtcsCode) \"089\""},
        {"2,440,,0,DTCS,88.5,88.5,023,NX,023,Tone->Tone,FM,,High",
         "column 9 (DtcsPolarity) \"NX\""},
        {"2,440,,0,Cross,88.5,88.5,023,NN,1234,Tone->DTCS,FM,,High",
         "column 10 (RxDtcsCode) \"1234\""},
        {"2,440,,0,Cross,88.5,88.5,023,NN,023,->,FM,,High", "column 11 (CrossMode) \"->\""},
        {"2,440,,0,Cross,88.5,88.5,023,NN,023,Tone->DV,FM,,High",
         "column 11 (CrossMode) \"Tone->DV\""},
        {"2,440,,0,,88.5,88.5,023,NN,023,Tone->Tone,AM,,High", "column 12 (Mode) \"AM\""},
        {"2,440,,0,,88.5,88.5,023,NN,023,Tone->Tone,DV,,High", "column 12 (Mode) \"DV\""},
        {"2,440,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,X,High", "column 13 (Skip) \"X\""},
        {"2,440,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,,Mid", "column 14 (Power) \"Mid\""},
        {"1,441,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,,High",
         "column 1 (Location) \"1\": the channel is taken by line 2"},
        {"x,441,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,,High", "column 1 (Location) \"x\""},
    };
    const std::string after = "3,441.5,,0,,88.5,88.5,023,NN,023,Tone->Tone,NFM,S,Low\n";
    ChannelGrid base;
    base.setText(2, ColRxFrequency, "450.00000");  // refused or left out: stays as it was
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        const std::string csv = header + good + c.row + "\n" + after;
        const Imported refused = import(csv, UnfitRows::Refuse, base);
        ASSERT_FALSE(refused.result.ok());
        EXPECT_EQ(refused.result.error().en.rfind("line 3, " + c.expected, 0), 0)
            << refused.result.error().en;
        EXPECT_NE(refused.result.error().zh.find("第 3 行"), std::string::npos);
        EXPECT_FALSE(refused.grid.inUse(1));  // nothing applied

        const Imported skipped = import(csv, UnfitRows::LeaveOut, base);
        ASSERT_TRUE(skipped.result.ok());
        ASSERT_EQ(skipped.result.value().size(), 1u);
        EXPECT_EQ(skipped.result.value()[0].line, 3);
        EXPECT_EQ(skipped.result.value()[0].reason.en.rfind(c.expected, 0), 0);
        EXPECT_EQ(skipped.grid.text(1, ColRxFrequency), "440.00000");
        EXPECT_EQ(skipped.grid.text(2, ColRxFrequency), "450.00000");
        EXPECT_EQ(channel(skipped.grid, 3),
                  "441.50000|Off|441.50000|Off|Low|Off|Narrow|No");
    }
}

TEST(ChirpCsvTest, ColumnsByNameInAnyOrderWithQuotesBomAndCrlf) {
    const std::string csv =
        "\xEF\xBB\xBF\"Name\",Power,Frequency,\"Location\",Comment,Mode,Duplex,Offset\r\n"
        "\"Club, main\",Low,\"439.500000\",4,\"says \"\"hi\"\"\",NFM,-,7.600000\r\n";
    const Imported in = import(csv);
    ASSERT_TRUE(in.result.ok()) << in.result.error().en;
    EXPECT_EQ(channel(in.grid, 4), "439.50000|Off|431.90000|Off|Low|Off|Narrow|Have");
    EXPECT_EQ(detectChannelCsvFormat(csv), ChannelCsvFormat::Chirp);
    EXPECT_EQ(detectChannelCsvFormat("Location,Frequency\n1,440\n"), ChannelCsvFormat::Chirp);
    EXPECT_EQ(detectChannelCsvFormat("Frequency\n440\n"), ChannelCsvFormat::Pl63);
    EXPECT_EQ(detectChannelCsvFormat(std::string(channelCsvHeader()) + "\n"),
              ChannelCsvFormat::Pl63);
    EXPECT_FALSE(import("Location,Name\n1,x\n").result.ok());
}

TEST(ChirpCsvTest, ExportWritesChirpsColumnsAndOnlyChannelsInUse) {
    const Imported in =
        import("Location,Frequency,Duplex,Offset,Tone,DtcsCode,DtcsPolarity,Mode,Skip,Power\n"
               "3,145.5,off,0,DTCS,754,RR,NFM,S,Low\n",
               UnfitRows::Refuse, ChannelGrid());
    ASSERT_FALSE(in.result.ok());  // VHF is outside 400-480
    ChannelGrid grid;
    auto result = importChirpCsv(
        "Location,Frequency,Duplex,Offset,Tone,DtcsCode,DtcsPolarity,Mode,Skip,Power\n"
        "3,145.5,off,0,DTCS,754,RR,NFM,S,Low\n",
        grid, {136, 174}, Language::Chinese, UnfitRows::Refuse);
    ASSERT_TRUE(result.ok()) << result.error().en;
    EXPECT_EQ(channel(grid, 3), "145.50000|D754I|||低|关闭|窄带|无");
    EXPECT_EQ(exportChirpCsv(grid),
              std::string(chirpCsvHeader()) +
                  "\n3,,145.500000,off,0.000000,Cross,88.5,88.5,023,NR,754,->DTCS,NFM,5.00,S,"
                  "Low,,,,,\n");
}

TEST(ChirpCsvTest, ForbidIsKeptFromTheChannelAnImportReplaces) {
    ChannelGrid base;
    base.setText(5, ColRxFrequency, "440.00000");
    base.setText(5, ColForbid, "Carrow");
    base.choices().set(5, ColForbid, 1);
    base.setText(6, ColRxFrequency, "440.00000");
    const Imported in = import("Location,Frequency\n5,441\n6,442\n7,443\n", UnfitRows::Refuse, base);
    ASSERT_TRUE(in.result.ok());
    EXPECT_EQ(in.grid.text(5, ColForbid), "Carrow");
    EXPECT_EQ(in.grid.choices().at(5, ColForbid), 1);
    EXPECT_EQ(in.grid.text(6, ColForbid), "Off");
    EXPECT_EQ(in.grid.text(7, ColForbid), "Off");
}

TEST(ChirpCsvTest, BlanksAfterTheCommasAreReadPastInTheHeaderAndTheRows) {
    // As typed by hand, pasted from a web page (no-break space) or from
    // Chinese input (ideographic space).
    for (const std::string blank : {" ", "\t ", "\xC2\xA0", "\xE3\x80\x80"}) {
        SCOPED_TRACE(blank);
        const std::string csv = "Location," + blank + "Name," + blank + "Frequency," + blank +
                                "Duplex\n3," + blank + "Rpt," + blank + "439.2," + blank + "off\n";
        EXPECT_EQ(detectChannelCsvFormat(csv), ChannelCsvFormat::Chirp);
        const Imported in = import(csv);
        ASSERT_TRUE(in.result.ok()) << in.result.error().en;
        EXPECT_EQ(channel(in.grid, 3), "439.20000|Off|||Hight|Off|Wide|Have");
    }
}

TEST(ChirpCsvTest, LeftOutRowsNameTheBandThatHoldsThemAndTheHeadingSaysWhetherOthersWentIn) {
    struct Case {
        std::string rows;    // after "Location,Frequency,Duplex,Offset"; 400-480 chosen
        int imported;
        std::string reason;  // of the first row left out, after "column 2 (Frequency) …: "
        std::string heading;
    };
    const std::vector<Case> cases = {
        {"1,145.5\n", 0, "Beyond the frequency range; it is in band 136-174MHz", "nothing was"},
        {"1,440\n2,650\n", 1, "Beyond the frequency range; it is in band 600-720MHz", "the others"},
        {"1,124.5\n2,440\n", 1, "Beyond the frequency range", "the others"},
        {"1,485\n", 0, "Beyond the frequency range; it is in band 450-490MHz", "nothing was"},
        {"1,440,-,80\n", 0,
         "transmit frequency 360.000000: Beyond the frequency range; it is in band 350-390MHz "
         "or 350-370MHz",
         "nothing was"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        int imported = -1;
        ChannelGrid grid;
        auto result = importChirpCsv("Location,Frequency,Duplex,Offset\n" + c.rows, grid, kBand400,
                                     Language::English, UnfitRows::LeaveOut, &imported);
        ASSERT_TRUE(result.ok());
        ASSERT_EQ(result.value().size(), 1u);
        const std::string& reason = result.value()[0].reason.en;
        EXPECT_EQ(reason.substr(reason.find(": ") + 2), c.reason);
        EXPECT_EQ(imported, c.imported);
        EXPECT_NE(leftOutHeading(imported).en.find(c.heading), std::string::npos);
    }
}

}  // namespace
}  // namespace pl63
