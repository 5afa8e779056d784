#pragma once
// What differs between two codeplugs, in the words the windows show: one line
// per channel cell ("CH 05  Power: Hight → Low"), then one per option under
// its window's and control's caption. Shared by `pl63 diff` and the window's
// Compare with file.
#include <string>

#include "codec/codeplug.h"

namespace pl63::report {

// Lines ending in "\n"; empty when the codeplugs would give the radio the
// same bytes. Both codeplugs are decoded in `language`.
std::string codeplugDifferences(const Codeplug& a, const Codeplug& b, Language language);

}  // namespace pl63::report
