// Optional functions: the DTMF settings, VOX, scan, PTT ID and related values of the
// optional-functions dialog, their three free texts and the eight DTMF codes.
#include <array>
#include <string>

#include "dialogs/optional_functions.h"
#include "image/field_codecs.h"
#include "image/text.h"

namespace qv {
namespace {

constexpr std::uint8_t kBlank = 0xFF;

// --- OptionValue, 0x100-0x107, one byte per entry ---

constexpr int kFirstDigitDelayEntry = 2;  // held in milliseconds, stored in tens of them
constexpr int kGroupCallEntry = 6;        // stored as the character code of its digit
constexpr int kGroupCallPositions = 7;    // "off", "*", "#", "A", "B", "C", "D"

// Highest accepted byte of each entry; entries 2 and 6 have rules of their own.
constexpr std::array<int, 8> kOptionValueMax = {3, 3, 0, 3, 16, 1, 0, 15};

void ShowOptionValue(ProgramState& state, int entry) {
    for (const Form5Link& link : OptionValueControls()) {
        if (link.entry != entry) continue;
        const int value = state.OptionValue[entry];
        state.Form5.*link.control =
            entry == kFirstDigitDelayEntry ? FirstDigitDelayPosition(value) : value;
    }
}

// The group call code: 0x00 and 0xFF are "off", the digit codes 0x30-0x36 positions 0-6. Digits
// 7-9 and any other byte name no item of the list, so the entry keeps its value.
bool DecodeGroupCall(std::uint8_t byte, int& entry) {
    if (byte == 0x00 || byte == kBlank) {
        entry = 0;
        return true;
    }
    if (byte >= '0' && byte < '0' + kGroupCallPositions) {
        entry = byte - '0';
        return true;
    }
    return false;
}

// --- numeric OptionText entries ---

// An entry held as decimal text; a byte outside minByte..maxByte keeps the entry and its control.
struct NumericEntry {
    int entry;
    int minByte;
    int maxByte;
};

// 0x127-0x12C.
constexpr std::array<NumericEntry, 6> kVoxEntries = {{
    {22, 0, 1},  // cancel operation
    {23, 0, 1},  // VOX banned while receiving
    {5, 0, 1},   // VOX function
    {6, 0, 5},   // VOX gain level
    {7, 0, 5},   // VOX delay
    {8, 0, 1},   // VOX volume control
}};
constexpr std::size_t kCallAnswerByte = 6;   // 0x12D, Form5 Combo2, no held copy
constexpr std::size_t kRemoteAlarmByte = 7;  // 0x12E, entry 9 in bit 0
constexpr std::size_t kWorkGroupByte = 8;    // 0x12F, Form5 Combo3, no held copy
constexpr int kRemoteAlarmEntry = 9;
constexpr int kWorkGroupPositions = 3;

// 0x150-0x154.
constexpr std::array<NumericEntry, 5> kScanEntries = {{
    {10, 0, 2},   // priority mode
    {11, 1, 16},  // priority channel, the channel number
    {12, 0, 91},  // retrace time A; 0xFF is "empty" (0)
    {13, 0, 91},  // retrace time B
    {14, 0, 3},   // return channel
}};
constexpr int kRetraceTimeA = 12;
constexpr int kRetraceTimeB = 13;
// 0x155-0x158: the scan resume delays, 16-bit little-endian seconds.
constexpr std::array<int, 2> kResumeDelayEntries = {18, 19};
constexpr std::array<std::string Form5Controls::*, 2> kResumeDelayTexts = {&Form5Controls::Text5,
                                                                           &Form5Controls::Text6};
constexpr int kMaxResumeDelay = 300;
constexpr std::size_t kResumeDelayOffset = 5;
constexpr std::size_t kCurrentChannelByte = 9;  // 0x159, Form5 Combo1, no held copy
constexpr int kCurrentChannels = 16;

bool IsRetraceTime(int entry) {
    return entry == kRetraceTimeA || entry == kRetraceTimeB;
}

void SetOptionTextNumber(ProgramState& state, Host& host, int entry, int value) {
    state.OptionText[entry] = std::to_string(value);
    for (const Form5Link& link : OptionTextControls()) {
        if (link.entry == entry) SetForm5Control(state, host, link.control, value + link.bias);
    }
}

template <std::size_t N>
void DecodeNumericEntries(const std::array<NumericEntry, N>& entries, FieldBytes field,
                          ProgramState& state, Host& host) {
    for (std::size_t k = 0; k < N; ++k) {
        int value = field[k];
        if (IsRetraceTime(entries[k].entry) && value == kBlank) value = 0;
        if (value < entries[k].minByte || value > entries[k].maxByte) continue;
        SetOptionTextNumber(state, host, entries[k].entry, value);
    }
}

int NumberOf(const std::string& text) {
    return static_cast<int>(Val(text));
}

template <std::size_t N>
void EncodeNumericEntries(const std::array<NumericEntry, N>& entries, const ProgramState& state,
                          FieldOut field) {
    for (std::size_t k = 0; k < N; ++k) {
        const int value = NumberOf(state.OptionText[entries[k].entry]);
        field[k] = IsRetraceTime(entries[k].entry) && value == 0 ? kBlank : ByteOf(value);
    }
}

// --- texts ---

constexpr int kText15 = 15;
constexpr std::array<int, 2> kTexts16And17 = {16, 17};
constexpr std::size_t kLongTextBytes = 16;

// Every byte is a character, 0xFF included: this text keeps its full ten bytes.
std::string TextWithBlanks(FieldBytes bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) text += Latin1Char(byte);
    return text;
}

}  // namespace

void DecodeOptionValues(FieldBytes field, ProgramState& state, Host&) {
    for (int entry = 0; entry < 8; ++entry) {
        const int value = field[entry];
        int& held = state.OptionValue[entry];
        if (entry == kFirstDigitDelayEntry) {
            if (value < 10 || value > 100) continue;
            held = value * 10;
        } else if (entry == kGroupCallEntry) {
            if (!DecodeGroupCall(field[entry], held)) continue;
        } else {
            if (value > kOptionValueMax[entry]) continue;
            held = value;
        }
        ShowOptionValue(state, entry);
    }
}

void EncodeOptionValues(const ProgramState& state, FieldOut field) {
    for (int entry = 0; entry < 8; ++entry) {
        const int held = state.OptionValue[entry];
        if (entry == kFirstDigitDelayEntry) {
            field[entry] = ByteOf(held / 10);
        } else if (entry == kGroupCallEntry) {
            // The character code of the first digit: position 1 ("*") is 0x31.
            field[entry] = held == 0 ? 0x00 : static_cast<std::uint8_t>(std::to_string(held)[0]);
        } else {
            field[entry] = ByteOf(held);
        }
    }
}

void DecodeOptionText15(FieldBytes field, ProgramState& state, Host&) {
    state.OptionText[kText15] = TextWithBlanks(field);
}
void EncodeOptionText15(const ProgramState& state, FieldOut field) {
    PutText(state.OptionText[kText15], field);
}

void DecodePttId(FieldBytes field, ProgramState& state, Host& host) {
    if (field[0] <= 2) SetOptionTextNumber(state, host, 3, field[0]);
}
void EncodePttId(const ProgramState& state, FieldOut field) {
    field[0] = ByteOf(NumberOf(state.OptionText[3]));
}

void DecodeVoxAndGroup(FieldBytes field, ProgramState& state, Host& host) {
    DecodeNumericEntries(kVoxEntries, field, state, host);
    state.Form5.Combo2 = field[kCallAnswerByte] & 1;
    SetOptionTextNumber(state, host, kRemoteAlarmEntry, field[kRemoteAlarmByte] & 1);
    if (field[kWorkGroupByte] < kWorkGroupPositions) state.Form5.Combo3 = field[kWorkGroupByte];
}

void EncodeVoxAndGroup(const ProgramState& state, FieldOut field) {
    EncodeNumericEntries(kVoxEntries, state, field);
    field[kCallAnswerByte] = ByteOf(state.Form5.Combo2);
    // Bits 7-1 are always set: 0xFE off, 0xFF on.
    field[kRemoteAlarmByte] = NumberOf(state.OptionText[kRemoteAlarmEntry]) == 1 ? 0xFF : 0xFE;
    field[kWorkGroupByte] = ByteOf(state.Form5.Combo3);
}

void DecodeOptionTexts16And17(FieldBytes field, ProgramState& state, Host&) {
    for (std::size_t k = 0; k < kTexts16And17.size(); ++k) {
        state.OptionText[kTexts16And17[k]] =
            TextWithoutBlanks(field.subspan(k * kLongTextBytes, kLongTextBytes));
    }
}

void EncodeOptionTexts16And17(const ProgramState& state, FieldOut field) {
    for (std::size_t k = 0; k < kTexts16And17.size(); ++k) {
        PutText(state.OptionText[kTexts16And17[k]],
                field.subspan(k * kLongTextBytes, kLongTextBytes));
    }
}

void DecodeScanOptions(FieldBytes field, ProgramState& state, Host& host) {
    DecodeNumericEntries(kScanEntries, field, state, host);
    for (std::size_t k = 0; k < kResumeDelayEntries.size(); ++k) {
        const std::size_t at = kResumeDelayOffset + 2 * k;
        const int seconds = field[at] | field[at + 1] << 8;
        if (seconds > kMaxResumeDelay) continue;
        const int entry = kResumeDelayEntries[k];
        state.OptionText[entry] = std::to_string(seconds);
        state.Form5.*kResumeDelayTexts[k] = state.OptionText[entry];
    }
    if (field[kCurrentChannelByte] < kCurrentChannels) {
        state.Form5.Combo1 = field[kCurrentChannelByte];
    }
}

void EncodeScanOptions(const ProgramState& state, FieldOut field) {
    EncodeNumericEntries(kScanEntries, state, field);
    for (std::size_t k = 0; k < kResumeDelayEntries.size(); ++k) {
        // The texts are typed freely; a number beyond 16 bits is cut to what the field holds.
        const double seconds = Val(state.OptionText[kResumeDelayEntries[k]]);
        const auto word =
            static_cast<std::uint16_t>(static_cast<int>(std::clamp(seconds, -32768.0, 65535.0)));
        const std::size_t at = kResumeDelayOffset + 2 * k;
        field[at] = static_cast<std::uint8_t>(word & 0xFF);
        field[at + 1] = static_cast<std::uint8_t>(word >> 8);
    }
    field[kCurrentChannelByte] = ByteOf(state.Form5.Combo1);
}

// --- DTMF codes, 0x1F0-0x26F: 8 codes of 16 bytes; the digit 0 is stored as 0x3A ---

namespace {
constexpr std::size_t kDtmfCodeBytes = 16;
constexpr std::uint8_t kDtmfZero = 0x3A;
}  // namespace

void DecodeDtmfCodes(FieldBytes field, ProgramState& state, Host&) {
    for (std::size_t i = 0; i < state.DtmfCodes.size(); ++i) {
        std::string code;
        for (const std::uint8_t byte : field.subspan(i * kDtmfCodeBytes, kDtmfCodeBytes)) {
            if (byte == kBlank) continue;
            code += byte == kDtmfZero ? std::string("0") : Latin1Char(byte);
        }
        state.DtmfCodes[i] = code;
        state.Form5.mfgrid1[i + 1][1] = code;
    }
}

void EncodeDtmfCodes(const ProgramState& state, FieldOut field) {
    for (std::size_t i = 0; i < state.DtmfCodes.size(); ++i) {
        const FieldOut code = field.subspan(i * kDtmfCodeBytes, kDtmfCodeBytes);
        PutText(state.DtmfCodes[i], code);
        for (std::uint8_t& byte : code) {
            if (byte == '0') byte = kDtmfZero;
        }
    }
}

}  // namespace qv
