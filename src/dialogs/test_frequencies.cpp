#include "dialogs/test_frequencies.h"

#include <cstdio>

namespace qv {

void ShowTestChannel(ProgramState& state, int channel) {
    auto& row = state.Form4.mfgrid1[channel];
    row[1] = state.TestFrequencyTable[0][channel - 1];
    row[2] = state.TestFrequencyTable[1][channel - 1];
}

void LoadForm4(ProgramState& state) {
    for (int channel = 1; channel <= kTestChannels; ++channel) {
        char label[4];
        std::snprintf(label, sizeof label, "%02d", channel);
        state.Form4.mfgrid1[channel][0] = label;
        ShowTestChannel(state, channel);
    }
}

}  // namespace qv
