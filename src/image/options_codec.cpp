// Optional functions: the DTMF settings, VOX, scan, PTT ID and related values of the
// optional-functions dialog, their three free texts and the eight DTMF codes.
#include <array>
#include <string>

#include "image/field_codecs.h"
#include "image/held_controls.h"
#include "image/text.h"
#include "state/option_entries.h"

namespace qv {
namespace {

namespace ot = option_text;
namespace ov = option_value;

constexpr std::uint8_t kBlank = 0xFF;

// --- OptionValue, 0x100-0x107, one byte per entry ---

constexpr int kGroupCallPositions = 7;  // "off", "*", "#", "A", "B", "C", "D"

// Highest accepted byte of each entry; the first-digit delay and the group call code have rules
// of their own.
constexpr std::array<int, ov::kCount> kOptionValueMax = {3, 3, 0, 3, 16, 1, 0, 15};

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
    {ot::kCancelOperation, 0, 1},
    {ot::kVoxBannedOnReceive, 0, 1},
    {ot::kVoxFunction, 0, 1},
    {ot::kVoxGain, 0, 5},
    {ot::kVoxDelay, 0, 5},
    {ot::kVoxVolume, 0, 1},
}};
constexpr std::size_t kCallAnswerByte = 6;   // 0x12D, Form5 Combo2, no held copy
constexpr std::size_t kRemoteAlarmByte = 7;  // 0x12E, bit 0
constexpr std::size_t kWorkGroupByte = 8;    // 0x12F, Form5 Combo3, no held copy
constexpr int kWorkGroupPositions = 3;

// 0x150-0x154.
constexpr std::array<NumericEntry, 5> kScanEntries = {{
    {ot::kPriorityMode, 0, 2},
    {ot::kPriorityChannel, 1, 16},
    {ot::kRetraceTimeA, 0, 91},  // 0xFF is "empty" (0)
    {ot::kRetraceTimeB, 0, 91},
    {ot::kReturnChannel, 0, 3},
}};
// 0x155-0x158: the scan resume delays, 16-bit little-endian seconds.
constexpr int kMaxResumeDelay = 300;
constexpr std::size_t kResumeDelayOffset = 5;
constexpr std::size_t kCurrentChannelByte = 9;  // 0x159, Form5 Combo1, no held copy
constexpr int kCurrentChannels = 16;

bool IsRetraceTime(int entry) {
    return entry == ot::kRetraceTimeA || entry == ot::kRetraceTimeB;
}

// The entry and the control that shows it take the value together. The priority lists carry rules
// of the dialog: their positions are also handed on for the program to choose them.
void SetOptionTextNumber(Decoding& decoded, int entry, int value) {
    Setup& setup = decoded.setup;
    setup.OptionText[entry] = std::to_string(value);
    for (const OptionControlLink& link : kOptionTextControls) {
        if (link.entry != entry) continue;
        const int position = value + link.bias;
        setup.Form5.*link.control = position;
        if (link.control == &OptionalFunctionsControls::Combo11) decoded.choices.priorityMode = position;
        if (link.control == &OptionalFunctionsControls::Combo12) decoded.choices.priorityChannel = position;
    }
}

template <std::size_t N>
void DecodeNumericEntries(const std::array<NumericEntry, N>& entries, FieldBytes field,
                          Decoding& decoded) {
    for (std::size_t k = 0; k < N; ++k) {
        int value = field[k];
        if (IsRetraceTime(entries[k].entry) && value == kBlank) value = 0;
        if (value < entries[k].minByte || value > entries[k].maxByte) continue;
        SetOptionTextNumber(decoded, entries[k].entry, value);
    }
}

template <std::size_t N>
void EncodeNumericEntries(const std::array<NumericEntry, N>& entries, const Setup& setup,
                          FieldOut field) {
    for (std::size_t k = 0; k < N; ++k) {
        const int value = ValInt(setup.OptionText[entries[k].entry]);
        field[k] = IsRetraceTime(entries[k].entry) && value == 0 ? kBlank : ByteOf(value);
    }
}

// --- texts ---

constexpr std::array<int, 2> kLongTexts = {ot::kText16A, ot::kText16B};
constexpr std::size_t kLongTextBytes = 16;

// Every byte is a character, 0xFF included: this text keeps its full ten bytes.
std::string TextWithBlanks(FieldBytes bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) text += Latin1Char(byte);
    return text;
}

}  // namespace

void DecodeOptionValues(FieldBytes field, Decoding& decoded) {
    Setup& setup = decoded.setup;
    for (int entry = 0; entry < ov::kCount; ++entry) {
        const int value = field[entry];
        int& held = setup.OptionValue[entry];
        if (entry == ov::kFirstDigitDelayMs) {
            if (value < 10 || value > 100) continue;
            held = value * 10;
        } else if (entry == ov::kGroupCallCode) {
            if (!DecodeGroupCall(field[entry], held)) continue;
        } else {
            if (value > kOptionValueMax[entry]) continue;
            held = value;
        }
        ShowOptionValue(setup, entry);
    }
}

void EncodeOptionValues(const Setup& setup, FieldOut field) {
    for (int entry = 0; entry < ov::kCount; ++entry) {
        const int held = setup.OptionValue[entry];
        if (entry == ov::kFirstDigitDelayMs) {
            field[entry] = ByteOf(held / 10);
        } else if (entry == ov::kGroupCallCode) {
            // The character code of the first digit: position 1 ("*") is 0x31.
            field[entry] = held == 0 ? 0x00 : static_cast<std::uint8_t>(std::to_string(held)[0]);
        } else {
            field[entry] = ByteOf(held);
        }
    }
}

void DecodeOptionText15(FieldBytes field, Decoding& decoded) {
    decoded.setup.OptionText[ot::kText10] = TextWithBlanks(field);
}
void EncodeOptionText15(const Setup& setup, FieldOut field) {
    PutText(setup.OptionText[ot::kText10], field);
}

void DecodePttId(FieldBytes field, Decoding& decoded) {
    if (field[0] <= 2) SetOptionTextNumber(decoded, ot::kPttId, field[0]);
}
void EncodePttId(const Setup& setup, FieldOut field) {
    field[0] = ByteOf(ValInt(setup.OptionText[ot::kPttId]));
}

void DecodeVoxAndGroup(FieldBytes field, Decoding& decoded) {
    DecodeNumericEntries(kVoxEntries, field, decoded);
    decoded.setup.Form5.Combo2 = field[kCallAnswerByte] & 1;
    SetOptionTextNumber(decoded, ot::kRemoteAlarm, field[kRemoteAlarmByte] & 1);
    if (field[kWorkGroupByte] < kWorkGroupPositions) {
        decoded.setup.Form5.Combo3 = field[kWorkGroupByte];
    }
}

void EncodeVoxAndGroup(const Setup& setup, FieldOut field) {
    EncodeNumericEntries(kVoxEntries, setup, field);
    field[kCallAnswerByte] = ByteOf(setup.Form5.Combo2);
    // Bits 7-1 are always set: 0xFE off, 0xFF on.
    field[kRemoteAlarmByte] = ValInt(setup.OptionText[ot::kRemoteAlarm]) == 1 ? 0xFF : 0xFE;
    field[kWorkGroupByte] = ByteOf(setup.Form5.Combo3);
}

void DecodeOptionTexts16And17(FieldBytes field, Decoding& decoded) {
    for (std::size_t k = 0; k < kLongTexts.size(); ++k) {
        decoded.setup.OptionText[kLongTexts[k]] =
            TextWithoutBlanks(field.subspan(k * kLongTextBytes, kLongTextBytes));
    }
}

void EncodeOptionTexts16And17(const Setup& setup, FieldOut field) {
    for (std::size_t k = 0; k < kLongTexts.size(); ++k) {
        PutText(setup.OptionText[kLongTexts[k]], field.subspan(k * kLongTextBytes, kLongTextBytes));
    }
}

void DecodeScanOptions(FieldBytes field, Decoding& decoded) {
    Setup& setup = decoded.setup;
    DecodeNumericEntries(kScanEntries, field, decoded);
    for (std::size_t k = 0; k < kOptionTextBoxes.size(); ++k) {
        const std::size_t at = kResumeDelayOffset + 2 * k;
        const int seconds = field[at] | field[at + 1] << 8;
        if (seconds > kMaxResumeDelay) continue;
        const OptionTextBoxLink& box = kOptionTextBoxes[k];
        setup.OptionText[box.entry] = std::to_string(seconds);
        setup.Form5.*box.control = setup.OptionText[box.entry];
    }
    if (field[kCurrentChannelByte] < kCurrentChannels) {
        setup.Form5.Combo1 = field[kCurrentChannelByte];
    }
}

void EncodeScanOptions(const Setup& setup, FieldOut field) {
    EncodeNumericEntries(kScanEntries, setup, field);
    for (std::size_t k = 0; k < kOptionTextBoxes.size(); ++k) {
        // The texts are typed freely; a number beyond 16 bits is cut to what the field holds.
        const int seconds = ValInt(setup.OptionText[kOptionTextBoxes[k].entry]);
        const auto word = static_cast<std::uint16_t>(std::clamp(seconds, -32768, 65535));
        const std::size_t at = kResumeDelayOffset + 2 * k;
        field[at] = static_cast<std::uint8_t>(word & 0xFF);
        field[at + 1] = static_cast<std::uint8_t>(word >> 8);
    }
    field[kCurrentChannelByte] = ByteOf(setup.Form5.Combo1);
}

// --- DTMF codes, 0x1F0-0x26F: 8 codes of 16 bytes; the digit 0 is stored as 0x3A ---

namespace {
constexpr std::size_t kDtmfCodeBytes = 16;
constexpr std::uint8_t kDtmfZero = 0x3A;
}  // namespace

void DecodeDtmfCodes(FieldBytes field, Decoding& decoded) {
    Setup& setup = decoded.setup;
    for (std::size_t i = 0; i < setup.DtmfCodes.size(); ++i) {
        std::string code;
        for (const std::uint8_t byte : field.subspan(i * kDtmfCodeBytes, kDtmfCodeBytes)) {
            if (byte == kBlank) continue;
            code += byte == kDtmfZero ? std::string("0") : Latin1Char(byte);
        }
        setup.DtmfCodes[i] = code;
        ShowDtmfCode(setup, static_cast<int>(i));
    }
}

void EncodeDtmfCodes(const Setup& setup, FieldOut field) {
    for (std::size_t i = 0; i < setup.DtmfCodes.size(); ++i) {
        const FieldOut code = field.subspan(i * kDtmfCodeBytes, kDtmfCodeBytes);
        PutText(setup.DtmfCodes[i], code);
        for (std::uint8_t& byte : code) {
            if (byte == '0') byte = kDtmfZero;
        }
    }
}

}  // namespace qv
