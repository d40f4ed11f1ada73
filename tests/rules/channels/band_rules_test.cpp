#include "rules/channels/band_rules.h"

#include <gtest/gtest.h>

#include "i18n/msgbox.h"
#include "image/image_test_support.h"

namespace qv {
namespace {

class BandQuestion : public test::StartedProgram {
  protected:
    void SetUp() override { WithOneChannel(); }
    // A fresh program whose channel 1 is in use.
    void WithOneChannel() {
        test::ScriptedHost quiet;
        state = StartupState(quiet);
        state.Grid1[1][kColRxFrequency] = "435.00000";
        state.ChannelFlags[1][kColPower] = 1;
        host.shown.clear();
    }
};

TEST_F(BandQuestion, OkClearsTheTableAndCancelKeepsItWithTheTablesBand) {
    const struct {
        const char* what;
        int choose;
        int answer;  // 0: no question expected
        bool cleared;
        int bandIndex;  // the list shows it too
        int low, high;
        Changes changes;
    } cases[] = {
        {"the band already shown", 0, 0, false, 0, 400, 470, StatePart::Band},
        {"OK", 1, kIdOk, true, 1, 450, 490, StatePart::Band | StatePart::Grid},
        {"Cancel", 1, kIdCancel, false, 0, 400, 470, StatePart::Band},
        {"a position the list does not have", 6, 0, false, 0, 400, 470, {}},
    };
    for (const auto& c : cases) {
        WithOneChannel();
        if (c.answer != 0) host.answers = {c.answer};
        const Changes changes = SelectBandPosition(state, host, c.choose);
        EXPECT_EQ(host.shown.size(), c.answer != 0 ? 1u : 0u) << c.what;
        EXPECT_EQ(state.Grid1[1][kColRxFrequency].empty(), c.cleared) << c.what;
        EXPECT_EQ(state.ChannelFlags[1][kColPower], c.cleared ? 0 : 1) << c.what;
        EXPECT_EQ(state.BandIndex, c.bandIndex) << c.what;
        EXPECT_EQ(state.Combo1, c.bandIndex) << c.what;
        EXPECT_EQ(state.BandLowMHz(), c.low) << c.what;
        EXPECT_EQ(state.BandHighMHz(), c.high) << c.what;
        EXPECT_EQ(changes, c.changes) << c.what;
    }
}

TEST_F(BandQuestion, AsksWithOkAndCancelCancelFirstSystemModal) {
    for (const int language : {0, 1}) {
        state.LanguageIsEnglish = language;
        state.BandIndex = state.Combo1 = 0;
        host.shown.clear();
        host.answers = {kIdCancel};
        (void)SelectBandPosition(state, host, 2);
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_EQ(host.shown[0].style, kStyleOkCancelQuestionSystemModal);
        EXPECT_EQ(host.shown[0].text, language ? "Change frequency channel list will remove, sure?"
                                               : "改变频段将清除频道列表，确定吗？");
        EXPECT_EQ(host.shown[0].title, language ? "Attention!" : "注意！");
    }
}

TEST_F(BandQuestion, EveryChangeIsJudgedAgainstTheTablesBandAndOpeningTheListMovesNothing) {
    host.answers = {kIdCancel};
    (void)SelectBandPosition(state, host, 1);  // declined: back on 400-470, the table's band
    EXPECT_EQ(OpenBandList(state), Changes());
    EXPECT_EQ(state.BandIndex, 0);
    EXPECT_EQ(state.Combo1, 0);

    // The arrow keys through the closed list: each step asks, and each Cancel goes back.
    for (const int step : {1, 1, 2}) {
        host.shown.clear();
        host.answers = {kIdCancel};
        (void)SelectBandPosition(state, host, step);
        EXPECT_EQ(host.shown.size(), 1u) << "step to " << step;
        EXPECT_EQ(state.Combo1, 0) << "step to " << step;
    }
    host.shown.clear();
    (void)SelectBandPosition(state, host, 0);
    EXPECT_TRUE(host.shown.empty()) << "the table's own band asks nothing";
    EXPECT_FALSE(state.Grid1[1][kColRxFrequency].empty());
}

TEST_F(BandQuestion, OpeningAListThatShowsAnotherBandPutsItBackOnTheTablesBand) {
    state.Combo1 = 3;  // never left so by the program; BandIndex must not follow it
    EXPECT_EQ(OpenBandList(state), Changes(StatePart::Band));
    EXPECT_EQ(state.Combo1, 0);
    EXPECT_EQ(state.BandIndex, 0);
    EXPECT_FALSE(state.Grid1[1][kColRxFrequency].empty());
}

TEST_F(BandQuestion, ForceBandAsksNothingAndKeepsTheChannels) {
    EXPECT_EQ(ForceBand(state, host, 5), Changes(StatePart::Band));
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(state.Combo1, 5);
    EXPECT_EQ(state.BandIndex, 5);
    EXPECT_EQ(state.BandLowMHz(), 600);
    EXPECT_FALSE(state.Grid1[1][kColRxFrequency].empty());
}

}  // namespace
}  // namespace qv
