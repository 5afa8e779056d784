// The whole program as pl63-gui builds it (Form1 with every option window,
// created by ApplyCaptions at start-up) over a simulated radio on a real
// pseudo-terminal: a read, OK in every option window and a Save give back
// the radio's own bytes, and so does what the windows show entered anew into
// a second program; every caption row of every window finds its widget,
// and a language switch there and back changes no value anywhere.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <algorithm>
#include <filesystem>

#include "codec/dat_file.h"
#include "codec/frequency_entry.h"
#include "codec/image_codec.h"
#include "e2e/child_process.h"
#include "i18n/qt/captions.h"
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

    // A radio in which every option field holds a value of its own, none
    // the start-up value: a control shown from or written to the wrong field
    // then changes a byte. Two-valued options can only differ from their
    // start-up value, and a few share it with another of their kind.
    static Codeplug radioCodeplug() {
        Codeplug plug;
        const char* rx[] = {"451.25000", "465.50000", "478.01250"};
        for (int row = 1; row <= 3; ++row) {
            plug.channels.setText(row, ColRxFrequency, rx[row - 1]);
            applyNewChannelDefaults(plug.channels, row, Language::Chinese);
        }
        plug.channels.setText(2, ColRxTone, "D023N");
        plug.channels.setText(3, ColTxTone, "88.5");
        plug.band = 1;  // 450-490MHz
        FunctionSet& f = plug.functions;
        f.timeOut = 23;
        f.timeOutWarn = 6;
        f.squelchGrade = 7;
        f.voicePrompt = 2;
        f.batterySave = 0;
        f.beep = 0;
        f.voxFunction = 1;
        f.voxGain = 8;
        f.voxDelay = 3;
        f.cancelOperation = true;
        plug.DtmfSettings = {2, 3, 400, 0, 9, 0, 5, 12};
        plug.Pf1Key = 4;
        plug.Pf2Key = 8;
        auto& opt = plug.OptionalSettings;
        opt[3] = "2";    // PTT ID: both
        opt[8] = "0";    // VOX volume control
        opt[9] = "0";    // Duplicate
        opt[10] = "1";   // Priority: fixed ...
        opt[11] = "3";   // ... on channel 3
        opt[12] = "37";  // Retrace Time A
        opt[13] = "64";  // Retrace Time B
        opt[14] = "3";   // Return channel
        opt[15] = "PL63UNIT01";
        opt[16] = "13579";
        opt[17] = "2468";
        opt[18] = "120";
        opt[19] = "45";
        plug.DtmfCodes = {"1230", "45", "6", "789", "11", "2", "3", "99"};
        plug.EmbeddedInfo = {"PL63 FIELD UNIT", "CH 1-3 TEAM"};
        plug.TestFrequencies[0] = {"438.01250", "445.00500"};
        plug.TestFrequencies[6] = {"460.10000", ""};
        plug.TestFrequencies[15] = {"", "136.00000"};
        plug.TxHighPowerTune = 201;
        plug.TxLowPowerTune = 77;
        plug.CommPassword = "Ab3.x";
        return plug;
    }

    void startOnRadio() {
        radioImage = EncodeImage(radioCodeplug(), Language::Chinese);
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

    // Every named control of Form1 and of the windows in `names` (all
    // windows: empty), keyed by window, objectName and the how-many-th
    // control of that name it is.
    std::vector<std::pair<std::string, QObject*>> controls(
        const std::vector<std::string>& names = {}) {
        std::vector<std::pair<std::string, QObject*>> found;
        std::vector<QWidget*> windows{window.get()};
        for (const char* name : i18n::kCaptionWindowOrder) {
            const bool wanted =
                names.empty() || std::find(names.begin(), names.end(), name) != names.end();
            if (QWidget* w = context->windows.existing(name); w && wanted) windows.push_back(w);
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
                found.emplace_back(key, child);
            }
        }
        return found;
    }

    // Every value a user can see or change, by window and objectName.
    std::map<std::string, std::string> snapshot() {
        std::map<std::string, std::string> values;
        for (const auto& [key, child] : controls()) {
            if (auto* combo = qobject_cast<QComboBox*>(child)) {
                values[key] =
                    std::to_string(combo->currentIndex()) + "/" + std::to_string(combo->count());
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
        return values;
    }

    // Puts `shown` back into the controls of Form1 and the option windows as
    // a user would, the channel grid excepted: lists, boxes and switches are
    // changed the way their own signals report, texts are typed.
    void enterAgain(const std::map<std::string, std::string>& shown) {
        std::vector<std::string> names(std::begin(kOptionWindows), std::end(kOptionWindows));
        for (const auto& [key, child] : controls(names)) {
            const auto value = shown.find(key);
            // The grid and its cell editors, hidden until a cell is edited:
            // the channels come from the file.
            auto* control = qobject_cast<QWidget*>(child);
            const bool gridPart =
                key.rfind("Form1/", 0) == 0 &&
                (control == window->grid() || !control->isVisibleTo(window.get()));
            if (value == shown.end() || gridPart) continue;
            const QString text = QString::fromStdString(value->second);
            if (auto* combo = qobject_cast<QComboBox*>(child)) {
                combo->setCurrentIndex(text.section('/', 0, 0).toInt());
            } else if (auto* edit = qobject_cast<QLineEdit*>(child)) {
                if (!edit->isEnabled() || !edit->isVisible()) {
                    edit->setText(text);
                    continue;
                }
                edit->setFocus();
                edit->selectAll();
                QTest::keyClick(edit, Qt::Key_Delete);
                QTest::keyClicks(edit, text);
            } else if (auto* slider = qobject_cast<QSlider*>(child)) {
                slider->setValue(text.toInt());
            } else if (auto* check = qobject_cast<QCheckBox*>(child)) {
                check->setChecked(text == "1");
            } else if (auto* table = qobject_cast<QTableWidget*>(child)) {
                const QStringList cells = text.split('|');
                int at = 0;
                for (int r = 0; r < table->rowCount(); ++r) {
                    for (int c = 0; c < table->columnCount(); ++c) {
                        if (QTableWidgetItem* item = table->item(r, c))
                            item->setText(cells.value(at++));
                    }
                }
            }
        }
    }

    void okInEveryOptionWindow() {
        for (const char* name : kOptionWindows) {
            QWidget* options = optionWindow(name);
            options->show();
            auto* ok = options->findChild<QPushButton*>("Command1");
            ASSERT_NE(ok, nullptr) << name;
            QTest::mouseClick(ok, Qt::LeftButton);
            EXPECT_FALSE(options->isVisible()) << name;
        }
    }

    void expectSavedImageIsTheRadios() {
        const std::string saved = (folder / "saved.DAT").string();
        std::filesystem::remove(saved);
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

    MemoryImage radioImage;
    std::unique_ptr<e2e::SimulatedRadio> radio;
};

TEST_F(WholeProgramTest, ReadThenOkInEveryWindowThenSaveGivesTheRadiosBytes) {
    startOnRadio();
    for (const char* name : kOptionWindows) ASSERT_NE(optionWindow(name), nullptr) << name;
    readRadio();
    okInEveryOptionWindow();
    EXPECT_TRUE(messages.empty());
    expectSavedImageIsTheRadios();
}

// What the windows show after a read, entered anew into a program started
// from a file that holds only what no control shows (the channels, the band,
// the ID and PTT ID codes): a control that shows one field and writes
// another, or shows nothing, leaves a field at its start-up value.
TEST_F(WholeProgramTest, WhatTheWindowsShowAfterAReadEnteredAnewGivesTheRadiosBytes) {
    startOnRadio();
    readRadio();
    const auto shown = snapshot();

    const Codeplug radioPlug = radioCodeplug();
    Codeplug base;
    base.channels = radioPlug.channels;
    base.band = radioPlug.band;
    for (int index : {15, 16, 17}) base.OptionalSettings[index] = radioPlug.OptionalSettings[index];
    const std::string basePath = (folder / "base.DAT").string();
    ASSERT_TRUE(writeDatFile(basePath, EncodeImage(base, Language::Chinese)).ok());

    start();
    fileNames.push_back(QString::fromStdString(basePath));
    trigger("mnuOpen");
    for (const char* name : kOptionWindows) optionWindow(name)->show();
    enterAgain(shown);
    okInEveryOptionWindow();
    EXPECT_TRUE(messages.empty());
    expectSavedImageIsTheRadios();
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
    EXPECT_EQ(shownCaption(window.get()), QStringLiteral("Varnel Radio Software V1.00"));
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
