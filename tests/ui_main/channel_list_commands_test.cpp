// File > Import channels, Export channels, Compare with file, Print and
// Export PDF, driven through the menu with the dialogs answered by the test.
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include "codec/chirp_csv.h"
#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "main_window_fixture.h"
#include "ui/main/channel_list_commands.h"

namespace pl63::ui::test {
namespace {

class ChannelListTest : public MainWindowTest {
protected:
    QString file(const std::string& name, const std::string& content) {
        std::ofstream(folder / name, std::ios::binary) << content;
        return QString::fromStdString((folder / name).string());
    }
    std::string slurp(const std::string& name) {
        std::ifstream in(folder / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    QString shown(int row, int col) const { return window->grid()->item(row - 1, col)->text(); }
    TextListWindow* list() const { return window->channelLists().listWindow(); }
};

const std::string kPlan =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,Mode,Power\n"
    "1,Rpt,439.200000,-,7.600000,Tone,88.5,FM,High\n"
    "2,Air,124.500000,,0.000000,,88.5,AM,High\n"
    "3,Pmr,446.006250,,0.000000,,88.5,NFM,0.5W\n";

TEST_F(ChannelListTest, ImportIsOneUndoableStepAndListsTheRowsLeftOut) {
    start(1);
    fileNames.push_back(file("plan.csv", kPlan));
    trigger("mnuImport");

    EXPECT_EQ(shown(1, ColTxFrequency), QStringLiteral("431.60000"));
    EXPECT_EQ(shown(1, ColTxTone), QStringLiteral("88.5"));
    EXPECT_EQ(shown(3, ColBandWidth), QStringLiteral("Narrow"));
    EXPECT_EQ(codeplug().channels.text(3, ColPower), "Low");
    EXPECT_FALSE(codeplug().channels.inUse(2));
    ASSERT_NE(list(), nullptr);
    EXPECT_TRUE(list()->isVisible());
    EXPECT_TRUE(list()->lines().startsWith(QStringLiteral("line 3 (124.500000): column 3 (Frequency)")))
        << list()->lines().toStdString();
    EXPECT_TRUE(window->isWindowModified());

    trigger("mnuUndo");  // the whole import at once
    EXPECT_FALSE(codeplug().channels.inUse(1));
    EXPECT_FALSE(codeplug().channels.inUse(3));
    EXPECT_EQ(shown(1, ColRxFrequency), QString());
    trigger("mnuRedo");
    EXPECT_EQ(shown(3, ColRxFrequency), QStringLiteral("446.00625"));

    // A refused file of our own layout changes nothing and says why.
    fileNames.push_back(file("bad.csv", "CH,RX Frequency,RX Tone,TX Frequency,TX Tone,Power,"
                                        "Forbid,Band,Scan\n1,999\n"));
    trigger("mnuImport");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages.back().text.contains(QStringLiteral("line 2, column 2")));
    EXPECT_EQ(shown(1, ColRxFrequency), QStringLiteral("439.20000"));

    // A DCS code with the digit 8 is taken as typed, and the list says what the radio reads.
    fileNames.push_back(file("dcs.csv", "CH,RX Frequency,RX Tone,TX Frequency,TX Tone,Power,"
                                        "Forbid,Band,Scan\n5,440,D089N\n"));
    trigger("mnuImport");
    EXPECT_EQ(shown(5, ColRxTone), QStringLiteral("D089N"));
    EXPECT_EQ(list()->windowTitle(), QStringLiteral("Import warnings"));
    EXPECT_TRUE(list()->lines().startsWith(QStringLiteral("line 2, column 3 (RX Tone)")))
        << list()->lines().toStdString();
}

TEST_F(ChannelListTest, ExportsBothLayoutsAndComparesWithAFile) {
    start(1);
    fileNames.push_back(file("plan.csv", kPlan));
    trigger("mnuImport");

    fileNames.push_back(QString::fromStdString((folder / "chirp.csv").string()));
    trigger("mnuExportChirp");
    EXPECT_EQ(slurp("chirp.csv").rfind(std::string(chirpCsvHeader()) + "\n1,,439.200000,-,7.600000,Tone,88.5", 0),
              0u)
        << slurp("chirp.csv");
    fileNames.push_back(QString::fromStdString((folder / "own.csv").string()));
    trigger("mnuExportPl63");
    EXPECT_EQ(slurp("own.csv").rfind("CH,RX Frequency", 0), 0u);

    // The same channels but channel 3 high power, in a file.
    Codeplug other = codeplug();
    other.channels.setText(3, ColPower, "Hight");
    other.channels.choices().set(3, ColPower, 1);
    ASSERT_TRUE(writeDatFile((folder / "other.DAT").string(), EncodeImage(other, Language::English)));
    fileNames.push_back(QString::fromStdString((folder / "other.DAT").string()));
    trigger("mnuCompare");
    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(list()->lines(), QStringLiteral("CH 03  Power: Low → Hight\n"));
    EXPECT_TRUE(list()->heading().endsWith(QStringLiteral("other.DAT")));

    ASSERT_TRUE(writeDatFile((folder / "same.DAT").string(), EncodeImage(codeplug(), Language::English)));
    fileNames.push_back(QString::fromStdString((folder / "same.DAT").string()));
    trigger("mnuCompare");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages.back().text, QStringLiteral("No difference from the file."));
}

TEST_F(ChannelListTest, PrintAndExportPdfLayOutTheChannelSheet) {
    start(0);
    fileNames.push_back(file("plan.csv", kPlan));
    trigger("mnuImport");

    fileNames.push_back(QString::fromStdString((folder / "sheet.pdf").string()));
    trigger("mnuExportPdf");
    const std::string pdf = slurp("sheet.pdf");
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_NE(pdf.find("WenQuanYi"), std::string::npos);  // the Chinese font is embedded

    // The preview is answered by printing its pages to a PDF file.
    int previews = 0;
    const std::string printed = (folder / "printed.pdf").string();
    window->channelLists().setPreview([&](const std::function<void(QPrinter&)>& paint) {
        ++previews;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(printed));
        paint(printer);
    });
    trigger("mnuPrint");
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(slurp("printed.pdf").rfind("%PDF-", 0), 0u);

    // Captions follow the language like every other menu item.
    EXPECT_EQ(window->menuAction("mnuPrint")->text(), QStringLiteral("打印…"));
    window->switchLanguage(1);
    EXPECT_EQ(window->menuAction("mnuPrint")->text(), QStringLiteral("Print…"));
    EXPECT_EQ(window->menuAction("mnuImport")->text(), QStringLiteral("Import channels…"));
}

// At Qt's own size the preview's toolbar hides its last buttons, Print among
// them, behind the overflow arrow.
TEST_F(ChannelListTest, PrintPreviewOpensWideEnoughToShowEveryButton) {
    QPrinter printer;
    QPrintPreviewDialog preview(&printer, window.get());
    widenToItsToolbar(preview);
    preview.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&preview));
    const auto* toolbar = preview.findChild<QToolBar*>();
    ASSERT_NE(toolbar, nullptr);
    for (QAction* action : toolbar->actions()) {
        if (action->isSeparator()) continue;
        const QWidget* button = toolbar->widgetForAction(action);
        EXPECT_TRUE(button && button->isVisible()) << action->text().toStdString();
    }
}

TEST_F(ChannelListTest, APlanForAnotherBandImportsNothingAndSaysWhichBandHoldsIt) {
    start(1);
    fileNames.push_back(file("vhf.csv", "Location, Name, Frequency\n1, Call, 145.500000\n"));
    trigger("mnuImport");

    ASSERT_NE(list(), nullptr);
    EXPECT_EQ(list()->heading(),
              QStringLiteral("The radio cannot hold these rows; nothing was imported:"));
    EXPECT_TRUE(list()->lines().endsWith(QStringLiteral("it is in band 136-174MHz\n")))
        << list()->lines().toStdString();
    EXPECT_FALSE(window->isWindowModified());
}

}  // namespace
}  // namespace pl63::ui::test
