// The CSV format of channel plans that the common radio programming tools exchange: one row per
// channel, its columns named in a header row. Import and export both read this one description.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace qv {

// The columns of the format, in the order it writes them.
enum class PlanColumn {
    Location,
    Name,
    Frequency,
    Duplex,
    Offset,
    Tone,
    rToneFreq,
    cToneFreq,
    DtcsCode,
    DtcsPolarity,
    RxDtcsCode,
    CrossMode,
    Mode,
    TStep,
    Skip,
    Power,
    Comment,
    // Digital-voice columns, empty for an analogue channel; written because the other tools write
    // them too.
    URCALL,
    RPT1CALL,
    RPT2CALL,
    DVCODE,
};

inline constexpr std::array<std::string_view, 21> kPlanColumnNames = {
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
inline constexpr std::size_t kPlanColumnCount = kPlanColumnNames.size();

constexpr std::string_view PlanColumnName(PlanColumn column) {
    return kPlanColumnNames[static_cast<std::size_t>(column)];
}

// The tone modes of the format and the column each side of the channel takes its tone or code
// from; no column is no tone. rToneFreq and cToneFreq hold CTCSS tones in hertz, DtcsCode and
// RxDtcsCode three-digit DCS codes, whose polarities are the two letters of DtcsPolarity,
// transmit first.
struct PlanToneMode {
    std::string_view tone;       // the Tone cell
    std::string_view crossMode;  // the CrossMode cell, for the "Cross" rows only
    std::optional<PlanColumn> transmit;
    std::optional<PlanColumn> receive;
};
inline constexpr std::optional<PlanColumn> kNoPlanTone = std::nullopt;
inline constexpr std::string_view kCrossTone = "Cross";

// In the order an export looks for the first that carries a channel's tones: the plain modes
// before the cross modes.
inline constexpr PlanToneMode kPlanToneModes[] = {
    {"", "", kNoPlanTone, kNoPlanTone},
    {"Tone", "", PlanColumn::rToneFreq, kNoPlanTone},
    {"TSQL", "", PlanColumn::cToneFreq, PlanColumn::cToneFreq},
    {"DTCS", "", PlanColumn::DtcsCode, PlanColumn::DtcsCode},
    {kCrossTone, "Tone->Tone", PlanColumn::rToneFreq, PlanColumn::cToneFreq},
    {kCrossTone, "DTCS->", PlanColumn::DtcsCode, kNoPlanTone},
    {kCrossTone, "->Tone", kNoPlanTone, PlanColumn::cToneFreq},
    {kCrossTone, "->DTCS", kNoPlanTone, PlanColumn::RxDtcsCode},
    {kCrossTone, "Tone->DTCS", PlanColumn::rToneFreq, PlanColumn::RxDtcsCode},
    {kCrossTone, "DTCS->Tone", PlanColumn::DtcsCode, PlanColumn::cToneFreq},
    {kCrossTone, "DTCS->DTCS", PlanColumn::DtcsCode, PlanColumn::RxDtcsCode},
};

constexpr bool IsDcsColumn(PlanColumn column) {
    return column == PlanColumn::DtcsCode || column == PlanColumn::RxDtcsCode;
}

// The letters of DtcsPolarity: normal, and reversed, which the radio calls inverted ("I").
inline constexpr char kPlanNormalPolarity = 'N';
inline constexpr char kPlanReversedPolarity = 'R';

// Duplex: the transmit frequency is the receive one, the receive one plus or minus Offset, Offset
// itself, or there is none (a receive-only channel).
inline constexpr std::string_view kDuplexSimplex = "";
inline constexpr std::string_view kDuplexPlus = "+";
inline constexpr std::string_view kDuplexMinus = "-";
inline constexpr std::string_view kDuplexSplit = "split";
inline constexpr std::string_view kDuplexOff = "off";

// Mode: the two bandwidths of an FM channel.
inline constexpr std::string_view kModeNarrow = "NFM";
inline constexpr std::string_view kModeWide = "FM";

// Skip: the channel is left out of scanning.
inline constexpr std::string_view kSkipScan = "S";

}  // namespace qv
