#include "i18n/list_items.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

namespace qv {
namespace {

constexpr int kListCount = static_cast<int>(ListId::ShortPressKey) + 1;
constexpr Language kLanguages[] = {Language::Chinese, Language::English};

TEST(ListItems, EveryListHasTheSameNumberOfNonEmptyItemsInBothLanguages) {
    for (int i = 0; i < kListCount; ++i) {
        const auto list = static_cast<ListId>(i);
        const auto& chinese = ListItems(list, Language::Chinese);
        const auto& english = ListItems(list, Language::English);
        EXPECT_FALSE(chinese.empty()) << "list " << i;
        EXPECT_EQ(chinese.size(), english.size()) << "list " << i;
        for (Language language : kLanguages) {
            for (const std::string& item : ListItems(list, language)) {
                EXPECT_FALSE(item.empty()) << "list " << i;
            }
        }
    }
}

TEST(ListItems, GeneratedListsHaveTheirLength) {
    struct Case {
        ListId list;
        std::size_t size;
    };
    const Case cases[] = {
        {ListId::Tone, 261},           {ListId::TimeOut, 40},
        {ListId::TimeOutWarn, 11},     {ListId::SquelchLevel, 10},
        {ListId::RetraceTimeA, 92},    {ListId::RetraceTimeB, 92},
        {ListId::FirstDigitDelay, 19}, {ListId::DKey, 17},
        {ListId::AutoReset, 16},       {ListId::CurrentChannel, 16},
        {ListId::PriorityChannel, 16}, {ListId::VoxGain, 6},
        {ListId::LongPressKey, 13},    {ListId::ShortPressKey, 10},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ListItems(c.list, Language::Chinese).size(), c.size)
            << "list " << static_cast<int>(c.list);
    }
}

TEST(ListItems, EdgeTextsInBothLanguages) {
    struct Case {
        ListId list;
        int position;
        std::string_view chinese;
        std::string_view english;
    };
    const Case cases[] = {
        {ListId::TimeOut, 0, "15 秒", "15 S"},
        {ListId::TimeOut, 39, "600 秒", "600 S"},
        {ListId::TimeOutWarn, 0, "关闭", "Off"},
        {ListId::TimeOutWarn, 10, "10 秒", "10 S"},
        {ListId::SquelchLevel, 0, "0 级", "0 Group"},
        {ListId::VoiceLanguage, 1, "英文", "Englist"},
        {ListId::Power, 1, "高", "Hight"},
        {ListId::BusyLockout, 1, "载波", "Carrow"},
        {ListId::ScanAdd, 1, "有", "Have"},
        {ListId::Tone, 0, "关闭", "Off"},
        {ListId::Tone, 1, "67.0", "67.0"},
        {ListId::Tone, 50, "254.1", "254.1"},
        {ListId::Tone, 51, "D023N", "D023N"},
        {ListId::Tone, 155, "D754N", "D754N"},
        {ListId::Tone, 156, "D023I", "D023I"},
        {ListId::Tone, 260, "D754I", "D754I"},
        {ListId::WorkGroup, 2, "组 3", "Group 3"},
        {ListId::CurrentChannel, 15, "CH-16", "CH-16"},
        {ListId::VoxGain, 5, "5", "5"},
        {ListId::PriorityChannel, 0, "01", "01"},
        {ListId::PriorityChannel, 15, "16", "16"},
        {ListId::RetraceTimeA, 0, "空", "Empty"},
        {ListId::RetraceTimeA, 1, "0.50 S", "0.50 S"},
        {ListId::RetraceTimeB, 2, "0.55 S", "0.55 S"},
        {ListId::RetraceTimeB, 91, "5.00 S", "5.00 S"},
        {ListId::FirstDigitDelay, 0, "100MS", "100MS"},
        {ListId::FirstDigitDelay, 18, "1000MS", "1000MS"},
        {ListId::DKey, 0, "D码", "D码"},
        {ListId::DKey, 16, "16秒", "16秒"},
        {ListId::AutoReset, 15, "15秒", "15秒"},
        {ListId::DtmfSidetone, 1, "使能", "使能"},
        {ListId::ReturnChannel, 3, "优先+当前", "priority+Current"},
        {ListId::LongPressKey, 12, "报警", "Alarm"},
        {ListId::ShortPressKey, 9, "工作组切换", "Group switch"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "list " << static_cast<int>(c.list) << " item " << c.position);
        EXPECT_EQ(ListItem(c.list, c.position, Language::Chinese), c.chinese);
        EXPECT_EQ(ListItem(c.list, c.position, Language::English), c.english);
    }
}

TEST(ListItems, PositionOutsideTheListGivesEmptyText) {
    EXPECT_EQ(ListItem(ListId::Power, -1, Language::English), "");
    EXPECT_EQ(ListItem(ListId::Power, 2, Language::English), "");
    EXPECT_EQ(ListItem(ListId::ShortPressKey, 10, Language::Chinese), "");
}

TEST(ListItems, ShortPressOffersTheFirstTenLongPressFunctions) {
    for (Language language : kLanguages) {
        const auto& longPress = ListItems(ListId::LongPressKey, language);
        const auto& shortPress = ListItems(ListId::ShortPressKey, language);
        ASSERT_LE(shortPress.size(), longPress.size());
        for (std::size_t i = 0; i < shortPress.size(); ++i) EXPECT_EQ(shortPress[i], longPress[i]);
    }
    for (std::string_view text :
         {"Key lock", "Alarm", "Instant cancel noise", "按键锁定", "报警", "瞬时取消静噪"}) {
        EXPECT_EQ(FindListItem(ListId::ShortPressKey, text), -1) << text;
    }
}

TEST(ListItems, ToneListHoldsRisingCtcssTonesThenOctalDcsCodes) {
    const auto& tones = ListItems(ListId::Tone, Language::English);
    ASSERT_EQ(tones.size(), 261u);
    EXPECT_EQ(std::set<std::string>(tones.begin(), tones.end()).size(), tones.size());
    for (std::size_t i = 2; i <= 50; ++i) {
        EXPECT_LT(std::stod(tones[i - 1]), std::stod(tones[i])) << "item " << i;
    }
    for (std::size_t i = 51; i <= 260; ++i) {
        const std::string& dcs = tones[i];
        ASSERT_EQ(dcs.size(), 5u) << "item " << i;
        EXPECT_EQ(dcs.front(), 'D');
        EXPECT_EQ(dcs.back(), i <= 155 ? 'N' : 'I') << "item " << i;
        for (char digit : dcs.substr(1, 3)) {
            EXPECT_TRUE(digit >= '0' && digit <= '7') << dcs;
        }
        if (i >= 156) {
            EXPECT_EQ(dcs.substr(0, 4), tones[i - 105].substr(0, 4)) << "item " << i;
        }
    }
}

TEST(FindListItem, FindsTextsOfEitherLanguage) {
    struct Case {
        ListId list;
        std::string_view text;
        int position;
    };
    const Case cases[] = {
        {ListId::Power, "高", 1},
        {ListId::Power, "Hight", 1},
        {ListId::VoiceLanguage, "Englist", 1},
        {ListId::Tone, "关闭", 0},
        {ListId::Tone, "Off", 0},
        {ListId::Tone, "88.5", 9},
        {ListId::Tone, "D023N", 51},
        {ListId::Tone, "D023I", 156},
        {ListId::TimeOut, "600 秒", 39},
        {ListId::TimeOut, "600 S", 39},
        {ListId::Power, "High", -1},
        {ListId::Tone, "D024N", -1},
        {ListId::Tone, "", -1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindListItem(c.list, c.text), c.position) << c.text;
    }
}

}  // namespace
}  // namespace qv
