#include "codec/edited_codeplug.h"

#include <gtest/gtest.h>

#include <functional>

namespace pl63 {
namespace {

const StepName kBand{"频段", "band"};
const StepName kPassword{"密码", "password"};

void setBand(EditedCodeplug& d, int band) {
    d.change(kBand, [band](Codeplug& c) { c.band = static_cast<std::int16_t>(band); });
}
void typePassword(EditedCodeplug& d, const char* text) {
    d.changeOngoing(kPassword, [text](Codeplug& c) { c.CommPassword = text; });
}

// What counts as modified, what undo takes back and which file the data
// belong to: the same for the windows and the browser page.
TEST(EditedCodeplugTest, ModifiedUndoAndFileFollowWhatWasLastOpenedSavedOrWritten) {
    struct Case {
        const char* what;
        std::function<void(EditedCodeplug&)> act;
        bool modified, canUndo, canRedo;
        std::string file;
    };
    const Case cases[] = {
        {"a change to the same value", [](auto& d) { setBand(d, 0); }, false, false, false, ""},
        {"a change undone", [](auto& d) { setBand(d, 3); d.undo(); }, false, false, true, ""},
        {"opened, changed, undone to the file",
         [](auto& d) {
             d.replace({"打开", "open"}, [](Codeplug& c) { c.band = 2; }, "a.DAT");
             setBand(d, 3);
             d.undo();
         },
         false, true, true, "a.DAT"},
        {"saved, then undone past the save",
         [](auto& d) { setBand(d, 3); d.markSaved("b.DAT"); d.undo(); }, true, false, true, ""},
        {"written as it is", [](auto& d) { setBand(d, 3); d.markWritten(d.data()); },
         false, true, false, ""},
        {"edited while a write ran",
         [](auto& d) {
             setBand(d, 3);
             const Codeplug sent = d.data();
             setBand(d, 4);
             d.markWritten(sent);
         },
         true, true, false, ""},
        {"typed key by key is one step",
         [](auto& d) { typePassword(d, "a"); typePassword(d, "ab"); d.undo(); },
         false, false, true, ""},
        {"typed and erased is no step",
         [](auto& d) { typePassword(d, "a"); typePassword(d, ""); }, false, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EditedCodeplug document;
        c.act(document);
        EXPECT_EQ(document.isModified(), c.modified);
        EXPECT_EQ(document.canUndo(), c.canUndo);
        EXPECT_EQ(document.canRedo(), c.canRedo);
        EXPECT_EQ(document.filePath(), c.file);
    }
}

}  // namespace
}  // namespace pl63
