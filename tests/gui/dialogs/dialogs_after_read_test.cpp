// A read from the radio while the key, embedded-information and test-frequency dialogs are open
// with edits nobody confirmed: the decoded values replace what the dialogs show at once.
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>

#include <memory>

#include "gui/dialogs/dialog_test_support.h"
#include "image/image_codec.h"
#include "rules/program/startup.h"
#include "sim/pty_server.h"
#include "support/scripted_host.h"

namespace qv {
namespace {

class DialogsAfterReadTest : public test::DialogTest {
  protected:
    std::unique_ptr<PtyServer> radio;

    void TearDown() override {
        if (radio) radio->Stop();
        DialogTest::TearDown();
    }

    // A virtual radio on COM1 holding `setup`.
    void StartRadio(const qv::Setup& setup, int band) {
        radio = std::make_unique<PtyServer>(VirtualRadio(EncodeImage(setup), band), false);
        std::string error;
        ASSERT_TRUE(radio->Start(&error)) << error;
        qputenv("QV7100_COM1", QByteArray::fromStdString(radio->DevicePath()));
        State().CommPortNumber = 1;
    }
};

TEST_F(DialogsAfterReadTest, DecodedValuesReplaceUnconfirmedEditsInOpenDialogs) {
    Start();
    test::ScriptedHost quiet;
    ProgramState inRadio = StartupState(quiet);
    inRadio.KeyFunctionCodes[1] = 3;
    inRadio.EmbeddedInfo[0] = "FROM THE RADIO";
    inRadio.TestFrequencyTable[0][0] = "440.12500";
    inRadio.TestFrequencyTable[1][0] = "445.00000";
    StartRadio(inRadio, State().Combo1);

    QWidget* form6 = Open("Key_enactment", WindowId::Form6);
    auto* pf2Long = Find<QComboBox>("Combo2", form6);
    pf2Long->setFocus();
    QTest::keyClick(pf2Long, Qt::Key_Up);
    ASSERT_EQ(pf2Long->currentIndex(), 11);

    QWidget* form7 = Open("mnusetin", WindowId::Form7);
    auto* text1 = Find<QLineEdit>("Text1", form7);
    text1->setFocus();
    QTest::keyClicks(text1, QStringLiteral("typed"));

    QWidget* form4 = Open("mnutestfre", WindowId::Form4);
    auto* grid = Find<QTableView>("mfgrid1", form4);
    const QModelIndex rx = grid->model()->index(0, 1);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(rx).center());
    const QPointer<QLineEdit> cellEditor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(cellEditor, nullptr);
    QTest::keyClicks(cellEditor, QStringLiteral("999"));

    Action("mnureadFre")->trigger();
    ASSERT_TRUE(
        QTest::qWaitFor([this] { return State().EmbeddedInfo[0] == "FROM THE RADIO"; }, 10000));

    EXPECT_EQ(State().KeyFunctionCodes[1], 3);
    EXPECT_EQ(pf2Long->currentIndex(), 3);
    EXPECT_EQ(text1->text(), QStringLiteral("FROM THE RADIO"));
    EXPECT_EQ(rx.data().toString(), QStringLiteral("440.12500"));
    EXPECT_EQ(grid->model()->index(0, 2).data().toString(), QStringLiteral("445.00000"));
    // The open cell shows the decoded text too; closing it is no edit, so no rule runs.
    ASSERT_FALSE(cellEditor.isNull());
    EXPECT_EQ(cellEditor->text(), QStringLiteral("440.12500"));
    QTest::keyClick(cellEditor, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cellEditor.isNull() || !cellEditor->isVisible(); }));
    EXPECT_EQ(State().Form4.mfgrid1[1][1], "440.12500");
    EXPECT_EQ(State().Form4.mfgrid1[1][2], "445.00000");
    EXPECT_TRUE(form4->isVisible() && form6->isVisible() && form7->isVisible());

    // The read ends with the Programming menu back.
    EXPECT_TRUE(QTest::qWaitFor([this] { return Action("mnureadFre")->isEnabled(); }, 10000));
}

}  // namespace
}  // namespace qv
