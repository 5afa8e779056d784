#include "dat_file.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "safe_file.h"
#include "shown_text.h"

namespace pl63 {
namespace {

constexpr std::uint8_t kSignature[kDatSignatureSize] = {'G', 'Z', 'Q', '7', '2'};

ErrorText wrongType() {
    return {"文件类型不对，无法打开。", "Document type not to open."};
}

}  // namespace

ErrorText cannotReadFile(const std::string& path) {
    return {"无法读取文件：" + shownText(path), "Cannot read the file: " + shownText(path)};
}

Result<MemoryImage> parseDatContent(const std::vector<std::uint8_t>& content) {
    if (content.size() < kDatMinFileSize) return wrongType();
    if (std::memcmp(content.data(), kSignature, kDatSignatureSize) != 0) return wrongType();
    std::size_t imageBytes = std::min(content.size() - kDatSignatureSize, kDatMaxImageBytes);
    auto first = content.begin() + kDatSignatureSize;
    return MemoryImage(std::vector<std::uint8_t>(first, first + imageBytes));
}

Result<MemoryImage> readDatFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return cannotReadFile(path);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return cannotReadFile(path);
    std::vector<std::uint8_t> content(kDatSignatureSize + kDatMaxImageBytes);
    std::size_t got = std::fread(content.data(), 1, content.size(), file);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return cannotReadFile(path);
    content.resize(got);
    return parseDatContent(content);
}

std::vector<std::uint8_t> datContent(const MemoryImage& image) {
    std::vector<std::uint8_t> content(kDatSignatureSize + image.size());
    std::copy(std::begin(kSignature), std::end(kSignature), content.begin());
    std::copy(image.bytes().begin(), image.bytes().end(), content.begin() + kDatSignatureSize);
    return content;
}

Status writeDatFile(const std::string& path, const MemoryImage& image) {
    if (image.size() != layout::kImageSize) {
        const std::string size = std::to_string(image.size());
        const std::string shown = shownText(path);
        return ErrorText{"无法保存文件：" + shown + "（映像长度 " + size + " 字节）",
                         "Cannot save the file: " + shown + " (an image of " + size + " bytes)"};
    }
    return writeFileSafely(path, datContent(image));
}

}  // namespace pl63
