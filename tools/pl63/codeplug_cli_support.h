#pragma once
// What the codeplug verbs share: reading their common options, loading and
// saving .DAT files, and reporting errors the same way.
#include <iosfwd>
#include <optional>
#include <string>

#include "cli_args.h"
#include "cli_command.h"
#include "codec/bilingual.h"
#include "codec/codeplug.h"
#include "codec/result.h"
#include "verb_start.h"

namespace pl63::cli {

// "--band 0..6"; nothing when absent; `error` set when present but invalid.
std::optional<int> bandOption(const ParsedArgs& args, std::string& error);

// The codeplug of a .DAT file decoded in `language`.
Result<Codeplug> loadCodeplug(const std::string& path, Language language);

Status saveCodeplug(const std::string& path, const Codeplug& codeplug, Language language);

// A whole text file (or standard input for "-"), refused beyond `maxBytes`.
Result<std::string> readTextInput(const std::string& path, std::size_t maxBytes);

// Writes to the file, or to `out` for "-".
Status writeTextOutput(const std::string& path, const std::string& text, std::ostream& out);

// "pl63 VERB: message" on err in the chosen language; returns ExitBadInput.
int reportBadInput(const CliCommand& verb, const ErrorText& error, Language language,
                   std::ostream& err);

// Text from the radio's memory, readable and harmless on a terminal: the
// bytes are the radio's single-byte characters, so only printable ASCII is
// shown as it is and every other byte as \xHH.
std::string printable(const std::string& text);

// Columns a UTF-8 text takes on a terminal (CJK characters take two).
std::size_t displayWidth(const std::string& text);

}  // namespace pl63::cli
