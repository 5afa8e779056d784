#include "safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "shown_text.h"

namespace pl63 {
namespace {

namespace fs = std::filesystem;

// Links can point at links; the system gives up after 40 as well.
constexpr int kMaxLinkDepth = 40;

// The system states its reason in English only; the common ones get their
// Chinese text here.
Bilingual systemReason(int error) {
    const std::string en = std::strerror(error ? error : EIO);
    switch (error) {
        case ENOENT:
            return {"文件夹不存在", en};
        case EACCES:
        case EPERM:
            return {"没有写入权限", en};
        case ENOSPC:
            return {"磁盘已满", en};
        case EDQUOT:
            return {"超出磁盘配额", en};
        case EFBIG:
            return {"超出文件大小限制", en};
        case EROFS:
            return {"只读文件系统", en};
        case EISDIR:
            return {"这是一个文件夹", en};
        case ENOTDIR:
            return {"路径中有一项不是文件夹", en};
        case ENAMETOOLONG:
            return {"文件名太长", en};
        case ELOOP:
            return {"符号链接层数太多", en};
        case EIO:
            return {"输入输出错误", en};
        default:
            return {en, en};
    }
}

// The folder was found a moment before the file is created in it, so a
// refusal to create is about what the folder is, not whether it exists:
// /proc answers ENOENT for every new name.
Bilingual createReason(int error) {
    if (error == ENOENT) return {"此文件夹中不能新建文件", "files cannot be created in this folder"};
    return systemReason(error);
}

ErrorText cannotSave(const std::string& path, const Bilingual& why) {
    const std::string shown = shownText(path);
    return {"无法保存文件：" + shown + "（" + why.zh + "）",
            "Cannot save the file: " + shown + " (" + why.en + ")"};
}

// The file a name stands for once every symbolic link on the way is followed;
// a link to a file that does not exist yet gives that file's name. Fails with
// ENOENT when the folder the name ends in is missing, ELOOP for a cycle.
int resolveTarget(const std::string& path, fs::path& target) {
    target = fs::path(path);
    for (int depth = 0;; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(target, ec))) break;
        if (depth == kMaxLinkDepth) return ELOOP;
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return ec.value();
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return 0;
}

fs::path folderOf(const fs::path& target) {
    return target.has_parent_path() ? target.parent_path() : fs::path(".");
}

// Before anything is created: the target must be a file (or nothing yet) in
// a folder that exists.
int checkTarget(const std::string& path, fs::path& target) {
    if (path.empty()) return ENOENT;
    if (int error = resolveTarget(path, target)) return error;
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return EISDIR;
    const fs::path folder = folderOf(target);
    if (::stat(folder.c_str(), &info) != 0) return errno;
    if (!S_ISDIR(info.st_mode)) return ENOTDIR;
    return 0;
}

// Creates a new file beside `target` that no other name can clash with; it
// starts private and gets its final mode once written.
int openTemporary(const fs::path& target, fs::path& tempPath) {
    std::random_device seed;
    std::mt19937 generator(seed());
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempPath = target;
        tempPath += ".tmp" + std::to_string(generator() % 1000000);
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

// The mode the replaced file had, or the usual mode of a new file.
mode_t finalMode(const fs::path& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) == 0) return old.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

int writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (written == 0) return EIO;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return 0;
}

// The rename is on the disk only once the folder itself is.
void syncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

Status writeBytes(const std::string& path, const std::uint8_t* data, std::size_t size,
                  const DiskCalls& calls) {
    fs::path target;
    if (int error = checkTarget(path, target)) return cannotSaveError(path, error);

    fs::path tempPath;
    const int fd = openTemporary(target, tempPath);
    if (fd < 0) return cannotSave(path, createReason(errno));

    int error = writeAll(fd, data, size);
    if (!error && ::fchmod(fd, finalMode(target)) != 0) error = errno;
    if (!error && calls.sync(fd) != 0) error = errno;
    if (calls.close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(tempPath.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(tempPath.c_str());
        return cannotSaveError(path, error);
    }
    syncFolder(folderOf(target));
    return Done{};
}

}  // namespace

ErrorText cannotSaveError(const std::string& path, int error) {
    if (path.empty()) return cannotSave(path, {"文件名是空的", "the file name is empty"});
    return cannotSave(path, systemReason(error));
}

Status writeFileSafely(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    return writeBytes(path, bytes.data(), bytes.size(), DiskCalls{});
}

Status writeFileSafely(const std::string& path, std::string_view bytes) {
    return writeFileSafely(path, bytes, DiskCalls{});
}

Status writeFileSafely(const std::string& path, std::string_view bytes, const DiskCalls& calls) {
    return writeBytes(path, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                      calls);
}

Status checkWritable(const std::string& path) {
    fs::path target;
    if (int error = checkTarget(path, target)) return cannotSaveError(path, error);
    if (::access(folderOf(target).c_str(), W_OK | X_OK) != 0) return cannotSaveError(path, errno);
    return Done{};
}

bool sameFile(const std::string& first, const std::string& second) {
    struct stat a {
    }, b{};
    if (::stat(first.c_str(), &a) != 0 || ::stat(second.c_str(), &b) != 0) return false;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace pl63
