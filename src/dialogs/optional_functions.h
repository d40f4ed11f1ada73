// The optional-functions dialog (Form5): setting its lists, and its load step.
#pragma once

#include "state/host.h"
#include "state/program_state.h"

namespace qv {

// Sets one of the dialog's lists; the priority mode and channel run their rules.
void SetForm5Control(Setup& setup, Host& host, int Form5Controls::*control, int position);

// What the dialog's controls show after it is created, from the held values.
void LoadForm5(Setup& setup, Host& host);

}  // namespace qv
