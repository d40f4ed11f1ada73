// Set-ups made at random the way the windows make them: every value one a window takes (channels
// typed into the grid in the band shown, list items chosen, codes and texts typed), on the set-up
// of a freshly started tool.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "image/held_controls.h"
#include "image/text.h"
#include "rules/channels/grid_editing.h"
#include "rules/dialogs/optional_functions_rules.h"
#include "rules/program/startup.h"
#include "state/bands.h"
#include "state/keys.h"
#include "state/option_entries.h"

namespace qv::test {

class RandomSetups {
  public:
    // `used`: the share of channels and test channels in use, 1 for all of them.
    explicit RandomSetups(std::uint32_t seed, double used = 0.5) : random_(seed), used_(used) {}

    Setup Next() {
        Setup setup = StartupSetup();
        const Language cells = Pick(2) == 0 ? Language::Chinese : Language::English;
        setup.Combo1 = setup.BandIndex = Pick(kBandCount);
        const Band& band = kBands[static_cast<std::size_t>(setup.Combo1)];
        for (int row = 1; row <= kChannelCount; ++row) {
            if (!Used()) continue;
            ChannelEntry entry;
            entry.receive = Frequency(band.lowMHz, band.highMHz);
            entry.transmit = Frequency(band.lowMHz, band.highMHz);
            entry.receiveTone = Tone();
            entry.transmitTone = Tone();
            entry.power = Pick(2);
            entry.busyLockout = Pick(2);
            entry.bandwidth = Pick(2);
            entry.scan = Pick(2);
            PlaceChannel(setup, row, entry, cells);
        }
        setup.Combo2 = Pick(2);
        setup.Combo3 = Pick(40);
        setup.Combo4 = Pick(11);
        setup.Combo9 = Pick(10);
        setup.Combo6 = Pick(2);
        setup.Combo7 = Pick(2);
        setup.Form5.Combo1 = Pick(16);
        setup.Form5.Combo2 = Pick(2);
        setup.Form5.Combo3 = Pick(3);
        for (const OptionControlLink& link : kOptionTextControls) {
            const int position = Pick(OptionTextItems(link.entry));
            setup.OptionText[link.entry] = std::to_string(position - link.bias);
            setup.Form5.*link.control = position;
        }
        for (const OptionTextBoxLink& box : kOptionTextBoxes) {
            setup.OptionText[box.entry] =
                Pick(4) == 0 ? std::string() : std::to_string(Pick(kResumeDelayMax + 1));
            setup.Form5.*box.control = setup.OptionText[box.entry];
        }
        constexpr int kOptionValueItems[] = {4, 4, 19, 4, 17, 2, 7, 16};
        for (int entry = 0; entry < option_value::kCount; ++entry) {
            int value = Pick(kOptionValueItems[entry]);
            if (entry == option_value::kFirstDigitDelayMs) {
                value = Pick(5) == 0 ? 0 : FirstDigitDelayMs(value);
            }
            setup.OptionValue[entry] = value;
            ShowOptionValue(setup, entry);
        }
        for (int index = 0; index < 8; ++index) {
            setup.DtmfCodes[index] = Text("0123456789ABCD*#", kDtmfCodeChars);
            ShowDtmfCode(setup, index);
        }
        for (const KeyList& key : kKeyLists) {
            setup.KeyFunctionCodes[key.entry] = Pick(KeyFunctionCount(key));
            ShowKeyFunction(setup, key.entry);
        }
        setup.PowerHighLevel = Pick(256);
        setup.PowerLowLevel = Pick(256);
        ShowPowerLevels(setup);
        for (int channel = 1; channel <= kTestChannels; ++channel) {
            if (!Used()) continue;
            setup.TestFrequencyTable[0][channel - 1] = Frequency(100, 1000);
            setup.TestFrequencyTable[1][channel - 1] = Frequency(100, 1000);
            ShowTestChannel(setup, channel);
        }
        for (std::string& line : setup.EmbeddedInfo) line = Latin1Text(kEmbeddedInfoChars, 0xFE);
        ShowEmbeddedInfo(setup);
        // The texts no window shows: the ten-character one keeps 0xFF bytes as characters.
        setup.OptionText[option_text::kText10] = Latin1Text(10, 0xFF);
        setup.OptionText[option_text::kText16A] = Latin1Text(16, 0xFE);
        setup.OptionText[option_text::kText16B] = Latin1Text(16, 0xFE);
        return setup;
    }

  private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    bool Used() { return std::uniform_real_distribution<double>(0, 1)(random_) < used_; }

    // A frequency from `low` up to, not including, `high` MHz on the 5 kHz or the 6.25 kHz
    // raster, as the grid shows it.
    std::string Frequency(int low, int high) {
        constexpr std::int64_t kUnitsPerMHz = 100000;  // tens of hertz
        const std::int64_t step = Pick(2) == 0 ? 500 : 625;
        std::int64_t units = std::uniform_int_distribution<std::int64_t>(
            low * kUnitsPerMHz, high * kUnitsPerMHz - 1)(random_);
        units -= units % step;
        std::string fraction = std::to_string(units % kUnitsPerMHz);
        fraction.insert(0, 5 - fraction.size(), '0');
        return std::to_string(units / kUnitsPerMHz) + "." + fraction;
    }

    // No tone, an item of the tone list, or a tone typed from 67.0 to 254.1 Hz.
    ToneEntry Tone() {
        switch (Pick(3)) {
            case 0:
                return {0, {}};
            case 1:
                return {1 + Pick(260), {}};
            default: {
                const int tenths = 670 + Pick(2541 - 670 + 1);
                return {kTypedTone,
                        std::to_string(tenths / 10) + "." + std::to_string(tenths % 10)};
            }
        }
    }

    std::string Text(std::string_view alphabet, int most) {
        std::string text;
        for (int length = Pick(most + 1); length > 0; --length) {
            text += alphabet[static_cast<std::size_t>(Pick(static_cast<int>(alphabet.size())))];
        }
        return text;
    }

    // Up to `most` characters, codes 0 to `highest` (control characters, quotes and backslashes
    // among them).
    std::string Latin1Text(int most, int highest) {
        std::string text;
        for (int length = Pick(most + 1); length > 0; --length) {
            text += Latin1Char(static_cast<std::uint8_t>(Pick(highest + 1)));
        }
        return text;
    }

    static int OptionTextItems(int entry) {
        namespace ot = option_text;
        switch (entry) {
            case ot::kPttId:
            case ot::kPriorityMode:
                return 3;
            case ot::kVoxGain:
            case ot::kVoxDelay:
                return 6;
            case ot::kPriorityChannel:
                return 16;
            case ot::kRetraceTimeA:
            case ot::kRetraceTimeB:
                return 92;
            case ot::kReturnChannel:
                return 4;
            default:
                return 2;
        }
    }

    std::mt19937 random_;
    double used_;
};

}  // namespace qv::test
