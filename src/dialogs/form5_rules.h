// What the user does in the optional-functions dialog (Form5), apart from the code grid: its lists,
// check boxes, resume-delay boxes and step controls change the dialog's controls only; OK copies
// them into the held values. Cancel and the close box change nothing, so the controls keep what
// the user chose until the next OK (or the next decoded image).
#pragma once

#include <array>
#include <string>

#include "state/changes.h"
#include "state/host.h"
#include "state/program_state.h"

namespace qv {

// A step control and the resume-delay box it writes into.
struct ResumeDelayStep {
    int Form5Controls::*step;
    std::string Form5Controls::*text;
};
inline constexpr std::array<ResumeDelayStep, 2> kResumeDelaySteps = {{
    {&Form5Controls::VScroll1, &Form5Controls::Text5},
    {&Form5Controls::VScroll2, &Form5Controls::Text6},
}};
// The radio accepts resume delays up to 300 seconds.
inline constexpr int kResumeDelayMax = 300;

// The user chose `position` in `list`; the priority mode and channel run their rules, which may
// ask and put the list back.
Changes ChooseForm5List(Setup& setup, Host& host, int Form5Controls::*list, int position);

// The user ticked or cleared `box` (Check3 or Check4).
Changes SetForm5Check(Setup& setup, int Form5Controls::*box, bool checked);

// The user edited a resume-delay box: it keeps any text, and the step control stays where it was.
Changes TypeResumeDelay(Setup& setup, std::string Form5Controls::*box, std::string text);

// A step control moved to `value` (held to 0..300): its box shows that value, whatever it held.
Changes MoveResumeDelayStep(Setup& setup, const ResumeDelayStep& step, int value);

// OK: the controls become the held values, as they are, without checks.
Changes Form5Ok(Setup& setup);

}  // namespace qv
