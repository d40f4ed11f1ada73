#include "rules/program/dat_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "image/image_codec.h"
#include "image/image_test_support.h"
#include "rules/program/file_commands.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class DatFile : public test::StartedProgram {
  protected:
    fs::path dir;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("qv-dat-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    static std::string Contents(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }
    static void Write(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    // A set-up file of a radio with channel 1 and band 450-490.
    std::string SampleFile() {
        ProgramState other = state;
        other.Grid1[1] = {"G1-01", "455.00000", "67.0", "455.00000", "关闭",
                          "高",    "关闭",      "宽带", "有"};
        other.Combo1 = other.BandIndex = 1;
        const ImageBytes image = EncodeImage(other);
        return "PLQ82" + std::string(image.begin(), image.end());
    }
};

TEST_F(DatFile, SaveWritesSignatureAndImage) {
    const fs::path path = dir / "shop.DAT";
    ASSERT_TRUE(SaveSetupFile(path, state).ok());
    const std::string bytes = Contents(path);
    ASSERT_EQ(bytes.size(), 1525u);
    EXPECT_EQ(bytes.substr(0, 5), "PLQ82");
    const ImageBytes image = EncodeImage(state);
    EXPECT_EQ(bytes.substr(5), std::string(image.begin(), image.end()));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(DatFile, OpenLoadsWhatSaveWrote) {
    const fs::path path = dir / "radio.DAT";
    Write(path, SampleFile());
    ASSERT_TRUE(OpenSetupFile(path, state, host).ok());
    EXPECT_EQ(state.Grid1[1][kColRxFrequency], "455.00000");
    EXPECT_EQ(state.Combo1, 1);
    const fs::path again = dir / "again.DAT";
    ASSERT_TRUE(SaveSetupFile(again, state).ok());
    EXPECT_EQ(Contents(again), SampleFile());
}

TEST_F(DatFile, RefusedFilesChangeNothing) {
    const std::string good = SampleFile();
    std::string lowerCase = good;
    lowerCase[0] = 'p';
    const struct {
        const char* what;
        std::string bytes;
        MessageId reason;
    } cases[] = {
        {"empty", "", MessageId::WrongFileType},
        {"lower-case signature", lowerCase, MessageId::WrongFileType},
        {"last signature byte", "PLQ83" + good.substr(5), MessageId::WrongFileType},
        {"signature only", "PLQ82", MessageId::FileTooShort},
        {"one byte short", good.substr(0, 1524), MessageId::FileTooShort},
    };
    const ImageBytes before = EncodeImage(state);
    for (const auto& c : cases) {
        const fs::path path = dir / "bad.DAT";
        Write(path, c.bytes);
        const Status status = OpenSetupFile(path, state, host);
        EXPECT_FALSE(status.ok()) << c.what;
        EXPECT_EQ(status.message(), c.reason) << c.what;
        EXPECT_EQ(EncodeImage(state), before) << c.what;
    }
    EXPECT_EQ(OpenSetupFile(dir / "missing.DAT", state, host).message(), MessageId::FileUnreadable);
}

TEST_F(DatFile, RefusalsSayWhyInTheReadersLanguage) {
    Write(dir / "short.DAT", SampleFile().substr(0, 100));
    fs::create_directories(dir / "folder.DAT");
    const std::string missing = (dir / "missing").string();
    const std::string folder = (dir / "folder.DAT").string();
    const struct {
        const char* what;
        Status status;
        std::string chinese;
        std::string english;
    } cases[] = {
        {"a short file", OpenSetupFile(dir / "short.DAT", state, host),
         "文件太短，不是 QV-7100 的设置文件（*.DAT 文件应有 1525 字节），未载入任何内容。（100 "
         "字节）",
         "The file is too short to be a QV-7100 set-up (a *.DAT file has 1525 bytes); nothing was "
         "loaded. (100 bytes)"},
        {"a missing file", OpenSetupFile(dir / "missing.DAT", state, host),
         "无法读取该文件，未载入任何内容。（没有那个文件或文件夹）",
         "The file could not be read; nothing was loaded. (No such file or directory)"},
        {"a missing folder", SaveSetupFile(dir / "missing" / "x.DAT", state),
         "要保存到的文件夹不存在，未作任何更改。（" + missing + "：没有那个文件或文件夹）",
         "The folder to save into does not exist; nothing was changed. (" + missing +
             ": No such file or directory)"},
        {"a folder", SaveSetupFile(dir / "folder.DAT", state),
         "该名称是一个文件夹，不是文件，未作任何更改。（" + folder + "：是一个文件夹）",
         "The name is a directory, not a file; nothing was changed. (" + folder +
             ": is a directory)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.status.Describe(Language::Chinese), c.chinese) << c.what;
        EXPECT_EQ(c.status.Describe(Language::English), c.english) << c.what;
    }
}

TEST_F(DatFile, ExtraBytesAfterTheImageAreIgnored) {
    const fs::path path = dir / "long.DAT";
    Write(path, SampleFile() + "trailing bytes");
    ASSERT_TRUE(OpenSetupFile(path, state, host).ok());
    EXPECT_EQ(state.Grid1[1][kColRxFrequency], "455.00000");
}

TEST_F(DatFile, SaveReplacesALongerFileWhole) {
    const fs::path path = dir / "shop.DAT";
    Write(path, std::string(4000, 'x'));
    ASSERT_TRUE(SaveSetupFile(path, state).ok());
    EXPECT_EQ(Contents(path).size(), 1525u);
}

TEST_F(DatFile, FailedSaveLeavesTheOldFileAndSaysSo) {
    const fs::path path = dir / "shop.DAT";
    Write(path, SampleFile());
    // A disk that fills up part way: files may not grow beyond 1000 bytes while saving.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit full = {1000, limit.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &full);
    const Status status = SaveSetupFile(path, state);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    EXPECT_FALSE(status.ok());
    EXPECT_EQ(status.message(), MessageId::FileUnwritable);
    EXPECT_EQ(Contents(path), SampleFile());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "the half-written file is removed";
}

TEST_F(DatFile, SaveOntoAFolderFailsWithoutHarm) {
    const fs::path folder = dir / "folder.DAT";
    fs::create_directories(folder / "inside");
    const Status status = SaveSetupFile(folder, state);
    EXPECT_FALSE(status.ok());
    EXPECT_TRUE(fs::exists(folder / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1)
        << "no temporary file is left behind";
}

TEST_F(DatFile, SaveKeepsTheOldFilesPermissions) {
    const fs::path path = dir / "shop.DAT";
    Write(path, SampleFile());
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(SaveSetupFile(path, state).ok());
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

}  // namespace
}  // namespace qv
