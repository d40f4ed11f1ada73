#include "dialogs/form5_rules.h"

#include <algorithm>
#include <utility>

#include "dialogs/optional_functions.h"
#include "state/option_entries.h"

namespace qv {

Changes ChooseForm5List(Setup& setup, Host& host, int Form5Controls::*list, int position) {
    SetForm5Control(setup, host, list, position);
    return StatePart::Form5;
}

Changes SetForm5Check(Setup& setup, int Form5Controls::*box, bool checked) {
    setup.Form5.*box = checked ? 1 : 0;
    return StatePart::Form5;
}

Changes TypeResumeDelay(Setup& setup, std::string Form5Controls::*box, std::string text) {
    setup.Form5.*box = std::move(text);
    return StatePart::Form5;
}

Changes MoveResumeDelayStep(Setup& setup, const ResumeDelayStep& step, int value) {
    const int held = std::clamp(value, 0, kResumeDelayMax);
    setup.Form5.*step.step = held;
    setup.Form5.*step.text = std::to_string(held);
    return StatePart::Form5;
}

Changes Form5Ok(Setup& setup) {
    const Form5Controls& form = setup.Form5;
    for (const Form5Link& link : kOptionTextControls) {
        setup.OptionText[link.entry] = std::to_string(form.*link.control - link.bias);
    }
    for (const Form5TextLink& box : kOptionTextBoxes) {
        setup.OptionText[box.entry] = form.*box.control;
    }
    for (std::size_t code = 0; code < setup.DtmfCodes.size(); ++code) {
        setup.DtmfCodes[code] = form.mfgrid1[code + 1][1];
    }
    for (const Form5Link& link : kOptionValueControls) {
        const int position = form.*link.control;
        setup.OptionValue[link.entry] = link.entry == option_value::kFirstDigitDelayMs
                                            ? FirstDigitDelayMs(position)
                                            : position - link.bias;
    }
    return StatePart::Form5;
}

}  // namespace qv
