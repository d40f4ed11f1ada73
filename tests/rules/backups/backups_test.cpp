// Backups of radio memory: where they go, how they are named, kept, pruned and listed.
#include "rules/backups/backups.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "image/image_codec.h"
#include "rules/program/dat_file.h"
#include "rules/program/startup.h"
#include "support/quiet_host.h"
#include "support/sample_channels.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class Backups : public ::testing::Test {
  protected:
    fs::path folder;
    const BackupClock::time_point now = BackupClock::from_time_t(1'700'000'000);

    void SetUp() override {
        char pattern[] = "/tmp/qv-backups-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = fs::path(pattern) / "backups";
    }
    void TearDown() override { fs::remove_all(folder.parent_path()); }

    static ImageBytes ImageWithChannels(int channels, const std::string& line1) {
        test::QuietHost host;
        ProgramState state = StartupState(host, 1);
        for (int row = 1; row <= channels; ++row) {
            test::PutEnglishChannel(state, row);
        }
        state.EmbeddedInfo[0] = line1;
        return EncodeImage(state);
    }

    // A file named as a backup of `age` ago, without going through SaveBackup.
    void PlaceBackup(std::chrono::seconds age, BackupKind kind = BackupKind::Read) {
        fs::create_directories(folder);
        std::ofstream(folder / BackupFileName(now - age, 0, kind)) << "PLQ82";
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const BackupEntry& entry : ListBackups(folder)) {
            names.push_back(entry.path.filename().string());
        }
        return names;
    }
};

TEST(BackupFolder, TheUsersDataFolderAsTheDesktopFindsIt) {
    const struct {
        std::map<std::string, std::string> variables;
        fs::path expected;
    } cases[] = {
        {{{"XDG_DATA_HOME", "/data"}, {"HOME", "/home/u"}}, "/data/qv7100/backups"},
        {{{"HOME", "/home/u"}}, "/home/u/.local/share/qv7100/backups"},
        // A relative XDG_DATA_HOME is not to be used.
        {{{"XDG_DATA_HOME", "data"}, {"HOME", "/home/u"}}, "/home/u/.local/share/qv7100/backups"},
        {{}, ""},
    };
    for (const auto& c : cases) {
        const fs::path folder = BackupFolder([&](const std::string& name) {
            const auto found = c.variables.find(name);
            return found == c.variables.end() ? std::nullopt : std::optional(found->second);
        });
        EXPECT_EQ(folder, c.expected);
    }
}

TEST_F(Backups, ASavedBackupIsListedWithWhatItHolds) {
    fs::path saved;
    ASSERT_TRUE(
        SaveBackup(folder, ImageWithChannels(5, "DEPOT 4"), 2, BackupKind::BeforeWrite, now, &saved)
            .ok());
    ASSERT_TRUE(
        SaveBackup(folder, ImageWithChannels(0, ""), 0, BackupKind::Written, now + 3s).ok());
    EXPECT_EQ(saved.filename(), BackupFileName(now, 2, BackupKind::BeforeWrite));
    EXPECT_NE(saved.filename().string().find("400-430MHz_before-write.DAT"), std::string::npos);

    const std::vector<BackupEntry> listed = ListBackups(folder);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].kind, BackupKind::Written) << "newest first";
    EXPECT_EQ(listed[1].path, saved);
    EXPECT_EQ(listed[1].when, now);
    EXPECT_EQ(listed[1].band, 2);
    EXPECT_EQ(listed[1].kind, BackupKind::BeforeWrite);
    EXPECT_FALSE(listed[1].damaged);
    EXPECT_EQ(listed[1].channelsInUse, 5);
    EXPECT_EQ(listed[1].embeddedLine1, "DEPOT 4");
    ImageBytes back{};
    ASSERT_TRUE(ReadDatFile(saved, back).ok());
    EXPECT_EQ(back, ImageWithChannels(5, "DEPOT 4"));
}

TEST_F(Backups, TwoBackupsInOneSecondBothKept) {
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(SaveBackup(folder, ImageWithChannels(i, ""), 0, BackupKind::Written, now).ok());
    }
    EXPECT_EQ(ListBackups(folder).size(), 3u);
}

TEST_F(Backups, ADamagedBackupIsListedAsDamagedAndOtherFilesAreLeftAlone) {
    PlaceBackup(1h);
    std::ofstream(folder / "notes.txt") << "mine";
    const std::vector<BackupEntry> listed = ListBackups(folder);
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_TRUE(listed[0].damaged);
    EXPECT_EQ(BackupKindText(listed[0].kind, Language::English), "read");
    EXPECT_EQ(BackupKindText(listed[0].kind, Language::Chinese), "读频");
}

TEST_F(Backups, PruningKeepsTheNewest200AndEveryOneYoungerThan30Days) {
    const struct {
        const char* what;
        int old;     // older than 30 days
        int recent;  // younger
        std::size_t left;
    } cases[] = {
        {"all old", 210, 0, 200},
        {"all recent", 0, 210, 210},
        {"few enough", 150, 0, 150},
        {"recent ones push old ones out", 10, 195, 200},
        {"recent ones alone beyond 200", 5, 203, 203},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder);
        for (int i = 0; i < c.old; ++i)
            PlaceBackup(kBackupMinimumAge + std::chrono::seconds(i + 1));
        for (int i = 0; i < c.recent; ++i) PlaceBackup(std::chrono::seconds(i));
        std::ofstream(folder / "notes.txt") << "mine";
        PruneBackups(folder, now);
        const std::vector<BackupEntry> left = ListBackups(folder);
        EXPECT_EQ(left.size(), c.left);
        EXPECT_TRUE(fs::exists(folder / "notes.txt"));
        // The newest stay.
        const BackupClock::time_point newest =
            c.recent > 0 ? now : now - kBackupMinimumAge - std::chrono::seconds(1);
        ASSERT_FALSE(left.empty());
        EXPECT_EQ(left.front().when, newest);
    }
}

TEST_F(Backups, AKeeperReportsAFailureOnceAndGoesOn) {
    // A file where the folder should be: nothing can be saved.
    fs::create_directories(folder.parent_path());
    std::ofstream(folder) << "in the way";
    std::vector<std::string> reports;
    BackupKeeper keeper(
        folder, [&](const std::string& text) { reports.push_back(text); }, Language::English);
    EXPECT_FALSE(keeper.Keep(ImageWithChannels(1, ""), 0, BackupKind::BeforeWrite, now));
    EXPECT_FALSE(keeper.Keep(ImageWithChannels(1, ""), 0, BackupKind::Written, now));
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].rfind("The backup " + folder.string(), 0), 0u) << reports[0];
}

}  // namespace
}  // namespace qv
