// Open and Save of the main window with set-ups as text: the file dialogs offer the kind, the
// title, the mark of changes, undo and the question before changes are lost treat a text as any
// file, and a refused text is told with its lines and changes nothing.
#include <QTableView>

#include <fstream>

#include "gui/mainwindow/plans_test_support.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "rules/program/dat_file.h"
#include "rules/setup_text/setup_text.h"

namespace qv {
namespace {

using test::Contents;
using test::FileDialogHand;
using test::MessageBoxHand;

const QString kTextType = QStringLiteral("Set-up as text (*.yaml)");

class SetupTextWindow : public test::PlansTest {
  protected:
    bool TitleMarked() { return window->windowTitle().endsWith(QLatin1Char('*')); }
    QString TitleOf(const std::filesystem::path& path) {
        return QStringLiteral("QV-7100-") + Name(path);
    }
    std::filesystem::path TextFile(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
        return folder / name;
    }
};

TEST_F(SetupTextWindow, SavedAsTextAndOpenedAgainLikeAnyFile) {
    Start(Parameters{0, 0, 1});
    TypeFrequency(3, QStringLiteral("435.125"));
    TypeFrequency(20, QStringLiteral("436.00625"));
    const ImageBytes typed = EncodeImage(State());
    {
        // The text's type chosen and a name typed without its extension.
        FileDialogHand files({Name(folder / "shop")}, {kTextType});
        MessageBoxHand hand;
        Action("mnuAssave")->trigger();
        ASSERT_EQ(files.Opened(), 1);
        EXPECT_EQ(files.Types()[0], QStringList({QStringLiteral("QV-7100(*.DAT)"), kTextType}));
        EXPECT_TRUE(hand.Seen().empty()) << hand.Seen()[0].text.toStdString();
    }
    const std::filesystem::path saved = folder / "shop.yaml";
    ASSERT_TRUE(std::filesystem::exists(saved));
    EXPECT_EQ(Contents(saved), WriteSetupText(State()).text);
    EXPECT_EQ(window->windowTitle(), TitleOf(saved));

    // A change marks the title; New, asked first, gives a set-up of no file.
    TypeFrequency(4, QStringLiteral("437.125"));
    EXPECT_TRUE(TitleMarked());
    {
        MessageBoxHand answers({kIdDiscard, kIdOk});  // then New's own warning
        Action("mnuNew")->trigger();
        ASSERT_EQ(answers.Seen().size(), 2u);
    }
    EXPECT_NE(EncodeImage(State()), typed);

    {
        FileDialogHand files({Name(saved)});
        Action("mnuOpen")->trigger();
        EXPECT_EQ(files.Types()[0], QStringList({QStringLiteral("QV-7100(*.DAT)"),
                                                 QStringLiteral("Set-up as text (*.yaml *.yml)")}));
    }
    EXPECT_EQ(EncodeImage(State()), typed);
    EXPECT_EQ(window->windowTitle(), TitleOf(saved));
    EXPECT_FALSE(TitleMarked());
    EXPECT_EQ(Find<QTableView>("Grid1")->model()->index(19, 1).data().toString(),
              QStringLiteral("436.00625"));
    // Opening it was one step: undone, the set-up before it is back.
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_NE(EncodeImage(State()), typed);
    Shortcut(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(EncodeImage(State()), typed);
    EXPECT_FALSE(TitleMarked());
}

TEST_F(SetupTextWindow, TheQuestionBeforeChangesAreLostSavesAsText) {
    Start(Parameters{0, 0, 1});
    TypeFrequency(3, QStringLiteral("435.125"));
    const std::filesystem::path other = TextFile("other.yaml", "format: 1\n");
    FileDialogHand files({Name(folder / "kept.yaml"), Name(other)});
    MessageBoxHand answers({kIdSave, kIdOk});  // save the changes; then the missing sections
    Action("mnuOpen")->trigger();
    EXPECT_EQ(files.Opened(), 2);
    ASSERT_TRUE(std::filesystem::exists(folder / "kept.yaml"));
    EXPECT_TRUE(Contents(folder / "kept.yaml").find("    rx: 435.12500\n") != std::string::npos);
    EXPECT_EQ(window->windowTitle(), TitleOf(other));
    ASSERT_EQ(answers.Seen().size(), 2u);
    EXPECT_EQ(answers.Seen()[1].text,
              QStringLiteral("not in the file, kept as in a new set-up: band, function_settings, "
                             "channels, optional_functions, dtmf, keys, test_frequencies, "
                             "embedded_info, calibration, hidden_texts"));
    EXPECT_EQ(answers.Seen()[1].icon, QMessageBox::Information);
}

TEST_F(SetupTextWindow, ARefusedTextIsToldWithItsLinesAndChangesNothing) {
    const std::string bad =
        "format: 1\n"
        "band: 400-470MHz\n"
        "channels:\n"
        "  - channel: G1-01\n"
        "    rx: 480.00000\n"
        "    pwoer: Low\n";
    for (const bool english : {true, false}) {
        SCOPED_TRACE(english ? "English" : "Chinese");
        Start(Parameters{0, 0, static_cast<std::uint8_t>(english)});
        TypeFrequency(3, QStringLiteral("435.125"));
        const qv::Setup before = State();
        const QString title = window->windowTitle();
        const std::filesystem::path path = TextFile("bad.yaml", bad);
        FileDialogHand files({Name(path)});
        // The changes are given up first, as for any file.
        MessageBoxHand hand({kIdDiscard, kIdOk});
        Action("mnuOpen")->trigger();
        ASSERT_EQ(hand.Seen().size(), 2u);
        const test::SeenBox& box = hand.Seen()[1];
        EXPECT_EQ(box.icon, QMessageBox::Critical);
        if (english) {
            EXPECT_EQ(box.text, QStringLiteral("bad.yaml cannot be opened: 2 errors were found, "
                                               "and nothing was changed."));
            EXPECT_EQ(box.details,
                      QStringLiteral("line 5, column 9: channels[G1-01].rx: 480.00000 is outside "
                                     "the band 400-470MHz (from 400 MHz up to, not including, 470 "
                                     "MHz)\nline 6, column 5: channels: unknown key \"pwoer\": "
                                     "did you mean \"power\"?"));
        } else {
            EXPECT_EQ(box.text, QStringLiteral("无法打开 bad.yaml：发现 2 处错误，未作任何改动。"));
            EXPECT_TRUE(box.details.startsWith(QStringLiteral(
                "第 5 行第 9 列：channels[G1-01].rx：480.00000 超出频段 400-470MHz")))
                << box.details.toStdString();
        }
        EXPECT_EQ(static_cast<const qv::Setup&>(State()), before);
        EXPECT_EQ(window->windowTitle(), title);
        EXPECT_TRUE(TitleMarked());
        window.reset();
        program.reset();
    }
}

// A *.DAT of another tool may hold what the windows refuse: saved as text, each such value says
// so in the file, and the window says which and where.
TEST_F(SetupTextWindow, ATextSavedWithValuesTheWindowsRefuseSaysWhichAndWhere) {
    Start(Parameters{0, 0, 1});
    ProgramState foreign = State();
    foreign.Grid1[3] = {foreign.Grid1[3][0],
                        "471.12500",
                        "Off",
                        "471.12500",
                        "Off",
                        "Hight",
                        "Off",
                        "Wide",
                        "Have"};
    const ImageBytes image = EncodeImage(foreign);
    std::ofstream(folder / "foreign.DAT", std::ios::binary)
        << kDatSignature << std::string(image.begin(), image.end());
    {
        FileDialogHand files({Name(folder / "foreign.DAT")});
        Action("mnuOpen")->trigger();
    }
    FileDialogHand files({Name(folder / "odd.yaml")});
    MessageBoxHand hand({kIdOk});
    Action("mnuAssave")->trigger();
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].icon, QMessageBox::Warning);
    EXPECT_EQ(hand.Seen()[0].text,
              QStringLiteral("odd.yaml was saved, but 2 values in it are ones the windows refuse "
                             "(a comment in the file says why), and reading the file back refuses "
                             "them:"));
    EXPECT_TRUE(hand.Seen()[0].details.startsWith(
        QStringLiteral("line 14, column 9: channels[G1-03].rx: 471.12500 is outside the band "
                       "400-470MHz")))
        << hand.Seen()[0].details.toStdString();
    EXPECT_NE(Contents(folder / "odd.yaml").find("    rx: 471.12500  # refused on reading: "),
              std::string::npos);
    EXPECT_EQ(window->windowTitle(), TitleOf(folder / "odd.yaml"));
}

}  // namespace
}  // namespace qv
