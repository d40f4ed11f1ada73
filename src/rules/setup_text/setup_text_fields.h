// The layout of a set-up as text: its sections and keys in the order the file writes them, where
// each value lives in the set-up, and the rule its value follows. The writer and the reader share
// these rules, so that a value the writer comments on as refused is one the reader refuses.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "i18n/list_items.h"
#include "rules/setup_text/setup_text_problem.h"
#include "state/program_state.h"

namespace qv::setup_text {

// What a value is and where it lives.
enum class Rule {
    MainList,         // a list of the main window: `mainList`, items of `items`
    DialogList,       // a list of the optional-functions dialog with no held copy: `dialogList`
    HeldList,         // OptionText[index], shown by a list of the dialog
    Check,            // OptionText[index], shown by a check box: true or false
    ResumeDelay,      // OptionText[index], whole seconds as typed, or nothing
    DtmfList,         // OptionValue[index], shown by a list of the DTMF frame
    FirstDigitDelay,  // OptionValue[index], milliseconds
    KeyFunction,      // KeyFunctionCodes[index]
    DtmfCode,         // DtmfCodes[index]
    PowerLevel,       // PowerHighLevel (index 0) or PowerLowLevel (index 1)
    EmbeddedLine,     // EmbeddedInfo[index]
    HiddenText,       // OptionText[index], a text no window shows
};

struct Field {
    std::string_view key;
    Rule rule;
    int index = 0;
    ListId items = ListId::VoiceLanguage;  // the lists
    int Setup::*mainList = nullptr;
    int OptionalFunctionsControls::*dialogList = nullptr;
};

// A section of keys with values.
struct Section {
    std::string_view key;
    std::span<const Field> fields;
};

// The keys with values, in the order of the file: between them stand the channels (after the
// function settings) and the test frequencies (after the keys).
inline constexpr std::string_view kFormatKey = "format";
inline constexpr std::string_view kBandKey = "band";
inline constexpr std::string_view kChannelsKey = "channels";
inline constexpr std::string_view kTestFrequenciesKey = "test_frequencies";

std::span<const Section> Sections();
// The sections before the channels: the function settings.
inline constexpr std::size_t kSectionsBeforeChannels = 1;
// The sections before the test frequencies: up to the keys.
inline constexpr std::size_t kSectionsBeforeTestFrequencies = 4;

// Every key of the document, in the order of the file.
std::vector<std::string_view> DocumentKeys();

// A channel entry: its label, then one key per grid column.
inline constexpr std::string_view kChannelKey = "channel";
struct ChannelKey {
    std::string_view key;
    int column;
};
inline constexpr std::array<ChannelKey, 8> kChannelKeys = {{
    {"rx", kColRxFrequency},
    {"rx_tone", kColRxTone},
    {"tx", kColTxFrequency},
    {"tx_tone", kColTxTone},
    {"power", kColPower},
    {"busy_lock", kColBusyLockout},
    {"bandwidth", kColBandwidth},
    {"scan", kColScan},
}};

// A test frequency entry: its number, then receive and transmit.
inline constexpr std::string_view kTestChannelKey = "test_channel";
inline constexpr std::string_view kTestRxKey = "rx";
inline constexpr std::string_view kTestTxKey = "tx";

// --- values ---

// A value refused: the problem without its place and field.
using Refusal = SetupTextProblem;

// The value of `field` in `setup`, as the file writes it.
std::string FieldText(const Setup& setup, const Field& field);

// Whether `value` is one `field` takes; when it is and `into` is given, the value goes there,
// into the held value and the control showing it.
std::optional<Refusal> TakeField(const Field& field, std::string_view value, Setup* into);

// The band's list text, or its position.
std::string BandText(const Setup& setup);
std::variant<int, Refusal> BandPosition(std::string_view value);

// The cell text of channel `row`, column `column` as the file writes it: frequencies and tones as
// shown ("Off" for no tone), list cells as the English item the encoder takes them for.
std::string ChannelText(const Setup& setup, int row, int column);

// What a channel value gives in a column: a frequency's cell text; a tone's position in the tone
// list, or the cell text of a tone typed that the list lacks (position -1); a list item's
// position.
struct CellValue {
    std::string text;
    int position = -1;
};

// The cell a channel value gives in column `column`, or why not: frequencies on the raster and in
// the band of `setup`, tones of the list or typed from 67.0 to 254.1, list items in either
// language.
std::variant<CellValue, Refusal> ChannelCell(const Setup& setup, int column,
                                             std::string_view value);

// The channel (1..48) a label names ("G2- 01", also "G2-01"), or 0.
int ChannelOfLabel(std::string_view label);

// The test channel's number as the file writes it ("03"), and the test channel (1..16) a number
// names ("03", also "3"), or 0.
std::string TestChannelText(int channel);
int TestChannelOfText(std::string_view text);

// A test frequency as typing it into the test-frequency window leaves it, or why not.
std::variant<std::string, Refusal> TestFrequency(std::string_view value, bool transmit);

}  // namespace qv::setup_text
