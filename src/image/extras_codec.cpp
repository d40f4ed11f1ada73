// Key assignments, power calibration, test frequencies and embedded information.
#include <array>

#include "image/channel_codec.h"
#include "image/field_codecs.h"
#include "image/held_controls.h"
#include "state/keys.h"

namespace qv {
namespace {

// The KeyFunctionCodes entry of each key-assignment byte, in byte order.
// 0x10B-0x10E: PF1 long, PF2 long, PF1 short, PF2 short.
constexpr std::array<int, 4> kKeys1 = {0, 1, 2, 3};
// 0x160-0x165: KB1 short, KB2 short, KB3 short, KB1 long, KB2 long, KB3 long.
constexpr std::array<int, 6> kKeys2 = {6, 7, 9, 4, 5, 8};

// A byte that names no function of its key's list leaves the key as it was.
template <std::size_t N>
void DecodeKeys(const std::array<int, N>& entries, FieldBytes field, Setup& setup) {
    for (std::size_t k = 0; k < N; ++k) {
        const int entry = entries[k];
        if (field[k] >= KeyFunctionCount(kKeyLists[entry])) continue;
        setup.KeyFunctionCodes[entry] = field[k];
        ShowKeyFunction(setup, entry);
    }
}

template <std::size_t N>
void EncodeKeys(const std::array<int, N>& entries, const Setup& setup, FieldOut field) {
    for (std::size_t k = 0; k < N; ++k) field[k] = ByteOf(setup.KeyFunctionCodes[entries[k]]);
}

constexpr std::size_t kFrequencyBytes = 4;
constexpr std::size_t kTestChannelBytes = 2 * kFrequencyBytes;
constexpr std::size_t kEmbeddedInfoBytes = kEmbeddedInfoChars;

std::string FrequencyOrEmpty(FieldBytes bytes) {
    const auto frequency = bytes.first<kFrequencyBytes>();
    return IsBlankFrequency(frequency) ? std::string() : FrequencyText(frequency);
}

}  // namespace

void DecodeKeys1(FieldBytes field, Decoding& decoded) {
    DecodeKeys(kKeys1, field, decoded.setup);
}
void EncodeKeys1(const Setup& setup, FieldOut field) {
    EncodeKeys(kKeys1, setup, field);
}
void DecodeKeys2(FieldBytes field, Decoding& decoded) {
    DecodeKeys(kKeys2, field, decoded.setup);
}
void EncodeKeys2(const Setup& setup, FieldOut field) {
    EncodeKeys(kKeys2, setup, field);
}

// The calibration bytes are taken as they are: any byte is a level.
void DecodePowerHigh(FieldBytes field, Decoding& decoded) {
    decoded.setup.PowerHighLevel = field[0];
    ShowPowerLevels(decoded.setup);
}
void EncodePowerHigh(const Setup& setup, FieldOut field) {
    field[0] = ByteOf(setup.PowerHighLevel);
}
void DecodePowerLow(FieldBytes field, Decoding& decoded) {
    decoded.setup.PowerLowLevel = field[0];
    ShowPowerLevels(decoded.setup);
}
void EncodePowerLow(const Setup& setup, FieldOut field) {
    field[0] = ByteOf(setup.PowerLowLevel);
}

void DecodeTestFrequencies(FieldBytes field, Decoding& decoded) {
    Setup& setup = decoded.setup;
    for (int channel = 1; channel <= kTestChannels; ++channel) {
        const FieldBytes bytes =
            field.subspan(static_cast<std::size_t>(channel - 1) * kTestChannelBytes);
        setup.TestFrequencyTable[0][channel - 1] = FrequencyOrEmpty(bytes);
        setup.TestFrequencyTable[1][channel - 1] = FrequencyOrEmpty(bytes.subspan(kFrequencyBytes));
        ShowTestChannel(setup, channel);
    }
}

void EncodeTestFrequencies(const Setup& setup, FieldOut field) {
    for (int i = 0; i < kTestChannels; ++i) {
        const FieldOut bytes = field.subspan(static_cast<std::size_t>(i) * kTestChannelBytes);
        PutFrequency(setup.TestFrequencyTable[0][i], bytes.first<kFrequencyBytes>());
        PutFrequency(setup.TestFrequencyTable[1][i],
                     bytes.subspan(kFrequencyBytes).first<kFrequencyBytes>());
    }
}

void DecodeEmbeddedInfo(FieldBytes field, Decoding& decoded) {
    Setup& setup = decoded.setup;
    for (std::size_t k = 0; k < setup.EmbeddedInfo.size(); ++k) {
        setup.EmbeddedInfo[k] =
            TextWithoutBlanks(field.subspan(k * kEmbeddedInfoBytes, kEmbeddedInfoBytes));
    }
    ShowEmbeddedInfo(setup);
}

void EncodeEmbeddedInfo(const Setup& setup, FieldOut field) {
    for (std::size_t k = 0; k < setup.EmbeddedInfo.size(); ++k) {
        PutText(setup.EmbeddedInfo[k], field.subspan(k * kEmbeddedInfoBytes, kEmbeddedInfoBytes));
    }
}

}  // namespace qv
