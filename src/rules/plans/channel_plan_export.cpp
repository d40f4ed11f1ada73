#include "rules/plans/channel_plan_export.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string_view>

#include "image/channel_codec.h"
#include "image/decimal_text.h"
#include "image/text.h"
#include "rules/channels/grid_rules.h"
#include "rules/plans/channel_plan_format.h"
#include "rules/plans/channel_plan_import.h"
#include "rules/plans/csv_writer.h"

namespace qv {
namespace {

constexpr char kSeparator = ',';
constexpr int kFileDecimals = 6;  // frequencies in MHz to the hertz
constexpr int kCellDecimals = 5;  // as the grid's cells hold them
constexpr std::size_t kShownChars = 40;

// What a column holds when the channel's tone mode does not use it.
constexpr std::string_view kDefaultTone = "88.5";
constexpr std::string_view kDefaultCode = "023";
constexpr std::string_view kDefaultCrossMode = "Tone->Tone";
constexpr std::string_view kZeroOffset = "0.000000";

constexpr std::string_view kHighPower = "High";
constexpr std::string_view kLowPower = "Low";

// The channel rasters, in hertz, with the TStep that names each, in kHz.
struct Raster {
    int hertz;
    std::string_view step;
};
constexpr Raster kFiveKilohertz = {5000, "5.00"};
constexpr Raster kSixAndAQuarterKilohertz = {6250, "6.25"};

using PlanCells = std::array<std::string, kPlanColumnCount>;

std::string& At(PlanCells& cells, PlanColumn column) {
    return cells[static_cast<std::size_t>(column)];
}

PlanNote Note(PlanMessageId id, std::string_view first = {}, std::string_view second = {}) {
    return {id, ShownText(first, kShownChars), ShownText(second, kShownChars)};
}

// One side's tone as the radio receives it (the encoder's word), in the file's terms.
struct PlanTone {
    enum class Kind { None, Ctcss, Dcs };
    Kind kind = Kind::None;
    std::string value;  // hertz ("88.5") or the code's three digits ("023")
    char polarity = kPlanNormalPolarity;

    bool Fits(std::optional<PlanColumn> source) const {
        if (!source) return kind == Kind::None;
        return kind == (IsDcsColumn(*source) ? Kind::Dcs : Kind::Ctcss);
    }
};

PlanTone ToneOfCell(std::string_view cell) {
    const std::uint16_t word = ToneWord(cell);
    if (word == kNoTone) return {};
    const std::string text = ToneText(word);  // "88.5", "D023N", "D754I"
    if (!text.starts_with('D')) return {PlanTone::Kind::Ctcss, text};
    std::string code = text.substr(1, text.size() - 2);
    code.insert(0, code.size() < 3 ? 3 - code.size() : 0, '0');
    return {PlanTone::Kind::Dcs, code,
            text.ends_with('I') ? kPlanReversedPolarity : kPlanNormalPolarity};
}

// The first tone mode of the format that carries both sides: a plain mode when there is one.
const PlanToneMode& ToneModeOf(const PlanTone& transmit, const PlanTone& receive) {
    for (const PlanToneMode& mode : kPlanToneModes) {
        if (!transmit.Fits(mode.transmit) || !receive.Fits(mode.receive)) continue;
        // TSQL and DTCS give both sides one column: the tones or codes must agree.
        if (mode.transmit && mode.transmit == mode.receive && transmit.value != receive.value) {
            continue;
        }
        return mode;
    }
    return kPlanToneModes[0];  // not reached: the cross modes cover every pair of kinds
}

void FillTones(PlanCells& cells, std::string_view receiveCell, std::string_view transmitCell) {
    const PlanTone transmit = ToneOfCell(transmitCell);
    const PlanTone receive = ToneOfCell(receiveCell);
    const PlanToneMode& mode = ToneModeOf(transmit, receive);
    At(cells, PlanColumn::Tone) = mode.tone;
    At(cells, PlanColumn::rToneFreq) = kDefaultTone;
    At(cells, PlanColumn::cToneFreq) = kDefaultTone;
    At(cells, PlanColumn::DtcsCode) = kDefaultCode;
    At(cells, PlanColumn::RxDtcsCode) = kDefaultCode;
    At(cells, PlanColumn::DtcsPolarity) = {transmit.polarity, receive.polarity};
    At(cells, PlanColumn::CrossMode) = mode.tone == kCrossTone ? mode.crossMode : kDefaultCrossMode;
    if (mode.transmit) At(cells, *mode.transmit) = transmit.value;
    if (mode.receive) At(cells, *mode.receive) = receive.value;
}

// Hertz above the whole megahertz of a frequency with six decimals.
int HertzInMegahertz(std::string_view frequency) {
    const std::size_t point = frequency.find('.');
    return point == std::string_view::npos ? 0 : ValInt(frequency.substr(point + 1));
}

// 5.00 when every frequency of the channel lies on the 5 kHz raster, else 6.25.
std::string_view StepOf(std::string_view receive, std::string_view transmit) {
    const bool fiveKilohertz =
        HertzInMegahertz(receive) % kFiveKilohertz.hertz == 0 &&
        (transmit.empty() || HertzInMegahertz(transmit) % kFiveKilohertz.hertz == 0);
    return fiveKilohertz ? kFiveKilohertz.step : kSixAndAQuarterKilohertz.step;
}

// The row of channel `row`, or why it is left out.
std::optional<PlanNote> FillRow(PlanCells& cells, const Setup& setup, int row) {
    const auto& grid = setup.Grid1[row];
    const std::string& receiveCell = grid[kColRxFrequency];
    const std::string& transmitCell = grid[kColTxFrequency];
    if (!IsPlainDecimal(receiveCell)) return Note(PlanMessageId::LeftOutNotANumber, receiveCell);
    if (!transmitCell.empty() && !IsPlainDecimal(transmitCell)) {
        return Note(PlanMessageId::LeftOutNotANumber, transmitCell);
    }
    At(cells, PlanColumn::Location) = std::to_string(row);
    At(cells, PlanColumn::Name) = ChannelLabel(row);
    const std::string receive = RoundDecimal(receiveCell, kFileDecimals);
    At(cells, PlanColumn::Frequency) = receive;
    std::string transmit;
    if (transmitCell.empty()) {
        At(cells, PlanColumn::Duplex) = kDuplexOff;
        At(cells, PlanColumn::Offset) = kZeroOffset;
    } else {
        transmit = RoundDecimal(transmitCell, kFileDecimals);
        const std::string offset = SubtractDecimal(transmit, receive);
        const bool below = offset.starts_with('-');
        const bool same = offset.find_first_not_of("0.") == std::string::npos;
        At(cells, PlanColumn::Duplex) = same ? kDuplexSimplex : below ? kDuplexMinus : kDuplexPlus;
        At(cells, PlanColumn::Offset) = below ? offset.substr(1) : offset;
    }
    FillTones(cells, grid[kColRxTone], grid[kColTxTone]);
    const ChannelSwitches switches = EncodedSwitches(setup, row);
    At(cells, PlanColumn::Mode) = switches.wide ? kModeWide : kModeNarrow;
    At(cells, PlanColumn::TStep) = StepOf(receive, transmit);
    At(cells, PlanColumn::Skip) = InScanList(setup, row) ? "" : kSkipScan;
    At(cells, PlanColumn::Power) = switches.highPower ? kHighPower : kLowPower;
    return std::nullopt;
}

// What an import of the file at its Locations gives back: each written channel against the same
// channel of the import, or the reason its row is skipped.
void NoteWhatAnImportChanges(const Setup& setup, ChannelPlanExport& exported) {
    Setup blank = setup;  // the same band
    ClearGrid(blank);
    const ChannelPlanImport back =
        ImportChannelPlan(blank, exported.csv, PlanPlacement::AtLocation(), Language::English);
    std::map<int, PlanNote> skipped;  // by line
    for (const SkippedPlanRow& row : back.skipped) skipped.emplace(row.line, row.reason);

    for (std::size_t k = 0; k < exported.channels.size(); ++k) {
        const int channel = exported.channels[k];
        const int line = static_cast<int>(k) + 2;  // after the header; no field holds a line break
        if (const auto reason = skipped.find(line); reason != skipped.end()) {
            exported.notes.push_back({channel, reason->second, true});
            continue;
        }
        const auto& before = setup.Grid1[channel];
        const auto& after = back.setup.Grid1[channel];
        for (const int column : {kColRxFrequency, kColTxFrequency}) {
            const std::string written = RoundDecimal(before[column], kCellDecimals);
            if (written != after[column]) {
                exported.notes.push_back({channel, Note(PlanMessageId::MovedOntoRasterOnImport,
                                                        before[column], after[column])});
            }
        }
        for (const int column : {kColRxTone, kColTxTone}) {
            if (ToneWord(before[column]) != ToneWord(after[column])) {
                exported.notes.push_back({channel, Note(PlanMessageId::ToneChangedOnImport,
                                                        before[column], after[column])});
            }
        }
        if (EncodedSwitches(setup, channel).busyLockout) {
            exported.notes.push_back({channel, Note(PlanMessageId::BusyLockoutNotCarried)});
        }
    }
}

}  // namespace

std::string Describe(const ChannelPlanExportNote& note, Language language) {
    const std::string text = Describe(note.note, language);
    return note.skippedOnImport ? PlanMessage(PlanMessageId::SkippedOnImport, language, text)
                                : text;
}

ChannelPlanExport ExportChannelPlan(const Setup& setup) {
    ChannelPlanExport exported;
    AppendCsvRecord(exported.csv,
                    std::span<const std::string_view>(kPlanColumnNames.data(), kPlanColumnCount),
                    kSeparator);
    PlanCells cells;
    std::array<std::string_view, kPlanColumnCount> fields;
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!ChannelInUse(setup, row)) continue;
        cells.fill({});
        if (const std::optional<PlanNote> leftOut = FillRow(cells, setup, row)) {
            exported.notes.push_back({row, *leftOut});
            continue;
        }
        for (std::size_t k = 0; k < kPlanColumnCount; ++k) fields[k] = cells[k];
        AppendCsvRecord(exported.csv, fields, kSeparator);
        exported.channels.push_back(row);
    }
    NoteWhatAnImportChanges(setup, exported);
    std::stable_sort(exported.notes.begin(), exported.notes.end(),
                     [](const ChannelPlanExportNote& a, const ChannelPlanExportNote& b) {
                         return a.channel < b.channel;
                     });
    return exported;
}

}  // namespace qv
