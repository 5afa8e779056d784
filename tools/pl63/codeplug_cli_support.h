#pragma once
// What the codeplug verbs share: reading their common options, loading and
// saving .DAT files, and reporting errors the same way.
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "cli_args.h"
#include "cli_command.h"
#include "codec/bilingual.h"
#include "codec/codeplug.h"
#include "codec/memory_image.h"
#include "codec/result.h"
#include "verb_start.h"

namespace pl63::cli {

// "--band 0..6"; nothing when absent; `error` set when present but invalid.
std::optional<int> bandOption(const ParsedArgs& args, std::string& error);

// The image of a .DAT file, or of standard input for "-".
Result<MemoryImage> readCodeplugImage(const std::string& path);

// The codeplug of a .DAT file (or standard input for "-") decoded in `language`.
Result<Codeplug> loadCodeplug(const std::string& path, Language language);

// Saves through the safe writer, or to `out` for "-".
Status saveCodeplug(const std::string& path, const Codeplug& codeplug, Language language,
                    std::ostream& out);

// A whole text file (or standard input for "-"), refused beyond `maxBytes`.
Result<std::string> readTextInput(const std::string& path, std::size_t maxBytes);

// Writes through the safe writer, or to `out` for "-", flushed and checked.
Status writeOutput(const std::string& path, std::string_view bytes, std::ostream& out);

// Everything written to `out` has left it; an error when it could not (a full
// disk or /dev/full behind standard output).
Status finishOutput(std::ostream& out);

// The error when the output `output` is the file `input` (by device and
// inode, so also through links); standard input and output never clash.
std::optional<ErrorText> outputIsInput(const std::string& input, const std::string& output);

// The error when two outputs name the same file, existing or not.
std::optional<ErrorText> sameOutputs(const std::string& first, const std::string& second);

// "pl63 VERB: message" on err in the chosen language; returns ExitBadInput.
int reportBadInput(const CliCommand& verb, const ErrorText& error, Language language,
                   std::ostream& err);

}  // namespace pl63::cli
