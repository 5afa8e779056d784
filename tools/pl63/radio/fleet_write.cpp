#include "fleet_write.h"

#include <QCoreApplication>
#include <algorithm>
#include <memory>

#include "cli_command.h"
#include "link/qt/serial_ports.h"
#include "link/transfer_report.h"
#include "radio_transfer.h"
#include "report/report_text.h"
#include "terminal_link.h"
#include "transfer_session.h"

namespace pl63::cli {
namespace {

constexpr int kBarWidth = 20;

const Bilingual kWriting{"写频", "writing"};
const Bilingual kReadingBack{"回读校验", "reading back"};
const Bilingual kWritten{"已写入", "written"};
const Bilingual kVerified{"已校验", "verified"};
const Bilingual kFailed{"失败", "failed"};
const Bilingual kPortHeader{"端口", "port"};
const Bilingual kResultHeader{"结果", "result"};
const Bilingual kBlocksHeader{"块数", "blocks"};
const Bilingual kReasonHeader{"原因", "reason"};

// One radio's view: its line on the board instead of the terminal, where
// several radios would tear each other's lines apart. Status texts and
// messages are not shown: the communication error and the port message
// become the row's reason.
class FleetRadioView : public link::LinkView {
public:
    explicit FleetRadioView(std::function<void()> changed) : changed_(std::move(changed)) {}

    void showProgress(int) override { changed_(); }
    void setProgress(int) override { changed_(); }

private:
    std::function<void()> changed_;
};

class FleetRadioLink : public TerminalLink {
public:
    FleetRadioLink(Language language, link::LinkView& view, std::function<void()> changed)
        : TerminalLink(language, view), changed_(std::move(changed)) {}

    void transferEnded(link::LinkOutcome outcome) override {
        // The read-back of --verify counts its own blocks: keep the write's.
        if (engine().LinkMode() == link::LinkMode::Write) {
            writeDone = engine().blocksDone();
            writeTotal = engine().blocksTotal();
        }
        TerminalLink::transferEnded(outcome);
        changed_();
    }

    int writeDone = 0;
    int writeTotal = 0;

private:
    std::function<void()> changed_;
};

struct Radio {
    std::unique_ptr<FleetRadioView> view;
    std::unique_ptr<FleetRadioLink> link;
    std::unique_ptr<TransferSession> session;
    std::string name;
    std::string printedStage;  // not live: the last stage and quarter printed
};

int severity(int code) {
    switch (code) {
        case ExitOk: return 0;
        case ExitPortNotOpen: return 2;
        case ExitNotKept: return 3;
        case ExitTimeout: return 4;
        case ExitInterrupted:
        case ExitTerminated: return 6;
        default: return code > 128 ? 6 : 5;  // usage, bad input
    }
}

std::string padded(const std::string& text, std::size_t width) {
    const std::size_t shown = report::displayWidth(text);
    return text + std::string(shown < width ? width - shown : 0, ' ');
}

ErrorText blocksOf(int done, int total) {
    const std::string of = std::to_string(done), all = std::to_string(total);
    return {of + " / " + all, of + " of " + all};
}

// Why a radio failed, with how far it got ("stopped after 5 of 29 blocks").
ErrorText failureReason(const Radio& radio) {
    const TransferSession& session = *radio.session;
    const int code = session.exitCode();
    if (code == ExitPortNotOpen || code == ExitUsage) {
        const auto state = [&](Language language) {
            return link::portStateText(session.portState(), language).toStdString();
        };
        return {"端口未打开：" + state(Language::Chinese),
                "port not open: " + state(Language::English)};
    }
    if (code == ExitNotKept) {
        const ErrorText list = link::addressList(session.notKept());
        const std::string count = std::to_string(session.notKept().size());
        const std::string all = std::to_string(session.written().addresses.size());
        return {"对讲机没有保存 " + list.zh + "（共 " + all + " 块中的 " + count + " 块）",
                "not kept: " + list.en + " (" + count + " of " + all + " blocks)"};
    }
    const ErrorText why =
        code != ExitTimeout ? ErrorText{"已中断", "interrupted"} : ErrorText{"无应答", "no answer"};
    const link::LinkEngine& engine = radio.link->engine();
    if (session.verifying()) {
        const std::string of = std::to_string(engine.blocksDone());
        const std::string all = std::to_string(engine.blocksTotal());
        return {"已写入，但校验回读在第 " + of + " 块（共 " + all + " 块）后中断（" + why.zh + "）",
                "written, but the read-back stopped after " + of + " of " + all + " blocks (" +
                    why.en + ")"};
    }
    const std::string of = std::to_string(radio.link->writeDone);
    const std::string all = std::to_string(radio.link->writeTotal);
    if (radio.link->writeDone == 0) {
        return {why.zh + "：在第一块（共 " + all + " 块）之前中断",
                why.en + ": stopped before the first of " + all + " blocks"};
    }
    return {why.zh + "：在第 " + of + " 块（共 " + all + " 块）后中断，请重新写频",
            why.en + ": stopped after " + of + " of " + all + " blocks, write it again"};
}

class FleetBoard {
public:
    FleetBoard(const FleetRequest& request, std::ostream& err) : request_(request), err_(err) {}

    std::vector<Radio>& radios() { return radios_; }

    void setNameWidth() {
        for (const Radio& radio : radios_) {
            nameWidth_ = std::max(nameWidth_, report::displayWidth(radio.name));
        }
    }

    // A radio moved on: redraw (live) or print its line when its stage or
    // quarter changed.
    void changed(Radio& radio) {
        if (request_.live) {
            redraw();
            return;
        }
        std::string stage;
        const std::string line = progressLine(radio, &stage);
        if (stage == radio.printedStage) return;
        radio.printedStage = stage;
        err_ << line << "\n" << std::flush;
    }

    void redraw() {
        if (!request_.live) return;
        if (drawn_) err_ << "\033[" << radios_.size() << "A";
        for (const Radio& radio : radios_) err_ << "\r\033[K" << progressLine(radio) << "\n";
        err_ << std::flush;
        drawn_ = true;
    }

    void printTable(std::ostream& out) const {
        const Language language = request_.language;
        struct Row {
            std::string port, result, blocks, reason;
        };
        std::vector<Row> rows{
            {std::string(kPortHeader.in(language)), std::string(kResultHeader.in(language)),
             std::string(kBlocksHeader.in(language)), std::string(kReasonHeader.in(language))}};
        for (const Radio& radio : radios_) {
            const TransferSession& session = *radio.session;
            const bool ok = session.exitCode() == ExitOk;
            rows.push_back(
                {radio.name, std::string(resultWord(session).in(language)),
                 // A radio whose port did not open was never asked.
                 radio.link->writeTotal == 0
                     ? std::string("-")
                     : blocksOf(radio.link->writeDone, radio.link->writeTotal).in(language),
                 ok ? std::string() : failureReason(radio).in(language)});
        }
        std::size_t widths[3] = {0, 0, 0};
        for (const Row& row : rows) {
            widths[0] = std::max(widths[0], report::displayWidth(row.port));
            widths[1] = std::max(widths[1], report::displayWidth(row.result));
            widths[2] = std::max(widths[2], report::displayWidth(row.blocks));
        }
        for (const Row& row : rows) {
            std::string line = padded(row.port, widths[0]) + "  " + padded(row.result, widths[1]) +
                               "  " + padded(row.blocks, widths[2]) + "  " + row.reason;
            line.erase(line.find_last_not_of(' ') + 1);
            out << line << "\n";
        }
        out << std::flush;
    }

private:
    std::string progressLine(const Radio& radio, std::string* stageKey = nullptr) const {
        const Language language = request_.language;
        const TransferSession& session = *radio.session;
        const std::string name = padded(radio.name, nameWidth_) + "  ";
        if (session.done()) {
            if (stageKey) *stageKey = "done";
            return name + std::string(resultWord(session).in(language));
        }
        const link::LinkEngine& engine = radio.link->engine();
        const int done = engine.blocksDone();
        const int total = std::max(1, engine.blocksTotal());
        // Until the read-back has begun the engine still counts the write.
        const bool readingBack = session.verifying() && engine.LinkMode() == link::LinkMode::Read;
        const Bilingual& stage = readingBack ? kReadingBack : kWriting;
        if (stageKey) *stageKey = std::string(stage.en) + std::to_string(done * 4 / total);
        const int filled = done * kBarWidth / total;
        return name + padded(std::string(stage.in(language)), 13) + "[" +
               std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] " +
               blocksOf(done, engine.blocksTotal()).in(language);
    }

    const Bilingual& resultWord(const TransferSession& session) const {
        if (session.exitCode() != ExitOk) return kFailed;
        return request_.verify ? kVerified : kWritten;
    }

    const FleetRequest& request_;
    std::ostream& err_;
    std::vector<Radio> radios_;
    std::size_t nameWidth_ = 0;
    bool drawn_ = false;
};

}  // namespace

int worseExitCode(int a, int b) {
    return severity(b) > severity(a) ? b : a;
}

int runFleetWrite(const FleetRequest& request, std::ostream& out, std::ostream& err) {
    QCoreApplication& app = coreApplication();
    FleetBoard board(request, err);
    std::vector<Radio>& radios = board.radios();
    radios.resize(request.ports.size());
    for (std::size_t i = 0; i < radios.size(); ++i) {
        Radio& radio = radios[i];
        const auto changed = [&board, &radio] { board.changed(radio); };
        radio.view = std::make_unique<FleetRadioView>(changed);
        radio.link = std::make_unique<FleetRadioLink>(request.language, *radio.view, changed);
        radio.link->imageSource = [&request] { return request.image; };
        radio.link->login = request.login;
        radio.link->tune = request.tune;
        radio.link->password = request.password;
        TransferRequest transfer;
        transfer.port = request.ports[i];
        transfer.write = true;
        transfer.verify = request.verify;
        transfer.language = request.language;
        radio.session = std::make_unique<TransferSession>(*radio.link, transfer);
        radio.name = request.ports[i];
        if (const auto port = resolvePort(request.ports[i]); port && port->shownName != port->device &&
                                                             !port->device.isEmpty()) {
            radio.name = port->shownName.toStdString() + " (" + port->device.toStdString() + ")";
        }
    }
    board.setNameWidth();

    const auto allDone = [&radios] {
        return std::all_of(radios.begin(), radios.end(),
                           [](const Radio& radio) { return radio.session->done(); });
    };
    // Ctrl-C or SIGTERM ends every transfer with its end frame.
    const auto stopWatch = watchStopSignals([&radios] {
        for (Radio& radio : radios) radio.session->cancel();
    });
    for (Radio& radio : radios) {
        radio.session->onFinished = [&, radioPtr = &radio] {
            board.changed(*radioPtr);
            if (allDone()) app.exit();
        };
    }
    board.redraw();
    for (Radio& radio : radios) {
        radio.session->start();
        board.changed(radio);
    }
    if (!allDone()) app.exec();
    for (Radio& radio : radios) radio.session->closePort();
    board.redraw();
    board.printTable(out);

    int code = ExitOk;
    for (const Radio& radio : radios) code = worseExitCode(code, radio.session->exitCode());
    return code;
}

}  // namespace pl63::cli
