// End to end: a channel typed into the grid with the keyboard alone, written through the write
// command to the virtual radio on a pseudo-terminal, lands in the radio's memory.
#include "gui/mainwindow/channel_grid_test_support.h"
#include "image/image_codec.h"
#include "image/memory_image.h"
#include "rules/program/startup.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

class GridToRadio : public test::GridTest {};

TEST_F(GridToRadio, AChannelTypedIntoTheGridLandsInTheRadioAsSixteenBytes) {
    test::ScriptedHost quiet;
    StartRadio(EncodeImage(StartupState(quiet)), 0);
    Start(Parameters{0, 1, 0});  // COM1 chosen before

    // Channel 2: receive and transmit 435.0123 (on the raster 435.01), transmit tone D023N from
    // the list, power low.
    Grid()->setFocus();
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    Type(QStringLiteral("435.0123"));
    Key(Qt::Key_Return);
    for (int step = 0; step < 3; ++step) Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    ASSERT_TRUE(Combo8()->view()->isVisible());
    QTest::keyClicks(Combo8()->view(), QStringLiteral("D"));  // the list finds the first code
    QTest::keyClick(Combo8()->view(), Qt::Key_Return);
    Key(Qt::Key_Right);
    Key(Qt::Key_Return);
    QTest::keyClick(Combo5(5)->view(), Qt::Key_Up);
    QTest::keyClick(Combo5(5)->view(), Qt::Key_Return);
    ASSERT_EQ(State().Grid1[2][kColTxTone], "D023N");

    test::MessageBoxHand hand;  // whatever the write says, it is answered
    Action("mnuwriteFre")->trigger();
    ASSERT_TRUE(TransferDone());
    const RadioRecord record = radio->Snapshot();
    ASSERT_EQ(record.endsReceived, 2) << "the backup read first, then the write";
    const auto channel2 = record.ImagePart().subspan(16, 16);
    EXPECT_EQ(HexText(channel2), "0010504300105043FFFF1328F0D0FCFF");
    EXPECT_EQ(HexText(record.ImagePart().subspan(0, 16)), "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF")
        << "channel 1 stays empty";
    EXPECT_TRUE(hand.Seen().empty());
}

}  // namespace
}  // namespace qv
