#include "document_binding.h"

#include "codec/band.h"
#include "codec/channel_csv.h"
#include "codec/chirp_csv.h"
#include "codec/dat_file.h"
#include "codec/frequency_entry.h"
#include "codec/image_codec.h"
#include "codec/impossible_values.h"
#include "codec/tone_entry.h"
#include "forms/channel_import.h"
#include "forms/file_comparison.h"
#include "forms/grid_choices.h"
#include "forms/option_forms.h"
#include "i18n/step_names.h"
#include "report/channel_sheet.h"
#include "report/codeplug_report.h"

namespace pl63::web {
namespace {

using forms::FieldKind;
using forms::FieldValue;

const char* kindName(FieldKind kind) {
    switch (kind) {
        case FieldKind::List: return "list";
        case FieldKind::Check: return "check";
        case FieldKind::Text: return "text";
        case FieldKind::Number: return "number";
        case FieldKind::Table: return "table";
    }
    return "";
}

val valueToJs(const FieldValue& value) {
    if (const int* number = std::get_if<int>(&value)) return val(*number);
    if (const bool* checked = std::get_if<bool>(&value)) return val(*checked);
    if (const auto* text = std::get_if<std::string>(&value)) return val(*text);
    val rows = val::array();
    for (const TestFrequencyRow& row : std::get<std::vector<TestFrequencyRow>>(value)) {
        val pair = val::array();
        pair.call<void>("push", val(row[0]));
        pair.call<void>("push", val(row[1]));
        rows.call<void>("push", pair);
    }
    return rows;
}

FieldValue valueFromJs(const val& value) {
    const std::string type = value.typeOf().as<std::string>();
    if (type == "boolean") return value.as<bool>();
    if (type == "number") return value.as<int>();
    if (type == "string") return value.as<std::string>();
    std::vector<TestFrequencyRow> rows;
    if (value.isArray()) {
        const int count = value["length"].as<int>();
        for (int i = 0; i < count; ++i) {
            const val row = value[i];
            rows.push_back({row[0].as<std::string>(), row[1].as<std::string>()});
        }
    }
    return rows;
}

forms::FormValues valuesFromJs(const val& values) {
    forms::FormValues out;
    const val keys = val::global("Object").call<val>("keys", values);
    const int count = keys["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const std::string key = keys[i].as<std::string>();
        out[key] = valueFromJs(values[key]);
    }
    return out;
}

val valuesToJs(const forms::FormValues& values) {
    val out = val::object();
    for (const auto& [control, value] : values) out.set(control, valueToJs(value));
    return out;
}

val pairsToJs(const report::ChannelSheet::Pairs& pairs) {
    val out = val::array();
    for (const auto& [caption, value] : pairs) {
        val pair = val::array();
        pair.call<void>("push", val(caption));
        pair.call<void>("push", val(value));
        out.call<void>("push", pair);
    }
    return out;
}

FrequencyBand limitsOf(const Codeplug& codeplug) {
    const BandEntry* band = bandAt(codeplug.band);
    if (!band) band = bandAt(0);
    return {band->lowMHz, band->highMHz};
}

bool validCell(int row, int column) {
    return row >= 1 && row <= kChannelCount && column >= 0 && column < kGridColumns;
}

}  // namespace

WebDocument::WebDocument(int languageFlag) : language_(languageOf(languageFlag)) {
    document_.translate(language_);
    document_.startOver();
}

void WebDocument::setLanguage(int languageFlag) {
    language_ = languageOf(languageFlag);
    document_.translate(language_);
}

void WebDocument::newCodeplug() {
    document_.replace(i18n::stepName("new"), [](Codeplug& c) { c.channels.ClearGrid1(); }, {});
}

val WebDocument::openDat(const val& bytes, const std::string& fileName) {
    const Result<MemoryImage> image = parseDatContent(bytesFromJs(bytes));
    val out = outcome(image.ok(), image.ok() ? std::string() : image.error().in(language_));
    out.set("warning", std::string());
    if (!image) return out;
    debugUnlocked_ = false;
    const Language language = language_;
    document_.replace(i18n::stepName("open"),
                      [&](Codeplug& c) { DecodeImage(image.value(), c, language); }, fileName);
    if (const auto warning = impossibleValuesWarning(image.value()))
        out.set("warning", warning->in(language_));
    return out;
}

val WebDocument::saveDat() const {
    return bytesToJs(datContent(EncodeImage(document_.data(), language_)));
}

val WebDocument::image() const {
    return bytesToJs(EncodeImage(document_.data(), language_).bytes());
}

std::string WebDocument::unsavedQuestion() const {
    const std::string& file = document_.filePath();
    const std::string name = file.substr(file.find_last_of("/\\") + 1);
    return i18n::unsavedQuestion(name, language_);
}

val WebDocument::grid() const {
    val rows = val::array();
    for (int row = 1; row <= kChannelCount; ++row) {
        val cells = val::array();
        for (int col = 0; col < kGridColumns; ++col)
            cells.call<void>("push", val(document_.data().channels.text(row, col)));
        rows.call<void>("push", cells);
    }
    return rows;
}

std::string WebDocument::cell(int row, int column) const {
    return validCell(row, column) ? document_.data().channels.text(row, column) : std::string();
}

bool WebDocument::inUse(int row) const {
    return validCell(row, 0) && document_.data().channels.inUse(row);
}

int WebDocument::columnToEdit(int row, int column) const {
    return validCell(row, column) ? forms::columnToEdit(document_.data().channels, row, column) : -1;
}

val WebDocument::cellOutcome(bool changed, const std::string& message) const {
    val out = outcome(message.empty(), message);
    out.set("changed", changed);
    return out;
}

val WebDocument::commitCell(int row, int column, const std::string& typed) {
    if (!validCell(row, column)) return cellOutcome(false);
    const FrequencyBand limits = limitsOf(document_.data());
    const Language language = language_;
    if (column == ColRxFrequency || column == ColTxFrequency) {
        FrequencyCommitResult result{};
        const bool changed = document_.change(i18n::gridCellStep(row, column), [&](Codeplug& c) {
            result = commitFrequency(c.channels, row, column, typed, limits, language);
        });
        const bool refused = result.outcome == FrequencyCommit::OutOfBand;
        return cellOutcome(changed, refused ? result.message.in(language_) : std::string());
    }
    if (column == ColRxTone || column == ColTxTone) {
        const bool changed = document_.change(i18n::gridCellStep(row, column), [&](Codeplug& c) {
            commitTone(c.channels, row, column, typed);
        });
        return cellOutcome(changed);
    }
    return cellOutcome(false);
}

val WebDocument::chooseTone(int row, int column, int position) {
    if (!validCell(row, column) || (column != ColRxTone && column != ColTxTone))
        return cellOutcome(false);
    const Language language = language_;
    return cellOutcome(document_.change(i18n::gridCellStep(row, column), [&](Codeplug& c) {
        forms::chooseTone(c.channels, row, column, position, language);
    }));
}

val WebDocument::setListCell(int row, int column, int position) {
    if (!validCell(row, column) || !inUse(row)) return cellOutcome(false);
    const Language language = language_;
    return cellOutcome(document_.change(i18n::gridCellStep(row, column), [&](Codeplug& c) {
        forms::chooseListEntry(c.channels, row, column, position, language);
    }));
}

val WebDocument::deleteChannel(int row) {
    if (!validCell(row, 0)) return cellOutcome(false);
    return cellOutcome(document_.change(i18n::gridCellStep(row, ColNumber),
                                        [row](Codeplug& c) { c.channels.ClearNO(row); }));
}

val WebDocument::chooseBand(int position) const {
    val out = val::object();
    out.set("ask", position != band() && bandAt(position) != nullptr);
    out.set("question", forms::kBandQuestion.str(language_));
    out.set("title", forms::kBandQuestionTitle.str(language_));
    return out;
}

void WebDocument::confirmBand(int position, bool confirmed) {
    if (!confirmed || !bandAt(position)) return;
    document_.change(i18n::stepName("band"),
                     [position](Codeplug& c) { forms::changeBand(c, position); });
}

val WebDocument::form(const std::string& window) const {
    val fields = val::array();
    for (const forms::FormField& field : forms::formFields(window, document_.data(), language_, loginMode_)) {
        val out = val::object();
        out.set("control", field.control);
        out.set("kind", std::string(kindName(field.kind)));
        out.set("caption", field.caption.empty() && !field.captionControl.empty()
                               ? catalogueText(window, field.captionControl, 0, language_)
                               : field.caption);
        out.set("items", arrayOf(field.items));
        out.set("headers", arrayOf(field.headers));
        out.set("value", valueToJs(field.value));
        out.set("maxLength", field.maxLength);
        out.set("min", field.min);
        out.set("max", field.max);
        out.set("enabled", field.enabled);
        fields.call<void>("push", out);
    }
    return fields;
}

val WebDocument::checkForm(const std::string& window, const std::string& control,
                           const val& values) const {
    const forms::FormCheck check =
        forms::checkFormChange(window, control, valuesFromJs(values), document_.data());
    val out = val::object();
    out.set("values", valuesToJs(check.values));
    out.set("message", check.message.in(language_));
    return out;
}

val WebDocument::applyForm(const std::string& window, const val& values) {
    const forms::FormValues given = valuesFromJs(values);
    Status applied = Done{};
    const auto apply = [&](Codeplug& c) { applied = forms::applyFormValues(window, given, c); };
    if (window == "Frame1") {
        // The password box is typed key by key: one step for the whole word.
        document_.changeOngoing(i18n::stepName("password"), apply);
    } else if (const auto changed = forms::changedControls(window, given, document_.data());
               window == "Frame2" && changed.size() == 1) {
        // A Function Set list or check is its own step, named after the control.
        document_.change(i18n::stepName(changed.front()), apply);
    } else {
        document_.change(i18n::stepName(window), apply);
    }
    return outcome(applied, language_);
}

val WebDocument::importChannels(const std::string& csv, bool skipUnfit) {
    auto imported = forms::importChannelList(csv, document_.data(), language_, skipUnfit);
    val out = outcome(imported.ok(), imported.ok() ? std::string() : imported.error().in(language_));
    val leftOut = val::array();
    val warnings = val::array();
    std::string format = detectChannelCsvFormat(csv) == ChannelCsvFormat::Chirp ? "chirp" : "pl63";
    if (imported) {
        const forms::ChannelImport& done = imported.value();
        document_.change(i18n::stepName("import"),
                         [&](Codeplug& c) { c.channels = done.channels; });
        for (const LeftOutRow& row : done.leftOut) {
            val shown = val::object();
            shown.set("line", row.line);
            shown.set("frequency", row.frequency);
            shown.set("reason", row.reason.in(language_));
            leftOut.call<void>("push", shown);
        }
        for (const ErrorText& warning : done.warnings)
            warnings.call<void>("push", val(warning.in(language_)));
        const forms::ImportReport report = forms::importReport(done, language_);
        out.set("listTitle", report.title);
        out.set("listHeading", report.heading);
        out.set("listLines", report.lines);
    }
    out.set("leftOut", leftOut);
    out.set("warnings", warnings);
    out.set("format", format);
    return out;
}

std::string WebDocument::exportChannels(const std::string& format) const {
    const ChannelGrid& channels = document_.data().channels;
    return format == "chirp" ? exportChirpCsv(channels) : exportChannelsCsv(channels);
}

val WebDocument::compareWith(const val& bytes, const std::string& fileName) const {
    const Result<MemoryImage> image = parseDatContent(bytesFromJs(bytes));
    val out = outcome(image.ok(), image.ok() ? std::string() : image.error().in(language_));
    if (!image) return out;
    const forms::FileComparison comparison =
        forms::compareWithFile(document_.data(), image.value(), fileName, language_);
    out.set("heading", comparison.heading);
    out.set("differences", comparison.lines);
    return out;
}

val WebDocument::channelSheet(const std::string& date) const {
    const std::string& file = document_.filePath();
    const report::ChannelSheet sheet = report::channelSheet(
        document_.data(), language_, file.substr(file.find_last_of("/\\") + 1), date);
    val out = val::object();
    out.set("title", sheet.title);
    out.set("facts", pairsToJs(sheet.facts));
    out.set("gridHeader", arrayOf(std::vector<std::string>(sheet.gridHeader.begin(),
                                                           sheet.gridHeader.end())));
    val channels = val::array();
    for (const auto& row : sheet.channels)
        channels.call<void>("push", arrayOf(std::vector<std::string>(row.begin(), row.end())));
    out.set("channels", channels);
    val sections = val::array();
    for (const auto& section : sheet.sections) {
        val shown = val::object();
        shown.set("title", section.title);
        shown.set("values", pairsToJs(section.values));
        sections.call<void>("push", shown);
    }
    out.set("sections", sections);
    return out;
}

std::string WebDocument::report() const {
    return report::codeplugReport(document_.data(), language_);
}

val WebDocument::history() const {
    const EditedCodeplug& history = document_;
    val out = val::object();
    out.set("canUndo", history.canUndo());
    out.set("canRedo", history.canRedo());
    out.set("undoName", history.canUndo() ? history.undoName().in(language_) : std::string());
    out.set("redoName", history.canRedo() ? history.redoName().in(language_) : std::string());
    const StepName none;
    out.set("undoItem",
            i18n::undoItemText(history.canUndo() ? history.undoName() : none, language_));
    out.set("redoItem",
            i18n::redoItemText(history.canRedo() ? history.redoName() : none, language_));
    return out;
}

bool WebDocument::captionClicked(const std::string& gesture, int caption, double seconds) {
    if (caption < 0 || caption > 2) return false;
    if (gesture == "login") {
        if (!loginGesture_.click(caption, seconds)) return false;
        loginMode_ = true;
        return true;
    }
    if (gesture != "tune" || !tuneGesture_.click(caption, seconds)) return false;
    tuneMode_ = true;
    debugUnlocked_ = true;
    return true;
}

bool WebDocument::exitClicked(const std::string& button, double seconds) {
    if (button == "Login") {
        if (!loginExit_.click(seconds)) return false;
        loginGesture_.clear();
        loginMode_ = false;
        return true;
    }
    if (button != "TAnMa" || !tuneExit_.click(seconds)) return false;
    tuneGesture_.clear();
    debugUnlocked_ = false;
    tuneMode_ = false;
    return true;
}

void WebDocument::takeRead(const std::string& readData) {
    // New data: tuning is entered again deliberately.
    debugUnlocked_ = false;
    const MemoryImage image = MemoryImage::fromHex(readData);
    const Language language = language_;
    document_.replace(i18n::stepName("read"),
                      [&](Codeplug& c) { DecodeImage(image, c, language); }, {});
}

void WebDocument::setPassword(const std::string& password) {
    document_.change(i18n::stepName("FormUsePass"),
                     [&](Codeplug& c) { c.CommPassword = password; });
}

}  // namespace pl63::web
