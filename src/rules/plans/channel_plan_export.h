// Exporting the channels as a channel plan: a CSV file in the common exchange format, which the
// other radio programming tools and spreadsheets open, and which an import that places each row at
// its Location reads back into the same channels, gaps included.
//
// One row per channel in use, in channel order: Location the channel number, Name its label
// (G1-01...), frequencies in MHz with six decimals, Offset positive with Duplex "+", "-" or empty,
// tones in hertz (88.5), DCS codes as three digits (023) with the polarity letters N and R, Mode
// NFM or FM, TStep the raster the channel lies on (5.00 or 6.25 kHz), Skip "S" for a channel left
// out of scanning, Power "High" or "Low" (the radio's two calibrated levels, which have no fixed
// wattage), Comment empty. Columns a channel's tone mode does not use hold the usual defaults.
#pragma once

#include <string>
#include <vector>

#include "i18n/language.h"
#include "rules/plans/plan_note.h"
#include "state/program_state.h"

namespace qv {

// A channel the file does not carry as it is: left out, or not given back the same by an import
// of the file.
struct ChannelPlanExportNote {
    int channel = 0;  // 1..48
    PlanNote note;
    bool skippedOnImport = false;  // `note` is the reason an import gives for skipping its row

    friend bool operator==(const ChannelPlanExportNote&, const ChannelPlanExportNote&) = default;
};

std::string Describe(const ChannelPlanExportNote& note, Language language);

struct ChannelPlanExport {
    std::string csv;                           // UTF-8, "," between fields, CRLF line ends
    std::vector<int> channels;                 // the channels written, in order
    std::vector<ChannelPlanExportNote> notes;  // in channel order
};

ChannelPlanExport ExportChannelPlan(const Setup& setup);

}  // namespace qv
