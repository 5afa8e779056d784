#include "dat_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <sys/stat.h>
#include <unistd.h>
#define PL63_HAVE_POSIX_FILES 1
#endif

namespace pl63 {
namespace {

constexpr std::uint8_t kSignature[kDatSignatureSize] = {'G', 'Z', 'Q', '7', '2'};

ErrorText wrongType() {
    return {"文件类型不对，无法打开。", "Document type not to open."};
}

ErrorText cannotRead(const std::string& path) {
    return {"无法读取文件：" + path, "Cannot read the file: " + path};
}

ErrorText cannotWrite(const std::string& path, const std::string& zhWhy, const std::string& enWhy) {
    return {"无法保存文件：" + path + "（" + zhWhy + "）",
            "Cannot save the file: " + path + " (" + enWhy + ")"};
}

// The system's reason, which it gives in one language only.
ErrorText cannotWrite(const std::string& path, int error) {
    std::string why = std::strerror(error ? error : EIO);
    return cannotWrite(path, why, why);
}

// Where the new content has to land: through a symbolic link, the file it
// names, so that saving does not replace the link with a plain file.
std::filesystem::path saveTarget(const std::string& path) {
    std::error_code ec;
    std::filesystem::path target(path);
    if (std::filesystem::is_symlink(target, ec)) {
        auto resolved = std::filesystem::weakly_canonical(target, ec);
        if (!ec) return resolved;
    }
    return target;
}

// Creates a new file beside `target` that no other file name can clash with.
std::FILE* openTemporary(const std::filesystem::path& target, std::filesystem::path& tempPath) {
    std::random_device seed;
    std::mt19937 generator(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempPath = target;
        tempPath += ".tmp" + std::to_string(generator() % 1000000);
        if (std::FILE* file = std::fopen(tempPath.c_str(), "wbx")) return file;
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}

#ifdef PL63_HAVE_POSIX_FILES
// A temporary file is created private; the saved file gets the mode the old
// one had, or the usual mode for a new file.
void copyMode(std::FILE* file, const std::filesystem::path& target) {
    struct stat old {};
    mode_t mode;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    ::fchmod(::fileno(file), mode);
}
#endif

}  // namespace

Result<MemoryImage> parseDatContent(const std::vector<std::uint8_t>& content) {
    if (content.size() < kDatMinFileSize) return wrongType();
    if (std::memcmp(content.data(), kSignature, kDatSignatureSize) != 0) return wrongType();
    std::size_t imageBytes = std::min(content.size() - kDatSignatureSize, kDatMaxImageBytes);
    auto first = content.begin() + kDatSignatureSize;
    return MemoryImage(std::vector<std::uint8_t>(first, first + imageBytes));
}

Result<MemoryImage> readDatFile(const std::string& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return cannotRead(path);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return cannotRead(path);
    std::vector<std::uint8_t> content(kDatSignatureSize + kDatMaxImageBytes);
    std::size_t got = std::fread(content.data(), 1, content.size(), file);
    bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return cannotRead(path);
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
        std::string size = std::to_string(image.size());
        return cannotWrite(path, "映像长度 " + size + " 字节", "an image of " + size + " bytes");
    }
    const std::filesystem::path target = saveTarget(path);
    std::error_code ec;
    if (std::filesystem::is_directory(target, ec)) {
        return cannotWrite(path, "这是一个文件夹", "it is a folder");
    }

    std::filesystem::path tempPath;
    std::FILE* file = openTemporary(target, tempPath);
    if (!file) return cannotWrite(path, errno);

    const auto content = datContent(image);
    errno = 0;
    bool ok = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    ok = ok && std::fflush(file) == 0;
#ifdef PL63_HAVE_POSIX_FILES
    if (ok) {
        copyMode(file, target);
        ok = ::fsync(::fileno(file)) == 0;
    }
#endif
    int failure = ok ? 0 : errno;
    if (std::fclose(file) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        std::filesystem::remove(tempPath, ec);
        return cannotWrite(path, failure);
    }
    std::filesystem::rename(tempPath, target, ec);
    if (ec) {
        std::string why = ec.message();
        std::filesystem::remove(tempPath, ec);
        return cannotWrite(path, why, why);
    }
    return Done{};
}

}  // namespace pl63
