#include "ui/app_context.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace pl63::ui {
namespace {

// Windows are handed the data read-only: the one way to change them is the
// document, which records the step, marks the data modified and tells every
// window. Writing through what a window is handed does not compile.
static_assert(std::is_same_v<decltype(AppContext::codeplug), const Codeplug&>);
static_assert(
    !std::is_assignable_v<decltype((std::declval<AppContext&>().codeplug.band)), std::int16_t>);
static_assert(std::is_same_v<decltype(std::declval<CodeplugDocument&>().data()), const Codeplug&>);

TEST(AppContextTest, WindowsSeeTheDocumentsDataAndEveryChangeIsAnnounced) {
    AppContext context;
    int announced = 0;
    QObject::connect(&context.document, &CodeplugDocument::stateChanged, [&] { ++announced; });
    context.document.change({"频段", "band"}, [](Codeplug& codeplug) { codeplug.band = 3; });
    EXPECT_EQ(&context.codeplug, &context.document.data());
    EXPECT_EQ(context.codeplug.band, 3);
    EXPECT_TRUE(context.document.isModified());
    EXPECT_EQ(announced, 1);
}

}  // namespace
}  // namespace pl63::ui
