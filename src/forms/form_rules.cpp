#include "forms/form_rules.h"

#include <algorithm>

#include "codec/side_key_texts.h"

namespace pl63::forms {
namespace {

constexpr int kPriorityNo = 0;
constexpr int kPriorityFixed = 1;
constexpr int kSideKeyOff = 1;

// Code points of a UTF-8 text; a byte that starts no valid sequence stands
// for itself, so nothing is lost on the way.
std::u32string decodeUtf8(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3
                                           : (lead >> 3) == 30 ? 4 : 0;
        bool valid = length > 0 && i + length <= text.size();
        char32_t c = length == 1 ? lead : length > 1 ? (lead & (0x7F >> length)) : lead;
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        out.push_back(valid ? c : lead);
        i += valid ? length : 1;
    }
    return out;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

int position(const FormValues& values, const char* control) {
    const auto found = values.find(control);
    const int* value = found == values.end() ? nullptr : std::get_if<int>(&found->second);
    return value ? *value : -1;
}

ErrorText errorOf(const Bilingual& text) {
    return {std::string(text.zh), std::string(text.en)};
}

}  // namespace

const Bilingual kFixedNeedsChannel{
    "当设定为‘固定’时信道不可为空，请重设！",
    "A fixed priority needs a channel, but all channels are empty. Please set it again!"};
const Bilingual kFixedNeedsChannelTitle{"提示", "Prompt"};
const Bilingual kEmptyChannelRefused{"不可选择空信道，请重新选择！",
                                     "An empty channel cannot be chosen. Please choose again!"};

bool isScanDelayText(std::string_view text) {
    if (text.empty()) return true;
    if (text.size() > 3 || !std::all_of(text.begin(), text.end(),
                                        [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return std::stoi(std::string(text)) <= kScanDelayMaxSeconds;
}

std::string acceptedScanDelay(std::string_view text, std::string_view stored) {
    if (text == stored) return std::string(text);
    while (!isScanDelayText(text)) text.remove_suffix(1);
    return std::string(text);
}

bool isEmbeddedTextCharacter(char32_t c) {
    return c >= 0x20 && c <= 0x7E;
}

std::string acceptedEmbeddedText(std::string_view text, std::string_view stored) {
    const std::u32string storedChars = decodeUtf8(stored);
    std::string out;
    int kept = 0;
    for (char32_t c : decodeUtf8(text)) {
        if (kept == kEmbeddedLineLength) break;
        if (!isEmbeddedTextCharacter(c) && storedChars.find(c) == std::u32string::npos) continue;
        appendUtf8(out, c);
        ++kept;
    }
    return out;
}

std::string acceptedPasswordText(std::string_view text) {
    std::string out;
    for (char c : text) {
        const bool allowed = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                             (c >= 'a' && c <= 'z') || c == '.';
        if (allowed && out.size() < kPasswordLength) out += c;
    }
    return out;
}

std::string latin1ToUtf8(std::string_view bytes) {
    std::string out;
    for (char byte : bytes) appendUtf8(out, static_cast<unsigned char>(byte));
    return out;
}

std::string utf8ToLatin1(std::string_view text) {
    std::string out;
    for (char32_t c : decodeUtf8(text)) out += c <= 0xFF ? static_cast<char>(c) : '?';
    return out;
}

int shownSideKeyPosition(int stored) {
    return stored >= 0 && stored < static_cast<int>(kSideKeyFunctions.size()) ? stored
                                                                              : kSideKeyOff;
}

int firstChannelInUse(const ChannelGrid& grid) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        if (grid.inUse(channel)) return channel;
    }
    return 0;
}

ErrorText checkPriorityChoice(std::string_view control, FormValues& values,
                              const ChannelGrid& grid, int storedChannel) {
    if (position(values, "Combo11") != kPriorityFixed) return {};
    if (control == "Combo11") {
        const int channel = firstChannelInUse(grid);
        if (channel == 0) {
            values["Combo11"] = kPriorityNo;
            return errorOf(kFixedNeedsChannel);
        }
        values["Combo12"] = channel - 1;
        return {};
    }
    const int chosen = position(values, "Combo12");
    if (control != "Combo12" || chosen < 0 || grid.inUse(chosen + 1)) return {};
    const int back = storedChannel >= 1 && storedChannel <= kChannelCount && grid.inUse(storedChannel)
                         ? storedChannel
                         : firstChannelInUse(grid);
    values["Combo12"] = back - 1;
    return errorOf(kEmptyChannelRefused);
}

ErrorText refusedValue(std::string_view control) {
    const std::string name(control);
    return {"无效的值：" + name, "Not a value this control takes: " + name};
}

Status checkPasswordChange(std::string_view oldPassword, std::string_view newPassword,
                           std::string_view confirm, bool loginMode) {
    if (loginMode) return Done{};
    if (oldPassword.empty() || newPassword.empty())
        return ErrorText{"密码不能为空，请重输！", "Password cannot be empty, please re-enter!"};
    if (confirm != newPassword)
        return ErrorText{"确认密码不对，请重输！", "Confirm password is incorrect, please rewrite!"};
    return Done{};
}

}  // namespace pl63::forms
