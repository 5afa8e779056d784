#pragma once
// Text that came from a file or the command line, made safe to print: a CSV
// cell or a file name can hold escape sequences that would drive the
// terminal, or bytes that are no UTF-8 at all.
#include <string>
#include <string_view>

namespace pl63 {

// Valid UTF-8 stays as it is (Chinese included); control characters (C0, DEL,
// C1) and every byte that does not belong to a valid UTF-8 sequence become
// \xHH, and a backslash becomes \\ so that an escape cannot be faked.
std::string shownText(std::string_view text);

}  // namespace pl63
