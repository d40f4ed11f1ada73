// Comparing set-ups: every difference named as the windows name it, valued as they show it, and
// nothing reported for bytes the radio keeps to itself.
#include "rules/compare/setup_compare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "image/image_codec.h"
#include "image/written_bytes.h"
#include "rules/compare/compared_fields.h"
#include "rules/program/startup.h"
#include "state/option_entries.h"
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
ImageBytes SampleWithBytes(std::initializer_list<std::pair<std::size_t, std::uint8_t>> bytes) {
    ImageBytes image = SampleImage();
    for (const auto& [offset, value] : bytes) image[offset] = value;
    return image;
}
ImageBytes SampleWithByte(std::size_t offset, std::uint8_t value) {
    return SampleWithBytes({{offset, value}});
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
        {"two bytes of the model text, one between them the same: from the first to the last",
         SampleWithBytes({{0x1A9, 'X'}, {0x1AB, '7'}}),
         false,
         {{"radio memory 0x01B9-0x01BB", "42 34 36", "58 34 37"}}},
        {"filler at both ends of a gap between fields",
         SampleWithBytes({{0x108, 0x00}, {0x10A, 0x01}}),
         false,
         {{"radio memory 0x0118-0x011A", "FF FF FF", "00 FF 01"}}},
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

// What verify rests on: every byte a write sends, changed alone, is a difference the comparison
// names; a byte the write does not send never is. With calibration access closed over the whole
// image, and open over the calibration block, which the write then sends too. A byte changes in
// its lowest bit or its highest, by turns, so that values the decoder takes and values it
// refuses both come up.
TEST(CompareImages, EveryByteAWriteSendsIsComparedAndNoOther) {
    const auto sentBytes = [](bool calibrationUnlocked) {
        std::array<bool, kImageBytes> sent{};
        for (const ImageRange& range : WrittenRanges(calibrationUnlocked)) {
            std::fill_n(sent.begin() + static_cast<std::ptrdiff_t>(range.first), range.count, true);
        }
        return sent;
    };
    const std::array<bool, kImageBytes> sentLocked = sentBytes(false);
    const std::array<bool, kImageBytes> sentUnlocked = sentBytes(true);
    std::size_t named = 0;
    for (const bool calibrationUnlocked : {false, true}) {
        const std::array<bool, kImageBytes>& sent = calibrationUnlocked ? sentUnlocked : sentLocked;
        for (std::size_t offset = 0; offset < kImageBytes; ++offset) {
            if (calibrationUnlocked && sentUnlocked[offset] == sentLocked[offset]) continue;
            SCOPED_TRACE("image byte " + std::to_string(offset) +
                         (calibrationUnlocked ? ", calibration access open" : ""));
            const int flip = offset % 2 == 0 ? 0x01 : 0x80;
            const ImageBytes radio =
                SampleWithByte(offset, static_cast<std::uint8_t>(SampleImage()[offset] ^ flip));
            const std::vector<SetupDifference> found = CompareImages(
                {SampleImage(), kSampleBand}, {radio, kSampleBand}, calibrationUnlocked);
            EXPECT_EQ(found.empty(), !sent[offset]);
            named += found.empty() ? 0 : 1;
            for (const SetupDifference& difference : found) {
                EXPECT_NE(difference.expected, difference.actual) << difference.field.english;
            }
        }
    }
    EXPECT_EQ(named,
              static_cast<std::size_t>(std::count(sentUnlocked.begin(), sentUnlocked.end(), true)))
        << "every byte sent, the calibration block once";
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
                  "\n... and 1 more difference\n");
    EXPECT_TRUE(DescribeDifferences(found, DifferenceWording::Verify, Language::English, 1)
                    .ends_with("\n... and 2 more differences\n"));
}

// Whether `text` holds a Chinese, Japanese or Korean character or a full-width sign.
bool HoldsCjk(const std::string& text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        char32_t code = byte;
        std::size_t length = 1;
        if (byte >= 0xF0) {
            code = byte & 0x07u, length = 4;
        } else if (byte >= 0xE0) {
            code = byte & 0x0Fu, length = 3;
        } else if (byte >= 0xC0) {
            code = byte & 0x1Fu, length = 2;
        }
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
        }
        if ((code >= 0x2E80 && code <= 0x9FFF) || (code >= 0xF900 && code <= 0xFAFF) ||
            (code >= 0xFF00 && code <= 0xFFEF)) {
            return true;
        }
        i += length;
    }
    return false;
}

// Every field a comparison can name, named and valued in English words for an English reader,
// whatever position each list of the set-up stands at (also positions a list does not have).
TEST(NamedValues, AnEnglishReaderReadsNoChinese) {
    using Form = OptionalFunctionsControls;
    constexpr int Form::*kDialogLists[] = {
        &Form::Combo0,  &Form::Combo1,  &Form::Combo2,  &Form::Combo3,  &Form::Combo4,
        &Form::Combo6,  &Form::Combo7,  &Form::Combo8,  &Form::Combo9,  &Form::Combo10,
        &Form::Combo11, &Form::Combo12, &Form::Combo13, &Form::Combo14, &Form::Combo15,
        &Form::Combo16, &Form::Combo17, &Form::Combo18, &Form::Combo19, &Form::Combo20,
        &Form::Combo21, &Form::Combo22};
    constexpr int qv::Setup::*kMainLists[] = {&qv::Setup::Combo2, &qv::Setup::Combo3,
                                              &qv::Setup::Combo4, &qv::Setup::Combo6,
                                              &qv::Setup::Combo7, &qv::Setup::Combo9};
    std::size_t checked = 0;
    for (int position = -1; position <= 95; ++position) {
        qv::Setup setup = SampleSetup();
        for (const auto list : kDialogLists) setup.Form5.*list = position;
        for (const auto list : kMainLists) setup.*list = position;
        setup.KeyFunctionCodes.fill(position);
        setup.Form5.Check3 = setup.Form5.Check4 = position & 1;
        for (const NamedValue& named : NamedValues(setup, Language::English)) {
            EXPECT_FALSE(HoldsCjk(named.name)) << named.name;
            EXPECT_FALSE(HoldsCjk(named.value)) << named.name << ": " << named.value;
            ++checked;
        }
        const NamedValue band = NamedBand(position, Language::English);
        EXPECT_FALSE(HoldsCjk(band.name + band.value)) << band.name;
    }
    EXPECT_GT(checked, 97u * 400u) << "every field, at every position";
}

// The DTMF frame shows Chinese in both languages; a comparison tells an English reader what
// the show command says, and a Chinese reader what the window shows.
TEST(DescribeDifference, TheDtmfFrameInTheReadersLanguage) {
    const auto delay = [](int ms) {
        return SampleChanged(
            [ms](qv::Setup& s) { s.OptionValue[option_value::kFirstDigitDelayMs] = ms; });
    };
    const std::vector<SetupDifference> found =
        CompareImages({delay(100), kSampleBand}, {delay(250), kSampleBand}, false);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(DescribeDifference(found[0], DifferenceWording::Verify, Language::English),
              "First digit delay: wrote 100 ms, radio holds 250 ms");
    EXPECT_EQ(DescribeDifference(found[0], DifferenceWording::Verify, Language::Chinese),
              "首位数码延迟：写入 100MS，对讲机中为 250MS");
}

}  // namespace
}  // namespace qv
