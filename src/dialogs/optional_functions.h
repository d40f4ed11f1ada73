// The optional-functions dialog (Form5): which control mirrors which held value, and its load
// step. The codec uses the same tables, so a decoded image lands in the controls and the held
// values alike.
#pragma once

#include <span>

#include "image/host.h"
#include "image/program_state.h"

namespace qv {

// A list or check box that shows a held value; position = value + bias.
struct Form5Link {
    int entry;
    int Form5Controls::*control;
    int bias;
};

// OptionText entries held as decimal text.
std::span<const Form5Link> OptionTextControls();
// OptionValue entries; entry 2 is in milliseconds and its list is set through
// FirstDigitDelayPosition.
std::span<const Form5Link> OptionValueControls();

// The first-digit delay list runs from 100 ms to 1000 ms in steps of 50 ms.
int FirstDigitDelayPosition(int milliseconds);
int FirstDigitDelayMs(int position);

// Sets one of the dialog's lists; the priority mode and channel run their rules.
void SetForm5Control(ProgramState& state, Host& host, int Form5Controls::*control, int position);

// What the dialog's controls show after it is created, from the held values.
void LoadForm5(ProgramState& state, Host& host);

}  // namespace qv
