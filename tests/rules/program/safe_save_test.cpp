#include "rules/program/safe_save.h"

#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace qv {
namespace {

namespace fs = std::filesystem;

// The user and group "nobody": an ordinary user, for whom permissions count.
constexpr uid_t kOrdinaryUser = 65534;
constexpr gid_t kOrdinaryGroup = 65534;

constexpr std::string_view kNewContents = "PLQ82 the new contents";
constexpr std::string_view kOldContents = "PLQ82 what was there before, somewhat longer";

std::span<const std::uint8_t> Bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string Contents(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

void Write(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

mode_t ModeOf(const fs::path& path) {
    struct stat info {};
    ::lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

void MakeFifo(const fs::path& path) {
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0) << std::strerror(errno);
}

void MakeSocket(const fs::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(path.string().size(), sizeof address.sun_path);
    std::strcpy(address.sun_path, path.c_str());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0)
        << std::strerror(errno);
    ::close(fd);
}

// Everything under `root` as text: each name with its kind, permissions and contents or link
// target. Two equal snapshots mean nothing was created, removed, replaced or changed.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const fs::path& path = entry.path();
        std::string& what = tree[path.lexically_relative(root).string()];
        what = std::to_string(ModeOf(path)) + " ";
        if (entry.is_symlink()) {
            what += "link to " + fs::read_symlink(path).string();
        } else if (entry.is_regular_file()) {
            what += "file " + Contents(path);
        } else {
            what += "kind " + std::to_string(static_cast<int>(entry.status().type()));
        }
    }
    return tree;
}

// A check or save that opened the pipe it was given would wait for ever for the other end; the
// test gives it one after a generous while, so that it fails rather than hangs.
Status WithoutHanging(const fs::path& path, const std::function<Status()>& operation) {
    auto running = std::async(std::launch::async, operation);
    if (running.wait_for(std::chrono::seconds(30)) == std::future_status::timeout) {
        ADD_FAILURE() << "blocked opening " << path;
        const int release = ::open(path.c_str(), O_RDWR | O_NONBLOCK);
        const Status status = running.get();
        ::close(release);
        return status;
    }
    return running.get();
}

class SafeSave : public ::testing::Test {
  protected:
    fs::path dir;

    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("qv-safe-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        // Read-only folders left by a test must open again for the clean-up.
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            if (!entry.is_symlink() && entry.is_directory()) {
                fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add);
            }
        }
        fs::remove_all(dir);
    }

    // A fresh folder for one case of a table.
    fs::path CaseFolder(const std::string& name) const {
        const fs::path folder = dir / name;
        fs::create_directories(folder);
        return folder;
    }
};

TEST_F(SafeSave, SymbolicLinksAreWrittenThrough) {
    struct Link {
        const char* name;
        const char* target;
        bool absolute;  // the target is stored as a full path
    };
    const struct {
        const char* what;
        std::vector<Link> links;
        const char* written;  // the file that must hold the new contents
        bool existed;
    } cases[] = {
        {"absolute link", {{"shop.DAT", "real/shop.DAT", true}}, "real/shop.DAT", true},
        {"relative link", {{"shop.DAT", "real/shop.DAT", false}}, "real/shop.DAT", true},
        {"chain through another folder",
         {{"shop.DAT", "links/hop.DAT", false}, {"links/hop.DAT", "../real/shop.DAT", false}},
         "real/shop.DAT",
         true},
        {"dangling link", {{"shop.DAT", "real/new.DAT", false}}, "real/new.DAT", false},
    };
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = CaseFolder("case" + std::to_string(index++));
        fs::create_directories(folder / "real");
        fs::create_directories(folder / "links");
        if (c.existed) Write(folder / c.written, kOldContents);
        for (const Link& link : c.links) {
            fs::create_symlink(link.absolute ? folder / link.target : fs::path(link.target),
                               folder / link.name);
        }
        std::map<std::string, std::string> expected = Snapshot(folder);

        ASSERT_TRUE(CheckSaveTarget(folder / "shop.DAT").ok());
        const Status status = ReplaceFileContents(folder / "shop.DAT", Bytes(kNewContents));
        ASSERT_TRUE(status.ok()) << status.detail();

        EXPECT_EQ(Contents(folder / c.written), kNewContents);
        // Only the file at the end of the chain changed: every link is still the same link and
        // no temporary file is left in any folder.
        std::map<std::string, std::string> after = Snapshot(folder);
        after.erase(fs::path(c.written).string());
        expected.erase(fs::path(c.written).string());
        EXPECT_EQ(after, expected);
    }
}

TEST_F(SafeSave, RefusalsChangeNothing) {
    const std::string longName(256, 'n');
    const struct {
        const char* what;
        std::function<void(const fs::path&)> make;
        const char* name;  // what is saved to, inside the case's folder
        MessageId message;
        const char* detail;  // a part of the detail
    } cases[] = {
        {"folder", [](const fs::path& f) { fs::create_directories(f / "shop.DAT" / "inside"); },
         "shop.DAT", MessageId::SaveTargetIsFolder, "is a directory"},
        {"named pipe", [](const fs::path& f) { MakeFifo(f / "shop.DAT"); }, "shop.DAT",
         MessageId::SaveTargetNotAFile, "is a named pipe"},
        {"socket", [](const fs::path& f) { MakeSocket(f / "s"); }, "s",
         MessageId::SaveTargetNotAFile, "is a socket"},
        {"link to a named pipe",
         [](const fs::path& f) {
             MakeFifo(f / "pipe");
             fs::create_symlink("pipe", f / "shop.DAT");
         },
         "shop.DAT", MessageId::SaveTargetNotAFile, "is a named pipe"},
        {"link to a folder",
         [](const fs::path& f) {
             fs::create_directories(f / "real");
             fs::create_symlink("real", f / "shop.DAT");
         },
         "shop.DAT", MessageId::SaveTargetIsFolder, "is a directory"},
        {"missing folder", [](const fs::path&) {}, "missing/shop.DAT", MessageId::SaveFolderMissing,
         "missing: No such file or directory"},
        {"folder that is a file", [](const fs::path& f) { Write(f / "plain", kOldContents); },
         "plain/shop.DAT", MessageId::SaveFolderMissing, "Not a directory"},
        {"link loop",
         [](const fs::path& f) {
             fs::create_symlink("b", f / "a");
             fs::create_symlink("a", f / "b");
         },
         "a", MessageId::FileUnwritable, "symbolic links"},
        {"name longer than the system allows", [](const fs::path&) {}, longName.c_str(),
         MessageId::FileUnwritable, "too long"},
    };
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = CaseFolder("case" + std::to_string(index++));
        c.make(folder);
        const auto before = Snapshot(folder);

        const fs::path path = folder / c.name;
        const Status checked = WithoutHanging(path, [&] { return CheckSaveTarget(path); });
        EXPECT_FALSE(checked.ok());
        EXPECT_EQ(checked.message(), c.message);
        EXPECT_NE(checked.detail().find(c.detail), std::string::npos) << checked.detail();

        const Status saved =
            WithoutHanging(path, [&] { return ReplaceFileContents(path, Bytes(kNewContents)); });
        EXPECT_FALSE(saved.ok());
        EXPECT_EQ(saved.message(), c.message);
        EXPECT_EQ(saved.detail(), checked.detail());
        EXPECT_EQ(Snapshot(folder), before);
    }
}

TEST_F(SafeSave, CheckingASaveThatWouldSucceedChangesNothing) {
    Write(dir / "old.DAT", kOldContents);
    fs::create_symlink("later.DAT", dir / "dangling.DAT");
    const auto before = Snapshot(dir);
    for (const char* name : {"new.DAT", "old.DAT", "dangling.DAT"}) {
        const Status status = CheckSaveTarget(dir / name);
        EXPECT_TRUE(status.ok()) << name << ": " << status.detail();
    }
    EXPECT_EQ(Snapshot(dir), before);
}

// How an operation run as an ordinary user ended: whether it could be run at all, and the
// message it refused with (nothing when it succeeded).
struct UserOutcome {
    bool ran = false;
    std::optional<MessageId> refusal;
};

// Runs `operation` as an ordinary user: in a child process that gives up root when this one runs
// as root, after giving that user `owned` and everything in it.
UserOutcome AsOrdinaryUser(const fs::path& owned, const std::function<Status()>& operation) {
    if (::geteuid() != 0) {
        const Status status = operation();
        return {true, status.ok() ? std::nullopt : std::optional(status.message())};
    }
    for (const auto& entry : fs::recursive_directory_iterator(owned)) {
        if (::lchown(entry.path().c_str(), kOrdinaryUser, kOrdinaryGroup) != 0) return {};
    }
    if (::chown(owned.c_str(), kOrdinaryUser, kOrdinaryGroup) != 0) return {};
    constexpr int kCouldNotDrop = 255;
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kOrdinaryGroup) != 0 ||
            ::setuid(kOrdinaryUser) != 0) {
            ::_exit(kCouldNotDrop);
        }
        const Status status = operation();
        ::_exit(status.ok() ? 0 : 1 + static_cast<int>(*status.message()));
    }
    int wait = 0;
    ::waitpid(child, &wait, 0);
    if (!WIFEXITED(wait) || WEXITSTATUS(wait) == kCouldNotDrop) return {};
    const int code = WEXITSTATUS(wait);
    return {true, code == 0 ? std::nullopt : std::optional(static_cast<MessageId>(code - 1))};
}

TEST_F(SafeSave, WhatTheUserMayNotWriteIsRefused) {
    const struct {
        const char* what;
        const char* name;
        bool fileExists;
        fs::perms filePermissions;
        fs::perms folderPermissions;
        MessageId message;
    } cases[] = {
        {"read-only file", "shop.DAT", true, fs::perms::owner_read | fs::perms::group_read,
         fs::perms::owner_all, MessageId::SaveFileNotWritable},
        {"new file in a read-only folder", "new.DAT", false, fs::perms::none,
         fs::perms::owner_read | fs::perms::owner_exec, MessageId::SaveFolderNotWritable},
        {"writable file in a read-only folder", "shop.DAT", true,
         fs::perms::owner_read | fs::perms::owner_write,
         fs::perms::owner_read | fs::perms::owner_exec, MessageId::SaveFolderNotWritable},
    };
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = CaseFolder("case" + std::to_string(index++));
        const fs::path path = folder / c.name;
        if (c.fileExists) {
            Write(path, kOldContents);
            fs::permissions(path, c.filePermissions);
        }
        fs::permissions(folder, c.folderPermissions);
        const auto before = Snapshot(folder);

        const UserOutcome checked = AsOrdinaryUser(folder, [&] { return CheckSaveTarget(path); });
        if (!checked.ran) GTEST_SKIP() << "cannot run as an ordinary user here";
        EXPECT_EQ(checked.refusal, c.message);
        const UserOutcome saved =
            AsOrdinaryUser(folder, [&] { return ReplaceFileContents(path, Bytes(kNewContents)); });
        ASSERT_TRUE(saved.ran);
        EXPECT_EQ(saved.refusal, c.message);
        EXPECT_EQ(Snapshot(folder), before);
    }
}

TEST_F(SafeSave, AReplacedFileKeepsPermissionsOwnerAndGroup) {
    const bool root = ::geteuid() == 0;
    const mode_t modes[] = {0600, 0640, 0604, 0755};
    for (const mode_t mode : modes) {
        SCOPED_TRACE(mode);
        const fs::path path = dir / "shop.DAT";
        Write(path, kOldContents);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        // Only root may give a file away; anyone else sees their own owner kept.
        if (root) {
            ASSERT_EQ(::chown(path.c_str(), kOrdinaryUser, kOrdinaryGroup), 0);
        }
        struct stat before {};
        ::stat(path.c_str(), &before);

        const Status status = ReplaceFileContents(path, Bytes(kNewContents));
        ASSERT_TRUE(status.ok()) << status.detail();
        struct stat after {};
        ::stat(path.c_str(), &after);
        EXPECT_EQ(after.st_mode & 07777, mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_gid, before.st_gid);
        EXPECT_NE(after.st_ino, before.st_ino) << "the contents took the name in one rename";
        EXPECT_EQ(Contents(path), kNewContents);
    }
}

TEST_F(SafeSave, ANewFileGetsTheUsualPermissions) {
    const mode_t masks[] = {022, 027, 077, 002};
    for (const mode_t mask : masks) {
        SCOPED_TRACE(mask);
        const fs::path path = dir / ("new-" + std::to_string(mask) + ".DAT");
        const mode_t previous = ::umask(mask);
        const Status status = ReplaceFileContents(path, Bytes(kNewContents));
        ::umask(previous);
        ASSERT_TRUE(status.ok()) << status.detail();
        EXPECT_EQ(ModeOf(path), 0666 & ~mask);
    }
}

TEST_F(SafeSave, LongNamesSave) {
    // The longest names the system allows: a temporary name built from the target's would not
    // fit beside them.
    const std::size_t lengths[] = {250, 255};
    for (const std::size_t length : lengths) {
        SCOPED_TRACE(length);
        const fs::path folder = CaseFolder(std::to_string(length));
        const fs::path path = folder / (std::string(length - 4, 'a') + ".DAT");
        Write(path, kOldContents);
        EXPECT_TRUE(CheckSaveTarget(path).ok());
        const Status status = ReplaceFileContents(path, Bytes(kNewContents));
        ASSERT_TRUE(status.ok()) << status.detail();
        EXPECT_EQ(Contents(path), kNewContents);
        EXPECT_EQ(Snapshot(folder).size(), 1u) << "no temporary file is left behind";
    }
}

}  // namespace
}  // namespace qv
