// The module's exports: free functions over the core's tables and rules, and
// the Document, Link and RadioSimulator classes (see pl63_core.d.ts).
#include <emscripten/bind.h>

#include "codec/band.h"
#include "codec/dat_file.h"
#include "codec/debug_frequency.h"
#include "codec/frequency_entry.h"
#include "codec/grid_texts.h"
#include "codec/tone_code.h"
#include "codec/tone_entry.h"
#include "document_binding.h"
#include "forms/command_texts.h"
#include "forms/form_rules.h"
#include "i18n/caption_catalogue.h"
#include "i18n/msgbox_buttons.h"
#include "link/link_texts.h"
#include "link/radio_simulator.h"
#include "link/transfer_messages.h"
#include "link_binding.h"
#include "pl63_version.h"
#include "sample_dat.h"

namespace pl63::web {
namespace {

val captionRow(std::string_view window, const std::string& control, int index,
               const std::string& text, int element = -1) {
    val row = val::object();
    row.set("window", std::string(window));
    row.set("control", control);
    row.set("index", index);
    row.set("element", element);
    row.set("text", text);
    return row;
}

// Every row of the caption catalogue (the windows, the reports' words, the
// step names, the commands', the page's and the link engine's texts), then
// the message boxes' buttons, so the page asks one place for every text.
val captions(int languageFlag) {
    const Language language = languageOf(languageFlag);
    val rows = val::array();
    i18n::forEachCaption([&](std::string_view window, const i18n::CaptionRow& row) {
        rows.call<void>("push", captionRow(window, row.objectName, row.index,
                                           row.text.str(language), row.element));
    });
    for (const auto& button : i18n::kMsgBoxButtons) {
        rows.call<void>("push", captionRow("MsgBox", std::string(button.name), 0,
                                           std::string(button.text[int(language)])));
    }
    return rows;
}

}  // namespace

std::string catalogueText(const std::string& window, const std::string& control, int index,
                          Language language) {
    const i18n::CaptionRow* row = i18n::findCaption(window, control, index);
    return row ? row->text.str(language) : std::string();
}

namespace {

std::string caption(const std::string& window, const std::string& control, int index,
                    int languageFlag) {
    const val rows = captions(languageFlag);
    const int count = rows["length"].as<int>();
    for (int i = 0; i < count; ++i) {
        const val row = rows[i];
        if (row["window"].as<std::string>() == window &&
            row["control"].as<std::string>() == control && row["index"].as<int>() == index)
            return row["text"].as<std::string>();
    }
    return {};
}

val bands() {
    val out = val::array();
    for (const BandEntry& band : kBands) {
        val entry = val::object();
        entry.set("text", std::string(band.text));
        entry.set("lowMHz", band.lowMHz);
        entry.set("highMHz", band.highMHz);
        out.call<void>("push", entry);
    }
    return out;
}

val toneList(int languageFlag) {
    val out = val::array();
    for (int position = 0; position < kToneListSize; ++position)
        out.call<void>("push", toneListText(position, languageOf(languageFlag)));
    return out;
}

val gridListItems(int column, int languageFlag) {
    val out = val::array();
    if (!isListColumn(column)) return out;
    for (int position = 0; position < 2; ++position)
        out.call<void>("push", std::string(gridListText(column, position, languageOf(languageFlag))));
    return out;
}

// The first character of a key's text; Backspace is 8.
char keyChar(const std::string& key) {
    return key == "Backspace" ? char(8) : key.size() == 1 ? key[0] : char(0);
}

bool acceptsKey(const std::string& key) {
    const char typed = keyChar(key);
    return typed != 0 && acceptsFrequencyKey(typed);
}

std::string filterTone(const std::string& key) {
    const char typed = keyChar(key);
    if (typed == 0) return {};
    const auto kept = filterToneKey(typed);
    return kept ? std::string(1, *kept) : std::string();
}

val snapTestFrequency(const std::string& rx, const std::string& tx, int column) {
    TestFrequencyRow row{rx, tx};
    SnapTestFrequency(row, column);
    val out = val::array();
    out.call<void>("push", row[0]);
    out.call<void>("push", row[1]);
    return out;
}

bool testFrequencyEditable(const std::string& rx, const std::string& tx, int column) {
    return testFrequencyCellEditable({rx, tx}, column);
}

val sampleDat() {
    return bytesToJs(std::vector<std::uint8_t>(kSampleDat, kSampleDat + kSampleDatSize));
}

// The simulated radio as a radio on a line: after the end frame it waits
// for the next session, as the radio does.
class WebRadio {
public:
    val loadDat(const val& bytes) {
        const Result<MemoryImage> image = parseDatContent(bytesFromJs(bytes));
        if (!image) return outcome(false, image.error().en);
        auto& memory = radio_.memory();
        memory.fill(0xFF);
        const auto& loaded = image.value().bytes();
        std::copy_n(loaded.begin(), std::min(memory.size(), loaded.size()), memory.begin());
        return outcome(true);
    }
    val receive(const val& bytes) {
        val out = val::array();
        for (const link::RadioOutput& arrival : radio_.receive(bytesFromJs(bytes))) {
            val shown = val::object();
            shown.set("breakBefore", arrival.breakBefore);
            shown.set("bytes", bytesToJs(arrival.bytes));
            out.call<void>("push", shown);
        }
        if (radio_.sessionEnded()) {
            ended_ = true;
            radio_.resetSession();
        }
        return out;
    }
    bool sessionEnded() const { return ended_; }
    val memory() const {
        return bytesToJs(std::vector<std::uint8_t>(radio_.memory().begin(), radio_.memory().end()));
    }
    void setStallAfterBlock(int blocks) { setFault(&link::RadioFaults::stallAfterBlock, blocks); }
    void setSilent(bool silent) { setFault(&link::RadioFaults::silent, silent); }
    void resetSession() {
        radio_.resetSession();
        ended_ = false;
    }

private:
    template <typename T>
    void setFault(T link::RadioFaults::*fault, T value) {
        link::RadioFaults faults = radio_.faults();
        faults.*fault = value;
        radio_.setFaults(faults);
    }

    link::RadioSimulator radio_;
    bool ended_ = false;
};

std::string version() {
    return kVersion;
}

int frequencyEditorMaxLength() {
    return kFrequencyEditorMaxLength;
}

int verifyPauseMs() {
    return link::kPauseBeforeVerifyMs;
}

std::string acceptedPassword(const std::string& text) {
    return forms::acceptedPasswordText(text);
}

}  // namespace
}  // namespace pl63::web

EMSCRIPTEN_BINDINGS(pl63_core) {
    using namespace emscripten;
    using namespace pl63::web;
    function("version", &version);
    function("captions", &captions);
    function("caption", &caption);
    function("bands", &bands);
    function("toneList", &toneList);
    function("gridListItems", &gridListItems);
    function("acceptsFrequencyKey", &acceptsKey);
    function("filterToneKey", &filterTone);
    function("frequencyEditorMaxLength", &frequencyEditorMaxLength);
    function("snapTestFrequency", &snapTestFrequency);
    function("testFrequencyEditable", &testFrequencyEditable);
    function("acceptedPassword", &acceptedPassword);
    function("verifyPauseMs", &verifyPauseMs);
    function("sampleDat", &sampleDat);

    class_<WebDocument>("Document")
        .constructor<int>()
        .function("language", &WebDocument::language)
        .function("setLanguage", &WebDocument::setLanguage)
        .function("newCodeplug", &WebDocument::newCodeplug)
        .function("openDat", &WebDocument::openDat)
        .function("saveDat", &WebDocument::saveDat)
        .function("markSaved", &WebDocument::markSaved)
        .function("fileName", &WebDocument::fileName)
        .function("isModified", &WebDocument::isModified)
        .function("image", &WebDocument::image)
        .function("unsavedQuestion", &WebDocument::unsavedQuestion)
        .function("grid", &WebDocument::grid)
        .function("cell", &WebDocument::cell)
        .function("inUse", &WebDocument::inUse)
        .function("columnToEdit", &WebDocument::columnToEdit)
        .function("commitCell", &WebDocument::commitCell)
        .function("chooseTone", &WebDocument::chooseTone)
        .function("setListCell", &WebDocument::setListCell)
        .function("deleteChannel", &WebDocument::deleteChannel)
        .function("band", &WebDocument::band)
        .function("chooseBand", &WebDocument::chooseBand)
        .function("confirmBand", &WebDocument::confirmBand)
        .function("form", &WebDocument::form)
        .function("checkForm", &WebDocument::checkForm)
        .function("applyForm", &WebDocument::applyForm)
        .function("importChannels", &WebDocument::importChannels)
        .function("exportChannels", &WebDocument::exportChannels)
        .function("compareWith", &WebDocument::compareWith)
        .function("compareWith", &WebDocument::compareWithBytes)
        .function("channelSheet", &WebDocument::channelSheet)
        .function("report", &WebDocument::report)
        .function("setLoginMode", &WebDocument::setLoginMode)
        .function("loginMode", &WebDocument::loginMode)
        .function("captionClicked", &WebDocument::captionClicked)
        .function("exitClicked", &WebDocument::exitClicked)
        .function("tuneMode", &WebDocument::tuneMode)
        .function("debugUnlocked", &WebDocument::debugUnlocked)
        .function("history", &WebDocument::history)
        .function("undo", &WebDocument::undo)
        .function("redo", &WebDocument::redo);

    class_<WebLink>("Link")
        .constructor<WebDocument&, val>()
        .function("startRead", &WebLink::startRead)
        .function("startWrite", &WebLink::startWrite)
        .function("startPasswordChange", &WebLink::startPasswordChange)
        .function("cancel", &WebLink::cancel)
        .function("received", &WebLink::received)
        .function("breakSeen", &WebLink::breakSeen)
        .function("tick1", &WebLink::tick1)
        .function("tick2", &WebLink::tick2)
        .function("busy", &WebLink::busy)
        .function("verifyPending", &WebLink::verifyPending)
        .function("continueVerify", &WebLink::continueVerify)
        .function("blocksDone", &WebLink::blocksDone)
        .function("blocksTotal", &WebLink::blocksTotal)
        .function("setLoginMode", &WebLink::setLoginMode)
        .function("setPasswordBox", &WebLink::setPasswordBox);

    class_<WebRadio>("RadioSimulator")
        .constructor<>()
        .function("loadDat", &WebRadio::loadDat)
        .function("receive", &WebRadio::receive)
        .function("sessionEnded", &WebRadio::sessionEnded)
        .function("memory", &WebRadio::memory)
        .function("setStallAfterBlock", &WebRadio::setStallAfterBlock)
        .function("setSilent", &WebRadio::setSilent)
        .function("resetSession", &WebRadio::resetSession);
}
