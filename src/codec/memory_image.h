#pragma once
// The radio's programmable memory as bytes with an upper-case hex-text view.
// Image offset k is radio address 0x0010 + k. EncodeImage always builds 848
// bytes; DecodeImage looks at offsets 0x000-0x32F only and accepts longer
// images (a radio read delivers 1024 bytes, a .DAT file 850).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pl63 {

class MemoryImage {
public:
    MemoryImage() = default;
    explicit MemoryImage(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

    // Two digits per byte, high digit first; lower-case digits are taken as
    // upper case, any other character counts as 0, an odd last digit is dropped.
    static MemoryImage fromHex(std::string_view hex);

    std::string hex() const;  // upper case, two digits per byte
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }

    // Bytes past the end read as 0xFF, the radio's "unprogrammed" marker.
    std::uint8_t at(std::size_t offset) const { return offset < bytes_.size() ? bytes_[offset] : 0xFF; }

    bool operator==(const MemoryImage&) const = default;

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace pl63
