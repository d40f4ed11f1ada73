#include "mainwindow/startup.h"

#include "dialogs/calibration.h"
#include "dialogs/embedded_info.h"
#include "dialogs/key_assignment.h"
#include "dialogs/optional_functions.h"
#include "dialogs/test_frequencies.h"
#include "mainwindow/band_rules.h"
#include "mainwindow/grid_rules.h"

namespace qv {

void SetStartupKeyAssignments(ProgramState& state) {
    state.KeyFunctionCodes = {10, 12, 1, 7, 10, 12, 1, 7, 0, 0};
}

void LoadDefaults(ProgramState& state) {
    state.PowerHighLevel = kDefaultPowerHighLevel;
    state.PowerLowLevel = kDefaultPowerLowLevel;
    state.CalibrationUnlocked = false;
    state.DtmfCodes = {"1", "2", "3", "4", "5", "6", "7", "8"};
    for (int entry = 0; entry <= 14; ++entry) state.OptionText[entry] = "1";
    state.OptionText[6] = "3";
    state.OptionText[10] = "0";
    state.OptionText[16] = "12345";
    state.OptionText[17] = "12345";
    for (int entry = 20; entry <= 23; ++entry) state.OptionText[entry] = "1";
    state.OptionValue = {0, 1, 0, 1, 1, 1, 0, 0};
    state.Combo2 = 0;
    state.Combo3 = 1;
    state.Combo4 = 0;
    state.Combo9 = 5;
    state.Combo6 = 1;
    state.Combo7 = 1;
}

void LoadDialogs(ProgramState& state, Host& host) {
    LoadForm2(state);
    LoadForm4(state);
    LoadForm5(state, host);
    LoadForm6(state);
    LoadForm7(state);
}

ProgramState StartupState(Host& host, int languageIsEnglish) {
    ProgramState state;
    SetGridRowLabels(state);
    SetStartupKeyAssignments(state);
    LoadDefaults(state);
    state.LanguageIsEnglish = languageIsEnglish;
    LoadDialogs(state, host);
    ForceBand(state, host, 0);
    return state;
}

}  // namespace qv
