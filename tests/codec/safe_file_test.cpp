#include "codec/safe_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>

#include "codec/shown_text.h"

namespace pl63 {
namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SafeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("pl63-safe-" + std::to_string(std::random_device{}()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string at(const std::string& name) const { return (dir_ / name).string(); }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }
    static mode_t modeOf(const std::string& path) {
        struct stat info {};
        ::stat(path.c_str(), &info);
        return info.st_mode & 07777;
    }

    fs::path dir_;
};

TEST_F(SafeFileTest, ReplacesTheWholeFileKeepsItsModeAndLeavesNothingElse) {
    std::ofstream(at("a.csv")) << std::string(5000, 'x');
    fs::permissions(at("a.csv"), fs::perms(0640));
    ASSERT_TRUE(writeFileSafely(at("a.csv"), std::string_view("new")).ok());
    EXPECT_EQ(slurp(at("a.csv")), "new");
    EXPECT_EQ(modeOf(at("a.csv")), 0640u);
    EXPECT_EQ(entries(), 1u);

    const mode_t mask = ::umask(027);
    ASSERT_TRUE(writeFileSafely(at("fresh.bin"), std::vector<std::uint8_t>{0, 1, 2}).ok());
    ::umask(mask);
    EXPECT_EQ(modeOf(at("fresh.bin")), 0640u);  // 0666 under the umask, not the private 0600
    EXPECT_EQ(slurp(at("fresh.bin")), std::string("\0\1\2", 3));
}

TEST_F(SafeFileTest, SymbolicLinksAreWrittenThroughAndKept) {
    std::ofstream(at("real.DAT")) << "old";
    fs::create_directory(at("sub"));
    fs::create_symlink("../real.DAT", at("sub/relative.DAT"));
    fs::create_symlink(at("sub/relative.DAT"), at("chain.DAT"));
    ASSERT_TRUE(writeFileSafely(at("chain.DAT"), std::string_view("through two links")).ok());
    EXPECT_TRUE(fs::is_symlink(at("chain.DAT")));
    EXPECT_TRUE(fs::is_symlink(at("sub/relative.DAT")));
    EXPECT_EQ(slurp(at("real.DAT")), "through two links");

    // A link to a file not there yet creates the file it names.
    fs::create_symlink("later.DAT", at("pending.DAT"));
    ASSERT_TRUE(writeFileSafely(at("pending.DAT"), std::string_view("made")).ok());
    EXPECT_TRUE(fs::is_symlink(at("pending.DAT")));
    EXPECT_EQ(slurp(at("later.DAT")), "made");

    // A link into a missing folder is an error and stays a link.
    fs::create_symlink(dir_ / "missing" / "x.DAT", at("dangling.DAT"));
    const Status dangling = writeFileSafely(at("dangling.DAT"), std::string_view("lost?"));
    ASSERT_FALSE(dangling.ok());
    EXPECT_NE(dangling.error().en.find("dangling.DAT"), std::string::npos);
    EXPECT_NE(dangling.error().en.find("No such file or directory"), std::string::npos);
    EXPECT_NE(dangling.error().zh.find("文件夹不存在"), std::string::npos);
    EXPECT_TRUE(fs::is_symlink(at("dangling.DAT")));
    EXPECT_FALSE(checkWritable(at("dangling.DAT")).ok());

    fs::create_symlink("loop.DAT", at("loop.DAT"));
    EXPECT_FALSE(writeFileSafely(at("loop.DAT"), std::string_view("x")).ok());
}

TEST_F(SafeFileTest, FailedWriteLeavesTheOldFileAndNoTemporary) {
    std::ofstream(at("keep.csv")) << "previous content";
    // A file-size limit of 4 bytes makes the write itself fail half way.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tiny = old;
    tiny.rlim_cur = 4;
    ::setrlimit(RLIMIT_FSIZE, &tiny);
    const Status failed = writeFileSafely(at("keep.csv"), std::string_view("far more than four"));
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, SIG_DFL);

    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.error().en, "Cannot save the file: " + at("keep.csv") + " (File too large)");
    EXPECT_EQ(failed.error().zh, "无法保存文件：" + at("keep.csv") + "（超出文件大小限制）");
    EXPECT_EQ(slurp(at("keep.csv")), "previous content");
    EXPECT_EQ(entries(), 1u);
}

// A disk that takes the bytes and only reports its failure when they are
// flushed or the file is closed: the old file stays, and nothing else is left.
int failingSync(int) {
    errno = EIO;
    return -1;
}
int failingClose(int fd) {
    ::close(fd);
    errno = ENOSPC;
    return -1;
}

TEST_F(SafeFileTest, FailedSyncOrCloseLeavesTheOldFileAndNoTemporary) {
    struct Case {
        const char* what;
        DiskCalls calls;
        const char* reason;
    };
    const Case cases[] = {
        {"sync", {failingSync, ::close}, "Input/output error"},
        {"close", {::fsync, failingClose}, "No space left on device"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::ofstream(at("keep.DAT"), std::ios::trunc) << "previous content";
        const Status failed = writeFileSafely(at("keep.DAT"), "new content", c.calls);
        ASSERT_FALSE(failed.ok());
        EXPECT_EQ(failed.error().en,
                  "Cannot save the file: " + at("keep.DAT") + " (" + c.reason + ")");
        EXPECT_EQ(slurp(at("keep.DAT")), "previous content");
        EXPECT_EQ(entries(), 1u);

        EXPECT_FALSE(writeFileSafely(at("never.DAT"), "new content", c.calls).ok());
        EXPECT_FALSE(fs::exists(at("never.DAT")));
        EXPECT_EQ(entries(), 1u);
    }
}

TEST_F(SafeFileTest, NamesThatCannotBeFilesAreRefusedBeforeWriting) {
    fs::create_directory(at("folder"));
    std::ofstream(at("plain")) << "x";
    struct Case {
        std::string path;
        const char* reason;
    };
    const Case cases[] = {
        {"", "the file name is empty"},
        {at("folder"), "Is a directory"},
        {at("missing/x.DAT"), "No such file or directory"},
        {at("plain/x.DAT"), "Not a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const Status checked = checkWritable(c.path);
        ASSERT_FALSE(checked.ok());
        EXPECT_NE(checked.error().en.find(c.reason), std::string::npos) << checked.error().en;
        EXPECT_FALSE(writeFileSafely(c.path, std::string_view("x")).ok());
    }
    EXPECT_TRUE(checkWritable(at("new.DAT")).ok());
    EXPECT_TRUE(checkWritable(at("plain")).ok());
    EXPECT_EQ(entries(), 2u);
}

// A folder that exists but takes no new files is not called missing.
TEST_F(SafeFileTest, AFolderThatRefusesNewFilesIsNotCalledMissing) {
    if (!fs::is_directory("/proc/self")) GTEST_SKIP() << "no /proc";
    const Status saved = writeFileSafely("/proc/pl63-x.DAT", std::string_view("x"));
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.error().zh, "无法保存文件：/proc/pl63-x.DAT（此文件夹中不能新建文件）");
    EXPECT_EQ(saved.error().en,
              "Cannot save the file: /proc/pl63-x.DAT (files cannot be created in this folder)");
}

TEST_F(SafeFileTest, SameFileSeesThroughLinksButNotThroughEqualContent) {
    std::ofstream(at("a")) << "same";
    std::ofstream(at("b")) << "same";
    fs::create_symlink(at("a"), at("soft"));
    fs::create_hard_link(at("a"), at("hard"));
    EXPECT_TRUE(sameFile(at("a"), at("soft")));
    EXPECT_TRUE(sameFile(at("hard"), at("soft")));
    EXPECT_TRUE(sameFile(at("a"), dir_.string() + "/./a"));
    EXPECT_FALSE(sameFile(at("a"), at("b")));
    EXPECT_FALSE(sameFile(at("a"), at("none")));
}

TEST(ShownTextTest, ControlCharactersAndBrokenUtf8AreEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"438.500", "438.500"},
        {"高功率", "高功率"},
        {"Hi\x1B[2J\a", "Hi\\x1B[2J\\x07"},
        {"tab\there\n", "tab\\x09here\\x0A"},
        {"a\\x41", "a\\\\x41"},               // a typed escape is not mistaken for one
        {"\xC3\x28", "\\xC3("},               // a lead byte without its follower
        {"\xE9\xAB", "\\xE9\\xAB"},           // a sequence cut off at the end
        {"\xC0\xAF", "\\xC0\\xAF"},           // an overlong "/"
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},  // a surrogate
        {"\xC2\x9B"
         "31m",
         "\\xC2\\x9B31m"},  // the C1 control sequence introducer
        {"\x7F", "\\x7F"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(shownText(text), shown) << shown;
}

}  // namespace
}  // namespace pl63
