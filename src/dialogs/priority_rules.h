// The optional-functions dialog's priority rules. They run whenever the priority mode or the
// priority channel changes, whether the user or the decoder changed it.
#pragma once

#include "state/host.h"
#include "state/program_state.h"

namespace qv {

inline constexpr int kPriorityNone = 0;
inline constexpr int kPriorityFixed = 1;
inline constexpr int kPriorityChannels = 16;  // the priority channel is one of channels 1..16

// Sets the priority mode list (Form5 Combo11). "Fixed" needs a channel in use among channels
// 1..16: the first one becomes the priority channel; with none the mode goes back to "none".
void SetPriorityMode(Setup& setup, Host& host, int position);

// Sets the priority channel list (Form5 Combo12, position = channel - 1). While the mode is
// "fixed" an empty channel is refused and the list returns to the channel found last.
void SetPriorityChannel(Setup& setup, Host& host, int position);

}  // namespace qv
