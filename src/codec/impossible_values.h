#pragma once
// Values a radio cannot hold: a frequency with a BCD digit above 9, or a tone
// code that is not in the tone list. A radio never reports them; a file can
// hold them (damaged, hand-edited, or not a codeplug at all behind the right
// signature). Opening such a file still shows what it holds, as the radio
// software did, and tells the user once which channels to check.
#include <optional>
#include <vector>

#include "memory_image.h"
#include "result.h"

namespace pl63 {

// Channels (1..16) in use whose record holds such a value, in channel order.
// A channel without receive frequency is not looked at: it decodes as empty.
std::vector<int> channelsWithImpossibleValues(const MemoryImage& image);

// The one warning that names those channels; nothing when there are none.
std::optional<ErrorText> impossibleValuesWarning(const MemoryImage& image);

}  // namespace pl63
