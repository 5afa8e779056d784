#pragma once
// The radio-wide areas after the channel records: DTMF settings, side keys,
// ID code, "Function Set", PTT ID, VOX, scan options, tuning, band, password,
// DTMF codes, test channels and embedded information.
#include "codeplug.h"
#include "image_fields.h"
#include "memory_image.h"

namespace pl63 {

// 0x100-0x158 into the stores and the Function Set selections, in offset
// order; a byte outside a field's accepted range leaves the value it had.
void decodeOptionBytes(const MemoryImage& image, Codeplug& codeplug);

// From the tuning values at 0x173 to the embedded information at 0x310.
void decodeTrailingAreas(const MemoryImage& image, Codeplug& codeplug);

// Every option byte from 0x100 to 0x34F except the scan bitmap, with the
// fillers and constants between them. `image` must already be 848 bytes of
// 0xFF filler.
void encodeOptionAreas(const Codeplug& codeplug, field::Bytes& image);

}  // namespace pl63
