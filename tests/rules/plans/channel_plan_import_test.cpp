// Importing channel plans: CSV files as the radio programming tools and spreadsheets write them,
// written here by hand, become channels exactly as typing them into the grid would.
#include "rules/plans/channel_plan_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "i18n/list_items.h"
#include "image/image_codec.h"
#include "image/image_test_support.h"
#include "rules/channels/grid_editing.h"
#include "support/decimal_comma_locale.h"
#include "support/grid_channel_check.h"

namespace qv {
namespace {

using Cells = std::array<std::string, kGridColumns>;

// The header the radio programming tools write.
const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

bool Contains(const std::vector<int>& channels, int channel) {
    return std::find(channels.begin(), channels.end(), channel) != channels.end();
}

class PlanImport : public test::StartedProgram {
  protected:
    // Imports `csv` into the state and checks what every import promises: the channels filled
    // pass the grid's rules with busy lockout off, every other channel and the band are as they
    // were.
    ChannelPlanImport Import(std::string_view csv,
                             PlanPlacement placement = PlanPlacement::FromChannel(1),
                             Language cells = Language::English) {
        ChannelPlanImport result = ImportChannelPlan(state, csv, placement, cells);
        for (int row = 1; row <= kChannelCount; ++row) {
            if (Contains(result.filled, row)) {
                EXPECT_EQ(test::GridChannelFault(result.setup, row, cells), "");
                EXPECT_EQ(result.setup.ChannelFlags[row][kColBusyLockout], 0) << row;
                continue;
            }
            EXPECT_EQ(result.setup.Grid1[row], state.Grid1[row]) << row;
            EXPECT_EQ(result.setup.ChannelFlags[row], state.ChannelFlags[row]) << row;
        }
        EXPECT_EQ(result.setup.Combo1, state.Combo1);
        EXPECT_EQ(result.setup.BandIndex, state.BandIndex);
        return result;
    }

    // A channel typed into `row` as a user types it: the receive frequency, the transmit
    // frequency, then each list cell chosen from its list (positions of the tone list and of
    // Combo5's lists).
    void Type(int row, const char* receive, const char* transmit, int rxTone, int txTone, int power,
              int bandwidth, int scan) {
        (void)CommitFrequency(state, host, {row, kColRxFrequency}, "");
        (void)CommitFrequency(state, host, {row, kColRxFrequency}, receive);
        (void)CommitFrequency(state, host, {row, kColTxFrequency}, transmit);
        (void)ChooseTone(state, {row, kColRxTone}, rxTone);
        (void)ChooseTone(state, {row, kColTxTone}, txTone);
        (void)ChooseListItem(state, {row, kColPower}, power);
        (void)ChooseListItem(state, {row, kColBandwidth}, bandwidth);
        (void)ChooseListItem(state, {row, kColScan}, scan);
    }

    static std::vector<std::string> Reasons(const ChannelPlanImport& result) {
        std::vector<std::string> reasons;
        for (const SkippedPlanRow& row : result.skipped) {
            reasons.push_back("line " + std::to_string(row.line) + " [" + row.location + "] " +
                              Describe(row.reason, Language::English));
        }
        return reasons;
    }
};

int Tone(std::string_view item) {
    return FindListItem(ListId::Tone, item);
}

TEST_F(PlanImport, EachToneModeTakesOnlyTheColumnsItUses) {
    // Every row holds other tones in the columns its mode does not use.
    const std::string csv =
        kHeader + R"(0,None,435.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,
1,Tone,435.025000,,0.000000,Tone,88.5,100.0,031,NN,032,Tone->Tone,FM,5.00,,High,,,,,
2,TSQL,435.050000,,0.000000,TSQL,67.0,100.0,031,NN,032,Tone->Tone,FM,5.00,,High,,,,,
3,DTCS,435.075000,,0.000000,DTCS,88.5,88.5,023,NN,754,Tone->Tone,FM,5.00,,High,,,,,
4,DTCS RN,435.100000,,0.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,FM,5.00,,High,,,,,
5,T-T,435.125000,,0.000000,Cross,67.0,254.1,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,
6,D-,435.150000,,0.000000,Cross,88.5,88.5,023,NR,754,DTCS->,FM,5.00,,High,,,,,
7,-T,435.175000,,0.000000,Cross,88.5,123.0,023,RR,023,->Tone,FM,5.00,,High,,,,,
8,-D,435.200000,,0.000000,Cross,88.5,88.5,754,NR,031,->DTCS,FM,5.00,,High,,,,,
9,T-D,435.225000,,0.000000,Cross,151.4,88.5,023,RN,032,Tone->DTCS,FM,5.00,,High,,,,,
10,D-T,435.250000,,0.000000,Cross,88.5,186.2,246,RN,023,DTCS->Tone,FM,5.00,,High,,,,,
11,D-D,435.275000,,0.000000,Cross,88.5,88.5,023,RR,754,DTCS->DTCS,FM,5.00,,High,,,,,
)";
    const struct {
        const char* receive;
        const char* transmit;
    } tones[] = {
        {"Off", "Off"},     {"Off", "88.5"},    {"100.0", "100.0"}, {"D023N", "D023N"},
        {"D754N", "D754I"}, {"254.1", "67.0"},  {"Off", "D023N"},   {"123.0", "Off"},
        {"D031I", "Off"},   {"D032N", "151.4"}, {"186.2", "D246I"}, {"D754I", "D023I"},
    };
    const ChannelPlanImport result = Import(csv);
    EXPECT_EQ(Reasons(result), std::vector<std::string>{});
    ASSERT_EQ(result.filled.size(), std::size(tones));
    for (std::size_t k = 0; k < std::size(tones); ++k) {
        const int row = static_cast<int>(k) + 1;
        SCOPED_TRACE(row);
        EXPECT_EQ(result.setup.Grid1[row][kColRxTone], tones[k].receive);
        EXPECT_EQ(result.setup.Grid1[row][kColTxTone], tones[k].transmit);
        EXPECT_EQ(result.setup.ChannelFlags[row][kColRxTone], Tone(tones[k].receive));
        EXPECT_EQ(result.setup.ChannelFlags[row][kColTxTone], Tone(tones[k].transmit));
    }
    EXPECT_EQ(result.setup.ChannelFlags[5][kColTxTone], 260) << "D754I, the list's last item";
}

TEST_F(PlanImport, DuplexGivesTheTransmitFrequencyAndEachLandsOnTheRasterOnItsOwn) {
    const std::string csv =
        "Location,Frequency,Duplex,Offset,Mode\n"
        "1,435.125000,,0.000000,FM\n"
        "2,438.650000,+,5.000000,FM\n"
        "3,438.650000,-,7.600000,FM\n"
        "4,435.000000,split,401.012500,FM\n"
        "5,435.0124,+,0.0065,FM\n"  // 435.01000 and 435.01890 -> 435.01875, not 435.01 + 0.0065
        "6,435.000000,SPLIT,469.999990,FM\n"
        "7,435.000000,off,0.000000,FM\n"
        "8,435.000000,+,abc,FM\n"
        "9,435.000000,x,5.000000,FM\n"
        "10,435.125000,-,500,FM\n"
        "11,435.000000,split,480.000000,FM\n"
        "12,465.000000,+,5,FM\n"  // 470 is outside: the upper limit is excluded
        "13,465.000000,+,,FM\n";
    const ChannelPlanImport result = Import(csv);
    const struct {
        const char* receive;
        const char* transmit;
    } channels[] = {
        {"435.12500", "435.12500"}, {"438.65000", "443.65000"}, {"438.65000", "431.05000"},
        {"435.00000", "401.01250"}, {"435.01000", "435.01875"}, {"435.00000", "469.99500"},
    };
    ASSERT_EQ(result.filled, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    for (int row = 1; row <= 6; ++row) {
        EXPECT_EQ(result.setup.Grid1[row][kColRxFrequency], channels[row - 1].receive) << row;
        EXPECT_EQ(result.setup.Grid1[row][kColTxFrequency], channels[row - 1].transmit) << row;
    }
    EXPECT_EQ(Reasons(result),
              (std::vector<std::string>{
                  "line 8 [7] receive only (Duplex off): this radio has no receive-only channels",
                  "line 9 [8] Offset \"abc\" is not a frequency in MHz",
                  "line 10 [9] Duplex \"x\" is none of: empty, +, -, split, off",
                  "line 11 [10] transmit frequency -64.875000 MHz is outside the band 400-470MHz",
                  "line 12 [11] transmit frequency 480.000000 MHz is outside the band 400-470MHz",
                  "line 13 [12] transmit frequency 470.000000 MHz is outside the band 400-470MHz",
                  "line 14 [13] Offset \"\" is not a frequency in MHz",
              }));
}

TEST_F(PlanImport, ReceiveFrequenciesFollowTheBandShownAsTypedOnesDo) {
    const std::string csv =
        "Frequency,Mode,Location\n"
        "400,FM,a\n"
        "469.99999,FM,b\n"
        "470.000000,FM,c\n"
        "399.999999,FM,d\n"
        "480.000000,FM,e\n"
        ",FM,f\n"
        "435.125 MHz,FM,g\n"
        "455.000000,FM,h\n";
    const ChannelPlanImport result = Import(csv);
    EXPECT_EQ(result.setup.Grid1[1][kColRxFrequency], "400.00000");
    EXPECT_EQ(result.setup.Grid1[2][kColRxFrequency], "469.99500");
    EXPECT_EQ(result.setup.Grid1[3][kColRxFrequency], "455.00000");
    EXPECT_EQ(Reasons(result),
              (std::vector<std::string>{
                  "line 4 [c] receive frequency 470.000000 MHz is outside the band 400-470MHz",
                  "line 5 [d] receive frequency 399.999999 MHz is outside the band 400-470MHz",
                  "line 6 [e] receive frequency 480.000000 MHz is outside the band 400-470MHz",
                  "line 7 [f] Frequency \"\" is not a frequency in MHz",
                  "line 8 [g] Frequency \"435.125 MHz\" is not a frequency in MHz",
              }));

    // After a band change the user declined, the grid takes the band shown; so does the import,
    // which never changes the band.
    state.Combo1 = 1;  // 450-490MHz shown, the table still of 400-470MHz
    const ChannelPlanImport shown = Import(csv);
    EXPECT_EQ(shown.filled, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(shown.setup.Grid1[3][kColRxFrequency], "480.00000");
    EXPECT_EQ(Reasons(shown).front(),
              "line 2 [a] receive frequency 400 MHz is outside the band 450-490MHz");
}

TEST_F(PlanImport, ModeGivesTheBandwidthAndOtherModesSkipTheRow) {
    const ChannelPlanImport result = Import(
        "Frequency,Mode\n"
        "435.000,NFM\n"
        "435.025,FM\n"
        "435.050,nfm\n"
        "435.075,AM\n"
        "435.100,DV\n"
        "435.125,\n");
    ASSERT_EQ(result.filled, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(result.setup.Grid1[1][kColBandwidth], "Narrow");
    EXPECT_EQ(result.setup.Grid1[2][kColBandwidth], "Wide");
    EXPECT_EQ(result.setup.Grid1[3][kColBandwidth], "Narrow");
    EXPECT_EQ(Reasons(result), (std::vector<std::string>{
                                   "line 5 [] Mode \"AM\" is neither NFM (narrow) nor FM (wide)",
                                   "line 6 [] Mode \"DV\" is neither NFM (narrow) nor FM (wide)",
                                   "line 7 [] Mode \"\" is neither NFM (narrow) nor FM (wide)",
                               }));
}

TEST_F(PlanImport, SkipAndPowerAsTheFileSaysThem) {
    // Only the columns a spreadsheet needs; a wattage counts as low below the file's highest.
    const ChannelPlanImport result = Import(
        "Frequency,Mode,Skip,Power\n"
        "435.000,FM,,High\n"
        "435.025,FM,S,Low\n"
        "435.050,FM,P,5.0W\n"
        "435.075,FM,,1.0W\n"
        "435.100,FM,,\"0,5 W\"\n"
        "435.125,FM,,Mid\n"
        "435.150,FM,s,low2\n"
        "435.175,FM,,\n");
    const struct {
        const char* power;
        const char* scan;
    } expected[] = {{"Hight", "Have"}, {"Low", "No"},     {"Hight", "Have"}, {"Low", "Have"},
                    {"Low", "Have"},   {"Hight", "Have"}, {"Low", "No"},     {"Hight", "Have"}};
    ASSERT_EQ(result.filled.size(), std::size(expected));
    for (int row = 1; row <= static_cast<int>(std::size(expected)); ++row) {
        EXPECT_EQ(result.setup.Grid1[row][kColPower], expected[row - 1].power) << row;
        EXPECT_EQ(result.setup.Grid1[row][kColScan], expected[row - 1].scan) << row;
        EXPECT_EQ(result.setup.Grid1[row][kColBusyLockout], "Off") << row;
    }

    // One wattage for every row is the highest: all high.
    const ChannelPlanImport same = Import("Frequency,Mode,Power\n435.000,FM,4.0W\n435.025,FM,4W\n");
    EXPECT_EQ(same.setup.Grid1[1][kColPower], "Hight");
    EXPECT_EQ(same.setup.Grid1[2][kColPower], "Hight");
}

TEST_F(PlanImport, TonesAndCodesMustBeItemsOfTheRadiosList) {
    const ChannelPlanImport result = Import(
        "Frequency,Mode,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode\n"
        "435.000,FM,Tone,199.5,,,,,\n"
        "435.025,FM,Tone,88.55,,,,,\n"
        "435.050,FM,Tone,88.50,,,,,\n"
        "435.075,FM,Tone,100,,,,,\n"
        "435.100,FM,DTCS,,,024,NN,,\n"
        "435.125,FM,DTCS,,,8,NN,,\n"
        "435.150,FM,DTCS,,,23,NX,,\n"
        "435.175,FM,DTCS,,,23,,,\n"
        "435.200,FM,Cross,,,,,,Tone->\n"
        "435.225,FM,DCS,,,,,,\n"
        "435.250,FM,Tone,,,,,,\n"
        "435.275,FM,tsql,,\"67,0\",,,,\n"
        "435.300,FM,Cross,,,,,023,->DTCS\n"
        "435.325,FM,Tone,254.1,,,,,\n"
        "435.350,FM,Tone,254.2,,,,,\n"
        "435.375,FM,Cross,,,,nr,023,->dtcs\n");
    ASSERT_EQ(result.filled, (std::vector<int>{1, 2, 3, 4, 5}));
    const char* transmitTones[] = {"88.5", "100.0", "67.0", "254.1", "Off"};
    for (int row = 1; row <= 5; ++row) {
        EXPECT_EQ(result.setup.Grid1[row][kColTxTone], transmitTones[row - 1]) << row;
    }
    EXPECT_EQ(result.setup.Grid1[3][kColRxTone], "67.0");
    EXPECT_EQ(result.setup.Grid1[5][kColRxTone], "D023I");
    EXPECT_EQ(Reasons(result),
              (std::vector<std::string>{
                  "line 2 [] rToneFreq \"199.5\" is not a tone of the radio's list",
                  "line 3 [] rToneFreq \"88.55\" is not a tone of the radio's list",
                  "line 6 [] DtcsCode \"024\" is not a DCS code of the radio's list",
                  "line 7 [] DtcsCode \"8\" is not a DCS code of the radio's list",
                  "line 8 [] DtcsPolarity \"NX\" is none of: NN, NR, RN, RR",
                  "line 9 [] DtcsPolarity \"\" is none of: NN, NR, RN, RR",
                  "line 10 [] CrossMode \"Tone->\" is none of: Tone->Tone, DTCS->, ->Tone, "
                  "->DTCS, Tone->DTCS, DTCS->Tone, DTCS->DTCS",
                  "line 11 [] Tone \"DCS\" is none of: empty, Tone, TSQL, DTCS, Cross",
                  "line 12 [] rToneFreq \"\" is not a tone of the radio's list",
                  "line 14 [] DtcsPolarity \"\" is none of: NN, NR, RN, RR",
                  "line 16 [] rToneFreq \"254.2\" is not a tone of the radio's list",
              }));
}

TEST_F(PlanImport, MoreThanFortyEightRowsReportThoseLeftOver) {
    std::string csv = kHeader;
    for (int k = 1; k <= 51; ++k) {
        // 440 MHz and k steps of 25 kHz.
        const int kilohertz = 440000 + 25 * k;
        std::string fraction = std::to_string(kilohertz % 1000);
        fraction.insert(0, 3 - fraction.size(), '0');
        const std::string mode = k == 10 || k == 50 ? "AM" : "FM";
        csv += std::to_string(k) + ",CH" + std::to_string(k) + "," +
               std::to_string(kilohertz / 1000) + "." + fraction +
               "000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone," + mode + ",5.00,,High,,,,,\n";
    }
    const ChannelPlanImport result = Import(csv);
    ASSERT_EQ(result.filled.size(), 48u);
    EXPECT_EQ(result.filled.front(), 1);
    EXPECT_EQ(result.filled.back(), 48);
    EXPECT_EQ(result.setup.Grid1[9][kColRxFrequency], "440.22500");
    EXPECT_EQ(result.setup.Grid1[10][kColRxFrequency], "440.27500") << "row 10 took no channel";
    EXPECT_EQ(result.setup.Grid1[48][kColRxFrequency], "441.22500");
    EXPECT_EQ(Reasons(result), (std::vector<std::string>{
                                   "line 11 [10] Mode \"AM\" is neither NFM (narrow) nor FM (wide)",
                                   "line 51 [50] Mode \"AM\" is neither NFM (narrow) nor FM (wide)",
                                   "line 52 [51] no channel left: the rows before it filled "
                                   "channel(s) 1-48, up to the last channel (48)",
                               }));
}

TEST_F(PlanImport, SemicolonsDecimalCommasAByteOrderMarkAndCrlfAsSpreadsheetsWriteThem) {
    const std::string csv =
        "\xEF\xBB\xBFLocation;Name;Frequency;Duplex;Offset;Tone;rToneFreq;cToneFreq;DtcsCode;"
        "DtcsPolarity;RxDtcsCode;CrossMode;Mode;TStep;Skip;Power;Comment\r\n"
        "1;Relais Nord;438,650000;-;7,600000;Tone;88,5;88,5;23;NN;23;Tone->Tone;FM;12,5;;High;"
        "\"Dach; Nord\"\r\n"
        "2;Simplex;433,500000;;0,000000;TSQL;88,5;\"71,9\";023;NN;023;Tone->Tone;NFM;12,5;S;Low;"
        "\r\n"
        "3;Punkt;433.525000;;0;DTCS;88.5;88.5;23;RN;23;Tone->Tone;NFM;12.5;;Low;\r\n";
    const std::array<Cells, 3> expected = {{
        {"G1-01", "438.65000", "Off", "431.05000", "88.5", "Hight", "Off", "Wide", "Have"},
        {"G1-02", "433.50000", "71.9", "433.50000", "71.9", "Low", "Off", "Narrow", "No"},
        {"G1-03", "433.52500", "D023N", "433.52500", "D023I", "Low", "Off", "Narrow", "Have"},
    }};
    const auto check = [&](const ChannelPlanImport& result) {
        EXPECT_EQ(Reasons(result), std::vector<std::string>{});
        for (int row = 1; row <= 3; ++row) EXPECT_EQ(result.setup.Grid1[row], expected[row - 1]);
    };
    check(Import(csv));
    {
        test::DecimalCommaLocale comma;
        if (!comma.Active()) GTEST_SKIP() << test::kDecimalCommaLocale << " is not installed";
        check(Import(csv));
    }
}

// The separator is the one under which the header names columns, wherever the header starts:
// blank lines above it name none under either.
TEST_F(PlanImport, TheSeparatorIsTakenFromTheHeaderBelowBlankLines) {
    for (const char* lines : {"", "\n", "\r\n\r\n", ";;\n\n"}) {
        const ChannelPlanImport result =
            Import(std::string(lines) + "Location;Frequency;Mode\n1;435,125;FM\n2;435,150;NFM\n");
        EXPECT_FALSE(result.refused.has_value())
            << Describe(result.refused.value_or(PlanNote{}), Language::English);
        EXPECT_EQ(result.filled, (std::vector<int>{1, 2})) << ::testing::PrintToString(lines);
        EXPECT_EQ(result.setup.Grid1[2][kColRxFrequency], "435.15000");
    }
}

TEST_F(PlanImport, ColumnsAreFoundByNameInAnyOrderAndCase) {
    const ChannelPlanImport result = Import(
        "\n"
        "Mode,Comment,Extra, FREQUENCY ,tone,rtonefreq\n"
        "NFM,x,y,435.125,Tone,88.5\n"
        "\n"
        ",,\n"
        "FM,,,435.150,,\n"
        ",,,,,\n");
    EXPECT_EQ(Reasons(result), std::vector<std::string>{});
    ASSERT_EQ(result.filled, (std::vector<int>{1, 2})) << "blank rows are no channels";
    EXPECT_EQ(result.setup.Grid1[1], (Cells{"G1-01", "435.12500", "Off", "435.12500", "88.5",
                                            "Hight", "Off", "Narrow", "Have"}));
    EXPECT_EQ(result.setup.Grid1[2][kColBandwidth], "Wide");
}

TEST_F(PlanImport, AFileWithoutTheColumnsItNeedsIsRefusedWhole) {
    const struct {
        const char* csv;
        const char* reason;
    } cases[] = {
        {"", "the file has no header row (the first row, naming the columns)"},
        {"\xEF\xBB\xBF\r\n\r\n,,,\r\n",
         "the file has no header row (the first row, naming the columns)"},
        {"Location,Name\n1,x\n", "the header row has no column Frequency"},
        {"Frequency,Duplex\n435.125,\n", "the header row has no column Mode"},
        {"Frequency,Mode,frequency\n435.125,FM,435.150\n",
         "the header row names the column Frequency twice"},
        {"435.125,FM\n", "the header row has no column Frequency"},
    };
    for (const auto& c : cases) {
        const ChannelPlanImport result = Import(c.csv);
        ASSERT_TRUE(result.refused.has_value()) << c.csv;
        EXPECT_EQ(Describe(*result.refused, Language::English), c.reason);
        EXPECT_TRUE(result.skipped.empty());
        EXPECT_TRUE(result.filled.empty());
        EXPECT_TRUE(result.setup == state) << "nothing changes";
    }
}

TEST_F(PlanImport, QuotedCellsAndLineNumbersOfTheReport) {
    const std::string csv = kHeader +
                            "1,\"Roof, north\",435.125000,,0.000000,,88.5,88.5,023,NN,023,Tone->"
                            "Tone,FM,5.00,,High,\"two\r\nlines\",,,,\n"
                            "\"2\",\"Say \"\"hi\"\"\",435.150000,,0.000000,,88.5,88.5,023,NN,023,"
                            "Tone->Tone,AM,5.00,,High,,,,,\n"
                            "3,x,\"435.175000\"x,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,"
                            "5.00,,High,,,,,\n"
                            "\"\xE4\xB8\xAD\xFF\",y,435.200000,,0.000000,,88.5,88.5,023,NN,023,"
                            "Tone->Tone,WFM,5.00,,High,,,,,\n";
    const ChannelPlanImport result = Import(csv);
    EXPECT_EQ(result.filled, std::vector<int>{1});
    EXPECT_EQ(Reasons(result),
              (std::vector<std::string>{
                  "line 4 [2] Mode \"AM\" is neither NFM (narrow) nor FM (wide)",
                  "line 5 [3] the row's double quotes are out of place or not closed",
                  "line 6 [\xE4\xB8\xAD\xEF\xBF\xBD] Mode \"WFM\" is neither NFM (narrow) nor FM "
                  "(wide)",
              }));
}

TEST_F(PlanImport, RowsFillChannelsOneAfterTheOtherFromTheFirstChosen) {
    Type(1, "435.000", "435.000", 0, 0, 1, 1, 1);
    Type(2, "435.025", "435.025", 0, 0, 1, 1, 1);
    Type(4, "435.075", "435.075", 0, 0, 1, 1, 1);
    const std::string csv =
        "Frequency,Mode\n"
        "440.000,FM\n"
        "440.025,AM\n"
        "440.050,FM\n"
        "440.075,FM\n";
    EXPECT_EQ(FirstEmptyChannel(state), 3);
    const ChannelPlanImport first = Import(csv, PlanPlacement::FirstEmpty());
    EXPECT_EQ(first.filled, (std::vector<int>{3, 4, 5}));
    EXPECT_EQ(first.replaced, std::vector<int>{4});
    EXPECT_EQ(first.setup.Grid1[4][kColRxFrequency], "440.05000");

    // Each row that finds no channel says why, in the words of where the rows were to go.
    const ChannelPlanImport late = Import(csv, PlanPlacement::FromChannel(47));
    EXPECT_EQ(late.filled, (std::vector<int>{47, 48}));
    EXPECT_EQ(Reasons(late), (std::vector<std::string>{
                                 "line 3 [] Mode \"AM\" is neither NFM (narrow) nor FM (wide)",
                                 "line 5 [] no channel left: the rows before it filled channel(s) "
                                 "47-48, up to the last channel (48)",
                             }));
    const ChannelPlanImport last = Import(csv, PlanPlacement::FromChannel(48));
    EXPECT_EQ(last.filled, std::vector<int>{48});
    EXPECT_EQ(Describe(last.skipped.back().reason, Language::Chinese),
              "没有剩余的信道：前面的行已填入信道 48，直到最后一个信道（48）");

    for (int row = 1; row <= kChannelCount; ++row) Type(row, "435.000", "435.000", 0, 0, 1, 1, 1);
    EXPECT_EQ(FirstEmptyChannel(state), kChannelCount + 1);
    const ChannelPlanImport full = Import(csv, PlanPlacement::FirstEmpty());
    EXPECT_TRUE(full.filled.empty());
    const std::string noneEmpty =
        "no channel is empty: all 48 are in use (choose a channel to start from, which replaces "
        "the channels from there, or place each row at its Location)";
    EXPECT_EQ(Reasons(full), (std::vector<std::string>{
                                 "line 2 [] " + noneEmpty,
                                 "line 3 [] Mode \"AM\" is neither NFM (narrow) nor FM (wide)",
                                 "line 4 [] " + noneEmpty,
                                 "line 5 [] " + noneEmpty,
                             }));
    EXPECT_TRUE(full.setup == state);
    EXPECT_EQ(Import(csv, PlanPlacement::FromChannel(1)).replaced, (std::vector<int>{1, 2, 3}))
        << "a chosen channel replaces what is there";
}

TEST_F(PlanImport, AtLocationEachRowTakesTheChannelItNames) {
    Type(16, "435.000", "435.000", 0, 0, 1, 1, 1);
    const std::string csv =
        "Location,Frequency,Mode\n"
        "16,440.000,FM\n"
        "3,440.025,NFM\n"
        "5,440.050,AM\n"
        "5,440.075,FM\n"
        "0,440.100,FM\n"
        "49,440.125,FM\n"
        ",440.150,FM\n"
        "A1,440.175,FM\n"
        "3,440.200,FM\n"
        "048,440.225,FM\n"
        " 7 ,440.250,FM\n";
    const ChannelPlanImport result = Import(csv, PlanPlacement::AtLocation());
    EXPECT_EQ(result.filled, (std::vector<int>{3, 7, 16, 48}));
    EXPECT_EQ(result.replaced, std::vector<int>{16});
    EXPECT_EQ(result.setup.Grid1[16][kColRxFrequency], "440.00000");
    EXPECT_EQ(result.setup.Grid1[3][kColRxFrequency], "440.02500");
    EXPECT_EQ(result.setup.Grid1[48][kColRxFrequency], "440.22500");
    EXPECT_EQ(result.setup.Grid1[7][kColRxFrequency], "440.25000");
    EXPECT_TRUE(result.setup.Grid1[5][kColRxFrequency].empty())
        << "the first row of Location 5 is skipped, and the second names it again";
    EXPECT_EQ(Reasons(result), (std::vector<std::string>{
                                   "line 4 [5] Mode \"AM\" is neither NFM (narrow) nor FM (wide)",
                                   "line 5 [5] Location 5 already stood on line 4",
                                   "line 6 [0] Location \"0\" is not a channel from 1 to 48",
                                   "line 7 [49] Location \"49\" is not a channel from 1 to 48",
                                   "line 8 [] Location \"\" is not a channel from 1 to 48",
                                   "line 9 [A1] Location \"A1\" is not a channel from 1 to 48",
                                   "line 10 [3] Location 3 already stood on line 3",
                               }));
    EXPECT_EQ(Describe(result.skipped[1].reason, Language::Chinese),
              "Location 5 已在第 4 行出现过");

    const ChannelPlanImport noLocation =
        Import("Frequency,Mode\n440.000,FM\n", PlanPlacement::AtLocation());
    ASSERT_TRUE(noLocation.refused.has_value());
    EXPECT_EQ(Describe(*noLocation.refused, Language::English),
              "the header row has no column Location");
}

// A spreadsheet's "Unicode text" is UTF-16: refused by the name of its encoding, before its
// zero bytes could be taken for a file without the columns.
TEST_F(PlanImport, AFileInUtf16OrUtf32IsRefusedByItsEncoding) {
    const std::string text = "Location,Frequency,Mode\r\n1,435.125,FM\r\n";
    const auto widen = [&](int width, bool bigEndian, bool mark) {
        std::string wide;
        const auto put = [&](char32_t c) {
            for (int k = 0; k < width; ++k) {
                const int shift = 8 * (bigEndian ? width - 1 - k : k);
                wide += static_cast<char>((c >> shift) & 0xFF);
            }
        };
        if (mark) put(0xFEFF);
        for (const char c : text) put(static_cast<unsigned char>(c));
        return wide;
    };
    const struct {
        int width;
        bool bigEndian;
        const char* name;
    } encodings[] = {
        {2, false, "UTF-16 LE"},
        {2, true, "UTF-16 BE"},
        {4, false, "UTF-32 LE"},
        {4, true, "UTF-32 BE"},
    };
    for (const auto& e : encodings) {
        for (const bool mark : {true, false}) {
            const ChannelPlanImport result = Import(widen(e.width, e.bigEndian, mark));
            ASSERT_TRUE(result.refused.has_value()) << e.name << " " << mark;
            EXPECT_EQ(Describe(*result.refused, Language::English),
                      "the file is written in " + std::string(e.name) +
                          ", not in UTF-8: save it as CSV in UTF-8 and import that")
                << mark;
        }
    }
    EXPECT_EQ(Describe(*Import(widen(2, false, true)).refused, Language::Chinese),
              "文件的编码是 UTF-16 LE，不是 UTF-8：请将其另存为 UTF-8 编码的 CSV 后再导入");

    // UTF-8, Chinese names and all, is read as it stands.
    const ChannelPlanImport utf8 =
        Import("\xEF\xBB\xBFLocation,Name,Frequency,Mode\n1,\xE4\xB8\xAD\xE7\xBB\xA7,435.125,FM\n");
    EXPECT_FALSE(utf8.refused.has_value());
    EXPECT_EQ(utf8.filled, std::vector<int>{1});
}

// A quote opened and never closed names its own row, and the rows after it are read as rows.
TEST_F(PlanImport, AnUnclosedQuoteCostsItsOwnRowOnly) {
    const ChannelPlanImport result = Import(
        "Location,Name,Frequency,Mode\n"
        "1,Roof,435.000,FM\n"
        "2,\"Tower north,435.025,FM\n"
        "3,Hill,435.050,FM\n"
        "4,\"Valley\",435.075,FM\n"
        "5,Lake,435.100,FM\n");
    EXPECT_EQ(result.filled, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(result.setup.Grid1[2][kColRxFrequency], "435.05000");
    EXPECT_EQ(result.setup.Grid1[4][kColRxFrequency], "435.10000");
    EXPECT_EQ(Reasons(result), (std::vector<std::string>{
                                   "line 3 [2] a double quote in this row is never closed; the "
                                   "lines after it are read as rows of their own",
                               }));
    const ChannelPlanImport last = Import("Location,Frequency,Mode,Name\n1,435.000,FM,\"Roof\n");
    EXPECT_EQ(Reasons(last), (std::vector<std::string>{
                                 "line 2 [1] a double quote in this row is never closed; the "
                                 "lines after it are read as rows of their own",
                             }));
}

// The import fills a channel exactly as a user typing its values would: same texts in the grid's
// language, same ChannelFlags, same image bytes.
TEST_F(PlanImport, AnImportedChannelIsWhatTypingItGives) {
    const std::string csv = kHeader +
                            "7,Rpt,438.650000,-,7.600000,Cross,151.4,88.5,023,RN,032,Tone->DTCS,"
                            "NFM,12.50,S,Low,,,,,\n"
                            "8,Simplex,435.0123,,0,TSQL,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,"
                            ",High,,,,,\n";
    // A channel in use where the first row goes: typing empties it first.
    Type(5, "401.000", "402.000", Tone("D754I"), Tone("67.0"), 0, 0, 0);
    state.ChannelFlags[5][9] = 3;
    const ChannelPlanImport result = Import(csv, PlanPlacement::FromChannel(5), Language::Chinese);
    ASSERT_EQ(result.filled, (std::vector<int>{5, 6}));

    Type(5, "438.65", "431.05", Tone("D032N"), Tone("151.4"), 0, 0, 0);
    Type(6, "435.0123", "435.0123", Tone("88.5"), Tone("88.5"), 1, 1, 1);
    for (const int row : {5, 6}) {
        EXPECT_EQ(result.setup.Grid1[row], state.Grid1[row]) << row;
        EXPECT_EQ(result.setup.ChannelFlags[row], state.ChannelFlags[row]) << row;
    }
    EXPECT_EQ(result.setup.Grid1[5][kColPower], "低");
    EXPECT_EQ(result.setup.Grid1[6][kColRxTone], "88.5");
    EXPECT_TRUE(EncodeImage(result.setup) == EncodeImage(state));
}

TEST_F(PlanImport, ReasonsReadInBothLanguages) {
    const ChannelPlanImport result = Import("Frequency,Mode\n480,FM\n435,AM\n");
    ASSERT_EQ(result.skipped.size(), 2u);
    EXPECT_EQ(Describe(result.skipped[0].reason, Language::Chinese),
              "接收频率 480 MHz 超出频段 400-470MHz");
    EXPECT_EQ(Describe(result.skipped[1].reason, Language::Chinese),
              "Mode“AM”既不是 NFM（窄带）也不是 FM（宽带）");
}

}  // namespace
}  // namespace qv
