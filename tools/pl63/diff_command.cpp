// pl63 diff: what differs between two codeplugs, files or radios, in the
// words the windows show.
#include <optional>
#include <ostream>

#include "codec/image_codec.h"
#include "codec/shown_text.h"
#include "codeplug_cli_support.h"
#include "codeplug_commands.h"
#include "report/codeplug_diff.h"
#ifdef PL63_HAVE_SERIAL
#include "radio/radio_image.h"
#endif

namespace pl63::cli {
namespace {

// diff(1)'s exit codes rather than the other verbs': scripts test "same or not".
enum DiffExit : int { DiffSame = 0, DiffDifferent = 1, DiffTrouble = 2 };

struct Source {
    bool port = false;
    std::string name;  // file path, or the --port value
};

class DiffCommand : public CliCommand {
public:
    std::string_view name() const override { return "diff"; }
    std::string_view summary() const override { return "show what differs between two codeplugs"; }
    std::string usage() const override {
        return "usage: pl63 diff A B [--lang en|zh]\n"
               "  A and B are .DAT files (\"-\" reads standard input); either may be\n"
               "  --port DEV instead: that radio is read first\n"
               "  one line per difference in the grid's words: channel, column, A's value\n"
               "  -> B's value; then each differing option under its window's and\n"
               "  control's caption\n"
               "  --lang    language of the texts (default en)\n"
               "  exit codes as diff(1): 0 the same, 1 different, 2 trouble (an unreadable\n"
               "  or short file, bad arguments, no radio)\n";
    }

    int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) override {
        std::vector<Source> sources;
        std::string lang = "en";
        // By hand rather than with parseArgs: the order of the files and
        // ports decides which is A and which is B.
        for (std::size_t i = 0; i < words.size(); ++i) {
            std::string word = words[i];
            if (word == "-h" || word == "--help") {
                out << usage();
                return DiffSame;
            }
            std::optional<std::string> value;
            if (const auto eq = word.find('='); word.rfind("--", 0) == 0 && eq != std::string::npos) {
                value = word.substr(eq + 1);
                word = word.substr(0, eq);
            }
            const bool takesValue = word == "--port" || word == "--lang";
            if (takesValue && !value) {
                if (i + 1 >= words.size()) return usageError(word + " needs a value", err);
                value = words[++i];
            }
            if (word == "--port") {
                sources.push_back({true, *value});
            } else if (word == "--lang") {
                lang = *value;
            } else if (word.size() > 1 && word[0] == '-') {
                return usageError("unknown option " + word, err);
            } else {
                sources.push_back({false, word});
            }
        }
        if (lang != "en" && lang != "zh") return usageError("--lang takes en or zh", err);
        if (sources.size() != 2) return usageError("two codeplugs are needed, A and B", err);
        if (!sources[0].port && !sources[1].port && sources[0].name == "-" &&
            sources[1].name == "-") {
            return usageError("only one of A and B can be standard input", err);
        }
        const Language language = lang == "en" ? Language::English : Language::Chinese;

        MemoryImage images[2];
        for (int i = 0; i < 2; ++i) {
            if (int code = load(sources[i], language, err, images[i]); code != DiffSame) return code;
        }
        Codeplug a, b;
        DecodeImage(images[0], a, language);
        DecodeImage(images[1], b, language);
        const std::string lines = report::codeplugDifferences(a, b, language);
        out << lines;
        if (Status shown = finishOutput(out); !shown) {
            err << "pl63 diff: " << shown.error().in(language) << "\n";
            return DiffTrouble;
        }
        return lines.empty() ? DiffSame : DiffDifferent;
    }

private:
    int usageError(const std::string& message, std::ostream& err) const {
        err << "pl63 diff: " << message << "\n" << usage();
        return DiffTrouble;
    }

    int load(const Source& source, Language language, std::ostream& err,
             MemoryImage& image) const {
        if (!source.port) {
            auto read = readCodeplugImage(source.name);
            if (!read) {
                err << "pl63 diff: " << read.error().in(language) << "\n";
                return DiffTrouble;
            }
            image = std::move(read.value());
            return DiffSame;
        }
#ifdef PL63_HAVE_SERIAL
        const int code = readRadioImage(source.name, language, err, image);
        if (code == ExitOk) return DiffSame;
        // Stopped by a signal keeps its code, as with every verb; any other
        // failure to read the radio is diff's trouble.
        return code == ExitInterrupted || code == ExitTerminated ? code : DiffTrouble;
#else
        err << "pl63 diff: this pl63 was built without serial port support: "
            << shownText(source.name) << "\n";
        return DiffTrouble;
#endif
    }
};

}  // namespace

std::unique_ptr<CliCommand> makeDiffCommand() {
    return std::make_unique<DiffCommand>();
}

}  // namespace pl63::cli
