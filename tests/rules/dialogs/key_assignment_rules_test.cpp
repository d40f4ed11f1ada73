// Choosing key functions: the lists are a working copy until OK.
#include "rules/dialogs/key_assignment_rules.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "image/image_test_support.h"

namespace qv {
namespace {

using KeyAssignment = test::StartedProgram;

TEST(KeyLists, LongPressOffersThirteenFunctionsShortPressTheFirstTen) {
    for (const KeyList& key : kKeyLists) {
        EXPECT_EQ(KeyFunctionCount(key), key.longPress ? 13 : 10) << key.key;
    }
    // Momentary squelch off, key lock and alarm are long-press functions only.
    for (const Language language : {Language::Chinese, Language::English}) {
        const auto& longItems = ListItems(ListId::LongPressKey, language);
        const auto& shortItems = ListItems(ListId::ShortPressKey, language);
        ASSERT_EQ(longItems.size(), 13u);
        EXPECT_TRUE(std::equal(shortItems.begin(), shortItems.end(), longItems.begin()));
        for (std::size_t item = 10; item < 13; ++item) {
            EXPECT_EQ(std::count(shortItems.begin(), shortItems.end(), longItems[item]), 0)
                << longItems[item];
        }
    }
}

TEST_F(KeyAssignment, ListsStartFromTheHeldFunctions) {
    const int expected[] = {10, 12, 1, 7, 10, 12, 1, 7, 0, 0};
    for (int entry = 0; entry < 10; ++entry) {
        EXPECT_EQ(state.KeyFunctionCodes[static_cast<std::size_t>(entry)], expected[entry]);
        EXPECT_EQ(state.Form6.Combo[static_cast<std::size_t>(entry) + 1], expected[entry]);
    }
}

TEST_F(KeyAssignment, AChoiceStaysInTheListUntilOk) {
    const KeyList& pf2Short = kKeyLists[3];
    EXPECT_EQ(ChooseKeyFunction(state, pf2Short, 4), Changes(StatePart::Form6));
    EXPECT_EQ(state.Form6.Combo[4], 4);
    EXPECT_EQ(state.KeyFunctionCodes[3], 7) << "not held before OK";
    EXPECT_EQ(EncodedAt(0x10E, 1), "07");

    EXPECT_EQ(StoreKeyFunctions(state), Changes(StatePart::Form6));
    EXPECT_EQ(state.KeyFunctionCodes[3], 4);
    EXPECT_EQ(EncodedAt(0x10B, 4), "0A0C0104");
}

TEST_F(KeyAssignment, PositionsAListDoesNotOfferChangeNothing) {
    const qv::Setup before = state;
    const struct {
        int entry;
        int position;
    } cases[] = {{2, 10}, {2, 12}, {0, 13}, {8, -1}, {9, 10}};
    for (const auto& c : cases) {
        EXPECT_TRUE(
            ChooseKeyFunction(state, kKeyLists[static_cast<std::size_t>(c.entry)], c.position)
                .Empty())
            << c.entry << " " << c.position;
    }
    EXPECT_TRUE(ChooseKeyFunction(state, kKeyLists[1], 12).Empty()) << "already chosen";
    EXPECT_EQ(static_cast<const qv::Setup&>(state), before);
    // The last function of each kind of list is still offered.
    EXPECT_FALSE(ChooseKeyFunction(state, kKeyLists[0], 12).Empty());
    EXPECT_FALSE(ChooseKeyFunction(state, kKeyLists[9], 9).Empty());
}

}  // namespace
}  // namespace qv
