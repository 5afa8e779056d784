#include "link/transfer_messages.h"

#include "link/transfer_report.h"

namespace pl63::link {

std::string transferMessage(const std::string& engineText, bool writeStopped, int done, int total,
                            Language language) {
    if (!writeStopped) return engineText;
    return engineText + "\n\n" + stoppedTransferText(true, done, total).in(language);
}

CancelNotice cancelNotice(bool write, int done, int total, Language language) {
    CancelNotice notice{cancelledTransferText(write, done, total).in(language), std::nullopt};
    if (write && done > 0) notice.message = stoppedTransferText(true, done, total).in(language);
    return notice;
}

std::string trimmedPassword(const std::string& password) {
    const auto first = password.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return password.substr(first, password.find_last_not_of(' ') - first + 1);
}

}  // namespace pl63::link
