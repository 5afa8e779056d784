#pragma once
// The page's Document: the data the user edits, with every entry rule,
// file form and report the desktop uses, in one language at a time.
#include <string>

#include "codec/codeplug.h"
#include "codec/edited_codeplug.h"
#include "js_values.h"
#include "ui/click_gesture.h"

namespace pl63::web {

class WebDocument {
public:
    explicit WebDocument(int languageFlag);

    int language() const { return static_cast<int>(language_); }
    void setLanguage(int languageFlag);

    void newCodeplug();
    val openDat(const val& bytes, const std::string& fileName);
    val saveDat() const;
    void markSaved(const std::string& fileName) { document_.markSaved(fileName); }
    std::string fileName() const { return document_.filePath(); }
    bool isModified() const { return document_.isModified(); }
    val image() const;
    std::string unsavedQuestion() const;

    val grid() const;
    std::string cell(int row, int column) const;
    bool inUse(int row) const;
    int columnToEdit(int row, int column) const;
    val commitCell(int row, int column, const std::string& typed);
    val chooseTone(int row, int column, int position);
    val setListCell(int row, int column, int position);
    val deleteChannel(int row);

    int band() const { return document_.data().band; }
    val chooseBand(int position) const;
    void confirmBand(int position, bool confirmed);

    val form(const std::string& window) const;
    val checkForm(const std::string& window, const std::string& control, const val& values) const;
    val applyForm(const std::string& window, const val& values);

    val importChannels(const std::string& csv, bool skipUnfit);
    std::string exportChannels(const std::string& format) const;
    val compareWith(const val& bytes, const std::string& fileName) const;
    val compareWithBytes(const val& bytes) const { return compareWith(bytes, {}); }
    val channelSheet(const std::string& date) const;
    std::string report() const;

    // Login mode: the radio takes the password without the old one.
    void setLoginMode(bool on) { loginMode_ = on; }
    bool loginMode() const { return loginMode_; }
    // The hidden modes' gestures ("login": the Function Set captions,
    // "tune": the optional functions window's), at the time of day in
    // seconds; true when the mode is (re-)entered or left.
    bool captionClicked(const std::string& gesture, int caption, double seconds);
    bool exitClicked(const std::string& button, double seconds);
    bool tuneMode() const { return tuneMode_; }
    // The debug window's tuning values reach the radio (tune mode's gesture).
    bool debugUnlocked() const { return debugUnlocked_; }

    val history() const;
    void undo() { document_.undo(); }
    void redo() { document_.redo(); }

    // For the link: the data as the engine sends them, a read's result, the
    // radio now holding what was sent, the password the radio takes.
    const Codeplug& data() const { return document_.data(); }
    Language lang() const { return language_; }
    void takeRead(const std::string& readData);
    void markWritten(const Codeplug& sent) { document_.markWritten(sent); }
    void setPassword(const std::string& password);

private:
    val cellOutcome(bool changed, const std::string& message = {}) const;

    EditedCodeplug document_;
    Language language_;
    bool loginMode_ = false;
    bool tuneMode_ = false;
    bool debugUnlocked_ = false;
    ui::CaptionGesture loginGesture_;  // Squelch Grade, Time-out Warn, VOX Delay time
    ui::CaptionGesture tuneGesture_;   // PTT ID, Duplicate, Preferred channel
    ui::DoubleClickExit loginExit_;    // the toolbar button "Login"
    ui::DoubleClickExit tuneExit_;     // the toolbar button "TAnMa"
};

}  // namespace pl63::web
