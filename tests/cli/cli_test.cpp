// Runs the built pl63 as a user would, in a fresh folder per test.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <regex>
#include <sstream>

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void spit(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class CliTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("pl63-cli-" + std::to_string(std::random_device{}()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path at(const std::string& name) const { return dir_ / name; }

    // Standard input from `input`, standard output into `output` (captured
    // when empty); with `fileSizeLimit` the tool runs under `ulimit -f 1`
    // (512 bytes per file).
    struct Streams {
        std::string input = "/dev/null";
        std::string output;
        bool fileSizeLimit = false;
    };

    Outcome pl63(std::vector<std::string> words) { return pl63With(std::move(words), {}); }

    Outcome pl63With(std::vector<std::string> words, const Streams& streams) {
        std::vector<std::string> argv{PL63_CLI};
        if (streams.fileSizeLimit) {
            argv = {"/bin/sh", "-c", "ulimit -f 1; exec \"$0\" \"$@\"", PL63_CLI};
        }
        argv.insert(argv.end(), words.begin(), words.end());
        std::vector<char*> pointers;
        for (auto& word : argv) pointers.push_back(word.data());
        pointers.push_back(nullptr);

        const fs::path outPath = at(".stdout"), errPath = at(".stderr");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 0, streams.input.c_str(), O_RDONLY, 0);
        const std::string stdoutPath = streams.output.empty() ? outPath.string() : streams.output;
        posix_spawn_file_actions_addopen(&actions, 1, stdoutPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        pid_t pid = 0;
        Outcome run;
        if (posix_spawn(&pid, argv[0].c_str(), &actions, nullptr, pointers.data(), environ) == 0) {
            int status = 0;
            waitpid(pid, &status, 0);
            // a crash shows as a signal, never as one of our exit codes
            run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        }
        posix_spawn_file_actions_destroy(&actions);
        run.out = slurp(outPath);
        run.err = slurp(errPath);
        fs::remove(outPath);
        fs::remove(errPath);
        return run;
    }

    std::string csvFile(const std::string& name, const std::string& rows) {
        spit(at(name),
             "CH,RX Frequency,RX Tone,TX Frequency,TX Tone,Power,Forbid,Band,Scan\n" + rows);
        return at(name).string();
    }

    std::size_t fileCount() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {}));
    }

private:
    fs::path dir_;
};

// The words of the grid line that starts with a channel number.
std::vector<std::string> gridRow(const std::string& report, const std::string& number) {
    std::istringstream lines(report);
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(number + " ", 0) != 0 && line != number) continue;
        std::istringstream words(line);
        std::vector<std::string> cells;
        for (std::string word; words >> word;) cells.push_back(word);
        return cells;
    }
    return {};
}

const std::string kRows =
    "1,438.5,88.5,431,d23n,low,carrier,narrow,no\n"
    "3,439.507\n"
    "16,479.995,D754I,479.995,,Hight,Off,Wide,Have\n";

TEST_F(CliTest, ImportedChannelsShowAsTheGridAndExportRoundTrips) {
    const Outcome imported = pl63({"import", csvFile("in.csv", kRows), "-o", at("a.DAT").string()});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    const std::string dat = slurp(at("a.DAT"));
    ASSERT_EQ(dat.size(), 853u);
    EXPECT_EQ(dat.substr(0, 5), "GZQ72");

    const Outcome shown = pl63({"show", at("a.DAT").string()});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    using Cells = std::vector<std::string>;
    EXPECT_EQ(gridRow(shown.out, "01"), (Cells{"01", "438.50000", "88.5", "431.00000", "D023N",
                                               "Low", "Carrow", "Narrow", "No"}));
    EXPECT_EQ(gridRow(shown.out, "02"), Cells{"02"});
    EXPECT_EQ(gridRow(shown.out, "03"), (Cells{"03", "439.50625", "Off", "439.50625", "Off",
                                               "Hight", "Off", "Wide", "Have"}));
    EXPECT_EQ(gridRow(shown.out, "16"), (Cells{"16", "479.99500", "D754I", "479.99500", "Off",
                                               "Hight", "Off", "Wide", "Have"}));
    EXPECT_NE(shown.out.find("400-480MHz"), std::string::npos);

    const Outcome zh = pl63({"show", at("a.DAT").string(), "--lang", "zh"});
    EXPECT_EQ(gridRow(zh.out, "01"),
              (Cells{"01", "438.50000", "88.5", "431.00000", "D023N", "低", "载波", "窄带", "无"}));
    EXPECT_NE(zh.out.find("功能设置"), std::string::npos);

    const Outcome exported = pl63({"export", at("a.DAT").string(), "-o", at("out.csv").string()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    const std::string csv = slurp(at("out.csv"));
    EXPECT_NE(csv.find("\n1,438.50000,88.5,431.00000,D023N,Low,Carrier,Narrow,No\n"),
              std::string::npos);
    EXPECT_NE(csv.find("\n2,,,,,,,,\n"), std::string::npos);
    EXPECT_EQ(pl63({"export", at("a.DAT").string()}).out, csv);  // stdout by default
    EXPECT_EQ(pl63({"export", at("a.DAT").string(), "-o", "-"}).out, csv);

    ASSERT_EQ(pl63({"import", at("out.csv").string(), "-o", at("b.DAT").string()}).exitCode, 0);
    EXPECT_EQ(slurp(at("b.DAT")), dat);
}

TEST_F(CliTest, ImportOnABaseKeepsWhatTheCsvDoesNotName) {
    ASSERT_EQ(pl63({"import", csvFile("in.csv", kRows), "-o", at("base.DAT").string()}).exitCode,
              0);
    const Outcome run = pl63({"import", csvFile("more.csv", "3,,,,,,,,\n5,440\n"), "--base",
                              at("base.DAT").string(), "-o", at("next.DAT").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string report = pl63({"show", at("next.DAT").string()}).out;
    EXPECT_EQ(gridRow(report, "01").at(1), "438.50000");
    EXPECT_EQ(gridRow(report, "03").size(), 1u);  // deleted
    EXPECT_EQ(gridRow(report, "05").at(1), "440.00000");
    EXPECT_EQ(gridRow(report, "16").at(2), "D754I");
}

TEST_F(CliTest, BandOptionSelectsTheBandAndItsLimits) {
    ASSERT_EQ(pl63({"new", at("vhf.DAT").string(), "--band", "5"}).exitCode, 0);
    const std::string dat = slurp(at("vhf.DAT"));
    ASSERT_EQ(dat.size(), 853u);
    EXPECT_EQ(static_cast<unsigned char>(dat[5 + 0x1AD]), 0x01);  // BandCode of 136-174MHz
    EXPECT_EQ(static_cast<unsigned char>(dat[5 + 0x33C]), 0x01);
    EXPECT_NE(pl63({"show", at("vhf.DAT").string()}).out.find("136-174MHz"), std::string::npos);

    const std::string vhf = csvFile("vhf.csv", "2,145.5\n");
    EXPECT_EQ(pl63({"import", vhf, "--band", "5", "-o", at("v.DAT").string()}).exitCode, 0);
    EXPECT_EQ(pl63({"import", vhf, "--base", at("vhf.DAT").string(), "-o", at("w.DAT").string()})
                  .exitCode,
              0);
    const Outcome outside = pl63({"import", vhf, "-o", at("u.DAT").string()});
    EXPECT_EQ(outside.exitCode, 1);
    EXPECT_NE(
        outside.err.find("line 2, column 2 (RX Frequency) \"145.5\": Beyond the frequency range"),
        std::string::npos)
        << outside.err;
    EXPECT_FALSE(fs::exists(at("u.DAT")));

    // Another band than the base's empties the base's channels, as the window does.
    ASSERT_EQ(
        pl63({"import", csvFile("uhf.csv", "1,440\n"), "-o", at("uhf.DAT").string()}).exitCode, 0);
    ASSERT_EQ(pl63({"import", vhf, "--base", at("uhf.DAT").string(), "--band", "5", "-o",
                    at("moved.DAT").string()})
                  .exitCode,
              0);
    const std::string moved = pl63({"show", at("moved.DAT").string()}).out;
    EXPECT_EQ(gridRow(moved, "01").size(), 1u);
    EXPECT_EQ(gridRow(moved, "02").at(1), "145.50000");
}

TEST_F(CliTest, UnusableFilesAreRefusedWithTheMessageAndNeverCrash) {
    std::mt19937 generator(72);
    std::vector<std::pair<std::string, std::string>> files = {
        {"empty.DAT", ""},
        {"short.DAT", "GZQ72" + std::string(100, '\xFF')},
        {"case.DAT", "gzq72" + std::string(848, '\xFF')},
        {"other.DAT", "GZQ73" + std::string(848, '\xFF')},
    };
    for (int i = 0; i < 4; ++i) {
        std::string noise(generator() % 3000, '\0');
        for (char& c : noise) c = static_cast<char>(generator());
        files.push_back({"random" + std::to_string(i) + ".DAT", noise});
    }
    for (const auto& [name, content] : files) {
        SCOPED_TRACE(name);
        spit(at(name), content);
        for (const std::vector<std::string>& words :
             {std::vector<std::string>{"show", at(name).string()},
              {"export", at(name).string()},
              {"import", csvFile("ok.csv", "1,440\n"), "--base", at(name).string(), "-o",
               at("never.DAT").string()}}) {
            const Outcome run = pl63(words);
            EXPECT_EQ(run.exitCode, 1) << words[0];
            EXPECT_EQ(run.err, "pl63 " + words[0] + ": Document type not to open.\n");
            EXPECT_EQ(run.out, "");
        }
        const Outcome zh = pl63({"show", at(name).string(), "--lang", "zh"});
        EXPECT_EQ(zh.err, "pl63 show: 文件类型不对，无法打开。\n");
    }
    EXPECT_FALSE(fs::exists(at("never.DAT")));

    const Outcome missing = pl63({"show", at("missing.DAT").string()});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_NE(missing.err.find("missing.DAT"), std::string::npos);
}

TEST_F(CliTest, RadioTextIsShownEscapedNotSentToTheTerminal) {
    ASSERT_EQ(pl63({"new", at("a.DAT").string()}).exitCode, 0);
    std::string dat = slurp(at("a.DAT"));
    const std::string line = "Hi\x1B[2J\x07";  // an escape sequence and a bell
    dat.replace(5 + 0x2F0, line.size(), line);
    spit(at("a.DAT"), dat);
    const Outcome run = pl63({"show", at("a.DAT").string()});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Hi\\x1B[2J\\x07"), std::string::npos);
    EXPECT_EQ(run.out.find('\x1B'), std::string::npos);
}

TEST_F(CliTest, ImportErrorsNameLineAndColumnAndWriteNothing) {
    spit(at("keep.DAT"), "previous");
    const std::pair<std::string, std::string> cases[] = {
        {"1,440\n2,440,77.77.7\n", "line 3, column 3 (RX Tone) \"77.77.7\""},
        {"1,440,,,,Medium\n", "line 2, column 6 (Power) \"Medium\""},
        {"20,440\n", "line 2, column 1 (CH) \"20\""},
    };
    for (const auto& [rows, message] : cases) {
        SCOPED_TRACE(rows);
        for (const char* out : {"new.DAT", "keep.DAT"}) {
            const Outcome run = pl63({"import", csvFile("bad.csv", rows), "-o", at(out).string()});
            EXPECT_EQ(run.exitCode, 1);
            EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        }
        EXPECT_FALSE(fs::exists(at("new.DAT")));
        EXPECT_EQ(slurp(at("keep.DAT")), "previous");
        const Outcome zh =
            pl63({"import", at("bad.csv").string(), "-o", at("new.DAT").string(), "--lang", "zh"});
        EXPECT_NE(zh.err.find("第 "), std::string::npos) << zh.err;
    }
}

TEST_F(CliTest, UsageErrorsExitTwoAndHelpExitsZero) {
    const std::string file = at("x.DAT").string();
    const std::vector<std::string> usageErrors[] = {
        {},
        {"frobnicate"},
        {"show"},
        {"show", file, file},
        {"show", file, "--colour"},
        {"show", file, "--lang", "fr"},
        {"new", file, "--band", "7"},
        {"new", file, "--band", "-1"},
        {"new", file, "--band"},
        {"export"},
        {"import", file},
        {"import", file, "-o", file, "--band", "x"},
    };
    for (const auto& words : usageErrors) {
        const Outcome run = pl63(words);
        EXPECT_EQ(run.exitCode, 2) << (words.empty() ? "(none)" : words.back());
        EXPECT_NE(run.err.find("usage: pl63"), std::string::npos);
    }
    for (const char* verb : {"new", "show", "export", "import"}) {
        const Outcome run = pl63({verb, "--help"});
        EXPECT_EQ(run.exitCode, 0) << verb;
        EXPECT_EQ(run.out.rfind(std::string("usage: pl63 ") + verb, 0), 0u) << run.out;
    }
    EXPECT_EQ(fileCount(), 0u);  // nothing was written by any of them
}

TEST_F(CliTest, AnOutputThatIsAnInputIsRefusedAndNothingChanges) {
    ASSERT_EQ(pl63({"import", csvFile("a.csv", kRows), "-o", at("good.DAT").string()}).exitCode, 0);
    const std::string dat = slurp(at("good.DAT"));
    const std::string csv = slurp(at("a.csv"));
    fs::create_symlink(at("good.DAT"), at("link.csv"));
    fs::create_hard_link(at("a.csv"), at("hard.csv"));
    const std::vector<std::string> refused[] = {
        {"export", at("good.DAT").string(), "-o", at("good.DAT").string()},
        {"export", at("good.DAT").string(), "-o", at("link.csv").string()},
        {"import", at("a.csv").string(), "-o", at("a.csv").string()},
        {"import", at("a.csv").string(), "-o", at("hard.csv").string()},
    };
    for (const auto& words : refused) {
        SCOPED_TRACE(words.back());
        const Outcome run = pl63(words);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("is the input file"), std::string::npos) << run.err;
    }
    EXPECT_EQ(slurp(at("good.DAT")), dat);
    EXPECT_EQ(slurp(at("a.csv")), csv);
    EXPECT_TRUE(fs::is_symlink(at("link.csv")));

    // Updating the base in place is what --base is for.
    const Outcome inPlace = pl63({"import", csvFile("b.csv", "5,450\n"), "--base",
                                  at("good.DAT").string(), "-o", at("good.DAT").string()});
    ASSERT_EQ(inPlace.exitCode, 0) << inPlace.err;
    EXPECT_EQ(gridRow(pl63({"show", at("good.DAT").string()}).out, "05").at(1), "450.00000");
}

TEST_F(CliTest, FailedWritesKeepThePreviousFileAndLeaveNothingBehind) {
    // Sixteen channels make an export larger than the limit of 512 bytes the
    // tool runs under; its messages still fit.
    std::string rows;
    for (int ch = 1; ch <= 16; ++ch)
        rows += std::to_string(ch) + ",44" + std::to_string(ch % 10) + "\n";
    ASSERT_EQ(pl63({"import", csvFile("in.csv", rows), "-o", at("a.DAT").string()}).exitCode, 0);
    spit(at("old.csv"), "the previous export");
    const std::size_t files = fileCount();
    Streams limited;
    limited.fileSizeLimit = true;
    for (const char* target : {"old.csv", "new.csv"}) {
        SCOPED_TRACE(target);
        const Outcome run =
            pl63With({"export", at("a.DAT").string(), "-o", at(target).string()}, limited);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, "pl63 export: Cannot save the file: " + at(target).string() +
                               " (File too large)\n");
    }
    EXPECT_EQ(slurp(at("old.csv")), "the previous export");
    EXPECT_EQ(fileCount(), files);  // no new file, no temporary one

    // A link into a missing folder is neither replaced nor followed blindly.
    fs::create_symlink(at("missing/x.DAT"), at("dangling.DAT"));
    const Outcome dangling = pl63({"new", at("dangling.DAT").string()});
    EXPECT_EQ(dangling.exitCode, 1);
    EXPECT_NE(dangling.err.find("No such file or directory"), std::string::npos) << dangling.err;
    EXPECT_TRUE(fs::is_symlink(at("dangling.DAT")));
    const Outcome zh = pl63({"new", at("dangling.DAT").string(), "--lang", "zh"});
    EXPECT_NE(zh.err.find("无法保存文件："), std::string::npos) << zh.err;
    EXPECT_NE(zh.err.find("文件夹不存在"), std::string::npos) << zh.err;
}

TEST_F(CliTest, DashIsStandardInputAndOutputAndFailuresThereAreReported) {
    ASSERT_EQ(pl63({"import", csvFile("in.csv", kRows), "-o", at("a.DAT").string()}).exitCode, 0);
    const std::string dat = slurp(at("a.DAT"));
    Streams fromDat;
    fromDat.input = at("a.DAT").string();
    Streams fromCsv;
    fromCsv.input = at("in.csv").string();

    EXPECT_EQ(pl63With({"show", "-"}, fromDat).out, pl63({"show", at("a.DAT").string()}).out);
    const Outcome exported = pl63With({"export", "-"}, fromDat);
    EXPECT_EQ(exported.out, pl63({"export", at("a.DAT").string()}).out);
    EXPECT_EQ(pl63With({"import", "-", "-o", "-"}, fromCsv).out, dat);
    EXPECT_EQ(pl63({"import", at("in.csv").string(), "-o", "-"}).out, dat);
    EXPECT_EQ(pl63({"new", "-"}).out.size(), 853u);
    EXPECT_EQ(pl63With({"import", at("in.csv").string(), "--base", "-", "-o", "-"}, fromDat).out,
              dat);
    EXPECT_FALSE(fs::exists(at("-")));
    EXPECT_EQ(pl63With({"import", "-", "--base", "-", "-o", "-"}, fromCsv).exitCode, 2);

    Streams full;
    full.output = "/dev/full";
    const std::vector<std::string> toFull[] = {
        {"export", at("a.DAT").string()},
        {"export", at("a.DAT").string(), "-o", "-"},
        {"show", at("a.DAT").string()},
        {"new", "-"},
        {"import", at("in.csv").string(), "-o", "-"},
        {"--help"},
    };
    for (const auto& words : toFull) {
        SCOPED_TRACE(words.front());
        const Outcome run = pl63With(words, full);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("annot write to the standard output"), std::string::npos) << run.err;
    }
    for (const char* verb : {"new", "show", "export", "import"}) {
        EXPECT_NE(pl63({verb, "--help"}).out.find("\"-\""), std::string::npos) << verb;
    }
}

TEST_F(CliTest, ExportImportedOntoItsOwnCodeplugIsByteIdentical) {
    // A receive-only channel and a frequency off the raster, as a radio may
    // hold them: neither can be typed into the grid.
    ASSERT_EQ(pl63({"import", csvFile("in.csv", kRows), "-o", at("a.DAT").string()}).exitCode, 0);
    std::string dat = slurp(at("a.DAT"));
    dat.replace(5 + 0x04, 4, std::string(4, '\xFF'));  // channel 1 TX
    dat[5 + 0x20] = '\x01';                            // channel 3 RX 439.50001
    spit(at("radio.DAT"), dat);

    const Outcome exported = pl63({"export", at("radio.DAT").string(), "-o", at("r.csv").string()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_NE(slurp(at("r.csv")).find("\n1,438.50000,88.5,None,"), std::string::npos)
        << slurp(at("r.csv"));
    const Outcome imported = pl63({"import", at("r.csv").string(), "--base",
                                   at("radio.DAT").string(), "-o", at("back.DAT").string()});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(slurp(at("back.DAT")), dat);

    // Into a fresh codeplug the receive-only channel stays receive-only.
    ASSERT_EQ(pl63({"import", at("r.csv").string(), "-o", at("fresh.DAT").string()}).exitCode, 0);
    EXPECT_EQ(slurp(at("fresh.DAT")).substr(5 + 0x04, 4), std::string(4, '\xFF'));
    EXPECT_NE(pl63({"import", "--help"}).out.find("None"), std::string::npos);
}

TEST_F(CliTest, CsvTextIsShownEscapedAndOddDcsCodesWarn) {
    const Outcome escaped =
        pl63({"import", csvFile("bad.csv", "1,44\x1B]0;owned\x07\n2,\xFF\xFE\n"), "-o",
              at("x.DAT").string()});
    EXPECT_EQ(escaped.exitCode, 1);
    EXPECT_NE(escaped.err.find("\"44\\x1B]0;owned\\x07\""), std::string::npos) << escaped.err;
    EXPECT_EQ(escaped.err.find('\x1B'), std::string::npos);
    EXPECT_EQ(escaped.err.find('\x07'), std::string::npos);

    const Outcome warned = pl63({"import", csvFile("dcs.csv", "1,440,D089N\n2,440,Off,,D128I\n"),
                                 "-o", at("d.DAT").string()});
    EXPECT_EQ(warned.exitCode, 0) << warned.err;
    EXPECT_NE(warned.err.find("pl63 import: warning: line 2, column 3 (RX Tone) \"D089N\""),
              std::string::npos)
        << warned.err;
    EXPECT_NE(warned.err.find("line 3, column 5 (TX Tone)"), std::string::npos) << warned.err;
}

}  // namespace

namespace {

const std::string kChirpPlan =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n"
    "1,Rpt,439.200000,-,7.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,\n"
    "2,Simplex,446.006250,,0.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,NFM,6.25,S,0.5W,,,,,\n"
    "3,Air,124.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,5.00,,High,,,,,\n";

TEST_F(CliTest, ChirpFilesAreRecognisedUnfitRowsRefusedOrLeftOutAndExportRoundTrips) {
    spit(at("plan.csv"), kChirpPlan);
    const Outcome refused = pl63({"import", at("plan.csv").string(), "-o", at("a.DAT").string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("line 4, column 3 (Frequency) \"124.500000\""), std::string::npos)
        << refused.err;
    EXPECT_FALSE(fs::exists(at("a.DAT")));

    const Outcome skipped = pl63({"import", at("plan.csv").string(), "--skip-unfit", "-o",
                                  at("a.DAT").string(), "--lang", "zh"});
    ASSERT_EQ(skipped.exitCode, 0) << skipped.err;
    EXPECT_NE(skipped.err.find("未导入第 4 行（124.500000）"), std::string::npos) << skipped.err;
    using Cells = std::vector<std::string>;
    const std::string report = pl63({"show", at("a.DAT").string()}).out;
    EXPECT_EQ(gridRow(report, "01"), (Cells{"01", "439.20000", "Off", "431.60000", "88.5",
                                           "Hight", "Off", "Wide", "Have"}));
    EXPECT_EQ(gridRow(report, "02"), (Cells{"02", "446.00625", "D754N", "446.00625", "D754I",
                                           "Low", "Off", "Narrow", "No"}));

    // Forced the other way, the same file is no channel table of ours.
    EXPECT_EQ(pl63({"import", at("plan.csv").string(), "--format", "pl63", "-o",
                    at("b.DAT").string()})
                  .exitCode,
              1);
    EXPECT_EQ(pl63({"import", at("plan.csv").string(), "--format", "x", "-o", at("b.DAT").string()})
                  .exitCode,
              2);

    const Outcome exported =
        pl63({"export", at("a.DAT").string(), "--format", "chirp", "-o", at("out.csv").string()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_EQ(slurp(at("out.csv")).substr(0, kChirpPlan.find('\n') + 1),
              kChirpPlan.substr(0, kChirpPlan.find('\n') + 1));
    ASSERT_EQ(pl63({"import", at("out.csv").string(), "--base", at("a.DAT").string(), "-o",
                    at("c.DAT").string()})
                  .exitCode,
              0);
    EXPECT_EQ(slurp(at("c.DAT")), slurp(at("a.DAT")));
    // A lean file needs --format chirp when its header lacks Location.
    spit(at("lean.csv"), "Frequency\n440\n");
    EXPECT_EQ(pl63({"import", at("lean.csv").string(), "--format", "chirp", "-o",
                    at("d.DAT").string()})
                  .exitCode,
              0);
    EXPECT_EQ(gridRow(pl63({"show", at("d.DAT").string()}).out, "01").at(1), "440.00000");
}

}  // namespace

namespace {

TEST_F(CliTest, SkipUnfitSaysWhetherTheOthersWentInAndWhichBandHoldsARow) {
    spit(at("plan.csv"), "Location, Name, Frequency\n1, Call, 145.500000\n2, Uhf, 440\n");
    const Outcome some = pl63({"import", at("plan.csv").string(), "--skip-unfit", "-o",
                               at("a.DAT").string(), "--lang", "zh"});
    ASSERT_EQ(some.exitCode, 0) << some.err;
    EXPECT_EQ(some.err,
              "pl63 import: 对讲机容纳不下这些行，其他行已导入：\n"
              "pl63 import: 未导入第 2 行（145.500000）：第 3 列（Frequency）「145.500000」："
              "超出频段范围；它在 136-174MHz 频段内\n");
    spit(at("plan.csv"), "Location,Frequency\n1,145.5\n");
    const Outcome none =
        pl63({"import", at("plan.csv").string(), "--skip-unfit", "-o", at("b.DAT").string()});
    EXPECT_EQ(none.err.rfind("pl63 import: The radio cannot hold these rows; nothing was imported:\n"
                             "pl63 import: left out line 2 (145.5)",
                             0),
              0u)
        << none.err;
}

TEST_F(CliTest, StockPlansImportAsTheirRulesGiveThem) {
    const std::string plans = std::string(PL63_EXAMPLES_DIR) + "/plans/";
    using Cells = std::vector<std::string>;
    const Outcome pmr = pl63({"import", plans + "pmr446.csv", "-o", at("pmr.DAT").string()});
    ASSERT_EQ(pmr.exitCode, 0) << pmr.err;
    EXPECT_EQ(pmr.err, "");
    const std::string pmrReport = pl63({"show", at("pmr.DAT").string()}).out;
    EXPECT_EQ(gridRow(pmrReport, "01"), (Cells{"01", "446.00625", "Off", "446.00625", "Off", "Low",
                                              "Off", "Narrow", "Have"}));
    EXPECT_EQ(gridRow(pmrReport, "16").at(1), "446.19375");

    // 22 channels for a 16-channel radio: refused as a whole, or the first 16.
    const Outcome frs = pl63({"import", plans + "frs.csv", "-o", at("frs.DAT").string()});
    EXPECT_EQ(frs.exitCode, 1);
    EXPECT_NE(frs.err.find("line 18: the radio has 16 channels"), std::string::npos) << frs.err;
    const Outcome skipped = pl63({"import", plans + "frs.csv", "--skip-unfit", "--band", "1", "-o",
                                  at("frs.DAT").string()});
    ASSERT_EQ(skipped.exitCode, 0) << skipped.err;
    // The heading, then channels 17-22.
    EXPECT_EQ(std::count(skipped.err.begin(), skipped.err.end(), '\n'), 7) << skipped.err;
    const std::string frsReport = pl63({"show", at("frs.DAT").string()}).out;
    EXPECT_EQ(gridRow(frsReport, "07").at(7), "Wide");
    EXPECT_EQ(gridRow(frsReport, "08"), (Cells{"08", "467.56250", "Off", "467.56250", "Off", "Low",
                                              "Off", "Narrow", "Have"}));
    EXPECT_EQ(gridRow(frsReport, "16").at(1), "462.57500");
}

}  // namespace

namespace {

TEST_F(CliTest, DiffSaysWhatDiffersInTheGridsWordsWithDiffsExitCodes) {
    ASSERT_EQ(pl63({"import", csvFile("a.csv", kRows), "-o", at("a.DAT").string()}).exitCode, 0);
    ASSERT_EQ(pl63({"import", csvFile("b.csv", "1,438.5,88.5,431,Off,high,carrier,narrow,no\n"
                                               "2,440\n"),
                    "--base", at("a.DAT").string(), "-o", at("b.DAT").string()})
                  .exitCode,
              0);
    ASSERT_EQ(pl63({"new", "--band", "1", at("c.DAT").string()}).exitCode, 0);
    ASSERT_EQ(pl63({"new", at("d.DAT").string()}).exitCode, 0);
    spit(at("short.DAT"), "GZQ72\x01\x02");

    struct Case {
        std::vector<std::string> words;
        int exitCode;
        std::string out;  // exactly, when the files are readable
    };
    const std::string a = at("a.DAT").string(), b = at("b.DAT").string();
    const std::vector<Case> cases = {
        {{"diff", a, a}, 0, ""},
        {{"diff", a, b},
         1,
         "CH 01  TX frequency QT/DQT: D023N → Off\n"
         "CH 01  Power: Low → Hight\n"
         "CH 02  RX frequency: (empty) → 440.00000\n"
         "CH 02  RX frequency QT/DQT: (empty) → Off\n"
         "CH 02  TX frequency: (empty) → 440.00000\n"
         "CH 02  TX frequency QT/DQT: (empty) → Off\n"
         "CH 02  Power: (empty) → Hight\n"
         "CH 02  Forbid: (empty) → Off\n"
         "CH 02  Band: (empty) → Wide\n"
         "CH 02  Scan: (empty) → Have\n"},
        {{"diff", b, a, "--lang=zh"},
         1,
         "信道 01  发射频率 亚音频：关闭 → D023N\n"
         "信道 01  功率：高 → 低\n"
         "信道 02  接收频率：440.00000 → （空）\n"
         "信道 02  接收频率 亚音频：关闭 → （空）\n"
         "信道 02  发射频率：440.00000 → （空）\n"
         "信道 02  发射频率 亚音频：关闭 → （空）\n"
         "信道 02  功率：高 → （空）\n"
         "信道 02  禁发：关闭 → （空）\n"
         "信道 02  宽\\窄带：宽带 → （空）\n"
         "信道 02  扫描添加：有 → （空）\n"},
        {{"diff", at("d.DAT").string(), at("c.DAT").string()},
         1,
         "Type selection  Channel: 400-480MHz → 450-490MHz\n"},
        {{"diff", a, at("short.DAT").string()}, 2, ""},
        {{"diff", a, at("none.DAT").string()}, 2, ""},
        {{"diff", a}, 2, ""},
        {{"diff", a, b, a}, 2, ""},
        {{"diff", a, b, "--lang", "fr"}, 2, ""},
        {{"diff", a, b, "--what"}, 2, ""},
        {{"diff", "-", "-"}, 2, ""},
    };
    for (const Case& c : cases) {
        const Outcome run = pl63(c.words);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.words.size() << " words: " << run.err;
        EXPECT_EQ(run.out, c.out);
        if (c.exitCode == 2) {
            EXPECT_NE(run.err, "");
        }
    }
    // Options that only the stores hold still make the files differ.
    std::string bytes = slurp(at("d.DAT"));
    bytes[5 + 0x10D] = 3;  // PF1
    spit(at("e.DAT"), bytes);
    const Outcome pf1 = pl63({"diff", at("d.DAT").string(), at("e.DAT").string()});
    EXPECT_EQ(pf1.exitCode, 1);
    EXPECT_EQ(pf1.out.rfind("Keys Set  PF1: ", 0), 0u) << pf1.out;
}

}  // namespace

namespace {

// The PDF's text as a reader extracts it (pdftotext keeps the layout's lines).
std::string pdfText(const fs::path& pdf, const fs::path& text) {
    const std::string command =
        "pdftotext -layout '" + pdf.string() + "' '" + text.string() + "' 2>/dev/null";
    if (std::system(command.c_str()) != 0) return "(pdftotext failed)";
    return slurp(text);
}

TEST_F(CliTest, PrintWritesAnA4SheetWhoseTextIsSearchableInEitherLanguage) {
    ASSERT_EQ(pl63({"import", csvFile("a.csv", kRows), "-o", at("a.DAT").string()}).exitCode, 0);
    struct Case {
        std::string lang;
        std::vector<std::string> expected;
    };
    const std::vector<Case> cases = {
        {"en",
         {"PL-63 channel sheet", "a.DAT", "400-480MHz", "RX frequency", "438.50000", "D023N",
          "Carrow", "479.99500", "Function Set", "Time-out", "180 S", "Keys Set", "PF1"}},
        {"zh",
         {"PL-63 信道表", "a.DAT", "接收频率", "438.50000", "载波", "窄带", "功能设置", "发射超时",
          "180 秒", "键设定"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lang);
        const fs::path pdf = at("sheet-" + c.lang + ".pdf");
        // No display: the verb must not need one.
        const Outcome run =
            pl63({"print", at("a.DAT").string(), "-o", pdf.string(), "--lang", c.lang});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::string bytes = slurp(pdf);
        ASSERT_EQ(bytes.rfind("%PDF-", 0), 0u);
        // A4 is 595 x 842 points.
        EXPECT_NE(bytes.find("/MediaBox [0 0 595"), std::string::npos);
        const std::string text = pdfText(pdf, at("sheet-" + c.lang + ".txt"));
        for (const std::string& word : c.expected) {
            EXPECT_NE(text.find(word), std::string::npos) << word << " not in:\n" << text;
        }
    }
    EXPECT_EQ(pl63({"print", at("a.DAT").string()}).exitCode, 2);
    EXPECT_EQ(pl63({"print", at("none.DAT").string(), "-o", at("x.pdf").string()}).exitCode, 1);
    EXPECT_FALSE(fs::exists(at("x.pdf")));
}

// Headings and check boxes of show, diff and print follow the language asked.
TEST_F(CliTest, ReportsHeadAndWordEverythingInTheLanguageAsked) {
    ASSERT_EQ(pl63({"new", at("d.DAT").string()}).exitCode, 0);
    std::string bytes = slurp(at("d.DAT"));
    bytes[5 + 0x127] = 1;                                              // Cancel operation
    bytes.replace(5 + 0x270, 4, std::string("\x00\x25\x51\x43", 4));  // debug frequency 1 RX
    spit(at("e.DAT"), bytes);
    const std::string d = at("d.DAT").string(), e = at("e.DAT").string();
    const std::string en = at("en.pdf").string(), zh = at("zh.pdf").string();
    struct Case {
        std::vector<std::string> words;
        std::vector<std::string> patterns;
    };
    const std::vector<Case> cases = {
        {{"show", e, "--lang", "zh"}, {"\n测试频率\n", "\n调试\n", "取消操作 +开启\n"}},
        {{"diff", d, e},
         {"Cancel operation: Off → On\n", "\nDebug frequency  01 RX Frequency: \\(empty\\)"}},
        {{"print", e, "-o", en}, {"Cancel operation +On", "Received banned VOX +Off"}},
        {{"print", e, "-o", zh, "--lang", "zh"}, {"取消操作 +开启", "接收时禁止VOX +关闭"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.words[0] + " " + c.words.back());
        const Outcome run = pl63(c.words);
        ASSERT_LT(run.exitCode, 2) << run.err;
        const std::string text =
            c.words[0] == "print" ? pdfText(c.words[3], c.words[3] + ".txt") : run.out;
        for (const std::string& pattern : c.patterns) {
            EXPECT_TRUE(std::regex_search(text, std::regex(pattern))) << pattern << " not in:\n" << text;
        }
    }
}

}  // namespace
