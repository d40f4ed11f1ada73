// The entries of the optional-functions held values by name, and which control of the
// optional-functions dialog shows each of them. The start-up values, the codec, the dialog and the
// set-up report all name entries through this file.
#pragma once

#include <array>
#include <string_view>

#include "state/program_state.h"

namespace qv {

// OptionText: 24 texts. Most hold a whole number in decimal (a list position, a check box or
// seconds); entries 15 to 17 are free texts that no window shows.
namespace option_text {
inline constexpr int kReserved0 = 0;  // the reserved entries get start-up values only
inline constexpr int kReserved1 = 1;
inline constexpr int kReserved2 = 2;
inline constexpr int kPttId = 3;
inline constexpr int kReserved4 = 4;
inline constexpr int kVoxFunction = 5;
inline constexpr int kVoxGain = 6;
inline constexpr int kVoxDelay = 7;
inline constexpr int kVoxVolume = 8;
inline constexpr int kRemoteAlarm = 9;
inline constexpr int kPriorityMode = 10;
inline constexpr int kPriorityChannel = 11;  // the channel number 1..16, not a list position
inline constexpr int kRetraceTimeA = 12;
inline constexpr int kRetraceTimeB = 13;
inline constexpr int kReturnChannel = 14;
inline constexpr int kText10 = 15;  // ten characters, 0xFF bytes kept as characters
inline constexpr int kText16A = 16;
inline constexpr int kText16B = 17;
inline constexpr int kScanReceiveDelay = 18;   // seconds, as typed
inline constexpr int kScanTransmitDelay = 19;  // seconds, as typed
inline constexpr int kReserved20 = 20;
inline constexpr int kReserved21 = 21;
inline constexpr int kCancelOperation = 22;     // check box
inline constexpr int kVoxBannedOnReceive = 23;  // check box
inline constexpr int kCount = 24;
}  // namespace option_text

// OptionValue: 8 list positions of the DTMF frame, except the first-digit delay, which is held in
// milliseconds (the image stores a tenth of it, the list shows it in 50 ms steps from 100 ms).
namespace option_value {
inline constexpr int kDtmfRate = 0;
inline constexpr int kFirstDigitTime = 1;
inline constexpr int kFirstDigitDelayMs = 2;
inline constexpr int kStarHashTone = 3;
inline constexpr int kDKey = 4;
inline constexpr int kDtmfSidetone = 5;
inline constexpr int kGroupCallCode = 6;
inline constexpr int kAutoReset = 7;
inline constexpr int kCount = 8;
}  // namespace option_value

static_assert(option_text::kCount == std::tuple_size_v<decltype(Setup::OptionText)>);
static_assert(option_value::kCount == std::tuple_size_v<decltype(Setup::OptionValue)>);

// A list or check box of the optional-functions dialog that shows a held entry:
// position = value + bias.
struct OptionControlLink {
    int entry;
    int OptionalFunctionsControls::*control;
    int bias;
};

// The OptionText entries shown by a list or a check box, in the order the dialog loads them.
inline constexpr std::array<OptionControlLink, 13> kOptionTextControls = {{
    {option_text::kPttId, &OptionalFunctionsControls::Combo4, 0},
    {option_text::kVoxFunction, &OptionalFunctionsControls::Combo6, 0},
    {option_text::kVoxGain, &OptionalFunctionsControls::Combo7, 0},
    {option_text::kVoxDelay, &OptionalFunctionsControls::Combo8, 0},
    {option_text::kVoxVolume, &OptionalFunctionsControls::Combo9, 0},
    {option_text::kRemoteAlarm, &OptionalFunctionsControls::Combo10, 0},
    {option_text::kPriorityMode, &OptionalFunctionsControls::Combo11, 0},
    {option_text::kPriorityChannel, &OptionalFunctionsControls::Combo12, -1},
    {option_text::kRetraceTimeA, &OptionalFunctionsControls::Combo13, 0},
    {option_text::kRetraceTimeB, &OptionalFunctionsControls::Combo14, 0},
    {option_text::kReturnChannel, &OptionalFunctionsControls::Combo15, 0},
    {option_text::kCancelOperation, &OptionalFunctionsControls::Check3, 0},
    {option_text::kVoxBannedOnReceive, &OptionalFunctionsControls::Check4, 0},
}};

// The OptionText entries shown as typed text.
struct OptionTextBoxLink {
    int entry;
    std::string OptionalFunctionsControls::*control;
};
inline constexpr std::array<OptionTextBoxLink, 2> kOptionTextBoxes = {{
    {option_text::kScanReceiveDelay, &OptionalFunctionsControls::Text5},
    {option_text::kScanTransmitDelay, &OptionalFunctionsControls::Text6},
}};

// The OptionValue entries and their lists, in entry order. The first-digit delay's list is set
// through FirstDigitDelayPosition.
inline constexpr std::array<OptionControlLink, 8> kOptionValueControls = {{
    {option_value::kDtmfRate, &OptionalFunctionsControls::Combo0, 0},
    {option_value::kFirstDigitTime, &OptionalFunctionsControls::Combo16, 0},
    {option_value::kFirstDigitDelayMs, &OptionalFunctionsControls::Combo18, 0},
    {option_value::kStarHashTone, &OptionalFunctionsControls::Combo17, 0},
    {option_value::kDKey, &OptionalFunctionsControls::Combo19, 0},
    {option_value::kDtmfSidetone, &OptionalFunctionsControls::Combo20, 0},
    {option_value::kGroupCallCode, &OptionalFunctionsControls::Combo22, 0},
    {option_value::kAutoReset, &OptionalFunctionsControls::Combo21, 0},
}};

// The first-digit delay list runs from 100 ms to 1000 ms in steps of 50 ms.
inline constexpr int kFirstDigitDelayItems = 19;
constexpr int FirstDigitDelayPosition(int milliseconds) {
    // Rounded to the nearest step; the list has no item outside 100..1000 ms.
    if (milliseconds <= 100) return 0;
    if (milliseconds >= 100 + 50 * (kFirstDigitDelayItems - 1)) return kFirstDigitDelayItems - 1;
    return (milliseconds - 100 + 25) / 50;
}
constexpr int FirstDigitDelayMs(int position) {
    return 100 + 50 * position;
}

// The position an OptionValue entry's list shows for the held value.
constexpr int OptionValuePosition(int entry, int value) {
    return entry == option_value::kFirstDigitDelayMs ? FirstDigitDelayPosition(value) : value;
}

}  // namespace qv
