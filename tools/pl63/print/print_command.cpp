// pl63 print: an A4 channel sheet of a .DAT file as PDF. The one verb that
// needs Qt Gui (its text layout, fonts and PDF writer); it never opens a
// window, so it runs on Qt's offscreen platform and needs no display.
#include <QDate>
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "codeplug_cli_support.h"
#include "commands.h"
#include "print_commands.h"
#include "report/channel_sheet.h"
#include "sheet/channel_sheet_document.h"

namespace pl63::cli {
namespace {

// The Qt application text layout needs; made once per run and kept to the
// end (as the radio verbs keep theirs: a Qt application must not be torn
// down among the static objects), on the offscreen platform unless the user
// chose one: a display that is set but gone must not stop a verb that shows
// nothing.
QGuiApplication& guiApplication() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "pl63";
    static char* argv[] = {name, nullptr};
    // Qt's notes about the session (no runtime folder, no display) are no
    // concern of a verb that only writes a file.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) {
            std::fprintf(stderr, "pl63 print: %s\n", message.toLocal8Bit().constData());
        }
    });
    static auto* application = new QGuiApplication(argc, argv);
    return *application;
}

class PrintCommand : public CliCommand {
public:
    std::string_view name() const override { return "print"; }
    std::string_view summary() const override { return "print a .DAT file's channel sheet to PDF"; }
    std::string usage() const override {
        return "usage: pl63 print FILE.DAT -o sheet.pdf [--lang en|zh]\n"
               "  an A4 sheet: title, file name, date, band, the 16 channels as the grid\n"
               "  shows them, the Function Set and the side keys; the text is real text\n"
               "  (searchable, Chinese included)\n"
               "  FILE.DAT  \"-\" reads the codeplug from standard input\n"
               "  -o FILE   the PDF; \"-\" writes standard output; never the input file\n"
               "  --lang    language of the sheet (default en)\n";
    }

    int run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) override {
        VerbStart start = startVerb(*this, words, {{"-o", "--lang"}, {}}, 1, out, err);
        if (!start.args) return start.exitCode;
        const Language language = start.language;
        if (!start.args->value("-o")) {
            err << "pl63 print: -o sheet.pdf is needed\n" << usage();
            return ExitUsage;
        }
        const std::string& input = start.args->positional[0];
        const std::string output = *start.args->value("-o");
        if (auto clash = outputIsInput(input, output)) return reportBadInput(*this, *clash, language, err);
        auto codeplug = loadCodeplug(input, language);
        if (!codeplug) return reportBadInput(*this, codeplug.error(), language, err);

        guiApplication();
        const std::string shownName =
            input == "-" ? input : std::filesystem::path(input).filename().string();
        const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
        const auto sheet = report::channelSheet(codeplug.value(), language, shownName, date);
        const QByteArray pdf = sheet::channelSheetPdf(sheet);
        Status written = writeOutput(
            output, std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())), out);
        if (!written) return reportBadInput(*this, written.error(), language, err);
        return ExitOk;
    }
};

}  // namespace

std::unique_ptr<CliCommand> makePrintCommand() {
    return std::make_unique<PrintCommand>();
}

void addPrintCommands(std::vector<std::unique_ptr<CliCommand>>& commands) {
    commands.push_back(makePrintCommand());
}

}  // namespace pl63::cli
