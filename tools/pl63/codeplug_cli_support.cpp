#include "codeplug_cli_support.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>

#include "codec/dat_file.h"
#include "codec/image_codec.h"

namespace pl63::cli {

std::optional<int> bandOption(const ParsedArgs& args, std::string& error) {
    auto text = args.value("--band");
    if (!text) return std::nullopt;
    if (text->size() == 1 && (*text)[0] >= '0' && (*text)[0] <= '6') return (*text)[0] - '0';
    error = "--band takes a band position 0 to 6";
    return std::nullopt;
}

Result<Codeplug> loadCodeplug(const std::string& path, Language language) {
    auto image = readDatFile(path);
    if (!image) return image.error();
    Codeplug codeplug;
    DecodeImage(image.value(), codeplug, language);
    return codeplug;
}

Status saveCodeplug(const std::string& path, const Codeplug& codeplug, Language language) {
    return writeDatFile(path, EncodeImage(codeplug, language));
}

Result<std::string> readTextInput(const std::string& path, std::size_t maxBytes) {
    std::ifstream file;
    std::istream* in = &std::cin;
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) return ErrorText{"无法读取文件：" + path, "Cannot read the file: " + path};
        in = &file;
    }
    std::string text;
    char buffer[4096];
    while (in->read(buffer, sizeof buffer) || in->gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in->gcount()));
        if (text.size() > maxBytes) {
            return ErrorText{"文件太大：" + path, "The file is too large: " + path};
        }
    }
    if (in->bad()) return ErrorText{"无法读取文件：" + path, "Cannot read the file: " + path};
    return text;
}

Status writeTextOutput(const std::string& path, const std::string& text, std::ostream& out) {
    if (path == "-") {
        out << text;
        return Done{};
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    if (!file.flush()) return ErrorText{"无法写入文件：" + path, "Cannot write the file: " + path};
    return Done{};
}

int reportBadInput(const CliCommand& verb, const ErrorText& error, Language language,
                   std::ostream& err) {
    err << "pl63 " << verb.name() << ": " << error.in(language) << "\n";
    return ExitBadInput;
}

std::string printable(const std::string& text) {
    std::string shown;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            shown += static_cast<char>(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            shown += escaped;
        }
    }
    return shown;
}

std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = lead;
        if (length > 1 && i + length <= text.size()) {
            code = lead & (0x7F >> length);
            for (std::size_t k = 1; k < length; ++k) code = (code << 6) | (text[i + k] & 0x3F);
        }
        bool wide = (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
                    (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
                    (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
                    (code >= 0xFFE0 && code <= 0xFFE6);
        width += wide ? 2 : 1;
        i += length;
    }
    return width;
}

}  // namespace pl63::cli
