#pragma once
// The value rules of the option windows and the password window, shared by
// the desktop's widgets and the browser page: what a text box takes, what a
// list shows for a stored value it has no entry for, and the refusals the
// user is told about.
// Pure C++: no Qt header may be included here.
#include <string>
#include <string_view>

#include "codec/codeplug.h"
#include "codec/result.h"
#include "forms/option_forms.h"

namespace pl63::forms {

// The radio keeps scan delays of 0..300 s (a read ignores anything larger).
inline constexpr int kScanDelayMaxSeconds = 300;
// A line of embedded information is 32 single bytes.
inline constexpr int kEmbeddedLineLength = 32;
// The debug window's power tuning sliders.
inline constexpr int kTuneMin = 0;
inline constexpr int kTuneMax = 255;
// The radio keeps 16 characters of password.
inline constexpr int kPasswordLength = 16;

// Digits only, at most 300, or nothing.
bool isScanDelayText(std::string_view text);
// What a scan delay box keeps of `text`: the text itself when it is a delay
// or the value the store already holds (such as -1), else its longest such
// beginning.
std::string acceptedScanDelay(std::string_view text, std::string_view stored = {});

// Printable ASCII: one byte the radio shows as typed and reads back unchanged.
bool isEmbeddedTextCharacter(char32_t c);
// `text` (UTF-8) without what cannot be entered, characters of `stored` (the
// line as last filled from the stores) excepted; cut to 32 characters.
std::string acceptedEmbeddedText(std::string_view text, std::string_view stored);

// Digits, letters and ".", cut to 16 characters.
std::string acceptedPasswordText(std::string_view text);

// The radio's single bytes as characters (each byte its Latin-1 character),
// and back; a character above U+00FF has no byte and gives '?'.
std::string latin1ToUtf8(std::string_view bytes);
std::string utf8ToLatin1(std::string_view text);

// The side key list's position for a stored function: a value no entry has
// shows "OFF".
int shownSideKeyPosition(int stored);

// "Priority" set to Fixed scans one channel, which must be in use: the
// first channel in use, or nothing when all are empty.
int firstChannelInUse(const ChannelGrid& grid);
extern const Bilingual kFixedNeedsChannel;
extern const Bilingual kFixedNeedsChannelTitle;
extern const Bilingual kEmptyChannelRefused;

// The Optional functions window's rules after `control` changed: Fixed takes
// the first channel in use (none: the message, and back to No); a preferred
// channel that is empty is refused while Fixed holds (back to the stored
// channel when it is in use, else the first in use).
ErrorText checkPriorityChoice(std::string_view control, FormValues& values,
                              const ChannelGrid& grid, int storedChannel = 0);

// A value OK cannot store (only a shell's fault; the windows offer none).
ErrorText refusedValue(std::string_view control);

// The password window's Create: nothing may be empty and the confirmation
// must match, unless login mode takes the password as it is.
Status checkPasswordChange(std::string_view oldPassword, std::string_view newPassword,
                           std::string_view confirm, bool loginMode);

}  // namespace pl63::forms
