#include "rules/dialogs/optional_functions_rules.h"

#include <algorithm>
#include <string>
#include <utility>

#include "i18n/language.h"
#include "i18n/messages.h"
#include "i18n/msgbox.h"
#include "image/held_controls.h"
#include "image/text.h"
#include "state/option_entries.h"

namespace qv {

Changes ChooseOptionalFunctionList(Setup& setup, Host& host, int OptionalFunctionsControls::*list,
                                   int position) {
    SetOptionalFunctionControl(setup, host, list, position);
    return StatePart::Form5;
}

Changes SetOptionalFunctionCheck(Setup& setup, int OptionalFunctionsControls::*box, bool checked) {
    setup.Form5.*box = checked ? 1 : 0;
    return StatePart::Form5;
}

bool ResumeDelayTextAcceptable(std::string_view text) {
    constexpr std::size_t kMaxDigits = 3;
    if (text.size() > kMaxDigits) return false;
    int seconds = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return false;
        seconds = seconds * 10 + (c - '0');
    }
    return seconds <= kResumeDelayMax;
}

Changes TypeResumeDelay(Setup& setup, std::string OptionalFunctionsControls::*box,
                        std::string text) {
    if (!ResumeDelayTextAcceptable(text)) return {};
    setup.Form5.*box = std::move(text);
    return StatePart::Form5;
}

Changes MoveResumeDelayStep(Setup& setup, const ResumeDelayStep& step, int value) {
    const int held = std::clamp(value, 0, kResumeDelayMax);
    if (setup.Form5.*step.step == held) return {};
    setup.Form5.*step.step = held;
    setup.Form5.*step.text = std::to_string(held);
    return StatePart::Form5;
}

Changes StoreOptionalFunctions(Setup& setup) {
    const OptionalFunctionsControls& form = setup.Form5;
    for (const OptionControlLink& link : kOptionTextControls) {
        setup.OptionText[link.entry] = std::to_string(form.*link.control - link.bias);
    }
    for (const OptionTextBoxLink& box : kOptionTextBoxes) {
        setup.OptionText[box.entry] = form.*box.control;
    }
    for (std::size_t code = 0; code < setup.DtmfCodes.size(); ++code) {
        setup.DtmfCodes[code] = form.mfgrid1[code + 1][1];
    }
    for (const OptionControlLink& link : kOptionValueControls) {
        const int position = form.*link.control;
        setup.OptionValue[link.entry] = link.entry == option_value::kFirstDigitDelayMs
                                            ? FirstDigitDelayMs(position)
                                            : position - link.bias;
    }
    return StatePart::Form5;
}

void SetPriorityMode(Setup& setup, Host& host, int position) {
    OptionalFunctionsControls& form = setup.Form5;
    if (form.Combo11 == position) return;
    form.Combo11 = position;
    if (position != kPriorityFixed) return;
    for (int channel = 1; channel <= kPriorityChannels; ++channel) {
        if (ChannelInUse(setup, channel)) {
            form.FixedPriorityChannel = channel;
            SetPriorityChannel(setup, host, channel - 1);
            return;
        }
    }
    // These messages have one wording in both languages.
    host.LocalMsgBox(
        std::string(MessageText(MessageId::PriorityNeedsChannel, Language::Chinese)), kStyleOk,
        std::string(MessageText(MessageId::PriorityNeedsChannelTitle, Language::Chinese)));
    SetPriorityMode(setup, host, kPriorityNone);
}

void SetPriorityChannel(Setup& setup, Host& host, int position) {
    OptionalFunctionsControls& form = setup.Form5;
    if (form.Combo12 == position) return;
    form.Combo12 = position;
    if (form.Combo11 != kPriorityFixed) return;
    const int channel = position + 1;
    if (channel >= 1 && channel <= kPriorityChannels && ChannelInUse(setup, channel)) return;
    host.LocalMsgBox(std::string(MessageText(MessageId::PriorityChannelEmpty, Language::Chinese)),
                     kStyleOk, "");
    // Back to the channel found when "fixed" was chosen, without asking again; with none found
    // yet the list is left with no selection.
    form.Combo12 = form.FixedPriorityChannel - 1;
}

namespace {

constexpr std::string_view kDtmfKeys = "ABCD0123456789#*";

// Characters, not bytes: a UTF-8 continuation byte starts no character.
std::size_t CharacterCount(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

char DtmfCellKey(char key) {
    if (key >= 'a' && key <= 'z') key = static_cast<char>(key - 'a' + 'A');
    if (key == kKeyBackspace || key == kKeyEnter) return key;
    return kDtmfKeys.find(key) != std::string_view::npos ? key : '\0';
}

std::string DtmfCellText(std::string_view text) {
    std::string kept;
    for (const char c : text) {
        const char key = DtmfCellKey(c);
        if (key != '\0' && key != kKeyBackspace && key != kKeyEnter) kept.push_back(key);
    }
    return kept;
}

Changes EditDtmfCode(Setup& setup, int row, std::string code) {
    if (row < 1 || row > kDtmfCodeRows) return {};
    setup.Form5.mfgrid1[static_cast<std::size_t>(row)][kDtmfCodeColumn] = std::move(code);
    return StatePart::Form5;
}

void WarnAboutDtmfCode(Host& host, std::string_view code) {
    if (CharacterCount(code) <= kDtmfCodeChars) return;
    // One wording in both languages.
    host.LocalMsgBox(std::string(MessageText(MessageId::DtmfCodeTooLong, Language::Chinese)),
                     kStyleOkStop, "");
}

void SetOptionalFunctionControl(Setup& setup, Host& host, int OptionalFunctionsControls::*control,
                                int position) {
    if (control == &OptionalFunctionsControls::Combo11) {
        SetPriorityMode(setup, host, position);
    } else if (control == &OptionalFunctionsControls::Combo12) {
        SetPriorityChannel(setup, host, position);
    } else {
        setup.Form5.*control = position;
    }
}

void LoadOptionalFunctionsDialog(Setup& setup, Host& host) {
    OptionalFunctionsControls& form = setup.Form5;
    form.Combo1 = 0;
    form.Combo2 = 1;
    form.Combo3 = 0;
    for (const OptionControlLink& link : kOptionTextControls) {
        SetOptionalFunctionControl(setup, host, link.control,
                                   ValInt(setup.OptionText[link.entry]) + link.bias);
    }
    for (const OptionTextBoxLink& box : kOptionTextBoxes)
        form.*box.control = setup.OptionText[box.entry];
    for (int row = 1; row <= 8; ++row) {
        form.mfgrid1[row][0] = std::to_string(row);
        ShowDtmfCode(setup, row - 1);
    }
    for (const OptionControlLink& link : kOptionValueControls) ShowOptionValue(setup, link.entry);
}

}  // namespace qv
