#include "codeplug_report.h"

#include <sstream>
#include <vector>

#include "codec/conversions.h"
#include "display_tables.h"
#include "report_text.h"

namespace pl63::report {
namespace {

using Table = std::vector<std::vector<std::string>>;

// Columns padded to their widest cell, two blanks apart, no trailing blanks.
void printTable(std::ostream& out, const Table& rows, const std::string& indent) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t col = 0; col < row.size(); ++col) {
            widths[col] = std::max(widths[col], displayWidth(row[col]));
        }
    }
    for (const auto& row : rows) {
        std::string line = indent;
        for (std::size_t col = 0; col < row.size(); ++col) {
            line += row[col];
            if (col + 1 < row.size())
                line += std::string(widths[col] - displayWidth(row[col]) + 2, ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out << line << "\n";
    }
}

class Report {
public:
    explicit Report(Language language) : language_(language) {}

    void title(const Bilingual& text) {
        flush();
        window_ = text.in(language_);
        out_ << "\n" << window_ << "\n";
    }
    void value(const Bilingual& caption, const std::string& text) {
        pairs_.push_back({caption.in(language_), text});
        entries_.push_back({window_, caption.in(language_), text});
    }
    void choice(const DisplayList& list, long long position) {
        value(list.caption, position == -1 ? "" : list.itemText(position, language_));
    }
    void check(const Bilingual& caption, bool checked) {
        value(caption, displayTables().checkBoxStates[checked ? 1 : 0].in(language_));
    }
    void table(const Table& rows, const std::string& indent = "") {
        flush();
        printTable(out_, rows, indent);
        for (std::size_t row = 1; row < rows.size(); ++row) {
            for (std::size_t col = 1; col < rows[row].size() && col < rows[0].size(); ++col) {
                entries_.push_back({window_, rows[row][0] + " " + rows[0][col], rows[row][col]});
            }
        }
    }
    const std::vector<ReportEntry>& entries() const { return entries_; }
    std::string text() {
        flush();
        return out_.str();
    }
    Language language() const { return language_; }

private:
    void flush() {
        if (pairs_.empty()) return;
        Table rows;
        for (auto& [caption, text] : pairs_) rows.push_back({caption, text});
        printTable(out_, rows, "  ");
        pairs_.clear();
    }

    Language language_;
    std::string window_;
    std::vector<ReportEntry> entries_;
    std::ostringstream out_;
    std::vector<std::pair<std::string, std::string>> pairs_;
};

void channels(Report& report, const Codeplug& codeplug, const DisplayTables& t) {
    Table rows;
    std::vector<std::string> header;
    for (const auto& text : t.gridHeaders) header.push_back(text.in(report.language()));
    rows.push_back(header);
    for (int row = 1; row <= kChannelCount; ++row) {
        std::vector<std::string> cells;
        for (int col = ColNumber; col <= ColScan; ++col) {
            cells.push_back(codeplug.channels.text(row, col));
        }
        rows.push_back(cells);
    }
    report.table(rows);
}

void mainWindow(Report& report, const Codeplug& codeplug, const DisplayTables& t) {
    report.value(t.model, "PL-63");
    report.choice(t.band, codeplug.band);

    const FunctionSet& f = codeplug.functions;
    report.title(t.functionSetTitle);
    report.choice(t.timeOut, f.timeOut);
    report.choice(t.timeOutWarn, f.timeOutWarn);
    report.choice(t.squelchGrade, f.squelchGrade);
    report.choice(t.voicePrompt, f.voicePrompt);
    report.choice(t.batterySave, f.batterySave);
    report.choice(t.beep, f.beep);
    report.choice(t.voxFunction, f.voxFunction);
    report.choice(t.voxGain, f.voxGain);
    report.choice(t.voxDelay, f.voxDelay);
    report.check(t.cancelOperation, f.cancelOperation);
    report.check(t.receivedBannedVox, f.rxBannedVox);
}

void optionWindows(Report& report, const Codeplug& codeplug, const DisplayTables& t) {
    report.title(t.keysTitle);
    report.choice(t.pf1, codeplug.Pf1Key);
    report.choice(t.pf2, codeplug.Pf2Key);

    auto setting = [&](int index) { return leadingNumber(codeplug.OptionalSettings[index]); };
    report.title(t.optionalTitle);
    report.choice(t.priority, setting(10));
    report.choice(t.preferredChannel, setting(11) - 1);
    report.choice(t.retraceA, setting(12));
    report.choice(t.retraceB, setting(13));
    report.choice(t.returnChannel, setting(14));
    report.value(t.scanReceiveDelay, printable(codeplug.OptionalSettings[18]));
    report.value(t.scanLaunchDelay, printable(codeplug.OptionalSettings[19]));
    report.choice(t.pttId, setting(3));
    report.choice(t.duplicate, setting(9));

    report.title(t.testFrequencyTitle);
    Table rows;
    std::vector<std::string> header;
    for (const auto& text : t.testFrequencyHeaders) header.push_back(text.in(report.language()));
    rows.push_back(header);
    for (int row = 1; row <= kChannelCount; ++row) {
        const auto& pair = codeplug.TestFrequencies[row - 1];
        rows.push_back(
            {(row < 10 ? "0" : "") + std::to_string(row), printable(pair[0]), printable(pair[1])});
    }
    report.table(rows, "  ");

    report.title(t.embeddedTitle);
    report.value(Bilingual{"1", "1"}, printable(codeplug.EmbeddedInfo[0]));
    report.value(Bilingual{"2", "2"}, printable(codeplug.EmbeddedInfo[1]));

    report.title(t.debugTitle);
    report.value(t.txHighPower, std::to_string(codeplug.TxHighPowerTune));
    report.value(t.txLowPower, std::to_string(codeplug.TxLowPowerTune));
}

}  // namespace

std::vector<ReportEntry> optionEntries(const Codeplug& codeplug, Language language) {
    const DisplayTables& t = displayTables();
    Report report(language);
    report.title(t.typeSelectionTitle);
    mainWindow(report, codeplug, t);
    optionWindows(report, codeplug, t);
    return report.entries();
}

std::vector<ReportEntry> storedOnlyEntries(const Codeplug& codeplug, Language language) {
    const DisplayTables& t = displayTables();
    std::vector<ReportEntry> entries;
    auto add = [&](const Bilingual& window, const std::string& control, const std::string& value) {
        entries.push_back({window.in(language), control, value});
    };
    add(t.functionSetTitle, t.commPassword.in(language), printable(codeplug.CommPassword));
    const auto& opt = codeplug.OptionalSettings;
    add(t.optionalTitle, t.voxVolumeControl.in(language), printable(opt[8]));
    add(t.optionalTitle, t.idCode.in(language), printable(opt[15]));
    add(t.optionalTitle, t.pttIdStartCode.in(language), printable(opt[16]));
    add(t.optionalTitle, t.pttIdEndCode.in(language), printable(opt[17]));
    for (std::size_t i = 0; i < codeplug.DtmfSettings.size(); ++i) {
        add(t.optionalTitle, t.dtmfSetting.in(language) + " " + std::to_string(i + 1),
            std::to_string(codeplug.DtmfSettings[i]));
    }
    for (std::size_t i = 0; i < codeplug.DtmfCodes.size(); ++i) {
        add(t.optionalTitle, t.dtmfCode.in(language) + " " + std::to_string(i + 1),
            printable(codeplug.DtmfCodes[i]));
    }
    return entries;
}

std::string codeplugReport(const Codeplug& codeplug, Language language) {
    const DisplayTables& t = displayTables();
    Report report(language);
    channels(report, codeplug, t);
    report.title(t.typeSelectionTitle);
    mainWindow(report, codeplug, t);
    optionWindows(report, codeplug, t);
    return report.text();
}

}  // namespace pl63::report
