#include "settings/parameter_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pl63::settings {
namespace {

namespace fs = std::filesystem;

class ParameterFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("pl63-parameter-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        path_ = (folder_ / "parameter").string();
    }
    void TearDown() override { fs::remove_all(folder_); }

    void writeRaw(const std::string& bytes) {
        std::ofstream(path_, std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string readRaw() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    ino_t fileInode() const {
        struct stat info {};
        return ::stat(path_.c_str(), &info) == 0 ? info.st_ino : 0;
    }

    fs::path folder_;
    std::string path_;
};

TEST_F(ParameterFileTest, MissingFileIsCreatedWholeAndReadsAsZero) {
    const ParameterBytes bytes = readParameterFile(path_);
    EXPECT_EQ(bytes.lock, 0);
    EXPECT_EQ(bytes.port, 0);
    EXPECT_EQ(bytes.language, 0);
    ASSERT_TRUE(fs::exists(path_));
    EXPECT_EQ(readRaw(), std::string("\0\0\0", 3));
}

TEST_F(ParameterFileTest, ShortFilesReadMissingBytesAsZeroAndAreMadeWholeLongFilesOnlyThree) {
    writeRaw(std::string("\x01", 1));
    ParameterBytes bytes = readParameterFile(path_);
    EXPECT_EQ(bytes.lock, 1);
    EXPECT_EQ(bytes.port, 0);
    EXPECT_EQ(bytes.language, 0);
    EXPECT_EQ(readRaw(), std::string("\x01\0\0", 3));

    writeRaw(std::string("\x02\x0c\x01\x55\x66", 5));
    bytes = readParameterFile(path_);
    EXPECT_EQ(bytes.lock, 2);
    EXPECT_EQ(bytes.port, 12);
    EXPECT_EQ(bytes.language, 1);
}

TEST_F(ParameterFileTest, WriteKeepsExactlyThreeBytesAndReadsBack) {
    writeRaw("a much longer file left by someone else");
    ASSERT_TRUE(writeParameterFile(path_, {1, 200, 1}));
    EXPECT_EQ(readRaw(), std::string("\x01\xc8\x01", 3));
    const ParameterBytes back = readParameterFile(path_);
    EXPECT_EQ(back.lock, 1);
    EXPECT_EQ(back.port, 200);
    EXPECT_EQ(back.language, 1);
    // No temporary file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(ParameterFileTest, OnlyAChangeRewritesTheFile) {
    // A rewrite goes through a new file renamed over the old one: a new inode.
    writeRaw(std::string("\x00\x02\x01", 3));
    const ino_t before = fileInode();
    ASSERT_TRUE(writeParameterFile(path_, {0, 2, 1}));
    EXPECT_EQ(fileInode(), before);
    ASSERT_TRUE(writeParameterFile(path_, {1, 2, 1}));
    EXPECT_NE(fileInode(), before);
    EXPECT_EQ(readRaw(), std::string("\x01\x02\x01", 3));
    // The same three bytes followed by more are not the file we want.
    writeRaw(std::string("\x01\x02\x01\x07", 4));
    ASSERT_TRUE(writeParameterFile(path_, {1, 2, 1}));
    EXPECT_EQ(readRaw(), std::string("\x01\x02\x01", 3));
}

TEST_F(ParameterFileTest, FailedWriteLeavesTheOldFile) {
    writeRaw(std::string("\x01\x03\x01", 3));
    // A regular file where the folder should be: nothing can be created below it,
    // whoever we run as.
    const std::string blocked = path_ + "/parameter";
    EXPECT_FALSE(writeParameterFile(blocked, {0, 0, 0}));
    EXPECT_EQ(readRaw(), std::string("\x01\x03\x01", 3));
}

TEST_F(ParameterFileTest, FolderIsTheProgramFolderWhenWritableElseTheSettingsFolder) {
    EXPECT_EQ(parameterFolder(folder_.string()), folder_.string());
    EXPECT_EQ(parameterFilePath(folder_.string()), (folder_ / "parameter").string());

    const fs::path settings = folder_ / "settings";
    ::setenv("PL63_SETTINGS_DIR", settings.c_str(), 1);
    // A "folder" that is a regular file cannot take the parameter file.
    writeRaw("x");
    EXPECT_EQ(parameterFolder(path_), settings.string());
    EXPECT_TRUE(fs::is_directory(settings));
    EXPECT_EQ(parameterFolder((folder_ / "missing").string()), settings.string());
    ::unsetenv("PL63_SETTINGS_DIR");
}

}  // namespace
}  // namespace pl63::settings
