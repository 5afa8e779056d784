// Codeplug files that reach the window from outside the Open dialog: named
// when the program starts, dropped on the window, or taken from File's list
// of the last four files opened or saved.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "ui_main/main_window_fixture.h"

namespace pl63::ui::test {
namespace {

class FilesFromOutsideTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        start();
    }
    QString codeplugFile(const char* name, const char* rx) {
        Codeplug data;
        data.channels.setText(1, ColRxFrequency, rx);
        const std::string file = (folder / name).string();
        EXPECT_TRUE(writeDatFile(file, EncodeImage(data, Language::Chinese)).ok());
        return QString::fromStdString(file);
    }
    std::string rx1() { return codeplug().channels.text(1, ColRxFrequency); }
    QStringList recentShown() {
        QStringList shown;
        for (QAction* action : window->menu("mnuFile")->actions())
            if (action->objectName().startsWith(QLatin1String("mnurecent")) && !action->isSeparator())
                shown << action->text();
        return shown;
    }
    // What a file manager's drag carries.
    bool drop(const QString& file) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        const QPoint centre = window->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &enter);
        if (!enter.isAccepted()) return false;
        QDropEvent dropped(centre, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &dropped);
        QTest::qWait(20);  // the file opens once the drag has ended
        return true;
    }
};

TEST_F(FilesFromOutsideTest, AFileNamedFromOutsideOpensAsOpenWouldAndAsksFirst) {
    const QString file = codeplugFile("radio.DAT", "441.00000");
    window->openFromOutside(file);
    EXPECT_EQ(rx1(), "441.00000");
    EXPECT_TRUE(questions.empty());
    EXPECT_FALSE(window->isWindowModified());

    context->document.change({"x", "x"}, [](Codeplug& c) { c.TxHighPowerTune = 1; });
    questionAnswers = {i18n::IdCancel};
    window->openFromOutside(codeplugFile("second.DAT", "442.00000"));
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(codeplug().TxHighPowerTune, 1);

    // Not a codeplug: the same message as Open gives.
    const std::string junk = (folder / "junk.DAT").string();
    std::ofstream(junk) << "not a codeplug";
    messages.clear();
    questionAnswers = {i18n::IdDiscard};
    window->openFromOutside(QString::fromStdString(junk));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, QStringLiteral("文件类型不对，无法打开。"));
}

TEST_F(FilesFromOutsideTest, ADroppedDatFileOpensAndOtherFilesAreRefused) {
    const QString file = codeplugFile("dropped.dat", "443.00000");
    EXPECT_TRUE(drop(file));
    EXPECT_EQ(rx1(), "443.00000");
    std::ofstream((folder / "notes.txt").string()) << "x";
    EXPECT_FALSE(drop(QString::fromStdString((folder / "notes.txt").string())));
}

TEST_F(FilesFromOutsideTest, FileKeepsTheLastFourFilesAcrossRunsAndDropsAMissingOneWithAMessage) {
    QStringList files;
    for (const char* name : {"a.DAT", "b.DAT", "c.DAT", "d.DAT", "e.DAT"}) {
        files << codeplugFile(name, "444.00000");
        window->openFromOutside(files.back());
    }
    ASSERT_EQ(recentShown().size(), 4);
    EXPECT_TRUE(recentShown()[0].endsWith(QStringLiteral("e.DAT")));
    EXPECT_TRUE(recentShown()[3].endsWith(QStringLiteral("b.DAT")));

    // Saved files join the list too; the next run finds it.
    fileNames = {QString::fromStdString((folder / "saved.DAT").string())};
    trigger("mnuAssave");
    construct();
    ASSERT_EQ(recentShown().size(), 4);
    EXPECT_TRUE(recentShown()[0].endsWith(QStringLiteral("saved.DAT")));

    // c.DAT has gone: choosing it says so and takes it off the list.
    fs::remove(folder / "c.DAT");
    QAction* itemC = nullptr;
    for (QAction* action : window->menu("mnuFile")->actions())
        if (action->text().endsWith(QStringLiteral("c.DAT"))) itemC = action;
    ASSERT_NE(itemC, nullptr);
    messages.clear();
    itemC->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.contains(QStringLiteral("c.DAT")));
    EXPECT_EQ(recentShown().size(), 3);
    for (const QString& shown : recentShown()) EXPECT_FALSE(shown.endsWith(QStringLiteral("c.DAT")));
}

// A file already in the list moves to the top when it is opened again, by
// whatever way of writing its name; the list names it as it was opened.
TEST_F(FilesFromOutsideTest, AFileOpenedAgainMovesToTheTopOfTheListInsteadOfTwice) {
    const QString a = codeplugFile("a.DAT", "444.00000");
    const QString b = codeplugFile("b.DAT", "445.00000");
    const QString link = QString::fromStdString((folder / "link.DAT").string());
    fs::create_directory(folder / "sub");
    fs::create_symlink(folder / "a.DAT", folder / "link.DAT");
    const QString folderName = QString::fromStdString(folder.string());
    struct Way {
        const char* what;
        QString opened;  // empty: the second item of the recent list
        QString listed;
    };
    const Way ways[] = {
        {"the same name", a, a},
        {"through a folder and back", folderName + "/sub/../a.DAT", a},
        {"a doubled slash", folderName + "//a.DAT", a},
        {"the recent list", {}, a},
        {"a link to it", link, link},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        window->openFromOutside(b);
        if (way.opened.isEmpty()) openRecent(2);
        else window->openFromOutside(way.opened);
        const QStringList listed = recentShown();
        ASSERT_EQ(listed.size(), 2);
        EXPECT_TRUE(listed[0].endsWith(" " + way.listed)) << listed[0].toStdString();
        EXPECT_TRUE(listed[1].endsWith(" " + b)) << listed[1].toStdString();
    }
}

}  // namespace
}  // namespace pl63::ui::test
