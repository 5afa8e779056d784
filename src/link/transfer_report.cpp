#include "link/transfer_report.h"

#include <cstdio>

namespace pl63::link {
namespace {

constexpr int kFirstAddress = 0x0010;
constexpr std::size_t kWriteBlockDigits = 2 * 0x10;

}  // namespace

std::string addressText(int address) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04X", static_cast<unsigned>(address) & 0xFFFF);
    return text;
}

ErrorText addressList(const std::vector<int>& addresses) {
    ErrorText list;
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        list.zh += (i ? "、" : "") + addressText(addresses[i]);
        list.en += (i ? ", " : "") + addressText(addresses[i]);
    }
    return list;
}

ErrorText stoppedTransferText(bool write, int done, int total) {
    const std::string of = std::to_string(done), all = std::to_string(total);
    if (!write) {
        return {"读频在第 " + of + " 块（共 " + all + " 块）后中断，没有保存任何内容。",
                "The read stopped after " + of + " of " + all + " blocks; nothing was saved."};
    }
    if (done == 0) {
        return {"写频在第一块（共 " + all + " 块）之前中断，对讲机的设置没有改变。",
                "The write stopped before the first of " + all +
                    " blocks; the radio's settings are unchanged."};
    }
    return {
        "写频在第 " + of + " 块（共 " + all + " 块）后中断：对讲机现在混有新旧设置，请重新写频。",
        "The write stopped after " + of + " of " + all +
            " blocks: the radio now holds a mix of old and new settings. Write it again."};
}

ErrorText cancelledTransferText(bool write, int done, int total) {
    if (!write)
        return {"读频已取消，窗口中的数据没有改变。",
                "Read cancelled; nothing in the window changed."};
    const std::string of = std::to_string(done), all = std::to_string(total);
    return {"写频已取消：对讲机已确认 " + of + " 块（共 " + all + " 块）。",
            "Write cancelled: the radio acknowledged " + of + " of " + all + " blocks."};
}

std::vector<int> differingBlocks(const std::string& writeImage, const std::string& readData,
                                 const std::vector<int>& writtenAddresses) {
    std::vector<int> differing;
    for (const int address : writtenAddresses) {
        const std::size_t at = 2 * static_cast<std::size_t>(address - kFirstAddress);
        const bool covered = address >= kFirstAddress &&
                             at + kWriteBlockDigits <= readData.size() &&
                             at + kWriteBlockDigits <= writeImage.size();
        if (!covered ||
            readData.compare(at, kWriteBlockDigits, writeImage, at, kWriteBlockDigits) != 0) {
            differing.push_back(address);
        }
    }
    return differing;
}

ErrorText verificationText(const std::vector<int>& differing, int written) {
    const std::string all = std::to_string(written);
    if (differing.empty()) {
        return {"校验通过：对讲机中的 " + all + " 块与写入的一致。",
                "Verified: the radio holds all " + all + " blocks as written."};
    }
    const ErrorText list = addressList(differing);
    const std::string count = std::to_string(differing.size());
    return {"校验失败：对讲机没有保存地址 " + list.zh + " 处的块（共 " + all + " 块中的 " + count +
                " 块），请重新写频。",
            "Verification failed: the radio did not keep the blocks at " + list.en + " (" + count +
                " of " + all + "). Write it again."};
}

}  // namespace pl63::link
