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

}  // namespace pl63
