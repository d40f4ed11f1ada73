// Key assignments, power calibration, test frequencies and embedded information.
#include <array>

#include "dialogs/calibration.h"
#include "dialogs/embedded_info.h"
#include "dialogs/key_assignment.h"
#include "dialogs/test_frequencies.h"
#include "image/channel_codec.h"
#include "image/field_codecs.h"

namespace qv {
namespace {

// One key-assignment byte: the KeyFunctionCodes entry it holds (shown by Form6 list entry + 1)
// and the number of functions its list offers.
struct KeyField {
    int entry;
    int functions;
};

// 0x10B-0x10E: PF1 long, PF2 long, PF1 short, PF2 short.
constexpr std::array<KeyField, 4> kKeys1 = {{
    {0, kLongPressFunctions},
    {1, kLongPressFunctions},
    {2, kShortPressFunctions},
    {3, kShortPressFunctions},
}};
// 0x160-0x165: KB1 short, KB2 short, KB3 short, KB1 long, KB2 long, KB3 long.
constexpr std::array<KeyField, 6> kKeys2 = {{
    {6, kShortPressFunctions},
    {7, kShortPressFunctions},
    {9, kShortPressFunctions},
    {4, kLongPressFunctions},
    {5, kLongPressFunctions},
    {8, kLongPressFunctions},
}};

template <std::size_t N>
void DecodeKeys(const std::array<KeyField, N>& keys, FieldBytes field, ProgramState& state) {
    for (std::size_t k = 0; k < N; ++k) {
        if (field[k] >= keys[k].functions) continue;
        state.KeyFunctionCodes[keys[k].entry] = field[k];
        state.Form6.Combo[keys[k].entry + 1] = field[k];
    }
}

template <std::size_t N>
void EncodeKeys(const std::array<KeyField, N>& keys, const ProgramState& state, FieldOut field) {
    for (std::size_t k = 0; k < N; ++k) field[k] = ByteOf(state.KeyFunctionCodes[keys[k].entry]);
}

constexpr std::size_t kFrequencyBytes = 4;
constexpr std::size_t kTestChannelBytes = 2 * kFrequencyBytes;

std::string FrequencyOrEmpty(FieldBytes bytes) {
    const auto frequency = bytes.first<kFrequencyBytes>();
    return IsBlankFrequency(frequency) ? std::string() : FrequencyText(frequency);
}

}  // namespace

void DecodeKeys1(FieldBytes field, ProgramState& state, Host&) {
    DecodeKeys(kKeys1, field, state);
}
void EncodeKeys1(const ProgramState& state, FieldOut field) {
    EncodeKeys(kKeys1, state, field);
}
void DecodeKeys2(FieldBytes field, ProgramState& state, Host&) {
    DecodeKeys(kKeys2, field, state);
}
void EncodeKeys2(const ProgramState& state, FieldOut field) {
    EncodeKeys(kKeys2, state, field);
}

// The calibration bytes are taken as they are: any byte is a level.
void DecodePowerHigh(FieldBytes field, ProgramState& state, Host&) {
    state.PowerHighLevel = field[0];
    ShowPowerLevels(state);
}
void EncodePowerHigh(const ProgramState& state, FieldOut field) {
    field[0] = ByteOf(state.PowerHighLevel);
}
void DecodePowerLow(FieldBytes field, ProgramState& state, Host&) {
    state.PowerLowLevel = field[0];
    ShowPowerLevels(state);
}
void EncodePowerLow(const ProgramState& state, FieldOut field) {
    field[0] = ByteOf(state.PowerLowLevel);
}

void DecodeTestFrequencies(FieldBytes field, ProgramState& state, Host&) {
    for (int channel = 1; channel <= kTestChannels; ++channel) {
        const FieldBytes bytes =
            field.subspan(static_cast<std::size_t>(channel - 1) * kTestChannelBytes);
        state.TestFrequencyTable[0][channel - 1] = FrequencyOrEmpty(bytes);
        state.TestFrequencyTable[1][channel - 1] = FrequencyOrEmpty(bytes.subspan(kFrequencyBytes));
        ShowTestChannel(state, channel);
    }
}

void EncodeTestFrequencies(const ProgramState& state, FieldOut field) {
    for (int i = 0; i < kTestChannels; ++i) {
        const FieldOut bytes = field.subspan(static_cast<std::size_t>(i) * kTestChannelBytes);
        PutFrequency(state.TestFrequencyTable[0][i], bytes.first<kFrequencyBytes>());
        PutFrequency(state.TestFrequencyTable[1][i],
                     bytes.subspan(kFrequencyBytes).first<kFrequencyBytes>());
    }
}

void DecodeEmbeddedInfo(FieldBytes field, ProgramState& state, Host&) {
    for (std::size_t k = 0; k < state.EmbeddedInfo.size(); ++k) {
        state.EmbeddedInfo[k] =
            TextWithoutBlanks(field.subspan(k * kEmbeddedInfoBytes, kEmbeddedInfoBytes));
    }
    LoadForm7(state);
}

void EncodeEmbeddedInfo(const ProgramState& state, FieldOut field) {
    for (std::size_t k = 0; k < state.EmbeddedInfo.size(); ++k) {
        PutText(state.EmbeddedInfo[k], field.subspan(k * kEmbeddedInfoBytes, kEmbeddedInfoBytes));
    }
}

}  // namespace qv
