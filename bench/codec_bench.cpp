// Decode + encode of a full image (16 programmed channels, options set), the
// work of one file open and save. Prints microseconds per round trip and the
// ratio against the 20 µs budget.
#include <chrono>
#include <cstdio>
#include <string>

#include "codec/codeplug.h"
#include "codec/image_codec.h"

namespace {

pl63::Codeplug programmed() {
    using namespace pl63;
    Codeplug c;
    for (int row = 1; row <= kChannelCount; ++row) {
        std::string f = "43" + std::to_string(row % 10) + ".1" + std::to_string(row % 8) + "250";
        c.channels.setText(row, ColRxFrequency, f);
        c.channels.setText(row, ColTxFrequency, f);
        c.channels.setText(row, ColRxTone, row % 2 ? "88.5" : "Off");
        c.channels.setText(row, ColTxTone, row % 3 ? "D023N" : "Off");
        c.channels.setText(row, ColPower, row % 2 ? "Hight" : "Low");
        c.channels.setText(row, ColForbid, "Off");
        c.channels.setText(row, ColBandWidth, "Wide");
        c.channels.setText(row, ColScan, "Have");
        c.TestFrequencies[row - 1] = {f, f};
    }
    c.DtmfSettings[2] = 300;
    c.OptionalSettings[18] = "12";
    c.CommPassword = "12345678";
    c.EmbeddedInfo = {"PL-63 bench", "second line of text"};
    return c;
}

}  // namespace

int main() {
    constexpr int kRounds = 20000;
    constexpr double kLimitMicros = 20.0;
    pl63::MemoryImage image = pl63::EncodeImage(programmed(), pl63::Language::English);
    pl63::Codeplug model;
    std::size_t checksum = 0;

    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRounds; ++i) {
        pl63::DecodeImage(image, model, pl63::Language::English);
        image = pl63::EncodeImage(model, pl63::Language::English);
        checksum += image.at(static_cast<std::size_t>(i) % image.size());
    }
    auto elapsed =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start);

    double perRound = elapsed.count() / kRounds;
    std::printf("codec: decode+encode of a full image: %.2f us per round trip (checksum %zu)\n",
                perRound, checksum);
    std::printf("ratio %.2f (limit 1.0)\n", perRound / kLimitMicros);
    return 0;
}
