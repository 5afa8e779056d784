#pragma once
// Texts of the report made fit for a terminal or a page.
#include <cstddef>
#include <string>

namespace pl63::report {

// Text from the radio's memory, readable and harmless on a terminal: the
// bytes are the radio's single-byte characters, so only printable ASCII is
// shown as it is and every other byte as \xHH.
std::string printable(const std::string& text);

// Columns a UTF-8 text takes on a terminal (CJK characters take two).
std::size_t displayWidth(const std::string& text);

}  // namespace pl63::report
