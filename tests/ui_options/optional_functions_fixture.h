#pragma once
// What the Optional functions and Debug window tests share: one context with
// a fake clock, message boxes answered and recorded, a user's way of picking
// a list entry, and DecodeImage from a .DAT file as Open does it.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "i18n/qt/localized_msgbox.h"
#include "ui/app_context.h"
#include "ui_support/fake_clock.h"

namespace pl63::ui::test {

class OptionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        clock = installFakeClock(context);
        i18n::setMsgBoxAnswerer([this](const i18n::MsgBoxRequest& request) {
            messages.push_back(request);
            return static_cast<int>(i18n::IdOk);
        });
    }
    void TearDown() override { i18n::setMsgBoxAnswerer({}); }

    template <typename W>
    static W* child(QWidget* window, const char* name) {
        W* found = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The user opens the list and clicks the entry: one selection change.
    static void pick(QComboBox* list, int position) {
        list->showPopup();
        QAbstractItemView* view = list->view();
        const QModelIndex entry = list->model()->index(position, 0);
        view->scrollTo(entry);
        QCoreApplication::processEvents();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
        if (view->isVisible()) list->hidePopup();
    }

    // Saved to a .DAT file with the codec and opened again, as File > Open.
    void openAsDat(const Codeplug& source) {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("radio.DAT")).toStdString();
        ASSERT_TRUE(writeDatFile(path, EncodeImage(source, Language::Chinese)).ok());
        auto image = readDatFile(path);
        ASSERT_TRUE(image.ok());
        context.state.DebugUnlocked = false;  // new data, as Open takes them
        DecodeImage(image.value(), context.document.dataForSetUp(), Language::Chinese);
        context.state.announceStoresDecoded();
    }

    MemoryImage encoded() const { return EncodeImage(context.codeplug, Language::Chinese); }

    static void putChannel(Codeplug& codeplug, int channel) {
        codeplug.channels.setText(channel, ColRxFrequency, "435.12500");
        codeplug.channels.setText(channel, ColTxFrequency, "435.12500");
    }

    AppContext context;
    FakeClock* clock = nullptr;
    std::vector<i18n::MsgBoxRequest> messages;
};

}  // namespace pl63::ui::test

namespace pl63::ui::test {

// Every caption shows its whole text and every control lies inside the
// fixed-size window. Saved as `<name>.png` when PL63_RENDER_DIR names a folder.
inline void expectEverythingFits(QWidget* window, const QString& name) {
    QApplication::processEvents();
    const QRect inside = window->rect();
    for (QWidget* each : window->findChildren<QWidget*>()) {
        if (!each->isVisibleTo(window) || each->isWindow()) continue;
        const QRect where(each->mapTo(window, QPoint(0, 0)), each->size());
        EXPECT_TRUE(inside.contains(where)) << each->objectName().toStdString();
        if (auto* label = qobject_cast<QLabel*>(each)) {
            EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
        }
    }
    const QByteArray dir = qgetenv("PL63_RENDER_DIR");
    if (!dir.isEmpty()) window->grab().save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
}

}  // namespace pl63::ui::test
