#pragma once
// The 16 channel records and the scan bitmap, to and from the channel grid's
// cell texts. A record is built from its row's texts, never from the
// ChoiceIndexTable, unless the row still shows what its record decoded to.
#include "bilingual.h"
#include "codeplug.h"
#include "image_fields.h"
#include "memory_image.h"

namespace pl63 {

// Columns 1-7 of every row and their ChoiceIndexTable entries; every row keeps
// its record's bytes. A record without receive frequency empties the whole row
// and leaves its choices alone.
void decodeChannelRecords(const MemoryImage& image, ChannelGrid& grid, Language language);

// Column 8 from the scan bitmap, for the rows in use; empty for the others.
// Runs after the option bytes, as the radio software does.
void decodeScanColumn(const MemoryImage& image, ChannelGrid& grid, Language language);

// The 16 records at the start of the image. A row whose columns 1-7 are still
// what its kept record decodes to is that record again, byte for byte; any
// other row is built from its texts, where a blank cell encodes as no
// frequency, tone off, forbid on carrier, high power, wide band.
void encodeChannelRecords(const ChannelGrid& grid, Language language, field::Bytes& image);

// The two scan bytes; a blank cell (or a text that is no scan item) is "not in
// the scan list".
void encodeScanBitmap(const ChannelGrid& grid, Language language, field::Bytes& image);

}  // namespace pl63
