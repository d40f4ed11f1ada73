// What reached the radio, from the desktop program: verify after write, the backup before a write
// and the backups kept at every read and write, restoring one, and comparing with a radio.
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

#include <fstream>
#include <set>

#include "gui/mainwindow/plans_test_support.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "rules/backups/backup_rows.h"
#include "rules/backups/backups.h"
#include "rules/program/dat_file.h"
#include "rules/program/startup.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

using test::Click;
using test::Contents;
using test::MessageBoxHand;
using test::WindowHand;

namespace fs = std::filesystem;

constexpr Parameters kEnglish{0, 0, 1};

// Answers the message boxes as they open with the keyboard, as a user at the keys does: Enter
// takes the default button, or Tab moves to the button of `answers` and Space presses it. Records
// each box's text, its default button and what the status label showed meanwhile.
class KeyedBoxHand : public QObject {
  public:
    struct Seen {
        QString text;
        int defaultButtonId = 0;
        QString status;  // the status label's text meanwhile, blinking or not
    };

    KeyedBoxHand(QWidget& window, std::vector<int> answers)
        : window_(window), answers_(std::move(answers)) {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start();
    }
    const std::vector<Seen>& Boxes() const { return seen_; }

  private:
    void Poll() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible() || box->property("qvKeyed").toBool()) return;
        box->setProperty("qvKeyed", true);
        auto* status = window_.findChild<QLabel*>(QStringLiteral("Label"));
        Seen seen{box->text(), 0, status->text()};
        if (box->defaultButton() != nullptr) {
            seen.defaultButtonId = box->defaultButton()->property("qvButtonId").toInt();
        }
        seen_.push_back(seen);
        const int wanted = seen_.size() <= answers_.size() ? answers_[seen_.size() - 1] : 0;
        QMetaObject::invokeMethod(
            this, [box, wanted] { Press(box, wanted); }, Qt::QueuedConnection);
    }
    static void Press(QMessageBox* box, int wanted) {
        if (wanted == 0) {
            QTest::keyClick(box, Qt::Key_Return);
            return;
        }
        for (int k = 0; k < 4; ++k) {
            QWidget* focus = QApplication::focusWidget();
            if (focus != nullptr && focus->property("qvButtonId").toInt() == wanted) break;
            QTest::keyClick(focus != nullptr ? focus : box, Qt::Key_Tab);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }

    QWidget& window_;
    std::vector<int> answers_;  // 0: Enter
    std::vector<Seen> seen_;
    QTimer timer_;
};

// What the comparison window showed: its summary, column headers and rows.
struct Comparison {
    QString summary;
    QStringList headers;
    std::vector<QStringList> rows;
};

class RadioMemoryTest : public test::GuiTest {
  protected:
    // The radio's set-up before anything is written: channel 1 only, embedded line "old".
    static ImageBytes OldRadioImage() {
        test::ScriptedHost host;
        ProgramState radioSetup = StartupState(host, 1);
        radioSetup.Grid1[1] = {radioSetup.Grid1[1][0],
                               "455.12500",
                               "67.0",
                               "456.00000",
                               "Off",
                               "Hight",
                               "Off",
                               "Wide",
                               "Have"};
        radioSetup.EmbeddedInfo[0] = radioSetup.Form7.Text1 = "old";
        return EncodeImage(radioSetup);
    }
    // The shown set-up: the radio's, with channel G2- 05 (written in frame 61) added.
    void ShowNewSetUp() {
        ASSERT_TRUE(DecodeIntoState(OldRadioImage()));
        State().Grid1[21] = {State().Grid1[21][0],
                             "462.56250",
                             "D023N",
                             "467.56250",
                             "D023N",
                             "Low",
                             "Off",
                             "Narrow",
                             "No"};
        program->Changed(StatePart::Grid);
    }
    bool DecodeIntoState(const ImageBytes& image) {
        const fs::path path = folder / "start.DAT";
        if (!WriteDatFile(path, image).ok()) return false;
        test::FileDialogHand hand({QString::fromStdString(path.string())});
        Action("mnuOpen")->trigger();
        return State().Grid1[1][1] == "455.12500";
    }
    std::vector<BackupEntry> Backups() { return ListBackups(folder / "backups").entries; }
    std::multiset<BackupKind> BackupKinds() {
        std::multiset<BackupKind> kinds;
        for (const BackupEntry& entry : Backups()) kinds.insert(entry.kind);
        return kinds;
    }
    ImageBytes BackupBytes(BackupKind kind) {
        for (const BackupEntry& entry : Backups()) {
            ImageBytes image{};
            if (entry.kind == kind && ReadDatFile(entry.path, image).ok()) return image;
        }
        ADD_FAILURE() << "no backup of that kind";
        return {};
    }
    QString WriteResult() {
        auto* line = Find<QLabel>("lblWriteResult");
        return line->isVisible() ? line->text() : QString();
    }
    // Chooses Compare with radio from the Programming menu and reads the window it opens, then
    // closes it with Escape.
    Comparison CompareWithRadio() {
        Comparison seen;
        WindowHand compare([&](QDialog& dialog) {
            seen.summary = dialog.findChild<QLabel*>(QStringLiteral("lblSummary"))->text();
            auto* table = dialog.findChild<QTableWidget*>(QStringLiteral("grdDifferences"));
            for (int column = 0; column < table->columnCount(); ++column) {
                seen.headers << table->horizontalHeaderItem(column)->text();
            }
            for (int row = 0; row < table->rowCount(); ++row) {
                seen.rows.push_back({table->item(row, 0)->text(), table->item(row, 1)->text(),
                                     table->item(row, 2)->text()});
            }
            QTest::keyClick(table->isVisible() ? static_cast<QWidget*>(table) : &dialog,
                            Qt::Key_Escape);
        });
        ChooseFromMenu("mnupro", Qt::Key_P, "mnuCompare");
        EXPECT_TRUE(QTest::qWaitFor([&] { return compare.Acted(); }, 30000));
        EXPECT_TRUE(TransferDone(30000));
        return seen;
    }
    // Chooses a menu item as a keyboard user does: Alt and the menu's letter, then the item's.
    void ChooseFromMenu(const char* menu, Qt::Key menuKey, const char* item) {
        QApplication::processEvents();
        if (!window->isActiveWindow()) {
            window->activateWindow();
            QApplication::processEvents();
        }
        QTest::keyClick(window.get(), menuKey, Qt::AltModifier);
        auto* open = Find<QMenu>(menu);
        ASSERT_TRUE(QTest::qWaitFor([&] { return open->isVisible(); }, 2000)) << menu;
        ASSERT_NE(Action(item), nullptr);
        open->setActiveAction(Action(item));
        QTest::keyClick(open, Qt::Key_Return);
    }
};

// The two choices start as verify off and the backup on, and come back as the user left them,
// in a file of their own: the parameter file keeps its three bytes.
TEST_F(RadioMemoryTest, TheWriteChoicesAreRememberedBesideTheParameterFile) {
    Start(kEnglish);
    EXPECT_FALSE(Action("mnuVerifyWrite")->isChecked());
    EXPECT_TRUE(Action("mnuBackupFirst")->isChecked());
    Action("mnuVerifyWrite")->trigger();
    Action("mnuBackupFirst")->trigger();
    EXPECT_EQ(Contents(folder / "qv7100.conf"), "verify-after-write=yes\nbackup-before-write=no\n");
    window->close();
    window.reset();
    program.reset();
    EXPECT_EQ(fs::file_size(folder / "parameter"), 3u);
    Start();
    EXPECT_TRUE(Action("mnuVerifyWrite")->isChecked());
    EXPECT_FALSE(Action("mnuBackupFirst")->isChecked());
    EXPECT_EQ(Action("mnuVerifyWrite")->text(), QStringLiteral("&Verify after write"));
}

// A radio that acknowledges a block without storing it is caught by the read-back and named;
// one that stores everything is verified. Either way the radio's memory before the write and
// after it are kept.
TEST_F(RadioMemoryTest, VerifyAfterWriteNamesWhatTheRadioDidNotStore) {
    Start(kEnglish);
    Action("mnuVerifyWrite")->trigger();
    ShowNewSetUp();
    const struct {
        RadioFault fault;
        QString result;
        std::vector<QString> boxes;
        QString details;
    } cases[] = {
        {{}, "Verified: the radio holds what was written.", {}, {}},
        {{RadioFaultKind::DropsBlock, 61},
         "Verify failed: the radio holds 1 difference from what was written.",
         {"Verify failed: the radio holds 1 difference from what was written."},
         "channel G2- 05: wrote 462.56250 D023N 467.56250 D023N Low Off Narrow No, radio holds "
         "(empty)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(RadioFaultName(c.fault));
        StartRadio(OldRadioImage(), 0, c.fault);
        MessageBoxHand hand;
        Action("mnuwriteFre")->trigger();
        ASSERT_TRUE(TransferDone(30000));
        ASSERT_EQ(hand.Seen().size(), c.boxes.size());
        for (std::size_t k = 0; k < c.boxes.size(); ++k) {
            EXPECT_EQ(hand.Seen()[k].text, c.boxes[k]);
            EXPECT_TRUE(hand.Seen()[k].details.contains(c.details))
                << hand.Seen()[k].details.toStdString();
        }
        EXPECT_EQ(WriteResult(), c.result);
        EXPECT_EQ(Find<QLabel>("Label")->text(), QStringLiteral("Write frequency success!"))
            << "the read-back ends the write";
        EXPECT_TRUE(Action("mnuwriteFre")->isEnabled());
        radio->Stop();
    }
    EXPECT_EQ(BackupKinds(),
              (std::multiset<BackupKind>{BackupKind::BeforeWrite, BackupKind::BeforeWrite,
                                         BackupKind::Written, BackupKind::Written}));
    ImageBytes old = OldRadioImage();
    EXPECT_EQ(BackupBytes(BackupKind::BeforeWrite), old);
    Action("mnuChinese")->trigger();
    EXPECT_EQ(WriteResult(), QStringLiteral("校验失败：对讲机中有 1 处与写入的不同。"));
}

// The backup read before a write goes back into the radio byte for byte from the restore window,
// and the shown set-up stays as it was.
TEST_F(RadioMemoryTest, ABackupMadeBeforeAWriteRestoresTheRadiosOldMemory) {
    Start(kEnglish);
    ShowNewSetUp();
    StartRadio(OldRadioImage(), 0);
    {
        MessageBoxHand hand;
        Action("mnuwriteFre")->trigger();
        ASSERT_TRUE(TransferDone(30000));
        EXPECT_TRUE(hand.Seen().empty());
    }
    ASSERT_NE(radio->Snapshot().ImagePart()[0x440 - 0x10], 0xFF) << "G2- 05 was written";
    EXPECT_EQ(BackupKinds(),
              (std::multiset<BackupKind>{BackupKind::BeforeWrite, BackupKind::Written}));
    const ImageBytes shown = EncodeImage(State());

    QStringList rows;
    WindowHand restore([&](QDialog& dialog) {
        auto* list = dialog.findChild<QTableWidget*>(QStringLiteral("grdBackups"));
        for (int row = 0; row < list->rowCount(); ++row) {
            rows << list->item(row, kBackupKindColumn)->text();
        }
        EXPECT_EQ(list->accessibleName(), QStringLiteral("Backups"));
        EXPECT_EQ(dialog.focusWidget(), list) << "the list is where the keys go";
        // Down to the backup made before the write, then its button.
        QTest::keyClick(list, Qt::Key_Down);
        Click(dialog.findChild<QPushButton*>(QStringLiteral("cmdWriteRadio")));
    });
    MessageBoxHand hand({kIdYes});
    ChooseFromMenu("mnuFile", Qt::Key_F, "mnuRestoreBackup");
    ASSERT_TRUE(restore.Acted());
    EXPECT_EQ(rows, QStringList({"written", "before write"})) << "newest first";
    ASSERT_TRUE(TransferDone(30000));
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_TRUE(hand.Seen()[0].text.startsWith(QStringLiteral("Write the backup of ")));
    const ImageBytes old = OldRadioImage();
    const RadioRecord record = radio->Snapshot();
    const auto memory = record.ImagePart();
    EXPECT_TRUE(std::equal(old.begin(), old.end(), memory.begin()));
    EXPECT_EQ(EncodeImage(State()), shown) << "the shown set-up is left as it was";
}

// A radio that cannot be read into its backup is not written: the status bar says so under the
// communication error.
TEST_F(RadioMemoryTest, NothingIsWrittenWhenTheBackupCannotBeRead) {
    Start(kEnglish);
    ShowNewSetUp();
    StartRadio(OldRadioImage(), 0, RadioFault{RadioFaultKind::Silent, 0});
    MessageBoxHand hand({kIdOk});
    Action("mnuwriteFre")->trigger();
    ASSERT_TRUE(TransferDone(30000));
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].icon, QMessageBox::Critical);
    EXPECT_EQ(
        WriteResult(),
        QStringLiteral("Nothing was written: the radio could not be read into a backup first."));
    EXPECT_TRUE(radio->Snapshot().blocksWritten.empty());
    EXPECT_TRUE(Action("mnuwriteFre")->isEnabled());
    EXPECT_TRUE(Backups().empty());
}

// The window lists a damaged backup as damaged and opens only a sound one, as a file is opened:
// one step to undo, the title naming it.
TEST_F(RadioMemoryTest, RestoreOpensAReadBackupAsAFileAndListsADamagedOneAsDamaged) {
    Start(kEnglish);
    StartRadio(OldRadioImage(), 0);
    Action("mnureadFre")->trigger();
    ASSERT_TRUE(TransferDone(30000));
    ASSERT_EQ(BackupKinds(), std::multiset<BackupKind>{BackupKind::Read});
    std::ofstream(folder / "backups" / "2020-01-01_00-00-00_400-470MHz_read.DAT") << "PLQ82 short";
    {
        MessageBoxHand hand({kIdOk});
        Action("mnuNew")->trigger();
        ASSERT_EQ(State().Grid1[1][1], "");
    }

    QStringList channels;
    bool openWhenDamaged = true;
    WindowHand restore([&](QDialog& dialog) {
        auto* list = dialog.findChild<QTableWidget*>(QStringLiteral("grdBackups"));
        auto* open = dialog.findChild<QPushButton*>(QStringLiteral("cmdOpen"));
        for (int row = 0; row < list->rowCount(); ++row) {
            channels << list->item(row, kBackupChannelsColumn)->text();
        }
        QTest::keyClick(list, Qt::Key_Down);
        openWhenDamaged = open->isEnabled();
        QTest::keyClick(list, Qt::Key_Up);
        QTest::keyClick(list, Qt::Key_Return);
    });
    ChooseFromMenu("mnuFile", Qt::Key_F, "mnuRestoreBackup");
    ASSERT_TRUE(restore.Acted());
    EXPECT_EQ(channels, QStringList({"1", "damaged"}));
    EXPECT_FALSE(openWhenDamaged);
    EXPECT_EQ(State().Grid1[1][1], "455.12500");
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("_read.DAT")));
    Action("mnuUndo")->trigger();
    EXPECT_EQ(State().Grid1[1][1], "") << "one step back is the set-up before";
}

// Compare reads the radio without changing what is shown, and lists field, shown and radio.
TEST_F(RadioMemoryTest, CompareWithRadioListsTheDifferencesAndChangesNothing) {
    Start(kEnglish);
    ShowNewSetUp();
    const ImageBytes shown = EncodeImage(State());
    const int step = program->History().Stack().index();
    StartRadio(OldRadioImage(), 0);
    const Comparison seen = CompareWithRadio();
    EXPECT_EQ(seen.summary, QStringLiteral("The set-up shown and the radio differ in 1 place:"));
    EXPECT_EQ(seen.headers, QStringList({"Field", "Shown", "Radio"}));
    ASSERT_EQ(seen.rows.size(), 1u);
    EXPECT_EQ(seen.rows[0],
              QStringList({"channel G2- 05", "462.56250 D023N 467.56250 D023N Low Off Narrow No",
                           "(empty)"}));
    EXPECT_EQ(EncodeImage(State()), shown);
    EXPECT_EQ(program->History().Stack().index(), step) << "no step to undo";
    EXPECT_EQ(BackupKinds(), std::multiset<BackupKind>{BackupKind::Read});
}

// A radio of another band holding the very set-up shown is not the same: the write would ask.
TEST_F(RadioMemoryTest, CompareWithARadioOfAnotherBandNamesTheBands) {
    Start(kEnglish);
    ASSERT_TRUE(DecodeIntoState(OldRadioImage()));
    StartRadio(OldRadioImage(), 1);
    const Comparison seen = CompareWithRadio();
    EXPECT_EQ(seen.summary, QStringLiteral("The set-up shown and the radio differ in 1 place:"));
    ASSERT_EQ(seen.rows.size(), 1u);
    EXPECT_EQ(seen.rows[0], QStringList({"Model", "400-470MHz", "450-490MHz"}));

    StartRadio(OldRadioImage(), 0);
    EXPECT_EQ(CompareWithRadio().summary,
              QStringLiteral("The set-up shown and the radio hold the same."));
}

// A backup folder that cannot be made is told once, after the read, which goes through.
TEST_F(RadioMemoryTest, ABackupThatCannotBeKeptIsToldOnceAndTheReadGoesOn) {
    std::ofstream(folder / "backups") << "a file where the folder should be";
    Start(kEnglish);
    StartRadio(OldRadioImage(), 0);
    MessageBoxHand hand;
    Action("mnureadFre")->trigger();
    ASSERT_TRUE(TransferDone(30000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !hand.Seen().empty(); }, 2000));
    EXPECT_EQ(State().Grid1[1][1], "455.12500");
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_TRUE(hand.Seen()[0].text.startsWith(QStringLiteral("The backup ")))
        << hand.Seen()[0].text.toStdString();
}

// Backup first means backup first: the radio's memory was read but cannot be kept, and the question
// whether to write without it is answered with the keys: Enter takes No, the default; Tab to Yes
// and Space writes.
TEST_F(RadioMemoryTest, WritingWithoutTheBackupIsAskedAndNoIsTheDefault) {
    std::ofstream(folder / "backups") << "a file where the folder should be";
    Start(kEnglish);
    ShowNewSetUp();
    ASSERT_TRUE(Action("mnuBackupFirst")->isChecked());
    const struct {
        const char* what;
        int key;  // 0: Enter
        bool written;
        QString result;
    } cases[] = {
        {"Enter", 0, false, "Nothing was written: the radio's backup could not be saved."},
        {"Tab to Yes, Space", kIdYes, true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        StartRadio(OldRadioImage(), 0);
        KeyedBoxHand hand(*window, {c.key});
        Action("mnuwriteFre")->trigger();
        ASSERT_TRUE(TransferDone(30000));
        ASSERT_EQ(hand.Boxes().size(), 1u) << "asked once, and not told again";
        const KeyedBoxHand::Seen& question = hand.Boxes()[0];
        EXPECT_TRUE(question.text.startsWith("The radio's memory was read, but its backup "))
            << question.text.toStdString();
        EXPECT_TRUE(question.text.contains("_COM1_before-write.DAT could not be saved: "))
            << question.text.toStdString();
        EXPECT_TRUE(question.text.endsWith("Write the radio without a backup?"));
        EXPECT_EQ(question.defaultButtonId, kIdNo);
        EXPECT_EQ(radio->Snapshot().blocksWritten.empty(), !c.written);
        EXPECT_EQ(WriteResult(), c.result);
        EXPECT_EQ(Find<QLabel>("Label")->text() == "Write frequency success!", c.written);
        radio->Stop();
    }
    Action("mnuChinese")->trigger();
    EXPECT_EQ(WriteResult(), QString()) << "the last write went through";
}

// What became of a write's backup is told before the write's success shows.
TEST_F(RadioMemoryTest, ABackupProblemIsToldBeforeTheWritesSuccess) {
    std::ofstream(folder / "backups") << "a file where the folder should be";
    Start(kEnglish);
    Action("mnuBackupFirst")->trigger();
    ASSERT_FALSE(Action("mnuBackupFirst")->isChecked());
    ShowNewSetUp();
    StartRadio(OldRadioImage(), 0);
    KeyedBoxHand hand(*window, {});
    Action("mnuwriteFre")->trigger();
    ASSERT_TRUE(TransferDone(30000));
    ASSERT_EQ(hand.Boxes().size(), 1u);
    EXPECT_TRUE(hand.Boxes()[0].text.startsWith("The backup "))
        << hand.Boxes()[0].text.toStdString();
    EXPECT_TRUE(hand.Boxes()[0].text.contains("_COM1_sent.DAT could not be saved: "))
        << "without a read, the backup holds what was sent";
    EXPECT_NE(hand.Boxes()[0].status, "Write frequency success!") << "not yet";
    EXPECT_EQ(Find<QLabel>("Label")->text(), "Write frequency success!");
    EXPECT_EQ(radio->Snapshot().blocksWritten.size(), 88u);
}

// A backups folder that cannot be read is said to be so, not to hold no backups yet.
TEST_F(RadioMemoryTest, TheRestoreWindowSaysWhenTheFolderCannotBeRead) {
    std::ofstream(folder / "backups") << "a file where the folder should be";
    Start(kEnglish);
    QString head;
    WindowHand restore([&](QDialog& dialog) {
        head = dialog.findChild<QLabel*>(QStringLiteral("lblFolder"))->text();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    ChooseFromMenu("mnuFile", Qt::Key_F, "mnuRestoreBackup");
    ASSERT_TRUE(restore.Acted());
    EXPECT_EQ(head, QString::fromStdString("The backups folder " + (folder / "backups").string() +
                                           " cannot be read: Not a directory"));
}

}  // namespace
}  // namespace qv
