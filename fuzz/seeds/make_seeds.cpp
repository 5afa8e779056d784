// Writes the seed corpus of every fuzz target from our own codec and simulated
// radio: codeplug files and CSV the codec makes, the bytes the simulated radio
// answers in real sessions, the frames the link engine sends in them.
//   pl63-fuzz-seeds OUTPUT_FOLDER      (normally fuzz/corpus)
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <string>

#include "codec/band.h"
#include "codec/channel_csv.h"
#include "codec/chirp_csv.h"
#include "codec/dat_file.h"
#include "codec/image_codec.h"
#include "link/link_engine.h"
#include "link/radio_simulator.h"
#include "link_engine_script.h"
#include "radio_simulator_script.h"

namespace {

using namespace pl63;
using namespace pl63::fuzz;
using Bytes = std::vector<std::uint8_t>;

std::filesystem::path outputFolder;

void writeSeed(const std::string& target, const std::string& name, const Bytes& bytes) {
    const auto folder = outputFolder / target;
    std::filesystem::create_directories(folder);
    std::ofstream file(folder / name, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        std::fprintf(stderr, "pl63-fuzz-seeds: cannot write %s\n", (folder / name).c_str());
        std::exit(1);
    }
}

Bytes textBytes(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

Bytes withOption(std::uint8_t option, const Bytes& rest) {
    Bytes bytes{option};
    bytes.insert(bytes.end(), rest.begin(), rest.end());
    return bytes;
}

constexpr std::string_view kSampleChannels =
    "CH,RX Frequency,RX Tone,TX Frequency,TX Tone,Power,Forbid,Band,Scan\n"
    "1,438.50000,Off,438.50000,Off,High,Off,Wide,Yes\n"
    "2,446.00625,67.0,446.00625,254.1,Low,Carrier,Narrow,No\n"
    "3,430.0125,d023n,431.0125,D754I,Hight,Carrow,Wide,Have\n"
    "4,435.1,Off,None,Off,Low,Off,Narrow,No\n"
    "5,401.00000\n"
    "16,479.99375,D031I,470.00000,100.0,high,off,wide,no\n";

// A codeplug with channels of every kind, options away from the start-up
// values, and the band given.
Codeplug sampleCodeplug(int band, Language language) {
    Codeplug codeplug;
    codeplug.band = static_cast<std::int16_t>(band);
    if (band == 0) {
        const BandEntry* limits = bandAt(band);
        Status imported = importChannelsCsv(kSampleChannels, codeplug.channels,
                                            {limits->lowMHz, limits->highMHz}, language);
        if (!imported) {
            std::fprintf(stderr, "pl63-fuzz-seeds: the sample channels no longer import: %s\n",
                         imported.error().en.c_str());
            std::exit(1);
        }
    }
    codeplug.functions.timeOut = 3;
    codeplug.functions.voxGain = 5;
    codeplug.functions.cancelOperation = true;
    codeplug.EmbeddedInfo = {"PL63", "SEED"};
    codeplug.CommPassword = "1234";
    codeplug.TestFrequencies[0] = {"435.00000", "436.00000"};
    return codeplug;
}

void datSeeds() {
    writeSeed("dat_file", "startup.DAT", datContent(EncodeImage(Codeplug{}, Language::Chinese)));
    writeSeed("dat_file", "channels.DAT",
              datContent(EncodeImage(sampleCodeplug(0, Language::English), Language::English)));
    // The largest file opening reads (850 image bytes), holding a band other than the first.
    Bytes image = EncodeImage(sampleCodeplug(5, Language::Chinese), Language::Chinese).bytes();
    image.resize(kDatMaxImageBytes, 0xFF);
    writeSeed("dat_file", "longest.DAT", datContent(MemoryImage(image)));
    // The shortest file opening takes, all bytes distinct from their neighbours.
    Bytes shortest(layout::kDecodedSize);
    for (std::size_t k = 0; k < shortest.size(); ++k)
        shortest[k] = static_cast<std::uint8_t>(k * 13 + 1);
    writeSeed("dat_file", "shortest.DAT", datContent(MemoryImage(shortest)));
}

void csvSeeds() {
    // Options byte: bit 0 image instead of text, bit 1 English, bits 2.. the band.
    const auto textOption = [](Language language, int band) {
        return static_cast<std::uint8_t>((language == Language::English ? 2 : 0) | band << 2);
    };
    writeSeed("channel_csv", "sample.csv",
              withOption(textOption(Language::English, 0), textBytes(kSampleChannels)));
    const Codeplug sample = sampleCodeplug(0, Language::Chinese);
    writeSeed("channel_csv", "export_zh.csv",
              withOption(textOption(Language::Chinese, 0),
                         textBytes(exportChannelsCsv(sample.channels))));
    writeSeed(
        "channel_csv", "quoted_crlf.csv",
        withOption(
            textOption(Language::Chinese, 5),
            textBytes("\xEF\xBB\xBF"
                      "ch,rx frequency,RX TONE,TX Frequency,TX Tone,Power,Forbid,Band,Scan\r\n"
                      "\"1\",\"145.5\",\"88.5\",,\"d 023 n\",\xE9\xAB\x98,,,\r\n"
                      "\r\n"
                      "2,,,,,,,,\r\n"
                      "9,150.0,Off,150.00625,Off,\"Low\",\"Carrier\",\"Narrow\",\"No\"\r\n")));
    writeSeed("channel_csv", "image.bin",
              withOption(1, EncodeImage(sample, Language::Chinese).bytes()));
}

void chirpSeeds() {
    // Options byte: bit 0 image instead of text, bit 1 English, bit 2 leave
    // unfit rows out, bits 3.. the band.
    const auto textOption = [](Language language, bool leaveOut, int band) {
        return static_cast<std::uint8_t>((language == Language::English ? 2 : 0) |
                                         (leaveOut ? 4 : 0) | band << 3);
    };
    const Codeplug sample = sampleCodeplug(0, Language::English);
    writeSeed("chirp_csv", "export.csv",
              withOption(textOption(Language::English, false, 0),
                         textBytes(exportChirpCsv(sample.channels))));
    writeSeed("chirp_csv", "every_tone_mode.csv",
              withOption(textOption(Language::Chinese, false, 0),
                         textBytes("Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,"
                                   "cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,"
                                   "TStep,Skip,Power\n"
                                   "1,A,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,"
                                   "6.25,,0.5W\n"
                                   "2,B,439.2,-,7.6,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,"
                                   "5.00,S,High\n"
                                   "3,,438.5,+,1,TSQL,88.5,123.0,023,NN,023,Tone->Tone,FM,,,5W\n"
                                   "4,,438.6,split,431.0,DTCS,88.5,88.5,754,RN,023,Tone->Tone,"
                                   "NFM,,P,low\n"
                                   "5,,438.7,off,0,Cross,100.0,67.0,023,NR,754,Tone->DTCS,FM,,,\n"
                                   "6,,438.8,,,Cross,100.0,67.0,025,RN,754,DTCS->Tone,FM,,,\n"
                                   "7,,438.9,,,Cross,100.0,67.0,025,RR,754,DTCS->DTCS,FM,,,\n"
                                   "8,,439.0,,,Cross,100.0,67.0,025,RR,754,->Tone,FM,,,\n"
                                   "9,,439.1,,,Cross,100.0,67.0,025,RR,754,->DTCS,FM,,,\n"
                                   "10,,439.3,,,Cross,100.0,67.0,025,RR,754,DTCS->,FM,,,\n"
                                   "11,,439.4,,,Cross,100.0,67.0,025,RR,754,Tone->,FM,,,\n")));
    writeSeed("chirp_csv", "unfit_left_out.csv",
              withOption(textOption(Language::English, true, 1),
                         textBytes("\xEF\xBB\xBF\"Frequency\",\"Location\",Mode,Tone\r\n"
                                   "462.5625,1,FM,\r\n"
                                   "462.5875,2,AM,\r\n"
                                   "146.52,3,FM,\r\n"
                                   "462.6125,4,FM,TSQL-R\r\n"
                                   "467.5625,30,NFM,\r\n")));
    writeSeed("chirp_csv", "lean_zero_based.csv",
              withOption(textOption(Language::Chinese, false, 5),
                         textBytes("Location,Frequency\n0,145.5\n1,146.0\n2,147.0\n")));
    // Images: an export of any codeplug imports back over it unchanged.
    writeSeed("chirp_csv", "image_sample.bin",
              withOption(3, EncodeImage(sample, Language::English).bytes()));
    Bytes odd(layout::kDecodedSize);
    for (std::size_t k = 0; k < odd.size(); ++k) odd[k] = static_cast<std::uint8_t>(k * 13 + 1);
    writeSeed("chirp_csv", "image_odd_bytes.bin", withOption(1, odd));
}

// A host for recording sessions of the engine with the simulated radio.
struct SessionHost : link::LinkHost {
    std::deque<Bytes> unsent;
    bool login = false;
    bool debug = false;
    HostPasswords passwords = hostPasswords(0);
    bool timer1 = false;
    bool timer2 = false;

    bool portIsOpen() override { return true; }
    void writeFrame(const Bytes& frame) override { unsent.push_back(frame); }
    void setTimer1Running(bool running) override { timer1 = running; }
    void setTimer2Running(bool running) override { timer2 = running; }
    bool loginMode() override { return login; }
    bool debugUnlocked() override { return debug; }
    std::string commPassword() override { return passwords.commPassword; }
    std::string passwordBoxText() override { return passwords.boxText; }
    std::string encodeImage() override { return std::string(2 * layout::kImageSize, 'A'); }
    void decodeImage(const std::string&) override {}
};

// One session: the engine's frames go to the radio (and into the simulator's
// script), the radio's answers to the engine (and into the engine's script).
struct Session {
    SessionHost host;
    link::RadioSimulator radio;
    link::LinkEngine engine;
    EngineScript engineScript;
    SimulatorScript simulatorScript;

    Session(std::uint8_t engineOptions, SimulatorScript faults)
        : engine(host, engineOptions & kOptionEnglish ? Language::English : Language::Chinese),
          engineScript(engineOptions),
          simulatorScript(std::move(faults)) {
        host.login = engineOptions & FlagLogin;
        host.debug = engineOptions & FlagDebug;
        host.passwords = hostPasswords(engineOptions >> kPasswordKindShift);
        const Bytes& options = simulatorScript.bytes();
        radio.setFaults(simulatorFaults(options[0], options[1], options[2], options[3]));
        fillSimulatorPattern(radio);
        for (std::size_t i = 0; i < 16; ++i) {
            radio.memory()[0x1B0 + i] = i < kSeedRadioPassword.size()
                                            ? static_cast<std::uint8_t>(kSeedRadioPassword[i])
                                            : 0xFF;
        }
    }

    void start(EngineOp op) {
        engineScript.op(op);
        if (op == OpStartRead) engine.startRead();
        if (op == OpStartWrite) engine.startWrite();
        if (op == OpStartPassword) engine.startPasswordTransfer();
    }

    void pump() {
        while (!host.unsent.empty()) {
            const Bytes frame = host.unsent.front();
            host.unsent.pop_front();
            simulatorScript.send(frame);
            for (const link::RadioOutput& output : radio.receive(frame)) {
                if (output.breakBefore) {
                    engineScript.op(OpBreak);
                    engine.breakSeen();
                }
                engineScript.receive(output.bytes);
                engine.received(output.bytes);
            }
        }
    }

    // Carries on, ticking as the timers would, until both are off.
    void runToEnd() {
        pump();
        for (int round = 0; round < 200 && (host.timer1 || host.timer2); ++round) {
            if (host.timer2) {
                engineScript.op(OpTimer2);
                engine.timer2Tick();
            }
            if (round % 2 == 1 && host.timer1) {
                engineScript.op(OpTimer1);
                engine.timer1Tick();
            }
            pump();
        }
    }

    void save(const std::string& name) {
        writeSeed("link_engine", name, engineScript.bytes());
        writeSeed("radio_simulator", name, simulatorScript.bytes());
    }
};

void sessionSeeds() {
    {
        Session read(kOptionEnglish, SimulatorScript());
        read.start(OpStartRead);
        read.runToEnd();
        read.save("read");
    }
    {
        Session write(FlagLogin | FlagDebug, SimulatorScript());
        write.start(OpStartWrite);
        write.runToEnd();
        write.save("write_login_unlocked");
    }
    {
        // The old password is read and compared first, then the new one written.
        Session password(0, SimulatorScript());
        password.start(OpStartPassword);
        password.runToEnd();
        password.save("password_change");
    }
    {
        Session login(FlagLogin, SimulatorScript());
        login.start(OpStartPassword);
        login.runToEnd();
        login.save("password_change_login");
    }
    {
        Session stalls(0, SimulatorScript(0, 5));
        stalls.start(OpStartRead);
        stalls.runToEnd();
        stalls.save("read_stalls_after_5");
    }
    {
        Session broken(kOptionEnglish, SimulatorScript(0, kFaultOff, 2, 17));
        broken.start(OpStartRead);
        broken.runToEnd();
        broken.save("read_break_chunked");
    }
    {
        Session stray(0, SimulatorScript(FaultStrayByte));
        stray.start(OpStartRead);
        stray.runToEnd();
        stray.save("read_stray_byte");
    }
    {
        Session wrong(0, SimulatorScript(FaultWrongIdentity | FaultWrongEcho));
        wrong.start(OpStartWrite);
        wrong.runToEnd();
        wrong.save("write_wrong_identity");
    }
    {
        // A closed port refuses the start; the radio sees noise, a reset and a read.
        EngineScript closed(FlagPortClosed);
        closed.op(OpStartRead);
        closed.setFlags(0);
        closed.op(OpStartWrite);
        closed.op(OpStartRead);
        closed.receive({0x06});
        writeSeed("link_engine", "closed_port_then_write", closed.bytes());
        SimulatorScript noisy;
        noisy.send(
            {'x', 'R', 'M', '-', 'P', 'R', 'O', 0x00, 'R', 'M', '-', 'P', 'R', 'O', 'G', 0x02});
        noisy.resetSession();
        noisy.send({'R',  'M',  '-',  'P', 'R',  'O',  'G',  0x02, 0x06, 'R', 0x00,
                    0x10, 0x40, 0x06, 'W', 0x00, 0x20, 0x02, 0xAB, 0xCD, 'E'});
        writeSeed("radio_simulator", "noise_reset_short_write", noisy.bytes());
    }
}

void portSeeds() {
    writeSeed(
        "port_map", "ports_and_devices",
        textBytes(
            std::string("# USB adapters\nCOM3=/dev/ttyUSB0\n  com12 = /dev/serial/by-id/usb-x \n"
                        "COM21=/dev/ttyS9\nCOM0=/dev/ttyS0\nCOMx=/dev/ttyS1\nCOM3=/dev/ttyUSB1\n") +
            std::string(1, '\0') +
            "/dev/ttyS0\n/dev/ttyUSB10\n/dev/ttyUSB2\n/dev/ttyACM0\n/dev/rfcomm0\n"
            "/dev/ttyUSB1\n3\n20\n21\n  7 \n"));
    std::string many;
    for (int i = 0; i < 24; ++i) many += "/dev/ttyUSB" + std::to_string(i) + "\n";
    writeSeed(
        "port_map", "more_devices_than_numbers",
        textBytes("COM1=/dev/ttyUSB5\r\nCOM20=/dev/ttyUSB6\r\n" + std::string(1, '\0') + many));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pl63-fuzz-seeds OUTPUT_FOLDER\n");
        return 2;
    }
    outputFolder = argv[1];
    datSeeds();
    csvSeeds();
    chirpSeeds();
    sessionSeeds();
    portSeeds();
    return 0;
}
