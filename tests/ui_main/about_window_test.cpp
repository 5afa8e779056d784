// frmAbout (its controls, both languages, OK and the close box only hiding)
// and the help file beside the program.
#include "ui/main/about_window.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "i18n/qt/captions.h"
#include "i18n/qt/localized_msgbox.h"
#include "ui/app_context.h"
#include "ui/main/help_file.h"

namespace pl63::ui {
namespace {

QString labelText(QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<none>");
}

TEST(AboutWindowTest, ShowsPictureAndDesignTexts) {
    AppContext context;
    QWidget owner;
    AboutWindow about(context, &owner);
    EXPECT_EQ(about.objectName(), "frmAbout");
    EXPECT_EQ(about.windowTitle(), "Help");
    EXPECT_TRUE(about.isWindow());
    EXPECT_EQ(about.parentWidget(), &owner);
    EXPECT_FALSE(about.isVisible());

    auto* picture = about.findChild<QLabel*>("picIcon");
    ASSERT_NE(picture, nullptr);
    // Drawn when the window is first shown.
    about.show();
    const QImage image = picture->pixmap().toImage();
    ASSERT_FALSE(image.isNull());
    // Something is drawn: the middle of the body is opaque, a corner is not.
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() * 3 / 4)), 255);
    EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, 0)), 0);

    EXPECT_EQ(labelText(about, "lblTitle"), "Varnel对讲机编程软件");
    EXPECT_EQ(labelText(about, "lblVersion"), "简体中文版 V1.00");
    EXPECT_EQ(labelText(about, "Label2"), "发布：2013.4");
}

TEST(AboutWindowTest, EveryTableRowFindsItsControlInBothLanguages) {
    AppContext context;
    AboutWindow about(context, nullptr);
    EXPECT_TRUE(i18n::applyCaptionTable(&about, i18n::captionTable("frmAbout"), 1).isEmpty());
    EXPECT_EQ(labelText(about, "lblTitle"), "Varnel Radio Software ");
    EXPECT_EQ(labelText(about, "Label2"), "Issue：2013.4");
    EXPECT_EQ(about.findChild<QPushButton*>("cmdOK")->text(), "OK");
    EXPECT_EQ(about.windowTitle(), "Help");  // the title is not in the table

    EXPECT_TRUE(i18n::applyCaptionTable(&about, i18n::captionTable("frmAbout"), 0).isEmpty());
    EXPECT_EQ(labelText(about, "lblVersion"), "简体中文版 V1.00");
    EXPECT_EQ(about.findChild<QPushButton*>("cmdOK")->text(), "确定");
}

TEST(AboutWindowTest, OkAndCloseBoxOnlyHide) {
    AppContext context;
    QWidget owner;
    QPointer<AboutWindow> about = new AboutWindow(context, &owner);
    about->show();
    QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());

    about->show();
    EXPECT_FALSE(about->close());
    EXPECT_FALSE(about->isVisible());
    QCoreApplication::processEvents();
    EXPECT_FALSE(about.isNull());
}

TEST(HelpFileTest, CompiledHelpBeforeTheHtmlGuideAndNothingWhenMissing) {
    QTemporaryDir dir;
    EXPECT_TRUE(helpFilePath(dir.path()).isEmpty());
    auto touch = [&](const QString& name) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    touch("PL63.html");
    EXPECT_EQ(helpFilePath(dir.path()), dir.filePath("PL63.html"));
    touch("PL63.CHM");
    EXPECT_EQ(helpFilePath(dir.path()), dir.filePath("PL63.CHM"));
    // A folder of that name is no help file.
    QTemporaryDir other;
    QDir(other.path()).mkdir("PL63.html");
    EXPECT_TRUE(helpFilePath(other.path()).isEmpty());
}

TEST(HelpFileTest, InstalledGuideIsFoundFromTheProgramsFolderWhereverThePrefixLies) {
    QTemporaryDir prefix;
    ASSERT_TRUE(QDir(prefix.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(prefix.path()).mkpath("share/pl63"));
    const QString bin = prefix.filePath("bin");
    EXPECT_TRUE(installedHelpFilePath(bin).isEmpty());
    const auto touch = [](const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    };
    touch(prefix.filePath("share/pl63/PL63.html"));
    EXPECT_EQ(installedHelpFilePath(bin), prefix.filePath("share/pl63/PL63.html"));
    // A guide beside the program (the build tree, a copied folder) comes first.
    touch(prefix.filePath("bin/PL63.html"));
    EXPECT_EQ(installedHelpFilePath(bin), prefix.filePath("bin/PL63.html"));
}

// Catches what would go to the platform's viewer.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

// One test for both, as both need the guide in the test program's folder.
TEST(HelpFileTest, OpensTheGuideBesideTheProgramOrSaysWhereItIsWithoutAViewer) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "open");
    const QString guide = QCoreApplication::applicationDirPath() + "/PL63.html";
    QFile::remove(guide);
    std::vector<i18n::MsgBoxRequest> shown;
    i18n::setMsgBoxAnswerer([&](const i18n::MsgBoxRequest& request) {
        shown.push_back(request);
        return int(i18n::IdOk);
    });

    // No file: nothing opens and nothing is said.
    EXPECT_FALSE(openHelpFile(nullptr, 0));
    EXPECT_TRUE(catcher.urls.isEmpty());

    QFile file(guide);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    EXPECT_TRUE(openHelpFile(nullptr, 0));
    ASSERT_EQ(catcher.urls.size(), 1);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile(guide));
    EXPECT_TRUE(shown.empty());

    // With no program to show it, the user learns where the guide is.
    const auto noViewer = [](const QUrl&) { return false; };
    EXPECT_FALSE(openHelpFile(nullptr, 1, noViewer));
    EXPECT_FALSE(openHelpFile(nullptr, 0, noViewer));
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "No program was found to show the help. The guide is here:\n" +
                                 QDir::toNativeSeparators(guide));
    EXPECT_EQ(shown[0].style, i18n::StyleInformation);
    EXPECT_TRUE(shown[1].text.startsWith(QStringLiteral("没有找到可以显示帮助的程序")));
    EXPECT_TRUE(shown[1].text.endsWith(QDir::toNativeSeparators(guide)));

    QFile::remove(guide);
    QDesktopServices::unsetUrlHandler("file");
    i18n::setMsgBoxAnswerer({});
}

}  // namespace
}  // namespace pl63::ui

#include "about_window_test.moc"
