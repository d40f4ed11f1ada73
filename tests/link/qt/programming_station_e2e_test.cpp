// The programming station end to end: the program's serial ports on pseudo-terminals whose virtual
// radios take turns as a dealer plugs them in and out (a shelf), each with its own memory, power
// calibration and band. Every radio is written once, keeps its calibration, gets its own lines and
// is logged; the log is read back from its file.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "link/core/port_mapping.h"
#include "link/qt/link_fixture.h"
#include "link/qt/programming_station.h"
#include "rules/station/station_log.h"

namespace qv::test {
namespace {

namespace fs = std::filesystem;

constexpr ShelfTime kMillisecond = 1'000'000;
// A radio stays a second after its first answer, and the next comes two seconds after it went:
// longer than the station takes to see a radio gone (two probes without an answer).
constexpr ShelfTiming kShelfTiming = {.present = 1000 * kMillisecond, .gap = 2000 * kMillisecond};

// Where the power levels and the first embedded line lie in the image.
constexpr std::size_t kHighPower = 0x173;
constexpr std::size_t kLowPower = 0x178;
constexpr std::size_t kCalibrationBlock = 0x170;
// The write frame that carries embedded line 1 (radio address 0x0300): the 41st of a write.
constexpr int kLineOneBlock = 41;

struct ShelfRadio {
    int band = 0;
    RadioFault fault;
};

class StationEndToEnd : public LinkEndToEnd {
  protected:
    fs::path folder;
    fs::path log;
    std::vector<std::unique_ptr<PtyServer>> lines;
    // Every radio of every shelf, by its own number (from 1), with the memory it started with.
    std::map<int, ImageBytes> oldMemory;
    int radiosMade = 0;

    void SetUp() override {
        char pattern[] = "/tmp/qv-station-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        folder = pattern;
        log = folder / "data" / "station-log.csv";
    }
    void TearDown() override {
        for (const auto& line : lines) line->Stop();
        qunsetenv(ComPortVariable(1).c_str());
        LinkEndToEnd::TearDown();
        fs::remove_all(folder);
    }

    // The memory of a radio as the dealer gets it: line 1 names it, and its power calibration is
    // its own.
    ImageBytes OldMemory(int number, int band) {
        ProgramState old = StartupState(host, 1);
        old.EmbeddedInfo[0] = "OLD " + std::to_string(number);
        old.PowerHighLevel = 100 + number;
        old.PowerLowLevel = 40 + number;
        old.Combo1 = old.BandIndex = band;
        return EncodeImage(old);
    }

    // A line whose radios take turns; their numbers follow those of the shelves made before.
    PtyServer& AddShelf(const std::vector<ShelfRadio>& radios, bool paced = false) {
        std::vector<VirtualRadio> shelf;
        for (const ShelfRadio& made : radios) {
            const int number = ++radiosMade;
            oldMemory[number] = OldMemory(number, made.band);
            shelf.emplace_back(oldMemory[number], made.band, made.fault);
        }
        lines.push_back(
            std::make_unique<PtyServer>(RadioShelf(std::move(shelf), kShelfTiming), paced));
        std::string error;
        EXPECT_TRUE(lines.back()->Start(&error)) << error;
        return *lines.back();
    }
    // A radio that stays on its line for good.
    PtyServer& AddRadio(int band, bool paced = false) {
        const int number = ++radiosMade;
        oldMemory[number] = OldMemory(number, band);
        lines.push_back(std::make_unique<PtyServer>(VirtualRadio(oldMemory[number], band), paced));
        std::string error;
        EXPECT_TRUE(lines.back()->Start(&error)) << error;
        return *lines.back();
    }

    static std::vector<PortName> PortsOf(const std::vector<const PtyServer*>& servers) {
        std::vector<PortName> ports;
        for (const PtyServer* server : servers) ports.push_back({0, server->DevicePath()});
        return ports;
    }

    StationOptions Options() const {
        StationOptions options;
        options.log = log;
        options.setupName = "fleet.DAT";
        return options;
    }

    ProgramState StationSetup() {
        ProgramState setup = state;
        (void)DecodeImageBytes(SampleImage(0), setup, host);
        return setup;
    }

    // Runs the station until it has finished; `events` sees each event as it happens. The set-up
    // is StationSetup() unless `setup` names another.
    void Run(ProgrammingStation& station, const std::vector<PortName>& ports, RadioValues values,
             const StationOptions& options,
             std::function<void(std::size_t, StationEvent)> events = nullptr,
             std::optional<ProgramState> setup = std::nullopt) {
        QEventLoop loop;
        station.SetEventHandler(events);
        station.SetFinishedHandler([&loop] { loop.quit(); });
        ASSERT_TRUE(
            station.Start(ports, setup.value_or(StationSetup()), std::move(values), options))
            << station.LogFault()->Describe(Language::English);
        QTimer::singleShot(90000, &loop, &QEventLoop::quit);
        if (station.IsRunning()) loop.exec();
        ASSERT_FALSE(station.IsRunning()) << "the station never finished";
    }

    std::vector<StationLogRow> LogRows() const {
        std::ifstream file(log, std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), {}};
        const auto rows = ReadStationLog(text);
        EXPECT_TRUE(rows) << text;
        return rows.value_or(std::vector<StationLogRow>{});
    }

    // The first embedded line of a radio's memory.
    std::string LineOne(const RadioRecord& record) {
        ImageBytes image{};
        std::copy_n(record.ImagePart().begin(), image.size(), image.begin());
        ProgramState held = state;
        (void)DecodeImageBytes(image, held, host);
        return held.EmbeddedInfo[0];
    }

    static RadioValues Counter(const std::string& pattern) {
        RadioValuesChoice choice;
        choice.patterns[0] = pattern;
        std::vector<ValuesProblem> problems;
        return *RadioValues::Make(choice, std::nullopt, problems);
    }
};

// Two cables, a shelf of three radios on each: one radio silent, one of another band written with
// the band question answered Yes, one that loses a block of the write. Each radio that answers is
// backed up, written once and read back; each keeps its calibration, though the set-up is shown
// with calibration access open and levels of its own; the radios written get the
// counter's numbers 1 to 4 between them, the failed radio's number going to a later one; every
// radio that answered has its line in the log, the one that lost a block as failed.
TEST_F(StationEndToEnd, EachRadioOfTheShelvesIsWrittenOnceWithItsOwnLineAndLogged) {
    const PtyServer& first = AddShelf({{0, {}}, {0, {RadioFaultKind::Silent, 0}}, {0, {}}});
    const PtyServer& second =
        AddShelf({{3, {}}, {0, {RadioFaultKind::DropsBlock, kLineOneBlock}}, {0, {}}});
    ProgrammingStation station(folder / "data" / "backups");
    StationOptions options = Options();
    options.allowOtherBand = true;
    options.count = 5;
    ProgramState serviced = StationSetup();
    serviced.CalibrationUnlocked = true;
    serviced.PowerHighLevel = 17;
    serviced.PowerLowLevel = 3;
    std::vector<std::string> arrivals;
    Run(
        station, PortsOf({&first, &second}), Counter("UNIT {n:03}"), options,
        [&](std::size_t at, StationEvent event) {
            if (event == StationEvent::RadioArrived) {
                arrivals.push_back(station.Port(at).port.device);
            }
        },
        serviced);
    EXPECT_EQ(station.Stopping(), StationStop::CountReached);
    EXPECT_EQ(arrivals.size(), 5u) << "the silent radio is never taken";

    std::vector<ShelfRadioRecord> radios = first.ShelfSnapshot();
    const std::vector<ShelfRadioRecord> more = second.ShelfSnapshot();
    radios.insert(radios.end(), more.begin(), more.end());
    const ImageBytes setupImage = SampleImage(0);
    std::map<std::string, ImageBytes> writtenRadios;  // by the line each got
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        SCOPED_TRACE("radio " + std::to_string(number));
        const RadioRecord& record = radios[i].record;
        const ImageBytes& old = oldMemory[number];
        const auto memory = record.ImagePart();
        if (radios[i].fault.kind == RadioFaultKind::Silent) {
            EXPECT_TRUE(record.blocksWritten.empty());
            continue;
        }
        EXPECT_EQ(record.blocksWritten.size(), 88u) << "written once, never twice";
        EXPECT_EQ(record.blocksRead.size(), 48u) << "a backup and a read-back";
        EXPECT_TRUE(std::equal(old.begin() + kCalibrationBlock,
                               old.begin() + kCalibrationBlock + 16,
                               memory.begin() + kCalibrationBlock))
            << "its own calibration";
        EXPECT_EQ(memory[kHighPower], 100 + number);
        EXPECT_EQ(memory[kLowPower], 40 + number);
        EXPECT_EQ(memory[0x20], setupImage[0x20]) << "the set-up's channels";
        if (radios[i].fault.kind != RadioFaultKind::None) continue;
        ImageBytes held{};
        std::copy_n(memory.begin(), held.size(), held.begin());
        writtenRadios[LineOne(record)] = held;
    }
    std::set<std::string> linesWritten;
    for (const auto& [line, memory] : writtenRadios) linesWritten.insert(line);
    EXPECT_EQ(linesWritten,
              (std::set<std::string>{"UNIT 001", "UNIT 002", "UNIT 003", "UNIT 004"}));

    const std::vector<StationLogRow> rows = LogRows();
    ASSERT_EQ(rows.size(), station.Logged().size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(StationLogRecord(rows[i]), StationLogRecord(station.Logged()[i]));
    }
    ASSERT_EQ(rows.size(), 5u);
    std::set<int> numbers;
    std::vector<std::string> bands;
    int failed = 0;
    for (const StationLogRow& row : rows) {
        SCOPED_TRACE("log radio " + std::to_string(row.radio));
        numbers.insert(row.radio);
        EXPECT_EQ(row.setup, "fleet.DAT");
        EXPECT_EQ(row.time.size(), 25u) << row.time;
        EXPECT_TRUE(fs::exists(folder / "data" / "backups" / row.backup)) << row.backup;
        EXPECT_TRUE(row.backup.ends_with("_before-write.DAT")) << row.backup;
        EXPECT_EQ(row.setupSha256.size(), 64u);
        if (row.result == StationResult::Failed) {
            ++failed;
            EXPECT_EQ(row.verify, StationVerify::Differs);
            EXPECT_TRUE(row.detail.starts_with("verify found 1 difference")) << row.detail;
            EXPECT_EQ(row.device, second.DevicePath());
            EXPECT_TRUE(linesWritten.count(row.line1))
                << row.line1 << ": its number went to a radio after it";
            continue;
        }
        EXPECT_EQ(row.result, StationResult::Written);
        EXPECT_EQ(row.verify, StationVerify::Verified);
        EXPECT_EQ(row.detail, "");
        ASSERT_TRUE(writtenRadios.count(row.line1)) << row.line1;
        EXPECT_EQ(row.setupSha256, WrittenBytesSha256(writtenRadios[row.line1], false))
            << "the digest of what the radio holds where it was written";
        bands.push_back(row.band);
    }
    EXPECT_EQ(failed, 1);
    std::sort(bands.begin(), bands.end());
    EXPECT_EQ(bands,
              (std::vector<std::string>{"370-390MHz", "400-470MHz", "400-470MHz", "400-470MHz"}));
    EXPECT_EQ(numbers, (std::set<int>{1, 2, 3, 4, 5}));
    const StationTally tally = station.Tally();
    EXPECT_EQ(tally.handled, 5);
    EXPECT_EQ(tally.written, 4);
    EXPECT_EQ(tally.verified, 4);
    EXPECT_EQ(tally.failed, 1);
}

// A radio left on the cable is never written again: the probes that find it still there end its
// programming mode at once and change nothing. A radio of another band is skipped without a
// transfer (the band question is not answered Yes) and logged as skipped; a port whose device is
// missing is tried again and again, and holds up no other port.
TEST_F(StationEndToEnd, ARadioLeftInPlaceIsWrittenOnceAndOneOfAnotherBandIsSkipped) {
    const PtyServer& stays = AddRadio(0);
    const PtyServer& other = AddRadio(2);
    const PortName missing{0, (folder / "no-such-device").string()};
    ProgrammingStation station(folder / "data" / "backups");
    std::vector<StationEvent> missingEvents;
    int removeRadio = 0;
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, [&] { station.Stop(); });
    Run(station, {missing, {0, stays.DevicePath()}, {0, other.DevicePath()}}, {}, Options(),
        [&](std::size_t at, StationEvent event) {
            if (at == 0) missingEvents.push_back(event);
            if (event != StationEvent::RadioEnded || ++removeRadio < 2) return;
            // Both radios are done: a few more rounds of probes, then Stop.
            stop.start(2000);
        });
    EXPECT_EQ(station.Stopping(), StationStop::Asked);
    const RadioRecord kept = stays.Snapshot();
    EXPECT_EQ(kept.blocksWritten.size(), 88u) << "written once";
    EXPECT_GE(kept.sessions, 3 + 1 + 3) << "and probed again and again while it stayed";
    EXPECT_EQ(kept.endsReceived, kept.sessions) << "every session ended with the end byte";
    const RadioRecord skipped = other.Snapshot();
    EXPECT_TRUE(skipped.blocksWritten.empty());
    EXPECT_TRUE(skipped.blocksRead.empty()) << "not even backed up";
    ASSERT_EQ(station.Logged().size(), 2u);
    for (const StationLogRow& row : station.Logged()) {
        if (row.device != other.DevicePath()) continue;
        EXPECT_EQ(row.result, StationResult::Skipped);
        EXPECT_EQ(row.verify, StationVerify::NotChecked);
        EXPECT_EQ(row.band, "400-430MHz");
        EXPECT_EQ(row.detail, "the radio is a 400-430MHz radio and the set-up is for 400-470MHz");
        EXPECT_EQ(row.backup, "");
        EXPECT_EQ(row.setupSha256, "");
    }
    EXPECT_EQ(station.Tally().skipped, 1);
    ASSERT_GE(missingEvents.size(), 3u);
    EXPECT_EQ(missingEvents[0], StationEvent::PortWaiting);
    EXPECT_EQ(missingEvents[1], StationEvent::PortAnswer) << "told once that it does not open";
    EXPECT_EQ(missingEvents[2], StationEvent::PortStopped);
    EXPECT_EQ(station.Port(0).answer.answer, ProbeAnswer::PortNotOpen);
}

// COM1 is looked up once, as the station starts: adapters renumbered while it runs (COM1 now
// standing for another radio) never point the port at that radio; the next radio is taken on the
// device COM1 stood for.
TEST_F(StationEndToEnd, APortKeepsTheDeviceItsComStoodForAtTheStart) {
    const PtyServer& shelf = AddShelf({{0, {}}, {0, {}}});
    const PtyServer& elsewhere = AddRadio(0);
    qputenv(ComPortVariable(1).c_str(), QByteArray::fromStdString(shelf.DevicePath()));
    ProgrammingStation station(folder / "data" / "backups");
    StationOptions options = Options();
    options.count = 2;
    bool renumbered = false;
    Run(station, PortLanes::Resolve({"COM1"}), {}, options, [&](std::size_t, StationEvent event) {
        if (event != StationEvent::RadioEnded || renumbered) return;
        renumbered = true;
        qputenv(ComPortVariable(1).c_str(), QByteArray::fromStdString(elsewhere.DevicePath()));
    });
    ASSERT_TRUE(renumbered);
    EXPECT_EQ(station.Stopping(), StationStop::CountReached);
    EXPECT_EQ(station.Tally().verified, 2);
    const std::vector<ShelfRadioRecord> radios = shelf.ShelfSnapshot();
    EXPECT_EQ(radios[0].record.blocksWritten.size(), 88u);
    EXPECT_EQ(radios[1].record.blocksWritten.size(), 88u) << "the next radio on COM1's device";
    EXPECT_EQ(elsewhere.Snapshot().sessions, 0) << "nothing sent to the device COM1 became";
    for (const StationLogRow& row : station.Logged()) {
        EXPECT_EQ(row.port, "COM1");
        EXPECT_EQ(row.device, shelf.DevicePath());
    }
}

// A roster of two rows writes two radios, and the station then takes no more and says so; the
// third radio of the shelf is never touched.
TEST_F(StationEndToEnd, TheRosterUsedUpTakesNoMoreRadios) {
    const PtyServer& shelf = AddShelf({{0, {}}, {0, {}}, {0, {}}});
    RadioValuesChoice choice;
    choice.roster = ReadRoster("line1,line2\nANNA,FIRE\nBOB,POLICE\n").roster;
    std::vector<ValuesProblem> problems;
    ProgrammingStation station(folder / "data" / "backups");
    StationOptions options = Options();
    options.backupFirst = false;
    Run(station, PortsOf({&shelf}), *RadioValues::Make(choice, std::nullopt, problems), options);
    EXPECT_EQ(station.Stopping(), StationStop::ValuesUsedUp);
    EXPECT_FALSE(station.ValuesUsedUpBecause()) << "rows used up, no value refused";
    const std::vector<ShelfRadioRecord> radios = shelf.ShelfSnapshot();
    EXPECT_EQ(LineOne(radios[0].record), "ANNA");
    EXPECT_EQ(LineOne(radios[1].record), "BOB");
    EXPECT_TRUE(radios[2].record.blocksWritten.empty());
    const std::vector<StationLogRow> rows = LogRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].line2, "POLICE");
    EXPECT_EQ(rows[1].backup.ends_with("_written.DAT"), true) << "no backup first: what it holds";
}

// A station that cannot record does not program: a log that cannot be made ready stops it before
// a port is opened, and one that cannot take a radio's line stops it taking radios; the line is
// still reported as data.
TEST_F(StationEndToEnd, ALogThatCannotBeWrittenStopsTheStation) {
    const PtyServer& shelf = AddShelf({{0, {}}, {0, {}}});
    ProgrammingStation station(folder / "data" / "backups");
    fs::create_directories(log);  // a folder where the log should be
    EXPECT_FALSE(station.Start(PortsOf({&shelf}), StationSetup(), {}, Options()));
    ASSERT_TRUE(station.LogFault());
    EXPECT_EQ(station.LogFault()->kind, LogFileFault::Kind::SystemError);
    EXPECT_FALSE(station.IsRunning());
    EXPECT_EQ(shelf.ShelfSnapshot()[0].record.sessions, 0) << "no port was touched";

    fs::remove(log);
    Run(station, PortsOf({&shelf}), {}, Options(), [&](std::size_t, StationEvent event) {
        // The log turns into a folder while the first radio is written.
        if (event != StationEvent::RadioArrived) return;
        fs::remove(log);
        fs::create_directories(log);
    });
    EXPECT_EQ(station.Stopping(), StationStop::LogFailed);
    ASSERT_TRUE(station.LogFault());
    EXPECT_TRUE(station.LogFault()
                    ->Describe(Language::English)
                    .starts_with("the programming log " + log.string() + " cannot be written"));
    ASSERT_EQ(station.Logged().size(), 1u);
    EXPECT_EQ(station.Logged()[0].result, StationResult::Written);
    EXPECT_TRUE(shelf.ShelfSnapshot()[1].record.blocksWritten.empty());
}

// Stop lets the radio being written finish and stops the ports that wait; StopNow ends a radio in
// the middle of its write as the watchdog would, and it is logged as failed with what it may hold.
TEST_F(StationEndToEnd, StopLetsARadioFinishAndStopNowEndsIt) {
    for (const bool now : {false, true}) {
        SCOPED_TRACE(now ? "StopNow" : "Stop");
        const PtyServer& paced = AddRadio(0, true);
        const PtyServer& empty = AddShelf({{0, {RadioFaultKind::Silent, 0}}});
        ProgrammingStation station(folder / "data" / "backups");
        StationOptions options = Options();
        options.backupFirst = false;
        Run(station, PortsOf({&paced, &empty}), {}, options, [&](std::size_t, StationEvent event) {
            const auto& writing = station.Port(0).radio;
            if (event != StationEvent::Progress || !writing ||
                writing->step != CheckedWriteStep::Write || writing->progressValue < 160) {
                return;
            }
            if (now) {
                station.StopNow();
            } else {
                station.Stop();
            }
        });
        EXPECT_EQ(station.Stopping(), now ? StationStop::AskedNow : StationStop::Asked);
        EXPECT_EQ(station.Port(1).phase, StationPhase::Stopped);
        ASSERT_EQ(station.Logged().size(), 1u);
        const StationLogRow& row = station.Logged()[0];
        if (now) {
            EXPECT_EQ(row.result, StationResult::Failed);
            EXPECT_TRUE(row.detail.starts_with("stopped at write frame ")) << row.detail;
            EXPECT_LT(paced.Snapshot().blocksWritten.size(), 88u);
        } else {
            EXPECT_EQ(row.result, StationResult::Written);
            EXPECT_EQ(row.verify, StationVerify::Verified);
            EXPECT_EQ(paced.Snapshot().blocksWritten.size(), 88u);
        }
    }
}

}  // namespace
}  // namespace qv::test
