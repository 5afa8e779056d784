#include "image_codec.h"

#include "channel_record.h"
#include "layout.h"
#include "option_areas.h"

namespace pl63 {

void DecodeImage(const MemoryImage& image, Codeplug& codeplug, Language language) {
    decodeChannelRecords(image, codeplug.channels, language);
    decodeOptionBytes(image, codeplug);
    decodeScanColumn(image, codeplug.channels, language);
    decodeTrailingAreas(image, codeplug);
}

MemoryImage EncodeImage(const Codeplug& codeplug, Language language) {
    field::Bytes bytes(layout::kImageSize, layout::kFiller);
    encodeChannelRecords(codeplug.channels, language, bytes);
    encodeOptionAreas(codeplug, bytes);
    encodeScanBitmap(codeplug.channels, language, bytes);
    return MemoryImage(std::move(bytes));
}

}  // namespace pl63
