#include "rules/program/startup.h"

#include <array>

#include "i18n/msgbox.h"
#include "rules/channels/band_rules.h"
#include "rules/channels/grid_rules.h"
#include "rules/dialogs/calibration_rules.h"
#include "rules/dialogs/embedded_info_rules.h"
#include "rules/dialogs/key_assignment_rules.h"
#include "rules/dialogs/optional_functions_rules.h"
#include "rules/dialogs/service_frequencies_rules.h"
#include "state/option_entries.h"

namespace qv {
namespace {

namespace ot = option_text;
namespace ov = option_value;

struct TextDefault {
    int entry;
    const char* text;
};

// Entries 15, 18 and 19 start empty.
constexpr TextDefault kOptionTextDefaults[] = {
    {ot::kReserved0, "1"},    {ot::kReserved1, "1"},       {ot::kReserved2, "1"},
    {ot::kPttId, "1"},        {ot::kReserved4, "1"},       {ot::kVoxFunction, "1"},
    {ot::kVoxGain, "3"},      {ot::kVoxDelay, "1"},        {ot::kVoxVolume, "1"},
    {ot::kRemoteAlarm, "1"},  {ot::kPriorityMode, "0"},    {ot::kPriorityChannel, "1"},
    {ot::kRetraceTimeA, "1"}, {ot::kRetraceTimeB, "1"},    {ot::kReturnChannel, "1"},
    {ot::kText16A, "12345"},  {ot::kText16B, "12345"},     {ot::kReserved20, "1"},
    {ot::kReserved21, "1"},   {ot::kCancelOperation, "1"}, {ot::kVoxBannedOnReceive, "1"},
};

struct ValueDefault {
    int entry;
    int value;
};

constexpr ValueDefault kOptionValueDefaults[] = {
    {ov::kDtmfRate, 0},      {ov::kFirstDigitTime, 1}, {ov::kFirstDigitDelayMs, 0},
    {ov::kStarHashTone, 1},  {ov::kDKey, 1},           {ov::kDtmfSidetone, 1},
    {ov::kGroupCallCode, 0}, {ov::kAutoReset, 0},
};

}  // namespace

void SetStartupKeyAssignments(Setup& setup) {
    setup.KeyFunctionCodes = {10, 12, 1, 7, 10, 12, 1, 7, 0, 0};
}

void LoadDefaults(ProgramState& state) {
    state.PowerHighLevel = kDefaultPowerHighLevel;
    state.PowerLowLevel = kDefaultPowerLowLevel;
    state.CalibrationUnlocked = false;
    state.DtmfCodes = {"1", "2", "3", "4", "5", "6", "7", "8"};
    for (const TextDefault& text : kOptionTextDefaults) state.OptionText[text.entry] = text.text;
    for (const ValueDefault& value : kOptionValueDefaults) {
        state.OptionValue[value.entry] = value.value;
    }
    // The function-settings frame, in this order.
    state.Combo2 = 0;
    state.Combo3 = 1;
    state.Combo4 = 0;
    state.Combo9 = 5;
    state.Combo6 = 1;
    state.Combo7 = 1;
}

void LoadDialogs(ProgramState& state, Host& host) {
    LoadCalibrationWindow(state);
    LoadServiceFrequenciesDialog(state);
    LoadOptionalFunctionsDialog(state, host);
    LoadKeyAssignmentDialog(state);
    LoadEmbeddedInfoDialog(state);
}

ProgramState StartupState(Host& host, const Parameters& parameters) {
    ProgramState state;
    SetGridRowLabels(state);
    SetStartupKeyAssignments(state);
    LoadDefaults(state);
    ApplyParameters(state, parameters);
    LoadDialogs(state, host);
    ForceBand(state, host, 0);
    return state;
}

namespace {

// Start-up shows no message; were one shown, its first button would answer it.
class FirstButtonHost : public Host {
  public:
    int LocalMsgBox(const std::string&, int style, const std::string&) override {
        return DecodeMsgBoxStyle(style).buttons.front();
    }
};

}  // namespace

ProgramState StartupState(Host& host, int languageIsEnglish) {
    return StartupState(host, Parameters{.language = static_cast<std::uint8_t>(languageIsEnglish)});
}

Setup StartupSetup() {
    FirstButtonHost host;
    return StartupState(host);
}

}  // namespace qv
