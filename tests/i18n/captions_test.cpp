#include "i18n/captions.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>

namespace qv {
namespace {

std::string Describe(WindowId window, const CaptionEntry& entry) {
    return std::string(WindowName(window)) + "." + std::string(entry.control) + "(" +
           std::to_string(entry.element) + ") property " +
           std::to_string(static_cast<int>(entry.property)) + " index " +
           std::to_string(entry.index);
}

TEST(CaptionTables, EveryEntryHasTextInBothLanguages) {
    for (WindowId window : kCaptionWindows) {
        for (const CaptionEntry& entry : CaptionTable(window)) {
            EXPECT_FALSE(entry.control.empty()) << Describe(window, entry);
            EXPECT_FALSE(entry.chinese.empty()) << Describe(window, entry);
            EXPECT_FALSE(entry.english.empty()) << Describe(window, entry);
        }
        for (const CaptionEntry& entry : FixedCaptions(window)) {
            EXPECT_FALSE(entry.chinese.empty()) << Describe(window, entry);
            EXPECT_EQ(entry.chinese, entry.english) << Describe(window, entry);
        }
    }
}

TEST(CaptionTables, NoControlPropertyIsNamedTwiceInAWindow) {
    for (WindowId window : kCaptionWindows) {
        std::set<std::tuple<std::string_view, int, CaptionProperty, int>> seen;
        for (const auto* table : {&CaptionTable(window), &FixedCaptions(window)}) {
            for (const CaptionEntry& entry : *table) {
                EXPECT_TRUE(
                    seen.emplace(entry.control, entry.element, entry.property, entry.index).second)
                    << Describe(window, entry);
            }
        }
    }
}

TEST(CaptionTables, WindowsAndTheirNames) {
    EXPECT_EQ(WindowName(WindowId::Form1), "Form1");
    EXPECT_EQ(WindowName(WindowId::Form4), "Form4");
    EXPECT_EQ(WindowName(WindowId::About), "frmAbout");
    EXPECT_TRUE(CaptionTable(WindowId::Form1).front().property == CaptionProperty::WindowTitle);
    EXPECT_TRUE(FixedCaptions(WindowId::Form7).empty());
}

TEST(CaptionTables, KeyListsHoldThirteenOrTenFunctions) {
    std::map<std::string_view, int> items;
    for (const CaptionEntry& entry : CaptionTable(WindowId::Form6)) {
        if (entry.property == CaptionProperty::ListItem) ++items[entry.control];
    }
    const std::map<std::string_view, int> expected = {
        {"Combo1", 13}, {"Combo2", 13}, {"Combo5", 13}, {"Combo6", 13}, {"Combo9", 13},
        {"Combo3", 10}, {"Combo4", 10}, {"Combo7", 10}, {"Combo8", 10}, {"Combo10", 10}};
    EXPECT_EQ(items, expected);
}

struct Lookup {
    WindowId window;
    std::string_view control;
    CaptionProperty property;
    int index;
    int element;
    std::string_view chinese;
    std::string_view english;
};

class CaptionLookup : public testing::TestWithParam<Lookup> {};

TEST_P(CaptionLookup, GivesTheTextOfEachLanguage) {
    const Lookup& c = GetParam();
    EXPECT_EQ(Caption(c.window, c.control, c.property, c.index, Language::Chinese, c.element),
              c.chinese);
    EXPECT_EQ(Caption(c.window, c.control, c.property, c.index, Language::English, c.element),
              c.english);
}

constexpr auto kTitle = CaptionProperty::WindowTitle;
constexpr auto kCaption = CaptionProperty::Caption;
constexpr auto kItem = CaptionProperty::ListItem;
constexpr auto kTip = CaptionProperty::ToolTip;
constexpr auto kHeader = CaptionProperty::GridHeader;

INSTANTIATE_TEST_SUITE_P(
    Texts, CaptionLookup,
    testing::Values(
        Lookup{WindowId::Form1, "mnuEnglish", kCaption, 0, kNoElement, "英文", "Englist"},
        Lookup{WindowId::Form1, "mnudtmf", kCaption, 0, kNoElement, "可选功能",
               "Optional function "},
        Lookup{WindowId::Form1, "Key_enactment", kCaption, 0, kNoElement, "键设定", "Keys set "},
        Lookup{WindowId::Form1, "mnumainhelp", kCaption, 0, kNoElement, "帮助主题  F1",
               "The help topic  F1 \""},
        Lookup{WindowId::Form1, "Grid1", kHeader, 7, kNoElement, "宽\\窄带", "Band"},
        Lookup{WindowId::Form1, "Toolbar1", kTip, 5, kNoElement, "读频", "Read frequency"},
        Lookup{WindowId::Form1, "Toolbar1", kTip, 4, kNoElement, "", ""},
        Lookup{WindowId::Form1, "Combo5", kItem, 1, 6, "载波", "Carrow"},
        Lookup{WindowId::Form1, "Combo5", kItem, 1, 5, "高", "Hight"},
        Lookup{WindowId::Form1, "Combo5", kItem, 1, kNoElement, "", ""},
        Lookup{WindowId::Form1, "Combo3", kItem, 39, kNoElement, "600 秒", "600 S"},
        Lookup{WindowId::Form1, "Combo8", kItem, 156, kNoElement, "D023I", "D023I"},
        Lookup{WindowId::Form1, "mnucom3", kCaption, 0, kNoElement, "COM3(&3)", "COM3(&3)"},
        Lookup{WindowId::Form2, "Form2", kTitle, 0, kNoElement, "Debug", "Debug"},
        Lookup{WindowId::Form2, "Frame1", kCaption, 0, kNoElement, "发射高功率", "TX-Hight Power"},
        Lookup{WindowId::Form4, "Form4", kTitle, 0, kNoElement, "测试频率", "测试频率"},
        Lookup{WindowId::Form4, "mfgrid1", kHeader, 1, kNoElement, "接收频率", "RX Frequency"},
        Lookup{WindowId::Form5, "Label25", kCaption, 0, kNoElement, "DTMF 速率", "DTMF 速率"},
        Lookup{WindowId::Form5, "Combo19", kItem, 0, kNoElement, "D码", "D码"},
        Lookup{WindowId::Form5, "Combo13", kItem, 0, kNoElement, "空", "Empty"},
        Lookup{WindowId::Form5, "Combo13", kItem, 91, kNoElement, "5.00 S", "5.00 S"},
        Lookup{WindowId::Form5, "Label2", kCaption, 0, kNoElement, "当前频道", "Current channel"},
        Lookup{WindowId::Form6, "Label7", kCaption, 0, kNoElement, "短按KB1键定义",
               "shortPress_KB1"},
        Lookup{WindowId::Form6, "Combo1", kItem, 12, kNoElement, "报警", "Alarm"},
        Lookup{WindowId::Form6, "Combo3", kItem, 10, kNoElement, "", ""},
        Lookup{WindowId::Form6, "Frame2", kCaption, 0, kNoElement, "KB3", "KB3"},
        Lookup{WindowId::Form7, "Form7", kTitle, 0, kNoElement, "嵌入信息", "Embedded Information"},
        Lookup{WindowId::About, "lblTitle", kCaption, 0, kNoElement, "QV-7100 对讲机编程软件",
               "QV-7100 Radio Software "},
        Lookup{WindowId::About, "Label2", kCaption, 0, kNoElement, "发布：2012.07",
               "Issue：2012.07"},
        Lookup{WindowId::About, "frmAbout", kTitle, 0, kNoElement, "Help", "Help"},
        Lookup{WindowId::About, "mnuFile", kCaption, 0, kNoElement, "", ""}));

TEST(CaptionTables, HelpCaptionIsTwentyCharacters) {
    const std::string_view help =
        Caption(WindowId::Form1, "mnumainhelp", CaptionProperty::Caption, 0, Language::English);
    EXPECT_EQ(help.size(), 20u);
    EXPECT_EQ(help.back(), '"');
}

}  // namespace
}  // namespace qv
