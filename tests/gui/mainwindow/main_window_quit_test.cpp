// Quitting while a transfer runs: Quit, the close box and a session's end wait for the radio, and
// a radio paced as a real one holds the whole set-up afterwards.
#include <QProgressBar>
#include <QWindow>

#include <string>

#include "gui/gui_test_support.h"
#include "i18n/msgbox.h"
#include "image/image_codec.h"
#include "rules/program/decode_image.h"
#include "rules/program/startup.h"
#include "support/sample_channels.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

using test::MessageBoxHand;

const QString kQuitQuestion = QStringLiteral(
    "正在与对讲机通信，现在退出会使对讲机中的数据不完整。要在通信结束后退出程序吗？");

class QuitDuringTransfer : public test::GuiTest {
  protected:
    // The program started with all 48 channels in use, each on its own frequency, and a radio of
    // the same band that holds none of them, on a line paced as the radio's.
    void StartWithFullSetup() {
        Start();
        for (int channel = 1; channel <= kChannelCount; ++channel) {
            test::PutChineseChannel(State(), channel);
            State().Grid1[channel][kColRxFrequency] =
                QStringLiteral("%1.12500").arg(400 + channel).toStdString();
        }
        test::ScriptedHost quiet;
        StartRadio(EncodeImage(StartupState(quiet)), 0, {}, true);
    }
    // Waits until the write is under way: the radio has answered and the blocks are going out.
    bool Writing() {
        auto* progress = Find<QProgressBar>("ProgressBar1");
        return QTest::qWaitFor([&] { return progress->isVisible() && progress->value() > 0; });
    }
    // The channels the radio holds now.
    ChannelGrid RadioChannels() {
        ImageBytes image{};
        const RadioRecord record = radio->Snapshot();
        const auto part = record.ImagePart();
        std::copy(part.begin(), part.end(), image.begin());
        test::ScriptedHost quiet;
        ProgramState held = StartupState(quiet);
        (void)DecodeImageBytes(image, held, quiet);
        return held.Grid1;
    }
    void ExpectTheRadioHoldsTheSetup() {
        const ChannelGrid held = RadioChannels();
        for (int channel = 1; channel <= kChannelCount; ++channel) {
            EXPECT_EQ(held[channel][kColRxFrequency], State().Grid1[channel][kColRxFrequency])
                << "channel " << channel;
        }
    }
};

// Quit and the close box, answered both ways, during a plain write and one with its backup and
// read-back.
TEST_F(QuitDuringTransfer, QuitAsksAndTheProgramEndsOnlyOnceTheRadioIsWritten) {
    const struct {
        const char* name;
        bool closeBox;  // else File > Quit
        bool checked;   // backup first and verify after the write
        int answer;
    } cases[] = {
        {"Quit, Yes", false, false, kIdYes},
        {"close box, No", true, false, kIdNo},
        {"close box, Yes, backup and read-back", true, true, kIdYes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        window.reset();
        program.reset();
        StartWithFullSetup();
        if (c.checked) {
            Action("mnuBackupFirst")->trigger();
            Action("mnuVerifyWrite")->trigger();
        }
        // Yes, then the changes the set-up has: given up.
        MessageBoxHand hand({c.answer, kIdDiscard});
        test::FileDialogHand noFile({});
        Action("mnuwriteFre")->trigger();
        ASSERT_TRUE(Writing());
        if (c.closeBox) {
            window->windowHandle()->close();
        } else {
            Action("mnuQuit")->trigger();
        }
        ASSERT_GE(hand.Seen().size(), 1u);
        EXPECT_EQ(hand.Seen()[0].text, kQuitQuestion);
        EXPECT_EQ(hand.Seen()[0].defaultButtonId, kIdNo) << "the program stays by default";
        EXPECT_TRUE(window->isVisible()) << "the write goes on";
        if (c.answer == kIdYes) {
            ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 60000));
            ASSERT_EQ(hand.Seen().size(), 2u) << "then the question about the changes";
        } else {
            ASSERT_TRUE(TransferDone(60000));
            EXPECT_TRUE(window->isVisible());
            EXPECT_EQ(hand.Seen().size(), 1u);
        }
        ExpectTheRadioHoldsTheSetup();
        EXPECT_EQ(radio->Snapshot().blocksWritten.size(), 88u) << "every frame of the write";
        radio->Stop();
    }
}

// A session's end (the desktop's logout, a termination signal) quits the application: it waits
// for the write without a question, and then the program ends as Quit ends it.
TEST_F(QuitDuringTransfer, ASessionsEndWaitsForTheWrite) {
    StartWithFullSetup();
    MessageBoxHand hand({kIdDiscard});
    test::FileDialogHand noFile({});
    Action("mnuwriteFre")->trigger();
    ASSERT_TRUE(Writing());
    QEvent quit(QEvent::Quit);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &quit);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(hand.Seen().empty()) << "nobody is asked whether to wait";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window->isVisible(); }, 60000));
    ExpectTheRadioHoldsTheSetup();
}

}  // namespace
}  // namespace qv
