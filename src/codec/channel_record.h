#pragma once
// The 16 channel records and the scan bitmap, to and from the channel grid's
// cell texts. The grid is the only copy of the channels; the records are built
// from its texts alone, never from the ChoiceIndexTable.
#include "bilingual.h"
#include "codeplug.h"
#include "image_fields.h"
#include "memory_image.h"

namespace pl63 {

// Columns 1-7 of every row and their ChoiceIndexTable entries. A record
// without receive frequency empties the whole row and leaves its choices alone.
void decodeChannelRecords(const MemoryImage& image, ChannelGrid& grid, Language language);

// Column 8 from the scan bitmap, for the rows in use; empty for the others.
// Runs after the option bytes, as the radio software does.
void decodeScanColumn(const MemoryImage& image, ChannelGrid& grid, Language language);

// The 16 records at the start of the image. A blank cell encodes as no
// frequency, tone off, forbid on carrier, high power, wide band.
void encodeChannelRecords(const ChannelGrid& grid, Language language, field::Bytes& image);

// The two scan bytes; a blank cell (or a text that is no scan item) is "not in
// the scan list".
void encodeScanBitmap(const ChannelGrid& grid, Language language, field::Bytes& image);

}  // namespace pl63
