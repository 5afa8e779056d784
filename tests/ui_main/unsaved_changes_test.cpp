// The question before unsaved data are replaced: closing, New, Open and Read
// against Save, Discard and Cancel, the commands reached by their keys; a
// save that is cancelled or fails abandons what asked.
#include <QAbstractButton>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

class UnsavedChangesTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
    }
    QString path(const char* name) const {
        return QString::fromStdString((folder / name).string());
    }
    // Types a receive frequency into the grid as a user does.
    void typeRx(int row, const QString& typed) {
        ChannelGridView* grid = window->grid();
        const QPoint centre = grid->visualRect(grid->model()->index(row - 1, ColRxFrequency)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, centre);
        ASSERT_TRUE(grid->frequencyEditor()->isVisible());
        QTest::keyClicks(grid->frequencyEditor(), typed);
        QTest::keyClick(grid->frequencyEditor(), Qt::Key_Return);
    }
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QTest::keyClick(window.get(), key, modifiers);
    }
    std::string rx(int row) { return codeplug().channels.text(row, ColRxFrequency); }
    void writeOtherFile(const char* name) {
        Codeplug other;
        other.channels.setText(1, ColRxFrequency, "460.00000");
        ASSERT_TRUE(writeDatFile((folder / name).string(), EncodeImage(other, Language::Chinese)).ok());
    }
};

TEST_F(UnsavedChangesTest, NothingChangedAsksNothingAndAnEditMarksTheCaption) {
    EXPECT_FALSE(window->isWindowModified());
    answers = {i18n::IdCancel};  // New's own warning
    key(Qt::Key_N);
    EXPECT_TRUE(questions.empty());

    typeRx(4, QStringLiteral("431"));
    EXPECT_EQ(rx(4), "431.00000");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(shownCaption(window.get()).endsWith(QLatin1Char('*')));
}

TEST_F(UnsavedChangesTest, NewAndOpenAgainstCancelDiscardAndSave) {
    writeOtherFile("other.DAT");
    struct Case {
        Qt::Key key;
        int answer;
        bool replaced;
    };
    const Case cases[] = {
        {Qt::Key_N, i18n::IdCancel, false}, {Qt::Key_N, i18n::IdDiscard, true},
        {Qt::Key_O, i18n::IdCancel, false}, {Qt::Key_O, i18n::IdDiscard, true},
        {Qt::Key_O, i18n::IdSave, true},
    };
    int saves = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(QString("key %1 answer %2").arg(c.key).arg(c.answer).toStdString());
        typeRx(2, QStringLiteral("432.5"));
        ASSERT_TRUE(window->isWindowModified());
        questions.clear();
        questionAnswers = {c.answer};
        fileNames.clear();
        if (c.answer == i18n::IdSave) fileNames.push_back(path(("saved" + std::to_string(++saves) + ".DAT").c_str()));
        if (c.key == Qt::Key_O) fileNames.push_back(path("other.DAT"));
        answers = {i18n::IdOk};  // New's warning
        key(c.key);

        ASSERT_EQ(questions.size(), 1u);
        EXPECT_EQ(questions[0].buttons, (QList<int>{i18n::IdSave, i18n::IdDiscard, i18n::IdCancel}));
        EXPECT_TRUE(questions[0].text.contains(QStringLiteral("未命名")) ||
                    questions[0].text.contains(QStringLiteral(".DAT")));
        EXPECT_EQ(rx(2).empty(), c.replaced);
        EXPECT_EQ(window->isWindowModified(), !c.replaced);
        if (c.answer == i18n::IdSave) {
            const auto saved = readDatFile((folder / ("saved" + std::to_string(saves) + ".DAT")).string());
            ASSERT_TRUE(saved.ok());
            Codeplug back;
            DecodeImage(saved.value(), back, Language::Chinese);
            EXPECT_EQ(back.channels.text(2, ColRxFrequency), "432.50000");
        }
        if (!c.replaced) {
            // Leave the data as a fresh start for the next case.
            questionAnswers = {i18n::IdDiscard};
            answers = {i18n::IdOk};
            key(Qt::Key_N);
        }
    }
}

TEST_F(UnsavedChangesTest, ASaveThatIsCancelledOrFailsAbandonsTheOpen) {
    writeOtherFile("other.DAT");
    typeRx(3, QStringLiteral("433"));
    // The save dialog cancelled.
    questionAnswers = {i18n::IdSave};
    fileNames.clear();
    key(Qt::Key_O);
    EXPECT_EQ(rx(3), "433.00000");
    EXPECT_TRUE(window->isWindowModified());

    // A folder that does not exist: the save says why, and Open stops.
    questionAnswers = {i18n::IdSave};
    fileNames = {path("no-such-folder/x.DAT"), path("other.DAT")};
    messages.clear();
    key(Qt::Key_O);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(rx(3), "433.00000");
    EXPECT_EQ(fileNames.size(), 1u);  // the open dialog never came
    EXPECT_TRUE(window->isWindowModified());
}

TEST_F(UnsavedChangesTest, ReadAsksBeforeTheRadioIsTouched) {
    // No port is open: a read that starts says so at once.
    typeRx(1, QStringLiteral("440"));
    questionAnswers = {i18n::IdCancel};
    window->toolButton("read")->trigger();
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_TRUE(messages.empty());

    questionAnswers = {i18n::IdSave};
    fileNames = {path("before-read.DAT")};
    trigger("mnureadFre");
    EXPECT_EQ(questions.size(), 2u);
    EXPECT_TRUE(QFileInfo::exists(path("before-read.DAT")));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("通信端口")));
}

TEST_F(UnsavedChangesTest, ClosingAgainstCancelSaveAndDiscard) {
    typeRx(5, QStringLiteral("445"));
    questionAnswers = {i18n::IdCancel};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());

    questionAnswers = {i18n::IdSave};
    fileNames = {};  // the save dialog cancelled
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());

    // Saved with Ctrl+S: closing then asks nothing.
    fileNames = {path("kept.DAT")};
    key(Qt::Key_S);
    EXPECT_FALSE(window->isWindowModified());
    questions.clear();
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(questions.empty());
}

TEST_F(UnsavedChangesTest, DiscardCloses) {
    typeRx(5, QStringLiteral("445"));
    questionAnswers = {i18n::IdDiscard};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(questions.size(), 1u);
}

// The real box: its buttons in the language in force, the file named,
// Escape meaning Cancel.
TEST_F(UnsavedChangesTest, TheRealQuestionNamesTheFileAndEscapeCancels) {
    writeOtherFile("radio.DAT");
    fileNames = {path("radio.DAT")};
    key(Qt::Key_O);
    window->switchLanguage(1);
    typeRx(6, QStringLiteral("446"));

    i18n::setMsgBoxAnswerer({});
    QString text;
    QStringList buttons;
    QTimer::singleShot(0, [&] {
        QMessageBox* box = nullptr;
        const bool up = QTest::qWaitFor([&] {
            box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            return box != nullptr;
        });
        if (!up) return;
        text = box->text();
        for (QAbstractButton* button : box->buttons()) buttons << button->text();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(text.contains(QStringLiteral("radio.DAT")));
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Cancel", "Discard", "Save"}));
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(rx(6), "446.00000");
}

}  // namespace
}  // namespace pl63::ui::test
