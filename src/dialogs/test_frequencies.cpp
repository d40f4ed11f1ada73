#include "dialogs/test_frequencies.h"

#include <cstdio>

#include "image/held_controls.h"

namespace qv {

void LoadForm4(Setup& setup) {
    for (int channel = 1; channel <= kTestChannels; ++channel) {
        char label[4];
        std::snprintf(label, sizeof label, "%02d", channel);
        setup.Form4.mfgrid1[channel][0] = label;
        ShowTestChannel(setup, channel);
    }
}

}  // namespace qv
