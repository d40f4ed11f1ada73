// Any file imported as a channel plan: no crash, and no channel the grid's rules would refuse.
// The first byte picks the band shown and the cells' language, the second where the rows go (from
// a channel, from the first empty one, or at their Locations); the rest is the file. Checked for
// every input:
// - a refused file changes nothing and reports no row;
// - the channels filled follow one another from the first channel, or are each a different
//   channel of 1..48 at their Locations; each passes the grid's rules (frequencies in the band
//   shown and on the raster, every list cell an item of its list with its position in
//   ChannelFlags) with busy lockout off, and nothing else of the set-up changes;
// - the rows reported come in file order;
// - the filled channels, exported and imported again at their Locations, come back the same
//   channels, without a note.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "rules/channels/grid_rules.h"
#include "rules/plans/channel_plan_export.h"
#include "rules/plans/channel_plan_import.h"
#include "rules/program/startup.h"
#include "support/grid_channel_check.h"
#include "support/quiet_host.h"
#include "support/sample_channels.h"

namespace {

using qv::kChannelCount;

void Check(bool holds) {
    if (!holds) std::abort();
}

// The set-up the plans go into: channels in use here and there, so that an import replaces some.
const qv::ProgramState& StartingState() {
    static const qv::ProgramState state = [] {
        qv::test::QuietHost host;
        qv::ProgramState started = qv::StartupState(host);
        for (const int row : {2, 3, 17, 48}) {
            qv::test::PutChineseChannel(started, row);
        }
        return started;
    }();
    return state;
}

void CheckRoundTrip(const qv::ChannelPlanImport& imported, qv::Language cells) {
    qv::Setup filledOnly = imported.setup;
    for (int row = 1; row <= kChannelCount; ++row) {
        bool filled = false;
        for (const int channel : imported.filled) filled = filled || channel == row;
        if (!filled) qv::ClearNO(filledOnly, row);
    }
    const qv::ChannelPlanExport exported = qv::ExportChannelPlan(filledOnly);
    Check(exported.notes.empty());
    Check(exported.channels == imported.filled);
    qv::Setup emptied = imported.setup;
    qv::ClearGrid(emptied);
    const qv::ChannelPlanImport back =
        qv::ImportChannelPlan(emptied, exported.csv, qv::PlanPlacement::AtLocation(), cells);
    Check(!back.refused && back.skipped.empty());
    Check(back.filled == imported.filled);
    for (const int row : back.filled) {
        for (int column = qv::kColRxFrequency; column <= qv::kColScan; ++column) {
            Check(imported.setup.Grid1[row][column] == back.setup.Grid1[row][column]);
            Check(imported.setup.ChannelFlags[row][column] == back.setup.ChannelFlags[row][column]);
        }
    }
}

// Where the rows go, by a number from 0 to kChannelCount + 1.
qv::PlanPlacement PlacementOf(int choice) {
    if (choice < kChannelCount) return qv::PlanPlacement::FromChannel(choice + 1);
    if (choice == kChannelCount) return qv::PlanPlacement::FirstEmpty();
    return qv::PlanPlacement::AtLocation();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::uint8_t choice = data[0];
    qv::Setup setup = StartingState();
    setup.Combo1 = (choice & 0x7F) % qv::kBandCount;
    const qv::Language cells = choice & 0x80 ? qv::Language::English : qv::Language::Chinese;
    const qv::PlanPlacement placement = PlacementOf(data[1] % (kChannelCount + 2));
    const std::string_view csv(reinterpret_cast<const char*>(data + 2), size - 2);

    const qv::ChannelPlanImport imported = qv::ImportChannelPlan(setup, csv, placement, cells);
    if (imported.refused) {
        Check(imported.setup == setup && imported.skipped.empty() && imported.filled.empty());
        return 0;
    }
    const int first = placement.kind == qv::PlanPlacement::Kind::FirstEmpty
                          ? qv::FirstEmptyChannel(setup)
                          : placement.channel;
    qv::Setup restored = imported.setup;
    for (std::size_t k = 0; k < imported.filled.size(); ++k) {
        const int row = imported.filled[k];
        if (placement.kind == qv::PlanPlacement::Kind::AtLocation) {
            Check(row >= 1 && (k == 0 || row > imported.filled[k - 1]));
        } else {
            Check(row == first + static_cast<int>(k));
        }
        Check(row <= kChannelCount);
        Check(qv::test::GridChannelFault(imported.setup, row, cells).empty());
        Check(imported.setup.ChannelFlags[row][qv::kColBusyLockout] == 0);
        restored.Grid1[row] = setup.Grid1[row];
        restored.ChannelFlags[row] = setup.ChannelFlags[row];
    }
    Check(restored == setup);
    for (const int row : imported.replaced) Check(qv::ChannelInUse(setup, row));
    for (std::size_t k = 0; k < imported.skipped.size(); ++k) {
        Check(imported.skipped[k].line >= 1);
        Check(k == 0 || imported.skipped[k].line > imported.skipped[k - 1].line);
    }
    CheckRoundTrip(imported, cells);
    return 0;
}
