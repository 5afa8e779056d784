#include "forms/file_comparison.h"

#include "codec/image_codec.h"
#include "i18n/caption_catalogue.h"
#include "report/codeplug_diff.h"

namespace pl63::forms {

FileComparison compareWithFile(const Codeplug& current, const MemoryImage& other,
                               const std::string& otherName, Language language) {
    Codeplug theirs;
    DecodeImage(other, theirs, language);
    // What the window holds, as a file saved now would give it back.
    Codeplug shown;
    DecodeImage(EncodeImage(current, language), shown, language);
    FileComparison comparison;
    comparison.heading =
        "A: " + i18n::caption("Commands", "thisWindow").str(language) + "    B: " + otherName;
    comparison.lines = report::codeplugDifferences(shown, theirs, language);
    return comparison;
}

}  // namespace pl63::forms
