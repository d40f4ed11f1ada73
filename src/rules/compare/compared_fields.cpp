#include "rules/compare/compared_fields.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "i18n/captions.h"
#include "i18n/compare_texts.h"
#include "i18n/list_items.h"
#include "rules/channels/grid_rules.h"
#include "rules/channels/settings_frame.h"
#include "state/keys.h"

namespace qv {
namespace {

// A list of the optional-functions dialog, with the label beside it. The DTMF frame shows its
// captions and items in Chinese in both languages; its fields have names of their own here, and
// their values are told in English words to an English reader.
struct DialogList {
    int OptionalFunctionsControls::*control;
    std::string_view label;
    ListId items;
    std::optional<CompareTextId> dtmfName = std::nullopt;
};

// In the order the dialog shows them: current channel, call answer, work group, PTT ID, remote
// alarm, VOX, scan, then the DTMF frame.
constexpr DialogList kDialogLists[] = {
    {&OptionalFunctionsControls::Combo1, "Label2", ListId::CurrentChannel},
    {&OptionalFunctionsControls::Combo2, "Label3", ListId::CallAnswer},
    {&OptionalFunctionsControls::Combo3, "Label5", ListId::WorkGroup},
    {&OptionalFunctionsControls::Combo4, "Label4", ListId::PttId},
    {&OptionalFunctionsControls::Combo10, "Label11", ListId::RemoteAlarm},
    {&OptionalFunctionsControls::Combo6, "Label8", ListId::VoxFunction},
    {&OptionalFunctionsControls::Combo7, "Label10", ListId::VoxGain},
    {&OptionalFunctionsControls::Combo8, "Label9", ListId::VoxDelay},
    {&OptionalFunctionsControls::Combo9, "Label7", ListId::VoxVolume},
    {&OptionalFunctionsControls::Combo11, "Label14", ListId::PriorityMode},
    {&OptionalFunctionsControls::Combo12, "Label15", ListId::PriorityChannel},
    {&OptionalFunctionsControls::Combo13, "Label17", ListId::RetraceTimeA},
    {&OptionalFunctionsControls::Combo14, "Label16", ListId::RetraceTimeB},
    {&OptionalFunctionsControls::Combo15, "Label18", ListId::ReturnChannel},
    {&OptionalFunctionsControls::Combo0, "Label25", ListId::DtmfRate, CompareTextId::DtmfRate},
    {&OptionalFunctionsControls::Combo16, "Label21", ListId::FirstDigitTime,
     CompareTextId::FirstDigitTime},
    {&OptionalFunctionsControls::Combo18, "Label23", ListId::FirstDigitDelay,
     CompareTextId::FirstDigitDelay},
    {&OptionalFunctionsControls::Combo17, "Label22", ListId::StarHashTone,
     CompareTextId::StarHashTone},
    {&OptionalFunctionsControls::Combo19, "Label24", ListId::DKey, CompareTextId::DKey},
    {&OptionalFunctionsControls::Combo20, "Label26", ListId::DtmfSidetone,
     CompareTextId::DtmfSidetone},
    {&OptionalFunctionsControls::Combo22, "Label28", ListId::GroupCallCode,
     CompareTextId::GroupCallCode},
    {&OptionalFunctionsControls::Combo21, "Label27", ListId::AutoReset, CompareTextId::AutoReset},
};

struct DialogCheckBox {
    int OptionalFunctionsControls::*control;
    std::string_view caption;
};
constexpr DialogCheckBox kDialogCheckBoxes[] = {
    {&OptionalFunctionsControls::Check3, "Check3"},
    {&OptionalFunctionsControls::Check4, "Check4"},
};

struct DialogTextBox {
    std::string OptionalFunctionsControls::*control;
    std::string_view label;
};
constexpr DialogTextBox kDialogTextBoxes[] = {
    {&OptionalFunctionsControls::Text5, "Label19"},
    {&OptionalFunctionsControls::Text6, "Label20"},
};

// The keys in the order the dialog shows them: PF1, PF2, KB1, KB3, KB2, long press above short.
constexpr int kKeyEntries[] = {0, 2, 1, 3, 4, 6, 8, 9, 5, 7};

std::string Number2(int number) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", number);
    return text;
}

class Collector {
  public:
    Collector(const Setup& setup, Language language) : setup_(setup), language_(language) {}

    std::vector<NamedValue> Collect() {
        Channels();
        for (const SettingsList& row : kSettingsLists) {
            Add(Caption(WindowId::Form1, row.label), Item(row.items, setup_.*row.position));
        }
        OptionalFunctions();
        for (std::size_t i = 0; i < setup_.DtmfCodes.size(); ++i) {
            Add(Text(CompareTextId::DtmfCode, {std::to_string(i + 1)}), Value(setup_.DtmfCodes[i]));
        }
        for (const int entry : kKeyEntries) {
            Add(Caption(WindowId::Form6, "Label" + std::to_string(entry + 1)),
                Item(KeyFunctionList(kKeyLists[static_cast<std::size_t>(entry)]),
                     setup_.KeyFunctionCodes[static_cast<std::size_t>(entry)]));
        }
        Add(Caption(WindowId::Form2, "Frame1"), std::to_string(setup_.PowerHighLevel));
        Add(Caption(WindowId::Form2, "Frame2"), std::to_string(setup_.PowerLowLevel));
        TestChannels();
        for (std::size_t line = 0; line < setup_.EmbeddedInfo.size(); ++line) {
            Add(Text(CompareTextId::EmbeddedLine, {std::to_string(line + 1)}),
                Value(setup_.EmbeddedInfo[line]));
        }
        return std::move(values_);
    }

  private:
    std::string Caption(WindowId window, std::string_view control,
                        CaptionProperty property = CaptionProperty::Caption, int index = 0) const {
        return std::string(qv::Caption(window, control, property, index, language_));
    }
    std::string Text(CompareTextId id, std::initializer_list<std::string_view> values = {}) const {
        return CompareText(id, language_, values);
    }
    std::string Value(const std::string& text) const {
        return text.empty() ? Text(CompareTextId::Empty) : text;
    }
    // The item the list shows at `position`; a position the list lacks as its number.
    std::string Item(ListId list, int position) const {
        if (position < 0) return Text(CompareTextId::Empty);
        const std::string_view item = ListItem(list, position, language_);
        return item.empty() ? "(" + std::to_string(position) + ")" : std::string(item);
    }
    void Add(std::string name, std::string value, int channel = 0, bool whole = false) {
        values_.push_back({std::move(name), std::move(value), channel, whole});
    }

    std::string ColumnName(int column) const {
        if (column == kColRxTone) return Text(CompareTextId::ReceiveTone);
        if (column == kColTxTone) return Text(CompareTextId::TransmitTone);
        return Caption(WindowId::Form1, "Grid1", CaptionProperty::GridHeader, column);
    }

    void Channels() {
        for (int row = 1; row <= kChannelCount; ++row) {
            const std::string label = ChannelLabel(row);
            std::string whole;
            if (ChannelInUse(setup_, row)) {
                for (int column = kColRxFrequency; column <= kColScan; ++column) {
                    if (!whole.empty()) whole += " ";
                    whole += Value(setup_.Grid1[row][column]);
                }
            } else {
                whole = Text(CompareTextId::Empty);
            }
            Add(Text(CompareTextId::Channel, {label}), whole, row, true);
            for (int column = kColRxFrequency; column <= kColScan; ++column) {
                Add(Text(CompareTextId::ChannelField, {label, ColumnName(column)}),
                    Value(setup_.Grid1[row][column]), row);
            }
        }
    }

    void OptionalFunctions() {
        const OptionalFunctionsControls& form = setup_.Form5;
        for (const DialogList& list : kDialogLists) {
            const std::string value = Item(list.items, form.*list.control);
            if (!list.dtmfName) {
                Add(Caption(WindowId::Form5, list.label), value);
            } else {
                Add(Text(*list.dtmfName),
                    language_ == Language::English ? EnglishDtmfItem(value) : value);
            }
        }
        for (const DialogCheckBox& box : kDialogCheckBoxes) {
            Add(Caption(WindowId::Form5, box.caption),
                Text(form.*box.control != 0 ? CompareTextId::Checked : CompareTextId::NotChecked));
        }
        for (const DialogTextBox& box : kDialogTextBoxes) {
            Add(Caption(WindowId::Form5, box.label), Value(form.*box.control));
        }
    }

    void TestChannels() {
        for (std::size_t i = 0; i < setup_.TestFrequencyTable[0].size(); ++i) {
            const std::string number = Number2(static_cast<int>(i) + 1);
            for (std::size_t side = 0; side < 2; ++side) {
                const std::string column =
                    Caption(WindowId::Form4, "mfgrid1", CaptionProperty::GridHeader,
                            static_cast<int>(side) + 1);
                Add(Text(CompareTextId::TestChannelField, {number, column}),
                    Value(setup_.TestFrequencyTable[side][i]));
            }
        }
    }

    const Setup& setup_;
    Language language_;
    std::vector<NamedValue> values_;
};

}  // namespace

std::vector<NamedValue> NamedValues(const Setup& setup, Language language) {
    return Collector(setup, language).Collect();
}

NamedValue NamedBand(int position, Language language) {
    return {std::string(Caption(WindowId::Form1, "Frame1", CaptionProperty::Caption, 0, language)),
            std::string(BandAt(position).listText)};
}

}  // namespace qv
