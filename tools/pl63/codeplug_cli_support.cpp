#include "codeplug_cli_support.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "codec/safe_file.h"
#include "codec/shown_text.h"

namespace pl63::cli {

std::optional<int> bandOption(const ParsedArgs& args, std::string& error) {
    auto text = args.value("--band");
    if (!text) return std::nullopt;
    if (text->size() == 1 && (*text)[0] >= '0' && (*text)[0] <= '6') return (*text)[0] - '0';
    error = "--band takes a band position 0 to 6";
    return std::nullopt;
}

Result<MemoryImage> readCodeplugImage(const std::string& path) {
    if (path != "-") return readDatFile(path);
    // The whole stream is taken, so a writer on a pipe never sees it closed
    // early; only what an image can use is kept.
    constexpr std::size_t kLimit = kDatSignatureSize + kDatMaxImageBytes;
    std::vector<std::uint8_t> content;
    char buffer[4096];
    while (std::cin.read(buffer, sizeof buffer) || std::cin.gcount() > 0) {
        const auto got = static_cast<std::size_t>(std::cin.gcount());
        if (content.size() < kLimit) {
            content.insert(content.end(), buffer, buffer + std::min(got, kLimit - content.size()));
        }
    }
    if (std::cin.bad()) return ErrorText{"无法读取标准输入", "Cannot read the standard input"};
    return parseDatContent(content);
}

Result<Codeplug> loadCodeplug(const std::string& path, Language language) {
    auto image = readCodeplugImage(path);
    if (!image) return image.error();
    Codeplug codeplug;
    DecodeImage(image.value(), codeplug, language);
    return codeplug;
}

Status saveCodeplug(const std::string& path, const Codeplug& codeplug, Language language,
                    std::ostream& out) {
    const MemoryImage image = EncodeImage(codeplug, language);
    if (path != "-") return writeDatFile(path, image);
    const auto content = datContent(image);
    return writeOutput(
        path, std::string_view(reinterpret_cast<const char*>(content.data()), content.size()), out);
}

Result<std::string> readTextInput(const std::string& path, std::size_t maxBytes) {
    std::ifstream file;
    std::istream* in = &std::cin;
    const std::string shown = shownText(path);
    if (path != "-") {
        file.open(path, std::ios::binary);
        if (!file) return ErrorText{"无法读取文件：" + shown, "Cannot read the file: " + shown};
        in = &file;
    }
    std::string text;
    char buffer[4096];
    while (in->read(buffer, sizeof buffer) || in->gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(in->gcount()));
        if (text.size() > maxBytes) {
            return ErrorText{"文件太大：" + shown, "The file is too large: " + shown};
        }
    }
    if (in->bad()) return ErrorText{"无法读取文件：" + shown, "Cannot read the file: " + shown};
    return text;
}

Status writeOutput(const std::string& path, std::string_view bytes, std::ostream& out) {
    if (path != "-") return writeFileSafely(path, bytes);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return finishOutput(out);
}

Status finishOutput(std::ostream& out) {
    errno = 0;
    if (out.flush()) return Done{};
    const int error = errno;
    const std::string why = error ? std::string("（") + std::strerror(error) + "）" : "";
    const std::string enWhy = error ? std::string(" (") + std::strerror(error) + ")" : "";
    return ErrorText{"无法写入标准输出" + why, "Cannot write to the standard output" + enWhy};
}

std::optional<ErrorText> outputIsInput(const std::string& input, const std::string& output) {
    if (input == "-" || output == "-" || !sameFile(input, output)) return std::nullopt;
    const std::string in = shownText(input), to = shownText(output);
    return ErrorText{"输出文件 " + to + " 就是输入文件 " + in + "，没有写入任何内容",
                     "the output " + to + " is the input file " + in + "; nothing was written"};
}

std::optional<ErrorText> sameOutputs(const std::string& first, const std::string& second) {
    // Neither may exist yet: then their full names tell.
    std::error_code firstError, secondError;
    const auto canonicalFirst = std::filesystem::weakly_canonical(first, firstError);
    const auto canonicalSecond = std::filesystem::weakly_canonical(second, secondError);
    const bool same = first == second || sameFile(first, second) ||
                      (!firstError && !secondError && canonicalFirst == canonicalSecond);
    if (!same) return std::nullopt;
    const std::string a = shownText(first), b = shownText(second);
    return ErrorText{"两个输出 " + a + " 和 " + b + " 是同一个文件",
                     "the outputs " + a + " and " + b + " are the same file"};
}

int reportBadInput(const CliCommand& verb, const ErrorText& error, Language language,
                   std::ostream& err) {
    err << "pl63 " << verb.name() << ": " << error.in(language) << "\n";
    return ExitBadInput;
}

}  // namespace pl63::cli
