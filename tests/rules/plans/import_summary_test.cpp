// What the import window says an import will do, and the channels it may start from.
#include "rules/plans/import_summary.h"

#include <gtest/gtest.h>

#include "image/image_test_support.h"

namespace qv {
namespace {

using test::StartedProgram;

TEST(ChannelRanges, RunsOfChannelsReadAsRanges) {
    EXPECT_EQ(ChannelRanges({}), "");
    EXPECT_EQ(ChannelRanges({3}), "3");
    EXPECT_EQ(ChannelRanges({3, 4}), "3-4");
    EXPECT_EQ(ChannelRanges({3, 4, 5, 9, 11, 12}), "3-5, 9, 11-12");
}

TEST(ImportSummary, SaysWhatWillBeFilledAndReplacedOrWhyNothing) {
    ChannelPlanImport import;
    import.filled = {5, 6, 7};
    import.replaced = {7};
    EXPECT_EQ(ImportSummary(import, Language::English),
              "3 channel(s) will be filled: 5-7. 1 of them hold a channel now, which will be "
              "replaced: 7.");
    EXPECT_EQ(ImportSummary(import, Language::Chinese),
              "将填入 3 个信道：5-7。 其中 1 个信道已有数据，将被替换：7。");
    import = {};
    EXPECT_EQ(ImportSummary(import, Language::English), "No row can be imported.");
    import.refused = PlanNote{PlanMessageId::MissingColumn, "Frequency", {}};
    const std::string refused = ImportSummary(import, Language::English);
    EXPECT_TRUE(refused.starts_with("This file cannot be imported: ")) << refused;
    EXPECT_NE(refused.find("Frequency"), std::string::npos) << refused;
}

TEST_F(StartedProgram, StartChoicesBeginWithTheFirstEmptyChannel) {
    state.Grid1[1][kColRxFrequency] = "435.00000";
    const std::vector<std::string> choices = StartChannelChoices(state, Language::English);
    ASSERT_EQ(choices.size(), 49u);
    EXPECT_EQ(choices[0], "First empty channel (2 G1-02)");
    EXPECT_EQ(choices[17], "17 G2- 01");
    EXPECT_EQ(PlacementOfChoice(0), PlanPlacement::FirstEmpty());
    EXPECT_EQ(PlacementOfChoice(17), PlanPlacement::FromChannel(17));

    for (int row = 1; row <= kChannelCount; ++row) state.Grid1[row][kColRxFrequency] = "435.00000";
    EXPECT_EQ(StartChannelChoices(state, Language::Chinese)[0], "第一个空信道（没有空信道）");
}

}  // namespace
}  // namespace qv
