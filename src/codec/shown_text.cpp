#include "shown_text.h"

#include <cstdio>

namespace pl63 {
namespace {

// Length of the valid UTF-8 sequence at text[i], or 0. Overlong forms,
// surrogates and code points beyond U+10FFFF are not valid.
std::size_t sequenceLength(std::string_view text, std::size_t i, char32_t& code) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length;
    char32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return length;
}

void appendEscaped(std::string& shown, unsigned char byte) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    shown += escaped;
}

}  // namespace

std::string shownText(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const std::size_t length = sequenceLength(text, i, code);
        const bool control = code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0x9F);
        if (length == 0 || control) {
            // A C1 control is two bytes in UTF-8; both are shown.
            const std::size_t bytes = length == 0 ? 1 : length;
            for (std::size_t k = 0; k < bytes; ++k)
                appendEscaped(shown, static_cast<unsigned char>(text[i + k]));
            i += bytes;
            continue;
        }
        if (code == '\\') {
            shown += "\\\\";
        } else {
            shown.append(text.substr(i, length));
        }
        i += length;
    }
    return shown;
}

}  // namespace pl63
