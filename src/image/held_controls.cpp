#include "image/held_controls.h"

#include "state/option_entries.h"

namespace qv {

void ShowPowerLevels(Setup& setup) {
    setup.Form2.Slider1 = setup.PowerHighLevel;
    setup.Form2.Slider3 = setup.PowerLowLevel;
}

void ShowTestChannel(Setup& setup, int channel) {
    auto& row = setup.Form4.mfgrid1[channel];
    row[1] = setup.TestFrequencyTable[0][channel - 1];
    row[2] = setup.TestFrequencyTable[1][channel - 1];
}

void ShowEmbeddedInfo(Setup& setup) {
    setup.Form7.Text1 = setup.EmbeddedInfo[0];
    setup.Form7.Text2 = setup.EmbeddedInfo[1];
}

void ShowKeyFunction(Setup& setup, int entry) {
    setup.Form6.Combo[entry + 1] = setup.KeyFunctionCodes[entry];
}

void ShowDtmfCode(Setup& setup, int index) {
    setup.Form5.mfgrid1[index + 1][1] = setup.DtmfCodes[index];
}

void ShowOptionValue(Setup& setup, int entry) {
    for (const OptionControlLink& link : kOptionValueControls) {
        if (link.entry != entry) continue;
        setup.Form5.*link.control = OptionValuePosition(entry, setup.OptionValue[entry]);
    }
}

}  // namespace qv
