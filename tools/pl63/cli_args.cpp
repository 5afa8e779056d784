#include "cli_args.h"

namespace pl63::cli {

ParseOutcome parseArgs(const std::vector<std::string>& words, const ArgSpec& grammar) {
    ParsedArgs parsed;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word == "-h" || word == "--help") {
            parsed.help = true;
            continue;
        }
        if (word.size() > 1 && word[0] == '-') {
            std::string name = word;
            std::optional<std::string> inlineValue;
            if (auto eq = word.find('='); eq != std::string::npos && word.rfind("--", 0) == 0) {
                name = word.substr(0, eq);
                inlineValue = word.substr(eq + 1);
            }
            if (grammar.valueOptions.count(name)) {
                if (parsed.values.count(name) && !grammar.repeatable.count(name)) {
                    return {std::nullopt, "option " + name + " is given more than once"};
                }
                if (inlineValue) {
                    parsed.values[name] = *inlineValue;
                } else if (i + 1 < words.size()) {
                    parsed.values[name] = words[++i];
                } else {
                    return {std::nullopt, "option " + name + " needs a value"};
                }
                parsed.lists[name].push_back(parsed.values[name]);
            } else if (grammar.flags.count(name) && !inlineValue) {
                parsed.flags.insert(name);
            } else {
                return {std::nullopt, "unknown option " + word};
            }
            continue;
        }
        parsed.positional.push_back(word);
    }
    return {parsed, {}};
}

std::optional<int> parseLanguageOption(const ParsedArgs& args, std::string& error) {
    auto lang = args.value("--lang");
    if (!lang || *lang == "en") return 1;
    if (*lang == "zh") return 0;
    error = "--lang takes en or zh";
    return std::nullopt;
}

}  // namespace pl63::cli
