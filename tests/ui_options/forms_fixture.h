#pragma once
// What the tests of the key, embedded information, test frequency and
// password windows share: a context with a stand-in main window, images made
// by the codec, and the bytes EncodeImage writes afterwards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "codec/image_codec.h"
#include "i18n/qt/captions.h"
#include "i18n/qt/localized_msgbox.h"
#include "ui/app_context.h"

namespace pl63::ui::test {

class FormsTest : public ::testing::Test {
protected:
    FormsTest() {
        main_ = std::make_unique<QWidget>();
        main_->setObjectName(QStringLiteral("Form1"));
        context_.mainWindow = main_.get();
        context_.windows.setOwner(main_.get());
    }
    ~FormsTest() override { i18n::setMsgBoxAnswerer({}); }

    // An image the codec made from `source`, decoded into our codeplug the way
    // a read or an Open does it: the stores first, then every window told.
    void decodeFrom(const Codeplug& source) {
        const MemoryImage image = EncodeImage(source, Language::Chinese);
        // As Open and Read do: new data lock the tuning values again.
        context_.state.DebugUnlocked = false;
        DecodeImage(image, context_.document.dataForSetUp(), Language::Chinese);
        context_.state.announceStoresDecoded();
    }

    MemoryImage encoded() const { return EncodeImage(context_.codeplug, Language::Chinese); }

    template <typename T>
    T* child(QWidget* window, const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(QWidget* window, const char* button) {
        QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
    }

    // Applies the window's caption table; every row must find its widget.
    void switchLanguage(QWidget* window, int flag) {
        context_.state.LanguageFlag = static_cast<std::int16_t>(flag);
        const QStringList failures =
            i18n::applyCaptionTable(window, i18n::captionTable(window->objectName()), flag);
        EXPECT_TRUE(failures.isEmpty()) << failures.join(", ").toStdString();
    }

    AppContext context_;
    std::unique_ptr<QWidget> main_;  // deletes the windows before the context goes
};

}  // namespace pl63::ui::test
