#include "image/channel_codec.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "image/image_test_support.h"
#include "image/memory_image.h"

namespace qv {
namespace {

using Row = std::array<std::string, 8>;  // grid columns 1..8

std::string EncodeRow(ProgramState& state, const Row& cells, int row = 1) {
    for (int column = 1; column <= 8; ++column) state.Grid1[row][column] = cells[column - 1];
    std::array<std::uint8_t, kChannelRecordBytes> record{};
    EncodeChannelRow(state, row, record);
    return HexText(record);
}

Row DecodeRow(ProgramState& state, const std::string& hex, int row = 1) {
    std::array<std::uint8_t, kChannelRecordBytes> record{};
    for (std::size_t k = 0; k < record.size(); ++k) {
        record[k] = static_cast<std::uint8_t>(std::stoi(hex.substr(2 * k, 2), nullptr, 16));
    }
    SetGrid(state, CaptionLanguage(state.LanguageIsEnglish), row, row, record);
    Row cells;
    for (int column = 1; column <= 8; ++column) cells[column - 1] = state.Grid1[row][column];
    return cells;
}

class ChannelRecord : public test::StartedProgram {};

TEST_F(ChannelRecord, EncodesAndDecodesAFullChannel) {
    state.LanguageIsEnglish = 1;
    const Row cells = {"435.12500", "67.0", "435.12500", "D023N", "Hight", "Off", "Wide", "Have"};
    EXPECT_EQ(EncodeRow(state, cells), "00255143002551439E021328F0F0FCFF");
    Row decoded = DecodeRow(state, "00255143002551439E021328F0F0FCFF", 2);
    decoded[7] = "Have";  // the scan column comes from the bitmap, not the record
    EXPECT_EQ(decoded, cells);
    EXPECT_EQ(state.ChannelFlags[2][kColRxTone], 1);   // 67.0 is item 1 of the tone list
    EXPECT_EQ(state.ChannelFlags[2][kColTxTone], 51);  // D023N is item 51
    EXPECT_EQ(state.ChannelFlags[2][kColPower], 1);
    EXPECT_EQ(state.ChannelFlags[2][kColBusyLockout], 0);
    EXPECT_EQ(state.ChannelFlags[2][kColBandwidth], 1);
}

TEST_F(ChannelRecord, EncodesToneWordsLowByteFirst) {
    const struct {
        const char* tone;
        const char* word;
    } cases[] = {{"67.0", "9E02"},  {"100.0", "E803"}, {"254.1", "ED09"},
                 {"D023N", "1328"}, {"D754I", "ECA9"}, {"D023I", "13A8"},
                 {"关闭", "FFFF"},  {"Off", "FFFF"},   {"", "FFFF"}};
    for (const auto& c : cases) {
        const std::string record =
            EncodeRow(state, {"435.12500", c.tone, "435.12500", "", "高", "关闭", "宽带", "有"});
        EXPECT_EQ(record.substr(16, 4), c.word) << c.tone;
    }
}

TEST_F(ChannelRecord, DecodesToneWords) {
    const struct {
        const char* word;  // bytes 8-9 as stored
        const char* tone;
    } cases[] = {
        {"9E02", "67.0"},  {"E803", "100.0"}, {"ED09", "254.1"}, {"1328", "D023N"},
        {"ECA9", "D754I"}, {"1320", "D23N"},  // 0x2013 lacks 0x800: its octal form has two digits
        {"FFFF", "关闭"}};
    for (const auto& c : cases) {
        const Row cells =
            DecodeRow(state, std::string("0025514300255143") + c.word + "FFFFF0F0FCFF");
        EXPECT_EQ(cells[1], c.tone) << c.word;
    }
}

TEST_F(ChannelRecord, EmptyRowEncodesAsBlankRecordAndDecodesToEmptyCells) {
    EXPECT_EQ(EncodeRow(state, {}), "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF");
    state.Grid1[5][kColRxFrequency] = "435.00000";
    state.ChannelFlags[5][kColPower] = 1;
    EXPECT_EQ(DecodeRow(state, "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF", 5), Row{});
    EXPECT_EQ(state.ChannelFlags[5][kColPower], 1) << "an empty record leaves ChannelFlags";
}

TEST_F(ChannelRecord, TransmitToneShowsWithoutTransmitFrequency) {
    const Row cells = DecodeRow(state, "00255143FFFFFFFFFFFF9E02F0F0FCFF");
    EXPECT_EQ(cells[kColTxFrequency - 1], "");
    EXPECT_EQ(cells[kColTxTone - 1], "67.0");
    // No transmit frequency and no transmit tone: both cells empty.
    const Row bare = DecodeRow(state, "00255143FFFFFFFFFFFFFFFFF0F0FCFF");
    EXPECT_EQ(bare[kColTxTone - 1], "");
    EXPECT_EQ(bare[kColRxTone - 1], "关闭");
}

TEST_F(ChannelRecord, ReadsOnlyTheThreeFlagBits) {
    // Byte 12 bit 3 lockout, byte 13 bit 5 power, bit 4 bandwidth; all other bits ignored.
    const struct {
        const char* flags;  // bytes 12-13
        Row expected;
    } cases[] = {
        {"F0C0", {"", "", "", "", "低", "关闭", "窄带", ""}},
        {"F8F0", {"", "", "", "", "高", "载波", "宽带", ""}},
        {"0720", {"", "", "", "", "高", "关闭", "窄带", ""}},
        {"FFDF", {"", "", "", "", "低", "载波", "宽带", ""}},
    };
    for (const auto& c : cases) {
        Row cells = DecodeRow(state, std::string("0025514300255143FFFFFFFF") + c.flags + "FCFF");
        for (int column : {1, 2, 3, 4}) cells[column - 1].clear();
        EXPECT_EQ(cells, c.expected) << c.flags;
    }
}

TEST_F(ChannelRecord, CopiesFrequencyDigitsAsTheyStand) {
    EXPECT_EQ(DecodeRow(state, "0A2551B3FFFFFFFFFFFFFFFFF0F0FCFF")[0], "B35.1250A");
}

TEST_F(ChannelRecord, EncodesTheSameBytesInEitherLanguage) {
    const Row chinese = {"435.12500", "关闭", "436.00000", "D754I", "低", "载波", "窄带", "无"};
    const Row english = {"435.12500", "Off", "436.00000", "D754I", "Low", "Carrow", "Narrow", "No"};
    EXPECT_EQ(EncodeRow(state, chinese), EncodeRow(state, english));
}

TEST_F(ChannelRecord, MalformedCellsStillGiveSixteenBytes) {
    // A frequency's digits are placed by its point and one the field cannot hold is no frequency,
    // a tone beyond the word is held at 0xFFFE, a DCS digit past 7 is cut to the code's nine bits,
    // and a list cell that is not the first item counts as the second.
    EXPECT_EQ(EncodeRow(state, {"4", "9999999", "abc.defghij", "D9N", "?", "?", "?", "?"}),
              "00004000"
              "FFFFFFFF"
              "FEFF"
              "4028"
              "F8F0FCFF");
}

class ScanBitmap : public test::StartedProgram {};

TEST_F(ScanBitmap, PutsEachChannelAtItsBit) {
    for (int row : {33, 16, 1, 48}) {
        state.Grid1[row][kColRxFrequency] = "435.00000";
        state.Grid1[row][kColScan] = "有";
    }
    // 0x16A bit 0 = channel 33, 0x16B bit 7 = 48, 0x16E bit 0 = 1, 0x16F bit 7 = 16.
    EXPECT_EQ(EncodedAt(0x16A, 6),
              "0180000001"
              "80");
}

TEST_F(ScanBitmap, EmptyChannelsNeverScanAndDecodeEmpty) {
    state.Grid1[1][kColScan] = "有";  // no receive frequency: not a channel
    EXPECT_EQ(EncodedAt(0x16E, 1), "00");
    // A set bit for an empty channel leaves its scan cell empty.
    DecodeWith(0x16E, "FF");
    EXPECT_EQ(state.Grid1[1][kColScan], "");
}

}  // namespace
}  // namespace qv
