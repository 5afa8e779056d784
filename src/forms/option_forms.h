#pragma once
// The option windows and the Function Set panel as data: which controls a
// window has, what each shows from the codeplug's stores, and how its value
// goes back into them. A shell (the browser page) builds its dialogs from
// this; the value rules that run while a window is open live here too.
// Pure C++: no Qt header may be included here.
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "codec/codeplug.h"
#include "codec/result.h"
#include "codec/debug_frequency.h"

namespace pl63::forms {

enum class FieldKind { List, Check, Text, Number, Table };

// A list position (-1 no selection), a check, a text, a number or the rows
// of a table.
using FieldValue = std::variant<int, bool, std::string, std::vector<TestFrequencyRow>>;
using FormValues = std::map<std::string, FieldValue>;

struct FormField {
    std::string control;  // the control's objectName
    FieldKind kind = FieldKind::List;
    std::string caption;
    // The window's label that names the control, when `caption` is empty
    // because the label's text lives in the window's caption table.
    std::string captionControl;
    std::vector<std::string> items;    // List
    std::vector<std::string> headers;  // Table
    FieldValue value;
    int maxLength = 0;  // Text; 0 no limit
    int min = 0;        // Number
    int max = 0;
    bool enabled = true;  // false: shown, but login mode holds it
};

// The windows: "Frame1" (Type selection: model and password box), "Frame2"
// (Function Set), "Form2" (debug), "Form4" (test frequencies), "Form5"
// (optional functions), "Form6" (keys), "Form7" (embedded information),
// "FormUsePass" (the password window's boxes, empty; the old and new ones
// disabled in login mode). Any other name has no fields.
std::vector<FormField> formFields(std::string_view window, const Codeplug& codeplug,
                                  Language language, bool loginMode = false);

struct FormCheck {
    FormValues values;
    ErrorText message;  // empty when nothing is said
};

// The rules that run while a window is open, after the user changed
// `control`: a text keeps only what its control accepts, a test frequency
// moves onto its raster, a fixed priority takes a channel in use. `values`
// holds the window's controls as the user left them.
FormCheck checkFormChange(std::string_view window, std::string_view control, FormValues values,
                          const Codeplug& codeplug);

// The controls whose value in `values` differs from what the window shows
// for `codeplug`, in the window's order.
std::vector<std::string> changedControls(std::string_view window, const FormValues& values,
                                         const Codeplug& codeplug);

// OK: the values named are written into the stores; controls not named keep
// their stores. A value of the wrong kind or outside its control's range is
// refused and nothing is written.
Status applyFormValues(std::string_view window, const FormValues& values, Codeplug& codeplug);

}  // namespace pl63::forms
