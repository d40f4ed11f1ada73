// Several radios written at once by the fleet writer both programs use, end to end: each radio a
// virtual radio on a pseudo-terminal of its own, named COM1, COM2... through the environment.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "link/core/port_mapping.h"
#include "link/qt/fleet_write.h"
#include "link/qt/link_fixture.h"

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
    FleetWrite fleet(backupFolder, Language::English);
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
    FleetWrite fleet(backupFolder, Language::English);
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

}  // namespace
}  // namespace qv::test
