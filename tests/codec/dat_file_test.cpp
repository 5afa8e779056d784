#include "codec/dat_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace pl63 {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> withSignature(std::string signature, std::size_t imageBytes) {
    std::vector<std::uint8_t> content(signature.begin(), signature.end());
    for (std::size_t i = 0; i < imageBytes; ++i) content.push_back(static_cast<std::uint8_t>(i));
    return content;
}

MemoryImage sampleImage() {
    std::vector<std::uint8_t> bytes(0x350);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    return MemoryImage(bytes);
}

std::vector<std::uint8_t> fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

class TempDir {
public:
    TempDir() {
        path_ = fs::temp_directory_path() /
                ("pl63-dat-" + std::to_string(std::random_device{}()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(path_);
    }
    ~TempDir() { fs::remove_all(path_); }
    fs::path operator/(const char* name) const { return path_ / name; }
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(path_), {}));
    }

private:
    fs::path path_;
};

TEST(DatFileTest, ContentIsAcceptedOnlyWithExactSignatureAndEnoughBytes) {
    struct Case {
        const char* what;
        std::vector<std::uint8_t> content;
        std::optional<std::size_t> imageBytes;  // nothing = refused
    };
    const Case cases[] = {
        {"empty", {}, std::nullopt},
        {"four bytes", withSignature("GZQ7", 0), std::nullopt},
        {"signature only", withSignature("GZQ72", 0), std::nullopt},
        {"lower case", withSignature("gzq72", 848), std::nullopt},
        {"one letter off", withSignature("GZQ73", 848), std::nullopt},
        {"one byte short of the decoded part", withSignature("GZQ72", 0x32F), std::nullopt},
        {"exactly the decoded part", withSignature("GZQ72", 0x330), 0x330},
        {"as saved", withSignature("GZQ72", 848), 848},
        {"as opened", withSignature("GZQ72", 850), 850},
        {"longer", withSignature("GZQ72", 5000), 850},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto result = parseDatContent(c.content);
        ASSERT_EQ(result.ok(), c.imageBytes.has_value());
        if (result) {
            EXPECT_EQ(result.value().size(), *c.imageBytes);
            EXPECT_EQ(result.value().at(0), 0);  // the image starts right after the signature
            EXPECT_EQ(result.value().at(0x32F), 0x2F);
        } else {
            EXPECT_EQ(result.error().zh, "文件类型不对，无法打开。");
            EXPECT_EQ(result.error().en, "Document type not to open.");
        }
    }
}

TEST(DatFileTest, RandomContentNeverBreaksTheReader) {
    std::mt19937 generator(63);
    for (int round = 0; round < 300; ++round) {
        std::vector<std::uint8_t> content(generator() % 1200);
        for (auto& byte : content) byte = static_cast<std::uint8_t>(generator());
        bool signedFile = round % 2 == 0 && content.size() >= 5;
        if (signedFile) std::copy_n("GZQ72", 5, content.begin());
        auto result = parseDatContent(content);
        EXPECT_EQ(result.ok(), signedFile && content.size() >= kDatMinFileSize) << content.size();
        if (result) {
            EXPECT_TRUE(std::equal(result.value().bytes().begin(), result.value().bytes().end(),
                                   content.begin() + 5));
        }
    }
}

TEST(DatFileTest, SavedFileIsSignatureAndImageAndOpensAgain) {
    TempDir dir;
    const auto path = dir / "radio.DAT";
    ASSERT_TRUE(writeDatFile(path.string(), sampleImage()).ok());

    auto bytes = fileBytes(path);
    ASSERT_EQ(bytes.size(), 853u);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "GZQ72");
    EXPECT_EQ(bytes, datContent(sampleImage()));

    auto opened = readDatFile(path.string());
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened.value(), sampleImage());
    EXPECT_EQ(dir.entries(), 1u);  // no temporary file left behind
}

TEST(DatFileTest, SavingReplacesALongerFileCompletely) {
    TempDir dir;
    const auto path = dir / "old.DAT";
    writeBytes(path, std::vector<std::uint8_t>(2000, 0xAA));
    ASSERT_TRUE(writeDatFile(path.string(), sampleImage()).ok());
    EXPECT_EQ(fileBytes(path), datContent(sampleImage()));
}

TEST(DatFileTest, FailedSaveLeavesThePreviousFileAndNoLeftovers) {
    TempDir dir;
    const auto path = dir / "keep.DAT";
    const std::vector<std::uint8_t> previous(853, 0x55);
    writeBytes(path, previous);

    // An image that is not EncodeImage's size is refused before anything is written.
    auto status = writeDatFile(path.string(), MemoryImage(std::vector<std::uint8_t>(10)));
    EXPECT_FALSE(status.ok());
    EXPECT_FALSE(status.error().en.empty());
    EXPECT_FALSE(status.error().zh.empty());
    EXPECT_EQ(fileBytes(path), previous);

    auto intoFolder = writeDatFile((dir / "missing" / "x.DAT").string(), sampleImage());
    EXPECT_FALSE(intoFolder.ok());
    EXPECT_NE(intoFolder.error().en.find("x.DAT"), std::string::npos);

    fs::create_directory(dir / "folder.DAT");
    EXPECT_FALSE(writeDatFile((dir / "folder.DAT").string(), sampleImage()).ok());
    EXPECT_EQ(dir.entries(), 2u);
}

TEST(DatFileTest, ReadingRefusesMissingFoldersAndReadsOnlyTheNeededPart) {
    TempDir dir;
    EXPECT_FALSE(readDatFile((dir / "none.DAT").string()).ok());
    EXPECT_FALSE(readDatFile((dir / ".").string()).ok());  // a folder

    auto big = withSignature("GZQ72", 1 << 20);
    writeBytes(dir / "big.DAT", big);
    auto opened = readDatFile((dir / "big.DAT").string());
    ASSERT_TRUE(opened.ok());
    EXPECT_EQ(opened.value().size(), 850u);

    writeBytes(dir / "short.DAT", withSignature("GZQ72", 100));
    auto refused = readDatFile((dir / "short.DAT").string());
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().en, "Document type not to open.");
}

TEST(DatFileTest, SavingThroughALinkUpdatesTheLinkedFile) {
    TempDir dir;
    writeBytes(dir / "real.DAT", std::vector<std::uint8_t>(853, 0));
    fs::create_symlink(dir / "real.DAT", dir / "link.DAT");
    ASSERT_TRUE(writeDatFile((dir / "link.DAT").string(), sampleImage()).ok());
    EXPECT_TRUE(fs::is_symlink(dir / "link.DAT"));
    EXPECT_EQ(fileBytes(dir / "real.DAT"), datContent(sampleImage()));
}

}  // namespace
}  // namespace pl63
