#include "forms/option_forms.h"

#include <gtest/gtest.h>

#include "codec/frequency_entry.h"
#include "forms/channel_import.h"

namespace pl63::forms {
namespace {

// Every store a window shows holds a distinct value that is no default, so
// a control wired to the wrong store does not round-trip by luck.
Codeplug distinctStores() {
    Codeplug c;
    c.functions = {3, 5, 7, 2, 0, 0, 1, 9, 4, true, false};
    const char* settings[] = {"0", "0", "0", "2", "0", "0", "0", "0", "1", "1", "2", "12", "33", "44", "3",
                              "", "", "", "17", "250", "", "", "", ""};
    for (int i = 0; i < 24; ++i) c.OptionalSettings[i] = settings[i];
    c.Pf1Key = 7;
    c.Pf2Key = 11;
    c.EmbeddedInfo = {"Field day", "\xE9t\xE9"};
    c.TxHighPowerTune = 201;
    c.TxLowPowerTune = 17;
    c.CommPassword = "ab.12";
    for (int row = 0; row < kChannelCount; ++row)
        c.TestFrequencies[row] = {std::to_string(400 + row) + ".12500", std::to_string(410 + row) + ".00000"};
    return c;
}

TEST(OptionForms, EveryWindowGivesBackWhatItShows) {
    const Codeplug shown = distinctStores();
    for (const char* window : {"Frame1", "Frame2", "Form2", "Form4", "Form5", "Form6", "Form7"}) {
        const auto fields = formFields(window, shown, Language::English);
        ASSERT_FALSE(fields.empty()) << window;
        FormValues values;
        for (const FormField& field : fields) values[field.control] = field.value;
        // The embedded information takes only characters typed or already held.
        Codeplug written;
        written.EmbeddedInfo = shown.EmbeddedInfo;
        ASSERT_TRUE(applyFormValues(window, values, written)) << window;
        EXPECT_EQ(formFields(window, written, Language::English).size(), fields.size());
        for (const FormField& field : formFields(window, written, Language::English)) {
            const auto& before = std::find_if(fields.begin(), fields.end(),
                                              [&](const FormField& f) { return f.control == field.control; });
            EXPECT_EQ(field.value, before->value) << window << "." << field.control;
        }
    }
}

TEST(OptionForms, AValueTheControlCannotHoldChangesNothing) {
    struct Case {
        const char* window;
        const char* control;
        FieldValue value;
    };
    const Case cases[] = {
        {"Frame2", "Combo3", 40},         {"Frame2", "Check3", 1},
        {"Form5", "Combo15", 4},          {"Form5", "Text6", std::string("3x")},
        {"Form6", "Combo1", -1},          {"Form7", "Text1", std::string("\xE4\xB8\xAD")},
        {"Form2", "Slider3", -1},         {"Frame1", "Text2", std::string(17, '1')},
        {"Form4", "mfgrid1", std::vector<TestFrequencyRow>(3)},
    };
    for (const Case& c : cases) {
        Codeplug codeplug = distinctStores();
        const Codeplug before = codeplug;
        EXPECT_FALSE(applyFormValues(c.window, {{"Combo4", 0}, {c.control, c.value}}, codeplug))
            << c.window << "." << c.control;
        EXPECT_EQ(codeplug, before) << c.window << "." << c.control;
    }
}

TEST(OptionForms, ImportListNamesEachRowLeftOutInTheUsersLanguage) {
    Codeplug codeplug;
    std::string csv = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                      "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power\n";
    csv += "1,A,435.000000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5,,High\n";
    csv += "2,B,145.500000,,0,,88.5,88.5,023,NN,023,Tone->Tone,FM,5,,High\n";
    EXPECT_FALSE(importChannelList(csv, codeplug, Language::English, false));
    const auto import = importChannelList(csv, codeplug, Language::English, true);
    ASSERT_TRUE(import);
    EXPECT_TRUE(import.value().channels.inUse(1));
    EXPECT_EQ(importReport(import.value(), Language::English).lines.rfind("line 3 (145.500000): ", 0), 0u);
    EXPECT_EQ(importReport(import.value(), Language::Chinese).lines.rfind("第 3 行（145.500000）：", 0), 0u);
}

}  // namespace
}  // namespace pl63::forms
