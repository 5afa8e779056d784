#pragma once
// Reads a fuzz input as a little program: option bytes first, then commands
// with their arguments. Past the end every read gives zero, so any input,
// however short, is a complete program.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pl63::fuzz {

using Input = std::span<const std::uint8_t>;

class InputReader {
public:
    explicit InputReader(Input input) : input_(input) {}

    bool empty() const { return at_ >= input_.size(); }
    std::size_t remaining() const { return input_.size() - at_; }

    std::uint8_t byte() { return empty() ? 0 : input_[at_++]; }

    std::vector<std::uint8_t> bytes(std::size_t count) {
        count = std::min(count, remaining());
        std::vector<std::uint8_t> taken(input_.begin() + static_cast<std::ptrdiff_t>(at_),
                                        input_.begin() + static_cast<std::ptrdiff_t>(at_ + count));
        at_ += count;
        return taken;
    }

    std::vector<std::uint8_t> rest() { return bytes(remaining()); }

    std::string restAsText() {
        const auto taken = rest();
        return std::string(taken.begin(), taken.end());
    }

private:
    Input input_;
    std::size_t at_ = 0;
};

// Collects what went wrong; the first few failures are enough to debug an input.
class Verdict {
public:
    void expect(bool holds, const std::string& what) {
        if (holds) return;
        if (++failures_ <= 5) text_ += what + "\n";
    }
    void fail(const std::string& what) { expect(false, what); }
    bool ok() const { return failures_ == 0; }
    std::string text() const { return text_; }

private:
    int failures_ = 0;
    std::string text_;
};

}  // namespace pl63::fuzz
