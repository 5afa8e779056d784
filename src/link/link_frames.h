#pragma once
// The frames the engine and the radio exchange, as the engine writes them and
// reads the radio's answers: a hex text, two digits per byte.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace pl63::link::frames {

constexpr std::uint8_t kProceed = 0x02;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kEnd = 0x45;          // "E"
constexpr std::uint8_t kReadRequest = 0x52;  // "R"
constexpr std::uint8_t kWriteBlock = 0x57;   // "W"; the radio's data replies start with it too

inline const std::vector<std::uint8_t> kProgrammingOpening = {'R', 'M', '-', 'P', 'R', 'O', 'G'};
inline const std::vector<std::uint8_t> kPasswordOpening = {kProceed, 'p', 'r', 'o',
                                                           'g',      'r', 'a', 'm'};

constexpr int kFirstAddress = 0x0010;  // radio address of image offset 0
constexpr int kReadBlockSize = 0x40;
constexpr int kReadEnd = 0x0410;
constexpr int kWriteBlockSize = 0x10;
constexpr int kWriteEnd = 0x0350;  // nothing from here on is ever written
constexpr int kPasswordAddress = 0x01C0;
constexpr int kPasswordLength = 16;

inline const std::string kAckText = "06";
inline const std::string kModelIdText = "4B56393134";  // "KV914"
constexpr std::size_t kIdentityDigits = 16;
constexpr std::size_t kReadReplyDigits = 2 * (4 + kReadBlockSize);
constexpr std::size_t kPasswordReplyDigits = 2 * (4 + kPasswordLength);

// Digits of the radio's answer to a frame: its block to a read request, the
// identity to the proceed frame, nothing to the end frame and an acknowledge
// to everything else.
std::size_t replyDigits(const std::vector<std::uint8_t>& frame);

void appendHex(std::string& text, std::uint8_t byte);
std::string hexWord(int value);  // "01C0"

// Byte k of a hex text. An image too short or not hex at that place must not
// send garbage or read past its end; 0xFF is what the radio takes as
// "unprogrammed".
std::uint8_t hexTextByte(const std::string& text, std::size_t k);

// Read requests, write blocks and the radio's data replies all begin with a
// command byte, the radio address (high byte first) and the data length.
std::vector<std::uint8_t> frameHead(std::uint8_t command, int address, int length);

}  // namespace pl63::link::frames
