#pragma once
// A small argument reader shared by the verbs: positional words, "--name value"
// and "--name=value" options, and "--flag" switches. Unknown options are errors.
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace pl63::cli {

struct ArgSpec {
    std::set<std::string> valueOptions;  // e.g. {"-o", "--band"}
    std::set<std::string> flags;         // e.g. {"--login"}
    // Value options that may be given more than once (write --port A --port B);
    // any other value option given twice is an error, not "the last one wins".
    std::set<std::string> repeatable = {};
};

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // the last value of each option
    std::map<std::string, std::vector<std::string>> lists;  // every value, in order
    std::set<std::string> flags;
    bool help = false;

    std::optional<std::string> value(const std::string& name) const {
        auto it = values.find(name);
        if (it == values.end()) return std::nullopt;
        return it->second;
    }
    std::vector<std::string> all(const std::string& name) const {
        auto it = lists.find(name);
        return it == lists.end() ? std::vector<std::string>() : it->second;
    }
    bool has(const std::string& flag) const { return flags.count(flag) != 0; }
};

// Returns the parsed words, or an error text for the usage message.
struct ParseOutcome {
    std::optional<ParsedArgs> args;
    std::string error;
};

ParseOutcome parseArgs(const std::vector<std::string>& words, const ArgSpec& grammar);

// "--lang en|zh" (default English on the command line).
std::optional<int> parseLanguageOption(const ParsedArgs& args, std::string& error);

}  // namespace pl63::cli
