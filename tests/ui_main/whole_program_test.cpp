// The whole program as pl63-gui builds it (Form1 with every option window,
// created by ApplyCaptions at start-up) over a simulated radio on a real
// pseudo-terminal: a read, OK in every option window and a Save give back
// the radio's own bytes, every caption row of every window finds its widget,
// and a language switch there and back changes no value anywhere.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>

#include "codec/dat_file.h"
#include "codec/frequency_entry.h"
#include "codec/image_codec.h"
#include "e2e/child_process.h"
#include "i18n/caption_tables.h"
#include "ui/main/gui_link.h"
#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

const char* const kOptionWindows[] = {"Form2", "Form4", "Form5", "Form6", "Form7"};

class WholeProgramTest : public MainWindowTest {
protected:
    void TearDown() override {
        window.reset();
        radio.reset();
        MainWindowTest::TearDown();
    }

    // A radio whose memory differs from the start-up values in every window.
    void startOnRadio() {
        Codeplug radioPlug;
        const char* rx[] = {"431.25000", "445.50000", "438.01250"};
        for (int row = 1; row <= 3; ++row) {
            radioPlug.channels.setText(row, ColRxFrequency, rx[row - 1]);
            applyNewChannelDefaults(radioPlug.channels, row, Language::Chinese);
        }
        radioPlug.channels.setText(2, ColRxTone, "D023N");
        radioPlug.channels.setText(3, ColTxTone, "88.5");
        radioPlug.functions.squelchGrade = 7;
        radioPlug.functions.voxFunction = 1;
        radioPlug.Pf1Key = 4;
        radioPlug.Pf2Key = 8;
        radioPlug.EmbeddedInfo = {"PL63 FIELD UNIT", "CH 1-3 TEAM"};
        radioPlug.TestFrequencies[0] = {"438.01250", "445.00500"};
        radioPlug.TestFrequencies[15] = {"", "136.00000"};
        radioPlug.TxHighPowerTune = 201;
        radioPlug.TxLowPowerTune = 77;
        radioImage = EncodeImage(radioPlug, Language::Chinese);
        const std::string load = (folder / "radio.DAT").string();
        ASSERT_TRUE(writeDatFile(load, radioImage).ok());
        radio = std::make_unique<e2e::SimulatedRadio>(std::vector<std::string>{"--load", load});
        ASSERT_FALSE(radio->device().empty());
        mapPort(1, radio->device());
        writeParameter(std::string("\x00\x01\x00", 3));
        withOptionWindows = true;
        start();
        ASSERT_TRUE(window->link().portIsOpen());
    }

    void readRadio() {
        link::LinkEngine& engine = window->link().engine();
        trigger("mnureadFre");
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine.ResultShowing(); }, 20000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !engine.busy(); }, 5000));
        ASSERT_TRUE(messages.empty());
    }

    QWidget* optionWindow(const char* name) { return context->windows.existing(name); }

    // Every value a user can see or change, by window and objectName.
    std::map<std::string, std::string> snapshot() {
        std::map<std::string, std::string> values;
        std::vector<QWidget*> windows{window.get()};
        for (const char* name : i18n::kCaptionWindowOrder) {
            if (QWidget* w = context->windows.existing(name)) windows.push_back(w);
        }
        for (QWidget* w : windows) {
            const std::string prefix = w->objectName().toStdString() + "/";
            std::map<std::string, int> seen;
            for (QObject* child : w->findChildren<QObject*>()) {
                // Named controls of this window only: Qt's own inner widgets
                // come and go, and the option windows are Form1's children.
                const QString name = child->objectName();
                auto* childWidget = qobject_cast<QWidget*>(child);
                if (name.isEmpty() || name.startsWith("qt_") || !childWidget ||
                    childWidget->window() != w)
                    continue;
                std::string key = prefix + name.toStdString();
                key += "#" + std::to_string(seen[key]++);
                if (auto* combo = qobject_cast<QComboBox*>(child)) {
                    values[key] = std::to_string(combo->currentIndex()) + "/" +
                                  std::to_string(combo->count());
                } else if (auto* edit = qobject_cast<QLineEdit*>(child)) {
                    if (!qobject_cast<QComboBox*>(edit->parent()))
                        values[key] = edit->text().toStdString();
                } else if (auto* slider = qobject_cast<QSlider*>(child)) {
                    values[key] = std::to_string(slider->value());
                } else if (auto* check = qobject_cast<QCheckBox*>(child)) {
                    values[key] = check->isChecked() ? "1" : "0";
                } else if (auto* table = qobject_cast<QTableWidget*>(child)) {
                    std::string cells;
                    for (int r = 0; r < table->rowCount(); ++r) {
                        for (int c = 0; c < table->columnCount(); ++c) {
                            const QTableWidgetItem* item = table->item(r, c);
                            // List cells follow the language; the tables' other cells do not.
                            if (item && !(table->objectName() == "Grid1" && c >= ColPower))
                                cells += item->text().toStdString() + "|";
                        }
                    }
                    values[key] = cells;
                }
            }
        }
        return values;
    }

    MemoryImage radioImage;
    std::unique_ptr<e2e::SimulatedRadio> radio;
};

TEST_F(WholeProgramTest, ReadThenOkInEveryWindowThenSaveGivesTheRadiosBytes) {
    startOnRadio();
    for (const char* name : kOptionWindows) ASSERT_NE(optionWindow(name), nullptr) << name;
    readRadio();

    for (const char* name : kOptionWindows) {
        QWidget* options = optionWindow(name);
        options->show();
        auto* ok = options->findChild<QPushButton*>("Command1");
        ASSERT_NE(ok, nullptr) << name;
        QTest::mouseClick(ok, Qt::LeftButton);
        EXPECT_FALSE(options->isVisible()) << name;
    }
    EXPECT_TRUE(messages.empty());

    const std::string saved = (folder / "saved.DAT").string();
    fileNames.push_back(QString::fromStdString(saved));
    trigger("mnuAssave");
    const Result<MemoryImage> written = readDatFile(saved);
    ASSERT_TRUE(written.ok());
    const auto& after = written.value().bytes();
    const auto& before = radioImage.bytes();
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_EQ(int(after[i]), int(before[i])) << "image offset 0x" << std::hex << i;
    }
}

TEST_F(WholeProgramTest, EveryCaptionRowFindsItsWidgetAndSwitchingTwiceKeepsEveryValue) {
    startOnRadio();
    readRadio();
    // Open every window once, as a user would, so shown state counts too.
    for (const char* name : kOptionWindows) optionWindow(name)->show();

    for (int flag : {1, 0}) {
        for (const char* name : i18n::kCaptionWindowOrder) {
            QWidget* target =
                QString(name) == "Form1" ? window.get() : context->windows.existing(name);
            ASSERT_NE(target, nullptr) << name;
            const QStringList failures =
                i18n::applyCaptionTable(target, i18n::captionTable(name), flag);
            EXPECT_TRUE(failures.isEmpty())
                << name << " flag " << flag << ": " << failures.join(", ").toStdString();
        }
    }

    const auto before = snapshot();
    ASSERT_GT(before.size(), 40u);  // Form1's and every option window's controls
    const MemoryImage imageBefore = EncodeImage(codeplug(), Language::Chinese);
    trigger("mnuEnglish");
    EXPECT_EQ(context->state.LanguageFlag, 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Varnel Radio Software V1.00"));
    EXPECT_EQ(optionWindow("Form5")->windowTitle(), QStringLiteral("Optional Function"));
    trigger("mnuChinese");
    EXPECT_EQ(context->state.LanguageFlag, 0);
    EXPECT_EQ(optionWindow("Form6")->windowTitle(), QStringLiteral("键设定"));
    EXPECT_EQ(snapshot(), before);

    // OK everywhere after the switches still gives the image from before them.
    for (const char* name : kOptionWindows) {
        QTest::mouseClick(optionWindow(name)->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    }
    EXPECT_EQ(EncodeImage(codeplug(), Language::Chinese).hex(), imageBefore.hex());
}

}  // namespace
}  // namespace pl63::ui::test
