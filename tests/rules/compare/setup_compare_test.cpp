// Comparing set-ups: every difference named as the windows name it, valued as they show it, and
// nothing reported for bytes the radio keeps to itself.
#include "rules/compare/setup_compare.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "image/image_codec.h"
#include "rules/program/startup.h"
#include "support/quiet_host.h"
#include "support/sample_channels.h"

namespace qv {
namespace {

// A set-up with channels in all three groups (cells as the English grid shows them).
Setup SampleSetup() {
    test::QuietHost host;
    ProgramState state = StartupState(host, 1);
    for (int row : {1, 3, 21, 48}) {
        test::PutEnglishChannel(state, row);
    }
    state.EmbeddedInfo[0] = state.Form7.Text1 = "SHOP 12";
    return state;
}

const ImageBytes& SampleImage() {
    static const ImageBytes image = EncodeImage(SampleSetup());
    return image;
}

// The sample with one change made to its set-up, or to its bytes.
ImageBytes SampleChanged(const std::function<void(Setup&)>& change) {
    Setup setup = SampleSetup();
    change(setup);
    return EncodeImage(setup);
}
ImageBytes SampleWithByte(std::size_t offset, std::uint8_t value) {
    ImageBytes image = SampleImage();
    image[offset] = value;
    return image;
}

struct Expected {
    std::string field;  // English
    std::string wrote;
    std::string holds;
};

// The sample's band, as a file of it holds it and a radio of its band identifies itself.
constexpr int kSampleBand = 0;

TEST(CompareImages, NamesEachDifferenceAsTheWindowsShowIt) {
    const struct {
        const char* what;
        ImageBytes radio;
        bool calibrationUnlocked;
        std::vector<Expected> expected;
        int radioBand = kSampleBand;
    } cases[] = {
        {"the same image", SampleImage(), false, {}},
        {"a transmit tone",
         SampleChanged([](qv::Setup& s) { s.Grid1[21][kColTxTone] = "67.0"; }),
         false,
         {{"channel G2- 05, TX QT/DQT", "D023N", "67.0"}}},
        {"a receive frequency and the scan flag of one channel",
         SampleChanged([](qv::Setup& s) {
             s.Grid1[3][kColRxFrequency] = "455.13750";
             s.Grid1[3][kColScan] = "No";
         }),
         false,
         {{"channel G1-03, RX frequency", "455.12500", "455.13750"},
          {"channel G1-03, Scan", "Have", "No"}}},
        {"a channel the radio does not have",
         SampleChanged([](qv::Setup& s) {
             for (int column = kColRxFrequency; column <= kColScan; ++column)
                 s.Grid1[48][column].clear();
         }),
         false,
         {{"channel G3- 16", "455.12500 67.0 455.12500 D023N Hight Off Wide Have", "(empty)"}}},
        {"a channel only the radio has, in the scan list",
         SampleChanged([](qv::Setup& s) { test::PutEnglishChannel(s, 5); }),
         false,
         {{"channel G1-05", "(empty)", "455.12500 67.0 455.12500 D023N Hight Off Wide Have"}}},
        {"embedded information",
         SampleChanged([](qv::Setup& s) { s.EmbeddedInfo[0] = "SHOP 13"; }),
         false,
         {{"embedded information, line 1", "SHOP 12", "SHOP 13"}}},
        {"a set-up of another band, its band first",
         SampleChanged([](qv::Setup& s) {
             s.Combo1 = s.BandIndex = 2;
             s.EmbeddedInfo[0] = "SHOP 13";
         }),
         false,
         {{"Model", "400-470MHz", "400-430MHz"},
          {"embedded information, line 1", "SHOP 12", "SHOP 13"}},
         2},
        {"a radio of another band that holds the same memory",
         SampleImage(),
         false,
         {{"Model", "400-470MHz", "450-490MHz"}},
         1},
        {"the band code of another band in a radio of the same band",
         SampleChanged([](qv::Setup& s) { s.Combo1 = s.BandIndex = 2; }),
         false,
         {{"radio memory 0x01BD", "33", "43"}, {"radio memory 0x034C", "33", "43"}}},
        {"a key",
         SampleChanged([](qv::Setup& s) { s.KeyFunctionCodes[0] = 2; }),
         false,
         {{"LongPress_PF1", "", ""}}},
        {"a DTMF code",
         SampleChanged([](qv::Setup& s) { s.DtmfCodes[7] = "123"; }),
         false,
         {{"DTMF code 8", "8", "123"}}},
        {"a test channel",
         SampleChanged([](qv::Setup& s) { s.TestFrequencyTable[1][0] = "401.00000"; }),
         false,
         {{"test channel 01, TX Frequency", "", "401.00000"}}},
        {"a function setting",
         SampleChanged([](qv::Setup& s) { s.Combo9 = 9; }),
         false,
         {{"Squelch Grade", "", ""}}},
        {"calibration while access is closed: the write left it alone",
         SampleChanged([](qv::Setup& s) { s.PowerHighLevel = 111; }),
         false,
         {}},
        {"calibration while access is open",
         SampleChanged([](qv::Setup& s) { s.PowerHighLevel = 111; }),
         true,
         {{"TX-Hight Power", "208", "111"}}},
        {"a byte the radio keeps to itself", SampleWithByte(0x190, 0x12), false, {}},
        {"the model text, which no window shows",
         SampleWithByte(0x1A9, 'X'),
         false,
         {{"radio memory 0x01B9", "42", "58"}}},
        {"filler between fields",
         SampleWithByte(0x10F, 0x00),
         false,
         {{"radio memory 0x011F", "FF", "00"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<SetupDifference> found = CompareImages(
            {SampleImage(), kSampleBand}, {c.radio, c.radioBand}, c.calibrationUnlocked);
        ASSERT_EQ(found.size(), c.expected.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].field.english, c.expected[i].field);
            // Values left empty above are list items whose wording is not the point here.
            if (!c.expected[i].wrote.empty()) {
                EXPECT_EQ(found[i].expected.english, c.expected[i].wrote);
                EXPECT_EQ(found[i].actual.english, c.expected[i].holds);
            }
            EXPECT_NE(found[i].expected.english, found[i].actual.english);
            EXPECT_FALSE(found[i].field.chinese.empty());
        }
    }
}

TEST(CompareImages, ABlockTheRadioDidNotStoreIsFoundAndNamed) {
    // The radio acknowledged the block at radio address 0x0150 (image 0x140..0x14F) and kept
    // what it held before: the start-up values of a fresh radio.
    ImageBytes radio = SampleImage();
    const ImageBytes written =
        SampleChanged([](qv::Setup& s) { s.Grid1[21][kColTxTone] = "D023N"; });
    std::fill(radio.begin() + 0x3F0 + 4 * 16, radio.begin() + 0x3F0 + 5 * 16, 0xFF);
    const std::vector<SetupDifference> found =
        CompareImages({written, kSampleBand}, {radio, kSampleBand}, false);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].field.english, "channel G2- 05");
    EXPECT_EQ(found[0].actual.english, "(empty)");
}

TEST(CompareSetupWithRadio, WhatAWriteOfTheShownSetupWouldChange) {
    qv::Setup shown = SampleSetup();
    shown.Grid1[21][kColTxTone] = "67.0";
    const std::vector<SetupDifference> found =
        CompareSetupWithRadio(shown, SampleImage(), kSampleBand, false);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(DescribeDifference(found[0], DifferenceWording::Compare, Language::English),
              "channel G2- 05, TX QT/DQT: shown 67.0, radio holds D023N");
    EXPECT_TRUE(CompareSetupWithRadio(SampleSetup(), SampleImage(), kSampleBand, true).empty());
}

// The write would ask about the band: the comparison says why, in the reader's language.
TEST(CompareSetupWithRadio, ARadioOfAnotherBandIsNotTheSame) {
    const std::vector<SetupDifference> found =
        CompareSetupWithRadio(SampleSetup(), SampleImage(), 1, false);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(DescribeDifference(found[0], DifferenceWording::Compare, Language::English),
              "Model: shown 400-470MHz, radio holds 450-490MHz");
    EXPECT_EQ(DescribeDifference(found[0], DifferenceWording::Compare, Language::Chinese),
              "机型选择：显示 400-470MHz，对讲机中为 450-490MHz");
}

TEST(BandOfImage, TheBandASetUpHolds) {
    EXPECT_EQ(BandOfImage(SampleImage()), kSampleBand);
    EXPECT_EQ(BandOfImage(SampleChanged([](qv::Setup& s) { s.Combo1 = s.BandIndex = 5; })), 5);
}

TEST(DescribeDifference, InTheLanguageOfTheReader) {
    const std::vector<SetupDifference> found = CompareImages(
        {SampleImage(), kSampleBand},
        {SampleChanged([](qv::Setup& s) { s.Grid1[21][kColTxTone] = "67.0"; }), kSampleBand},
        false);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(DescribeDifference(found[0], DifferenceWording::Verify, Language::English),
              "channel G2- 05, TX QT/DQT: wrote D023N, radio holds 67.0");
    EXPECT_EQ(DescribeDifference(found[0], DifferenceWording::Verify, Language::Chinese),
              "信道 G2- 05，发射亚音频：写入 D023N，对讲机中为 67.0");
    EXPECT_EQ(DescribeDifference(found[0], DifferenceWording::Compare, Language::English),
              "channel G2- 05, TX QT/DQT: shown D023N, radio holds 67.0");
    EXPECT_EQ(DescribeDifference(found[0], "a.DAT", "b.DAT", Language::English),
              "channel G2- 05, TX QT/DQT: a.DAT has D023N, b.DAT has 67.0");
}

TEST(DescribeDifferences, ListsTheFirstOnesAndCountsTheRest) {
    const ImageBytes radio = SampleChanged([](qv::Setup& s) {
        for (int line = 0; line < 2; ++line) s.EmbeddedInfo[line] = "CHANGED";
        s.DtmfCodes[0] = "9";
    });
    const std::vector<SetupDifference> found =
        CompareImages({SampleImage(), kSampleBand}, {radio, kSampleBand}, false);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(DescribeDifferences(found, DifferenceWording::Verify, Language::English, 2),
              DescribeDifference(found[0], DifferenceWording::Verify, Language::English) + "\n" +
                  DescribeDifference(found[1], DifferenceWording::Verify, Language::English) +
                  "\n... and 1 more differences\n");
}

}  // namespace
}  // namespace qv
