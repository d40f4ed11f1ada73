#include "dialogs/optional_functions.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "dialogs/priority_rules.h"
#include "image/text.h"

namespace qv {
namespace {

constexpr Form5Link kOptionTextControls[] = {
    {3, &Form5Controls::Combo4, 0},   {22, &Form5Controls::Check3, 0},
    {23, &Form5Controls::Check4, 0},  {5, &Form5Controls::Combo6, 0},
    {6, &Form5Controls::Combo7, 0},   {7, &Form5Controls::Combo8, 0},
    {8, &Form5Controls::Combo9, 0},   {9, &Form5Controls::Combo10, 0},
    {10, &Form5Controls::Combo11, 0}, {11, &Form5Controls::Combo12, -1},
    {12, &Form5Controls::Combo13, 0}, {13, &Form5Controls::Combo14, 0},
    {14, &Form5Controls::Combo15, 0},
};

constexpr Form5Link kOptionValueControls[] = {
    {0, &Form5Controls::Combo0, 0},  {1, &Form5Controls::Combo16, 0},
    {2, &Form5Controls::Combo18, 0}, {3, &Form5Controls::Combo17, 0},
    {4, &Form5Controls::Combo19, 0}, {5, &Form5Controls::Combo20, 0},
    {6, &Form5Controls::Combo22, 0}, {7, &Form5Controls::Combo21, 0},
};

constexpr int kFirstDigitDelayItems = 19;

}  // namespace

std::span<const Form5Link> OptionTextControls() {
    return kOptionTextControls;
}
std::span<const Form5Link> OptionValueControls() {
    return kOptionValueControls;
}

int FirstDigitDelayPosition(int milliseconds) {
    const int position = static_cast<int>(std::lround((milliseconds - 100) / 50.0));
    return std::clamp(position, 0, kFirstDigitDelayItems - 1);
}

int FirstDigitDelayMs(int position) {
    return 100 + 50 * position;
}

void SetForm5Control(ProgramState& state, Host& host, int Form5Controls::*control, int position) {
    if (control == &Form5Controls::Combo11) {
        SetPriorityMode(state, host, position);
    } else if (control == &Form5Controls::Combo12) {
        SetPriorityChannel(state, host, position);
    } else {
        state.Form5.*control = position;
    }
}

void LoadForm5(ProgramState& state, Host& host) {
    Form5Controls& form = state.Form5;
    form.Combo1 = 0;
    form.Combo2 = 1;
    form.Combo3 = 0;
    for (const Form5Link& link : kOptionTextControls) {
        const int value = static_cast<int>(Val(state.OptionText[link.entry]));
        SetForm5Control(state, host, link.control, value + link.bias);
    }
    form.Text5 = state.OptionText[18];
    form.Text6 = state.OptionText[19];
    for (int row = 1; row <= 8; ++row) {
        form.mfgrid1[row][0] = std::to_string(row);
        form.mfgrid1[row][1] = state.DtmfCodes[row - 1];
    }
    for (const Form5Link& link : kOptionValueControls) {
        const int value = state.OptionValue[link.entry];
        form.*link.control =
            link.control == &Form5Controls::Combo18 ? FirstDigitDelayPosition(value) : value;
    }
}

}  // namespace qv
