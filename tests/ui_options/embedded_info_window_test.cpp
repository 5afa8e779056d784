#include "ui/options/embedded_info_window.h"

#include <QClipboard>
#include <QKeyEvent>

#include "codec/layout.h"
#include "forms_fixture.h"

namespace pl63::ui::test {
namespace {

class EmbeddedInfoWindowTest : public FormsTest {
protected:
    EmbeddedInfoWindow* open() {
        auto* window = new EmbeddedInfoWindow(context_, main_.get());
        window->show();
        return window;
    }
    QLineEdit* line(QWidget* w, int n) { return child<QLineEdit>(w, n == 1 ? "Text1" : "Text2"); }

    static std::string bytesAt(const MemoryImage& image, std::size_t offset, std::size_t count) {
        std::string out;
        for (std::size_t i = 0; i < count; ++i)
            out.push_back(static_cast<char>(image.at(offset + i)));
        return out;
    }
};

TEST_F(EmbeddedInfoWindowTest, DecodedImageFillsTheLinesAndOkWritesThemBack) {
    EmbeddedInfoWindow* window = open();
    Codeplug source;
    source.EmbeddedInfo = {"PL-63 FLEET 7", "Call 555-0100"};
    decodeFrom(source);
    EXPECT_EQ(line(window, 1)->text(), QStringLiteral("PL-63 FLEET 7"));
    EXPECT_EQ(line(window, 2)->text(), QStringLiteral("Call 555-0100"));

    line(window, 1)->selectAll();
    QTest::keyClicks(line(window, 1), "Depot B");
    line(window, 2)->clear();
    click(window, "Command1");

    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(context_.codeplug.EmbeddedInfo[0], "Depot B");
    EXPECT_EQ(context_.codeplug.EmbeddedInfo[1], "");
    const MemoryImage image = encoded();
    EXPECT_EQ(bytesAt(image, layout::kEmbeddedInfo1, 8), std::string("Depot B\xFF"));
    // An empty line goes to the radio as 32 bytes of "no character".
    EXPECT_EQ(bytesAt(image, layout::kEmbeddedInfo2, layout::kEmbeddedInfoSize),
              std::string(layout::kEmbeddedInfoSize, '\xFF'));
}

TEST_F(EmbeddedInfoWindowTest, FullLineRefusesTypingButTakesBackspaceAndReplacedSelection) {
    EmbeddedInfoWindow* window = open();
    QLineEdit* text1 = line(window, 1);
    const QString full(32, QLatin1Char('x'));
    QTest::keyClicks(text1, full + QStringLiteral("yz"));
    EXPECT_EQ(text1->text(), full);

    QTest::keyClick(text1, Qt::Key_Backspace);
    EXPECT_EQ(text1->text().size(), 31);
    QTest::keyClicks(text1, "AB");
    EXPECT_EQ(text1->text(), QString(31, QLatin1Char('x')) + QStringLiteral("A"));

    // With part of the text selected the typed character replaces it.
    QTest::keyClick(text1, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(text1, "Z");
    EXPECT_EQ(text1->text(), QString(31, QLatin1Char('x')) + QStringLiteral("Z"));
}

TEST_F(EmbeddedInfoWindowTest, PasteIsNotLimitedAndOkStoresItUnchanged) {
    EmbeddedInfoWindow* window = open();
    QLineEdit* text2 = line(window, 2);
    const QString long40 = QStringLiteral("0123456789ABCDEFGHIJ0123456789abcdefghij");
    QApplication::clipboard()->setText(long40);
    QTest::keyClicks(text2, QString(32, QLatin1Char('-')));
    text2->clear();
    QTest::keyClick(text2, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text2->text(), long40);
    click(window, "Command1");
    EXPECT_EQ(context_.codeplug.EmbeddedInfo[1], long40.toStdString());
    EXPECT_EQ(bytesAt(encoded(), layout::kEmbeddedInfo2, 32), long40.left(32).toStdString());
}

// The radio keeps one byte per character: what cannot go into one byte is
// left out at entry, so what the user sees is what the radio gets.
TEST_F(EmbeddedInfoWindowTest, CharactersWithoutASingleByteAreLeftOut) {
    EmbeddedInfoWindow* window = open();
    QLineEdit* text1 = line(window, 1);
    // Qt Test types only Latin-1 keys; a Chinese key press as an input method
    // without composition delivers it.
    QTest::keyClicks(text1, "A");
    QKeyEvent chinese(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("中"));
    QApplication::sendEvent(text1, &chinese);
    QTest::keyClicks(text1, "B");
    EXPECT_EQ(text1->text(), QStringLiteral("AB"));
    QApplication::clipboard()->setText(QStringLiteral("对讲C\tDé"));
    QTest::keyClick(text1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text1->text(), QStringLiteral("ABCD"));

    // A byte the radio already holds is shown and kept, edited or not.
    Codeplug source;
    source.EmbeddedInfo = {"caf\xE9",
                           "\xB0"
                           "C"};
    decodeFrom(source);
    EXPECT_EQ(text1->text(), QStringLiteral("café"));
    text1->end(false);
    QTest::keyClicks(text1, "!");
    click(window, "Command1");
    EXPECT_EQ(context_.codeplug.EmbeddedInfo[0], "caf\xE9!");
    EXPECT_EQ(context_.codeplug.EmbeddedInfo[1],
              "\xB0"
              "C");
}

TEST_F(EmbeddedInfoWindowTest, CancelAndCloseOnlyHideAndKeepTheEdits) {
    EmbeddedInfoWindow* window = open();
    QTest::keyClicks(line(window, 1), "first");
    click(window, "Command2");
    EXPECT_FALSE(window->isVisible());
    window->show();
    QTest::keyClicks(line(window, 2), "second");
    window->close();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(context_.codeplug.EmbeddedInfo[0], "");
    EXPECT_EQ(context_.codeplug.EmbeddedInfo[1], "");

    window->show();
    switchLanguage(window, 1);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Embedded Information"));
    switchLanguage(window, 0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("嵌入信息"));
    click(window, "Command1");
    EXPECT_EQ(context_.codeplug.EmbeddedInfo[0], "first");
    EXPECT_EQ(context_.codeplug.EmbeddedInfo[1], "second");
}

}  // namespace
}  // namespace pl63::ui::test
