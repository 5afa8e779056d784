#pragma once
// A fresh folder per end-to-end test and the tools run inside it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "e2e/child_process.h"

namespace pl63::e2e {

namespace fs = std::filesystem;

inline std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The simulator writes its --save file a moment after the session's end
// frame; waits until the file is there.
inline bool awaitFile(const std::filesystem::path& path,
                      std::chrono::milliseconds limit = std::chrono::seconds(3)) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!std::filesystem::exists(path)) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

class E2eFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "-" + info->name();
        for (char& c : name) {
            if (c == '/') c = '-';
        }
        dir_ = std::filesystem::temp_directory_path() /
               ("pl63-e2e-" + name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::filesystem::path path(const std::string& name) const { return dir_ / name; }

    std::vector<std::string> entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ProcessResult pl63(std::vector<std::string> words, std::vector<std::string> environment = {},
                       const ErrTrigger* trigger = nullptr) {
        words.insert(words.begin(), PL63_CLI);
        return runProcess(words, std::chrono::seconds(30), environment, trigger);
    }

    // A codeplug with a few channels, made by the tool itself.
    std::filesystem::path sampleCodeplug(const std::string& name = "sample.DAT") {
        const auto csv = path(name + ".csv");
        std::ofstream(csv)
            << "CH,RX Frequency,RX Tone,TX Frequency,TX Tone,Power,Forbid,Band,Scan\n"
               "1,430.125,67.0,431.125,Off,High,Off,Wide,Yes\n"
               "2,439.000,,None,D023N,Low,Carrier,Narrow,No\n"
               "9,401.000,100.0,402.000,100.0,Low,Off,Narrow,Yes\n";
        const auto made = pl63({"import", csv.string(), "-o", path(name).string()});
        EXPECT_EQ(made.exitCode, 0) << made.err;
        std::filesystem::remove(csv);
        return path(name);
    }

    std::filesystem::path dir_;
};

}  // namespace pl63::e2e
