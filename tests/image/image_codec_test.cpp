#include "image/image_codec.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "image/image_layout.h"
#include "image/image_test_support.h"

namespace qv {
namespace {

class StartupImage : public test::StartedProgram {};

TEST_F(StartupImage, HasFixedLengthConstantsAndUpperCase) {
    const std::string image = HexText(EncodeImage(state));
    ASSERT_EQ(image.size(), 3040u);
    EXPECT_TRUE(std::none_of(image.begin(), image.end(), [](char c) { return std::islower(c); }));
    const ImageBytes bytes = EncodeImage(state);
    EXPECT_EQ(BytesAt(bytes, 0x1A8, 5), "4D42343630");
    EXPECT_EQ(BytesAt(bytes, 0x1AE, 2), "F8FF");
    EXPECT_EQ(BytesAt(bytes, 0x330, 7), "504C4E52383230");
    EXPECT_EQ(BytesAt(bytes, 0x340, 8), "3630393035363236");
    EXPECT_EQ(BytesAt(bytes, 0x348, 8), "8888888888888888");
    EXPECT_EQ(BytesAt(bytes, 0x123, 1), "00");
}

TEST_F(StartupImage, HoldsTheStartupValues) {
    const struct {
        std::size_t offset;
        std::size_t size;
        const char* bytes;
    } cases[] = {
        {0x000, 16, "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF"},  // channel 1 empty
        {0x100, 8, "0001000101010000"},                   // DTMF settings
        {0x108, 3, "FFFFFF"},                             // filler
        {0x10B, 4, "0A0C0107"},                           // PF1/PF2 keys
        {0x110, 10, "FFFFFFFFFFFFFFFFFFFF"},              // option text 15, empty
        {0x11F, 3, "010200"},                             // Chinese prompts, 30 s, no pre-alert
        {0x122, 2, "0100"},                               // PTT ID, reserved byte
        {0x124, 3, "050101"},                             // squelch 5, saver on, beep on
        {0x127, 9, "01010103010101FF00"},  // VOX settings, call answer on, alarm on, group 1
        {0x130, 16, "3132333435FFFFFFFFFFFFFFFFFFFFFF"},  // option text 16
        {0x140, 16, "3132333435FFFFFFFFFFFFFFFFFFFFFF"},  // option text 17
        {0x150, 10, "00010101010000000000"},              // scan settings, channel 1
        {0x160, 6, "0107000A0C00"},                       // KB keys
        {0x16A, 6, "000000000000"},                       // no channel scans
        {0x173, 1, "D0"},
        {0x178, 1, "5C"},
        {0x1AD, 1, "33"},
        {0x33C, 1, "33"},
        {0x1B0, 16, "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},  // no password
        {0x1F0, 16, "31FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},  // DTMF code 1
        {0x260, 16, "38FFFFFFFFFFFFFFFFFFFFFFFFFFFFFF"},  // DTMF code 8
        {0x270, 8, "FFFFFFFFFFFFFFFF"},                   // test channel 1 empty
        {0x2F0, 4, "FFFFFFFF"},                           // no embedded information
        {0x5E0, 16, "FFFFFFFFFFFFFFFFFFFFFFFFF8F0FCFF"},  // channel 48 empty
    };
    const ImageBytes bytes = EncodeImage(state);
    for (const auto& c : cases) {
        EXPECT_EQ(BytesAt(bytes, c.offset, c.size), std::string(c.bytes).substr(0, 2 * c.size))
            << std::hex << c.offset;
    }
}

TEST(ImageLayout, CoversTheImageOnceInDecodingOrder) {
    std::array<int, kImageBytes> owners{};
    std::uint16_t lastOffset = 0;
    int index = 0;
    for (const ImageField& field : ImageLayout()) {
        ASSERT_LE(field.offset + field.size, kImageBytes) << field.name;
        EXPECT_TRUE(field.encode != nullptr || field.constant.size() == field.size) << field.name;
        for (int k = 0; k < field.size; ++k) ++owners[field.offset + k];
        // The three channel blocks come first; the other fields follow in ascending offset.
        if (index++ >= 3) {
            EXPECT_GT(field.offset, lastOffset) << field.name;
            lastOffset = field.offset;
        }
    }
    EXPECT_TRUE(std::all_of(owners.begin(), owners.end(), [](int n) { return n <= 1; }));
}

class DecodeImageTest : public test::StartedProgram {
  protected:
    // A set-up that differs from the start-up one wherever the image can carry it.
    void FillEveryField(ProgramState& s) {
        s.LanguageIsEnglish = 1;
        for (int row : {1, 16, 17, 32, 33, 48}) {
            auto& cells = s.Grid1[row];
            cells = {cells[0],    "435.12500", "67.0",
                     "436.00625", "D754I",     "Low",
                     "Carrow",    "Narrow",    row % 2 ? "Have" : "No"};
        }
        s.Grid1[20] = {s.Grid1[20][0], "401.00000", "Off", "", "", "Hight", "Off", "Wide", "Have"};
        s.Combo1 = s.BandIndex = 2;
        s.Combo2 = 1, s.Combo3 = 39, s.Combo4 = 10, s.Combo9 = 9, s.Combo6 = 0, s.Combo7 = 0;
        s.OptionValue = {3, 2, 1000, 2, 16, 0, 6, 15};
        for (int entry : {3, 5, 6, 7, 8, 9, 12, 13, 14, 22, 23}) s.OptionText[entry] = "0";
        s.OptionText[6] = "5";
        s.OptionText[12] = "91";
        s.OptionText[11] = "16";
        s.OptionText[18] = "300";
        s.OptionText[19] = "7";
        s.OptionText[15] = "ABCDEFGHIJ";
        s.OptionText[16] = "SIXTEEN-CHARS-16";
        s.OptionText[17] = "";
        s.Form5.Combo1 = 15, s.Form5.Combo2 = 0, s.Form5.Combo3 = 2;
        s.DtmfCodes = {"*0#", "0123456789ABCD*#", "", "D", "1", "22", "333", "4444"};
        s.KeyFunctionCodes = {12, 0, 9, 0, 11, 3, 8, 2, 12, 9};
        s.PowerHighLevel = 255, s.PowerLowLevel = 0;
        s.TestFrequencyTable[0][0] = "435.12500";
        s.TestFrequencyTable[1][15] = "600.00000";
        s.EmbeddedInfo = {"Shop 12", std::string(32, 'x')};
    }
};

TEST_F(DecodeImageTest, RoundTripsEveryField) {
    ProgramState source = state;
    FillEveryField(source);
    const ImageBytes image = EncodeImage(source);
    state.LanguageIsEnglish = 1;
    ASSERT_TRUE(DecodeImage(image, state, host).ok());
    EXPECT_EQ(EncodeImage(state), image);
    EXPECT_EQ(state.Grid1, source.Grid1);
    EXPECT_EQ(state.BandIndex, 2);
    EXPECT_EQ(state.BandLowMHz(), 400);
    EXPECT_EQ(state.BandHighMHz(), 430);
    EXPECT_EQ(state.OptionValue, source.OptionValue);
    EXPECT_EQ(state.KeyFunctionCodes, source.KeyFunctionCodes);
    EXPECT_EQ(state.DtmfCodes, source.DtmfCodes);
    EXPECT_EQ(state.EmbeddedInfo, source.EmbeddedInfo);
    EXPECT_EQ(state.TestFrequencyTable, source.TestFrequencyTable);
    EXPECT_EQ(state.OptionText[15], "ABCDEFGHIJ");
    EXPECT_EQ(state.OptionText[16], "SIXTEEN-CHARS-16");
    // Controls follow the held values.
    EXPECT_EQ(state.Form5.Combo18, 18);
    EXPECT_EQ(state.Form5.Combo22, 6);
    EXPECT_EQ(state.Form5.Combo12, 15);
    EXPECT_EQ(state.Form5.Text5, "300");
    EXPECT_EQ(state.Form5.mfgrid1[1][1], "*0#");
    EXPECT_EQ(state.Form6.Combo[1], 12);
    EXPECT_EQ(state.Form2.Slider1, 255);
    EXPECT_EQ(state.Form2.Slider3, 0);
    EXPECT_EQ(state.Form4.mfgrid1[16][2], "600.00000");
    EXPECT_EQ(state.Form7.Text1, "Shop 12");
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(DecodeImageTest, PlacesTheThreeChannelBlocks) {
    const struct {
        std::size_t offset;
        int row;
    } cases[] = {{0x000, 1}, {0x0F0, 16}, {0x3F0, 17}, {0x4E0, 32}, {0x4F0, 33}, {0x5E0, 48}};
    for (const auto& c : cases) {
        state = StartupState(host);
        DecodeWith(c.offset, "00255143FFFFFFFFFFFFFFFFF0F0FCFF");
        for (int row = 1; row <= kChannelCount; ++row) {
            EXPECT_EQ(state.Grid1[row][kColRxFrequency], row == c.row ? "435.12500" : "")
                << "record at " << std::hex << c.offset << " row " << std::dec << row;
        }
    }
}

TEST_F(DecodeImageTest, ReadImageOf1536BytesDecodesItsFirst1520) {
    ProgramState source = state;
    FillEveryField(source);
    const ImageBytes image = EncodeImage(source);
    const auto withTail = [&](std::uint8_t tail) {
        std::vector<std::uint8_t> read(image.begin(), image.end());
        read.insert(read.end(), 16, tail);
        return read;
    };
    ProgramState fromRead = state;
    ASSERT_TRUE(DecodeImage(withTail(0xFF), fromRead, host).ok());
    ASSERT_TRUE(DecodeImage(withTail('Z'), state, host).ok());
    ProgramState fromFile = StartupState(host);
    ASSERT_TRUE(DecodeImage(image, fromFile, host).ok());
    EXPECT_EQ(EncodeImage(fromRead), EncodeImage(fromFile));
    EXPECT_EQ(fromRead.Grid1, fromFile.Grid1);
}

TEST_F(DecodeImageTest, DamagedImagesChangeNothing) {
    ProgramState source = state;
    FillEveryField(source);
    const ImageBytes good = EncodeImage(source);
    const struct {
        const char* what;
        std::vector<std::uint8_t> image;
        MessageId reason;
    } cases[] = {
        {"empty", {}, MessageId::ImageTooShort},
        {"one byte short", {good.begin(), good.end() - 1}, MessageId::ImageTooShort},
    };
    const ImageBytes before = EncodeImage(state);
    state.CalibrationUnlocked = true;
    for (const auto& c : cases) {
        const Status status = DecodeImage(c.image, state, host);
        EXPECT_FALSE(status.ok()) << c.what;
        EXPECT_EQ(status.message(), c.reason) << c.what;
        EXPECT_EQ(EncodeImage(state), before) << c.what;
        EXPECT_TRUE(state.CalibrationUnlocked) << c.what;
    }
}

TEST_F(DecodeImageTest, ClosesCalibrationAccess) {
    state.CalibrationUnlocked = true;
    state.Form2SlidersEnabled = true;
    Decode(EncodeImage(state));
    EXPECT_FALSE(state.CalibrationUnlocked);
    EXPECT_TRUE(state.Form2SlidersEnabled) << "the sliders keep their state";
}

TEST_F(DecodeImageTest, SelectsEveryBandWithoutAQuestion) {
    const struct {
        const char* code;
        int position;
        int low;
        int high;
    } cases[] = {{"33", 0, 400, 470}, {"21", 1, 450, 490}, {"43", 2, 400, 430},
                 {"63", 3, 370, 390}, {"53", 4, 350, 370}, {"73", 5, 600, 620}};
    for (const auto& c : cases) {
        ProgramState other = state;
        other.Grid1[1][kColRxFrequency] = "455.00000";
        other.Combo1 = other.BandIndex = c.position;
        EXPECT_EQ(BytesAt(EncodeImage(other), 0x1AD, 1), c.code);
        EXPECT_EQ(BytesAt(EncodeImage(other), 0x33C, 1), c.code);
        state.Combo1 = state.BandIndex = (c.position + 3) % 6;
        DecodeWith(0x1AD, c.code);
        EXPECT_EQ(state.Combo1, c.position) << c.code;
        EXPECT_EQ(state.BandIndex, c.position) << c.code;
        EXPECT_EQ(state.BandLowMHz(), c.low) << c.code;
        EXPECT_EQ(state.BandHighMHz(), c.high) << c.code;
    }
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(DecodeImageTest, UnknownBandCodeKeepsTheBand) {
    state.Combo1 = state.BandIndex = 4;
    DecodeWith(0x1AD, "34");
    EXPECT_EQ(state.Combo1, 4);
    EXPECT_EQ(state.BandIndex, 4);
}

TEST_F(DecodeImageTest, BandOfTheImageSurvivesItsChannels) {
    ImageBytes image = StartupImageWith(0x000, "00000060FFFFFFFFFFFFFFFFF0F0FCFF");
    Poke(image, 0x1AD, "73");
    Decode(image);
    EXPECT_EQ(state.Grid1[1][kColRxFrequency], "600.00000") << "no question clears the table";
}

TEST_F(DecodeImageTest, MainSettingsKeepOrFallBack) {
    const struct {
        std::size_t offset;
        const char* byte;
        int ProgramState::*list;
        int expected;  // -2: unchanged
    } cases[] = {
        {0x11F, "00", &ProgramState::Combo2, 0},  {0x11F, "03", &ProgramState::Combo2, 0},
        {0x11F, "FF", &ProgramState::Combo2, 0},  {0x11F, "02", &ProgramState::Combo2, 1},
        {0x120, "28", &ProgramState::Combo3, 39}, {0x120, "29", &ProgramState::Combo3, -2},
        {0x120, "00", &ProgramState::Combo3, -1}, {0x121, "0A", &ProgramState::Combo4, 10},
        {0x121, "0B", &ProgramState::Combo4, -2}, {0x124, "09", &ProgramState::Combo9, 9},
        {0x124, "0A", &ProgramState::Combo9, -2}, {0x125, "02", &ProgramState::Combo6, -2},
        {0x126, "00", &ProgramState::Combo7, 0},
    };
    for (const auto& c : cases) {
        state.Combo2 = 1, state.Combo3 = 7, state.Combo4 = 3, state.Combo9 = 2, state.Combo6 = 1,
        state.Combo7 = 1;
        const int before = state.*c.list;
        DecodeWith(c.offset, c.byte);
        EXPECT_EQ(state.*c.list, c.expected == -2 ? before : c.expected)
            << std::hex << c.offset << " = " << c.byte;
    }
    // No time-out selection encodes as 0x00.
    state.Combo3 = -1;
    EXPECT_EQ(EncodedAt(0x120, 1), "00");
}

TEST_F(DecodeImageTest, OptionalFunctionBytesKeepOutOfRangeValues) {
    const struct {
        std::size_t offset;
        const char* bytes;
        int OptionalFunctionsControls::*control;
        int expected;  // -2: unchanged
    } cases[] = {
        {0x100, "03", &OptionalFunctionsControls::Combo0, 3},
        {0x100, "04", &OptionalFunctionsControls::Combo0, -2},
        {0x102, "0A", &OptionalFunctionsControls::Combo18, 0},
        {0x102, "64", &OptionalFunctionsControls::Combo18, 18},
        {0x102, "09", &OptionalFunctionsControls::Combo18, -2},
        {0x102, "65", &OptionalFunctionsControls::Combo18, -2},
        {0x104, "10", &OptionalFunctionsControls::Combo19, 16},
        {0x104, "11", &OptionalFunctionsControls::Combo19, -2},
        {0x106, "36", &OptionalFunctionsControls::Combo22, 6},
        {0x106, "FF", &OptionalFunctionsControls::Combo22, 0},
        {0x106, "37", &OptionalFunctionsControls::Combo22, -2},
        {0x106, "41", &OptionalFunctionsControls::Combo22, -2},
        {0x107, "0F", &OptionalFunctionsControls::Combo21, 15},
        {0x107, "10", &OptionalFunctionsControls::Combo21, -2},
        {0x122, "02", &OptionalFunctionsControls::Combo4, 2},
        {0x122, "03", &OptionalFunctionsControls::Combo4, -2},
        {0x12A, "05", &OptionalFunctionsControls::Combo7, 5},
        {0x12A, "06", &OptionalFunctionsControls::Combo7, -2},
        {0x12D, "FE", &OptionalFunctionsControls::Combo2, 0},
        {0x12E, "FE", &OptionalFunctionsControls::Combo10, 0},
        {0x12F, "02", &OptionalFunctionsControls::Combo3, 2},
        {0x12F, "03", &OptionalFunctionsControls::Combo3, -2},
        {0x151, "00", &OptionalFunctionsControls::Combo12, -2},
        {0x151, "11", &OptionalFunctionsControls::Combo12, -2},
        {0x151, "10", &OptionalFunctionsControls::Combo12, 15},
        {0x152, "FF", &OptionalFunctionsControls::Combo13, 0},
        {0x152, "5B", &OptionalFunctionsControls::Combo13, 91},
        {0x152, "5C", &OptionalFunctionsControls::Combo13, -2},
        {0x154, "04", &OptionalFunctionsControls::Combo15, -2},
        {0x159, "0F", &OptionalFunctionsControls::Combo1, 15},
        {0x159, "10", &OptionalFunctionsControls::Combo1, -2},
    };
    for (const auto& c : cases) {
        ProgramState fresh = StartupState(host);
        fresh.Form5.Combo3 = 1;
        fresh.Form5.Combo1 = 4;
        state = fresh;
        const int before = state.Form5.*c.control;
        DecodeWith(c.offset, c.bytes);
        EXPECT_EQ(state.Form5.*c.control, c.expected == -2 ? before : c.expected)
            << std::hex << c.offset << " = " << c.bytes;
    }
}

TEST_F(DecodeImageTest, EmptyRetraceTimeRoundTrips) {
    DecodeWith(0x152, "FF");
    EXPECT_EQ(state.OptionText[12], "0");
    EXPECT_EQ(EncodedAt(0x152, 1), "FF");
}

TEST_F(DecodeImageTest, ResumeDelaysAreSixteenBitUpTo300) {
    DecodeWith(0x155, "2C01");
    EXPECT_EQ(state.Form5.Text5, "300");
    EXPECT_EQ(state.OptionText[18], "300");
    DecodeWith(0x155, "2D01");
    EXPECT_EQ(state.Form5.Text5, "300") << "301 keeps the previous value";
    state.OptionText[19] = "258";
    EXPECT_EQ(EncodedAt(0x157, 2), "0201");
}

TEST_F(DecodeImageTest, FirstDigitDelayIsTenTimesItsByte) {
    DecodeWith(0x102, "1E");  // 300 ms
    EXPECT_EQ(state.OptionValue[2], 300);
    EXPECT_EQ(state.Form5.Combo18, 4);
    EXPECT_EQ(EncodedAt(0x102, 1), "1E");
}

TEST_F(DecodeImageTest, DtmfCodesStoreZeroAs3A) {
    state.DtmfCodes[0] = "*0#";
    EXPECT_EQ(EncodedAt(0x1F0, 16), "2A3A23FFFFFFFFFFFFFFFFFFFFFFFFFF");
    DecodeWith(0x1F0, "2A3A23FFFFFFFFFFFFFFFFFFFFFFFFFF");
    EXPECT_EQ(state.DtmfCodes[0], "*0#");
    EXPECT_EQ(state.Form5.mfgrid1[1][1], "*0#");
    // Seventeen characters reach the image as sixteen.
    state.DtmfCodes[1] = "12345678901234567";
    EXPECT_EQ(EncodedAt(0x200, 16), "3132333435363738393A313233343536");
}

TEST_F(DecodeImageTest, KeysAcceptOnlyTheirListsFunctions) {
    DecodeWith(0x10B, "0C");
    EXPECT_EQ(state.KeyFunctionCodes[0], 12);
    EXPECT_EQ(state.Form6.Combo[1], 12);
    DecodeWith(0x10D, "0C");  // a short-press list has 10 functions
    EXPECT_EQ(state.KeyFunctionCodes[2], 1);
    DecodeWith(0x162, "09");  // KB3 short
    EXPECT_EQ(state.KeyFunctionCodes[9], 9);
    EXPECT_EQ(state.Form6.Combo[10], 9);
}

TEST_F(DecodeImageTest, TestChannelsAndEmbeddedInformation) {
    state.TestFrequencyTable[0][0] = "435.12500";
    EXPECT_EQ(EncodedAt(0x270, 8), "00255143FFFFFFFF");
    state.EmbeddedInfo[0] = "ABC";
    EXPECT_EQ(EncodedAt(0x2F0, 32), "414243" + std::string(58, 'F'));

    ImageBytes image = StartupImageWith(0x270, "00255143FFFFFFFF");
    Poke(image, 0x310, "41FF42FF43");
    Decode(image);
    EXPECT_EQ(state.TestFrequencyTable[0][0], "435.12500");
    EXPECT_EQ(state.TestFrequencyTable[1][0], "");
    EXPECT_EQ(state.Form4.mfgrid1[1][1], "435.12500");
    EXPECT_EQ(state.Form4.mfgrid1[1][2], "");
    EXPECT_EQ(state.EmbeddedInfo[1], "ABC") << "0xFF between characters is dropped";
    EXPECT_EQ(state.Form7.Text2, "ABC");
}

// A held test frequency of another form than the grid gives (one typed before the grid checked
// what it takes, say) goes with the digits it shows or as no frequency, never with other digits.
TEST_F(DecodeImageTest, HeldTestFrequenciesOfAnyFormKeepTheirDigits) {
    const struct {
        const char* held;
        const char* bytes;    // the receive field of test channel 1
        const char* decoded;  // what reading the field back gives
    } cases[] = {
        {"435.12500", "00255143", "435.12500"},
        {"435.1", "00005143", "435.10000"},
        {"50.00000", "00000005", "050.00000"},  // not 500.00000
        {"0.00000", "00000000", "000.00000"},
        {"4A5.1250B", "0B25514A", "4A5.1250B"},  // digits a read gave, as they stood
        {"1000.00000", "FFFFFFFF", ""},          // not 100.00000
        {"435.123456", "FFFFFFFF", ""},
        {"abc", "FFFFFFFF", ""},
        {"4A5.1", "FFFFFFFF", ""},  // a hexadecimal digit only where a read puts one
        {"43 5.1", "FFFFFFFF", ""},
        {".", "FFFFFFFF", ""},
        {"", "FFFFFFFF", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.held);
        state.TestFrequencyTable[0][0] = c.held;
        EXPECT_EQ(EncodedAt(0x270, 4), c.bytes);
        Decode(EncodeImage(state));
        EXPECT_EQ(state.TestFrequencyTable[0][0], c.decoded);
    }
}

TEST_F(DecodeImageTest, PowerLevelsAreTakenAsTheyAre) {
    ImageBytes image = StartupImageWith(0x173, "FF");
    Poke(image, 0x178, "00");
    Decode(image);
    EXPECT_EQ(state.PowerHighLevel, 255);
    EXPECT_EQ(state.Form2.Slider1, 255);
    EXPECT_EQ(state.PowerLowLevel, 0);
    EXPECT_EQ(state.Form2.Slider3, 0);
}

TEST_F(DecodeImageTest, TextFieldsKeepTheirSize) {
    state.EmbeddedInfo[0] = std::string(40, 'y');
    state.EmbeddedInfo[1] = "价格 ÄÖÜ";  // Chinese has no single-byte code here
    state.OptionText[15] = "ÿÿ";
    state.OptionText[16] = std::string(20, 'z');
    state.CommPassword = "  secret  ";
    state.DtmfCodes[2] = "\xE4\xBB\xB7";  // one three-byte character
    const ImageBytes bytes = EncodeImage(state);
    EXPECT_EQ(bytes.size(), 1520u);
    std::string thirtyTwoY;
    for (int k = 0; k < 32; ++k) thirtyTwoY += "79";
    EXPECT_EQ(BytesAt(bytes, 0x2F0, 32), thirtyTwoY) << "cut to its 32 bytes";
    EXPECT_EQ(BytesAt(bytes, 0x310, 10), "3F3F20C4D6DCFFFFFFFF");
    EXPECT_EQ(BytesAt(bytes, 0x110, 3), "FFFFFF") << "ÿ is the byte 0xFF";
    EXPECT_EQ(BytesAt(bytes, 0x1B0, 7), "736563726574FF") << "blanks around are trimmed";
    EXPECT_EQ(BytesAt(bytes, 0x210, 2), "3FFF");
}

TEST_F(DecodeImageTest, PasswordFillsItsSixteenBytes) {
    state.CommPassword = "12345";
    EXPECT_EQ(EncodedAt(0x1B0, 16), "3132333435" + std::string(22, 'F'));
    state.CommPassword = "ABCDEFGHIJKLMNOPQRS";
    EXPECT_EQ(EncodedAt(0x1B0, 16), "4142434445464748494A4B4C4D4E4F50");
}

TEST_F(DecodeImageTest, OptionText15KeepsEveryByteAsACharacter) {
    DecodeWith(0x110, "41FF42FFFFFFFFFFFFFF");
    EXPECT_EQ(state.OptionText[15], "AÿBÿÿÿÿÿÿÿ");
    EXPECT_EQ(EncodedAt(0x110, 10), "41FF42FFFFFFFFFFFFFF");
}

class PriorityOnDecode : public test::StartedProgram {};

TEST_F(PriorityOnDecode, FixedWithoutChannelsShowsTheMessageAndReturnsToNone) {
    DecodeWith(0x150, "01");
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, "当设定为‘固定’时信道不可为空，请重设！");
    EXPECT_EQ(host.shown[0].title, "提示");
    EXPECT_EQ(host.shown[0].style, 0);
    EXPECT_EQ(state.Form5.Combo11, 0);
    EXPECT_EQ(state.Form5.Combo12, 0) << "the priority channel is unchanged";
}

TEST_F(PriorityOnDecode, FixedPicksTheFirstChannelInUse) {
    ImageBytes image = StartupImageWith(0x020, "00255143FFFFFFFFFFFFFFFFF0F0FCFF");  // channel 3
    Poke(image, 0x150, "0103");
    Decode(image);
    EXPECT_TRUE(host.shown.empty());
    EXPECT_EQ(state.Form5.Combo11, 1);
    EXPECT_EQ(state.Form5.Combo12, 2);
    EXPECT_EQ(state.Form5.FixedPriorityChannel, 3);
}

TEST_F(PriorityOnDecode, EmptyPriorityChannelReturnsToTheFixedOne) {
    ImageBytes image = StartupImageWith(0x020, "00255143FFFFFFFFFFFFFFFFF0F0FCFF");  // channel 3
    Poke(image, 0x150, "0109");  // fixed, channel 9: empty
    Decode(image);
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, "不可选择空信道，请重新选择！");
    EXPECT_EQ(host.shown[0].title, "");
    EXPECT_EQ(state.Form5.Combo12, 2);
}

TEST_F(PriorityOnDecode, MessagesHaveOneWordingInEnglishToo) {
    state.LanguageIsEnglish = 1;
    DecodeWith(0x150, "01");
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].text, "当设定为‘固定’时信道不可为空，请重设！");
}

}  // namespace
}  // namespace qv
