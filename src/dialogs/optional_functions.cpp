#include "dialogs/optional_functions.h"

#include <string>

#include "dialogs/priority_rules.h"
#include "image/held_controls.h"
#include "image/text.h"
#include "state/option_entries.h"

namespace qv {

void SetForm5Control(Setup& setup, Host& host, int Form5Controls::*control, int position) {
    if (control == &Form5Controls::Combo11) {
        SetPriorityMode(setup, host, position);
    } else if (control == &Form5Controls::Combo12) {
        SetPriorityChannel(setup, host, position);
    } else {
        setup.Form5.*control = position;
    }
}

void LoadForm5(Setup& setup, Host& host) {
    Form5Controls& form = setup.Form5;
    form.Combo1 = 0;
    form.Combo2 = 1;
    form.Combo3 = 0;
    for (const Form5Link& link : kOptionTextControls) {
        SetForm5Control(setup, host, link.control,
                        ValInt(setup.OptionText[link.entry]) + link.bias);
    }
    for (const Form5TextLink& box : kOptionTextBoxes)
        form.*box.control = setup.OptionText[box.entry];
    for (int row = 1; row <= 8; ++row) {
        form.mfgrid1[row][0] = std::to_string(row);
        ShowDtmfCode(setup, row - 1);
    }
    for (const Form5Link& link : kOptionValueControls) ShowOptionValue(setup, link.entry);
}

}  // namespace qv
