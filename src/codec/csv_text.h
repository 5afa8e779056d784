#pragma once
// Comma-separated text as spreadsheets write it: fields in double quotes may
// hold commas, quotes (doubled) and line breaks; lines end in LF or CR LF.
#include <string>
#include <string_view>
#include <vector>

#include "result.h"

namespace pl63 {

struct CsvRecord {
    int line = 0;  // 1-based line on which the record starts
    std::vector<std::string> fields;
};

// Splits text into records; blank lines are skipped and a leading UTF-8 byte
// order mark is dropped. A quoted field left open at the end is an error.
Result<std::vector<CsvRecord>> parseCsv(std::string_view text);

// One field, quoted when it would otherwise not read back the same.
std::string csvField(std::string_view value);

// A field without the blanks around it (spaces, tabs, no-break and
// ideographic spaces): hand-made files and pasted tables put them after the
// commas.
std::string_view trimmed(std::string_view text);

// Column names and words in a CSV are ASCII; their letter case is free.
std::string asciiLower(std::string_view text);
bool sameWord(std::string_view a, std::string_view b);

// "line 4: why", the prefix every message about a CSV line carries.
ErrorText lineError(int line, const ErrorText& why);

}  // namespace pl63
