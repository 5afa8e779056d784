#pragma once
// The codeplug file (*.DAT): the five signature bytes "GZQ72" followed by the
// 848 bytes of an encoded image. There is no other header, length or checksum.
#include <cstdint>
#include <string>
#include <vector>

#include "layout.h"
#include "memory_image.h"
#include "result.h"

namespace pl63 {

constexpr std::size_t kDatSignatureSize = 5;
// Opening reads the signature and at most 850 image bytes; saving writes 848.
constexpr std::size_t kDatMaxImageBytes = 850;
// A file must hold at least the part of the image the decoder looks at.
constexpr std::size_t kDatMinFileSize = kDatSignatureSize + layout::kDecodedSize;

// The image behind the signature of a file's content (at most 850 bytes), or
// "Document type not to open." when the signature is wrong or the content is
// too short to be decoded.
Result<MemoryImage> parseDatContent(const std::vector<std::uint8_t>& content);

// Reads no more of the file than an image can use.
Result<MemoryImage> readDatFile(const std::string& path);

// "Cannot read the file: <path>", for any file the program could not read.
ErrorText cannotReadFile(const std::string& path);

// The file content: signature followed by the image bytes.
std::vector<std::uint8_t> datContent(const MemoryImage& image);

// Writes the signature and an 848-byte image (EncodeImage's) through
// writeFileSafely: a failed save leaves the previous file as it was.
Status writeDatFile(const std::string& path, const MemoryImage& image);

}  // namespace pl63
