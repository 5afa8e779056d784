#pragma once
// The fuzz input of the link engine target: one options byte for the host,
// then commands, each one byte; Receive is followed by a length byte and that
// many radio bytes, SetFlags by one byte of host flags. Seeds are written with
// EngineScript from sessions with the simulated radio.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace pl63::fuzz {

enum EngineOp : std::uint8_t {
    OpStartRead = 0,
    OpStartWrite = 1,
    OpStartPassword = 2,
    OpReceive = 3,
    OpBreak = 4,
    OpTimer1 = 5,
    OpTimer2 = 6,
    OpSetFlags = 7,
    kEngineOpCount = 8,
};

// Host flags: in the options byte and after OpSetFlags.
enum EngineFlag : std::uint8_t {
    FlagPortClosed = 0x01,
    FlagLogin = 0x02,
    FlagDebug = 0x04,
};
// Options byte only.
constexpr std::uint8_t kOptionEnglish = 0x08;
constexpr int kImageKindShift = 4;     // 2 bits: what encodeImage returns
constexpr int kPasswordKindShift = 6;  // 2 bits: the host's password texts

enum ImageKind { ImageFull = 0, ImageEmpty = 1, ImageShort = 2, ImageNotHex = 3 };

struct HostPasswords {
    std::string commPassword;  // CommPassword, as the window holds it
    std::string boxText;       // the main window's Text2
};

inline HostPasswords hostPasswords(int kind) {
    switch (kind & 3) {
        case 0:
            return {"1234", "1234"};
        case 1:
            return {"", ""};
        case 2:
            return {"  77 ", "77"};
        default:
            return {"ABCDEFGHIJKLMNOPQRS", "1234"};  // longer than the 16-byte field
    }
}

// The password the simulated radio holds in the seeds; matches kind 0.
inline const std::string kSeedRadioPassword = "1234";

class EngineScript {
public:
    explicit EngineScript(std::uint8_t options) { bytes_.push_back(options); }

    void op(EngineOp op) { bytes_.push_back(op); }
    void setFlags(std::uint8_t flags) {
        op(OpSetFlags);
        bytes_.push_back(flags);
    }
    void receive(const std::vector<std::uint8_t>& radioBytes) {
        for (std::size_t at = 0; at < radioBytes.size(); at += 255) {
            const std::size_t count = std::min<std::size_t>(255, radioBytes.size() - at);
            op(OpReceive);
            bytes_.push_back(static_cast<std::uint8_t>(count));
            bytes_.insert(bytes_.end(), radioBytes.begin() + static_cast<std::ptrdiff_t>(at),
                          radioBytes.begin() + static_cast<std::ptrdiff_t>(at + count));
        }
    }

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace pl63::fuzz
