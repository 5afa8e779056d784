#pragma once
// A radio's memory read for a verb that compares or shows it rather than
// saving it (pl63 diff --port).
#include <iosfwd>
#include <string>

#include "codec/bilingual.h"
#include "codec/memory_image.h"

namespace pl63::cli {

// Reads the radio on `port` (a device path or a port number 1-20) as
// `pl63 read` does. Returns ExitOk with `image` set, or the exit code of the
// failed transfer (its reason is on `err`).
int readRadioImage(const std::string& port, Language language, std::ostream& err,
                   MemoryImage& image);

}  // namespace pl63::cli
