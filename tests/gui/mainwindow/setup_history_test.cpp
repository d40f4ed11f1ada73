// Undo and Redo of the main window, the title that names the set-up's file and marks changes, and
// the question before a command replaces changes that are not saved.
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>

#include "gui/mainwindow/plans_test_support.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "rules/program/dat_file.h"

namespace qv {
namespace {

using test::Click;
using test::Contents;
using test::FileDialogHand;
using test::MessageBoxHand;

QStringList Sorted(QStringList texts) {
    texts.sort();
    return texts;
}

class History : public test::PlansTest {
  protected:
    // A radio of band 450-490MHz with channel 2 in use.
    ImageBytes RadioImage() {
        ProgramState radioSetup = State();
        radioSetup.Grid1[2] = {radioSetup.Grid1[2][0],
                               "470.00000",
                               "D023N",
                               "470.00000",
                               "关闭",
                               "低",
                               "载波",
                               "窄带",
                               "无"};
        radioSetup.Combo1 = radioSetup.BandIndex = 1;
        return EncodeImage(radioSetup);
    }
    // Types the first line of embedded information and confirms it with OK.
    void ConfirmEmbeddedInformation(const QString& text) {
        TypeEmbeddedInformation(text);
        Click(Find<QPushButton>("Command1", Window(QStringLiteral("Form7"))));
        Reactivate();
    }
    // Types the first line of embedded information and leaves the window open, not confirmed.
    void TypeEmbeddedInformation(const QString& text) {
        Action("mnusetin")->trigger();
        QWidget& dialog = *Window(QStringLiteral("Form7"));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        auto* line = Find<QLineEdit>("Text1", &dialog);
        line->setFocus();
        line->selectAll();
        QTest::keyClicks(line, text);
    }
    QString EmbeddedInformationShown() {
        return Find<QLineEdit>("Text1", Window(QStringLiteral("Form7")))->text();
    }
    bool TitleMarked() { return window->windowTitle().endsWith(QLatin1Char('*')); }
    std::filesystem::path SavedFile(const std::string& name) {
        const ProgramState shown = State();
        const std::filesystem::path path = folder / name;
        EXPECT_TRUE(WriteDatFile(path, EncodeImage(shown)).ok());
        return path;
    }
};

TEST_F(History, UndoAndRedoWalkBackAndForthOverAnEditADialogAndARead) {
    Start();
    StartRadio(RadioImage(), 1);
    const qv::Setup started = State();
    EXPECT_FALSE(Action("mnuUndo")->isEnabled()) << "nothing to undo yet";

    TypeFrequency(4, QStringLiteral("435.125"));
    ASSERT_EQ(State().Grid1[4][kColRxFrequency], "435.12500");
    const qv::Setup edited = State();
    EXPECT_TRUE(window->windowTitle().endsWith(QLatin1Char('*')));

    ConfirmEmbeddedInformation(QStringLiteral("SHOP 7"));
    ASSERT_EQ(State().EmbeddedInfo[0], "SHOP 7");
    const qv::Setup confirmed = State();

    MessageBoxHand hand({kIdDiscard});  // the changes before the read are given up
    Action("mnureadFre")->trigger();
    ASSERT_TRUE(TransferDone());
    ASSERT_EQ(State().Grid1[2][kColRxFrequency], "470.00000");
    const qv::Setup read = State();
    EXPECT_FALSE(window->windowTitle().endsWith(QLatin1Char('*'))) << "the radio's own set-up";
    Reactivate();

    // Back step by step, each to exactly the set-up that was, and forward again.
    const struct {
        const char* key;
        const qv::Setup* expected;
    } steps[] = {
        {"undo", &confirmed}, {"undo", &edited},    {"undo", &started},
        {"redo", &edited},    {"redo", &confirmed}, {"redo", &read},
    };
    for (const auto& step : steps) {
        const bool undo = std::string_view(step.key) == "undo";
        if (undo) {
            Shortcut(Qt::Key_Z, Qt::ControlModifier);
        } else {
            PressToolbarButton(Action("mnuRedo"));
        }
        EXPECT_EQ(static_cast<const qv::Setup&>(State()), *step.expected) << step.key;
    }
    EXPECT_EQ(Shown(2, kColRxFrequency), QStringLiteral("470.00000")) << "the grid follows";
    EXPECT_EQ(Find<QComboBox>("Combo1")->currentText(), QStringLiteral("450-490MHz"));
    EXPECT_FALSE(Action("mnuRedo")->isEnabled());

    // Undone into the edits, the dialog's box shows what it held then.
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Find<QLineEdit>("Text1", Window(QStringLiteral("Form7")))->text(), QString());
    // Ctrl+Shift+Z redoes as Ctrl+Y does.
    Shortcut(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(static_cast<const qv::Setup&>(State()), confirmed);
    EXPECT_EQ(Find<QLineEdit>("Text1", Window(QStringLiteral("Form7")))->text(),
              QStringLiteral("SHOP 7"));
    Shortcut(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(static_cast<const qv::Setup&>(State()), read);
}

TEST_F(History, WhileAReadRunsUndoRedoPasteAndImportWait) {
    Start();
    StartRadio(RadioImage(), 1);
    TypeFrequency(4, QStringLiteral("435.125"));
    MessageBoxHand hand({kIdDiscard});
    Action("mnureadFre")->trigger();
    for (const char* name : {"mnuUndo", "mnuRedo", "mnuPaste", "mnuImportCsv"}) {
        EXPECT_FALSE(Action(name)->isEnabled()) << name;
    }
    EXPECT_TRUE(Action("mnuCopy")->isEnabled());
    ASSERT_TRUE(TransferDone());
    for (const char* name : {"mnuUndo", "mnuPaste", "mnuImportCsv"}) {
        EXPECT_TRUE(Action(name)->isEnabled()) << name;
    }
    EXPECT_FALSE(Action("mnuRedo")->isEnabled()) << "nothing undone to redo";
}

// The grid, the band list and the settings answer the moment the read's data is in; the toolbar
// and the Programming menu come back once the result has blinked out.
TEST_F(History, TheGridAnswersAsSoonAsTheReadHasEnded) {
    Start();
    StartRadio(RadioImage(), 1);
    bool resultShownWhenReadCameBack = true;
    QObject::connect(Action("mnureadFre"), &QAction::enabledChanged, [&](bool enabled) {
        if (enabled) resultShownWhenReadCameBack = Find<QWidget>("Label")->isVisible();
    });
    Action("mnureadFre")->trigger();
    ASSERT_TRUE(StatusSays(QStringLiteral("读频成功！")));
    EXPECT_FALSE(Action("mnureadFre")->isEnabled());
    EXPECT_FALSE(Find<QMenu>("mnupro")->menuAction()->isEnabled());
    for (const char* control : {"Combo1", "Frame2", "Grid1"}) {
        EXPECT_TRUE(Find<QWidget>(control)->isEnabled()) << control;
    }
    EXPECT_TRUE(Action("mnuUndo")->isEnabled()) << "the read is a step";
    TypeFrequency(5, QStringLiteral("470.125"));
    EXPECT_EQ(State().Grid1[5][kColRxFrequency], "470.12500") << "the digits typed are taken";
    EXPECT_EQ(Shown(5, kColRxFrequency), QStringLiteral("470.12500"));

    ASSERT_TRUE(TransferDone());
    EXPECT_FALSE(resultShownWhenReadCameBack);
    EXPECT_TRUE(Find<QMenu>("mnupro")->menuAction()->isEnabled());
}

// The lock taken during a read still holds the grid when the read ends.
TEST_F(History, TheLockStillHoldsTheGridWhenAReadEnds) {
    Start();
    StartRadio(RadioImage(), 1);
    Action("mnureadFre")->trigger();
    Action("mnulock")->trigger();
    ASSERT_TRUE(StatusSays(QStringLiteral("读频成功！")));
    EXPECT_FALSE(Find<QWidget>("Grid1")->isEnabled());
    EXPECT_FALSE(Find<QWidget>("Frame2")->isEnabled());
    EXPECT_FALSE(Action("mnuPaste")->isEnabled());
    ASSERT_TRUE(TransferDone());
    EXPECT_FALSE(Find<QWidget>("Grid1")->isEnabled());
}

TEST_F(History, TheTitleNamesTheFileTheSetupCameFromAndMarksChanges) {
    Start(Parameters{0, 0, 1});
    const QString plain = QStringLiteral("QV-7100 Radio Software V1.00");
    EXPECT_EQ(window->windowTitle(), plain);
    TypeFrequency(4, QStringLiteral("435.125"));
    EXPECT_EQ(window->windowTitle(), plain + QLatin1Char('*'));

    const std::filesystem::path saved = folder / "saved.DAT";
    {
        FileDialogHand files({Name(saved)});
        Action("mnuAssave")->trigger();
    }
    const QString savedTitle = QStringLiteral("QV-7100-") + Name(saved);
    EXPECT_EQ(window->windowTitle(), savedTitle);
    TypeFrequency(5, QStringLiteral("436.125"));
    EXPECT_EQ(window->windowTitle(), savedTitle + QLatin1Char('*'));
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(window->windowTitle(), savedTitle) << "back to the set-up saved";

    const std::filesystem::path other = SavedFile("other.DAT");
    {
        FileDialogHand files({Name(other)});
        Action("mnuOpen")->trigger();
    }
    EXPECT_EQ(window->windowTitle(), QStringLiteral("QV-7100-") + Name(other));
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    // The set-up before the Open, from its file; whether it still reads as that file, the history
    // no longer knows once another file was opened.
    EXPECT_EQ(window->windowTitle(), savedTitle + QLatin1Char('*'));

    MessageBoxHand answers({kIdDiscard, kIdOk});  // then New's own warning
    Action("mnuNew")->trigger();
    EXPECT_EQ(window->windowTitle(), plain) << "a new set-up comes from no file";
    Action("mnuChinese")->trigger();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("QV-7100 对讲机编程软件 V1.00"));
}

// The mark follows whether the set-up differs from the one last saved: edited back by hand, or
// undone or redone to it, it has no changes, and Quit does not ask.
TEST_F(History, TheMarkFollowsWhetherTheSetupDiffersFromTheOneSaved) {
    Start();
    TypeFrequency(4, QStringLiteral("435.125"));
    const std::filesystem::path saved = folder / "saved.DAT";
    {
        FileDialogHand files({Name(saved)});
        Action("mnuAssave")->trigger();
    }
    ASSERT_FALSE(TitleMarked());
    TypeFrequency(4, QStringLiteral("436.125"));
    EXPECT_TRUE(TitleMarked());
    TypeFrequency(4, QStringLiteral("435.125"));
    EXPECT_FALSE(TitleMarked()) << "typed back to the set-up saved";

    TypeFrequency(5, QStringLiteral("437.125"));
    TypeFrequency(6, QStringLiteral("438.125"));
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_FALSE(TitleMarked()) << "undone back to it";
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(TitleMarked()) << "undone past it, to 436.125";
    Shortcut(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(TitleMarked()) << "redone back to it";
    Action("mnuEnglish")->trigger();
    EXPECT_FALSE(TitleMarked()) << "the other language's words are no change";

    MessageBoxHand hand({kIdCancel});
    Action("mnuQuit")->trigger();
    EXPECT_TRUE(hand.Seen().empty()) << "nothing to lose";
    EXPECT_FALSE(window->isVisible());
}

// Undo and Redo leave what was typed into an open dialog and not confirmed as it is, whether the
// step they walk was made in the main window or by the dialog's own OK.
TEST_F(History, UndoAndRedoLeaveADialogsUnconfirmedEditsAlone) {
    Start();
    TypeFrequency(4, QStringLiteral("435.125"));
    TypeEmbeddedInformation(QStringLiteral("DRAFT"));
    Reactivate();
    TypeFrequency(5, QStringLiteral("436.125"));
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(State().Grid1[4][kColRxFrequency].empty());
    EXPECT_EQ(EmbeddedInformationShown(), QStringLiteral("DRAFT"));
    EXPECT_TRUE(Window(QStringLiteral("Form7"))->isVisible());
    Shortcut(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(EmbeddedInformationShown(), QStringLiteral("DRAFT"));
    Click(Find<QPushButton>("Command1", Window(QStringLiteral("Form7"))));
    EXPECT_EQ(State().EmbeddedInfo[0], "DRAFT") << "OK takes what was typed";
    Reactivate();

    // A second draft in the same window, and the step of the first OK undone under it.
    TypeEmbeddedInformation(QStringLiteral("SECOND"));
    Reactivate();
    Shortcut(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(State().EmbeddedInfo[0], "") << "the OK is undone";
    EXPECT_EQ(EmbeddedInformationShown(), QStringLiteral("SECOND"));
    // Without a draft the window shows what the step holds.
    Click(Find<QPushButton>("Command2", Window(QStringLiteral("Form7"))));
    Reactivate();
    Shortcut(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(State().EmbeddedInfo[0], "DRAFT");
}

// Each command that replaces the set-up, with each answer to the question.
TEST_F(History, CommandsThatReplaceChangesAskFirst) {
    const struct {
        const char* command;
        int answer;
        bool proceeds;
    } cases[] = {
        {"mnuNew", kIdSave, true},  {"mnuNew", kIdDiscard, true},  {"mnuNew", kIdCancel, false},
        {"mnuOpen", kIdSave, true}, {"mnuOpen", kIdDiscard, true}, {"mnuOpen", kIdCancel, false},
        {"mnuQuit", kIdSave, true}, {"mnuQuit", kIdDiscard, true}, {"mnuQuit", kIdCancel, false},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.command) + " answered " + std::to_string(c.answer);
        window.reset();
        program.reset();
        Start();
        // The file another set-up is opened from: channel 7 in use.
        State().Grid1[7][kColRxFrequency] = "440.00000";
        const std::filesystem::path other = SavedFile("other.DAT");
        State().Grid1[7][kColRxFrequency].clear();
        TypeFrequency(4, QStringLiteral("435.125"));
        const ImageBytes edited = EncodeImage(State());
        const std::filesystem::path kept = folder / "kept.DAT";
        std::filesystem::remove(kept);

        std::vector<QString> names;
        if (c.answer == kIdSave) names.push_back(Name(kept));
        if (std::string_view(c.command) == "mnuOpen") names.push_back(Name(other));
        FileDialogHand files(names);
        MessageBoxHand hand({c.answer, kIdOk});  // then New's own warning
        Action(c.command)->trigger();

        ASSERT_FALSE(hand.Seen().empty()) << what;
        EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("当前设置有尚未保存的修改。是否先保存？"))
            << what;
        EXPECT_EQ(Sorted(hand.Seen()[0].buttons), Sorted({"保存", "不保存", "取消"})) << what;
        EXPECT_EQ(hand.Seen()[0].defaultButtonId, kIdSave) << what;
        EXPECT_EQ(std::filesystem::exists(kept), c.answer == kIdSave) << what;
        if (c.answer == kIdSave) {
            EXPECT_EQ(Contents(kept),
                      std::string(kDatSignature) + std::string(edited.begin(), edited.end()))
                << what;
        }
        const bool quit = std::string_view(c.command) == "mnuQuit";
        if (quit) {
            EXPECT_EQ(!window->isVisible(), c.proceeds) << what;
        } else {
            EXPECT_EQ(State().Grid1[4][kColRxFrequency].empty(), c.proceeds) << what;
        }
        if (!c.proceeds) {
            EXPECT_EQ(hand.Seen().size(), 1u) << what << ": nothing more is asked";
        }
    }
}

TEST_F(History, NothingIsAskedWithoutChangesAndTheCloseBoxAsksAsQuitDoes) {
    Start(Parameters{0, 0, 1});
    {
        MessageBoxHand hand({kIdOk});
        Action("mnuNew")->trigger();
        ASSERT_EQ(hand.Seen().size(), 1u);
        EXPECT_EQ(hand.Seen()[0].text, QStringLiteral("All channel data will be clear."));
    }
    TypeFrequency(4, QStringLiteral("435.125"));
    MessageBoxHand hand({kIdCancel});
    window->close();
    ASSERT_EQ(hand.Seen().size(), 1u);
    EXPECT_EQ(hand.Seen()[0].text,
              QStringLiteral("The set-up has changes that are not saved. Save them first?"));
    // In the order the desktop's style lays them out.
    EXPECT_EQ(Sorted(hand.Seen()[0].buttons), Sorted({"Save", "Discard", "Cancel"}));
    EXPECT_TRUE(window->isVisible()) << "Cancel keeps the window";
}

}  // namespace
}  // namespace qv
