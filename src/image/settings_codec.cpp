// Main settings, band code and communication password.
#include <array>

#include "image/field_codecs.h"
#include "image/text.h"
#include "state/bands.h"

namespace qv {
namespace {

// A settings list stored as position + bias; a byte outside minByte..maxByte keeps the list as it
// was, except for the voice-prompt language, which falls back to its first item.
struct MainSetting {
    int Setup::*list;
    int bias;
    int minByte;
    int maxByte;
    bool fallsBackToFirst;
};

// 0x11F, 0x120, 0x121: voice-prompt language, time-out (byte 0 leaves no selection), pre-alert.
constexpr std::array<MainSetting, 3> kMainSettings1 = {{
    {&Setup::Combo2, 1, 1, 2, true},
    {&Setup::Combo3, 1, 0, 40, false},
    {&Setup::Combo4, 0, 0, 10, false},
}};
// 0x124, 0x125, 0x126: squelch level, battery saver, key beep.
constexpr std::array<MainSetting, 3> kMainSettings2 = {{
    {&Setup::Combo9, 0, 0, 9, false},
    {&Setup::Combo6, 0, 0, 1, false},
    {&Setup::Combo7, 0, 0, 1, false},
}};

constexpr std::size_t kPasswordBytes = 16;

template <std::size_t N>
void DecodeSettings(const std::array<MainSetting, N>& settings, FieldBytes field, Setup& setup) {
    for (std::size_t k = 0; k < N; ++k) {
        const MainSetting& setting = settings[k];
        const int value = field[k];
        if (value >= setting.minByte && value <= setting.maxByte) {
            setup.*setting.list = value - setting.bias;
        } else if (setting.fallsBackToFirst) {
            setup.*setting.list = 0;
        }
    }
}

template <std::size_t N>
void EncodeSettings(const std::array<MainSetting, N>& settings, const Setup& setup,
                    FieldOut field) {
    for (std::size_t k = 0; k < N; ++k) {
        field[k] = ByteOf(setup.*settings[k].list + settings[k].bias);
    }
}

}  // namespace

void DecodeMainSettings1(FieldBytes field, Decoding& decoded) {
    DecodeSettings(kMainSettings1, field, decoded.setup);
}
void EncodeMainSettings1(const Setup& setup, FieldOut field) {
    EncodeSettings(kMainSettings1, setup, field);
}
void DecodeMainSettings2(FieldBytes field, Decoding& decoded) {
    DecodeSettings(kMainSettings2, field, decoded.setup);
}
void EncodeMainSettings2(const Setup& setup, FieldOut field) {
    EncodeSettings(kMainSettings2, setup, field);
}

// The channel table takes the image's band without a question: the band it belongs to and the band
// shown become the same. An unknown code changes neither.
void DecodeBand(FieldBytes field, Decoding& decoded) {
    const int position = BandOfImageCode(field[0]);
    if (position < 0) return;
    decoded.setup.BandIndex = position;
    decoded.setup.Combo1 = position;
}

void EncodeBand(const Setup& setup, FieldOut field) {
    // The band list always has a selection; without one, the band the table belongs to counts.
    const int position = IsBandPosition(setup.Combo1) ? setup.Combo1 : setup.BandIndex;
    field[0] = BandAt(position).imageCode;
}

void EncodePassword(const Setup& setup, FieldOut field) {
    PutText(TrimBlanks(setup.CommPassword), field.first(kPasswordBytes));
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
