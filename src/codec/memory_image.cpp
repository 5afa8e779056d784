#include "memory_image.h"

namespace pl63 {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    // Images we build or read never hold lower case; a hand-edited one may.
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

MemoryImage MemoryImage::fromHex(std::string_view hex) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(hexValue(hex[i]) << 4 | hexValue(hex[i + 1])));
    }
    return MemoryImage(std::move(bytes));
}

std::string MemoryImage::hex() const {
    std::string out;
    out.reserve(bytes_.size() * 2);
    for (std::uint8_t byte : bytes_) {
        out.push_back(kHexDigits[byte >> 4]);
        out.push_back(kHexDigits[byte & 0xF]);
    }
    return out;
}

}  // namespace pl63
