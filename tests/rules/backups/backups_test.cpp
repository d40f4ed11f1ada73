// Backups of radio memory: where they go, how they are named, kept, pruned and listed.
#include "rules/backups/backups.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "i18n/backup_texts.h"
#include "image/image_codec.h"
#include "rules/backups/backup_rows.h"
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

    // A file named as a backup of `age` ago, without going through SaveBackup; its name.
    std::string PlaceBackup(std::chrono::seconds age, BackupKind kind = BackupKind::Read) {
        fs::create_directories(folder);
        const std::string name = BackupFileName(now - age, 0, kind, "COM1");
        std::ofstream(folder / name) << "PLQ82";
        return name;
    }
    void PlaceFile(const std::string& name) {
        fs::create_directories(folder);
        std::ofstream(folder / name) << "mine";
    }

    std::set<std::string> FilesInFolder() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }
    std::vector<std::string> Listed() const {
        std::vector<std::string> names;
        for (const BackupEntry& entry : ListBackups(folder).entries) {
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

TEST(BackupNames, ThePortBecomesAFileSafeToken) {
    const struct {
        const char* port;
        const char* token;
    } cases[] = {
        {"COM3", "COM3"},
        {"/dev/ttyUSB0", "ttyUSB0"},
        {"/dev/pts/5", "pts-5"},
        {"/dev/serial/by-id/usb-FTDI_FT232R_USB_UART-if00",
         "serial-by-id-usb-FTDI-FT232R-USB-UART-if00"},
        {"\\\\.\\COM10", "COM10"},
        {"/tmp/../x", "tmp----x"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port);
        EXPECT_EQ(BackupPortToken(c.port), c.token);
    }
    const BackupClock::time_point when = BackupClock::from_time_t(1'700'000'000);
    const std::string name = BackupFileName(when, 0, BackupKind::BeforeWrite, "/dev/ttyUSB0");
    EXPECT_TRUE(name.ends_with("_400-470MHz_ttyUSB0_before-write.DAT")) << name;
    EXPECT_TRUE(BackupFileName(when, 0, BackupKind::Read, "").ends_with("_400-470MHz_read.DAT"));
}

TEST_F(Backups, ASavedBackupIsListedWithWhatItHolds) {
    fs::path saved;
    ASSERT_TRUE(SaveBackup(folder, ImageWithChannels(5, "DEPOT 4"), 2, BackupKind::BeforeWrite,
                           "COM3", now, &saved)
                    .ok());
    ASSERT_TRUE(
        SaveBackup(folder, ImageWithChannels(0, ""), 0, BackupKind::Sent, "/dev/pts/4", now + 3s)
            .ok());
    EXPECT_EQ(saved.filename(), BackupFileName(now, 2, BackupKind::BeforeWrite, "COM3"));
    EXPECT_TRUE(saved.filename().string().ends_with("400-430MHz_COM3_before-write.DAT"));

    const BackupList list = ListBackups(folder);
    EXPECT_EQ(list.folderError, 0);
    const std::vector<BackupEntry>& listed = list.entries;
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].kind, BackupKind::Sent) << "newest first";
    EXPECT_EQ(listed[0].port, "pts-4");
    EXPECT_EQ(listed[1].path, saved);
    EXPECT_EQ(listed[1].when, now);
    EXPECT_EQ(listed[1].band, 2);
    EXPECT_EQ(listed[1].port, "COM3");
    EXPECT_EQ(listed[1].kind, BackupKind::BeforeWrite);
    EXPECT_FALSE(listed[1].damaged);
    EXPECT_EQ(listed[1].channelsInUse, 5);
    EXPECT_EQ(listed[1].embeddedLine1, "DEPOT 4");
    ImageBytes back{};
    ASSERT_TRUE(ReadDatFile(saved, back).ok());
    EXPECT_EQ(back, ImageWithChannels(5, "DEPOT 4"));
    EXPECT_EQ(FilesInFolder().size(), 2u) << "nothing of the saving is left behind";

    const BackupRowTexts row = BackupRow(listed[1], Language::English);
    EXPECT_EQ(row[kBackupPortColumn], "COM3");
    EXPECT_EQ(row[kBackupKindColumn], "before write");
    EXPECT_EQ(row[kBackupChannelsColumn], "5");
    EXPECT_EQ(BackupRow(listed[0], Language::English)[kBackupKindColumn], "sent (not read back)");
    EXPECT_EQ(BackupRow(listed[0], Language::Chinese)[kBackupKindColumn], "已发送（未读回）");
}

// Four radios of one band backed up in the same second each keep a backup named by its port.
TEST_F(Backups, RadiosOnSeveralPortsInOneSecondEachKeepTheirOwnName) {
    for (const char* port : {"COM1", "COM2", "COM3", "COM4"}) {
        ASSERT_TRUE(
            SaveBackup(folder, ImageWithChannels(1, port), 0, BackupKind::BeforeWrite, port, now)
                .ok());
    }
    std::map<std::string, std::string> lineOfPort;
    for (const BackupEntry& entry : ListBackups(folder).entries) {
        lineOfPort[entry.port] = entry.embeddedLine1;
        EXPECT_FALSE(entry.path.filename().string().ends_with("_2.DAT")) << entry.path;
    }
    EXPECT_EQ(lineOfPort,
              (std::map<std::string, std::string>{
                  {"COM1", "COM1"}, {"COM2", "COM2"}, {"COM3", "COM3"}, {"COM4", "COM4"}}));
}

// Two programs saving in the same second never overwrite each other's backups: every save is
// kept whole under a name of its own.
TEST_F(Backups, SavesInTheSameSecondNeverOverwriteEachOther) {
    constexpr int kEach = 60;
    fs::create_directories(folder);
    std::vector<ImageBytes> images;
    for (int i = 0; i < 2 * kEach; ++i)
        images.push_back(ImageWithChannels(i % 48, std::to_string(i)));
    const auto save = [&](int first) {
        for (int i = first; i < first + kEach; ++i) {
            const Status saved = SaveBackup(folder, images[i], 0, BackupKind::Read, "COM1", now);
            EXPECT_TRUE(saved.ok()) << saved.Describe(Language::English);
        }
    };
    std::thread one(save, 0);
    std::thread other(save, kEach);
    one.join();
    other.join();
    std::set<std::string> lines;
    for (const BackupEntry& entry : ListBackups(folder).entries) {
        EXPECT_FALSE(entry.damaged) << entry.path;
        lines.insert(entry.embeddedLine1);
    }
    EXPECT_EQ(lines.size(), images.size());
    EXPECT_EQ(FilesInFolder().size(), images.size());
}

// A file that is there already keeps its bytes; the backup takes the next name.
TEST_F(Backups, AFileAtTheNameIsNeverReplaced) {
    PlaceFile(BackupFileName(now, 0, BackupKind::Written, "COM1"));
    fs::path saved;
    ASSERT_TRUE(
        SaveBackup(folder, ImageWithChannels(1, ""), 0, BackupKind::Written, "COM1", now, &saved)
            .ok());
    EXPECT_TRUE(saved.filename().string().ends_with("_COM1_written_2.DAT")) << saved;
    std::ifstream first(folder / BackupFileName(now, 0, BackupKind::Written, "COM1"));
    std::string kept;
    std::getline(first, kept);
    EXPECT_EQ(kept, "mine");
}

// Only a whole name of the program's own pattern is a backup: everything else in the folder is
// neither listed nor ever deleted.
TEST_F(Backups, OnlyTheProgramsOwnNamesAreBackups) {
    const std::string stamp = "2023-11-14_22-13-20";
    const struct {
        std::string name;
        bool backup;
    } cases[] = {
        {stamp + "_400-470MHz_COM1_read.DAT", true},
        {stamp + "_400-470MHz_read.DAT", true},    // an older version's, without a port
        {stamp + "_400-470MHz_read_2.DAT", true},  // the second of its second
        {stamp + "_400-470MHz_ttyUSB0_before-write_12.DAT", true},
        {stamp + "_400-470MHz_pts-3_sent.DAT", true},
        {stamp + "_400-470MHz_COM1_readme.DAT", false},  // a kind word that only starts like one
        {stamp + "_400-470MHz_readme.DAT", false},
        {stamp + "_400-470MHz_reading.DAT", false},
        {stamp + "_400-470MHz_read_notes.DAT", false},  // something after the kind
        {stamp + "_400-470MHz_read_1.DAT", false},      // no save numbers its first name 1
        {stamp + "_400-470MHz_read_02.DAT", false},
        {stamp + "_400-470MHz_COM1_read_2_3.DAT", false},
        {stamp + "_400-470MHz_a_b_read.DAT", false},
        {stamp + "_400-470MHz_pts_3_read.DAT", false},  // not a port token of ours
        {stamp + "_400-470MHz_.DAT", false},
        {stamp + "_400-470MHz_COM1_read.DAT.bak", false},
        {stamp + "_400-470MHz_COM1_read.dat", false},
        {stamp + "_999MHz_read.DAT", false},
        {"2023-11-14 22-13-20_400-470MHz_read.DAT", false},
        {"2023-11-4_22-13-200_400-470MHz_read.DAT", false},
        {"2023-02-30_22-13-20_400-470MHz_read.DAT", false},  // no such day
        {"2023-11-14_25-13-20_400-470MHz_read.DAT", false},
        {"+023-11-14_22-13-20_400-470MHz_read.DAT", false},
        {"x" + stamp + "_400-470MHz_read.DAT", false},
        {"notes.txt", false},
    };
    for (const auto& c : cases) PlaceFile(c.name);
    std::set<std::string> expected;
    for (const auto& c : cases) {
        if (c.backup) expected.insert(c.name);
    }
    const std::vector<std::string> listed = Listed();
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), expected);
    // Well past the age and the count at which backups go: only backups go.
    for (int i = 0; i < 210; ++i) PlaceBackup(kBackupMinimumAge + std::chrono::hours(i + 1));
    const BackupClock::time_point later = now + std::chrono::hours(24 * 400);
    ASSERT_TRUE(
        SaveBackup(folder, ImageWithChannels(0, ""), 0, BackupKind::Read, "COM9", later).ok());
    for (const auto& c : cases) {
        if (!c.backup) {
            EXPECT_TRUE(fs::exists(folder / c.name)) << c.name;
        }
    }
}

TEST_F(Backups, ADamagedBackupIsListedAsDamaged) {
    PlaceBackup(1h);
    const std::vector<BackupEntry> listed = ListBackups(folder).entries;
    ASSERT_EQ(listed.size(), 1u);
    EXPECT_TRUE(listed[0].damaged);
    EXPECT_EQ(BackupKindText(listed[0].kind, Language::English), "read");
    EXPECT_EQ(BackupKindText(listed[0].kind, Language::Chinese), "读频");
}

// A save prunes the folder: the newest 200 stay (the one saved among them), and so does every
// backup younger than 30 days; the rest go, oldest first. Each case names the ages (in hours) of
// the backups that go.
TEST_F(Backups, PruningDeletesOnlyOldBackupsBeyondTheNewest200) {
    using Hours = std::vector<int>;
    const int month = static_cast<int>(kBackupMinimumAge.count());
    const auto ages = [](int from, int count, int step) {
        Hours hours;
        for (int i = 0; i < count; ++i) hours.push_back(from + i * step);
        return hours;
    };
    const auto join = [](Hours a, const Hours& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const struct {
        const char* what;
        Hours ages;
        Hours deleted;
    } cases[] = {
        {"few enough", ages(month + 1, 150, 1), {}},
        {"all old: the oldest eleven go", ages(month + 1, 210, 1), ages(month + 200, 11, 1)},
        {"all younger than 30 days", ages(0, 210, 1), {}},
        // Backups 2 to 29 days old are kept however many there are.
        {"days old, beyond 200", ages(48, 210, 3), {}},
        {"recent ones push old ones out", join(ages(0, 195, 1), ages(month + 1, 10, 1)),
         ages(month + 5, 6, 1)},
        {"recent ones alone beyond 200", join(ages(0, 203, 1), ages(month + 1, 5, 1)),
         ages(month + 1, 5, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(folder);
        std::map<std::string, int> ageOf;
        for (const int age : c.ages) ageOf[PlaceBackup(std::chrono::hours(age))] = age;
        PlaceFile("notes.txt");
        ASSERT_TRUE(
            SaveBackup(folder, ImageWithChannels(0, ""), 0, BackupKind::Read, "COM9", now).ok());
        const std::set<std::string> left = FilesInFolder();
        Hours deleted;
        for (const auto& [name, age] : ageOf) {
            if (!left.contains(name)) deleted.push_back(age);
        }
        std::sort(deleted.begin(), deleted.end());
        EXPECT_EQ(deleted, c.deleted);
        EXPECT_TRUE(left.contains("notes.txt"));
    }
}

// A folder that is not there yet holds no backups; one that cannot be read says why.
TEST_F(Backups, AFolderThatCannotBeReadIsToldApartFromAMissingOne) {
    EXPECT_EQ(ListBackups(folder).folderError, 0) << "not made yet";
    fs::create_directories(folder.parent_path());
    std::ofstream(folder) << "a file where the folder should be";
    EXPECT_EQ(ListBackups(folder).folderError, ENOTDIR);
    EXPECT_EQ(ListBackups(folder / "deeper").folderError, ENOTDIR);
}

// A keeper says what became of each backup: the file, or the file it was to be and why not.
TEST_F(Backups, AKeeperSaysWhatBecameOfEachBackup) {
    const SavedBackup kept =
        BackupKeeper(folder).Keep(ImageWithChannels(1, ""), 0, BackupKind::Read, "COM2", now);
    EXPECT_TRUE(kept.Saved());
    EXPECT_EQ(kept.kind, BackupKind::Read);
    EXPECT_EQ(kept.path, folder / BackupFileName(now, 0, BackupKind::Read, "COM2"));
    EXPECT_TRUE(fs::exists(kept.path));

    fs::remove_all(folder);
    std::ofstream(folder) << "in the way";
    const SavedBackup refused = BackupKeeper(folder).Keep(ImageWithChannels(1, ""), 0,
                                                          BackupKind::BeforeWrite, "COM2", now);
    EXPECT_FALSE(refused.Saved());
    EXPECT_EQ(refused.kind, BackupKind::BeforeWrite);
    EXPECT_EQ(refused.path, folder / BackupFileName(now, 0, BackupKind::BeforeWrite, "COM2"));
    EXPECT_EQ(refused.status.message(), MessageId::SaveFolderMissing);

    const SavedBackup nowhere =
        BackupKeeper({}).Keep(ImageWithChannels(1, ""), 0, BackupKind::Read, "COM2", now);
    EXPECT_FALSE(nowhere.Saved());
}

}  // namespace
}  // namespace qv
