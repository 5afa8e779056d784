#pragma once
// Writing a file so that nothing is ever half written: the new content goes to
// a temporary file in the target's own folder, is flushed to the disk and only
// then renamed over the target. Every file the program writes (codeplugs, CSV,
// raw images, the settings) goes through here.
#include <unistd.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "result.h"

namespace pl63 {

// Replaces (or creates) `path` with `bytes`. A symbolic link is written
// through: the file it points to is replaced and the link stays; a link into
// a folder that does not exist is an error. The replaced file keeps its
// permission bits, a new one gets the usual mode for the user's umask. On any
// failure the previous file is untouched, no temporary file is left and the
// error names the file and the system's reason.
Status writeFileSafely(const std::string& path, const std::vector<std::uint8_t>& bytes);
Status writeFileSafely(const std::string& path, std::string_view bytes);

// The calls that put the temporary file on the disk before it may replace
// the target. A disk that reports its failure only there (a full network
// share, a failing USB stick) must still leave the old file in place; tests
// pass calls that fail to show that it does.
struct DiskCalls {
    int (*sync)(int fd) = ::fsync;
    int (*close)(int fd) = ::close;
};
Status writeFileSafely(const std::string& path, std::string_view bytes, const DiskCalls& calls);

// Whether writeFileSafely could write `path`, checked without writing it: the
// name is not empty and not a folder, its folder exists and lets us create
// files. For outputs that are expensive to recreate (a radio read), checked
// before the work starts.
Status checkWritable(const std::string& path);

// True when both names lead to the same existing file (same device and
// inode), symbolic and hard links included.
bool sameFile(const std::string& first, const std::string& second);

// The error texts for `path` and an errno value, the system's reason in both
// languages; shared with the program's other file writers.
ErrorText cannotSaveError(const std::string& path, int error);

}  // namespace pl63
