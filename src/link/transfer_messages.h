#pragma once
// What a window or page adds to the engine's own texts when a transfer ends
// early, so the user knows how far it got. Shared by every host that shows
// messages (the desktop window, the browser page).
#include <optional>
#include <string>

#include "codec/bilingual.h"

namespace pl63::link {

// The engine's message, and after a write that stopped (its time-out) how
// many blocks the radio took: the general error alone would not tell the
// user that the radio now holds part of the new settings.
std::string transferMessage(const std::string& engineText, bool writeStopped, int done, int total,
                            Language language);

// After the user cancelled: the status line, and for a write that got some
// blocks into the radio the message that says so.
struct CancelNotice {
    std::string status;
    std::optional<std::string> message;
};
CancelNotice cancelNotice(bool write, int done, int total, Language language);

// A password as the radio compares it: a decoded one may still carry the
// blanks the radio had.
std::string trimmedPassword(const std::string& password);

}  // namespace pl63::link

namespace pl63::link {

// A radio leaves programming mode on the end frame; a verify's read-back
// waits this long before it opens the next session.
inline constexpr int kPauseBeforeVerifyMs = 300;

// Said before how far the read-back got when a verify's read-back stopped.
inline const Bilingual kVerifyStopped{
    "写频已完成，但校验用的回读没有完成：",
    "The write went through, but the read-back for --verify did not:"};

}  // namespace pl63::link
