#pragma once
// The two operations that move a whole image: DecodeImage spreads it into the
// codeplug model, EncodeImage builds a fresh 848-byte image from the model.
#include "bilingual.h"
#include "codeplug.h"
#include "memory_image.h"

namespace pl63 {

// Updates the model in place. A byte the decoder does not accept leaves the
// previous value; decoding never fails and never reports. `language` selects
// the list texts written into the grid.
void DecodeImage(const MemoryImage& image, Codeplug& codeplug, Language language);

// Always exactly 848 bytes (offsets 0x000-0x34F). `language` is needed to
// recognise the grid's list texts and the tone list's Off entry.
MemoryImage EncodeImage(const Codeplug& codeplug, Language language);

}  // namespace pl63
