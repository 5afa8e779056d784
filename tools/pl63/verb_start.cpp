#include "verb_start.h"

#include <ostream>

namespace pl63::cli {

VerbStart startVerb(const CliCommand& verb, const std::vector<std::string>& words,
                    const ArgSpec& grammar, std::size_t positionalCount, std::ostream& out,
                    std::ostream& err) {
    VerbStart start;
    auto usageError = [&](const std::string& message) {
        err << "pl63 " << verb.name() << ": " << message << "\n" << verb.usage();
        start.exitCode = ExitUsage;
        return start;
    };
    auto parsed = parseArgs(words, grammar);
    if (!parsed.args) return usageError(parsed.error);
    if (parsed.args->help) {
        out << verb.usage();
        return start;
    }
    std::string error;
    auto flag = parseLanguageOption(*parsed.args, error);
    if (!flag) return usageError(error);
    if (parsed.args->positional.size() != positionalCount) {
        return usageError(parsed.args->positional.size() < positionalCount
                              ? "a file name is missing"
                              : "unexpected word '" + parsed.args->positional.back() + "'");
    }
    start.language = languageFromFlag(*flag);
    start.args = std::move(parsed.args);
    return start;
}

}  // namespace pl63::cli
