// The optional-functions dialog's rules: priority choices, the code grid's keys and length
// warning, the resume-delay step controls, and OK.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "i18n/msgbox.h"
#include "image/image_test_support.h"
#include "rules/dialogs/optional_functions_rules.h"
#include "state/option_entries.h"

namespace qv {
namespace {

using test::StartedProgram;

const std::string kFixedNeedsChannel = "当设定为‘固定’时信道不可为空，请重设！";
const std::string kEmptyChannelRefused = "不可选择空信道，请重新选择！";

class OptionalFunctionsRules : public StartedProgram {
  protected:
    void UseChannels(std::initializer_list<int> channels) {
        for (int channel : channels) state.Grid1[channel][kColRxFrequency] = "435.00000";
    }
    Changes Choose(int OptionalFunctionsControls::*list, int position) {
        return ChooseOptionalFunctionList(state, host, list, position);
    }
};

TEST_F(OptionalFunctionsRules, PriorityChoicesFollowTheChannelsInUse) {
    struct Step {
        int OptionalFunctionsControls::*list;
        int position;
    };
    const struct {
        const char* what;
        std::vector<int> channelsInUse;
        std::vector<Step> steps;
        int mode;     // Combo11 afterwards
        int channel;  // Combo12 afterwards
        std::vector<std::string> messages;
    } cases[] = {
        {"fixed with no channel in use goes back to none",
         {},
         {{&OptionalFunctionsControls::Combo11, 1}},
         0,
         0,
         {kFixedNeedsChannel}},
        {"fixed takes the first channel in use",
         {3, 5},
         {{&OptionalFunctionsControls::Combo11, 1}},
         1,
         2,
         {}},
        {"fixed finds channel 1 when it is the only one in use",
         {1},
         {{&OptionalFunctionsControls::Combo11, 1}},
         1,
         0,
         {}},
        {"fixed takes channel 1 before channel 4",
         {1, 4},
         {{&OptionalFunctionsControls::Combo11, 1}},
         1,
         0,
         {}},
        {"a channel past 16 does not count",
         {17, 48},
         {{&OptionalFunctionsControls::Combo11, 1}},
         0,
         0,
         {kFixedNeedsChannel}},
        {"channel 7 in use is taken, empty channel 9 returns to channel 3, not 7",
         {3, 7},
         {{&OptionalFunctionsControls::Combo11, 1},
          {&OptionalFunctionsControls::Combo12, 6},
          {&OptionalFunctionsControls::Combo12, 8}},
         1,
         2,
         {kEmptyChannelRefused}},
        {"channel 16 in use is kept as the priority channel",
         {3, 16},
         {{&OptionalFunctionsControls::Combo11, 1}, {&OptionalFunctionsControls::Combo12, 15}},
         1,
         15,
         {}},
        {"channel 16 empty is refused and the list returns to channel 3",
         {3},
         {{&OptionalFunctionsControls::Combo11, 1}, {&OptionalFunctionsControls::Combo12, 15}},
         1,
         2,
         {kEmptyChannelRefused}},
        {"with mode none any channel may be chosen",
         {},
         {{&OptionalFunctionsControls::Combo12, 8}},
         0,
         8,
         {}},
        {"mode selected does not search", {}, {{&OptionalFunctionsControls::Combo11, 2}}, 2, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        state = StartupState(host);
        host.shown.clear();
        for (int channel : c.channelsInUse) state.Grid1[channel][kColRxFrequency] = "435.00000";
        for (const Step& step : c.steps) {
            EXPECT_EQ(Choose(step.list, step.position), Changes(StatePart::Form5));
        }
        EXPECT_EQ(state.Form5.Combo11, c.mode);
        EXPECT_EQ(state.Form5.Combo12, c.channel);
        // Every case runs, whichever failed before it.
        EXPECT_EQ(host.shown.size(), c.messages.size());
        if (host.shown.size() != c.messages.size()) continue;
        for (std::size_t k = 0; k < c.messages.size(); ++k) {
            EXPECT_EQ(host.shown[k].text, c.messages[k]);
            EXPECT_EQ(host.shown[k].style, kStyleOk);
        }
        if (!c.messages.empty() && c.messages[0] == kFixedNeedsChannel) {
            EXPECT_EQ(host.shown[0].title, "提示");
        }
        if (!c.messages.empty() && c.messages[0] == kEmptyChannelRefused) {
            EXPECT_EQ(host.shown[0].title, "") << "the application's title";
        }
        EXPECT_EQ(state.OptionText[option_text::kPriorityMode], "0") << "only OK stores";
    }
}

// A code typed key by key into an empty cell, as the editor takes the keys.
std::string Typed(std::string_view keys) {
    std::string cell;
    for (const char key : keys) {
        const char taken = DtmfCellKey(key);
        if (taken == kKeyBackspace) {
            if (!cell.empty()) cell.pop_back();
        } else if (taken != '\0' && taken != kKeyEnter) {
            cell.push_back(taken);
        }
    }
    return cell;
}

TEST(DtmfCellKeys, UpperCaseLettersAndOnlyTheKeysOfACode) {
    const struct {
        char key;
        char taken;
    } keys[] = {
        {'a', 'A'},
        {'b', 'B'},
        {'c', 'C'},
        {'d', 'D'},
        {'*', '*'},
        {'#', '#'},
        {'z', '\0'},
        {'e', '\0'},
        {'E', '\0'},
        {'0', '0'},
        {'9', '9'},
        {'A', 'A'},
        {' ', '\0'},
        {'+', '\0'},
        {'-', '\0'},
        {'\t', '\0'},
        {'\x1b', '\0'},
        {'\0', '\0'},
        {kKeyBackspace, kKeyBackspace},
        {kKeyEnter, kKeyEnter},
    };
    for (const auto& k : keys) {
        EXPECT_EQ(DtmfCellKey(k.key), k.taken) << "key code " << int(k.key);
    }
    EXPECT_EQ(Typed("abc*#z"), "ABC*#");
    EXPECT_EQ(Typed("12\b3"), "13") << "Backspace works";
    EXPECT_EQ(DtmfCellText("a1-b*z#x\b\r9"), "A1B*#9") << "a paste keeps what a code can hold";
}

TEST_F(OptionalFunctionsRules, ALongCodeIsWarnedAboutAndKeptWhole) {
    const struct {
        std::string code;
        bool warned;
    } cases[] = {
        {"1234567890ABCD*#", false},  // 16: what the radio keeps
        {"1234567890ABCD*#1", true},  // 17
        {"", false},
        {"ÄÖÜ1234567890ABC", false},  // 16 characters, more bytes
    };
    for (const auto& c : cases) {
        host.shown.clear();
        EXPECT_EQ(EditDtmfCode(state, 1, c.code), Changes(StatePart::Form5));
        WarnAboutDtmfCode(host, state.Form5.mfgrid1[1][1]);
        EXPECT_EQ(state.Form5.mfgrid1[1][1], c.code);
        ASSERT_EQ(host.shown.size(), c.warned ? 1u : 0u) << c.code;
        if (c.warned) {
            EXPECT_EQ(host.shown[0].text, "存储器只能存储16位！");
            EXPECT_EQ(host.shown[0].style, kStyleOkStop);
            EXPECT_EQ(host.shown[0].title, "");
        }
    }
    EXPECT_TRUE(EditDtmfCode(state, 0, "1").Empty()) << "row 0 is the header";
    EXPECT_TRUE(EditDtmfCode(state, 9, "1").Empty());
}

TEST_F(OptionalFunctionsRules, OkStoresAllSeventeenCharactersAndTheImageTakesSixteen) {
    EditDtmfCode(state, 1, "1234567890ABCD*#1");
    EXPECT_EQ(state.DtmfCodes[0], "1") << "before OK";
    StoreOptionalFunctions(state);
    EXPECT_EQ(state.DtmfCodes[0], "1234567890ABCD*#1");
    EXPECT_EQ(EncodedAt(0x1F0, 16),
              "313233343536373839"
              "3A"
              "41424344"
              "2A23");
}

TEST_F(OptionalFunctionsRules, StepControlsWriteTheirOwnValueIntoTheBox) {
    const ResumeDelayStep& first = kResumeDelaySteps[0];
    const ResumeDelayStep& second = kResumeDelaySteps[1];
    TypeResumeDelay(state, first.text, "5");
    EXPECT_EQ(state.Form5.VScroll1, 0) << "typing does not move the step control";
    MoveResumeDelayStep(state, first, 1);
    EXPECT_EQ(state.Form5.Text5, "1") << "the step control's next value, not the text's";
    const struct {
        int value;
        int held;
    } moves[] = {{300, 300}, {301, 300}, {-1, 0}, {42, 42}};
    for (const auto& m : moves) {
        MoveResumeDelayStep(state, second, m.value);
        EXPECT_EQ(state.Form5.VScroll2, m.held);
        EXPECT_EQ(state.Form5.Text6, std::to_string(m.held));
    }
    EXPECT_EQ(state.Form5.Text5, "1") << "each step control drives its own box";
    TypeResumeDelay(state, second.text, "7");
    EXPECT_EQ(state.Form5.Text6, "7");
    EXPECT_EQ(state.Form5.VScroll2, 42);
}

// A step that leaves the step control's value (down at 0, up at 300) leaves the box as typed.
TEST_F(OptionalFunctionsRules, AStepThatChangesNothingLeavesTheTypedText) {
    const ResumeDelayStep& first = kResumeDelaySteps[0];
    TypeResumeDelay(state, first.text, "25");
    EXPECT_TRUE(MoveResumeDelayStep(state, first, 0).Empty());
    EXPECT_TRUE(MoveResumeDelayStep(state, first, -1).Empty()) << "held at 0";
    EXPECT_EQ(state.Form5.Text5, "25");
    EXPECT_EQ(MoveResumeDelayStep(state, first, 300), Changes(StatePart::Form5));
    TypeResumeDelay(state, first.text, "12");
    EXPECT_TRUE(MoveResumeDelayStep(state, first, 301).Empty()) << "held at 300";
    EXPECT_EQ(state.Form5.Text5, "12");
    EXPECT_EQ(state.Form5.VScroll1, 300);
}

// The resume delays take whole seconds 0..300, or nothing (0 in the image); anything else would
// reach the radio as a delay it refuses, or as 0.
TEST_F(OptionalFunctionsRules, ResumeDelaysTakeWholeSecondsUpTo300) {
    const struct {
        std::string text;
        bool accepted;
        int seconds;  // in the image after OK, when accepted
    } cases[] = {
        {"", true, 0},    {"0", true, 0},     {"7", true, 7},        {"300", true, 300},
        {"007", true, 7}, {"301", false, 0},  {"999", false, 0},     {"-5", false, 0},
        {"+5", false, 0}, {"1.5", false, 0},  {"abc1.5x", false, 0}, {" 5", false, 0},
        {"5 ", false, 0}, {"0300", false, 0}, {"1e2", false, 0},     {"\xD9\xA3", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ResumeDelayTextAcceptable(c.text), c.accepted);
        state = StartupState(host);
        TypeResumeDelay(state, &OptionalFunctionsControls::Text5, "42");
        TypeResumeDelay(state, &OptionalFunctionsControls::Text6, "42");
        const Changes typed = TypeResumeDelay(state, &OptionalFunctionsControls::Text5, c.text);
        EXPECT_EQ(typed.Empty(), !c.accepted);
        EXPECT_EQ(state.Form5.Text5, c.accepted ? c.text : "42") << "refused: the box is as before";
        TypeResumeDelay(state, &OptionalFunctionsControls::Text6, c.text);
        StoreOptionalFunctions(state);
        const int held = c.accepted ? c.seconds : 42;
        char bytes[9];
        std::snprintf(bytes, sizeof bytes, "%02X%02X%02X%02X", held & 0xFF, held >> 8, held & 0xFF,
                      held >> 8);
        EXPECT_EQ(EncodedAt(0x155, 4), bytes) << "receive and transmit delay, little-endian";
    }
}

TEST_F(OptionalFunctionsRules, OkMakesTheControlsTheHeldValuesAndLoadingThemShowsTheSame) {
    UseChannels({4});
    const struct {
        int OptionalFunctionsControls::*list;
        int position;
    } choices[] = {
        {&OptionalFunctionsControls::Combo4, 2},   {&OptionalFunctionsControls::Combo6, 0},
        {&OptionalFunctionsControls::Combo7, 5},   {&OptionalFunctionsControls::Combo8, 4},
        {&OptionalFunctionsControls::Combo9, 0},   {&OptionalFunctionsControls::Combo10, 0},
        {&OptionalFunctionsControls::Combo11, 1},  {&OptionalFunctionsControls::Combo13, 91},
        {&OptionalFunctionsControls::Combo14, 0},  {&OptionalFunctionsControls::Combo15, 3},
        {&OptionalFunctionsControls::Combo0, 3},   {&OptionalFunctionsControls::Combo16, 3},
        {&OptionalFunctionsControls::Combo18, 3},  {&OptionalFunctionsControls::Combo17, 0},
        {&OptionalFunctionsControls::Combo19, 16}, {&OptionalFunctionsControls::Combo20, 0},
        {&OptionalFunctionsControls::Combo22, 6},  {&OptionalFunctionsControls::Combo21, 15},
    };
    for (const auto& c : choices) ChooseOptionalFunctionList(state, host, c.list, c.position);
    SetOptionalFunctionCheck(state, &OptionalFunctionsControls::Check3, false);
    SetOptionalFunctionCheck(state, &OptionalFunctionsControls::Check4, false);
    TypeResumeDelay(state, &OptionalFunctionsControls::Text5, "12");
    TypeResumeDelay(state, &OptionalFunctionsControls::Text6, "07");
    EditDtmfCode(state, 8, "*0#");
    const qv::Setup beforeOk = state;
    EXPECT_EQ(beforeOk.OptionText, StartupState(host).OptionText) << "nothing held before OK";

    StoreOptionalFunctions(state);
    namespace ot = option_text;
    namespace ov = option_value;
    EXPECT_EQ(state.OptionText[ot::kPttId], "2");
    EXPECT_EQ(state.OptionText[ot::kPriorityMode], "1");
    EXPECT_EQ(state.OptionText[ot::kPriorityChannel], "4") << "the channel, not the position";
    EXPECT_EQ(state.OptionText[ot::kRetraceTimeA], "91");
    EXPECT_EQ(state.OptionText[ot::kCancelOperation], "0");
    EXPECT_EQ(state.OptionText[ot::kScanReceiveDelay], "12");
    EXPECT_EQ(state.OptionText[ot::kScanTransmitDelay], "07") << "as typed";
    EXPECT_EQ(state.OptionValue[ov::kFirstDigitDelayMs], 250) << "position 3 of 100, 150 ...";
    EXPECT_EQ(state.OptionValue[ov::kGroupCallCode], 6);
    EXPECT_EQ(state.DtmfCodes[7], "*0#");
    EXPECT_EQ(state.Form5, beforeOk.Form5) << "OK leaves the controls";

    // Loading the dialog from what OK stored shows the same controls.
    qv::Setup reloaded = state;
    reloaded.Form5 = {};
    LoadOptionalFunctionsDialog(reloaded, host);
    // The lists without a held copy and the step controls are not loaded from held values.
    reloaded.Form5.Combo1 = state.Form5.Combo1;
    reloaded.Form5.Combo2 = state.Form5.Combo2;
    reloaded.Form5.Combo3 = state.Form5.Combo3;
    reloaded.Form5.VScroll1 = state.Form5.VScroll1;
    reloaded.Form5.VScroll2 = state.Form5.VScroll2;
    EXPECT_EQ(reloaded.Form5, state.Form5);
}

}  // namespace
}  // namespace qv
