#pragma once
// A host that shows nothing: the status line, the progress bar and the
// commands are not there. For hosts that only move the bytes and the image
// (the seed maker, in-process tests of the windows' stores).
#include "link/link_host.h"

namespace pl63::link {

class QuietLinkHost : public LinkHost {
public:
    void setStatusText(const std::string&) override {}
    void setStatusVisible(bool) override {}
    void toggleStatusVisible() override {}
    void showProgress(int) override {}
    void setProgress(int) override {}
    void hideProgress() override {}
    void setCommandsEnabled(bool) override {}
    void prepareForTransfer() override {}
};

}  // namespace pl63::link
