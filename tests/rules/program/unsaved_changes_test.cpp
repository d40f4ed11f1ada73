// What makes a step of the set-up's history, the main window's title, and the question before
// changes that are not saved are replaced.
#include "rules/program/unsaved_changes.h"

#include <gtest/gtest.h>

#include "i18n/msgbox.h"
#include "image/image_test_support.h"
#include "rules/channels/grid_rules.h"

namespace qv {
namespace {

using test::StartedProgram;

TEST_F(StartedProgram, OnlyConfirmedValuesMakeAStep) {
    const qv::Setup before = state;
    const struct {
        const char* name;
        void (*change)(qv::Setup&);
        bool step;
    } cases[] = {
        {"a channel cell", [](qv::Setup& s) { s.Grid1[4][kColRxFrequency] = "435.00000"; }, true},
        {"a list position", [](qv::Setup& s) { s.ChannelFlags[4][kColPower] = 7; }, true},
        {"the band shown", [](qv::Setup& s) { s.Combo1 = 3; }, true},
        {"a setting", [](qv::Setup& s) { s.Combo9 = 2; }, true},
        {"a held value", [](qv::Setup& s) { s.EmbeddedInfo[0] = "SHOP"; }, true},
        {"a dialog's draft", [](qv::Setup& s) { s.Form7.Text1 = "SHOP"; }, false},
        {"a slider's draft", [](qv::Setup& s) { s.Form2.Slider1 = 7; }, false},
        {"a key's draft", [](qv::Setup& s) { s.Form6.Combo[3] = 2; }, false},
        {"nothing", [](qv::Setup&) {}, false},
    };
    for (const auto& c : cases) {
        qv::Setup after = before;
        c.change(after);
        EXPECT_EQ(ConfirmedValuesDiffer(before, after), c.step) << c.name;
    }
}

TEST_F(StartedProgram, TheSetupSavedIsComparedInTheLanguageShown) {
    state.Grid1[4][kColRxFrequency] = "435.00000";
    state.ChannelFlags[4][kColPower] = 1;
    SetGrid1Text(state, Language::Chinese);
    const qv::Setup saved = state;
    SetGrid1Text(state, Language::English);
    const Language zh = Language::Chinese;
    const Language en = Language::English;
    EXPECT_FALSE(DiffersFromSaved(saved, zh, state, en)) << "the same, reworded";
    state.Form7.Text1 = "DRAFT";
    EXPECT_FALSE(DiffersFromSaved(saved, zh, state, en)) << "a draft is not saved";
    state.ChannelFlags[4][kColPower] = 0;
    SetGrid1Text(state, en);
    EXPECT_TRUE(DiffersFromSaved(saved, zh, state, en));
    SetGrid1Text(state, zh);
    EXPECT_TRUE(DiffersFromSaved(saved, zh, state, zh));
}

// A step holds the working copies the operation touched and the confirmed ones of the others;
// a step put back leaves a dialog's draft as it is.
TEST_F(StartedProgram, StepsHoldNoDraftAndPuttingOneBackKeepsTheDrafts) {
    const qv::Setup last = state;
    qv::Setup shown = state;
    shown.Form7.Text1 = "DRAFT";  // typed, not confirmed
    shown.Form5.Text5 = "30";     // and confirmed by the operation below
    shown.OptionText[0] = "30";
    const qv::Setup step = StepSetup(shown, last, StatePart::Form5);
    EXPECT_EQ(step.Form7, last.Form7);
    EXPECT_EQ(step.Form5, shown.Form5);
    EXPECT_EQ(step.OptionText[0], "30");

    const qv::Setup restored = StepWithDrafts(last, shown, step);
    EXPECT_EQ(restored.Form7.Text1, "DRAFT") << "a draft stays";
    EXPECT_EQ(restored.Form5, last.Form5) << "no draft: the step's working copy";
    EXPECT_EQ(restored.OptionText[0], last.OptionText[0]);
}

TEST(MainWindowTitle, NamesTheFileAndMarksChanges) {
    EXPECT_EQ(MainWindowTitle("QV-7100 Radio Software V1.00", "", false),
              "QV-7100 Radio Software V1.00");
    EXPECT_EQ(MainWindowTitle("QV-7100 Radio Software V1.00", "", true),
              "QV-7100 Radio Software V1.00*");
    EXPECT_EQ(MainWindowTitle("x", "/radios/shop.DAT", false), "QV-7100-/radios/shop.DAT");
    EXPECT_EQ(MainWindowTitle("x", "/radios/shop.DAT", true), "QV-7100-/radios/shop.DAT*");
}

TEST_F(StartedProgram, TheQuestionOffersSaveDiscardAndCancel) {
    const struct {
        int languageIsEnglish;
        int answer;
        KeepChanges kept;
        const char* text;
    } cases[] = {
        {0, kIdSave, KeepChanges::Save, "当前设置有尚未保存的修改。是否先保存？"},
        {1, kIdDiscard, KeepChanges::Discard,
         "The set-up has changes that are not saved. Save them first?"},
        {1, kIdCancel, KeepChanges::Cancel, nullptr},
        {1, kIdOk, KeepChanges::Cancel, nullptr},  // no such button: nothing is lost
    };
    for (const auto& c : cases) {
        state.LanguageIsEnglish = c.languageIsEnglish;
        host.shown.clear();
        host.answers = {c.answer};
        EXPECT_EQ(AskToKeepChanges(state, host), c.kept) << c.answer;
        ASSERT_EQ(host.shown.size(), 1u);
        EXPECT_EQ(host.shown[0].style, kStyleSaveDiscardCancelExclamation);
        if (c.text != nullptr) {
            EXPECT_EQ(host.shown[0].text, c.text);
        }
    }
    const MsgBoxLayout layout = DecodeMsgBoxStyle(kStyleSaveDiscardCancelExclamation);
    EXPECT_EQ(layout.buttons, (std::vector<int>{kIdSave, kIdDiscard, kIdCancel}));
    EXPECT_EQ(layout.icon, MsgBoxIcon::Exclamation);
    EXPECT_EQ(layout.defaultButton, 0);
    EXPECT_EQ(MsgBoxButtonText(kIdDiscard, 0), "不保存");
    EXPECT_EQ(MsgBoxButtonText(kIdSave, 1), "Save");
}

}  // namespace
}  // namespace qv
