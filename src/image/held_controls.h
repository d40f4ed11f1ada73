// Each held value is shown by a control of its dialog. These put a held value into its control, as
// the decoder does for every field it reads and a dialog does when it is created.
#pragma once

#include "state/program_state.h"

namespace qv {

inline constexpr int kTestChannels = 16;

// Form2's sliders show the power levels.
void ShowPowerLevels(Setup& setup);
// Form4's grid row `channel` (1..16) shows that test channel's receive and transmit frequencies.
void ShowTestChannel(Setup& setup, int channel);
// Form7's two boxes show the embedded information.
void ShowEmbeddedInfo(Setup& setup);
// Form6's list Combo(entry + 1) shows KeyFunctionCodes[entry].
void ShowKeyFunction(Setup& setup, int entry);
// Form5's code grid row index + 1 shows DtmfCodes[index].
void ShowDtmfCode(Setup& setup, int index);
// Form5's DTMF list of OptionValue entry `entry` shows it.
void ShowOptionValue(Setup& setup, int entry);

}  // namespace qv
