#include "link/transfer_messages.h"

#include <gtest/gtest.h>

#include "link/transfer_report.h"

namespace pl63::link {
namespace {

TEST(TransferMessages, AStoppedWriteSaysHowFarItGot) {
    EXPECT_EQ(transferMessage("error", false, 5, 29, Language::English), "error");
    EXPECT_EQ(transferMessage("error", true, 5, 29, Language::English),
              "error\n\n" + stoppedTransferText(true, 5, 29).en);

    struct Case {
        bool write;
        int done;
        bool message;
    };
    for (const Case c : {Case{false, 4, false}, Case{true, 0, false}, Case{true, 11, true}}) {
        const CancelNotice notice = cancelNotice(c.write, c.done, 29, Language::Chinese);
        EXPECT_EQ(notice.status, cancelledTransferText(c.write, c.done, 29).zh);
        EXPECT_EQ(notice.message.has_value(), c.message) << c.write << " " << c.done;
    }
    EXPECT_EQ(trimmedPassword("  ab 1  "), "ab 1");
    EXPECT_EQ(trimmedPassword("   "), "");
}

}  // namespace
}  // namespace pl63::link
