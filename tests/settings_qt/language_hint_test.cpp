#include "settings/qt/language_hint.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

namespace pl63::settings {
namespace {

// The user's store redirected into a temporary folder for each test.
class LanguageHintTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder_.path());
    }
    void put(const QVariant& value) {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "PK-63");
        store.setValue("Languages", value);
    }
    bool present() {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "PK-63");
        return store.contains("Languages");
    }

    QTemporaryDir folder_;
};

TEST_F(LanguageHintTest, ExactlyEnglishSelectsEnglishOnceThenTheParameterByteDecides) {
    put("english");
    const auto hint = takeLanguageHint();
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(*hint, 1);
    EXPECT_EQ(chooseLanguageFlag(hint, 0), 1);
    EXPECT_FALSE(present());
    // The next start has no hint.
    const auto next = takeLanguageHint();
    EXPECT_FALSE(next.has_value());
    EXPECT_EQ(chooseLanguageFlag(next, 1), 1);
    EXPECT_EQ(chooseLanguageFlag(next, 0), 0);
}

TEST_F(LanguageHintTest, AnyOtherNonEmptyValueSelectsChineseAndIsRemoved) {
    for (const char* value : {"English", "chinese", "ENGLISH", " english"}) {
        SCOPED_TRACE(value);
        put(value);
        const auto hint = takeLanguageHint();
        ASSERT_TRUE(hint.has_value());
        EXPECT_EQ(*hint, 0);
        EXPECT_EQ(chooseLanguageFlag(hint, 1), 0);
        EXPECT_FALSE(present());
    }
}

TEST_F(LanguageHintTest, EmptyOrMissingValueIsNoHintAndStays) {
    EXPECT_FALSE(takeLanguageHint().has_value());
    put("");
    EXPECT_FALSE(takeLanguageHint().has_value());
    EXPECT_TRUE(present());
    EXPECT_EQ(chooseLanguageFlag(std::nullopt, 2), 2);
}

}  // namespace
}  // namespace pl63::settings
