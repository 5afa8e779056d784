#pragma once
// Compare with file: what differs between the data in the program, as a
// file saved now would hold them, and another codeplug file.
// Pure C++: no Qt header may be included here.
#include <string>

#include "codec/codeplug.h"
#include "codec/memory_image.h"

namespace pl63::forms {

struct FileComparison {
    std::string heading;  // "A: this window    B: <file>"
    std::string lines;    // one per difference; empty when there is none
};

FileComparison compareWithFile(const Codeplug& current, const MemoryImage& other,
                               const std::string& otherName, Language language);

}  // namespace pl63::forms
