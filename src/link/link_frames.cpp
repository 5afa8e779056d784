#include "link/link_frames.h"

namespace pl63::link::frames {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::size_t replyDigits(const std::vector<std::uint8_t>& frame) {
    if (frame.size() == 4 && frame[0] == kReadRequest) return 2 * (4 + std::size_t{frame[3]});
    if (frame == std::vector<std::uint8_t>{kProceed}) return kIdentityDigits;
    if (frame == std::vector<std::uint8_t>{kEnd}) return 0;
    return kAckText.size();
}

void appendHex(std::string& text, std::uint8_t byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
}

std::string hexWord(int value) {
    std::string text;
    appendHex(text, static_cast<std::uint8_t>((value >> 8) & 0xFF));
    appendHex(text, static_cast<std::uint8_t>(value & 0xFF));
    return text;
}

std::uint8_t hexTextByte(const std::string& text, std::size_t k) {
    if (2 * k + 1 >= text.size()) return 0xFF;
    const int high = hexDigit(text[2 * k]);
    const int low = hexDigit(text[2 * k + 1]);
    if (high < 0 || low < 0) return 0xFF;
    return static_cast<std::uint8_t>(high * 16 + low);
}

std::vector<std::uint8_t> frameHead(std::uint8_t command, int address, int length) {
    return {command, static_cast<std::uint8_t>((address >> 8) & 0xFF),
            static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(length)};
}

}  // namespace pl63::link::frames
