#pragma once
// The start every verb shares: its words parsed, --help answered, usage
// errors reported the same way.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "cli_args.h"
#include "cli_command.h"
#include "codec/bilingual.h"

namespace pl63::cli {

// Outcome of reading a verb's arguments: the parsed words, or the exit code
// the verb returns at once (help printed, or a usage error reported).
struct VerbStart {
    std::optional<ParsedArgs> args;
    int exitCode = ExitOk;
    Language language = Language::English;
};

// Parses the words, answers --help and reports usage errors (unknown option,
// bad --lang, wrong number of positional words).
VerbStart startVerb(const CliCommand& verb, const std::vector<std::string>& words,
                    const ArgSpec& grammar, std::size_t positionalCount, std::ostream& out,
                    std::ostream& err);

}  // namespace pl63::cli
