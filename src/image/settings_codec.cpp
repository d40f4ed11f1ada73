// Main settings, band code and communication password.
#include <array>

#include "image/field_codecs.h"
#include "image/text.h"
#include "mainwindow/band_rules.h"

namespace qv {
namespace {

// A settings list stored as position + bias; a byte outside minByte..maxByte keeps the list as it
// was, except for the voice-prompt language, which falls back to its first item.
struct MainSetting {
    int ProgramState::*list;
    int bias;
    int minByte;
    int maxByte;
    bool fallsBackToFirst;
};

// 0x11F, 0x120, 0x121: voice-prompt language, time-out (byte 0 leaves no selection), pre-alert.
constexpr std::array<MainSetting, 3> kMainSettings1 = {{
    {&ProgramState::Combo2, 1, 1, 2, true},
    {&ProgramState::Combo3, 1, 0, 40, false},
    {&ProgramState::Combo4, 0, 0, 10, false},
}};
// 0x124, 0x125, 0x126: squelch level, battery saver, key beep.
constexpr std::array<MainSetting, 3> kMainSettings2 = {{
    {&ProgramState::Combo9, 0, 0, 9, false},
    {&ProgramState::Combo6, 0, 0, 1, false},
    {&ProgramState::Combo7, 0, 0, 1, false},
}};

// Band code of each band list position, stored at 0x1AD and again at 0x33C.
constexpr std::array<std::uint8_t, kBandCount> kBandCodes = {0x33, 0x21, 0x43, 0x63, 0x53, 0x73};

constexpr std::size_t kPasswordBytes = 16;

template <std::size_t N>
void DecodeSettings(const std::array<MainSetting, N>& settings, FieldBytes field,
                    ProgramState& state) {
    for (std::size_t k = 0; k < N; ++k) {
        const MainSetting& setting = settings[k];
        const int value = field[k];
        if (value >= setting.minByte && value <= setting.maxByte) {
            state.*setting.list = value - setting.bias;
        } else if (setting.fallsBackToFirst) {
            state.*setting.list = 0;
        }
    }
}

template <std::size_t N>
void EncodeSettings(const std::array<MainSetting, N>& settings, const ProgramState& state,
                    FieldOut field) {
    for (std::size_t k = 0; k < N; ++k) {
        field[k] = ByteOf(state.*settings[k].list + settings[k].bias);
    }
}

}  // namespace

void DecodeMainSettings1(FieldBytes field, ProgramState& state, Host&) {
    DecodeSettings(kMainSettings1, field, state);
}
void EncodeMainSettings1(const ProgramState& state, FieldOut field) {
    EncodeSettings(kMainSettings1, state, field);
}
void DecodeMainSettings2(FieldBytes field, ProgramState& state, Host&) {
    DecodeSettings(kMainSettings2, field, state);
}
void EncodeMainSettings2(const ProgramState& state, FieldOut field) {
    EncodeSettings(kMainSettings2, state, field);
}

void DecodeBand(FieldBytes field, ProgramState& state, Host& host) {
    for (int position = 0; position < kBandCount; ++position) {
        if (field[0] == kBandCodes[position]) {
            ForceBand(state, host, position);
            return;
        }
    }
}

void EncodeBand(const ProgramState& state, FieldOut field) {
    // The band list always has a selection; without one, the band the table belongs to counts.
    const int position = state.Combo1 >= 0 && state.Combo1 < kBandCount         ? state.Combo1
                         : state.BandIndex >= 0 && state.BandIndex < kBandCount ? state.BandIndex
                                                                                : 0;
    field[0] = kBandCodes[position];
}

void EncodePassword(const ProgramState& state, FieldOut field) {
    PutText(TrimBlanks(state.CommPassword), field.first(kPasswordBytes));
}

std::string TextWithoutBlanks(FieldBytes bytes) {
    std::string text;
    for (const std::uint8_t byte : bytes) {
        if (byte != 0xFF) text += Latin1Char(byte);
    }
    return text;
}

void PutText(std::string_view utf8, FieldOut field) {
    const std::vector<std::uint8_t> bytes = ToLatin1(utf8);
    const std::size_t length = std::min(bytes.size(), field.size());
    std::copy_n(bytes.begin(), length, field.begin());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(length), field.end(), std::uint8_t{0xFF});
}

}  // namespace qv
