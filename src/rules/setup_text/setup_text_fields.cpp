#include "rules/setup_text/setup_text_fields.h"

#include <algorithm>
#include <cstdio>

#include "image/channel_codec.h"
#include "image/decimal_text.h"
#include "image/held_controls.h"
#include "image/text.h"
#include "rules/channels/grid_editing.h"
#include "rules/channels/grid_rules.h"
#include "rules/dialogs/calibration_rules.h"
#include "rules/dialogs/optional_functions_rules.h"
#include "rules/dialogs/service_frequencies_rules.h"
#include "state/bands.h"
#include "state/keys.h"
#include "state/option_entries.h"

namespace qv::setup_text {
namespace {

namespace ot = option_text;
namespace ov = option_value;

constexpr Language kEnglish = Language::English;

constexpr Field kFunctionSettings[] = {
    {"voice_prompts", Rule::MainList, 0, ListId::VoiceLanguage, &Setup::Combo2},
    {"time_out", Rule::MainList, 0, ListId::TimeOut, &Setup::Combo3},
    {"time_out_warning", Rule::MainList, 0, ListId::TimeOutWarn, &Setup::Combo4},
    {"squelch_level", Rule::MainList, 0, ListId::SquelchLevel, &Setup::Combo9},
    {"battery_save", Rule::MainList, 0, ListId::BatterySave, &Setup::Combo6},
    {"key_beep", Rule::MainList, 0, ListId::KeyBeep, &Setup::Combo7},
};

constexpr Field DialogList(std::string_view key, ListId items,
                           int OptionalFunctionsControls::*list) {
    return {key, Rule::DialogList, 0, items, nullptr, list};
}

constexpr Field kOptionalFunctions[] = {
    DialogList("current_channel", ListId::CurrentChannel, &OptionalFunctionsControls::Combo1),
    DialogList("call_answer", ListId::CallAnswer, &OptionalFunctionsControls::Combo2),
    DialogList("work_group", ListId::WorkGroup, &OptionalFunctionsControls::Combo3),
    {"ptt_id", Rule::HeldList, ot::kPttId, ListId::PttId},
    {"remote_alarm", Rule::HeldList, ot::kRemoteAlarm, ListId::RemoteAlarm},
    {"vox_function", Rule::HeldList, ot::kVoxFunction, ListId::VoxFunction},
    {"vox_gain", Rule::HeldList, ot::kVoxGain, ListId::VoxGain},
    {"vox_delay", Rule::HeldList, ot::kVoxDelay, ListId::VoxDelay},
    {"vox_volume", Rule::HeldList, ot::kVoxVolume, ListId::VoxVolume},
    {"cancel_operation", Rule::Check, ot::kCancelOperation},
    {"vox_banned_on_receive", Rule::Check, ot::kVoxBannedOnReceive},
    {"priority", Rule::HeldList, ot::kPriorityMode, ListId::PriorityMode},
    {"priority_channel", Rule::HeldList, ot::kPriorityChannel, ListId::PriorityChannel},
    {"retrace_time_a", Rule::HeldList, ot::kRetraceTimeA, ListId::RetraceTimeA},
    {"retrace_time_b", Rule::HeldList, ot::kRetraceTimeB, ListId::RetraceTimeB},
    {"return_channel", Rule::HeldList, ot::kReturnChannel, ListId::ReturnChannel},
    {"scan_receive_delay", Rule::ResumeDelay, ot::kScanReceiveDelay},
    {"scan_transmit_delay", Rule::ResumeDelay, ot::kScanTransmitDelay},
};

constexpr Field kDtmf[] = {
    {"rate", Rule::DtmfList, ov::kDtmfRate, ListId::DtmfRate},
    {"first_digit_time", Rule::DtmfList, ov::kFirstDigitTime, ListId::FirstDigitTime},
    {"first_digit_delay", Rule::FirstDigitDelay, ov::kFirstDigitDelayMs, ListId::FirstDigitDelay},
    {"star_hash_tone", Rule::DtmfList, ov::kStarHashTone, ListId::StarHashTone},
    {"d_key", Rule::DtmfList, ov::kDKey, ListId::DKey},
    {"sidetone", Rule::DtmfList, ov::kDtmfSidetone, ListId::DtmfSidetone},
    {"group_call_code", Rule::DtmfList, ov::kGroupCallCode, ListId::GroupCallCode},
    {"auto_reset", Rule::DtmfList, ov::kAutoReset, ListId::AutoReset},
    {"code_1", Rule::DtmfCode, 0},
    {"code_2", Rule::DtmfCode, 1},
    {"code_3", Rule::DtmfCode, 2},
    {"code_4", Rule::DtmfCode, 3},
    {"code_5", Rule::DtmfCode, 4},
    {"code_6", Rule::DtmfCode, 5},
    {"code_7", Rule::DtmfCode, 6},
    {"code_8", Rule::DtmfCode, 7},
};

// By key, long press before short; `index` is the KeyFunctionCodes entry.
constexpr Field kKeys[] = {
    {"pf1_long", Rule::KeyFunction, 0}, {"pf1_short", Rule::KeyFunction, 2},
    {"pf2_long", Rule::KeyFunction, 1}, {"pf2_short", Rule::KeyFunction, 3},
    {"kb1_long", Rule::KeyFunction, 4}, {"kb1_short", Rule::KeyFunction, 6},
    {"kb2_long", Rule::KeyFunction, 5}, {"kb2_short", Rule::KeyFunction, 7},
    {"kb3_long", Rule::KeyFunction, 8}, {"kb3_short", Rule::KeyFunction, 9},
};

constexpr Field kEmbeddedInfo[] = {
    {"line_1", Rule::EmbeddedLine, 0},
    {"line_2", Rule::EmbeddedLine, 1},
};

constexpr Field kCalibration[] = {
    {"high_power", Rule::PowerLevel, 0},
    {"low_power", Rule::PowerLevel, 1},
};

constexpr Field kHiddenTexts[] = {
    {"text_1", Rule::HiddenText, ot::kText10},
    {"text_2", Rule::HiddenText, ot::kText16A},
    {"text_3", Rule::HiddenText, ot::kText16B},
};

constexpr Section kSections[] = {
    {"function_settings", kFunctionSettings},
    {"optional_functions", kOptionalFunctions},
    {"dtmf", kDtmf},
    {"keys", kKeys},
    {"embedded_info", kEmbeddedInfo},
    {"calibration", kCalibration},
    {"hidden_texts", kHiddenTexts},
};

// The longest texts the radio keeps.
constexpr std::size_t kHiddenText10Chars = 10;
constexpr std::size_t kHiddenText16Chars = 16;
constexpr int kPowerLevelDigits = 3;

// The character U+00FF, which the ten-character hidden text keeps as the byte 0xFF.
constexpr std::string_view kByteFF = "\xC3\xBF";

Refusal Refused(SetupTextId id, std::vector<std::string> values) {
    Refusal refusal;
    refusal.id = id;
    refusal.values = std::move(values);
    return refusal;
}

Refusal NotAnItem(std::string_view value, ListId items, std::string extraItem = {}) {
    Refusal refusal = Refused(SetupTextId::NotAnItem, {std::string(value)});
    refusal.items = items;
    refusal.extraItem = std::move(extraItem);
    return refusal;
}

// The value of a list at `position` as the file writes it: its English item, or the position
// itself when the list has no such item.
std::string ItemText(ListId list, int position) {
    const std::string_view item = ListItem(list, position, kEnglish);
    if (!item.empty()) return std::string(item);
    return position < 0 ? std::string() : std::to_string(position);
}

// The list position `link` of an OptionText entry adds to the held value.
int BiasOf(int entry) {
    for (const OptionControlLink& link : kOptionTextControls) {
        if (link.entry == entry) return link.bias;
    }
    return 0;
}

// An OptionText entry held as decimal text takes `value`, and its control shows it.
void HoldOptionNumber(Setup& setup, int entry, int value) {
    setup.OptionText[entry] = std::to_string(value);
    for (const OptionControlLink& link : kOptionTextControls) {
        if (link.entry == entry) setup.Form5.*link.control = value + link.bias;
    }
}

// "435.12500" and "435.125" are the same number; "0435.1" and "435.10000" too.
std::string NormalNumber(std::string_view plain) {
    const std::size_t point = plain.find('.');
    std::string_view whole = plain.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : plain.substr(point + 1);
    while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
    while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
    std::string number = whole.empty() ? "0" : std::string(whole);
    if (!fraction.empty()) number += "." + std::string(fraction);
    return number;
}

bool SameNumber(std::string_view a, std::string_view b) {
    return NormalNumber(a) == NormalNumber(b);
}

bool IsTrue(std::string_view value) {
    return value == "true" || value == "True" || value == "TRUE";
}
bool IsFalse(std::string_view value) {
    return value == "false" || value == "False" || value == "FALSE";
}

// The characters of `value` that are not `kept`, each once, in the order met.
std::string CharactersLeftOut(std::string_view value, bool (*kept)(std::string_view)) {
    std::string left;
    while (!value.empty()) {
        std::size_t length = 1;
        while (length < value.size() &&
               (static_cast<unsigned char>(value[length]) & 0xC0) == 0x80) {
            ++length;
        }
        const std::string_view character = value.substr(0, length);
        if (!kept(character) && left.find(character) == std::string::npos) left += character;
        value.remove_prefix(length);
    }
    return left;
}

bool IsDtmfCharacter(std::string_view character) {
    return character.size() == 1 && DtmfCellText(character) == character;
}

// A text of at most `most` characters the radio keeps, U+00FF too when `byteFF` (the ten-character
// hidden text keeps every byte as a character).
std::optional<Refusal> CheckRadioText(std::string_view value, std::size_t most, bool byteFF) {
    std::string refused = SplitStorable(value).refused;
    if (byteFF) {
        if (const std::size_t at = refused.find(kByteFF); at != std::string::npos) {
            refused.erase(at, kByteFF.size());
        }
    }
    if (!refused.empty()) return Refused(SetupTextId::CharactersNotStored, {refused});
    if (CharCount(value) > most) {
        return Refused(SetupTextId::TooLong,
                       {std::to_string(CharCount(value)), std::to_string(most)});
    }
    return std::nullopt;
}

std::optional<int> WholeNumber(std::string_view value, int digits, int highest) {
    if (value.empty() || value.size() > static_cast<std::size_t>(digits)) return std::nullopt;
    int number = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') return std::nullopt;
        number = number * 10 + (c - '0');
    }
    if (number > highest) return std::nullopt;
    return number;
}

int Setup::*PowerLevelOf(int index) {
    return index == 0 ? &Setup::PowerHighLevel : &Setup::PowerLowLevel;
}

// A list value: its position, or why it has none.
std::optional<Refusal> TakeListField(const Field& field, std::string_view value, Setup* into) {
    const int position = FindListItem(field.items, value);
    if (position < 0) return NotAnItem(value, field.items);
    if (into == nullptr) return std::nullopt;
    Setup& setup = *into;
    switch (field.rule) {
        case Rule::MainList:
            setup.*field.mainList = position;
            break;
        case Rule::DialogList:
            setup.Form5.*field.dialogList = position;
            break;
        case Rule::HeldList:
            HoldOptionNumber(setup, field.index, position - BiasOf(field.index));
            break;
        case Rule::DtmfList:
            setup.OptionValue[field.index] = position;
            ShowOptionValue(setup, field.index);
            break;
        case Rule::KeyFunction:
            setup.KeyFunctionCodes[field.index] = position;
            ShowKeyFunction(setup, field.index);
            break;
        default:
            break;
    }
    return std::nullopt;
}

// The first-digit delay's start-up value, which its list does not show.
std::string FirstDigitDelayText(int milliseconds) {
    return std::to_string(milliseconds) + "MS";
}

// A channel frequency as the frequency editor leaves it, or why not.
std::variant<std::string, Refusal> ChannelFrequency(const Setup& setup, std::string_view value) {
    if (value.empty()) return Refused(SetupTextId::FrequencyEmpty, {});
    if (!IsPlainDecimal(value)) return Refused(SetupTextId::NotAFrequency, {std::string(value)});
    FrequencyEntry entry = EnterFrequency(setup, value);
    if (entry.outcome == FrequencyOutcome::OutOfBand) {
        const Band& band = BandAt(setup.Combo1);
        return Refused(SetupTextId::OutOfBand,
                       {std::string(value), std::string(band.listText), std::to_string(band.lowMHz),
                        std::to_string(band.highMHz)});
    }
    if (!SameNumber(value, entry.cell)) {
        return Refused(SetupTextId::OffRaster, {std::string(value), entry.cell});
    }
    return std::move(entry.cell);
}

}  // namespace

std::span<const Section> Sections() {
    return kSections;
}

std::vector<std::string_view> DocumentKeys() {
    std::vector<std::string_view> keys = {kFormatKey, kBandKey};
    for (std::size_t k = 0; k < std::size(kSections); ++k) {
        if (k == kSectionsBeforeChannels) keys.push_back(kChannelsKey);
        if (k == kSectionsBeforeTestFrequencies) keys.push_back(kTestFrequenciesKey);
        keys.push_back(kSections[k].key);
    }
    return keys;
}

std::string FieldText(const Setup& setup, const Field& field) {
    switch (field.rule) {
        case Rule::MainList:
            return ItemText(field.items, setup.*field.mainList);
        case Rule::DialogList:
            return ItemText(field.items, setup.Form5.*field.dialogList);
        case Rule::HeldList:
            return ItemText(field.items,
                            ValInt(setup.OptionText[field.index]) + BiasOf(field.index));
        case Rule::Check: {
            const int value = ValInt(setup.OptionText[field.index]);
            return value == 1 ? "true" : value == 0 ? "false" : std::to_string(value);
        }
        case Rule::ResumeDelay:
            return setup.OptionText[field.index];
        case Rule::DtmfList:
            return ItemText(field.items, setup.OptionValue[field.index]);
        case Rule::FirstDigitDelay:
            return FirstDigitDelayText(setup.OptionValue[field.index]);
        case Rule::KeyFunction:
            return ItemText(KeyFunctionList(kKeyLists[field.index]),
                            setup.KeyFunctionCodes[field.index]);
        case Rule::DtmfCode:
            return setup.DtmfCodes[field.index];
        case Rule::PowerLevel:
            return std::to_string(setup.*PowerLevelOf(field.index));
        case Rule::EmbeddedLine:
            return setup.EmbeddedInfo[field.index];
        case Rule::HiddenText: {
            std::string text = setup.OptionText[field.index];
            // The ten-character text keeps 0xFF bytes as characters; those after its last other
            // character are what the field holds anyway.
            while (field.index == ot::kText10 && text.ends_with(kByteFF)) {
                text.resize(text.size() - kByteFF.size());
            }
            return text;
        }
    }
    return {};
}

std::optional<Refusal> TakeField(const Field& field, std::string_view value, Setup* into) {
    switch (field.rule) {
        case Rule::MainList:
        case Rule::DialogList:
        case Rule::HeldList:
        case Rule::DtmfList:
            return TakeListField(field, value, into);
        case Rule::KeyFunction: {
            Field list = field;
            list.items = KeyFunctionList(kKeyLists[field.index]);
            return TakeListField(list, value, into);
        }
        case Rule::Check: {
            if (!IsTrue(value) && !IsFalse(value)) {
                return Refused(SetupTextId::NotTrueOrFalse, {std::string(value)});
            }
            if (into != nullptr) HoldOptionNumber(*into, field.index, IsTrue(value) ? 1 : 0);
            return std::nullopt;
        }
        case Rule::ResumeDelay: {
            if (!ResumeDelayTextAcceptable(value)) {
                return Refused(SetupTextId::NotAWholeNumber,
                               {std::string(value), "0", std::to_string(kResumeDelayMax)});
            }
            if (into == nullptr) return std::nullopt;
            into->OptionText[field.index] = std::string(value);
            for (const OptionTextBoxLink& box : kOptionTextBoxes) {
                if (box.entry == field.index) into->Form5.*box.control = std::string(value);
            }
            return std::nullopt;
        }
        case Rule::FirstDigitDelay: {
            // The start-up value, which no item shows, is one the windows hold.
            const std::string startup = FirstDigitDelayText(0);
            const int position = FindListItem(field.items, value);
            if (position < 0 && value != startup) return NotAnItem(value, field.items, startup);
            if (into == nullptr) return std::nullopt;
            into->OptionValue[field.index] = position < 0 ? 0 : FirstDigitDelayMs(position);
            ShowOptionValue(*into, field.index);
            return std::nullopt;
        }
        case Rule::DtmfCode: {
            if (const std::string left = CharactersLeftOut(value, IsDtmfCharacter); !left.empty()) {
                return Refused(SetupTextId::NotDtmf, {left});
            }
            if (value.size() > kDtmfCodeChars) {
                return Refused(SetupTextId::TooLong,
                               {std::to_string(value.size()), std::to_string(kDtmfCodeChars)});
            }
            if (into == nullptr) return std::nullopt;
            into->DtmfCodes[field.index] = std::string(value);
            ShowDtmfCode(*into, field.index);
            return std::nullopt;
        }
        case Rule::PowerLevel: {
            const std::optional<int> level = WholeNumber(value, kPowerLevelDigits, kPowerLevelMax);
            if (!level) {
                return Refused(SetupTextId::NotAWholeNumber,
                               {std::string(value), "0", std::to_string(kPowerLevelMax)});
            }
            if (into == nullptr) return std::nullopt;
            into->*PowerLevelOf(field.index) = *level;
            ShowPowerLevels(*into);
            return std::nullopt;
        }
        case Rule::EmbeddedLine: {
            if (auto refused = CheckRadioText(value, kEmbeddedInfoChars, false)) return refused;
            if (into == nullptr) return std::nullopt;
            into->EmbeddedInfo[field.index] = std::string(value);
            ShowEmbeddedInfo(*into);
            return std::nullopt;
        }
        case Rule::HiddenText: {
            const bool ten = field.index == ot::kText10;
            if (auto refused =
                    CheckRadioText(value, ten ? kHiddenText10Chars : kHiddenText16Chars, ten)) {
                return refused;
            }
            if (into != nullptr) into->OptionText[field.index] = std::string(value);
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::string BandText(const Setup& setup) {
    // As the encoder takes it: the band shown, or the table's band when none is.
    return std::string(
        BandAt(IsBandPosition(setup.Combo1) ? setup.Combo1 : setup.BandIndex).listText);
}

std::variant<int, Refusal> BandPosition(std::string_view value) {
    std::string bands;
    for (int position = 0; position < kBandCount; ++position) {
        const std::string_view text = kBands[static_cast<std::size_t>(position)].listText;
        if (text == value) return position;
        bands += (bands.empty() ? "" : ", ") + std::string(text);
    }
    return Refused(SetupTextId::NotAnItem, {std::string(value), bands});
}

std::string ChannelText(const Setup& setup, int row, int column) {
    const std::string& cell = setup.Grid1[row][column];
    switch (column) {
        case kColRxTone:
        case kColTxTone:
            // The encoder sends no tone for an empty cell, as for the "off" item.
            if (cell.empty() || FindListItem(ListId::Tone, cell) == 0) {
                return std::string(ListItem(ListId::Tone, 0, kEnglish));
            }
            return cell;
        case kColPower:
            return ItemText(ListId::Power, EncodedSwitches(setup, row).highPower ? 1 : 0);
        case kColBusyLockout:
            return ItemText(ListId::BusyLockout, EncodedSwitches(setup, row).busyLockout ? 1 : 0);
        case kColBandwidth:
            return ItemText(ListId::Bandwidth, EncodedSwitches(setup, row).wide ? 1 : 0);
        case kColScan:
            return ItemText(ListId::ScanAdd, InScanList(setup, row) ? 1 : 0);
        default:
            return cell;
    }
}

std::variant<CellValue, Refusal> ChannelCell(const Setup& setup, int column,
                                             std::string_view value) {
    switch (column) {
        case kColRxFrequency:
        case kColTxFrequency: {
            auto frequency = ChannelFrequency(setup, value);
            if (Refusal* refused = std::get_if<Refusal>(&frequency)) return std::move(*refused);
            return CellValue{std::get<std::string>(std::move(frequency)), kTypedTone};
        }
        case kColRxTone:
        case kColTxTone: {
            if (const int position = FindListItem(ListId::Tone, value); position >= 0) {
                return CellValue{{}, position};
            }
            const std::optional<std::string> typed = TypedToneCell(value);
            if (!typed || !SameNumber(value, *typed)) {
                return Refused(SetupTextId::NotATone, {std::string(value)});
            }
            // A tone typed as the list writes it is that item.
            return CellValue{*typed, FindListItem(ListId::Tone, *typed)};
        }
        default:
            break;
    }
    for (const GridList& list : kCombo5Columns) {
        if (list.column != column) continue;
        const int position = FindListItem(list.list, value);
        if (position < 0) return NotAnItem(value, list.list);
        return CellValue{{}, position};
    }
    return Refused(SetupTextId::NotAValue, {});
}

int ChannelOfLabel(std::string_view label) {
    for (int row = 1; row <= kChannelCount; ++row) {
        std::string shown = ChannelLabel(row);
        if (label == shown) return row;
        shown.erase(std::remove(shown.begin(), shown.end(), ' '), shown.end());
        if (label == shown) return row;
    }
    return 0;
}

std::string TestChannelText(int channel) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", channel);
    return text;
}

int TestChannelOfText(std::string_view text) {
    const std::optional<int> channel = WholeNumber(text, 2, kTestChannels);
    return channel && *channel >= 1 ? *channel : 0;
}

std::variant<std::string, Refusal> TestFrequency(std::string_view value, bool transmit) {
    if (value.empty()) return Refused(SetupTextId::FrequencyEmpty, {});
    if (!IsPlainDecimal(value)) return Refused(SetupTextId::NotAFrequency, {std::string(value)});
    if (!IsTestFrequency(value)) {
        return Refused(SetupTextId::TestFrequencyOutOfField, {std::string(value)});
    }
    std::string cell = transmit ? TxTestFrequency(value) : RxTestFrequency(value);
    if (!SameNumber(value, cell))
        return Refused(SetupTextId::OffRaster, {std::string(value), cell});
    return cell;
}

}  // namespace qv::setup_text
