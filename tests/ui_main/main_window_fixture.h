#pragma once
// Form1 started from a `parameter` file in a temporary program folder, with a
// fake clock, a language hint the test chooses, message boxes answered by
// the test and file dialogs that return the names the test queues.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "i18n/qt/localized_msgbox.h"
#include "ui/app_context.h"
#include "ui/main/channel_grid_view.h"
#include "ui/main/file_commands.h"
#include "ui/main/function_set_panel.h"
#include "ui/main/main_window.h"
#include "ui/main/type_selection_panel.h"
#include "ui/options/option_windows.h"
#include "ui_support/fake_clock.h"

namespace pl63::ui::test {

namespace fs = std::filesystem;

// The caption as the window manager shows it: Qt puts "*" where the title
// holds "[*]" while the window is modified, nothing otherwise.
inline QString shownCaption(const QWidget* window) {
    QString title = window->windowTitle();
    return title.replace(QStringLiteral("[*]"),
                         window->isWindowModified() ? QStringLiteral("*") : QString());
}

// A menu item's text as the menu shows it: "&x" is x underlined, "&&" is "&".
inline QString shownMenuText(const QAction* action) {
    const QString text = action->text();
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        shown += text[i];
    }
    return shown;
}

// Names the test queues; an empty queue is a cancelled dialog.
class QueuedFileDialogs : public FileDialogs {
public:
    explicit QueuedFileDialogs(std::deque<QString>& names, int& shown)
        : names_(names), shown_(shown) {}
    QString openFileName(QWidget*, const QString& filter) override { return next(filter); }
    QString saveFileName(QWidget*, const QString& filter) override { return next(filter); }
    QString lastFilter;

private:
    QString next(const QString& filter) {
        ++shown_;
        lastFilter = filter;
        if (names_.empty()) return {};
        QString name = names_.front();
        names_.pop_front();
        return name;
    }
    std::deque<QString>& names_;
    int& shown_;
};

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() /
                 ("pl63-form1-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        // The port window probes ports 1..20 at start-up: a ports file in our
        // own settings folder points every number at nothing, so the
        // machine's serial ports take no part (a test maps a number anew).
        if (const char* old = std::getenv("PL63_SETTINGS_DIR")) oldSettings_ = old;
        ::setenv("PL63_SETTINGS_DIR", folder.c_str(), 1);
        std::ofstream ports(folder / "ports");
        for (int n = 1; n <= 20; ++n) ports << "COM" << n << "=/nonexistent/pl63-" << n << "\n";
        i18n::setMsgBoxAnswerer([this](const i18n::MsgBoxRequest& request) {
            // The unsaved-changes question is kept apart: tests of other
            // commands see their own messages, and without an answer of
            // their own the changes are discarded.
            if (request.style == i18n::StyleSaveDiscardCancel) {
                questions.push_back(request);
                if (questionAnswers.empty()) return int(i18n::IdDiscard);
                const int answer = questionAnswers.front();
                questionAnswers.pop_front();
                return answer;
            }
            messages.push_back(request);
            if (answers.empty()) return int(i18n::IdOk);
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        });
    }
    void TearDown() override {
        window.reset();
        context.reset();
        i18n::setMsgBoxAnswerer({});
        if (oldSettings_.empty()) {
            ::unsetenv("PL63_SETTINGS_DIR");
        } else {
            ::setenv("PL63_SETTINGS_DIR", oldSettings_.c_str(), 1);
        }
        fs::remove_all(folder);
    }
    // Puts `device` behind port `number` (later lines of the file win).
    void mapPort(int number, const std::string& device) {
        std::ofstream(folder / "ports", std::ios::app) << "COM" << number << "=" << device << "\n";
    }

    void writeParameter(const std::string& bytes) {
        std::ofstream(folder / "parameter", std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string parameterBytes() const {
        std::ifstream in(folder / "parameter", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Builds Form1 as the program does, with `hint` as the one-shot hint,
    // without showing it.
    MainWindow& construct(std::optional<std::int16_t> hint = std::nullopt) {
        window.reset();  // a second start: the old window still uses the old context
        context = std::make_unique<AppContext>();
        clock = installFakeClock(*context);
        if (withOptionWindows) registerOptionWindows(*context);
        MainWindowStartup startup;
        startup.programFolder = QString::fromStdString(folder.string());
        startup.languageHint = [hint] { return hint; };
        window = std::make_unique<MainWindow>(*context, startup);
        window->setFileDialogs(std::make_unique<QueuedFileDialogs>(fileNames, dialogsShown));
        return *window;
    }

    // Starts Form1 as the program does: built, then shown.
    MainWindow& start(std::optional<std::int16_t> hint = std::nullopt) {
        construct(hint);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *window;
    }

    Codeplug& codeplug() { return context->document.dataForSetUp(); }
    QComboBox* list(const char* name) { return window->findChild<QComboBox*>(name); }
    QWidget* widget(const char* name) { return window->findChild<QWidget*>(name); }
    void trigger(const char* menuItem) { window->menuAction(menuItem)->trigger(); }
    // File's n-th recent file as the menu lists it now (the items it listed
    // before go only on the next pass of the event loop).
    void openRecent(int n) {
        for (QAction* item : window->menu("mnuFile")->actions())
            if (item->objectName() == QStringLiteral("mnurecent%1").arg(n)) return item->trigger();
        ADD_FAILURE() << "no recent file " << n;
    }

    bool withOptionWindows = false;  // as pl63-gui registers them
    fs::path folder;
    std::unique_ptr<AppContext> context;
    std::unique_ptr<MainWindow> window;
    FakeClock* clock = nullptr;
    std::vector<i18n::MsgBoxRequest> messages;
    std::deque<int> answers;  // empty: OK
    std::vector<i18n::MsgBoxRequest> questions;  // Save / Discard / Cancel
    std::deque<int> questionAnswers;             // empty: Discard
    std::deque<QString> fileNames;
    int dialogsShown = 0;

private:
    std::string oldSettings_;
};

}  // namespace pl63::ui::test
