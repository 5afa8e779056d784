// pl63-screenshots: renders the program's real windows to PNG for the README
// and for review, headless. Form1 opens the sample codeplug through its own
// Open command and is shown in both languages; every other window that the
// program has is created the way the program creates it and shown in both
// languages too.
//
//   pl63-screenshots [OUT_DIR [SAMPLE.DAT]]   (defaults docs/screenshots, examples/sample.DAT)
#include <fcntl.h>
#include <stdlib.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "i18n/qt/captions.h"
#include "i18n/qt/localized_msgbox.h"
#include "ui/app_context.h"
#include "ui/font_hinting.h"
#include "ui/main/main_window.h"
#include "ui/options/option_windows.h"

namespace {

using namespace pl63;

// Hands Form1's Open the sample instead of asking a person.
class SampleDialogs : public ui::FileDialogs {
public:
    explicit SampleDialogs(QString path) : path_(std::move(path)) {}
    QString openFileName(QWidget*, const QString&) override { return path_; }
    QString saveFileName(QWidget*, const QString&) override { return {}; }

private:
    QString path_;
};

// A pseudo-terminal standing in for a serial adapter, so the port window
// shows one port that opens.
QString fakeAdapter() {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) return {};
    return QString::fromLocal8Bit(::ptsname(master));  // kept open until exit
}

bool save(QWidget* window, const QDir& out, const QString& name) {
    window->show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QString path = out.filePath(name + ".png");
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "pl63-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Drawn as pl63-gui draws them.
    pl63::ui::drawUnhintedFontsUnhinted();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QDir out(args.size() > 1 ? args[1] : QStringLiteral("docs/screenshots"));
    const QString sample =
        QFileInfo(args.size() > 2 ? args[2] : QStringLiteral("examples/sample.DAT"))
            .absoluteFilePath();
    if (!QDir().mkpath(out.path()) || !QFileInfo(sample).isFile()) {
        std::fprintf(stderr, "usage: pl63-screenshots [OUT_DIR [SAMPLE.DAT]]\n");
        return 2;
    }

    // Nothing of the user's: the parameter file, the ports and the language
    // hint all come from a temporary folder.
    QTemporaryDir scratch;
    qputenv("PL63_SETTINGS_DIR", QFile::encodeName(scratch.path()));
    {
        QFile ports(scratch.filePath("ports"));
        if (ports.open(QIODevice::WriteOnly)) {
            QTextStream text(&ports);
            text << "COM1=" << fakeAdapter() << "\n";
            for (int n = 2; n <= 20; ++n)
                text << "COM" << n << "=" << scratch.filePath("none") << "\n";
        }
    }
    auto answerEveryBox = [] {
        i18n::setMsgBoxAnswerer([](const i18n::MsgBoxRequest& request) {
            if (request.style == i18n::StyleSaveDiscardCancel) return int(i18n::IdDiscard);
            std::fprintf(stderr, "pl63-screenshots: message: %s\n", qPrintable(request.text));
            return request.buttons.front();
        });
    };
    answerEveryBox();

    ui::AppContext context;
    ui::registerOptionWindows(context);
    ui::MainWindowStartup startup;
    startup.programFolder = scratch.path();
    startup.languageHint = [] { return std::optional<std::int16_t>(); };
    ui::MainWindow window(context, startup);
    window.setFileDialogs(std::make_unique<SampleDialogs>(sample));
    window.files().open();

    bool ok = true;
    const QStringList others{"Form5", "Form6",       "Form7",   "Form4",
                             "Form2", "FormUsePass", "FormCOM", "frmAbout"};
    for (const auto& [flag, suffix] : {std::pair{0, "zh"}, std::pair{1, "en"}}) {
        window.switchLanguage(static_cast<std::int16_t>(flag));
        ok &= save(&window, out, QStringLiteral("form1_%1").arg(suffix));
        for (const QString& name : others) {
            QWidget* other = context.windows.window(context, name);
            if (!other) {
                std::fprintf(stderr, "pl63-screenshots: no window %s yet\n", qPrintable(name));
                continue;
            }
            ok &= save(other, out, QStringLiteral("%1_%2").arg(name.toLower(), suffix));
            other->hide();
        }
    }
    // The question closing asks about an edited codeplug: the real box,
    // rendered, then answered with Escape.
    context.document.change({"信道 1", "channel 1"}, [](Codeplug& codeplug) {
        codeplug.channels.setText(1, ColRxFrequency, "431.12500");
    });
    for (const auto& [flag, suffix] : {std::pair{0, "zh"}, std::pair{1, "en"}}) {
        window.switchLanguage(static_cast<std::int16_t>(flag));
        i18n::setMsgBoxAnswerer({});
        bool shown = false;
        QTimer::singleShot(50, [&, suffix = QString::fromLatin1(suffix)] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            shown = true;
            ok &= save(box, out, QStringLiteral("question_%1").arg(suffix));
            box->reject();
        });
        window.close();
        ok &= shown;
        answerEveryBox();
    }
    window.close();
    return ok ? 0 : 1;
}
