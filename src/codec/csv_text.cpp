#include "csv_text.h"

#include <array>

namespace pl63 {

Result<std::vector<CsvRecord>> parseCsv(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);

    std::vector<CsvRecord> records;
    CsvRecord record;
    std::string field;
    bool inQuotes = false;
    bool fieldStarted = false;  // the record has at least one character
    int line = 1;
    int quoteLine = 0;
    record.line = 1;

    auto endField = [&] {
        record.fields.push_back(std::move(field));
        field.clear();
    };
    auto endRecord = [&] {
        endField();
        bool blank = record.fields.size() == 1 && record.fields[0].empty() && !fieldStarted;
        if (!blank) records.push_back(std::move(record));
        record = CsvRecord{};
        fieldStarted = false;
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (inQuotes) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                if (c == '\n') ++line;
                field += c;
            }
            continue;
        }
        switch (c) {
            case '"':
                inQuotes = true;
                fieldStarted = true;
                quoteLine = line;
                break;
            case ',':
                fieldStarted = true;
                endField();
                break;
            case '\r':
                if (i + 1 < text.size() && text[i + 1] == '\n') break;
                [[fallthrough]];
            case '\n':
                endRecord();
                ++line;
                record.line = line;
                break;
            default:
                fieldStarted = true;
                field += c;
        }
    }
    if (inQuotes) return lineError(quoteLine, {"引号没有结束。", "a quoted field is not closed"});
    endRecord();
    return records;
}

std::string csvField(std::string_view value) {
    bool needsQuotes = value.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!value.empty() && (value.front() == ' ' || value.back() == ' '));
    if (!needsQuotes) return std::string(value);
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

// A blank and a tab, and the blanks that come with text copied from a web
// page (no-break space) or typed with Chinese input (ideographic space), in
// UTF-8. Neither multibyte one can end or start another character.
constexpr std::array<std::string_view, 4> kBlanks = {" ", "\t", "\xC2\xA0", "\xE3\x80\x80"};

std::string_view trimmed(std::string_view text) {
    auto strip = [&text](bool front) {
        for (std::string_view blank : kBlanks) {
            if (front && text.starts_with(blank)) {
                text.remove_prefix(blank.size());
                return true;
            }
            if (!front && text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                return true;
            }
        }
        return false;
    };
    while (strip(true)) {
    }
    while (strip(false)) {
    }
    return text;
}

std::string asciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = lowerAscii(c);
    return lower;
}

// Compared letter by letter, without copies: import compares every header
// field with every column name.
bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

ErrorText lineError(int line, const ErrorText& why) {
    return {"第 " + std::to_string(line) + " 行：" + why.zh,
            "line " + std::to_string(line) + ": " + why.en};
}

}  // namespace pl63
