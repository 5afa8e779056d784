#include "forms/option_forms.h"

#include <functional>

#include "codec/conversions.h"
#include "forms/form_rules.h"
#include "i18n/caption_catalogue.h"
#include "report/display_tables.h"

namespace pl63::forms {
namespace {

using report::DisplayList;
using report::displayTables;

// One control: where its value comes from and where OK puts it. `write`
// returns false for a value the control cannot hold.
struct FieldBinding {
    std::string control;
    FieldKind kind;
    const Bilingual* caption;
    const DisplayList* list;  // List: caption and items
    std::function<FieldValue(const Codeplug&)> read;
    std::function<bool(Codeplug&, const FieldValue&)> write;
    int maxLength = 0;
    int min = 0;
    int max = 0;
    bool heldByLogin = false;
    const char* captionControl = "";
};

template <typename T>
const T* as(const FieldValue& value) {
    return std::get_if<T>(&value);
}

bool inList(const DisplayList& list, int position) {
    return position >= 0 && position < static_cast<int>(list.items.size());
}

// A Function Set list: a position in the model's FunctionSet.
FieldBinding functionList(const char* control, const DisplayList& list,
                       std::int16_t FunctionSet::*stored) {
    return {control, FieldKind::List, &list.caption, &list,
            [stored](const Codeplug& c) { return FieldValue(int(c.functions.*stored)); },
            [stored, &list](Codeplug& c, const FieldValue& v) {
                const int* position = as<int>(v);
                if (!position || !inList(list, *position)) return false;
                c.functions.*stored = static_cast<std::int16_t>(*position);
                return true;
            }};
}

FieldBinding functionCheck(const char* control, const Bilingual& caption, bool FunctionSet::*stored) {
    return {control, FieldKind::Check, &caption, nullptr,
            [stored](const Codeplug& c) { return FieldValue(c.functions.*stored); },
            [stored](Codeplug& c, const FieldValue& v) {
                const bool* checked = as<bool>(v);
                if (!checked) return false;
                c.functions.*stored = *checked;
                return true;
            }};
}

// An optional-functions list: OptionalSettings[index] holds the position as
// a decimal text, `shift` added (the preferred channel stores its number).
FieldBinding settingList(const char* control, const DisplayList& list, int index, int shift = 0) {
    return {control, FieldKind::List, &list.caption, &list,
            [index, shift, &list](const Codeplug& c) {
                const long long position = leadingNumber(c.OptionalSettings[index]) - shift;
                return FieldValue(inList(list, int(position)) ? int(position) : -1);
            },
            [index, shift, &list](Codeplug& c, const FieldValue& v) {
                const int* position = as<int>(v);
                // No selection is what the window stores for it as well.
                if (!position || (*position != -1 && !inList(list, *position))) return false;
                c.OptionalSettings[index] = std::to_string(*position + shift);
                return true;
            }};
}

FieldBinding scanDelay(const char* control, const Bilingual& caption, int index) {
    return {control, FieldKind::Text, &caption, nullptr,
            [index](const Codeplug& c) { return FieldValue(c.OptionalSettings[index]); },
            [index](Codeplug& c, const FieldValue& v) {
                const std::string* text = as<std::string>(v);
                if (!text || acceptedScanDelay(*text, c.OptionalSettings[index]) != *text)
                    return false;
                c.OptionalSettings[index] = *text;
                return true;
            },
            3};
}

FieldBinding sideKey(const char* control, const DisplayList& list, int Codeplug::*stored) {
    return {control, FieldKind::List, &list.caption, &list,
            [stored](const Codeplug& c) { return FieldValue(shownSideKeyPosition(c.*stored)); },
            [stored, &list](Codeplug& c, const FieldValue& v) {
                const int* position = as<int>(v);
                if (!position || !inList(list, *position)) return false;
                c.*stored = *position;
                return true;
            }};
}

FieldBinding embeddedLine(const char* control, int line) {
    static const Bilingual kNumbers[] = {{"1", "1"}, {"2", "2"}};
    return {control, FieldKind::Text, &kNumbers[line], nullptr,
            [line](const Codeplug& c) { return FieldValue(latin1ToUtf8(c.EmbeddedInfo[line])); },
            [line](Codeplug& c, const FieldValue& v) {
                const std::string* text = as<std::string>(v);
                if (!text) return false;
                const std::string stored = latin1ToUtf8(c.EmbeddedInfo[line]);
                if (acceptedEmbeddedText(*text, stored) != *text) return false;
                c.EmbeddedInfo[line] = utf8ToLatin1(*text);
                return true;
            },
            kEmbeddedLineLength};
}

FieldBinding tuning(const char* control, const Bilingual& caption, int Codeplug::*stored) {
    return {control, FieldKind::Number, &caption, nullptr,
            [stored](const Codeplug& c) { return FieldValue(c.*stored); },
            [stored](Codeplug& c, const FieldValue& v) {
                const int* value = as<int>(v);
                if (!value || *value < kTuneMin || *value > kTuneMax) return false;
                c.*stored = *value;
                return true;
            },
            0, kTuneMin, kTuneMax};
}

// The main window's password box: CommPassword as typed (digits, letters
// and "."), one byte a character.
FieldBinding passwordBox() {
    return {"Text2", FieldKind::Text, &displayTables().commPassword, nullptr,
            [](const Codeplug& c) { return FieldValue(latin1ToUtf8(c.CommPassword)); },
            [](Codeplug& c, const FieldValue& v) {
                const std::string* text = as<std::string>(v);
                if (!text || acceptedPasswordText(*text) != *text) return false;
                c.CommPassword = *text;
                return true;
            },
            kPasswordLength};
}

// A box of the password window: it shows nothing stored and stores nothing
// (Create hands its texts to the link).
FieldBinding passwordWindowBox(const char* control, const char* label, bool heldByLogin) {
    static const Bilingual kNone{"", ""};
    FieldBinding binding{control, FieldKind::Text, &kNone, nullptr,
                   [](const Codeplug&) { return FieldValue(std::string()); },
                   [](Codeplug&, const FieldValue&) { return false; },
                   kPasswordLength};
    binding.heldByLogin = heldByLogin;
    binding.captionControl = label;
    return binding;
}

FieldBinding testFrequencyTable() {
    return {"mfgrid1", FieldKind::Table, &displayTables().testFrequencyTitle, nullptr,
            [](const Codeplug& c) {
                return FieldValue(std::vector<TestFrequencyRow>(c.TestFrequencies.begin(),
                                                                c.TestFrequencies.end()));
            },
            [](Codeplug& c, const FieldValue& v) {
                const auto* rows = as<std::vector<TestFrequencyRow>>(v);
                if (!rows || rows->size() != c.TestFrequencies.size()) return false;
                std::copy(rows->begin(), rows->end(), c.TestFrequencies.begin());
                return true;
            }};
}

std::vector<FieldBinding> bindings(std::string_view window) {
    const auto& t = displayTables();
    using F = FunctionSet;
    if (window == "Frame1") {
        static const DisplayList kModels{t.model, i18n::listEntries("Form1", "Combo10")};
        return {{"Combo10", FieldKind::List, &t.model, &kModels,
                 [](const Codeplug&) { return FieldValue(0); },
                 [](Codeplug&, const FieldValue& v) { return as<int>(v) && *as<int>(v) == 0; }},
                passwordBox()};
    }
    if (window == "FormUsePass") {
        return {passwordWindowBox("Text1", "Label1", true),
                passwordWindowBox("Text2", "Label2", true),
                passwordWindowBox("Text3", "Label3", false)};
    }
    if (window == "Frame2") {
        return {functionList("Combo3", t.timeOut, &F::timeOut),
                functionList("Combo2", t.voicePrompt, &F::voicePrompt),
                functionList("Combo11", t.voxFunction, &F::voxFunction),
                functionList("Combo4", t.timeOutWarn, &F::timeOutWarn),
                functionList("Combo6", t.batterySave, &F::batterySave),
                functionList("Combo13", t.voxGain, &F::voxGain),
                functionList("Combo9", t.squelchGrade, &F::squelchGrade),
                functionList("Combo7", t.beep, &F::beep),
                functionList("Combo12", t.voxDelay, &F::voxDelay),
                functionCheck("Check3", t.cancelOperation, &F::cancelOperation),
                functionCheck("Check4", t.receivedBannedVox, &F::rxBannedVox)};
    }
    if (window == "Form5") {
        // In the order the window takes the stores: Priority before Preferred
        // channel, so the checks see the new priority.
        return {settingList("Combo11", t.priority, 10),
                settingList("Combo12", t.preferredChannel, 11, 1),
                settingList("Combo13", t.retraceA, 12),
                settingList("Combo14", t.retraceB, 13),
                settingList("Combo15", t.returnChannel, 14),
                scanDelay("Text5", t.scanReceiveDelay, 18),
                scanDelay("Text6", t.scanLaunchDelay, 19),
                settingList("Combo4", t.pttId, 3),
                settingList("Combo10", t.duplicate, 9)};
    }
    if (window == "Form6") {
        return {sideKey("Combo1", t.pf1, &Codeplug::Pf1Key),
                sideKey("Combo2", t.pf2, &Codeplug::Pf2Key)};
    }
    if (window == "Form7") return {embeddedLine("Text1", 0), embeddedLine("Text2", 1)};
    if (window == "Form2") {
        return {tuning("Slider1", t.txHighPower, &Codeplug::TxHighPowerTune),
                tuning("Slider3", t.txLowPower, &Codeplug::TxLowPowerTune)};
    }
    if (window == "Form4") return {testFrequencyTable()};
    return {};
}

}  // namespace

std::vector<FormField> formFields(std::string_view window, const Codeplug& codeplug,
                                  Language language, bool loginMode) {
    std::vector<FormField> fields;
    for (const FieldBinding& binding : bindings(window)) {
        FormField field;
        field.control = binding.control;
        field.kind = binding.kind;
        field.caption = binding.caption->in(language);
        field.captionControl = binding.captionControl;
        if (binding.list) {
            for (const auto& item : binding.list->items) field.items.push_back(item.in(language));
        }
        if (binding.kind == FieldKind::Table) {
            for (const auto& header : displayTables().testFrequencyHeaders)
                field.headers.push_back(header.in(language));
        }
        field.value = binding.read(codeplug);
        field.maxLength = binding.maxLength;
        field.min = binding.min;
        field.max = binding.max;
        field.enabled = !(loginMode && binding.heldByLogin);
        fields.push_back(std::move(field));
    }
    return fields;
}

std::vector<std::string> changedControls(std::string_view window, const FormValues& values,
                                         const Codeplug& codeplug) {
    std::vector<std::string> changed;
    for (const FieldBinding& binding : bindings(window)) {
        const auto value = values.find(binding.control);
        if (value != values.end() && !(value->second == binding.read(codeplug)))
            changed.push_back(binding.control);
    }
    return changed;
}

Status applyFormValues(std::string_view window, const FormValues& values, Codeplug& codeplug) {
    Codeplug edited = codeplug;
    for (const FieldBinding& binding : bindings(window)) {
        const auto value = values.find(binding.control);
        if (value == values.end()) continue;
        if (!binding.write(edited, value->second)) return refusedValue(binding.control);
    }
    codeplug = std::move(edited);
    return Done{};
}

FormCheck checkFormChange(std::string_view window, std::string_view control, FormValues values,
                          const Codeplug& codeplug) {
    FormCheck check{std::move(values), {}};
    const auto changed = check.values.find(std::string(control));
    if (changed == check.values.end()) return check;
    FieldValue& value = changed->second;
    if (auto* text = std::get_if<std::string>(&value)) {
        if (window == "Form5") {
            const int index = control == "Text6" ? 19 : 18;
            *text = acceptedScanDelay(*text, codeplug.OptionalSettings[index]);
        }
        if (window == "Frame1" || window == "FormUsePass") *text = acceptedPasswordText(*text);
        if (window == "Form7") {
            const int line = control == "Text2" ? 1 : 0;
            *text = acceptedEmbeddedText(*text, latin1ToUtf8(codeplug.EmbeddedInfo[line]));
        }
    }
    if (window == "Form5") {
        const int stored = static_cast<int>(leadingNumber(codeplug.OptionalSettings[11]));
        check.message = checkPriorityChoice(control, check.values, codeplug.channels, stored);
    }
    return check;
}

}  // namespace pl63::forms
