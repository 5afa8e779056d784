#pragma once
// The one-shot language hint: an installer (or a support person) may leave
// the value "Languages" in the user's "PK-63" settings to pick the language of
// the next start. It is read once at start-up, decides the language when it
// is not empty, and is then removed so it acts only once. The program never
// writes it.
#include <cstdint>
#include <optional>

class QSettings;

namespace pl63::settings {

inline constexpr const char* kLanguageHintOrganization = "PK-63";
inline constexpr const char* kLanguageHintKey = "Languages";

// LanguageFlag from the hint in `store`: 1 when the value is exactly
// "english", 0 for any other non-empty value, and the value is removed;
// nothing (and the value is left alone) when it is missing or empty.
std::optional<std::int16_t> takeLanguageHint(QSettings& store);

// The same on the user's own store: the registry key HKEY_CURRENT_USER\PK-63
// on Windows, elsewhere QSettings(NativeFormat, UserScope, "PK-63").
std::optional<std::int16_t> takeLanguageHint();

// The start-up choice: the hint when there is one, else the language byte of
// the parameter file.
std::int16_t chooseLanguageFlag(std::optional<std::int16_t> hint, std::uint8_t parameterByte);

}  // namespace pl63::settings
