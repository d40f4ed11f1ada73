// Exporting the channels as a channel plan, and reading it back: the file is what the other tools
// and spreadsheets open, and an import of it gives the same channels.
#include "rules/plans/channel_plan_export.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "i18n/list_items.h"
#include "image/image_codec.h"
#include "image/image_test_support.h"
#include "rules/channels/grid_editing.h"
#include "rules/channels/grid_rules.h"
#include "rules/plans/channel_plan_import.h"

namespace qv {
namespace {

const std::string kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

int Tone(std::string_view item) {
    return FindListItem(ListId::Tone, item);
}

// List positions of Combo5's lists.
constexpr int kLow = 0, kHigh = 1, kNarrow = 0, kWide = 1, kNoScan = 0, kScan = 1;

class PlanExport : public test::StartedProgram {
  protected:
    // A channel typed into `row` as a user types it.
    void Type(int row, const char* receive, const char* transmit, std::string_view rxTone,
              std::string_view txTone, int power = kHigh, int bandwidth = kWide, int scan = kScan) {
        (void)CommitFrequency(state, host, {row, kColRxFrequency}, receive);
        (void)CommitFrequency(state, host, {row, kColTxFrequency}, transmit);
        (void)ChooseTone(state, {row, kColRxTone}, Tone(rxTone));
        (void)ChooseTone(state, {row, kColTxTone}, Tone(txTone));
        (void)ChooseListItem(state, {row, kColPower}, power);
        (void)ChooseListItem(state, {row, kColBandwidth}, bandwidth);
        (void)ChooseListItem(state, {row, kColScan}, scan);
    }

    static std::vector<std::string> Notes(const ChannelPlanExport& exported) {
        std::vector<std::string> notes;
        for (const ChannelPlanExportNote& note : exported.notes) {
            notes.push_back(std::to_string(note.channel) + ": " +
                            Describe(note, Language::English));
        }
        return notes;
    }
};

TEST_F(PlanExport, WritesEachChannelInUseAsTheOtherToolsDo) {
    Type(1, "435.125", "435.125", "关闭", "关闭");
    Type(2, "438.65", "431.05", "关闭", "88.5", kLow, kNarrow, kNoScan);
    Type(17, "401.00625", "411.00625", "D023N", "D023N");
    Type(33, "446.00625", "446.00625", "100.0", "100.0", kLow);
    Type(40, "460.5", "465.5", "D754N", "D754I");
    Type(48, "469.995", "469.995", "D032I", "151.4", kHigh, kNarrow);
    const ChannelPlanExport exported = ExportChannelPlan(state);
    EXPECT_EQ(exported.csv,
              kHeader +
                  "1,G1-01,435.125000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,"
                  "\r\n"
                  "2,G1-02,438.650000,-,7.600000,Tone,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,"
                  "Low,,,,,\r\n"
                  "17,G2- 01,401.006250,+,10.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,"
                  "High,,,,,\r\n"
                  "33,G3- 01,446.006250,,0.000000,TSQL,88.5,100.0,023,NN,023,Tone->Tone,FM,6.25,,"
                  "Low,,,,,\r\n"
                  "40,G3- 08,460.500000,+,5.000000,DTCS,88.5,88.5,754,RN,023,Tone->Tone,FM,5.00,,"
                  "High,,,,,\r\n"
                  "48,G3- 16,469.995000,,0.000000,Cross,151.4,88.5,023,NR,032,Tone->DTCS,NFM,5.00,"
                  ",High,,,,,\r\n");
    EXPECT_EQ(exported.channels, (std::vector<int>{1, 2, 17, 33, 40, 48}));
    EXPECT_EQ(Notes(exported), std::vector<std::string>{});
}

TEST_F(PlanExport, NoChannelsGiveTheHeaderAlone) {
    const ChannelPlanExport exported = ExportChannelPlan(state);
    EXPECT_EQ(exported.csv, kHeader);
    EXPECT_TRUE(exported.channels.empty());
}

// Every tone mode, every duplex kind, both rasters, both values of every list: exported and
// imported again from channel 1 into an emptied grid, the channels are the same, image byte for
// image byte.
TEST_F(PlanExport, ImportingAnExportGivesTheSameChannels) {
    const struct {
        const char* receive;
        const char* transmit;
        const char* rxTone;
        const char* txTone;
        int power;
        int bandwidth;
        int scan;
    } channels[] = {
        {"435.125", "435.125", "关闭", "关闭", kHigh, kWide, kScan},
        {"438.65", "431.05", "关闭", "88.5", kLow, kNarrow, kNoScan},
        {"431.05", "438.65", "67.0", "67.0", kHigh, kNarrow, kScan},
        {"401.00625", "411.00625", "D023N", "D023N", kLow, kWide, kNoScan},
        {"460.5", "465.5", "D754N", "D754I", kHigh, kWide, kScan},
        {"446.00625", "446.1", "254.1", "100.0", kHigh, kWide, kScan},
        {"446.0125", "446.0125", "关闭", "D023I", kHigh, kWide, kScan},
        {"446.025", "446.025", "123.0", "关闭", kHigh, kWide, kScan},
        {"446.0375", "446.0375", "D031I", "关闭", kHigh, kWide, kScan},
        {"469.995", "400", "D032I", "151.4", kHigh, kNarrow, kScan},
        {"400.00625", "400.00625", "186.2", "D246I", kLow, kWide, kScan},
        {"412.5", "413.5", "D754I", "D023I", kHigh, kWide, kNoScan},
    };
    int row = 0;
    for (const auto& c : channels) {
        Type(++row, c.receive, c.transmit, c.rxTone, c.txTone, c.power, c.bandwidth, c.scan);
    }
    const ChannelPlanExport exported = ExportChannelPlan(state);
    EXPECT_EQ(Notes(exported), std::vector<std::string>{});

    for (const Language cells : {Language::Chinese, Language::English}) {
        qv::Setup emptied = state;
        ClearGrid(emptied);
        const ChannelPlanImport back =
            ImportChannelPlan(emptied, exported.csv, PlanPlacement::FromChannel(1), cells);
        EXPECT_TRUE(back.skipped.empty());
        EXPECT_EQ(back.filled.size(), std::size(channels));
        EXPECT_TRUE(EncodeImage(back.setup) == EncodeImage(state));
        if (cells == Language::Chinese) {
            for (int k = 1; k <= row; ++k) {
                EXPECT_EQ(back.setup.Grid1[k], state.Grid1[k]) << k;
                EXPECT_EQ(back.setup.ChannelFlags[k], state.ChannelFlags[k]) << k;
            }
        }
    }

    // Empty channels are left out: an import that fills channels one after the other gives the
    // same channels in the same order, and one at the rows' Locations the same channels where
    // they were, gaps included.
    qv::Setup spread = state;
    ClearGrid(spread);
    const int places[] = {3, 5, 16, 17, 20, 31, 32, 33, 40, 41, 47, 48};
    for (std::size_t k = 0; k < std::size(places); ++k) {
        spread.Grid1[places[k]] = state.Grid1[k + 1];
        spread.Grid1[places[k]][0] = ChannelLabel(places[k]);
        spread.ChannelFlags[places[k]] = state.ChannelFlags[k + 1];
    }
    const ChannelPlanExport spreadExport = ExportChannelPlan(spread);
    EXPECT_EQ(spreadExport.channels, std::vector<int>(std::begin(places), std::end(places)));
    qv::Setup emptied = state;
    ClearGrid(emptied);
    const ChannelPlanImport back = ImportChannelPlan(
        emptied, spreadExport.csv, PlanPlacement::FromChannel(1), Language::Chinese);
    for (int k = 1; k <= row; ++k) EXPECT_EQ(back.setup.Grid1[k], state.Grid1[k]) << k;

    const ChannelPlanImport placed = ImportChannelPlan(
        emptied, spreadExport.csv, PlanPlacement::AtLocation(), Language::Chinese);
    EXPECT_TRUE(placed.skipped.empty());
    EXPECT_EQ(placed.filled, spreadExport.channels);
    EXPECT_TRUE(EncodeImage(placed.setup) == EncodeImage(spread));
    for (int k = 1; k <= kChannelCount; ++k) {
        EXPECT_EQ(placed.setup.Grid1[k], spread.Grid1[k]) << k;
        EXPECT_EQ(placed.setup.ChannelFlags[k], spread.ChannelFlags[k]) << k;
    }
}

// What the file cannot carry as the channel stands is said, channel by channel: what an import
// would skip, move or set otherwise, and what is left out.
TEST_F(PlanExport, NotesWhatTheFileDoesNotCarry) {
    Type(1, "435.125", "435.125", "关闭", "关闭");
    (void)ChooseListItem(state, {1, kColBusyLockout}, 1);
    Type(2, "435.150", "435.150", "关闭", "关闭");
    (void)CommitTypedTone(state, {2, kColTxTone}, "199.5", kTypedTone);
    // As a foreign file or a radio may hold them.
    state.Grid1[3] = {"G1-03", "435.00100", "关闭", "436.00300", "关闭",
                      "高",    "关闭",      "宽带", "有"};
    state.Grid1[4] = {"G1-04", "435.20000", "关闭", "", "", "高", "关闭", "宽带", "有"};
    state.Grid1[5] = {"G1-05", "4A5.12500", "关闭", "435.12500", "关闭",
                      "高",    "关闭",      "宽带", "有"};
    state.Grid1[6] = {"G1-06", "480.00000", "关闭", "480.00000", "关闭",
                      "高",    "关闭",      "宽带", "有"};
    state.Grid1[7] = {"G1-07", "435.30000", "821.1", "435.30000", "关闭",
                      "高",    "关闭",      "宽带",  "有"};
    Type(8, "435.325", "435.325", "关闭", "关闭");

    const ChannelPlanExport exported = ExportChannelPlan(state);
    EXPECT_EQ(exported.channels, (std::vector<int>{1, 2, 3, 4, 6, 7, 8}));
    EXPECT_EQ(Notes(exported),
              (std::vector<std::string>{
                  "1: busy lockout (Forbid) is on, which the CSV format does not carry: an import "
                  "sets it off",
                  "2: an import skips its row: rToneFreq \"199.5\" is not a tone of the radio's "
                  "list",
                  "3: an import moves 435.00100 MHz onto the channel raster, to 435.00000 MHz",
                  "3: an import moves 436.00300 MHz onto the channel raster, to 436.00000 MHz",
                  "4: an import skips its row: receive only (Duplex off): this radio has no "
                  "receive-only channels",
                  "5: left out: the frequency \"4A5.12500\" is not a number",
                  "6: an import skips its row: receive frequency 480.000000 MHz is outside the "
                  "band 400-470MHz",
                  "7: an import turns the tone 821.1 into D023N",
              }));
    EXPECT_NE(exported.csv.find("\r\n4,G1-04,435.200000,off,0.000000,"), std::string::npos);
    EXPECT_NE(exported.csv.find("\r\n7,G1-07,435.300000,,0.000000,Cross,88.5,88.5,023,NN,023,"
                                "->DTCS,"),
              std::string::npos)
        << exported.csv;
    EXPECT_EQ(Describe(exported.notes[0], Language::Chinese),
              "禁发已开启，CSV 格式没有这一项：导入时将为关闭");
}

}  // namespace
}  // namespace qv
