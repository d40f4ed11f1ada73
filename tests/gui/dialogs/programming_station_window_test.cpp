// The programming station from the desktop program: the window opened with its key, driven by
// keys and clicks, with virtual radios that take turns on pseudo-terminals as a dealer plugs them
// in and out. What each port shows is taken as a user who keeps an eye on the window sees it.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/dialogs/programming_station_window.h"
#include "gui/mainwindow/plans_test_support.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "rules/station/station_log.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using test::Click;
using test::FileDialogHand;
using test::MessageBoxHand;
using test::WindowHand;

constexpr ShelfTime kMillisecond = 1'000'000;
// A radio stays a while after its first answer, longer than it takes to program, and the next
// comes once the station has seen it gone (two probes without an answer); a radio as slow as a
// real one stays as long as a dealer takes to see it done.
constexpr ShelfTiming kShelfTiming = {.present = 6000 * kMillisecond, .gap = 2000 * kMillisecond};
constexpr ShelfTiming kPacedShelfTiming = {.present = 10000 * kMillisecond,
                                           .gap = 2000 * kMillisecond};
// The write frame that carries embedded line 1.
constexpr int kLineOneBlock = 41;
// Where the high power level lies in the radio's memory.
constexpr std::size_t kHighPower = 0x183;
constexpr int kLongWait = 90000;

// What the window showed, as a user who keeps an eye on it sees it: each text a label took, in
// order, looked at every few milliseconds. What lasts long enough for a user to see lasts long
// enough for it: a state that comes and goes between two looks is no state of the bench.
class Watch {
  public:
    explicit Watch(QDialog& dialog) : dialog_(dialog) {
        timer_.setInterval(2);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Look(); });
        timer_.start();
    }

    const QStringList& Of(const QString& name) {
        Look();
        return texts_[name];
    }
    // What `name` showed, each text once in a row, the writing states as one.
    QStringList Steps(const QString& name) {
        QStringList steps;
        for (const QString& text : Of(name)) {
            const QString step = text.startsWith(QStringLiteral("Writing ")) ||
                                         text.startsWith(QStringLiteral("正在写入 "))
                                     ? QStringLiteral("Writing")
                                     : text;
            if (steps.isEmpty() || steps.back() != step) steps << step;
        }
        return steps;
    }

  private:
    void Look() {
        for (const QLabel* label : dialog_.findChildren<QLabel*>()) {
            const QString name = label->objectName();
            if (name.isEmpty()) continue;
            QStringList& seen = texts_[name];
            if (seen.isEmpty() || seen.back() != label->text()) seen << label->text();
        }
    }

    QDialog& dialog_;
    QTimer timer_;
    std::map<QString, QStringList> texts_;
};

struct ShelfRadio {
    int band = 0;
    RadioFault fault;
};

class StationWindow : public test::GuiTest {
  protected:
    std::vector<std::unique_ptr<PtyServer>> servers;
    ImageBytes blank{};

    void TearDown() override {
        GuiTest::TearDown();
        for (const auto& server : servers) server->Stop();
        for (int port = 1; port <= kPortCount; ++port) {
            qunsetenv(ComPortVariable(port).c_str());
        }
    }

    // Starts the program with COM1 chosen, in `language`.
    void StartIn(Language language) {
        Start(Parameters{0, 1, static_cast<std::uint8_t>(language == Language::English ? 1 : 0)});
        blank = EncodeImage(State());
    }

    // Radios that take turns on the device COM`port` stands for, each holding a fresh program's
    // set-up.
    // With `paced`, their bytes are as slow as a real radio's.
    PtyServer& AddShelf(int port, const std::vector<ShelfRadio>& radios, bool paced = false) {
        std::vector<VirtualRadio> shelf;
        for (const ShelfRadio& made : radios) shelf.emplace_back(blank, made.band, made.fault);
        const ShelfTiming timing = paced ? kPacedShelfTiming : kShelfTiming;
        return Serve(port,
                     std::make_unique<PtyServer>(RadioShelf(std::move(shelf), timing), paced));
    }
    // A radio that stays on the line for good, its bytes as slow as a real one's.
    PtyServer& AddPacedRadio(int port) {
        return Serve(port, std::make_unique<PtyServer>(VirtualRadio(blank, 0), true));
    }
    PtyServer& Serve(int port, std::unique_ptr<PtyServer> server) {
        servers.push_back(std::move(server));
        std::string error;
        EXPECT_TRUE(servers.back()->Start(&error)) << error;
        qputenv(ComPortVariable(port).c_str(),
                QByteArray::fromStdString(servers.back()->DevicePath()));
        return *servers.back();
    }

    // Opens the window with its key in the main window, and hands it to `act`.
    void InWindow(const std::function<void(QDialog&)>& act) {
        WindowHand hand([&](QDialog& dialog) {
            ASSERT_NE(qobject_cast<ProgrammingStationWindow*>(&dialog), nullptr);
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &dialog; }));
            act(dialog);
            // A test that failed inside leaves no window open to wait for.
            if (dialog.isVisible()) dialog.done(QDialog::Rejected);
        });
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window->focusWidget(), Qt::Key_T, Qt::ControlModifier);
        EXPECT_TRUE(hand.Acted());
    }

    template <typename T = QWidget>
    static T* In(QDialog& dialog, const QString& name) {
        T* found = dialog.findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    static QString Text(QDialog& dialog, const QString& name) {
        return In<QLabel>(dialog, name)->text();
    }
    static QString Cell(QDialog& dialog, int row, int column) {
        const QTableWidgetItem* item = In<QTableWidget>(dialog, "grdLog")->item(row, column);
        return item != nullptr ? item->text() : QString();
    }
    static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    // A click on a box's indicator, where a user aims.
    static void Tick(QAbstractButton* box) {
        ASSERT_NE(box, nullptr);
        const QPoint at(8, box->height() / 2);
        QTest::mousePress(box, Qt::LeftButton, {}, at);
        QTest::mouseRelease(box, Qt::LeftButton, {}, at);
    }
    // Types `text` into `field` as a user who clicked into it and selected what it held.
    static void TypeInto(QWidget* field, const QString& text) {
        Click(field);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, text);
    }
    // The same, ended with Enter.
    static void EnterInto(QWidget* field, const QString& text) {
        TypeInto(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    // The station runs: Start waits.
    static bool Running(QDialog& dialog) {
        return !In<QPushButton>(dialog, "cmdStart")->isEnabled();
    }
    static bool Finished(QDialog& dialog) {
        return QTest::qWaitFor([&] { return !Running(dialog); }, kLongWait);
    }

    // The first embedded line a radio holds.
    static std::string LineOne(const RadioRecord& record) {
        ImageBytes image{};
        const auto part = record.ImagePart();
        std::copy(part.begin(), part.end(), image.begin());
        test::ScriptedHost quiet;
        ProgramState held = StartupState(quiet);
        (void)DecodeImageBytes(image, held, quiet);
        return held.EmbeddedInfo[0];
    }

    fs::path Log() const { return folder / "station-log.csv"; }
    std::vector<StationLogRow> LogRows() const {
        const auto rows = ReadStationLog(test::Contents(Log()));
        EXPECT_TRUE(rows);
        return rows.value_or(std::vector<StationLogRow>{});
    }
};

// Two radios plugged in one after the other: each is taken, written with its own number, read
// back, logged and said to be removed, and the port waits again; the keys reach all of it.
TEST_F(StationWindow, RadioAfterRadioIsWrittenVerifiedAndRemovedWithItsOwnLine) {
    StartIn(Language::English);
    // Calibration access open: the set-up carries one radio's power levels, written into none.
    State().CalibrationUnlocked = 1;
    State().PowerHighLevel = 150;
    const PtyServer& shelf = AddShelf(1, {{}, {}}, true);
    InWindow([&](QDialog& dialog) {
        Watch seen(dialog);
        for (QWidget* control : dialog.findChildren<QWidget*>()) {
            // Qt's own parts (a spin box's line, a table's corner) are named by their control.
            const QString name = control->objectName();
            if (name.isEmpty() || name.startsWith(QStringLiteral("qt_"))) continue;
            if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
                qobject_cast<QAbstractSpinBox*>(control) || qobject_cast<QTableWidget*>(control)) {
                EXPECT_FALSE(control->accessibleName().isEmpty())
                    << control->objectName().toStdString();
            }
        }
        auto* port = In<QCheckBox>(dialog, "chkPort1");
        EXPECT_TRUE(port->isChecked()) << "the port chosen in the menu";
        EXPECT_EQ(QApplication::focusWidget(), port)
            << QApplication::focusWidget()->objectName().toStdString();
        EXPECT_EQ(port->accessibleName(),
                  QStringLiteral("COM1, device ") + QString::fromStdString(shelf.DevicePath()));
        EXPECT_EQ(Text(dialog, "lblPreview"),
                  QStringLiteral("Every radio: line 1 \"\", line 2 \"\""));
        Key(Qt::Key_P, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return In<QRadioButton>(dialog, "optPatternLines")->isChecked(); }));
        Key(Qt::Key_I, Qt::AltModifier);
        ASSERT_EQ(QApplication::focusWidget(), In<QLineEdit>(dialog, "txtLine1"));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("UNIT {n:03}"));
        EXPECT_EQ(Text(dialog, "lblPreview"),
                  QStringLiteral("The first radio: line 1 \"UNIT 001\", line 2 \"\"; the next "
                                 "ones count on"));
        // Enter in a field starts nothing.
        Key(Qt::Key_Return);
        EXPECT_FALSE(Running(dialog));
        Key(Qt::Key_S, Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Running(dialog); }));
        EXPECT_EQ(QApplication::focusWidget(), In<QPushButton>(dialog, "cmdStop"));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return Text(dialog, "lblCounter0") == QStringLiteral("2") &&
                       Text(dialog, "lblState1") == QStringLiteral("Waiting for a radio");
            },
            kLongWait))
            << seen.Of("lblState1").join(" | ").toStdString() << "\n"
            << seen.Of("lblDetails1").join(" | ").toStdString();

        EXPECT_EQ(seen.Steps("lblState1"),
                  QStringList({"Waiting for a radio", "Writing", "Verified: remove the radio",
                               "Waiting for a radio", "Writing", "Verified: remove the radio",
                               "Waiting for a radio"}));
        // The writing state counts up, radio by radio.
        int percent = -1;
        for (const QString& state : seen.Of("lblState1")) {
            if (!state.startsWith(QStringLiteral("Writing "))) {
                percent = -1;
                continue;
            }
            const int now = state.section(QLatin1Char(' '), 1, 1).toInt();
            EXPECT_GE(now, percent) << state.toStdString();
            percent = now;
        }
        EXPECT_TRUE(
            seen.Of("lblDetails1")
                .contains(QStringLiteral(
                    "radio 2: reading back to verify\nembedded line 1 \"UNIT 002\", line 2 \"\"")));
        EXPECT_TRUE(
            seen.Of("lblStatus").contains(QStringLiteral("COM1, radio 1: written (one beep)")));
        EXPECT_TRUE(
            seen.Of("lblStatus").contains(QStringLiteral("COM1, radio 2: written (one beep)")));
        EXPECT_EQ(Text(dialog, "lblCounter1"), QStringLiteral("2")) << "verified";
        EXPECT_EQ(Text(dialog, "lblCounter2"), QStringLiteral("0")) << "failed";
        EXPECT_FALSE(In<QLabel>(dialog, "lblCounter3")->isVisible()) << "nothing skipped";

        // The table: the newest on top.
        ASSERT_EQ(In<QTableWidget>(dialog, "grdLog")->rowCount(), 2);
        const QStringList newest = {Cell(dialog, 0, 1), Cell(dialog, 0, 2), Cell(dialog, 0, 3),
                                    Cell(dialog, 0, 4), Cell(dialog, 0, 6), Cell(dialog, 0, 7)};
        EXPECT_EQ(newest,
                  QStringList({"COM1", "2", "400-470MHz", "UNIT 002", "written", "verified"}));
        EXPECT_TRUE(Cell(dialog, 0, 8).endsWith(QStringLiteral("_COM1_before-write.DAT")));

        Click(In<QPushButton>(dialog, "cmdStop"));
        ASSERT_TRUE(Finished(dialog));
        EXPECT_EQ(Text(dialog, "lblState1"), QStringLiteral("Stopped"));
        EXPECT_EQ(Text(dialog, "lblStatus"),
                  QStringLiteral("The station has stopped: Stop was pressed. 2 radios: 2 written, "
                                 "2 verified, 0 failed, 0 skipped."));
        Key(Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible()) << "a station that does not run closes without a word";
    });
    const std::vector<ShelfRadioRecord> radios = shelf.ShelfSnapshot();
    ASSERT_EQ(radios.size(), 2u);
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const RadioRecord& record = radios[i].record;
        EXPECT_EQ(LineOne(record), "UNIT 00" + std::to_string(i + 1));
        EXPECT_EQ(record.blocksWritten.size(), 88u) << "every block but the calibration block";
        EXPECT_EQ(record.memory[kHighPower], 208) << "the radio's own high level";
    }
    const std::vector<StationLogRow> rows = LogRows();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].line1, "UNIT 002");
    EXPECT_EQ(rows[1].result, StationResult::Written);
}

// A radio that loses the block of its first line fails with the reason, the next radio gets its
// number, and a radio of another band is skipped and said why; each ends with its own sound.
TEST_F(StationWindow, AFailedRadioSaysWhyAndOneOfAnotherBandIsSkipped) {
    StartIn(Language::English);
    AddShelf(1, {{0, {RadioFaultKind::DropsBlock, kLineOneBlock}}, {0, {}}, {1, {}}});
    InWindow([&](QDialog& dialog) {
        Watch seen(dialog);
        Tick(In<QRadioButton>(dialog, "optPatternLines"));
        TypeInto(In<QLineEdit>(dialog, "txtLine1"), QStringLiteral("UNIT {n}"));
        ASSERT_FALSE(In<QCheckBox>(dialog, "chkOtherBand")->isChecked());
        Click(In<QPushButton>(dialog, "cmdStart"));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return In<QTableWidget>(dialog, "grdLog")->rowCount() == 3; }, kLongWait));

        const QStringList states = seen.Steps("lblState1");
        const auto failed = std::find_if(states.begin(), states.end(), [](const QString& state) {
            return state.startsWith(QStringLiteral("Failed: "));
        });
        ASSERT_NE(failed, states.end()) << states.join(" | ").toStdString();
        EXPECT_TRUE(failed->startsWith(
            QStringLiteral("Failed: verify found 1 difference: embedded information, line 1: "
                           "wrote UNIT 1")))
            << failed->toStdString();
        EXPECT_TRUE(failed->endsWith(QStringLiteral(", remove the radio")))
            << failed->toStdString();
        EXPECT_TRUE(states.contains(QStringLiteral(
            "Skipped: the radio is a 450-490MHz radio and the set-up is for 400-470MHz, remove "
            "the radio")))
            << states.join(" | ").toStdString();
        for (const char* status :
             {"COM1, radio 1: failed (three beeps)", "COM1, radio 2: written (one beep)",
              "COM1, radio 3: skipped (three beeps)"}) {
            EXPECT_TRUE(seen.Of("lblStatus").contains(QString::fromUtf8(status))) << status;
        }
        const QStringList counters = {Text(dialog, "lblCounter0"), Text(dialog, "lblCounter1"),
                                      Text(dialog, "lblCounter2"), Text(dialog, "lblCounter3")};
        EXPECT_EQ(counters, QStringList({"1", "1", "1", "1"}));
        EXPECT_TRUE(In<QLabel>(dialog, "lblCounter3")->isVisible());
        EXPECT_TRUE(In<QLabel>(dialog, "lblCounterCaption3")->isVisible());
        // Radio 2 took the number radio 1 gave back; the skipped one holds no lines.
        const QStringList lines = {Cell(dialog, 2, 4), Cell(dialog, 1, 4), Cell(dialog, 0, 4)};
        EXPECT_EQ(lines, QStringList({"UNIT 1", "UNIT 1", ""}));
        EXPECT_EQ(Cell(dialog, 2, 6), QStringLiteral("failed"));
        EXPECT_EQ(Cell(dialog, 2, 7), QStringLiteral("differs"));
        EXPECT_TRUE(Cell(dialog, 2, 9).startsWith(QStringLiteral("verify found 1 difference")));
        EXPECT_EQ(Cell(dialog, 0, 6), QStringLiteral("skipped"));
        Click(In<QPushButton>(dialog, "cmdStop"));
        ASSERT_TRUE(Finished(dialog));
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
}

// Stop takes no more radios and lets the one being written finish; pressed again, as "Stop now",
// it ends it at once.
TEST_F(StationWindow, StopLetsTheRadioFinishAndStopNowEndsIt) {
    StartIn(Language::English);
    const PtyServer& first = AddPacedRadio(1);
    const PtyServer& second = AddPacedRadio(2);
    InWindow([&](QDialog& dialog) {
        Watch seen(dialog);
        auto* stop = In<QPushButton>(dialog, "cmdStop");
        const auto writing = [&](int port) {
            return QTest::qWaitFor(
                [&] {
                    const QString state = Text(dialog, QStringLiteral("lblState%1").arg(port));
                    return state.startsWith(QStringLiteral("Writing ")) &&
                           state != QStringLiteral("Writing 0 %");
                },
                kLongWait);
        };
        Click(In<QPushButton>(dialog, "cmdStart"));
        ASSERT_TRUE(writing(1));
        EXPECT_EQ(stop->text(), QStringLiteral("S&top"));
        Click(stop);
        EXPECT_EQ(stop->text(), QStringLiteral("Stop &now"));
        EXPECT_EQ(stop->accessibleName(), QStringLiteral("Stop now"));
        EXPECT_EQ(Text(dialog, "lblStatus"),
                  QStringLiteral("Stopping: no more radios are taken; the radios being written "
                                 "finish. Stop now ends them at once."));
        ASSERT_TRUE(Finished(dialog));
        EXPECT_EQ(Text(dialog, "lblState1"), QStringLiteral("Verified: remove the radio"));
        EXPECT_EQ(Text(dialog, "lblStatus"),
                  QStringLiteral("The station has stopped: Stop was pressed. 1 radio: 1 written, "
                                 "1 verified, 0 failed, 0 skipped."));
        EXPECT_EQ(stop->text(), QStringLiteral("S&top"));
        EXPECT_FALSE(stop->isEnabled());

        Tick(In<QCheckBox>(dialog, "chkPort1"));
        Tick(In<QCheckBox>(dialog, "chkPort2"));
        Click(In<QPushButton>(dialog, "cmdStart"));
        EXPECT_EQ(dialog.findChild<QWidget*>("fraPort1"), nullptr)
            << "the bench shows this run's ports";
        ASSERT_TRUE(writing(2));
        Click(stop);
        Click(stop);
        EXPECT_FALSE(stop->isEnabled()) << "nothing more to stop";
        ASSERT_TRUE(Finished(dialog));
        const QString state = Text(dialog, "lblState2");
        EXPECT_TRUE(state.startsWith(QStringLiteral("Failed: "))) << state.toStdString();
        EXPECT_TRUE(state.endsWith(QStringLiteral(", remove the radio"))) << state.toStdString();
        EXPECT_EQ(Text(dialog, "lblCounter2"), QStringLiteral("1"));
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
    EXPECT_EQ(first.Snapshot().blocksWritten.size(), 88u);
    EXPECT_TRUE(QTest::qWaitFor([&] { return second.Snapshot().endsReceived > 0; }))
        << "the radio ended at once is told the session is over";
    EXPECT_LT(second.Snapshot().blocksWritten.size(), 88u);
}

// The table shows the last radios of earlier runs from the log's file, leaves out what is no row
// of it and says so; a file that is no log is named, and Start refuses it; each radio of the run
// comes on top.
TEST_F(StationWindow, TheLogTableShowsEarlierRunsAndWhatCouldNotBeRead) {
    StartIn(Language::English);
    std::string text = StationLogHeader();
    for (int number = 1; number <= 25; ++number) {
        // A line cut short by a crash (line 5), and one of another file (line 11).
        if (number == 4) text += "2024-05-01T16:03:22+02:00,COM3,/dev/ttyUSB0,4,400-4\r\n";
        if (number == 9) text += "Location,Name\r\n";
        StationLogRow row;
        row.time = "2024-05-01T16:03:22+02:00";
        row.port = "COM3";
        row.radio = number;
        row.band = "400-470MHz";
        row.line1 = "OLD " + std::to_string(number);
        row.result = StationResult::Written;
        row.verify = StationVerify::Verified;
        text += StationLogRecord(row);
    }
    std::ofstream(Log(), std::ios::binary) << text;
    const fs::path plan = folder / "plan.csv";
    std::ofstream(plan, std::ios::binary) << "Location,Name\r\n1,A\r\n";
    const PtyServer& shelf = AddShelf(1, {{}});
    InWindow([&](QDialog& dialog) {
        auto* table = In<QTableWidget>(dialog, "grdLog");
        ASSERT_EQ(table->rowCount(), 20);
        EXPECT_EQ(Cell(dialog, 0, 0), QStringLiteral("2024-05-01 16:03:22"));
        EXPECT_EQ(Cell(dialog, 0, 4), QStringLiteral("OLD 25"));
        EXPECT_EQ(Cell(dialog, 19, 4), QStringLiteral("OLD 6"));
        const QString shown = QStringLiteral("The last 20 radios of the log %1, the newest on top.")
                                  .arg(QString::fromStdString(Log().string()));
        const QString unread =
            QStringLiteral("2 lines are no rows of the log and are not shown: lines 5, 11");
        EXPECT_EQ(Text(dialog, "lblLogNote"), shown + "\n" + unread);

        {
            FileDialogHand another({QString::fromStdString(plan.string())});
            MessageBoxHand hand({kIdOk});
            Click(In<QPushButton>(dialog, "cmdLogBrowse"));
            const QString notALog =
                QString::fromStdString(plan.string()) +
                " is not a programming log (its first line is \"Location,Name\"): choose another "
                "file";
            EXPECT_EQ(Text(dialog, "lblLogNote"), notALog);
            EXPECT_EQ(table->rowCount(), 0);
            Click(In<QPushButton>(dialog, "cmdStart"));
            ASSERT_EQ(hand.Seen().size(), 1u);
            EXPECT_EQ(hand.Seen()[0].text, notALog + "\n\nThe station was not started.");
            EXPECT_FALSE(Running(dialog));
            EXPECT_EQ(shelf.Snapshot().sessions, 0) << "no port is opened";
        }
        // The default log typed back: its radios again.
        EnterInto(In<QLineEdit>(dialog, "txtLogFile"), QString::fromStdString(Log().string()));
        ASSERT_EQ(table->rowCount(), 20);

        Click(In<QPushButton>(dialog, "cmdStart"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return Cell(dialog, 0, 2) == "1"; }, kLongWait));
        EXPECT_EQ(table->rowCount(), 20) << "the oldest makes room";
        EXPECT_EQ(Cell(dialog, 0, 1), QStringLiteral("COM1"));
        EXPECT_EQ(Cell(dialog, 1, 4), QStringLiteral("OLD 25"));
        EXPECT_EQ(Text(dialog, "lblLogNote"), shown + "\n" + unread);
        Click(In<QPushButton>(dialog, "cmdStop"));
        ASSERT_TRUE(Finished(dialog));
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
    const std::vector<StationLogRow> rows = LogRows();
    ASSERT_EQ(rows.size(), 26u) << "appended after the lines it could not read";
    EXPECT_EQ(rows.back().port, "COM1");
}

// Two ports that stand for one device would fight over it: Start names them and starts nothing.
// Without verify a radio ends written, its read-back not checked.
TEST_F(StationWindow, OneDeviceTwiceIsRefusedAndWithoutVerifyARadioEndsWritten) {
    StartIn(Language::English);
    const PtyServer& shelf = AddShelf(1, {{}});
    qputenv(ComPortVariable(2).c_str(), QByteArray::fromStdString(shelf.DevicePath()));
    InWindow([&](QDialog& dialog) {
        Tick(In<QCheckBox>(dialog, "chkPort2"));
        Click(In<QPushButton>(dialog, "cmdStart"));
        EXPECT_EQ(Text(dialog, "lblStatus"),
                  QStringLiteral("COM1 and COM2 stand for the same device %1: check only one of "
                                 "them.")
                      .arg(QString::fromStdString(shelf.DevicePath())));
        EXPECT_FALSE(Running(dialog));
        Tick(In<QCheckBox>(dialog, "chkPort2"));
        Tick(In<QCheckBox>(dialog, "chkVerify"));
        Click(In<QPushButton>(dialog, "cmdStart"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return Cell(dialog, 0, 2) == "1"; }, kLongWait));
        EXPECT_EQ(Text(dialog, "lblState1"), QStringLiteral("Written: remove the radio"));
        EXPECT_EQ(Cell(dialog, 0, 6), QStringLiteral("written"));
        EXPECT_EQ(Cell(dialog, 0, 7), QStringLiteral("not checked"));
        EXPECT_EQ(Text(dialog, "lblCounter0"), QStringLiteral("1"));
        EXPECT_EQ(Text(dialog, "lblCounter1"), QStringLiteral("0")) << "verified";
        Click(In<QPushButton>(dialog, "cmdStop"));
        ASSERT_TRUE(Finished(dialog));
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
    EXPECT_EQ(shelf.ShelfSnapshot()[0].record.blocksRead.size(), 24u)
        << "the backup's read, and no read-back";
}

// A log that cannot take the radio's line stops the station: the radio is in the table marked as
// not in the log, and a message box names it whole, so that nothing written is lost.
TEST_F(StationWindow, ALogThatCannotBeWrittenStopsTheStationAndNamesTheRadio) {
    StartIn(Language::English);
    AddShelf(1, {{}, {}});
    MessageBoxHand hand({kIdOk});
    InWindow([&](QDialog& dialog) {
        Click(In<QPushButton>(dialog, "cmdStart"));
        ASSERT_TRUE(Running(dialog));
        // The log made ready, then a folder where its file was.
        fs::remove(Log());
        fs::create_directory(Log());
        ASSERT_TRUE(Finished(dialog));
        ASSERT_TRUE(QTest::qWaitFor([&] { return hand.Seen().size() == 1; }));
        const QString fault = QStringLiteral("the programming log %1 cannot be written: ")
                                  .arg(QString::fromStdString(Log().string()));
        EXPECT_TRUE(hand.Seen()[0].text.startsWith(fault)) << hand.Seen()[0].text.toStdString();
        EXPECT_TRUE(
            hand.Seen()[0].text.contains(QStringLiteral("\n\nThese radios are not in the "
                                                        "log:\n")))
            << hand.Seen()[0].text.toStdString();
        EXPECT_TRUE(hand.Seen()[0].text.contains(QStringLiteral(",COM1,")));
        EXPECT_TRUE(Text(dialog, "lblStatus")
                        .startsWith(QStringLiteral("The station has stopped: ") + fault))
            << Text(dialog, "lblStatus").toStdString();
        EXPECT_TRUE(
            Text(dialog, "lblStatus")
                .endsWith(QStringLiteral("1 radio: 1 written, 1 verified, 0 failed, 0 skipped.")));
        ASSERT_EQ(In<QTableWidget>(dialog, "grdLog")->rowCount(), 1);
        EXPECT_EQ(Cell(dialog, 0, 9), QStringLiteral("(not in the log)"));
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
}

// In Chinese: no port checked, a pattern whose preview follows each key, one that is none, and a
// roster with a line the radio cannot hold, refused with its line when chosen and at Start; a
// good roster then programs the radio.
TEST_F(StationWindow, ValuesArePreviewedAndARosterWithABadLineIsRefusedWithItsLine) {
    StartIn(Language::Chinese);
    const PtyServer& shelf = AddShelf(1, {{}});
    const fs::path roster = folder / "roster.csv";
    std::ofstream(roster, std::ios::binary) << "line1\r\nA1\r\n" << std::string(40, 'X') << "\r\n";
    const QString rosterName = QString::fromStdString(roster.string());
    InWindow([&](QDialog& dialog) {
        Watch seen(dialog);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("编程工作站"));
        EXPECT_EQ(In<QWidget>(dialog, "txtLine1")->accessibleName(), QStringLiteral("第 1 行(I)"));
        Tick(In<QCheckBox>(dialog, "chkPort1"));
        Click(In<QPushButton>(dialog, "cmdStart"));
        EXPECT_EQ(Text(dialog, "lblStatus"),
                  QStringLiteral("没有勾选端口：请先勾选要写入的对讲机所在的端口。"));
        Tick(In<QCheckBox>(dialog, "chkPort1"));

        Tick(In<QRadioButton>(dialog, "optPatternLines"));
        TypeInto(In<QLineEdit>(dialog, "txtLine1"), QStringLiteral("UNIT {n:03}"));
        TypeInto(In<QSpinBox>(dialog, "spnFirst"), QStringLiteral("7"));
        EXPECT_EQ(Text(dialog, "lblPreview"),
                  QStringLiteral("第一台对讲机：第 1 行“UNIT 007”，第 2 行“”，之后逐台加一"));
        TypeInto(In<QLineEdit>(dialog, "txtLine1"), QStringLiteral("UNIT {x}"));
        EXPECT_TRUE(Text(dialog, "lblPreview").startsWith(QStringLiteral("第 1 行的格式：")))
            << Text(dialog, "lblPreview").toStdString();
        {
            MessageBoxHand hand({kIdOk});
            Click(In<QPushButton>(dialog, "cmdStart"));
            ASSERT_EQ(hand.Seen().size(), 1u);
            EXPECT_TRUE(hand.Seen()[0].text.startsWith(
                QStringLiteral("每台对讲机的嵌入信息不能使用：\n第 1 行的格式：")));
            EXPECT_TRUE(hand.Seen()[0].text.endsWith(QStringLiteral("\n\n工作站没有启动。")));
        }

        Tick(In<QRadioButton>(dialog, "optRosterLines"));
        EXPECT_FALSE(In<QLineEdit>(dialog, "txtLine1")->isEnabled());
        EXPECT_TRUE(Text(dialog, "lblPreview").startsWith(QStringLiteral("请选择名单文件")));
        const QString refused =
            QStringLiteral("名单文件 %1 不能使用：\n名单第 3 行的 line1：").arg(rosterName);
        {
            FileDialogHand chosen({rosterName});
            MessageBoxHand hand({kIdOk, kIdOk});
            Click(In<QPushButton>(dialog, "cmdRosterBrowse"));
            ASSERT_EQ(hand.Seen().size(), 1u) << "checked as it is chosen";
            EXPECT_TRUE(hand.Seen()[0].text.startsWith(refused))
                << hand.Seen()[0].text.toStdString();
            EXPECT_FALSE(hand.Seen()[0].text.contains(QStringLiteral("工作站没有启动")));
            Click(In<QPushButton>(dialog, "cmdStart"));
            ASSERT_EQ(hand.Seen().size(), 2u) << "and again at Start";
            EXPECT_TRUE(hand.Seen()[1].text.startsWith(refused));
            EXPECT_TRUE(hand.Seen()[1].text.endsWith(QStringLiteral("\n\n工作站没有启动。")));
        }
        EXPECT_FALSE(Running(dialog));
        EXPECT_EQ(shelf.Snapshot().sessions, 0);

        // The file mended after it was chosen: Start reads it again.
        std::ofstream(roster, std::ios::binary) << "line1\r\nA1\r\nA2\r\n";
        Click(In<QPushButton>(dialog, "cmdStart"));
        ASSERT_TRUE(QTest::qWaitFor([&] { return Text(dialog, "lblCounter0") == "1"; }, kLongWait));
        EXPECT_EQ(Text(dialog, "lblPreview"),
                  QStringLiteral("名单共 2 行；第一台对讲机：第 1 行“A1”，第 2 行“”"));
        EXPECT_TRUE(seen.Steps("lblState1").contains(QStringLiteral("校验一致：请取下对讲机")));
        EXPECT_TRUE(
            seen.Of("lblStatus").contains(QStringLiteral("COM1，第 1 台对讲机：已写入（响一声）")));
        EXPECT_EQ(Cell(dialog, 0, 4), QStringLiteral("A1"));
        EXPECT_EQ(Cell(dialog, 0, 6), QStringLiteral("已写入"));
        EXPECT_EQ(Cell(dialog, 0, 7), QStringLiteral("一致"));
        EXPECT_EQ(In<QWidget>(dialog, "lblState1")->accessibleName(), QStringLiteral("COM1 状态"));
        Click(In<QPushButton>(dialog, "cmdStop"));
        ASSERT_TRUE(Finished(dialog));
        Click(In<QPushButton>(dialog, "cmdClose"));
    });
    EXPECT_EQ(LineOne(shelf.ShelfSnapshot()[0].record), "A1");
}

// Escape asks before it stops a running station; Yes stops it and the window closes once the
// radio being written has finished.
TEST_F(StationWindow, EscapeAsksBeforeItStopsARunningStation) {
    StartIn(Language::English);
    const PtyServer& paced = AddPacedRadio(1);
    InWindow([&](QDialog& dialog) {
        Click(In<QPushButton>(dialog, "cmdStart"));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return Text(dialog, "lblState1").startsWith(QStringLiteral("Writing ")); },
            kLongWait));
        MessageBoxHand hand({kIdNo, kIdYes});
        // The box took the activation; the offscreen platform does not give it back.
        QTest::keyClick(&dialog, Qt::Key_Escape);
        ASSERT_EQ(hand.Seen().size(), 1u);
        EXPECT_EQ(hand.Seen()[0].text,
                  QStringLiteral("The programming station is running. Stop it, and close the "
                                 "window once the radios being written have finished?"));
        EXPECT_EQ(hand.Seen()[0].defaultButtonId, kIdNo);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(In<QPushButton>(dialog, "cmdStop")->text(), QStringLiteral("S&top"))
            << "No leaves it running";
        QTest::keyClick(&dialog, Qt::Key_Escape);
        ASSERT_EQ(hand.Seen().size(), 2u);
        EXPECT_TRUE(dialog.isVisible()) << "the radio being written finishes first";
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, kLongWait));
    });
    EXPECT_EQ(paced.Snapshot().blocksWritten.size(), 88u);
    ASSERT_EQ(LogRows().size(), 1u);
    EXPECT_EQ(LogRows()[0].verify, StationVerify::Verified);
}

// A session's end while the station runs: it takes no more radios, the radio being written
// finishes and is logged, and the program ends without a question.
TEST_F(StationWindow, ASessionsEndWaitsForTheRadioBeingWritten) {
    StartIn(Language::English);
    const PtyServer& paced = AddPacedRadio(1);
    MessageBoxHand hand;
    InWindow([&](QDialog& dialog) {
        Click(In<QPushButton>(dialog, "cmdStart"));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return Text(dialog, "lblState1").startsWith(QStringLiteral("Writing ")); },
            kLongWait));
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(In<QPushButton>(dialog, "cmdStop")->text(), QStringLiteral("Stop &now"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog.isVisible(); }, kLongWait));
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, kLongWait));
    EXPECT_TRUE(hand.Seen().empty()) << "nobody is asked";
    EXPECT_EQ(paced.Snapshot().blocksWritten.size(), 88u);
    ASSERT_EQ(LogRows().size(), 1u);
}

// While the main window reads a radio the station waits, its key too: the station would open the
// port the read has open.
TEST_F(StationWindow, TheStationWaitsWhileATransferRuns) {
    StartIn(Language::English);
    StartRadio(blank, 0, {}, true);
    Action("mnureadFre")->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Action("mnuStation")->isEnabled(); }));
    ASSERT_TRUE(TransferDone(60000));
    EXPECT_TRUE(Action("mnuStation")->isEnabled());
}

}  // namespace
}  // namespace qv
