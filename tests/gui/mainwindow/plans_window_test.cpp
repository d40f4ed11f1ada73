// Channel plans in the desktop program: the import window with what it will do and the rows it
// skips, the import as one step, the export, copy and paste in the grid, and the PDF page.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include <regex>
#include <set>

#include "gui/mainwindow/plans_test_support.h"
#include "i18n/msgbox.h"

namespace qv {
namespace {

using test::Click;
using test::Contents;
using test::FileDialogHand;
using test::MessageBoxHand;
using test::WindowHand;

// Rows 1 and 5 import; line 3 lies outside 400-470MHz, line 4 asks for a tone the radio lacks,
// line 5 for a mode it lacks.
constexpr const char* kPlan =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment\r\n"
    "1,A,435.125000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,12.50,,High,\r\n"
    "2,B,145.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,High,\r\n"
    "3,C,436.000000,,0.000000,Tone,199.5,88.5,023,NN,023,Tone->Tone,FM,12.50,,High,\r\n"
    "4,D,437.000000,+,5.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,AM,12.50,S,Low,\r\n"
    "5,E,438.000000,,0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,12.50,S,Low,\r\n";

// The streams of a PDF file, inflated: the pages' drawing operators among them.
std::string PdfStreams(const std::string& pdf) {
    std::string streams;
    for (std::size_t at = pdf.find("stream"); at != std::string::npos;
         at = pdf.find("stream", at)) {
        std::size_t start = at + 6;
        if (pdf.compare(start, 2, "\r\n") == 0)
            start += 2;
        else if (pdf[start] == '\n')
            start += 1;
        const std::size_t end = pdf.find("endstream", start);
        if (end == std::string::npos) break;
        QByteArray packed(4, '\0');  // qUncompress wants the inflated size first: unknown
        packed[0] = '\x7f';
        packed += QByteArray::fromStdString(pdf.substr(start, end - start));
        const QByteArray inflated = qUncompress(packed);
        streams += inflated.isEmpty() ? std::string() : inflated.toStdString() + "\n";
        at = end + 9;
    }
    return streams;
}

// What the import window showed.
struct ImportSeen {
    QString fileDialogTitle;
    QString summary;
    QString skippedHead;
    std::vector<QStringList> skipped;  // line, Location, reason
    QString fromChannel;
};

class Plans : public test::PlansTest {
  protected:
    std::filesystem::path PlanFile(const char* text = kPlan) {
        const std::filesystem::path path = folder / "plan.csv";
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    // Channel 2 holds a channel before the import (an English window's cells).
    void PutChannel2() {
        PutChannel(2, {"440.00000", "Off", "440.00000", "Off", "Hight", "Off", "Wide", "Have"},
                   {0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0});
    }
    // Imports the plan file through the menu; the window is answered by `act`, after its texts
    // were taken down.
    ImportSeen Import(const std::function<void(QDialog&)>& act, std::filesystem::path file = {}) {
        ImportSeen seen;
        FileDialogHand files({Name(file.empty() ? PlanFile() : file)});
        WindowHand hand([&](QDialog& dialog) {
            seen.summary = dialog.findChild<QLabel*>("lblSummary")->text();
            seen.skippedHead = dialog.findChild<QLabel*>("lblSkipped")->text();
            auto* table = dialog.findChild<QTableWidget*>("grdSkipped");
            for (int row = 0; row < table->rowCount(); ++row) {
                QStringList cells;
                for (int column = 0; column < table->columnCount(); ++column) {
                    cells << table->item(row, column)->text();
                }
                seen.skipped.push_back(cells);
            }
            seen.fromChannel = dialog.findChild<QComboBox*>("cboFromChannel")->currentText();
            act(dialog);
        });
        Action("mnuImportCsv")->trigger();
        EXPECT_TRUE(hand.Acted());
        seen.fileDialogTitle = files.Titles().value(0);
        return seen;
    }
    static void Press(QDialog& dialog, const char* button) {
        Click(dialog.findChild<QPushButton*>(QString::fromLatin1(button)));
    }
    // Picks cells as a user does: a click on the first, and on each of the others with Ctrl held.
    void PickCells(std::initializer_list<std::pair<int, int>> cells) {
        Qt::KeyboardModifiers modifiers;
        QWidget* viewport = Grid()->viewport();
        for (const auto& [channel, column] : cells) {
            Grid()->scrollTo(Cell(channel, column));
            const QPoint at = CellRect(channel, column).center();
            QTest::mousePress(viewport, Qt::LeftButton, modifiers, at);
            QTest::mouseRelease(viewport, Qt::LeftButton, modifiers, at);
            modifiers = Qt::ControlModifier;
        }
        EXPECT_TRUE(ShownEditors().empty()) << "picking opens no editor";
    }
};

TEST_F(Plans, TheImportWindowShowsTheSkippedRowsAndOkAppliesItAsOneStep) {
    Start(Parameters{0, 0, 1});
    PutChannel2();
    const qv::Setup before = State();
    const ImportSeen seen = Import([](QDialog& dialog) { Press(dialog, "cmdOk"); });

    EXPECT_EQ(seen.fileDialogTitle, QStringLiteral("Import channels (CSV)"));
    EXPECT_EQ(seen.fromChannel, QStringLiteral("First empty channel (1 G1-01)"));
    EXPECT_EQ(seen.summary, QStringLiteral("2 channel(s) will be filled: 1-2. 1 of them hold a "
                                           "channel now, which will be replaced: 2."));
    EXPECT_EQ(seen.skippedHead, QStringLiteral("Rows skipped (3):"));
    ASSERT_EQ(seen.skipped.size(), 3u);
    const char* lines[][2] = {{"3", "2"}, {"4", "3"}, {"5", "4"}};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(seen.skipped[k][0], QString::fromLatin1(lines[k][0]));
        EXPECT_EQ(seen.skipped[k][1], QString::fromLatin1(lines[k][1]));
        EXPECT_FALSE(seen.skipped[k][2].isEmpty());
    }
    EXPECT_TRUE(seen.skipped[0][2].contains(QStringLiteral("145.5"))) << "out of band";
    EXPECT_TRUE(seen.skipped[2][2].contains(QStringLiteral("AM")));

    EXPECT_EQ(Shown(1, kColRxFrequency), QStringLiteral("435.12500"));
    EXPECT_EQ(Shown(2, kColRxFrequency), QStringLiteral("438.00000")) << "replaced";
    EXPECT_EQ(Shown(2, kColScan), QStringLiteral("No")) << "Skip S: out of the scan";
    EXPECT_TRUE(State().Grid1[3][kColRxFrequency].empty());

    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(static_cast<const qv::Setup&>(State()), before) << "one step undoes the whole import";
}

TEST_F(Plans, AChosenStartChannelReplacesWhatIsThereAndCancelChangesNothing) {
    Start(Parameters{0, 0, 1});
    PutChannel2();
    const qv::Setup before = State();
    ImportSeen seen = Import([](QDialog& dialog) {
        // Down twice from the first empty channel: channel 2.
        auto* from = dialog.findChild<QComboBox*>("cboFromChannel");
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Down);
        QTest::keyClick(from, Qt::Key_Down);
        Press(dialog, "cmdCancel");
    });
    EXPECT_EQ(static_cast<const qv::Setup&>(State()), before);
    const int steps = program->History().Stack().count();

    seen = Import([](QDialog& dialog) {
        auto* from = dialog.findChild<QComboBox*>("cboFromChannel");
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Down);
        QTest::keyClick(from, Qt::Key_Down);
        EXPECT_EQ(dialog.findChild<QLabel*>("lblSummary")->text(),
                  QStringLiteral("2 channel(s) will be filled: 2-3. 1 of them hold a channel now, "
                                 "which will be replaced: 2."));
        Press(dialog, "cmdOk");
    });
    EXPECT_EQ(Shown(2, kColRxFrequency), QStringLiteral("435.12500"));
    EXPECT_EQ(Shown(3, kColRxFrequency), QStringLiteral("438.00000"));
    EXPECT_EQ(program->History().Stack().count(), steps + 1) << "Cancel made no step; OK one";
}

TEST_F(Plans, TheImportWindowSpeaksChinese) {
    Start();
    const ImportSeen seen = Import([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("导入信道 (CSV)"));
        EXPECT_EQ(dialog.findChild<QPushButton*>("cmdOk")->text(), QStringLiteral("确定"));
        auto* skipped = dialog.findChild<QTableWidget*>("grdSkipped");
        EXPECT_EQ(skipped->accessibleName(), QStringLiteral("跳过的行"));
        QStringList headers;
        for (int column = 0; column < skipped->columnCount(); ++column) {
            headers << skipped->horizontalHeaderItem(column)->text();
        }
        EXPECT_EQ(headers, (QStringList{QStringLiteral("行"), QStringLiteral("位置"),
                                        QStringLiteral("原因")}));
        EXPECT_EQ(dialog.findChild<QCheckBox*>("chkAtLocation")->text(),
                  QStringLiteral("每行放入其 Location 所指的信道(&L)"));
        Press(dialog, "cmdCancel");
    });
    EXPECT_EQ(seen.fileDialogTitle, QStringLiteral("导入信道 (CSV)"));
    EXPECT_EQ(seen.summary, QStringLiteral("将填入 2 个信道：1-2。"));
    EXPECT_EQ(seen.skippedHead, QStringLiteral("跳过的行（3）："));
    EXPECT_EQ(seen.fromChannel, QStringLiteral("第一个空信道（1 G1-01）"));
}

// Channels with gaps between them, exported and imported at their Locations, come back where
// they were; the export says what it wrote, and where.
TEST_F(Plans, AnExportedPlanComesBackIntoItsChannelsAtTheirLocations) {
    Start(Parameters{0, 0, 1});
    const struct {
        int channel;
        const char* frequency;
        const char* power;
        int powerPosition;
    } channels[] = {
        {3, "441.00000", "Hight", 1}, {5, "442.50000", "Low", 0}, {16, "469.99500", "Hight", 1}};
    for (const auto& c : channels) {
        PutChannel(c.channel,
                   {c.frequency, "Off", c.frequency, "Off", c.power, "Off", "Wide", "Have"},
                   {0, 0, 0, 0, 0, c.powerPosition, 0, 1, 1, 0, 0, 0});
    }
    const qv::Setup exportedSetup = State();
    const std::filesystem::path exported = folder / "gaps.csv";
    {
        FileDialogHand files({Name(exported)});
        MessageBoxHand hand({kIdOk});
        Action("mnuExportCsv")->trigger();
        EXPECT_EQ(files.Titles(), QStringList{QStringLiteral("Export channels (CSV)")});
        ASSERT_EQ(hand.Seen().size(), 1u) << "a successful export says so";
        EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("3 channel(s) exported to %1.")
                                           .arg(QDir::toNativeSeparators(Name(exported))));
    }
    const std::string csv = Contents(exported);
    EXPECT_TRUE(csv.starts_with("Location,Name,Frequency,")) << csv;
    for (const char* row : {"\r\n3,G1-03,441.000000,", "\r\n5,G1-05,", "\r\n16,G1-16,"}) {
        EXPECT_NE(csv.find(row), std::string::npos) << row << csv;
    }
    {
        MessageBoxHand hand({kIdDiscard});
        Action("mnuNew")->trigger();
    }
    ASSERT_FALSE(ChannelInUse(State(), 3));

    const ImportSeen seen = Import(
        [](QDialog& dialog) {
            auto* atLocation = dialog.findChild<QCheckBox*>("chkAtLocation");
            EXPECT_EQ(atLocation->text(),
                      QStringLiteral("Put each row into the channel its &Location names"));
            // Its underlined letter, as the keyboard reaches it: the box shows a click and
            // changes a moment later.
            dialog.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_L, Qt::AltModifier);
            EXPECT_TRUE(QTest::qWaitFor([&] { return atLocation->isChecked(); }));
            EXPECT_FALSE(dialog.findChild<QComboBox*>("cboFromChannel")->isEnabled());
            EXPECT_EQ(dialog.findChild<QLabel*>("lblSummary")->text(),
                      QStringLiteral("3 channel(s) will be filled: 3, 5, 16."));
            Press(dialog, "cmdOk");
        },
        exported);
    EXPECT_EQ(seen.summary, QStringLiteral("3 channel(s) will be filled: 1-3."))
        << "from the first empty channel until the choice is made";
    EXPECT_EQ(State().Grid1, exportedSetup.Grid1);
    EXPECT_EQ(State().ChannelFlags, exportedSetup.ChannelFlags);
}

TEST_F(Plans, CopiedChannelsPasteIntoOtherRowsAsOneStep) {
    Start(Parameters{0, 0, 1});
    PutChannel(2, {"440.00000", "88.5", "445.00000", "D023N", "Low", "Off", "Narrow", "No"},
               {0, 0, 9, 0, 51, 0, 0, 0, 0, 0, 0, 0});
    PutChannel(3, {"441.00000", "Off", "441.00000", "Off", "Hight", "Carrow", "Wide", "Have"},
               {0, 0, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0});
    // Channels 2 and 3 by their labels: a press, then a press with Shift.
    QWidget* viewport = Grid()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, CellRect(2, 0).center());
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, CellRect(2, 0).center());
    QTest::mousePress(viewport, Qt::LeftButton, Qt::ShiftModifier, CellRect(3, 0).center());
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::ShiftModifier, CellRect(3, 0).center());
    EXPECT_TRUE(ShownEditors().empty()) << "selecting opens no editor";
    Shortcut(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("G1-02\t440.00000\t88.5\t445.00000\tD023N\tLow\tOff\tNarrow\tNo\n"
                             "G1-03\t441.00000\tOff\t441.00000\tOff\tHight\tCarrow\tWide\tHave\n"));
    const qv::Setup copied = State();

    MessageBoxHand hand;
    MoveTo(10, kColRxFrequency);
    Key(Qt::Key_Left);  // moves no further than the receive frequency
    Shortcut(Qt::Key_V, Qt::ControlModifier);
    for (int column = 1; column <= 8; ++column) {
        EXPECT_EQ(Shown(10, column), Shown(2, column)) << column;
        EXPECT_EQ(Shown(11, column), Shown(3, column)) << column;
    }
    EXPECT_EQ(State().ChannelFlags[10], State().ChannelFlags[2]);
    EXPECT_TRUE(hand.Seen().empty()) << "every cell landed";
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(static_cast<const qv::Setup&>(State()), copied) << "the paste is one step";
}

// Cells picked one by one with Ctrl held copy as the table they form, or not at all: a gap
// copied as an empty cell would delete the channel it is pasted on.
TEST_F(Plans, OnlyCellsThatFormATableAreCopied) {
    Start(Parameters{0, 0, 1});
    const char* frequencies[] = {"441.00000", "442.00000", "443.00000", "444.00000"};
    for (int k = 0; k < 4; ++k) {
        PutChannel(2 + 3 * k,
                   {frequencies[k], "Off", frequencies[k], "Off", "Hight", "Off", "Wide", "Have"},
                   {0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0});
    }
    for (int channel = 30; channel <= 35; ++channel) {
        PutChannel(channel,
                   {"450.00000", "Off", "450.00000", "Off", "Hight", "Off", "Wide", "Have"},
                   {0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0});
    }
    QApplication::clipboard()->setText(QStringLiteral("kept"));
    // Four cells of four channels in different columns: no table.
    PickCells({{2, kColRxFrequency}, {5, kColTxFrequency}, {8, kColRxTone}, {11, kColPower}});
    {
        MessageBoxHand hand({kIdOk});
        Shortcut(Qt::Key_C, Qt::ControlModifier);
        ASSERT_EQ(hand.Seen().size(), 1u);
        EXPECT_EQ(hand.Seen()[0].text,
                  QStringLiteral("The selected cells do not form a table and were not copied: "
                                 "select a rectangle of cells, or whole channels."));
    }
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept"));

    // The same column of four channels, picked in any order: the four cells, one under the other.
    PickCells(
        {{11, kColRxFrequency}, {2, kColRxFrequency}, {8, kColRxFrequency}, {5, kColRxFrequency}});
    Shortcut(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("441.00000\n442.00000\n443.00000\n444.00000\n"));
    MessageBoxHand hand;
    MoveTo(30, kColRxFrequency);
    Shortcut(Qt::Key_V, Qt::ControlModifier);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(Shown(30 + k, kColRxFrequency), QString::fromLatin1(frequencies[k]));
    }
    for (const int channel : {34, 35}) {
        EXPECT_EQ(Shown(channel, kColRxFrequency), QStringLiteral("450.00000")) << "untouched";
    }
    EXPECT_TRUE(hand.Seen().empty()) << "every cell landed and nothing was deleted";
}

// Empty cells from a spreadsheet paste as typing would: an empty receive frequency deletes the
// channel, and the paste says which.
TEST_F(Plans, APasteThatDeletesChannelsNamesThem) {
    Start(Parameters{0, 0, 1});
    PutChannel2();
    for (const int channel : {5, 6}) {
        PutChannel(channel,
                   {"441.00000", "Off", "441.00000", "Off", "Hight", "Off", "Wide", "Have"},
                   {0, 0, 0, 0, 0, 1, 0, 1, 1, 0, 0, 0});
    }
    const qv::Setup before = State();
    QApplication::clipboard()->setText(QStringLiteral("\n\n"));
    MoveTo(5, kColRxFrequency);
    {
        MessageBoxHand hand({kIdOk});
        Shortcut(Qt::Key_V, Qt::ControlModifier);
        EXPECT_TRUE(State().Grid1[5][kColRxFrequency].empty());
        EXPECT_TRUE(State().Grid1[6][kColRxFrequency].empty());
        ASSERT_EQ(hand.Seen().size(), 1u);
        EXPECT_EQ(hand.Seen()[0].text,
                  QStringLiteral("The paste deleted 2 channel(s), whose receive frequency it left "
                                 "empty: G1-05, G1-06. Undo (Ctrl+Z) brings them back."));
    }
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(static_cast<const qv::Setup&>(State()), before) << "as the message says";

    // In Chinese, with a refused cell as well.
    Action("mnuChinese")->trigger();
    QApplication::clipboard()->setText(QStringLiteral("\t300\n"));
    MoveTo(5, kColRxFrequency);
    MessageBoxHand chinese({kIdOk});
    Shortcut(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(chinese.Seen().size(), 1u);
    EXPECT_EQ(chinese.Seen()[0].text,
              QStringLiteral(
                  "粘贴删除了 1 个信道（粘贴的接收频率为空）：G1-05。撤销（Ctrl+Z）可恢复它们。\n"
                  "以下单元格未粘贴："));
    EXPECT_TRUE(chinese.Seen()[0].details.contains(QStringLiteral("“300”")));
}

TEST_F(Plans, PastedCellsThatTypingRefusesAreListed) {
    Start(Parameters{0, 0, 1});
    QApplication::clipboard()->setText(QStringLiteral("436.5\t300\t999\tLow\n12x\n\n435\tD023N\n"));
    MoveTo(46, kColRxFrequency);
    MessageBoxHand hand({kIdOk});
    Shortcut(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Shown(46, kColRxFrequency), QStringLiteral("436.50000"));
    EXPECT_EQ(Shown(46, kColRxTone), QStringLiteral("Off")) << "as a new channel starts";
    EXPECT_EQ(Shown(46, kColTxFrequency), QStringLiteral("436.50000"));
    EXPECT_EQ(Shown(46, kColPower), QStringLiteral("Hight")) << "Low was no tone, not a power";
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("These cells were not pasted:"));
    const QString details = hand.Seen()[0].details;
    for (const char* part :
         {"G3- 14 QT/DQT \"300\": not an item", "G3- 14 TX frequency \"999\": outside the band",
          "G3- 14 QT/DQT \"Low\": not an item", "G3- 15 RX frequency \"12x\": not a number",
          "49 RX frequency \"435\": past the last channel",
          "49 QT/DQT \"D023N\": past the last channel"}) {
        EXPECT_TRUE(details.contains(QString::fromUtf8(part))) << part << "\n"
                                                               << details.toStdString();
    }
}

// The page is black on white, and the export says where it wrote it.
TEST_F(Plans, APdfOfTheSetupIsWrittenBlackOnWhite) {
    Start(Parameters{0, 0, 1});
    PutChannel2();
    const std::filesystem::path pdf = folder / "plan.pdf";
    {
        FileDialogHand files({Name(folder / "plan")});
        MessageBoxHand hand({kIdOk});
        Action("mnuExportPdf")->trigger();
        EXPECT_EQ(files.Titles(), QStringList{QStringLiteral("Export PDF")});
        ASSERT_EQ(hand.Seen().size(), 1u);
        EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("The set-up was written as a PDF to %1.")
                                           .arg(QDir::toNativeSeparators(Name(pdf))));
    }
    const std::string bytes = Contents(pdf);
    EXPECT_TRUE(bytes.starts_with("%PDF-")) << "the suffix is added, and the file is a PDF";
    EXPECT_GT(bytes.size(), 1000u);
    EXPECT_NE(bytes.find("/MediaBox [0 0 595"), std::string::npos) << "one A4 page";

    // Every colour the page sets, for filling (text too) and for lines: black or white.
    const std::string page = PdfStreams(bytes);
    const std::regex colour(R"((-?[0-9.]+) (-?[0-9.]+) (-?[0-9.]+) (scn|SCN))");
    std::set<std::string> colours;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), colour);
         it != std::sregex_iterator(); ++it) {
        colours.insert(it->str());
    }
    EXPECT_EQ(colours, (std::set<std::string>{"0 0 0 scn", "0 0 0 SCN", "1 1 1 scn"}));
}

}  // namespace
}  // namespace qv
