// Several radios written at once by the fleet writer both programs use, end to end: each radio a
// virtual radio on a pseudo-terminal of its own, named COM1, COM2... through the environment.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/core/port_mapping.h"
#include "link/qt/fleet_write.h"
#include "link/qt/link_fixture.h"
#include "rules/program/dat_file.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

class FleetEndToEnd : public LinkEndToEnd {
  protected:
    fs::path backupFolder;
    std::vector<std::unique_ptr<PtyServer>> radios;

    void SetUp() override {
        char pattern[] = "/tmp/qv-fleet-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        backupFolder = fs::path(pattern) / "backups";
    }
    void TearDown() override {
        for (const auto& server : radios) server->Stop();
        for (int com = 1; com <= kPortCount; ++com) qunsetenv(ComPortVariable(com).c_str());
        LinkEndToEnd::TearDown();
        fs::remove_all(backupFolder.parent_path());
    }

    // A virtual radio holding `image`; with `com`, COM`com` stands for it.
    PtyServer& AddRadio(const ImageBytes& image, int band, int com = 0) {
        radios.push_back(std::make_unique<PtyServer>(VirtualRadio(image, band), false));
        std::string error;
        EXPECT_TRUE(radios.back()->Start(&error)) << error;
        if (com > 0) AimCom(com, *radios.back());
        return *radios.back();
    }
    static void AimCom(int com, const PtyServer& server) {
        qputenv(ComPortVariable(com).c_str(), QByteArray::fromStdString(server.DevicePath()));
    }

    // Writes `setup` into the radios on `ports` and waits until every one has ended; `stepStarts`
    // is told each radio's steps as they start.
    void RunFleet(FleetWrite& fleet, const std::vector<std::string>& ports,
                  const ProgramState& setup, const FleetOptions& options,
                  std::function<void(std::size_t, CheckedWriteStep)> stepStarts = nullptr) {
        QEventLoop loop;
        if (stepStarts) fleet.SetStepHandler(stepStarts);
        fleet.SetFinishedHandler([&loop] { loop.quit(); });
        fleet.Start(ports, setup, options);
        QTimer::singleShot(60000, &loop, &QEventLoop::quit);
        if (fleet.IsRunning()) loop.exec();
        EXPECT_FALSE(fleet.IsRunning()) << "the fleet never ended";
    }

    static RadioRecord RadioAtRest(const PtyServer& server) {
        RadioRecord record = server.Snapshot();
        for (int wait = 0; wait < 200 && record.endsReceived < record.sessions; ++wait) {
            QThread::msleep(10);
            record = server.Snapshot();
        }
        return record;
    }

    ProgramState SetupOf(const ImageBytes& image) {
        ProgramState setup = state;
        (void)DecodeImageBytes(image, setup, host);
        return setup;
    }
};

// Each COMn is looked up once, when the fleet starts: adapters renumbered in the middle of the run
// never aim a later step at another radio (which would pass verify, as it may hold the same
// set-up).
TEST_F(FleetEndToEnd, EachRadioKeepsTheDeviceItsPortStoodForAtTheStart) {
    const ImageBytes old = SampleImage(0);
    AddRadio(old, 0, 1);
    AddRadio(old, 0, 2);
    const PtyServer& third = AddRadio(old, 0);
    const PtyServer& fourth = AddRadio(old, 0);
    FleetWrite fleet(backupFolder);
    bool renumbered = false;
    RunFleet(fleet, {"COM1", "com2"}, SetupOf(SampleImage(0)),
             {.allowOtherBand = false, .verify = true, .backupFirst = true},
             [&](std::size_t, CheckedWriteStep step) {
                 if (step != CheckedWriteStep::Write || renumbered) return;
                 renumbered = true;
                 AimCom(1, third);
                 AimCom(2, fourth);
             });
    ASSERT_TRUE(renumbered);
    EXPECT_EQ(fleet.Tally().verified, 2);
    EXPECT_EQ(radios[0]->Snapshot().sessions, 3);
    EXPECT_EQ(radios[1]->Snapshot().sessions, 3);
    EXPECT_EQ(third.Snapshot().sessions, 0);
    EXPECT_EQ(fourth.Snapshot().sessions, 0);
}

// The calibration block holds each radio's own power levels: a set-up shown with calibration access
// open (one radio's levels in it) is written into several radios without it.
TEST_F(FleetEndToEnd, NoRadioOfAFleetReceivesTheCalibration) {
    const ImageBytes old = SampleImage(0);
    AddRadio(old, 0, 1);
    AddRadio(old, 0, 2);
    ProgramState setup = SetupOf(SampleImage(0));
    setup.CalibrationUnlocked = true;
    setup.PowerHighLevel = 17;
    setup.PowerLowLevel = 3;
    FleetWrite fleet(backupFolder);
    RunFleet(fleet, {"COM1", "COM2"}, setup,
             {.allowOtherBand = false, .verify = true, .backupFirst = false});
    EXPECT_EQ(fleet.Tally().verified, 2);
    for (const auto& server : radios) {
        const RadioRecord record = RadioAtRest(*server);
        EXPECT_EQ(record.blocksWritten.size(), 88u) << "every block but the calibration block";
        const auto memory = record.ImagePart();
        EXPECT_TRUE(std::equal(old.begin() + 0x170, old.begin() + 0x180, memory.begin() + 0x170))
            << "the radio's own calibration";
    }
}

// Four radios of one band, backed up in the same second: each backup is named by its port and holds
// that radio's own memory, and the fleet says which is whose.
TEST_F(FleetEndToEnd, EachRadiosBackupIsItsOwn) {
    std::vector<std::string> ports;
    for (int com = 1; com <= 4; ++com) {
        ProgramState old = SetupOf(SampleImage(0));
        old.EmbeddedInfo[0] = old.Form7.Text1 = "RADIO " + std::to_string(com);
        AddRadio(EncodeImage(old), 0, com);
        ports.push_back("COM" + std::to_string(com));
    }
    FleetWrite fleet(backupFolder);
    RunFleet(fleet, ports, SetupOf(SampleImage(0)),
             {.allowOtherBand = false, .verify = false, .backupFirst = true});
    ASSERT_EQ(fleet.Tally().written, 4);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        SCOPED_TRACE(ports[i]);
        const CheckedWriteResult& result = fleet.End(i)->result;
        ASSERT_TRUE(result.beforeBackup && result.beforeBackup->Saved());
        const std::string name = result.beforeBackup->path.filename().string();
        EXPECT_TRUE(name.ends_with("_400-470MHz_" + ports[i] + "_before-write.DAT")) << name;
        ImageBytes kept{};
        ASSERT_TRUE(ReadDatFile(result.beforeBackup->path, kept).ok());
        ProgramState held = state;
        (void)DecodeImageBytes(kept, held, host);
        EXPECT_EQ(held.EmbeddedInfo[0], "RADIO " + std::to_string(i + 1));
        ASSERT_TRUE(result.afterBackup && result.afterBackup->Saved());
        EXPECT_TRUE(result.afterBackup->path.filename().string().ends_with("_" + ports[i] +
                                                                           "_written.DAT"));
    }
}

// Backup first holds for every radio of a fleet: one whose memory could not be kept is not
// written, and its end says so.
TEST_F(FleetEndToEnd, NoRadioIsWrittenWhoseBackupCouldNotBeSaved) {
    fs::create_directories(backupFolder.parent_path());
    std::ofstream(backupFolder) << "a file where the folder should be";
    AddRadio(SampleImage(0), 0, 1);
    AddRadio(SampleImage(0), 0, 2);
    FleetWrite fleet(backupFolder);
    RunFleet(fleet, {"COM1", "COM2"}, SetupOf(SampleImage(0)),
             {.allowOtherBand = false, .verify = true, .backupFirst = true});
    EXPECT_EQ(fleet.Tally().notWritten, 2);
    for (std::size_t i = 0; i < 2; ++i) {
        const CheckedWriteResult& result = fleet.End(i)->result;
        EXPECT_TRUE(result.heldForBackup);
        EXPECT_FALSE(result.WriteCompleted());
        EXPECT_TRUE(radios[i]->Snapshot().blocksWritten.empty());
    }
}

}  // namespace
}  // namespace qv::test
