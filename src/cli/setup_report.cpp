#include "cli/setup_report.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "cli/terminal_text.h"
#include "i18n/captions.h"
#include "i18n/list_items.h"
#include "image/text.h"
#include "rules/channels/settings_frame.h"
#include "state/bands.h"
#include "state/keys.h"
#include "state/option_entries.h"

namespace qv::cli {
namespace {

constexpr Language kEnglish = Language::English;

std::string Item(ListId list, int position) {
    const std::string_view text = ListItem(list, position, kEnglish);
    return text.empty() ? "(" + std::to_string(position) + ")" : std::string(text);
}

std::string Label(WindowId window, std::string_view control) {
    return std::string(Caption(window, control, CaptionProperty::Caption, 0, kEnglish));
}

// One "label  value" line per setting, the values lined up.
class Section {
  public:
    explicit Section(std::string title) : title_(std::move(title)) {}
    void Add(std::string label, std::string value) {
        rows_.emplace_back(std::move(label), std::move(value));
    }
    bool Empty() const { return rows_.empty(); }
    void WriteTo(std::ostream& out) const {
        std::size_t width = 0;
        for (const auto& row : rows_) width = std::max(width, CharCount(row.first));
        out << "\n" << title_ << "\n";
        for (const auto& [label, value] : rows_) {
            std::string line = "  " + label;
            if (!value.empty()) line += std::string(width - CharCount(label) + 2, ' ') + value;
            out << line << "\n";
        }
    }

  private:
    std::string title_;
    std::vector<std::pair<std::string, std::string>> rows_;
};

void WriteChannels(const ProgramState& state, std::ostream& out) {
    std::vector<std::vector<std::string>> table;
    std::vector<std::string> header;
    for (int column = 0; column <= kColScan; ++column) {
        header.emplace_back(
            Caption(WindowId::Form1, "Grid1", CaptionProperty::GridHeader, column, kEnglish));
    }
    table.push_back(header);
    for (int row = 1; row <= kChannelCount; ++row) {
        if (!ChannelInUse(state, row)) continue;
        table.emplace_back(state.Grid1[row].begin(), state.Grid1[row].end());
    }
    out << "\nChannels: " << table.size() - 1 << " of " << kChannelCount << " in use\n";
    if (table.size() == 1) return;
    std::vector<std::size_t> widths(header.size(), 0);
    for (const auto& cells : table) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            widths[c] = std::max(widths[c], CharCount(cells[c]));
        }
    }
    for (const auto& cells : table) {
        std::string line;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            line += "  " + cells[c] + std::string(widths[c] - CharCount(cells[c]), ' ');
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out << line << "\n";
    }
}

Section FunctionSettings(const ProgramState& state) {
    Section section(Label(WindowId::Form1, "Frame2"));
    for (const SettingsList& row : kSettingsLists) {
        const int position = state.*row.position;
        section.Add(Label(WindowId::Form1, row.label),
                    position < 0 ? "(none)" : Item(row.items, position));
    }
    return section;
}

Section OptionalFunctions(const ProgramState& state) {
    // Held values shown by a list of the dialog, with the label of that list.
    struct HeldRow {
        const char* label;
        ListId list;
        int entry;
        int bias;
    };
    namespace ot = option_text;
    static constexpr HeldRow kHeldRows[] = {
        {"Label4", ListId::PttId, ot::kPttId, 0},
        {"Label11", ListId::RemoteAlarm, ot::kRemoteAlarm, 0},
        {"Label8", ListId::VoxFunction, ot::kVoxFunction, 0},
        {"Label10", ListId::VoxGain, ot::kVoxGain, 0},
        {"Label9", ListId::VoxDelay, ot::kVoxDelay, 0},
        {"Label7", ListId::VoxVolume, ot::kVoxVolume, 0},
        {"Label14", ListId::PriorityMode, ot::kPriorityMode, 0},
        {"Label15", ListId::PriorityChannel, ot::kPriorityChannel, -1},
        {"Label17", ListId::RetraceTimeA, ot::kRetraceTimeA, 0},
        {"Label16", ListId::RetraceTimeB, ot::kRetraceTimeB, 0},
        {"Label18", ListId::ReturnChannel, ot::kReturnChannel, 0},
    };
    Section section(
        std::string(Caption(WindowId::Form5, "Form5", CaptionProperty::WindowTitle, 0, kEnglish)));
    section.Add(Label(WindowId::Form5, "Label2"), Item(ListId::CurrentChannel, state.Form5.Combo1));
    section.Add(Label(WindowId::Form5, "Label3"), Item(ListId::CallAnswer, state.Form5.Combo2));
    section.Add(Label(WindowId::Form5, "Label5"), Item(ListId::WorkGroup, state.Form5.Combo3));
    for (const HeldRow& row : kHeldRows) {
        section.Add(Label(WindowId::Form5, row.label),
                    Item(row.list, ValInt(state.OptionText[row.entry]) + row.bias));
    }
    const auto yesNo = [&](int entry) { return ValInt(state.OptionText[entry]) ? "Yes" : "No"; };
    section.Add(Label(WindowId::Form5, "Check3"), yesNo(ot::kCancelOperation));
    section.Add(Label(WindowId::Form5, "Check4"), yesNo(ot::kVoxBannedOnReceive));
    section.Add(Label(WindowId::Form5, "Label19"), state.OptionText[ot::kScanReceiveDelay]);
    section.Add(Label(WindowId::Form5, "Label20"), state.OptionText[ot::kScanTransmitDelay]);
    return section;
}

// The DTMF lists carry one set of texts, written for Chinese readers; these are their meanings.
Section DtmfSettings(const ProgramState& state) {
    static constexpr const char* kRates[] = {"6 digits", "8 digits", "10 digits", "15 digits"};
    static constexpr const char* kTimes[] = {"off", "100 ms", "500 ms", "1000 ms"};
    static constexpr const char* kGroupCodes[] = {"off", "*", "#", "A", "B", "C", "D"};
    const auto pick = [](const auto& names, int value) {
        return value >= 0 && value < static_cast<int>(std::size(names))
                   ? std::string(names[value])
                   : "(" + std::to_string(value) + ")";
    };
    const auto seconds = [](int value, const char* zero) {
        return value == 0 ? std::string(zero) : std::to_string(value) + " s";
    };
    namespace ov = option_value;
    const auto& v = state.OptionValue;
    const int delay = v[ov::kFirstDigitDelayMs];
    Section section("DTMF");
    section.Add("Dialling rate", pick(kRates, v[ov::kDtmfRate]));
    section.Add("First digit time", pick(kTimes, v[ov::kFirstDigitTime]));
    section.Add("First digit delay", delay == 0 ? "not set" : std::to_string(delay) + " ms");
    section.Add("* and # tone", pick(kTimes, v[ov::kStarHashTone]));
    section.Add("D key", seconds(v[ov::kDKey], "D code"));
    section.Add("Sidetone", v[ov::kDtmfSidetone] ? "on" : "off");
    section.Add("Group call code", pick(kGroupCodes, v[ov::kGroupCallCode]));
    section.Add("Auto reset timer", seconds(v[ov::kAutoReset], "off"));
    for (std::size_t i = 0; i < state.DtmfCodes.size(); ++i) {
        section.Add("Code " + std::to_string(i + 1), Quoted(state.DtmfCodes[i]));
    }
    return section;
}

Section Keys(const ProgramState& state) {
    // In the order the dialog shows them: PF1, PF2, KB1, KB3, KB2, long press above short.
    static constexpr int kEntries[] = {0, 2, 1, 3, 4, 6, 8, 9, 5, 7};
    Section section(
        std::string(Caption(WindowId::Form6, "Form6", CaptionProperty::WindowTitle, 0, kEnglish)));
    for (const int entry : kEntries) {
        section.Add(Label(WindowId::Form6, "Label" + std::to_string(entry + 1)),
                    Item(KeyFunctionList(kKeyLists[entry]), state.KeyFunctionCodes[entry]));
    }
    return section;
}

Section Calibration(const ProgramState& state) {
    Section section("Power calibration");
    section.Add(Label(WindowId::Form2, "Frame1"), std::to_string(state.PowerHighLevel));
    section.Add(Label(WindowId::Form2, "Frame2"), std::to_string(state.PowerLowLevel));
    return section;
}

Section TestChannels(const ProgramState& state) {
    Section section("Test channels");
    for (int i = 0; i < 16; ++i) {
        const std::string& rx = state.TestFrequencyTable[0][i];
        const std::string& tx = state.TestFrequencyTable[1][i];
        if (rx.empty() && tx.empty()) continue;
        char label[4];
        std::snprintf(label, sizeof label, "%02d", i + 1);
        section.Add(label, "RX " + (rx.empty() ? "-" : rx) + "  TX " + (tx.empty() ? "-" : tx));
    }
    if (section.Empty()) section.Add("(none)", "");
    return section;
}

Section EmbeddedInformation(const ProgramState& state) {
    Section section(
        std::string(Caption(WindowId::Form7, "Form7", CaptionProperty::WindowTitle, 0, kEnglish)));
    section.Add("Line 1", Quoted(state.EmbeddedInfo[0]));
    section.Add("Line 2", Quoted(state.EmbeddedInfo[1]));
    return section;
}

}  // namespace

std::string SetupReport(const ProgramState& state) {
    std::ostringstream out;
    out << "Band: " << BandAt(state.Combo1).listText << " (" << state.BandLowMHz() << " to "
        << state.BandHighMHz() << " MHz)\n";
    WriteChannels(state, out);
    FunctionSettings(state).WriteTo(out);
    OptionalFunctions(state).WriteTo(out);
    DtmfSettings(state).WriteTo(out);
    Keys(state).WriteTo(out);
    Calibration(state).WriteTo(out);
    TestChannels(state).WriteTo(out);
    EmbeddedInformation(state).WriteTo(out);
    return out.str();
}

}  // namespace qv::cli
